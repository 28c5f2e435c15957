// The tape leaving the calculator: the saved file, the printer job, and the roll printer's bytes at
// the port (a temporary file standing in for the device).

#include "core/tape.h"
#include "shell/tapeoutput.h"
#include "support/testcontext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace TapeOutput;

namespace {

// Calculator lines of 26 characters holding what a roll printer has no character for.
QString tape(int lines) {
    QString t;
    for (int i = 1; i <= lines; ++i)
        t += QStringLiteral(" Café €%1 %2\r\n").arg(i, 17).arg(i % 2 ? TapeLine::Times : TapeLine::Divide);
    return t;
}

// The first `count` lines a port receives for tape(lines): ISO-8859-1 with "?" for what it lacks,
// "*" and "/" for the operators, and one more empty line at the end.
QByteArray atPort(int lines, int count) {
    QByteArray bytes;
    for (int i = 1; i <= lines; ++i)
        bytes += " Caf\xE9 ?" + QByteArray::number(i).rightJustified(17, ' ') + (i % 2 ? " *\r\n" : " /\r\n");
    return (bytes + "\r\n").left(28 * qMax(count, 0));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return !path.isEmpty() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Rig : TestContext {
    Options options;
    FileNotices notices{&dialogs, &messages};
    QList<int> opens; // the lines a port held each time it was opened
    RollPrinter::OpenPort open = [this](const QString& device) {
        opens << int(readAll(device).count("\r\n"));
        return RollPrinter::openDevice(device);
    };
};

// The port question and the tape at the port: "Porta" before ("" = never set), the answer, the
// answer's own device ("" = not a port), the tape's lines and the lines at the port in the end (-1:
// the port is missing), the lines it held at each pause the user answered with OK (the next pause,
// if any, is cancelled), the outcome and the message that ends it (0: the pause that was cancelled).
struct RollCase {
    QString stored, answer, device;
    int lines, received;
    QList<int> resumed;
    Outcome outcome;
    int message;
};

} // namespace

Q_DECLARE_METATYPE(RollCase)

class TestTapeOutput : public QObject {
    Q_OBJECT

  private slots:
    // Cancelled, then a folder that is gone, then a folder where the file should be, then saved. A
    // file that cannot be written says so with the system's reason, every time, and the next dialog
    // still starts where the last good save was.
    void saveCommand() {
        Rig rig;
        rig.options.lastSavedFile = "/srv/maio.txt";
        rig.options.lastSavedFolder = "/srv";
        const QString gone = rig.dir.filePath("gone/contas.txt"), taken = rig.dir.filePath("taken.txt");
        const QString path = rig.dir.filePath("contas.txt");
        QVERIFY(QDir(rig.dir.path()).mkdir("taken.txt"));
        rig.dialogs.savePaths = {QString(), gone, taken, path};
        QCOMPARE(saveTape(rig.context, rig.notices, rig.options, tape(3)), Outcome::Cancelled);
        for (const QString& failing : {gone, taken}) {
            QCOMPARE(saveTape(rig.context, rig.notices, rig.options, tape(3)), Outcome::Failed);
            const auto& said = rig.dialogs.shown.constLast();
            QCOMPARE(said.icon, Dialogs::Icon::Critical);
            // Message 241 names the file, and the system's reason fills its second blank.
            QVERIFY2(said.text.contains(failing) && said.text.size() > rig.messages.text(241, failing).size(),
                     qPrintable(said.text));
        }
        QCOMPARE(rig.dialogs.shown.size(), 2);
        QCOMPARE(saveTape(rig.context, rig.notices, rig.options, tape(3)), Outcome::Done);
        QCOMPARE(readAll(path), (tape(3) + TapeLine::CrLf).toUtf8()); // the tape exactly, in UTF-8
        QCOMPARE(rig.dialogs.saveRequests.value(3).fileName, QStringLiteral("/srv/maio.txt"));
        QCOMPARE(rig.dialogs.saveRequests.value(3).directory, QStringLiteral("/srv"));
        QCOMPARE(rig.options.lastSavedFile, path);
        QCOMPARE(rig.options.lastSavedFolder, rig.dir.path());
    }

    void printCommand() {
        Rig rig;
        QCOMPARE(printTape(rig.context, tape(2), 2), Outcome::Done);
        QCOMPARE(rig.dialogs.shown.constLast().text, rig.messages.text(16));
        QCOMPARE(rig.printer.jobs.value(0).text, tape(2) + TapeLine::CrLf); // the symbols stay on paper
        rig.printer.works = false;
        QCOMPARE(printTape(rig.context, tape(2), 0), Outcome::Failed);
        QCOMPARE(rig.dialogs.shown.constLast().text, rig.messages.text(17));
    }

    // A serial printer gets 25 lines at a time: between blocks the port is closed and the user decides
    // whether to go on. A parallel one never waits.
    void rollPrinter_data() {
        QTest::addColumn<RollCase>("c");
        using enum Outcome;
        QTest::newRow("empty tape") << RollCase{"COM1", " lpt2 ", "/dev/lp1", 0, 1, {}, Done, 16};
        QTest::newRow("unknown port") << RollCase{"COM1", "LPT3", "", 3, 0, {}, Refused, 30};
        QTest::newRow("port missing") << RollCase{"", "LPT2", "/dev/lp1", 3, -1, {}, Failed, 17};
        QTest::newRow("OK twice") << RollCase{"", "COM1", "/dev/ttyS0", 59, 60, {25, 50}, Done, 16};
        QTest::newRow("OK, cancel") << RollCase{"", "com2", "/dev/ttyS1", 59, 50, {25}, Cancelled, 0};
        QTest::newRow("25 lines") << RollCase{"", "COM4", "/dev/ttyS3", 24, 25, {}, Done, 16};
        QTest::newRow("26 lines") << RollCase{"", "Com3", "/dev/ttyS2", 25, 26, {25}, Done, 16};
        QTest::newRow("LPT never waits") << RollCase{"LPT2", "LPT1", "/dev/lp0", 79, 80, {}, Done, 16};
    }
    void rollPrinter() {
        QFETCH(RollCase, c);
        const auto port = normalizePort(c.answer);
        QCOMPARE(port ? portDevice(*port) : QString(), c.device);
        Rig rig;
        if (!c.stored.isEmpty()) rig.options.rollPrinterPort = c.stored;
        const QString out = rig.dir.filePath(QLatin1String(c.received < 0 ? "gone/port" : "port"));
        const auto deviceOf = [&](const QString& name) { return port && name == *port ? out : QString(); };
        rig.dialogs.inputs << c.answer;
        rig.dialogs.answers = QList<Dialogs::Answer>(c.resumed.size(), Dialogs::Answer::Ok); // then no OK
        QCOMPARE(printOnRoll(rig.context, rig.options, tape(c.lines), deviceOf, rig.open), c.outcome);
        QCOMPARE(rig.dialogs.inputDefaults.value(0), c.stored.isEmpty() ? QStringLiteral("LPT1") : c.stored);
        QCOMPARE(rig.dialogs.shown.constLast().text,
                 c.message ? rig.messages.text(c.message) : pauseText(rig.messages.language()));
        QCOMPARE(rig.options.rollPrinterPort, port ? *port : c.stored.isEmpty() ? QStringLiteral("LPT1") : c.stored);
        QCOMPARE(readAll(out), atPort(c.lines, c.received));
        QCOMPARE(rig.opens, port ? QList<int>{0} + c.resumed : QList<int>{}); // reopened after each OK
    }

    // The entry keeps its decimal separator and drops the groups.
    void paste() {
        QCOMPARE(pastedEntry(QStringLiteral(" -1.234,5\r\n"), {}), std::optional(QStringLiteral("-1234,5")));
    }
};

QTEST_GUILESS_MAIN(TestTapeOutput)
#include "tst_tapeoutput.moc"
