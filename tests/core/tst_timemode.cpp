// Calculating with durations: the same engine, counting seconds, showing hh:mm:ss.

#include "core/engine.h"
#include "core/timetext.h"
#include "support/enginerig.h"

#include <QtTest>

namespace {
QString tape(const QStringList& lines) { return tapeLines(lines); }
const QString Sep = TapeSeparator;
} // namespace

class TestTimeMode : public QObject {
    Q_OBJECT

    // An engine already in time mode.
    struct Rig : EngineRig {
        explicit Rig(int format = 2) : EngineRig(format) { engine->setTimeMode(true); }
    };

private slots:
    void conversion_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("time to seconds") << "1:30:00" << "5400";
        QTest::newRow("minutes above 59") << "1:75:00" << "8100";
        QTest::newRow("negative time") << "-01:00:00" << "-3600";
        QTest::newRow("seconds to time") << "8100" << "02:15:00";
        QTest::newRow("beyond a day") << "108000" << "30:00:00";
        QTest::newRow("negative seconds") << "-3600" << "-01:00:00";
        QTest::newRow("fractions are cut") << "90,7" << "00:01:30";
        QTest::newRow("grouped seconds") << "8.100,00" << "02:15:00";
    }
    void conversion() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(TimeText::convert(in, QLatin1Char(',')), out);
    }

    void typingShowsHoursMinutesSeconds_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("seconds and minutes") << "130" << "00:01:30";
        QTest::newRow("all three") << "12345" << "01:23:45";
        QTest::newRow("hours grow") << "1234567" << "123:45:67";
        QTest::newRow("separators are swallowed") << "1,3.0" << "00:01:30";
        QTest::newRow("sign") << "130{neg}" << "-00:01:30";
    }
    void typingShowsHoursMinutesSeconds() {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        Rig rig;
        rig.type(keys);
        QCOMPARE(rig.engine->timeDisplay(), shown);
        QCOMPARE(rig.engine->shownDisplay(), shown);
    }

    void durations_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expectedTape");
        QTest::addColumn<QString>("total");
        QTest::newRow("adding") << 2 << "13000+4500=" << tape({
            "                01:30:00 +", "                00:45:00 =", " 002                      ",
            "                02:15:00 T", Sep}) << "02:15:00";
        QTest::newRow("negative result") << 2 << "10000-20000=" << tape({
            "                01:00:00 -", "                02:00:00 =", " 002                      ",
            "               -01:00:00 T", Sep}) << "-01:00:00";
        QTest::newRow("over a day") << 0 << "200000+100000=" << tape({
            "                20:00:00 +", "                10:00:00 =", " 002                      ",
            "                30:00:00 T", Sep}) << "30:00:00";
        QTest::newRow("minutes normalised by the total") << 2 << "17500+=" << tape({
            "                01:75:00 =", " 001                      ", "                02:15:00 T", Sep})
            << "02:15:00";
        QTest::newRow("percent is ignored") << 2 << "13000+50%=" << tape({
            "                01:30:00 +", "                00:00:50 =", " 002                      ",
            "                01:30:50 T", Sep}) << "01:30:50";
        QTest::newRow("times a number of seconds") << 2 << "13000*3=" << tape({
            "                01:30:00 ×", "                00:00:03 =", " 002                      ",
            "                04:30:00 T", Sep}) << "04:30:00";
    }
    void durations() {
        QFETCH(int, format);
        QFETCH(QString, keys);
        QFETCH(QString, expectedTape);
        QFETCH(QString, total);
        Rig rig(format);
        rig.type(keys);
        // Entering time mode closed the (empty) tape with a separator.
        QCOMPARE(rig.engine->tape().text(), Sep + QStringLiteral("\r\n") + expectedTape);
        QCOMPARE(rig.clipboard.text(), total);
        QCOMPARE(rig.engine->timeDisplay(), total);
    }

    void enteringTotalsTheCalculationFirst() {
        EngineRig rig;
        Engine& engine = *rig.engine;
        rig.type(QStringLiteral("5+3+"));
        engine.setTimeMode(true);
        QCOMPARE(rig.clipboard.text(), QStringLiteral("8"));
        QVERIFY(engine.tape().text().endsWith(QStringLiteral("                       8 T\r\n") + Sep + QStringLiteral("\r\n")));
        QCOMPARE(engine.timeDisplay(), QStringLiteral("00:00:00"));
        QCOMPARE(engine.counter(), QStringLiteral("000"));
        rig.type(QStringLiteral("130+"));
        engine.setTimeMode(false);
        QCOMPARE(rig.clipboard.text(), QStringLiteral("00:01:30"));
        QVERIFY(!engine.timeMode());
    }

    void deleteResetsThenClears() {
        Rig rig;
        rig.type(QStringLiteral("130+45"));
        rig.engine->pressClearEntry();
        QCOMPARE(rig.engine->timeDisplay(), QStringLiteral("00:00:00"));
        QVERIFY(!rig.engine->tape().isEmpty());
        rig.engine->pressClearEntry();
        QVERIFY(rig.engine->tape().text().endsWith(Sep + QStringLiteral("\r\n")));
        QCOMPARE(rig.engine->tape().text().count(QStringLiteral("\r\n")), 2);
    }

    void aHugeDurationIsCutToTheDisplay() {
        Rig rig;
        rig.type(QStringLiteral("1-999999999999*9000000="));
        QVERIFY2(rig.engine->timeDisplay().size() == 22, qPrintable(rig.engine->timeDisplay()));
        QVERIFY(rig.engine->tape().text().endsWith(QStringLiteral(" E\r\n") + Sep + QStringLiteral("\r\n")));
    }

    void choosingAFormatLeavesTimeMode() {
        Rig rig;
        rig.type(QStringLiteral("130+"));
        rig.engine->chooseFormat(0);
        QVERIFY(!rig.engine->timeMode());
        QCOMPARE(rig.clipboard.text(), QStringLiteral("00:01:30"));
        QCOMPARE(rig.engine->display(), QStringLiteral("0,00"));
    }

    void undoAndRedoOfADuration() {
        Rig rig;
        rig.type(QStringLiteral("13000+4500+{undo}"));
        QCOMPARE(rig.engine->timeDisplay(), QStringLiteral("01:30:00"));
        rig.type(QStringLiteral("{redo}="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("02:15:00"));
    }
};

QTEST_GUILESS_MAIN(TestTimeMode)
#include "tst_timemode.moc"
