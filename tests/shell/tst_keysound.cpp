// The key sounds without a window: which note each key plays, a held key, the key let go, and how
// the modes are chosen, stored and restored, on a recording MIDI output, with or without a
// synthesizer on the machine. Also the colour scheme and menu style options.

#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "support/isolatedhome.h"
#include "support/testcontext.h"

#include <QSignalSpy>
#include <QtTest>

using enum CommandId;

struct Run : IsolatedHome, TestContext {
    SettingsStore store{dir.filePath("Tabulora.ini")};
    std::unique_ptr<CalculatorController> calculator;

    CalculatorController& open(WindowMode mode = WindowMode::Full) {
        calculator = std::make_unique<CalculatorController>(context, &store, mode);
        calculator->load();
        calculator->windowShown();
        return *calculator;
    }
    void write(const QString& entries) {
        for (const QString& entry : entries.split(' ', Qt::SkipEmptyParts))
            store.write("Conf", entry.section('=', 0, 0), entry.section('=', 1));
    }
    // The keys of "Conf" as stored, "-" for one never written.
    QString stored(const QStringList& keys) {
        QStringList values;
        for (const QString& k : keys)
            values << k + '=' + store.read("Conf", k, "-");
        return values.join(' ');
    }
    // What the output was sent, as "on<MIDI note>", "off<MIDI note>" and "program<n>", then "beep"s.
    QString heard() const {
        QStringList out;
        for (std::uint32_t m : midi.sent) {
            const int status = m & 0xFF, data = (m >> 8) & 0xFF, velocity = (m >> 16) & 0xFF;
            out << (status == 0xC3 ? QString("program%1") : QString(velocity ? "on%1" : "off%1")).arg(data);
        }
        for (int i = 0; i < midi.beeps; ++i)
            out << "beep";
        return out.join(' ');
    }
    // Keys as typed: a character is its key, "^" lets the key go, "#x" is x on the numeric keypad,
    // and a few keys by name.
    void keys(const QString& script) {
        static const QHash<QString, int> named{{"Enter", Qt::Key_Return},
                                               {"Ins", Qt::Key_Insert},
                                               {"Ç", Qt::Key_Ccedilla},
                                               {"F1", Qt::Key_F1},
                                               {"Shift", Qt::Key_Shift}};
        for (const QString& k : script.split(' ', Qt::SkipEmptyParts)) {
            if (k == "^") {
                calculator->soundKeyUp();
                continue;
            }
            const bool keypad = k.startsWith('#') && k.size() > 1;
            const QString key = keypad ? k.mid(1) : k;
            calculator->soundKeyDown(named.value(key, key.at(0).toUpper().unicode()), keypad);
        }
    }
    QString told() const {
        QStringList texts;
        for (const auto& s : dialogs.shown)
            texts << s.text.left(12);
        return texts.join('|');
    }
};

class TestKeySound : public QObject {
    Q_OBJECT
    std::unique_ptr<Run> m_run;

  private slots:
    void init() { m_run = std::make_unique<Run>(); }
    void cleanup() { m_run.reset(); }

    void keysPlayTheirNotes_data() {
        QTest::addColumn<QString>("sons");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("heard");
        // clang-format off
        QTest::newRow("Z X C") << "3" << "Z ^ X ^ C" << "on36 off36 on38 off38 on40";
        QTest::newRow("a held key sounds once") << "3" << "Z Z Z Z ^" << "on36 off36";
        QTest::newRow("struck again once let go") << "3" << "Z ^ Z" << "on36 off36 on36";
        QTest::newRow("keypad") << "3" << "#1 #* #/ #0 #. #- #+ #9" << "on72 on59 on55 on71 on69 on62 on65 on86";
        QTest::newRow("Enter is D") << "3" << "Enter ^ D" << "on52 off52 on52";
        QTest::newRow("Ç and its key") << "3" << "Ç ^ ;" << "on64 off64 on64";
        QTest::newRow("digit row") << "3" << "1 4 9 0" << "on83 on88 on96 on98";
        QTest::newRow("Insert and minus") << "3" << "Ins ^ -" << "on100 off100 on100";
        QTest::newRow("outside the table keeps the note") << "3" << "T ^ F1" << "on72 off72 on72";
        QTest::newRow("a modifier plays nothing") << "3" << "Shift A" << "on48";
        QTest::newRow("beep: one note for every key") << "2" << "Z ^ #5" << "on99 off99 on99";
        QTest::newRow("none") << "1" << "Z ^ X" << "";
        // clang-format on
    }
    void keysPlayTheirNotes() {
        QFETCH(QString, sons);
        QFETCH(QString, keys);
        m_run->write("Sons=" + sons);
        m_run->open();
        m_run->midi.sent.clear();
        m_run->keys(keys);
        QTEST(m_run->heard(), "heard");
    }

    // Modes chosen from the menu in turn: what the user is asked and told, what is stored, what is
    // sent then for the keys Z ^ X. Where no synthesizer exists, the beep may be the desktop's.
    void choosingAMode_data() {
        QTest::addColumn<bool>("synthesizer");
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("answer"); // to the offer of the desktop's beep
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("heard");
        const QString ask = "Digite um nú", no = "Problema ao "; // messages 57 and 9
        const int yes = int(Dialogs::Answer::Yes), refused = int(Dialogs::Answer::No);
        const auto L = [](auto... ids) { return QList<int>{int(ids)...}; };
        // clang-format off
        QTest::newRow("beep") << true << L(SoundBeep) << QStringList() << yes << "" << "Sons=2 Instrumento=-"
                              << "program0 on99 off99 on99";
        QTest::newRow("musical, asked until in range")
            << true << L(SoundMusical) << QStringList{"abc", "128", "-1", " 65 "} << yes
            << QStringList(4, ask).join('|') << "Sons=3 Instrumento=65" << "program65 on36 off36 on38";
        QTest::newRow("musical, cancelled") << true << L(SoundMusical) << QStringList{""} << yes << ask
                                            << "Sons=1 Instrumento=-" << "";
        QTest::newRow("none") << true << L(SoundBeep, SoundNone) << QStringList() << yes << ""
                              << "Sons=1 Instrumento=-" << "program0";
        QTest::newRow("musical, no synthesizer") << false << L(SoundMusical) << QStringList{"5"} << yes << no
                                                 << "Sons=1 Instrumento=-" << "";
        QTest::newRow("beep, no synthesizer, desktop's beep taken") << false << L(SoundBeep) << QStringList() << yes
                                                                    << no << "Sons=2 Instrumento=-" << "beep beep";
        QTest::newRow("beep, no synthesizer, refused") << false << L(SoundBeep) << QStringList() << refused << no
                                                       << "Sons=1 Instrumento=-" << "";
        QTest::newRow("musical after the desktop's beep") << false << L(SoundBeep, SoundMusical) << QStringList{"5"}
                                                          << yes << no + '|' + no << "Sons=1 Instrumento=-" << "";
        // clang-format on
    }
    void choosingAMode() {
        QFETCH(bool, synthesizer);
        QFETCH(QList<int>, commands);
        QFETCH(QStringList, typed);
        QFETCH(int, answer);
        m_run->midi.available = synthesizer;
        CalculatorController& c = m_run->open();
        m_run->dialogs.inputs = typed;
        m_run->dialogs.answers = {Dialogs::Answer(answer), Dialogs::Answer(answer)};
        for (int command : commands)
            c.run(CommandId(command));
        m_run->keys("Z ^ X");
        QTEST(m_run->told(), "told");
        QTEST(m_run->stored({"Sons", "Instrumento"}), "stored");
        QTEST(m_run->heard(), "heard");
        QCOMPARE(c.isChecked(SoundNone), m_run->stored({"Sons"}) == "Sons=1");
    }

    // A start restores the mode without asking; without a synthesizer the musical mode says so once
    // and is put off for good, while a beep chosen before keeps the desktop's beep.
    void aStartRestoresTheMode_data() {
        QTest::addColumn<bool>("synthesizer");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("heard"); // on the start, then keys Z ^
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("musical") << true << "Sons=3 Instrumento=40" << "program40 on36 off36" << ""
                                 << "Sons=3 Instrumento=40";
        QTest::newRow("beep") << true << "Sons=2 Instrumento=40" << "program0 on99 off99" << ""
                              << "Sons=2 Instrumento=40";
        QTest::newRow("musical, no synthesizer") << false << "Sons=3 Instrumento=40" << "" << "Problema ao "
                                                 << "Sons=1 Instrumento=40";
        QTest::newRow("beep, no synthesizer") << false << "Sons=2" << "beep" << "" << "Sons=2 Instrumento=-";
        QTest::newRow("out of range") << true << "Sons=7 Instrumento=300" << "" << "" << "Sons=7 Instrumento=300";
        // clang-format on
    }
    void aStartRestoresTheMode() {
        QFETCH(bool, synthesizer);
        QFETCH(QString, stored);
        m_run->midi.available = synthesizer;
        m_run->write(stored);
        m_run->open();
        m_run->keys("Z ^");
        QTEST(m_run->heard(), "heard");
        QTEST(m_run->told(), "told");
        QTEST(m_run->stored({"Sons", "Instrumento"}), "after");
        m_run->dialogs.shown.clear();
        m_run->open();
        QCOMPARE(m_run->told(), QString());
    }

    // The synthesizer is let go while the calculator waits in the tray, and taken back, with its
    // instrument, when it is shown; a lost activation stops the note and lets the same key sound again.
    void theOutputFollowsTheWindow() {
        m_run->write("Sons=3 Instrumento=8");
        CalculatorController& c = m_run->open();
        m_run->midi.sent.clear();
        m_run->keys("Z");
        c.windowDeactivated();
        m_run->keys("Z");
        c.windowClosing({});
        QVERIFY(!m_run->midi.isOpen());
        c.windowShown();
        QVERIFY(m_run->midi.isOpen());
        QCOMPARE(m_run->heard(), "on36 off36 on36 off36 program8");
    }

    // The colour scheme and the menu style are stored when chosen; a start applies the scheme unless
    // it is the designed one or the calculator is compact, and draws Office-XP menus in the full one.
    void looksAreStoredAndRestored_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QList<int>>("applied");
        QTest::addColumn<bool>("officeMenus");
        QTest::newRow("full") << int(WindowMode::Full) << 3 << QList<int>{3} << true;
        QTest::newRow("designed scheme") << int(WindowMode::Full) << 1 << QList<int>{} << true;
        QTest::newRow("compact") << int(WindowMode::Compact) << 4 << QList<int>{} << false;
        QTest::newRow("second calculator") << int(WindowMode::Auxiliary) << 2 << QList<int>{2} << false;
    }
    void looksAreStoredAndRestored() {
        QFETCH(int, mode);
        QFETCH(int, scheme);
        CalculatorController& first = m_run->open();
        first.run(CommandId(int(Colour1) + scheme - 1));
        QCOMPARE(m_run->stored({"Cor"}), "Cor=" + QString::number(scheme));
        first.run(OfficeMenus);
        first.run(OfficeMenus);
        QCOMPARE(m_run->stored({"MenuXP"}), "MenuXP=True");
        QCOMPARE(m_run->told(), "É necessário|É necessário");

        m_run->calculator =
            std::make_unique<CalculatorController>(m_run->context, &m_run->store, WindowMode(mode));
        QSignalSpy applied(m_run->calculator.get(), &CalculatorController::colourSchemeChosen);
        m_run->calculator->load();
        QList<int> schemes;
        for (const auto& call : applied)
            schemes << call.at(0).toInt();
        QTEST(schemes, "applied");
        QTEST(m_run->calculator->officeMenusDrawn(), "officeMenus");
        QVERIFY(m_run->calculator->isChecked(CommandId(int(Colour1) + scheme - 1)));
    }
};

QTEST_GUILESS_MAIN(TestKeySound)
#include "tst_keysound.moc"
