// The tape leaving the calculator: the saved file, the system printer job, the roll printer's bytes
// at the port (a temporary file, or a pseudo-terminal standing in for a serial line), and the display
// to and from the clipboard.

#include "core/engine.h"
#include "core/tapeoutput.h"
#include "shell/messagecatalog.h"
#include "support/fakeclipboard.h"
#include "support/fakedialogs.h"
#include "support/fakeprinter.h"
#include "support/keyscript.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

using namespace TapeOutput;
using Answer = Dialogs::Answer;
Q_DECLARE_METATYPE(QList<Dialogs::Answer>)
Q_DECLARE_METATYPE(TapeOutput::Outcome)

namespace {

const QString Title = QStringLiteral(" Tabulora");

// A tape of numbered calculator lines, every one 26 characters and CR LF.
QString numberedTape(int lines, QChar symbol = QLatin1Char('+')) {
    QString tape;
    for (int i = 1; i <= lines; ++i)
        tape += QString::number(i).rightJustified(24, QLatin1Char(' ')) + QLatin1Char(' ') + symbol +
                QStringLiteral("\r\n");
    return tape;
}

// What a port receives for the first `count` printed lines of `tape`.
QByteArray portBytes(const QString& tape, int count) {
    QByteArray bytes;
    const QStringList lines = RollPrinter::lines(rollPrinterText(tape));
    for (int i = 0; i < count; ++i)
        bytes += lines.at(i).toLatin1() + "\r\n";
    return bytes;
}

QByteArray readAll(const QString& path) {
    if (path.isEmpty()) return {};
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The settings store as a map "Section/Key" -> value.
struct Settings {
    QHash<QString, QString> values;
    void attach(Environment& env) {
        env.readSetting = [this](const QString& section, const QString& key, const QString& fallback) {
            return values.value(section + QLatin1Char('/') + key, fallback);
        };
        env.writeSetting = [this](const QString& section, const QString& key, const QString& value) {
            values.insert(section + QLatin1Char('/') + key, value);
        };
    }
};

// Sets an environment variable for as long as it lives.
class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const QString& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, QFile::encodeName(value));
    }
    ~EnvironmentVariable() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

  private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

struct Rig {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakePrinter printer;
    Settings settings;
    Environment env;
    int opens = 0;
    int sounds = 0;
    Rig() {
        env.dialogs = &dialogs;
        env.printer = &printer;
        env.windowTitle = Title;
        env.keySound = [this] { ++sounds; };
        env.openPort = [this](const QString& device) {
            ++opens;
            return RollPrinter::openDevice(device);
        };
        settings.attach(env);
    }
    // Sends a port to a file of the temporary folder, as the "Portas" section allows.
    QString routePort(const QString& port) {
        const QString path = dir.filePath(port + QStringLiteral(".out"));
        settings.values.insert(QStringLiteral("Portas/") + port, path);
        return path;
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& s : dialogs.shown)
            texts << s.text;
        return texts;
    }
};

} // namespace

class TestTapeOutput : public QObject {
    Q_OBJECT

  private slots:
    void init() { setCurrentLanguage(Language::Portuguese); }

    // --- save in a text file -----------------------------------------------------------------------

    void savedFileGivesTheTapeBack_data() {
        QTest::addColumn<QString>("tape");
        QTest::newRow("empty tape") << QString();
        QTest::newRow("calculation") << numberedTape(3);
        QTest::newRow("multiplication, division and accents")
            << QStringLiteral("                   10,00 ×\r\n                    4,00 ÷\r\n Média\r\n");
        QTest::newRow("last line without CR LF") << QStringLiteral("edited by hand");
    }
    void savedFileGivesTheTapeBack() {
        QFETCH(QString, tape);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fita.txt"));
        QVERIFY(saveTapeFile(path, tape));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes, tape.toUtf8() + "\r\n");
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(QString::fromUtf8(bytes).chopped(2), tape);
    }

    void saveDialog_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::newRow("Portuguese") << int(Language::Portuguese) << "Salvar em Arquivo"
                                    << "Documento Texto (*.txt)";
        QTest::newRow("English") << int(Language::English) << "Save in File"
                                 << "Text Document (*.txt)";
        QTest::newRow("Spanish keeps the Portuguese filter") << int(Language::Spanish) << "Salvar en Archivo"
                                                             << "Documento Texto (*.txt)";
    }
    void saveDialog() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        setCurrentLanguage(language);
        Rig rig;
        rig.settings.values.insert(QStringLiteral("Conf/UltimoArq"), QStringLiteral("/srv/fitas/maio.txt"));
        rig.settings.values.insert(QStringLiteral("Conf/UltimoPath"), QStringLiteral("/srv/fitas"));
        QCOMPARE(saveTape(rig.env, numberedTape(2)), Outcome::Cancelled);
        QCOMPARE(rig.dialogs.saveRequests.size(), 1);
        const auto& asked = rig.dialogs.saveRequests.constFirst();
        QCOMPARE(asked.title, title);
        QCOMPARE(asked.filter, filter);
        QCOMPARE(asked.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(asked.fileName, QStringLiteral("/srv/fitas/maio.txt"));
        QCOMPARE(asked.directory, QStringLiteral("/srv/fitas"));
        QCOMPARE(rig.sounds, 1);
    }

    // Before the first save the dialog proposes "Tabulora.txt" in the documents folder, or in the
    // home folder of a person who has none.
    void firstSaveStartsInDocuments() {
        QTemporaryDir home;
        const EnvironmentVariable homeVariable("HOME", home.path());
        const EnvironmentVariable config("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")));
        auto asked = [] {
            Rig rig;
            saveTape(rig.env, QString());
            return std::pair(rig.dialogs.saveRequests.value(0).directory,
                             rig.dialogs.saveRequests.value(0).fileName);
        };
        QCOMPARE(asked(), std::pair(home.path(), QStringLiteral("Tabulora.txt")));
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        QCOMPARE(asked(),
                 std::pair(home.filePath(QStringLiteral("Documents")), QStringLiteral("Tabulora.txt")));
    }

    void saveCommand_data() {
        QTest::addColumn<QString>("answer"); // relative to the temporary folder; "" cancels
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<bool>("settingsFollow");
        QTest::newRow("saved") << "contas.txt" << Outcome::Done << true;
        QTest::newRow("cancelled") << "" << Outcome::Cancelled << false;
        QTest::newRow("folder gone") << "missing/contas.txt" << Outcome::Failed << true;
    }
    void saveCommand() {
        QFETCH(QString, answer);
        QFETCH(Outcome, outcome);
        QFETCH(bool, settingsFollow);
        Rig rig;
        const QString tape = numberedTape(4, TapeLine::Times);
        const QString path = answer.isEmpty() ? QString() : rig.dir.filePath(answer);
        rig.dialogs.savePaths << path;
        QCOMPARE(saveTape(rig.env, tape), outcome);
        QCOMPARE(readAll(path), outcome == Outcome::Done ? savedTapeBytes(tape) : QByteArray());
        QCOMPARE(rig.settings.values.value(QStringLiteral("Conf/UltimoArq")),
                 settingsFollow ? path : QString());
        QCOMPARE(rig.settings.values.value(QStringLiteral("Conf/UltimoPath")),
                 settingsFollow ? QFileInfo(path).absolutePath() : QString());
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    // --- system printer ----------------------------------------------------------------------------

    void printCommand_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("works");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("message");
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::newRow("small") << 0 << true << 8 << 16 << Dialogs::Icon::Information;
        QTest::newRow("medium") << 1 << true << 10 << 16 << Dialogs::Icon::Information;
        QTest::newRow("large") << 2 << true << 12 << 16 << Dialogs::Icon::Information;
        QTest::newRow("printer missing") << 1 << false << 0 << 17 << Dialogs::Icon::Critical;
    }
    void printCommand() {
        QFETCH(int, index);
        QFETCH(bool, works);
        QFETCH(int, pointSize);
        QFETCH(int, message);
        QFETCH(Dialogs::Icon, icon);
        Rig rig;
        rig.printer.works = works;
        const QString tape = numberedTape(2, TapeLine::Divide);
        QCOMPARE(printTape(rig.env, tape, index), works ? Outcome::Done : Outcome::Failed);
        QCOMPARE(rig.printer.jobs.size(), works ? 1 : 0);
        if (works) {
            const auto& job = rig.printer.jobs.constFirst();
            QCOMPARE(job.text, tape + QStringLiteral("\r\n")); // the symbols stay on paper
            QCOMPARE(job.fontFamily, QStringLiteral("Courier New"));
            QCOMPARE(job.pointSize, pointSize);
        }
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.constFirst().text, fMensagem(message));
        QCOMPARE(rig.dialogs.shown.constFirst().icon, icon);
        QCOMPARE(rig.dialogs.shown.constFirst().title, Title);
    }

    void noPrinterAtAll() {
        Rig rig;
        rig.env.printer = nullptr;
        QCOMPARE(printTape(rig.env, numberedTape(1), 0), Outcome::Failed);
        QCOMPARE(rig.messageTexts(), QStringList{fMensagem(17)});
    }

    // --- roll printer ------------------------------------------------------------------------------

    void rollText_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty tape feeds one line") << ""
                                                   << "\r\n";
        QTest::newRow("multiplication") << "                   10,00 ×\r\n"
                                        << "                   10,00 *\r\n\r\n";
        QTest::newRow("division") << "     4 ÷\r\n     2 =\r\n"
                                  << "     4 /\r\n     2 =\r\n\r\n";
        QTest::newRow("other symbols kept") << " Média + - % T E ="
                                            << " Média + - % T E =\r\n";
    }
    void rollText() {
        QFETCH(QString, tape);
        QFETCH(QString, expected);
        QCOMPARE(rollPrinterText(tape), expected);
    }

    void ports_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("port"); // "" = refused
        QTest::addColumn<QString>("device");
        QTest::newRow("LPT1") << "LPT1"
                              << "LPT1"
                              << "/dev/lp0";
        QTest::newRow("lpt2 in small letters") << "lpt2"
                                               << "LPT2"
                                               << "/dev/lp1";
        QTest::newRow("COM1") << "COM1"
                              << "COM1"
                              << "/dev/ttyS0";
        QTest::newRow("Com2 mixed") << "Com2"
                                    << "COM2"
                                    << "/dev/ttyS1";
        QTest::newRow("COM3") << "COM3"
                              << "COM3"
                              << "/dev/ttyS2";
        QTest::newRow("COM4 with blanks") << " com4 "
                                          << "COM4"
                                          << "/dev/ttyS3";
        QTest::newRow("LPT3") << "LPT3"
                              << ""
                              << "";
        QTest::newRow("COM5") << "COM5"
                              << ""
                              << "";
        QTest::newRow("empty answer") << ""
                                      << ""
                                      << "";
        QTest::newRow("device path") << "/dev/lp0"
                                     << ""
                                     << "";
    }
    void ports() {
        QFETCH(QString, answer);
        QFETCH(QString, port);
        QFETCH(QString, device);
        const auto normal = normalizePort(answer);
        QCOMPARE(normal.value_or(QString()), port);
        if (!normal) return;
        QCOMPARE(portDevice(*normal), device);
        QCOMPARE(portDevice(*normal, [](const QString&) { return QString(); }), device);
        QCOMPARE(portDevice(*normal, [](const QString& p) { return QStringLiteral("/dev/usb/") + p; }),
                 QStringLiteral("/dev/usb/") + port);
    }

    void portQuestion_data() {
        QTest::addColumn<QString>("stored"); // "" = never set
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("defaultShown");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("first time offers LPT1") << ""
                                                << "LPT1"
                                                << "LPT1"
                                                << "LPT1" << Outcome::Done;
        QTest::newRow("small letters saved in capitals") << "COM1"
                                                         << "lpt2"
                                                         << "COM1"
                                                         << "LPT2" << Outcome::Done;
        QTest::newRow("unknown port refused") << "COM1"
                                              << "LPT3"
                                              << "COM1"
                                              << "COM1" << Outcome::Refused;
        QTest::newRow("cancelled input box") << "LPT2"
                                             << ""
                                             << "LPT2"
                                             << "LPT2" << Outcome::Refused;
    }
    void portQuestion() {
        QFETCH(QString, stored);
        QFETCH(QString, answer);
        QFETCH(QString, defaultShown);
        QFETCH(QString, storedAfter);
        QFETCH(Outcome, outcome);
        Rig rig;
        if (!stored.isEmpty()) rig.settings.values.insert(QStringLiteral("Conf/Porta"), stored);
        const QString out = rig.routePort(storedAfter);
        rig.dialogs.inputs << answer;
        const QString tape = numberedTape(3, TapeLine::Times);
        QCOMPARE(printOnRoll(rig.env, tape), outcome);

        QCOMPARE(rig.dialogs.inputDefaults, QStringList{defaultShown});
        QCOMPARE(rig.dialogs.shown.constFirst().text, fMensagem(176));
        QCOMPARE(rig.settings.values.value(QStringLiteral("Conf/Porta"), QString()),
                 outcome == Outcome::Done || !stored.isEmpty() ? storedAfter : QString());
        const auto& last = rig.dialogs.shown.constLast();
        if (outcome == Outcome::Done) {
            QCOMPARE(readAll(out), portBytes(tape, 4));
            QCOMPARE(last.text, fMensagem(16));
            QCOMPARE(last.icon, Dialogs::Icon::Information);
        } else {
            QVERIFY(!QFile::exists(out));
            QCOMPARE(rig.opens, 0);
            QCOMPARE(last.text, fMensagem(30));
            QCOMPARE(last.icon, Dialogs::Icon::Critical);
        }
        QCOMPARE(rig.sounds, 1);
    }

    // A serial printer gets 25 lines at a time; between blocks the port is closed and the user
    // decides whether to go on. A parallel printer never waits.
    void pausesBetweenBlocks_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("tapeLines"); // the port gets one line more: the final CR LF
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QList<int>>("linesAtPauses");
        QTest::addColumn<int>("printed");
        QTest::addColumn<Outcome>("outcome");
        QTest::newRow("COM1, two pauses, both OK") << "COM1" << 59 << QList<Answer>{Answer::Ok, Answer::Ok}
                                                   << QList<int>{25, 50} << 60 << Outcome::Done;
        QTest::newRow("COM2, cancel at the first pause")
            << "COM2" << 59 << QList<Answer>{Answer::Cancel} << QList<int>{25} << 25 << Outcome::Cancelled;
        QTest::newRow("COM3, OK then cancel") << "COM3" << 59 << QList<Answer>{Answer::Ok, Answer::Cancel}
                                              << QList<int>{25, 50} << 50 << Outcome::Cancelled;
        QTest::newRow("COM4, exactly 25 lines need no pause")
            << "COM4" << 24 << QList<Answer>{} << QList<int>{} << 25 << Outcome::Done;
        QTest::newRow("COM1, 26 lines pause once")
            << "COM1" << 25 << QList<Answer>{Answer::Ok} << QList<int>{25} << 26 << Outcome::Done;
        QTest::newRow("LPT1 never pauses")
            << "LPT1" << 79 << QList<Answer>{} << QList<int>{} << 80 << Outcome::Done;
        QTest::newRow("LPT2 never pauses")
            << "LPT2" << 30 << QList<Answer>{} << QList<int>{} << 31 << Outcome::Done;
    }
    void pausesBetweenBlocks() {
        QFETCH(QString, port);
        QFETCH(int, tapeLines);
        QFETCH(QList<Answer>, answers);
        QFETCH(QList<int>, linesAtPauses);
        QFETCH(int, printed);
        QFETCH(Outcome, outcome);
        Rig rig;
        const QString out = rig.routePort(port);
        const QString tape = numberedTape(tapeLines, TapeLine::Times);
        rig.dialogs.inputs << port;
        rig.dialogs.answers = answers;
        const QString pause = pauseText(Language::Portuguese);
        QList<int> seen;
        rig.dialogs.onMessage = [&](const FakeDialogs::Shown& shown) {
            if (shown.text != pause) return;
            QCOMPARE(shown.buttons, Dialogs::Buttons::OkCancel);
            QCOMPARE(shown.title, Title);
            seen << int(readAll(out).count("\r\n"));
        };
        QCOMPARE(printOnRoll(rig.env, tape), outcome);
        QCOMPARE(seen, linesAtPauses);
        QCOMPARE(readAll(out), portBytes(tape, printed));
        // Opened once, and again after every OK.
        QCOMPARE(rig.opens, 1 + int(std::count(answers.begin(), answers.end(), Answer::Ok)));
        QCOMPARE(rig.messageTexts().contains(fMensagem(16)), outcome == Outcome::Done);
    }

    void pauseQuestionLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        const QString pt =
            QStringLiteral("Aguarde o término da impressão e então pressione OK para continuar...");
        const QString en = QStringLiteral("Await the end of the print and then press OK to continue...");
        QTest::newRow("Portuguese") << int(Language::Portuguese) << pt;
        QTest::newRow("English") << int(Language::English) << en;
        QTest::newRow("Spanish gets English") << int(Language::Spanish) << en;
        QTest::newRow("French gets English") << int(Language::French) << en;
    }
    void pauseQuestionLanguage() {
        QFETCH(int, language);
        QFETCH(QString, text);
        setCurrentLanguage(language);
        Rig rig;
        rig.routePort(QStringLiteral("COM1"));
        rig.dialogs.inputs << QStringLiteral("COM1");
        rig.dialogs.answers << Answer::Cancel;
        printOnRoll(rig.env, numberedTape(30));
        QCOMPARE(rig.dialogs.shown.value(1).text, text);
    }

    // The roll printer speaks ISO-8859-1: accents are one byte each, what it cannot show is "?".
    void latin1AtThePort() {
        Rig rig;
        const QString out = rig.routePort(QStringLiteral("LPT1"));
        rig.dialogs.inputs << QStringLiteral("LPT1");
        QCOMPARE(printOnRoll(rig.env, QStringLiteral(" Média ÷ 2 € \r\n")), Outcome::Done);
        QCOMPARE(readAll(out), QByteArray(" M\xE9"
                                          "dia / 2 ? \r\n\r\n"));
    }

    void portThatCannotBeOpened() {
        Rig rig;
        rig.settings.values.insert(QStringLiteral("Portas/LPT1"),
                                   rig.dir.filePath(QStringLiteral("no/such/port")));
        rig.dialogs.inputs << QStringLiteral("LPT1");
        QCOMPARE(printOnRoll(rig.env, numberedTape(3)), Outcome::Failed);
        QCOMPARE(rig.dialogs.shown.constLast().text, fMensagem(17));
        QCOMPARE(rig.dialogs.shown.constLast().icon, Dialogs::Icon::Critical);
        QCOMPARE(rig.settings.values.value(QStringLiteral("Conf/Porta")), QStringLiteral("LPT1"));
    }

    // A pseudo-terminal plays the serial line: what the printer would receive is read at the
    // other end, block after block.
    void serialLineThroughAPty() {
        int master = -1, slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) QSKIP("no pseudo-terminals here");
        termios raw{};
        tcgetattr(slave, &raw);
        cfmakeraw(&raw); // no LF -> CR LF translation: the bytes arrive as sent
        tcsetattr(slave, TCSANOW, &raw);
        fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        auto drain = [master] {
            QByteArray got;
            char buffer[4096];
            for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
                got.append(buffer, n);
            return got;
        };

        Rig rig;
        rig.settings.values.insert(QStringLiteral("Portas/COM2"), QString::fromLocal8Bit(name));
        rig.dialogs.inputs << QStringLiteral("com2");
        rig.dialogs.answers << Answer::Ok;
        const QString tape = numberedTape(30, TapeLine::Divide);
        QByteArray atPause;
        rig.dialogs.onMessage = [&](const FakeDialogs::Shown& shown) {
            if (shown.buttons == Dialogs::Buttons::OkCancel) atPause = drain();
        };
        QCOMPARE(printOnRoll(rig.env, tape), Outcome::Done);
        const QByteArray rest = drain();
        ::close(slave);
        ::close(master);
        QCOMPARE(atPause, portBytes(tape, 25));
        QCOMPARE(atPause + rest, portBytes(tape, 31));
        QVERIFY(rest.contains("                      26 /\r\n"));
    }

    // --- clipboard ---------------------------------------------------------------------------------

    void copyDisplay_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("timeMode");
        QTest::newRow("number being typed") << "1234,5" << false;
        QTest::newRow("total") << "10+5=" << false;
        QTest::newRow("time display") << "1,5" << true;
    }
    void copyDisplay() {
        QFETCH(QString, keys);
        QFETCH(bool, timeMode);
        QTemporaryDir dir;
        FakeClipboard clipboard;
        FakeDialogs dialogs;
        EngineEnvironment env;
        env.clipboard = &clipboard;
        env.dialogs = &dialogs;
        env.dataDir = dir.path() + QLatin1Char('/');
        Engine engine(env);
        engine.chooseFormat(0);
        engine.setTimeMode(timeMode);
        KeyScript::play(engine, keys);
        clipboard.setText(QStringLiteral("something else"));
        TapeOutput::copyDisplay(engine, clipboard);
        const QString shown = timeMode ? engine.timeDisplay() : engine.display();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(clipboard.text(), shown);
        QCOMPARE(engine.lastClipboardText(), shown);
    }

    void pastedEntry_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("entry"); // "" = not a number, nothing happens
        QTest::newRow("plain") << "125"
                               << "125";
        QTest::newRow("decimals") << "12,50"
                                  << "12,50";
        QTest::newRow("grouped thousands") << "1.234.567,89"
                                           << "1234567,89";
        QTest::newRow("negative") << "-3,5"
                                  << "-3,5";
        QTest::newRow("blanks and line end around") << "  42\r\n"
                                                    << "42";
        QTest::newRow("words") << "total"
                               << "";
        QTest::newRow("currency sign") << "R$ 10,00"
                                       << "";
        QTest::newRow("two decimal separators") << "1,2,3"
                                                << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only a sign") << "-"
                                     << "";
    }
    void pastedEntry() {
        QFETCH(QString, clipboard);
        QFETCH(QString, entry);
        QCOMPARE(TapeOutput::pastedEntry(clipboard, Separators{}).value_or(QString()), entry);
    }
};

QTEST_GUILESS_MAIN(TestTapeOutput)
#include "tst_tapeoutput.moc"
