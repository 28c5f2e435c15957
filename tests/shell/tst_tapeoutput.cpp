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

// Calculator lines of 26 characters holding a euro sign and the operators, which roll printers do
// not have: at the port they are "?", "*" and "/", in ISO-8859-1.
static QString tape(int lines, const QString& marks = "€×÷") {
    QString t;
    for (int i = 1; i <= lines; ++i)
        t += QString(" Café %1%2 %3\r\n").arg(marks[0]).arg(i, 17).arg(marks[2 - i % 2]);
    return t;
}

struct Rig : TestContext {
    static QByteArray readAll(QFile&& f) { return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }
    Options options;
    FileNotices notices{&dialogs, &messages};
    QList<int> opens; // the lines a port held each time it was opened
    RollPrinter::OpenPort open = [this](const QString& device) {
        return opens << int(readAll(QFile(device)).count("\r\n")), RollPrinter::openDevice(device);
    };
};

// The port question and the tape at the port: the port kept before (offered as the answer), the
// answer and its device ("" = no port), the tape's lines, the lines at the port in the end (-1: the
// port is missing) and the message that ends the command (0: the pause that was cancelled), the lines
// the port held at each pause the user answered with OK (the next pause, if any, is cancelled), and
// the outcome.
struct RollCase {
    QString stored, answer, device;
    int lines, received, message;
    QList<int> resumed;
    Outcome outcome;
};

Q_DECLARE_METATYPE(RollCase)

class TestTapeOutput : public QObject {
    Q_OBJECT

  private slots:
    // Saving: cancelled, then a folder that is gone, then a folder where the file should be, then
    // saved. A file that cannot be written is told with the system's reason, every time, and the next
    // dialog still starts where the last good save was. Printing: the tape with its symbols, or a
    // printer that fails told. Pasting: the entry keeps its decimal separator and drops the groups.
    void saveAndPrint() {
        Rig rig;
        rig.options.lastSavedFile = "/s/m", rig.options.lastSavedFolder = "/s";
        const QString gone = rig.dir.filePath("gone/a"), taken = rig.dir.path(), path = rig.dir.filePath("a");
        rig.dialogs.savePaths = {QString(), gone, taken, path};
        QCOMPARE(saveTape(rig.context, rig.notices, rig.options, tape(3)), Outcome::Cancelled);
        for (const QString& failing : {gone, taken}) {
            QCOMPARE(saveTape(rig.context, rig.notices, rig.options, tape(3)), Outcome::Failed);
            const auto& said = rig.dialogs.shown.constLast(); // 241 with the file and the system's reason
            QVERIFY(said.icon == Dialogs::Icon::Critical && said.text.contains(failing) &&
                    said.text.size() > rig.messages.text(241, failing).size());
        }
        QCOMPARE(saveTape(rig.context, rig.notices, rig.options, tape(3)), Outcome::Done);
        QCOMPARE(rig.readAll(QFile(path)), (tape(3) + TapeLine::CrLf).toUtf8()); // the tape exactly, in UTF-8
        QCOMPARE(rig.dialogs.saveRequests.value(3).section('|', 1), "/s|/s/m|Documento Texto (*.txt)|txt");
        QCOMPARE(rig.options.lastSavedFile + ' ' + rig.options.lastSavedFolder, path + ' ' + rig.dir.path());
        QCOMPARE(printTape(rig.context, tape(2), 2), Outcome::Done);
        QCOMPARE(rig.printer.jobs.value(0).text, tape(2) + TapeLine::CrLf);
        rig.printer.works = false;
        QCOMPARE(printTape(rig.context, tape(2), 0), Outcome::Failed);
        QCOMPARE(rig.dialogs.shown.value(2).text + rig.dialogs.shown.value(3).text,
                 rig.messages.text(16) + rig.messages.text(17));
        QCOMPARE(pastedEntry(" -1.234,5\r\n", {}), std::optional<QString>("-1234,5"));
    }

    // A serial printer gets 25 lines at a time: between blocks the port is closed and the user decides
    // whether to go on. A parallel one never waits.
    void rollPrinter_data() {
        QTest::addColumn<RollCase>("c");
        using enum Outcome;
        QTest::newRow("empty tape") << RollCase{"COM1", " lpt2 ", "/dev/lp1", 0, 1, 16, {}, Done};
        QTest::newRow("unknown port") << RollCase{"COM1", "LPT3", "", 3, 0, 30, {}, Refused};
        QTest::newRow("port missing") << RollCase{"LPT1", "LPT2", "/dev/lp1", 3, -1, 17, {}, Failed};
        QTest::newRow("OK twice") << RollCase{"LPT1", "COM1", "/dev/ttyS0", 59, 60, 16, {25, 50}, Done};
        QTest::newRow("OK, cancel") << RollCase{"LPT1", "com2", "/dev/ttyS1", 59, 50, 0, {25}, Cancelled};
        QTest::newRow("25 lines") << RollCase{"LPT1", "COM4", "/dev/ttyS3", 24, 25, 16, {}, Done};
        QTest::newRow("26 lines") << RollCase{"LPT1", "Com3", "/dev/ttyS2", 25, 26, 16, {25}, Done};
        QTest::newRow("LPT never waits") << RollCase{"LPT2", "LPT1", "/dev/lp0", 79, 80, 16, {}, Done};
    }
    void rollPrinter() {
        QFETCH(RollCase, c);
        Rig rig;
        const QString out = rig.dir.filePath(QLatin1String(c.received < 0 ? "gone/port" : "port"));
        const auto port = normalizePort(c.answer);
        rig.options.rollPrinterPort = c.stored, rig.dialogs.inputs = {c.answer};
        rig.dialogs.answers.fill(Dialogs::Answer::Ok, c.resumed.size()); // then no OK
        const auto deviceOf = [&](const QString& name) { return name == port ? out : QString(); };
        QCOMPARE(printOnRoll(rig.context, rig.options, tape(c.lines), deviceOf, rig.open), c.outcome);
        QCOMPARE(port ? portDevice(*port) : QString(), c.device);
        QCOMPARE(rig.dialogs.inputDefaults.value(0) + ' ' + rig.options.rollPrinterPort,
                 c.stored + ' ' + port.value_or(c.stored));
        QCOMPARE(rig.dialogs.shown.constLast().text, c.message ? rig.messages.text(c.message) : pauseText(1));
        QCOMPARE(rig.readAll(QFile(out)), (tape(c.lines, "?*/") + "\r\n").toLatin1().left(28 * c.received));
        QCOMPARE(rig.opens, port ? QList<int>{0} + c.resumed : QList<int>{}); // reopened after each OK
    }
};

QTEST_GUILESS_MAIN(TestTapeOutput)
#include "tst_tapeoutput.moc"
