// The tape leaving the calculator: the saved file, the printer job, and the roll printer's bytes at
// the port (a temporary file, or a pseudo-terminal standing in for a serial line).

#include "core/tape.h"
#include "core/tapeoutput.h"
#include "shell/messagecatalog.h"
#include "support/fakedialogs.h"
#include "support/fakeprinter.h"

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
Q_DECLARE_METATYPE(TapeOutput::Outcome)

namespace {

// Numbered calculator lines, 26 characters and CR LF each.
QString numberedTape(int lines, QChar symbol = TapeLine::Times) {
    QString tape;
    for (int i = 1; i <= lines; ++i)
        tape += QString::number(i).rightJustified(24, QLatin1Char(' ')) + QLatin1Char(' ') + symbol +
                TapeLine::CrLf;
    return tape;
}

// What a port receives for the first `count` printed lines of `tape`.
QByteArray portBytes(const QString& tape, int count) {
    QByteArray bytes;
    for (const QString& line : RollPrinter::lines(rollPrinterText(tape)).mid(0, count))
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return !path.isEmpty() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Rig {
    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakePrinter printer;
    QHash<QString, QString> settings; // "Section/Key"
    Environment env;
    int opens = 0;
    Rig() {
        env.dialogs = &dialogs;
        env.printer = &printer;
        env.readSetting = [this](const QString& section, const QString& key, const QString& fallback) {
            return settings.value(section + QLatin1Char('/') + key, fallback);
        };
        env.writeSetting = [this](const QString& section, const QString& key, const QString& value) {
            settings.insert(section + QLatin1Char('/') + key, value);
        };
        env.openPort = [this](const QString& device) {
            ++opens;
            return RollPrinter::openDevice(device);
        };
    }
    // Sends a port to a file of the temporary folder, as the section "Portas" allows.
    QString routePort(const QString& port) {
        return settings[QStringLiteral("Portas/") + port] = dir.filePath(port + QStringLiteral(".out"));
    }
    QString lastMessage() const {
        return dialogs.shown.isEmpty() ? QString() : dialogs.shown.constLast().text;
    }
};

} // namespace

class TestTapeOutput : public QObject {
    Q_OBJECT

  private slots:
    void init() { setCurrentLanguage(Language::Portuguese); }

    void saveCommand_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("answer"); // in the temporary folder; "" cancels
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("filter");
        QTest::newRow("saved") << 1 << "contas.txt" << Outcome::Done << "Documento Texto (*.txt)";
        QTest::newRow("English") << 2 << "accounts.txt" << Outcome::Done << "Text Document (*.txt)";
        QTest::newRow("Spanish filter") << 3 << "cuentas.txt" << Outcome::Done << "Documento Texto (*.txt)";
        QTest::newRow("cancelled") << 1 << "" << Outcome::Cancelled << "Documento Texto (*.txt)";
        QTest::newRow("folder gone") << 1 << "gone/contas.txt" << Outcome::Failed
                                     << "Documento Texto (*.txt)";
    }
    void saveCommand() {
        QFETCH(int, language);
        QFETCH(QString, answer);
        QFETCH(Outcome, outcome);
        QFETCH(QString, filter);
        setCurrentLanguage(language);
        Rig rig;
        rig.settings.insert(QStringLiteral("Conf/UltimoArq"), QStringLiteral("/srv/maio.txt"));
        rig.settings.insert(QStringLiteral("Conf/UltimoPath"), QStringLiteral("/srv"));
        const QString tape = numberedTape(3) + QStringLiteral(" Média ÷\r\n");
        const QString path = answer.isEmpty() ? answer : rig.dir.filePath(answer);
        rig.dialogs.savePaths << path;
        QCOMPARE(saveTape(rig.env, tape), outcome);

        const auto& asked = rig.dialogs.saveRequests.value(0);
        QCOMPARE(asked.title, MessageCatalog::message(208, language));
        QCOMPARE(asked.filter, filter);
        QCOMPARE(asked.defaultSuffix + asked.fileName + asked.directory,
                 QStringLiteral("txt/srv/maio.txt/srv"));
        // The file gives the tape back exactly, plus a CR LF.
        QCOMPARE(QString::fromUtf8(readAll(path)),
                 outcome == Outcome::Done ? tape + TapeLine::CrLf : QString());
        // The settings follow any path that passed the dialog, written or not.
        const bool follow = outcome != Outcome::Cancelled;
        QCOMPARE(rig.settings.value(QStringLiteral("Conf/UltimoArq")),
                 follow ? path : QStringLiteral("/srv/maio.txt"));
        QCOMPARE(rig.settings.value(QStringLiteral("Conf/UltimoPath")),
                 follow ? QFileInfo(path).path() : QStringLiteral("/srv"));
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void printCommand_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("works");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("message");
        QTest::newRow("small") << 0 << true << 8 << 16;
        QTest::newRow("medium") << 1 << true << 10 << 16;
        QTest::newRow("large") << 2 << true << 12 << 16;
        QTest::newRow("printer not responding") << 1 << false << 0 << 17;
    }
    void printCommand() {
        QFETCH(int, index);
        QFETCH(bool, works);
        QFETCH(int, pointSize);
        QFETCH(int, message);
        Rig rig;
        rig.printer.works = works;
        const QString tape = numberedTape(2, TapeLine::Divide);
        QCOMPARE(printTape(rig.env, tape, index), works ? Outcome::Done : Outcome::Failed);
        QCOMPARE(rig.lastMessage(), fMensagem(message));
        QCOMPARE(rig.printer.jobs.size(), works ? 1 : 0);
        if (!works) return;
        QCOMPARE(rig.printer.jobs[0].text, tape + TapeLine::CrLf); // the symbols stay on paper
        QCOMPARE(rig.printer.jobs[0].fontFamily, QStringLiteral("Courier New"));
        QCOMPARE(rig.printer.jobs[0].pointSize, pointSize);
    }

    void rollText_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty tape feeds one line") << ""
                                                   << "\r\n";
        QTest::newRow("times and divide") << "     10 ×\r\n     4 ÷\r\n"
                                          << "     10 *\r\n     4 /\r\n\r\n";
        QTest::newRow("other symbols kept") << " Média + - % T E ="
                                            << " Média + - % T E =\r\n";
    }
    void rollText() {
        QFETCH(QString, tape);
        QFETCH(QString, expected);
        QCOMPARE(rollPrinterText(tape), expected);
    }

    void portTable_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("device"); // "" = refused
        QTest::newRow("LPT1") << "LPT1"
                              << "/dev/lp0";
        QTest::newRow("lpt2") << "lpt2"
                              << "/dev/lp1";
        QTest::newRow("COM1") << "COM1"
                              << "/dev/ttyS0";
        QTest::newRow("Com2") << "Com2"
                              << "/dev/ttyS1";
        QTest::newRow("COM3") << "COM3"
                              << "/dev/ttyS2";
        QTest::newRow("COM4") << " com4 "
                              << "/dev/ttyS3";
        QTest::newRow("LPT3") << "LPT3"
                              << "";
        QTest::newRow("COM5") << "COM5"
                              << "";
        QTest::newRow("a device") << "/dev/lp0"
                                  << "";
    }
    void portTable() {
        QFETCH(QString, answer);
        QFETCH(QString, device);
        const auto port = normalizePort(answer);
        QCOMPARE(bool(port), !device.isEmpty());
        if (!port) return;
        QCOMPARE(*port, answer.trimmed().toUpper());
        QCOMPARE(portDevice(*port), device);
    }

    void portQuestion_data() {
        QTest::addColumn<QString>("stored"); // "" = never set
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("message");
        QTest::newRow("first time offers LPT1") << ""
                                                << "LPT1"
                                                << "LPT1"
                                                << "LPT1" << Outcome::Done << 16;
        QTest::newRow("saved in capitals") << "COM1"
                                           << "lpt2"
                                           << "COM1"
                                           << "LPT2" << Outcome::Done << 16;
        QTest::newRow("unknown port") << "COM1"
                                      << "LPT3"
                                      << "COM1"
                                      << "COM1" << Outcome::Refused << 30;
        QTest::newRow("cancelled") << "LPT2"
                                   << ""
                                   << "LPT2"
                                   << "LPT2" << Outcome::Refused << 30;
        QTest::newRow("port not there") << ""
                                        << "LPT2"
                                        << "LPT1"
                                        << "LPT2" << Outcome::Failed << 17;
    }
    void portQuestion() {
        QFETCH(QString, stored);
        QFETCH(QString, answer);
        QFETCH(QString, offered);
        QFETCH(QString, storedAfter);
        QFETCH(Outcome, outcome);
        QFETCH(int, message);
        Rig rig;
        if (!stored.isEmpty()) rig.settings.insert(QStringLiteral("Conf/Porta"), stored);
        const QString out = rig.routePort(storedAfter);
        if (outcome == Outcome::Failed)
            rig.settings[QStringLiteral("Portas/") + storedAfter] += QStringLiteral("/gone");
        rig.dialogs.inputs << answer;
        const QString tape = numberedTape(3);
        QCOMPARE(printOnRoll(rig.env, tape), outcome);
        QCOMPARE(rig.dialogs.inputDefaults, QStringList{offered});
        QCOMPARE(rig.dialogs.shown.value(0).text, fMensagem(176));
        QCOMPARE(rig.lastMessage(), fMensagem(message));
        QCOMPARE(rig.dialogs.shown.constLast().icon,
                 message == 16 ? Dialogs::Icon::Information : Dialogs::Icon::Critical);
        QCOMPARE(rig.settings.value(QStringLiteral("Conf/Porta")),
                 stored.isEmpty() && outcome == Outcome::Refused ? QString() : storedAfter);
        QCOMPARE(readAll(out), outcome == Outcome::Done ? portBytes(tape, 4) : QByteArray());
        QCOMPARE(rig.opens, outcome == Outcome::Refused ? 0 : 1);
    }

    // A serial printer gets 25 lines at a time; between blocks the port is closed and the user
    // decides whether to go on. A parallel printer never waits.
    void pausesBetweenBlocks_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("tapeLines"); // the port gets one line more: the final CR LF
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QList<int>>("linesAtPauses");
        QTest::addColumn<int>("printed");
        QTest::newRow("COM1, OK twice")
            << "COM1" << 59 << QList{Answer::Ok, Answer::Ok} << QList{25, 50} << 60;
        QTest::newRow("COM2, cancel") << "COM2" << 59 << QList{Answer::Cancel} << QList{25} << 25;
        QTest::newRow("COM3, OK, cancel")
            << "COM3" << 59 << QList{Answer::Ok, Answer::Cancel} << QList{25, 50} << 50;
        QTest::newRow("COM4, 25 lines") << "COM4" << 24 << QList<Answer>{} << QList<int>{} << 25;
        QTest::newRow("COM1, 26 lines") << "COM1" << 25 << QList{Answer::Ok} << QList{25} << 26;
        QTest::newRow("LPT1") << "LPT1" << 79 << QList<Answer>{} << QList<int>{} << 80;
        QTest::newRow("LPT2") << "LPT2" << 30 << QList<Answer>{} << QList<int>{} << 31;
    }
    void pausesBetweenBlocks() {
        QFETCH(QString, port);
        QFETCH(int, tapeLines);
        QFETCH(QList<Answer>, answers);
        QFETCH(QList<int>, linesAtPauses);
        QFETCH(int, printed);
        Rig rig;
        const QString out = rig.routePort(port);
        const QString tape = numberedTape(tapeLines);
        rig.dialogs.inputs << port;
        rig.dialogs.answers = answers;
        QList<int> seen;
        rig.dialogs.onMessage = [&](const FakeDialogs::Shown& shown) {
            if (shown.buttons != Dialogs::Buttons::OkCancel) return;
            QCOMPARE(shown.text,
                     QStringLiteral("Aguarde o término da impressão e então pressione OK para continuar..."));
            seen << int(readAll(out).count("\r\n"));
        };
        const bool cancelled = answers.contains(Answer::Cancel);
        QCOMPARE(printOnRoll(rig.env, tape), cancelled ? Outcome::Cancelled : Outcome::Done);
        QCOMPARE(seen, linesAtPauses);
        QCOMPARE(readAll(out), portBytes(tape, printed));
        QCOMPARE(rig.opens, 1 + int(answers.count(Answer::Ok))); // reopened after every OK
        QCOMPARE(rig.lastMessage() == fMensagem(16), !cancelled);
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

    // A pseudo-terminal plays the serial line: the printer's bytes are read at the other end.
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
        rig.settings.insert(QStringLiteral("Portas/COM2"), QString::fromLocal8Bit(name));
        rig.dialogs.inputs << QStringLiteral("com2");
        rig.dialogs.answers << Answer::Ok;
        QByteArray atPause;
        rig.dialogs.onMessage = [&](const FakeDialogs::Shown& s) {
            if (s.buttons == Dialogs::Buttons::OkCancel) atPause = drain();
        };
        const QString tape = numberedTape(30, TapeLine::Divide);
        QCOMPARE(printOnRoll(rig.env, tape), Outcome::Done);
        const QByteArray rest = drain();
        ::close(slave);
        ::close(master);
        QCOMPARE(atPause, portBytes(tape, 25));
        QCOMPARE(atPause + rest, portBytes(tape, 31));
    }

    void pastedEntry_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("entry"); // "" = not a number, nothing happens
        QTest::newRow("plain") << "125"
                               << "125";
        QTest::newRow("grouped, decimals kept") << "1.234.567,80"
                                                << "1234567,80";
        QTest::newRow("negative, blanks around") << "  -3,5\r\n"
                                                 << "-3,5";
        QTest::newRow("words") << "total"
                               << "";
        QTest::newRow("currency sign") << "R$ 10,00"
                                       << "";
        QTest::newRow("two decimal separators") << "1,2,3"
                                                << "";
        QTest::newRow("empty") << ""
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
