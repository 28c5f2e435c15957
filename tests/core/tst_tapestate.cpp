// The tape state file: what is read from its bytes, and what a calculator opening it does with
// that. Read today, the calculation goes on where it stopped; read on a later day, its tape goes to
// the backup file and the day begins cleared. Wherever a write was cut short, the calculation in
// progress is not trusted, but the tape lines that arrived whole come back under a rule, and the
// damaged file is moved beside the place of the next one, under a name that tells what it is and
// when it was found, with every byte it held.

#include "core/tapestate.h"
#include "support/enginerig.h"

#include <QtTest>

using namespace TapeStateFile;
using enum LoadAction;

// Days in the month-first order, whose "mm" is the month, not the minutes.
const QString Today = QStringLiteral("12/05/2026"), DayBefore = QStringLiteral("12/04/2026");
const QString Line1 = QStringLiteral("      10,00 ×\r\n"), Both = Line1 + QStringLiteral("       3,00 +\r\n");
const QString Rule = tape(QStringLiteral("=")), Cleared = tape(QStringLiteral(" 05/12/2026 sáb|="));
const TapeState Sample{Today, Both, "30,00", "+", "0", "30,00", "002"};
// The record in its classic delimited form, byte for byte.
const QByteArray Good("\"12/05/2026\",\"      10,00 \xC3\x97\r\n       3,00 +\r\n\","
                      "\"30,00\",\"+\",\"0\",\"30,00\",\"002\"\r\n");
const QByteArray CutInLine2 = Good.left(Good.indexOf("       3,00") + 4);
const QByteArray Before = QByteArray(Good).replace("12/05", "12/04");
// Cut in the total "0" of a record written after a total.
const QByteArray AfterTotal = encode({Today, Line1 + Rule, "0", "+", "0", "0", "000"}).chopped(21);
const auto whole = [](const TapeState& state) { return Reading{state, Readable::Everything}; };
const auto lines = [](QString t) { return Reading{{Today, t, {}, {}, {}, {}, {}}, Readable::Tape}; };
const Reading WholeBefore{{DayBefore, Both, "30,00", "+", "0", "30,00", "002"}, Readable::Everything};
const Reading Line1Before{{DayBefore, Line1, {}, {}, {}, {}, {}}, Readable::Tape};

// A file's bytes, what is read from them, and what loading does: the action and the tape it leaves.
struct File {
    QByteArray bytes;
    Reading reading;
    LoadAction action;
    QString tape;
    QString tag = QStringLiteral("1"); // the second calculator's file is calc2.fita
};
const auto add = [](const char* name, const File& file) { QTest::newRow(name) << file; };

class TestTapeState : public QObject {
    Q_OBJECT

  private slots:
    void stateFile_data() {
        QTest::addColumn<File>("file");
        add("whole", {Good, whole(Sample), RestoreAll, Both});
        add("of the day before", {Before, WholeBefore, NewDay, Cleared});
        add("nothing readable", {QByteArray("\0\0\0", 3), {}, Nothing, {}});
        add("cut in the first line", {Good.left(Good.indexOf("       3,00") - 3), {}, Nothing, {}});
        add("cut in the second line", {CutInLine2, lines(Line1), RestoreTape, Line1 + Rule});
        add("cut in the last field", {Good.left(Good.size() - 4), lines(Both), RestoreTape, Both + Rule});
        add("cut after a total", {AfterTotal, lines(Line1 + Rule), RestoreTape, Line1 + Rule});
        add("damaged, of the day before", {Before.left(CutInLine2.size()), Line1Before, NewDay, Cleared});
        add("only the line end cut", {Good.chopped(1), whole(Sample), RestoreAll, Both});
        add("no line end", {Good.chopped(2), whole(Sample), RestoreAll, Both});
        add("ended by LF", {Good.chopped(2) + "\n", whole(Sample), RestoreAll, Both});
        add("text after the record", {Good.chopped(2) + "x", lines(Both), RestoreTape, Both + Rule});
        add("no comma between fields",
            {QByteArray(Good).replace("\"+\",", "\"+\";"), lines(Both), RestoreTape, Both + Rule});
        add("invalid UTF-8, second calculator",
            {QByteArray(Good).replace("+", "\xFF"), lines(Line1), RestoreTape, Line1 + Rule, "2"});
        // A quote cannot be written inside a field; it must not cost the other six fields.
        add("a quote", {encode({"\"", Both, ",", "\r\n", "", "", ""}),
                        whole({"'", Both, ",", "\r\n", "", "", ""}), NewDay, Cleared});
    }
    void stateFile() {
        QFETCH(File, file);
        QCOMPARE(decode(file.bytes), file.reading);
        const bool damaged = file.reading.readable != Readable::Everything;
        // A whole record read back is written the same way, byte for byte.
        if (!damaged && file.bytes.endsWith("\r\n")) QCOMPARE(encode(file.reading.state), file.bytes);
        EngineRig rig;
        const QString name = path(rig.context.facts.dataDir, file.tag);
        QFile written(name);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file.bytes) >= 0 && written.flush());
        const LoadResult result = load(*rig.engine, name, rig.now, QStringLiteral("mm/dd/yyyy"));
        QCOMPARE(result.action, file.action);
        QCOMPARE(result.damaged, damaged);
        QCOMPARE(result.keptAs,
                 damaged ? rig.dir.filePath("calc" + file.tag + ".fita.damaged-20261205-093015") : "");
        QCOMPARE(QFile::exists(name), !damaged);
        QFile kept(damaged ? result.keptAs : rig.engine->backupFile().path());
        if (damaged || file.action == NewDay)
            QVERIFY(kept.open(QIODevice::ReadOnly) &&
                    (damaged ? kept.readAll() == file.bytes : kept.readAll().startsWith(Both.toUtf8())));
        if (file.action == RestoreAll) QCOMPARE(capture(*rig.engine, Today), file.reading.state);
        // The calculation goes on where the record stopped, or begins anew under what came back.
        rig.type(QStringLiteral("2+2="));
        QCOMPARE(rig.engine->tape().text(),
                 file.tape + tape(file.action == RestoreAll ? "2 +|2 =| 004|34 T|=" : "2 +|2 =| 002|4 T|="));
    }
};

QTEST_GUILESS_MAIN(TestTapeState)
#include "tst_tapestate.moc"
