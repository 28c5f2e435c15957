// The calculator without its window: what a first start looks like, what a later start restores,
// what the menus write and closing saves, the hotkeys, find, and the day that changes while the
// calculator waits in the tray.

#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "support/isolatedhome.h"
#include "support/testcontext.h"

#include <QtTest>

namespace {

using Id = CommandId;

// A digit, operator or other keypad button reached through its hotkey.
int hotkey(Button b) { return int(CommandTable::forButton(b).id); }

} // namespace

class TestCalculatorController : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedHome> m_home;
    std::unique_ptr<TestContext> m_run;
    std::unique_ptr<SettingsStore> m_store;

    std::unique_ptr<CalculatorController> open(WindowMode mode = WindowMode::Full) {
        auto c = std::make_unique<CalculatorController>(m_run->context, m_store.get(), mode);
        c->load();
        return c;
    }
    QString stored(const char* key) { return m_store->read("Conf", key, "<none>"); }
    void fire(const QList<int>& ids) {
        for (int id : ids) QVERIFY2(m_run->hotkeys.fire(id), qPrintable(QString::number(id)));
    }

  private slots:
    void init() {
        m_home = std::make_unique<IsolatedHome>();
        m_run = std::make_unique<TestContext>();
        m_store = std::make_unique<SettingsStore>(m_run->dir.filePath("Tabulora.ini"));
    }
    void cleanup() {
        m_store.reset();
        m_run.reset();
        m_home.reset();
    }

    // Nothing is written at first start; the window opens at the top, 360 twips from the right edge.
    void firstStartWithAnEmptyStore() {
        auto c = open();
        QCOMPARE(c->options(), Options());
        QCOMPARE(c->engine().formatIndex(), 2);
        QVERIFY(c->isChecked(Id::Hotkeys) && c->isChecked(Id::AlwaysOnTop) && !c->isChecked(Id::EnterAdds));
        const WindowMeasures placed = c->placement({19200, 12000}, 4800);
        QCOMPARE(placed.top, 0);
        QCOMPARE(placed.left, 19200 - 4800 - 360);
        QCOMPARE(placed.height, 7350);
        QVERIFY2(!QFile::exists(m_store->filePath()), "nothing is written at first start");
    }

    void storedOptionsComeBack() {
        for (auto [k, v] : {std::pair{"Formato", "0"}, {"CalcEnter", "True"}, {"Oculte", "True"}, {"Backup", "False"},
                            {"InserirTexto", "True"}, {"Letrona", "False"}, {"CalcTop", "1500"}, {"CalcLeft", "600"},
                            {"CalcHeight", "6000"}})
            m_store->write("Conf", k, v);
        auto c = open();
        QVERIFY(c->isChecked(Id::Format0) && c->isChecked(Id::EnterAdds) && c->isChecked(Id::HideKeypad));
        QVERIFY(c->engine().enterAdds() && !c->engine().backup() && c->engine().insertText());
        const WindowMeasures placed = c->placement({19200, 12000}, 4800);
        QCOMPARE(placed.height, 6000);
        QCOMPARE(placed.top, 1500);
        QCOMPARE(placed.left, 600);
        QVERIFY(m_run->dialogs.shown.isEmpty()); // the Enter-adds announcement is for a user's click
    }

    void positionOffTheScreenStartsAtTheEdge_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::newRow("negative") << "-300" << "-15";
        QTest::newRow("below and beyond") << "900000" << "900000";
        QTest::newRow("not a number") << "abc" << "x";
        QTest::newRow("beyond any int") << "3,4E+38" << "-3,4E+38";
    }
    void positionOffTheScreenStartsAtTheEdge() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        m_store->write("Conf", "CalcTop", top);
        m_store->write("Conf", "CalcLeft", left);
        const WindowMeasures placed = open()->placement({19200, 12000}, 4800);
        QCOMPARE(QPointF(placed.left, placed.top), QPointF(0, 0));
    }

    // The options of the menus are written the moment they change; the rest when the window closes.
    void menusWriteAtOnceAndClosingSavesTheRest() {
        auto c = open();
        c->firstActivation(7350);
        for (Id id : {Id::AlwaysOnTop, Id::InsertText, Id::Format5, Id::EnterAdds, Id::HideKeypad, Id::Spanish})
            c->run(id);
        QCOMPARE(stored("Visivel"), "False");
        QCOMPARE(stored("InserirTexto"), "True");
        QCOMPARE(stored("Formato"), "5");
        QCOMPARE(stored("CalcEnter"), "True");
        QCOMPARE(stored("Oculte"), "<none>");
        c->windowClosing({6000, 900, 600});
        QCOMPARE(stored("Oculte"), "True");
        QCOMPARE(stored("Idioma"), "3");
        QCOMPARE(stored("CalcTop"), "900");
        QCOMPARE(stored("CalcLeft"), "600");
    }

    // The second calculator is a scratch pad: no options of its own, and it keeps only its size.
    void auxiliaryCalculator() {
        m_store->write("Conf", "HotKey", "True");
        auto c = open(WindowMode::Auxiliary);
        QCOMPARE(c->windowTitle(), "Calculadora [Aux]");
        QVERIFY(!c->isEnabled(Id::MenuOptions) && !c->isEnabled(Id::MenuSettings));
        QVERIFY(m_run->hotkeys.registered.isEmpty());
        c->windowClosing({5000, 100, 200});
        QCOMPARE(stored("MiniHeight"), "5000");
        QCOMPARE(stored("CalcEnter"), "<none>");
        QVERIFY(!c->staysInTray());
    }

    void languageSwitch() {
        auto c = open();
        QSignalSpy switched(c.get(), &CalculatorController::languageChanged);
        c->run(Id::English);
        QCOMPARE(switched.size(), 1);
        QCOMPARE(m_run->messages.language(), 2);
        QVERIFY(c->isChecked(Id::English) && !c->isChecked(Id::Portuguese));
        for (Id tool : {Id::Cheque, Id::PromissoryNote, Id::AmountInWords, Id::UnitConverter})
            QVERIFY(!c->isVisible(tool));
        c->run(Id::Portuguese);
        QVERIFY(c->isVisible(Id::Cheque));
    }

    void startWithTheSession() {
        auto c = open();
        const QString entry = m_home->configHome() + "/autostart/tabulora.desktop";
        c->run(Id::StartWithSession);
        QVERIFY(QFile::exists(entry) && c->isChecked(Id::StartWithSession));
        c->run(Id::StartWithSession);
        QVERIFY(!QFile::exists(entry) && !c->isChecked(Id::StartWithSession));
    }

    // Asking again with the same text walks through every occurrence, whatever its case; the caret
    // the user puts in the tape is where the next search starts.
    void find() {
        auto c = open();
        c->engine().restoreTape("                      12 +\r\n                     512 +\r\n"
                                "                     125 =\r\n VALOR                    \r\n");
        QList<qsizetype> found;
        connect(c.get(), &CalculatorController::tapeSelection, this, [&](qsizetype s, qsizetype) { found << s; });
        m_run->dialogs.inputs = {" 12 ", "12", "12", "12", "valor", "valor", ""};
        for (int i = 0; i < 5; ++i) c->find();
        QCOMPARE(found, (QList<qsizetype>{22, 50, 77, 85}));
        QCOMPARE(m_run->dialogs.inputDefaults.at(1), "12");
        QCOMPARE(m_run->dialogs.shown.size(), 6); // five questions and, once, the end of the search
        QCOMPARE(m_run->dialogs.shown.at(4).text, m_run->messages.text(18));
        c->setTapeCaret(60);
        c->find();
        QCOMPARE(found.last(), 85);
        c->find(); // an empty answer finds nothing and says nothing
        QCOMPARE(m_run->dialogs.shown.size(), 8);
    }

    // F6 starts this program again as the second calculator, beside this one; F7 the desktop's own.
    void otherCalculators() {
        auto c = open();
        c->setWindowFrame({10, 20, 300, 400});
        c->run(Id::AnotherCalculator);
        c->run(Id::TimeMode);
        c->run(Id::AnotherCalculator);
        QCOMPARE(m_run->desktop.started.size(), 2);
        QCOMPARE(m_run->desktop.started.at(0).program, "/usr/bin/tabulora");
        QCOMPARE(m_run->desktop.started.at(0).arguments, QStringList{"outra"});
        QCOMPARE(m_run->desktop.started.at(0).environment, QStringList{"TABULORA_BESIDE=10,20,300,400"});
        QCOMPARE(m_run->desktop.started.at(1).arguments, QStringList{"outratempo"});
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        c->run(Id::DesktopCalculator);
        QCOMPARE(m_run->dialogs.shown.last().text, m_run->messages.text(19));
        QFile galculator(bin.filePath("galculator"));
        QVERIFY(galculator.open(QIODevice::WriteOnly));
        galculator.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        galculator.close();
        c->run(Id::DesktopCalculator);
        qputenv("PATH", path);
        QCOMPARE(m_run->desktop.started.last().program, galculator.fileName());
    }

    void showBackup() {
        auto c = open();
        c->run(Id::ShowBackup);
        QCOMPARE(m_run->dialogs.shown.last().text, m_run->messages.text(171));
        c->engine().restoreTape(QString(40, 'x') + "\r\n");
        c->engine().clearTape();
        m_run->desktop.openSucceeds = false;
        c->run(Id::ShowBackup);
        QVERIFY(m_run->dialogs.shown.last().text.startsWith(m_run->messages.text(172)));
        QCOMPARE(m_run->desktop.opened, QStringList{c->engine().backupFile().path()});
    }

    void hotkeysActAsTheirButtons() {
        auto c = open();
        QCOMPARE(m_run->hotkeys.registered.size(), CommandTable::hotkeys().size());
        QVERIFY(m_run->dialogs.shown.isEmpty()); // registered at load without a word
        fire({hotkey(Button::Digit1), hotkey(Button::Digit2), hotkey(Button::Add), hotkey(Button::Digit3),
              int(Id::HotkeyEnter)});
        QCOMPARE(m_run->clipboard.text(), "15");
        fire({hotkey(Button::Digit5), hotkey(Button::Separator), hotkey(Button::Digit5), hotkey(Button::Back),
              int(Id::HotkeyAltEnter)});
        QCOMPARE(c->engine().display(), "-5,");
        // In Enter-adds mode Ctrl+Enter adds and Ctrl+Alt+Enter totals.
        fire({hotkey(Button::ClearEntry)});
        c->engine().setEnterAdds(true);
        fire({hotkey(Button::Digit4), int(Id::HotkeyEnter), hotkey(Button::Digit6), int(Id::HotkeyEnter),
              int(Id::HotkeyAltEnter)});
        QCOMPARE(m_run->clipboard.text(), "10");
    }

    void takingTheSelectionOfTheProgramInFront() {
        auto c = open();
        m_run->keyboard.onCopy = [this] { m_run->clipboard.setText("1.234,50"); };
        // A key typed while the calculator waits for the copy comes after it.
        fire({int(Id::TakeSelection), int(Id::HotkeyEnter)});
        QTRY_COMPARE(m_run->clipboard.text(), "1.234,5");
        QCOMPARE(m_run->keyboard.copies, 1);
        m_run->keyboard.onCopy = [this] { m_run->clipboard.setText("not a number"); };
        fire({int(Id::TakeSelection)});
        QTRY_COMPARE(m_run->dialogs.shown.size(), 1);
        QCOMPARE(m_run->dialogs.shown.at(0).text, m_run->messages.text(224));
    }

    void switchingTheOptionReleasesAndRegisters() {
        auto c = open();
        c->run(Id::Hotkeys);
        QVERIFY(m_run->hotkeys.registered.isEmpty());
        c->run(Id::Hotkeys);
        QCOMPARE(m_run->hotkeys.registered.size(), CommandTable::hotkeys().size());
        QCOMPARE(m_run->dialogs.shown.size(), 1);
        QCOMPARE(m_run->dialogs.shown.at(0).text, m_run->messages.text(229));
        // Without X11 the option says so, once.
        m_run->hotkeys.available = false;
        for (int i = 0; i < 4; ++i) c->run(Id::Hotkeys);
        QCOMPARE(m_run->dialogs.shown.last().text, m_run->messages.text(228));
        QCOMPARE(m_run->dialogs.shown.size(), 2);
    }

    void minimizedTheCaptionShowsTheEntry() {
        auto c = open();
        c->setMinimized(true);
        fire({hotkey(Button::Digit4), hotkey(Button::Digit2)});
        QCOMPARE(c->windowTitle(), " 42");
        c->setMinimized(false);
        QCOMPARE(c->windowTitle(), " Tabulora");
    }

    void numLockIsKeptOn() {
        auto c = open();
        c->run(Id::NumLockAlways);
        c->keyReleased();
        c->keyReleased();
        QCOMPARE(m_run->keyboard.numLockSets, QList<bool>{true});
        c->run(Id::NumLockAlways);
        m_run->keyboard.numLock = false;
        c->keyReleased();
        QCOMPARE(m_run->keyboard.numLockSets, QList<bool>{true});
    }

    // Closed to the tray and shown again (the next morning): the hotkeys work again and the tape
    // kept overnight starts the new day.
    void shownAgainOnANewDay() {
        auto c = open();
        fire({hotkey(Button::Digit5), hotkey(Button::Add), hotkey(Button::Digit3), int(Id::HotkeyEnter)});
        c->windowClosing({});
        QVERIFY(m_run->hotkeys.registered.isEmpty());
        c->windowShown();
        QCOMPARE(m_run->hotkeys.registered.size(), CommandTable::hotkeys().size());
        QVERIFY(c->engine().tape().text().contains(" 8 T"));
        c->windowClosing({});
        m_run->now = m_run->now.addDays(1);
        c->windowShown();
        QCOMPARE(c->engine().tape().text(), c->engine().dateHeader() + "\r\n =========================\r\n");
        QVERIFY(c->engine().dateHeader().startsWith(" 06/12/2026"));
    }
};

QTEST_GUILESS_MAIN(TestCalculatorController)
#include "tst_calculatorcontroller.moc"
