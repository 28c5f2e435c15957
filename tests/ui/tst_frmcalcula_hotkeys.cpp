// The calculator behind its system-wide hotkeys, with scripted hotkeys and keyboard: each hotkey
// acts as its keypad button, Ctrl+Insert takes the selection of the program in front, NumLock is
// kept on, and the option registers and releases the keys.

#include "ui/frmcalcula.h"
#include "core/keymap.h"
#include "i18n/messagecatalog.h"
#include "support/fakeclipboard.h"
#include "support/fakedialogs.h"
#include "support/fakeglobalhotkeys.h"
#include "support/fakekeyboardstate.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestFrmCalculaHotkeys : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeClipboard m_clipboard;
    FakeDialogs m_dialogs;
    FakeGlobalHotkeys m_hotkeys;
    FakeKeyboardState m_keyboard;
    std::unique_ptr<frmCalcula> m_window;
    QDateTime m_now{QDate(2026, 12, 5), QTime(18, 0)};

    void fire(const QList<int>& ids) {
        for (int id : ids) QVERIFY2(m_hotkeys.fire(id), qPrintable(QString::number(id)));
    }
    QString display() { return m_window->findChild<QLabel*>(QStringLiteral("lblVisor(0)"))->text(); }

private slots:
    void init() {
        setCurrentLanguage(1);
        m_dialogs.shown.clear();
        m_hotkeys.available = true;
        m_hotkeys.taken.clear();
        m_keyboard.available = true;
        m_keyboard.numLockSets.clear();
        EngineEnvironment env;
        env.clipboard = &m_clipboard;
        env.dialogs = &m_dialogs;
        m_dir = std::make_unique<QTemporaryDir>();
        env.dataDir = m_dir->path() + QLatin1Char('/');
        env.separators = {QLatin1Char(','), QLatin1Char('.')};
        env.now = [this] { return m_now; };
        m_window = std::make_unique<frmCalcula>(env);
        m_window->setServices({nullptr, &m_hotkeys, &m_keyboard});
        m_window->load(frmCalcula::Mode::Full, nullptr);
        m_window->show();
    }
    void cleanup() { m_window.reset(); }

    // Closed to the tray and shown again (the next morning): the hotkeys work again and the tape
    // kept overnight starts the new day.
    void showingAgainRegistersTheHotkeysAndStartsTheNewDay() {
        fire({KeyMap::HotkeyDigit0 + 5, KeyMap::HotkeyAdd, KeyMap::HotkeyDigit0 + 3, KeyMap::HotkeyEquals});
        m_window->close();
        QVERIFY(m_hotkeys.registered.isEmpty());
        m_window->show();
        QCOMPARE(m_hotkeys.registered.size(), KeyMap::calculatorHotkeys().size());
        QVERIFY(m_window->engine().tape().text().contains(QStringLiteral(" 8 T")));
        m_window->close();
        m_now = m_now.addDays(1);
        m_window->show();
        QCOMPARE(m_window->engine().tape().text(),
                 m_window->engine().dateHeader() + QStringLiteral("\r\n =========================\r\n"));
        QVERIFY(m_window->engine().dateHeader().startsWith(QStringLiteral(" 06/12/2026")));
        fire({KeyMap::HotkeyDigit0 + 2, KeyMap::HotkeyAdd, KeyMap::HotkeyEquals});
        QCOMPARE(m_clipboard.text(), QStringLiteral("2"));
    }

    void hotkeysAreRegisteredAtLoadWithoutAWord() {
        QVERIFY(m_window->action(QStringLiteral("mnuHotKey"))->isChecked());
        QCOMPARE(m_hotkeys.registered.size(), KeyMap::calculatorHotkeys().size());
        QVERIFY(m_dialogs.shown.isEmpty());
    }

    void hotkeysActAsTheirButtons() {
        fire({1, 2, KeyMap::HotkeyAdd, 3, KeyMap::HotkeyEquals});
        QCOMPARE(display(), QStringLiteral("15"));
        QCOMPARE(m_clipboard.text(), QStringLiteral("15"));
        fire({5, KeyMap::HotkeySeparator, 5, KeyMap::HotkeyBack, KeyMap::HotkeySign});
        QCOMPARE(display(), QStringLiteral("-5,"));
        fire({KeyMap::HotkeyClearEntry, KeyMap::HotkeyClearEntry});
        QVERIFY(m_window->engine().tape().text().count(QStringLiteral("\r\n")) == 2);
    }

    void enterAddsModeSwapsTheEnterHotkeys() {
        m_window->engine().setEnterAdds(true);
        fire({4, KeyMap::HotkeyEquals, 6, KeyMap::HotkeyEquals, KeyMap::HotkeySign});
        QCOMPARE(m_clipboard.text(), QStringLiteral("10"));
    }

    void takingTheSelectionOfTheProgramInFront() {
        m_keyboard.onCopy = [this] { m_clipboard.setText(QStringLiteral("1.234,50")); };
        fire({KeyMap::HotkeyTakeSelection});
        QCOMPARE(m_keyboard.copies, 1);
        QCOMPARE(m_window->engine().total(), QStringLiteral("1.234,5"));
        m_keyboard.onCopy = [this] { m_clipboard.setText(QStringLiteral("not a number")); };
        fire({KeyMap::HotkeyTakeSelection});
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.at(0).text, fMensagem(224));
        QCOMPARE(m_window->engine().total(), QStringLiteral("1.234,5"));
    }

    void minimizedTheCaptionShowsTheEntry() {
        fire({KeyMap::HotkeyMinimize});
        QTRY_VERIFY(m_window->isMinimized());
        fire({4, 2});
        QCOMPARE(m_window->windowTitle(), QStringLiteral(" 42"));
        fire({KeyMap::HotkeyMinimize});
        QTRY_VERIFY(!m_window->isMinimized());
        QCOMPARE(m_window->windowTitle(), QStringLiteral(" Tabulora"));
    }

    void switchingTheOptionReleasesAndRegisters() {
        QAction* option = m_window->action(QStringLiteral("mnuHotKey"));
        option->trigger();
        QVERIFY(m_hotkeys.registered.isEmpty());
        QVERIFY(!m_hotkeys.fire(1));
        option->trigger();
        QCOMPARE(m_hotkeys.registered.size(), KeyMap::calculatorHotkeys().size());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.at(0).text, fMensagem(229));
    }

    void withoutX11TheOptionSaysSoOnce() {
        m_hotkeys.available = false;
        QAction* option = m_window->action(QStringLiteral("mnuHotKey"));
        option->trigger();
        option->trigger();
        option->trigger();
        option->trigger();
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown.at(0).text, fMensagem(228));
    }

    void closingReleasesTheKeys() {
        m_window->close();
        QVERIFY(m_hotkeys.registered.isEmpty());
    }

    void numLockIsKeptOn() {
        m_window->action(QStringLiteral("mnuNumLock"))->trigger();
        m_keyboard.numLock = false;
        auto* entry = m_window->findChild<QLineEdit*>(QStringLiteral("txtEntrada"));
        QTest::keyClick(entry, Qt::Key_5);
        QCOMPARE(m_keyboard.numLockSets, QList<bool>{true});
        QTest::keyClick(entry, Qt::Key_6);
        QCOMPARE(m_keyboard.numLockSets, QList<bool>{true});
        m_window->action(QStringLiteral("mnuNumLock"))->trigger();
        m_keyboard.numLock = false;
        QTest::keyClick(entry, Qt::Key_7);
        QCOMPARE(m_keyboard.numLockSets, QList<bool>{true});
    }
};

QTEST_MAIN(TestFrmCalculaHotkeys)
#include "tst_frmcalcula_hotkeys.moc"
