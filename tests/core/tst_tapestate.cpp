// The tape state file: the record's bytes, what a damaged file gives, and the calculation that comes
// back on the same day or is cleared into the backup on the next.

#include "core/engine.h"
#include "core/tapestate.h"
#include "support/keyscript.h"
#include "support/testcontext.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace TapeStateFile;

namespace {

const QString Today = QStringLiteral("05/12/2026");
const QString Line1 = QStringLiteral("      10,00 ×\r\n"), Line2 = QStringLiteral("       3,00 +\r\n");
const QString Rule = QStringLiteral(" =========================\r\n");
const TapeState Sample{Today, Line1 + Line2, "30,00", "+", "0", "30,00", "002"};
// The record in its classic delimited form, byte for byte.
const QByteArray Good("\"05/12/2026\",\"      10,00 \xC3\x97\r\n       3,00 +\r\n\","
                      "\"30,00\",\"+\",\"0\",\"30,00\",\"002\"\r\n");

Reading whole(const TapeState& state) {
    return {state, Readable::Everything};
}
Reading tapeOnly(const QString& tape) {
    return {{Today, tape, {}, {}, {}, {}, {}}, Readable::Tape};
}

} // namespace

Q_DECLARE_METATYPE(TapeStateFile::Reading)
Q_DECLARE_METATYPE(TapeStateFile::LoadAction)

class TestTapeState : public QObject {
    Q_OBJECT

  private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Reading>("expected");
        const Reading nothing;
        const qsizetype secondLine = Good.indexOf("       3,00");
        // Wherever a write was cut short, the calculation in progress is not trusted, but the tape
        // lines that arrived whole are.
        QTest::newRow("empty") << QByteArray() << nothing;
        QTest::newRow("cut in the date") << Good.left(5) << nothing;
        QTest::newRow("cut in the first line") << Good.left(secondLine - 3) << nothing;
        QTest::newRow("cut in the second line") << Good.left(secondLine + 4) << tapeOnly(Line1);
        QTest::newRow("cut after the tape") << Good.left(Good.indexOf("30,00")) << tapeOnly(Line1 + Line2);
        QTest::newRow("cut in the last field") << Good.left(Good.size() - 4) << tapeOnly(Line1 + Line2);
        QTest::newRow("only the line end cut") << Good.chopped(1) << whole(Sample);
        QTest::newRow("no line end") << Good.chopped(2) << whole(Sample);
        QTest::newRow("ended by LF") << Good.chopped(2) + "\n" << whole(Sample);
        QTest::newRow("text after the record") << Good.chopped(2) + "x" << tapeOnly(Line1 + Line2);
        QTest::newRow("no comma between fields")
            << QByteArray(Good).replace("\"+\",", "\"+\";") << tapeOnly(Line1 + Line2);
        QTest::newRow("invalid UTF-8") << QByteArray(Good).replace("+", "\xFF") << tapeOnly(Line1);
        // A quote cannot be written inside a field; it must not cost the other six fields.
        QTest::newRow("a quote") << encode({"\"", ",", "\r\n", "", "", "", ""})
                                 << whole({"'", ",", "\r\n", "", "", "", ""});
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(Reading, expected);
        QCOMPARE(TapeStateFile::decode(bytes), expected);
        // A whole record that is read back is written the same way, byte for byte.
        if (expected.readable == Readable::Everything && bytes.endsWith("\r\n"))
            QCOMPARE(encode(expected.state), bytes);
    }

    // Closed in the middle of a sum and opened again the same day, the calculator goes on where it
    // stopped. Opened on a later day, yesterday's tape goes to the backup file and the day begins as
    // on a calculator started that day whose tape was cleared.
    void load() {
        QTemporaryDir dir;
        TestContext run;
        // One clock for all: the day of the record is what decides, the clock only shows on the tape.
        run.now = QDateTime(QDate(2026, 12, 5), QTime(9, 30));
        Engine before(run.context), sameDay(run.context), nextDay(run.context), cleared(run.context);
        const QString file = path(dir.filePath(QStringLiteral("new")), QStringLiteral("1"));
        KeyScript::play(before, QStringLiteral("10*3+7"));
        QVERIFY(save(before, file, Today).ok());
        QCOMPARE(TapeStateFile::load(sameDay, file, run.now, QStringLiteral("dd/mm/yyyy")).action, LoadAction::RestoreAll);
        QCOMPARE(capture(sameDay, Today), capture(before, Today));
        // The other date order, whose "mm" is the month, not the minutes.
        const QString nextDate = dateText(QDate(2026, 12, 6), QStringLiteral("mm/dd/yyyy"));
        QCOMPARE(TapeStateFile::load(nextDay, file, run.now.addDays(1), QStringLiteral("mm/dd/yyyy")).action,
                 LoadAction::NewDay);
        QFile backup(nextDay.backupFile().path());
        QVERIFY(backup.open(QFile::ReadOnly) && backup.readAll().startsWith(before.tape().text().toUtf8()));
        cleared.clearTape();
        QCOMPARE(capture(nextDay, nextDate), capture(cleared, QStringLiteral("12/06/2026")));
        QVERIFY(QFile::exists(file)); // a whole record stays where it is
    }

    // A damaged file is moved beside the place of the next one, under a name that tells what it is
    // and when it was found, with every byte it held; the tape lines that could be read come back.
    void damagedFileIsKeptAside_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<LoadAction>("action");
        QTest::addColumn<QString>("tape");
        const QByteArray cutInLine2 = Good.left(Good.indexOf("       3,00") + 4);
        QTest::newRow("cut in a calculation") << "1" << cutInLine2 << LoadAction::RestoreTape << Line1 + Rule;
        QByteArray afterTotal = encode({Today, Line1 + Rule, "0", "+", "0", "0", "000"});
        afterTotal.truncate(afterTotal.indexOf(",\"0\",") + 3);
        QTest::newRow("cut after a total") << "1" << afterTotal << LoadAction::RestoreTape << Line1 + Rule;
        QTest::newRow("second calculator") << "2" << cutInLine2 << LoadAction::RestoreTape << Line1 + Rule;
        QTest::newRow("of another day")
            << "1" << QByteArray(cutInLine2).replace("05/12", "04/12") << LoadAction::NewDay << QString();
        QTest::newRow("nothing readable") << "1" << QByteArray("\0\0\0") << LoadAction::Nothing << QString();
    }
    void damagedFileIsKeptAside() {
        QFETCH(QString, tag);
        QFETCH(QByteArray, bytes);
        TestContext run;
        run.now = QDateTime(QDate(2026, 12, 5), QTime(18, 30));
        const QString file = path(run.context.facts.dataDir, tag);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        Engine engine(run.context);
        const LoadResult result = TapeStateFile::load(engine, file, run.now, QStringLiteral("dd/mm/yyyy"));
        QTEST(result.action, "action");
        QVERIFY(result.damaged);
        QCOMPARE(result.keptAs, run.dir.filePath("calc" + tag + ".fita.damaged-20261205-183000"));
        QVERIFY(!QFile::exists(file));
        QFile kept(result.keptAs);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
        QFETCH(QString, tape);
        QCOMPARE(engine.tape().text(),
                 result.action == LoadAction::NewDay ? engine.dateHeader() + "\r\n" + Rule : tape);
        // The calculator goes on from the rule, not from the lost calculation.
        KeyScript::play(engine, QStringLiteral("2+2="));
        QCOMPARE(engine.total(), QStringLiteral("0"));
        QVERIFY(engine.tape().text().endsWith(QStringLiteral("                       4 T\r\n") + Rule));
    }
};

QTEST_GUILESS_MAIN(TestTapeState)
#include "tst_tapestate.moc"
