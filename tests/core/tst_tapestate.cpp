// The tape state file: the record's bytes, what a damaged file gives, and the calculation that comes
// back on the same day or is cleared into the backup on the next.

#include "core/engine.h"
#include "core/tapestate.h"
#include "support/keyscript.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace TapeStateFile;

namespace {

const QString Today = QStringLiteral("05/12/2026");
const TapeState Sample{Today, "      10,00 ×\r\n       3,00 +\r\n", "30,00", "+", "0", "30,00", "002"};

} // namespace

class TestTapeState : public QObject {
    Q_OBJECT

  private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<TapeState>>("expected");
        // The record in its classic delimited form, byte for byte.
        const QByteArray good("\"05/12/2026\",\"      10,00 \xC3\x97\r\n       3,00 +\r\n\","
                              "\"30,00\",\"+\",\"0\",\"30,00\",\"002\"\r\n");
        const std::optional<TapeState> refused;
        // Wherever a write was cut short, nothing is restored from part of a record; only the final
        // CR LF may be lost.
        for (qsizetype n = 0; n <= good.size(); ++n)
            QTest::addRow("first %d bytes", int(n))
                << good.left(n) << (n >= good.size() - 2 && n != good.size() - 1 ? Sample : refused);
        QTest::newRow("ended by LF") << good.chopped(2) + "\n" << std::optional(Sample);
        QTest::newRow("no comma between fields") << QByteArray(good).replace("\"+\",", "\"+\";") << refused;
        QTest::newRow("invalid UTF-8") << QByteArray(good).replace("+", "\xFF") << refused;
        // A quote cannot be written inside a field; it must not cost the other six fields.
        QTest::newRow("a quote") << encode({"\"", ",", "\r\n", "", "", "", ""})
                                 << std::optional<TapeState>({"'", ",", "\r\n", "", "", "", ""});
    }
    void decode() {
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<TapeState>, expected);
        QCOMPARE(TapeStateFile::decode(bytes), expected);
        // A whole record that is read back is written the same way, byte for byte.
        if (expected && bytes.endsWith("\r\n")) QCOMPARE(encode(*expected), bytes);
    }

    // Closed in the middle of a sum and opened again the same day, the calculator goes on where it
    // stopped. Opened on a later day, yesterday's tape goes to the backup file and the day begins as
    // on a calculator started that day whose tape was cleared.
    void load() {
        QTemporaryDir dir;
        EngineEnvironment env;
        env.dataDir = dir.path() + QLatin1Char('/');
        // One clock for all: the day of the record is what decides, the clock only shows on the tape.
        env.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(9, 30)); };
        Engine before(env), sameDay(env), nextDay(env), cleared(env);
        const QString file = path(dir.filePath(QStringLiteral("new")), QStringLiteral("1"));
        KeyScript::play(before, QStringLiteral("10*3+7"));
        QVERIFY(save(before, file, Today));
        QCOMPARE(TapeStateFile::load(sameDay, file, Today), LoadAction::RestoreAll);
        QCOMPARE(capture(sameDay, Today), capture(before, Today));
        // The other date order, whose "mm" is the month, not the minutes.
        const QString nextDate = dateText(QDate(2026, 12, 6), QStringLiteral("mm/dd/yyyy"));
        QCOMPARE(TapeStateFile::load(nextDay, file, nextDate), LoadAction::NewDay);
        QFile backup(nextDay.backupFilePath());
        QVERIFY(backup.open(QFile::ReadOnly) && backup.readAll().startsWith(before.tape().text().toUtf8()));
        cleared.clearTape();
        QCOMPARE(capture(nextDay, nextDate), capture(cleared, QStringLiteral("12/06/2026")));
    }
};

QTEST_GUILESS_MAIN(TestTapeState)
#include "tst_tapestate.moc"
