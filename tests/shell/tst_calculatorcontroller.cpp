// The calculator without its window: what a first start looks like, what a later start restores,
// what the menus write and closing saves, the hotkeys, find, and the day that changes while the
// calculator waits in the tray.

#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "support/isolatedhome.h"
#include "support/testcontext.h"

#include <QtTest>

using enum CommandId;
using Ints = QList<int>;

// A run in a home of its own, with its settings file and a calculator opened on them.
struct Run : IsolatedHome, TestContext {
    SettingsStore store{dir.filePath("Tabulora.ini")};

    std::unique_ptr<CalculatorController> calculator;

    CalculatorController& open(WindowMode mode = WindowMode::Full) {
        calculator = std::make_unique<CalculatorController>(context, &store, mode);
        return calculator->load(), *calculator;
    }
    // The values of keys of "Conf", "-" for one never written.
    template <typename... K> QString stored(K... keys) {
        return (QString() + ... + (store.read("Conf", keys, "-") + ' ')).trimmed();
    }
    // Hotkeys typed, each character standing for the command at its place from Digit0 on: digits,
    // "," Ctrl+Decimal, "<" Ctrl+Backspace, "+" Ctrl+Plus, "=" Ctrl+Enter, "!" Ctrl+Alt+Enter, "I"
    // Ctrl+Insert.
    void press(const QString& keys) {
        for (QChar k : keys)
            QVERIFY(hotkeys.fire(int(Digit0) + QString("0123456789,<Cs+-*/%qabcd=!I").indexOf(k)));
    }
    QString told(int i) const { return dialogs.shown.value(i).text; }
};

class TestCalculatorController : public QObject {
    Q_OBJECT
    std::unique_ptr<Run> m_run;

  private slots:
    void init() { m_run = std::make_unique<Run>(); }
    void cleanup() { m_run.reset(); }

    // What a start restores, or the designed state: the format, where the window opens on a screen of
    // 19200 x 12000 twips, 4800 wide (a place off the screen is its edge), Enter-adds mode, the hidden
    // keypad, the hotkeys, staying on top, the backup and inserting text. Loading writes nothing and
    // says nothing, the hotkeys' registration included.
    void startsFromTheStore_data() {
        QTest::addColumn<Ints>("loaded"); // format, top, left, height, then the options in turn
        QTest::addColumn<QString>("stored");
        const Ints edge{2, 0, 0, 7350, 0, 0, 1, 1, 1, 0};
        QTest::newRow("first start") << Ints{2, 0, 14040, 7350, 0, 0, 1, 1, 1, 0} << QString();
        QTest::newRow("stored") << Ints{0, 15, 6, 60, 1, 1, 1, 1, 0, 1}
                                << u"Formato=0 CalcEnter=True Oculte=True Backup=False InserirTexto=-1 "
                                   "CalcTop=15 CalcLeft=6 CalcHeight=60"_qs;
        QTest::newRow("not a number") << edge << u"CalcTop=abc CalcLeft=x"_qs;
        QTest::newRow("off any screen") << edge << u"CalcTop=3,4E+38 CalcLeft=-3,4E+38"_qs;
    }
    void startsFromTheStore() {
        QFETCH(QString, stored);
        for (const QString& entry : stored.split(' ', Qt::SkipEmptyParts))
            m_run->store.write("Conf", entry.section('=', 0, 0), entry.section('=', 1));
        CalculatorController& c = m_run->open();
        const WindowMeasures at = c.placement({19200, 12000}, 4800);
        const Ints flags{c.engine().enterAdds(),   c.isChecked(HideKeypad), c.isChecked(Hotkeys),
                         c.isChecked(AlwaysOnTop), c.engine().backup(),     c.engine().insertText()};
        QTEST(Ints({c.engine().formatIndex(), int(at.top), int(at.left), int(at.height)}) + flags, "loaded");
        QCOMPARE(QFile::exists(m_run->store.filePath()), !stored.isEmpty());
        QVERIFY(m_run->dialogs.shown.isEmpty());
    }

    // The options of the menus are written the moment they change, the designed height on the first
    // run, the rest, the language chosen included, when the window closes (the menus following the
    // language are the window's test). While its option is on, NumLock comes back on when a key is let
    // go; starting with the session is an autostart entry.
    void menusWriteAtOnceAndClosingSavesTheRest() {
        CalculatorController& c = m_run->open();
        c.firstActivation(7350);
        for (CommandId id : {AlwaysOnTop, InsertText, Format5, EnterAdds, HideKeypad, Spanish})
            c.run(id);
        QCOMPARE(m_run->stored("CalcHeight", "Visivel", "InserirTexto", "Formato", "CalcEnter", "Oculte") +
                     ' ' + c.engine().display(),
                 "7350 False True 5 True - 0,000"); // the display in the format chosen
        c.windowClosing({6000, 900, 600});
        QCOMPARE(m_run->stored("Oculte", "Idioma", "CalcTop", "CalcLeft"), "True 3 900 600");
        c.run(NumLockAlways);
        c.keyReleased();
        c.keyReleased(); // on already
        c.run(NumLockAlways);
        m_run->keyboard.numLock = false;
        c.keyReleased(); // the option is off
        QCOMPARE(m_run->keyboard.numLockSets, QList<bool>{true});
        for (bool on : {true, false}) {
            c.run(StartWithSession);
            QCOMPARE(c.isChecked(StartWithSession), on); // the autostart entry in this run's home
        }
    }

    // The second calculator is a scratch pad: no options of its own, and it keeps only its size.
    void auxiliaryCalculator() {
        CalculatorController& c = m_run->open(WindowMode::Auxiliary); // the hotkeys' option is on
        QVERIFY(c.windowTitle() == "Calculadora [Aux]" && m_run->hotkeys.registered.isEmpty());
        QVERIFY(!c.isEnabled(MenuOptions) && !c.isEnabled(MenuSettings) && !c.staysInTray());
        c.windowClosing({5000, 100, 200});
        QCOMPARE(m_run->stored("MiniHeight", "CalcEnter"), "5000 -");
    }

    // Asking again with the same text walks through every occurrence, whatever its case, and says
    // once that there is no more; the caret the user puts in the tape is where the next search starts;
    // an empty answer finds nothing and says nothing.
    void find() {
        CalculatorController& c = m_run->open();
        c.engine().restoreTape(" 12 +\r\n 512 +\r\n 125 =\r\n VALOR\r\n");
        QSignalSpy found(&c, &CalculatorController::tapeSelection);
        m_run->dialogs.inputs = {" 12 ", "12", "12", "12", "valor", "valor", ""};
        for (int i = 0; i < 7; ++i) {
            if (i == 5) c.setTapeCaret(20);
            c.find();
        }
        QCOMPARE(QList(found), (QList<QVariantList>{{1, 2}, {9, 2}, {16, 2}, {24, 5}, {24, 5}}));
        QCOMPARE(m_run->dialogs.inputDefaults.value(1) + m_run->told(4), "12" + m_run->messages.text(18));
        QCOMPARE(m_run->dialogs.shown.size(), 8);
    }

    // F6 starts this program again as the second calculator, beside this one; F7 the desktop's own
    // calculator, if there is one; the backup and a mail to the support are opened by the desktop;
    // what fails is told.
    void desktopPrograms() {
        CalculatorController& c = m_run->open();
        c.setWindowFrame({1, 2, 3, 4});
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_run->dir.path().toUtf8());
        for (CommandId id : {AnotherCalculator, TimeMode, AnotherCalculator, DesktopCalculator, ShowBackup})
            c.run(id);
        QVERIFY(QFile::link("/bin/true", m_run->dir.filePath("galculator")));
        c.run(DesktopCalculator);
        qputenv("PATH", path);
        QCOMPARE(m_run->desktop.started, (QStringList{"/usr/bin/tabulora outra TABULORA_BESIDE=1,2,3,4",
                                                      "/usr/bin/tabulora outratempo TABULORA_BESIDE=1,2,3,4",
                                                      m_run->dir.filePath("galculator")}));
        const QString backup = c.engine().backupFile().path();
        m_run->desktop.openSucceeds = false;
        QVERIFY(QFile(backup).open(QIODevice::WriteOnly));
        c.run(ShowBackup);
        QCOMPARE(m_run->desktop.opened, QStringList{backup});
        QCOMPARE(m_run->told(0) + m_run->told(1), m_run->messages.text(19) + m_run->messages.text(171));
        QCOMPARE(m_run->told(2), m_run->messages.text(172) + "\r\n\r\n" + QDir::toNativeSeparators(backup));
        c.run(Email);
        QVERIFY(
            m_run->desktop.opened.last().startsWith("mailto:suporte@tabulora.com.br?subject=Tabulora%20"));
        QCOMPARE(m_run->told(3), m_run->messages.text(13, "suporte@tabulora.com.br"));
    }

    // Hotkeys act as their buttons, typed with the calculator minimized, whose caption shows the entry.
    // Ctrl+Insert adds the number the program in front copies, keys typed while it waits come after,
    // and a copy that is no number is told.
    void hotkeysActAsTheirButtons_data() {
        QTest::addColumn<bool>("enterAdds");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown"); // the display, then the clipboard
        QTest::addColumn<int>("told");
        QTest::newRow("Ctrl+Enter totals") << false << u"12+3="_qs << u"15 15"_qs << 0;
        QTest::newRow("Ctrl+Alt+Enter: the sign") << false << u"5,5<!"_qs << u"-5, "_qs << 0;
        QTest::newRow("Enter adds: Ctrl+Enter adds") << true << u"4=6=!"_qs << u"10 10"_qs << 0;
        QTest::newRow("Ctrl+Insert twice") << false << u"I=I"_qs << u"1.234 x"_qs << 224;
    }
    void hotkeysActAsTheirButtons() {
        QFETCH(bool, enterAdds);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(int, told);
        CalculatorController& c = m_run->open();
        c.engine().setEnterAdds(enterAdds);
        c.setMinimized(true);
        m_run->keyboard.onCopy = [this] {
            m_run->clipboard.setText(m_run->keyboard.copies > 1 ? "x" : "1.234");
        };
        m_run->press(keys);
        QTRY_COMPARE(c.engine().display() + ' ' + m_run->clipboard.text(), shown);
        QVERIFY(c.windowTitle() == ' ' + c.engine().display() && m_run->keyboard.copies == keys.count('I'));
        if (told) QTRY_COMPARE(m_run->told(0), m_run->messages.text(told));
    }

    // Closed to the tray and shown again, the hotkeys go and come back; the same day the tape is kept,
    // the next morning the new day starts. Switched on from the menu, the hotkeys are explained (229);
    // without X11 the option says so once (228).
    void hotkeysFollowTheTrayAndTheirOption() {
        CalculatorController& c = m_run->open();
        m_run->press("5+3=");
        for (int day : {0, 1}) {
            c.windowClosing({});
            QVERIFY(m_run->hotkeys.registered.isEmpty());
            m_run->now = m_run->now.addDays(day);
            c.windowShown();
            QCOMPARE(m_run->hotkeys.registered.size(), CommandTable::hotkeys().size());
            QCOMPARE(c.engine().tape().text().contains(" 8 T"), day == 0);
        }
        QCOMPARE(c.engine().tape().text(), c.engine().dateHeader() + "\r\n =========================\r\n");
        c.run(Hotkeys);
        QVERIFY(m_run->hotkeys.registered.isEmpty());
        c.run(Hotkeys);
        QCOMPARE(m_run->hotkeys.registered.size(), CommandTable::hotkeys().size());
        m_run->hotkeys.available = false;
        for (int i = 0; i < 4; ++i)
            c.run(Hotkeys);
        QCOMPARE(m_run->told(0) + m_run->told(1) + m_run->told(2),
                 m_run->messages.text(229) + m_run->messages.text(228));
    }
};

QTEST_GUILESS_MAIN(TestCalculatorController)
#include "tst_calculatorcontroller.moc"
