// Calculating with durations: the same engine, counting seconds, showing hh:mm:ss. Time mode is
// switched on by {time}, which first closes the (empty) tape with a separator.

#include "core/timetext.h"
#include "support/enginerig.h"

#include <QtTest>

using Calculations::row;

class TestTimeMode : public QObject {
    Q_OBJECT

  private slots:
    void conversion_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        const auto row = [](const char* name, const char* in, const char* out) {
            QTest::newRow(name) << in << out;
        };
        row("time to seconds", "1:30:00", "5400");
        row("minutes above 59", "1:75:00", "8100");
        row("negative time", "-01:00:00", "-3600");
        row("seconds to time", "8100", "02:15:00");
        row("beyond a day", "108000", "30:00:00");
        row("negative seconds", "-3600", "-01:00:00");
        row("fractions are cut", "90,7", "00:01:30");
        row("grouped seconds", "8.100,00", "02:15:00");
    }
    void conversion() {
        QFETCH(QString, in);
        QTEST(TimeText::convert(in, QLatin1Char(',')), "out");
    }

    void calculations_data() {
        Calculations::columns();
        row("typing: separators are swallowed", "{time}1,3.0", "00:01:30", "=");
        row("typing: all three", "{time}12345", "01:23:45", "=");
        row("typing: hours grow", "{time}1234567", "123:45:67", "=");
        row("typing: sign", "{time}130{neg}", "-00:01:30", "=");
        row("adding", "{time}13000+4500=", "02:15:00",
            "=|01:30:00 +|00:45:00 =| 002|02:15:00 T|=", "02:15:00");
        row("negative result", "{time}10000-20000=", "-01:00:00",
            "=|01:00:00 -|02:00:00 =| 002|-01:00:00 T|=", "-01:00:00");
        row("over a day", "{f0}{time}200000+100000=", "30:00:00",
            "=|20:00:00 +|10:00:00 =| 002|30:00:00 T|=", "30:00:00");
        row("minutes normalised by the total", "{time}17500+=", "02:15:00",
            "=|01:75:00 =| 001|02:15:00 T|=", "02:15:00");
        row("percent is ignored", "{time}13000+50%=", "01:30:50",
            "=|01:30:00 +|00:00:50 =| 002|01:30:50 T|=", "01:30:50");
        row("times a number of seconds", "{time}13000*3=", "04:30:00",
            "=|01:30:00 ×|00:00:03 =| 002|04:30:00 T|=", "04:30:00");
        row("a huge duration's display is cut to 22 characters",
            "{time}1-999999999999*36000000=", "-1296000008776800:00:0",
            "=|00:00:01 -|99999999:99:99 ×|3600:00:00 =| 003|-1296000008776800:00:0 E|=",
            "-1296000008776800:00:00");
        row("switching totals the calculation first", "5+3+{time}130+{time}", "0",
            "5 +|3 =| 002|8 T|=|00:01:30 =| 001|00:01:30 T|=", "00:01:30");
        row("choosing a format leaves time mode", "{time}130+{f0}", "0,00",
            "=|00:01:30 =| 001|00:01:30 T|=", "00:01:30");
        row("delete once resets the display", "{time}130+45{del}", "00:00:00", "=|00:01:30 +");
        row("delete twice clears the tape", "{time}130+45{del}{del}", "00:00:00", " 05/12/2026 sáb|=");
        row("undo shows the duration before the line", "{time}13000+4500+{undo}", "01:30:00", "=|01:30:00 +");
        row("redo enters the duration again", "{time}13000+4500+{undo}{redo}=", "02:15:00",
            "=|01:30:00 +|00:45:00 =| 002|02:15:00 T|=", "02:15:00");
    }
    void calculations() { Calculations::check(); }
};

QTEST_GUILESS_MAIN(TestTimeMode)
#include "tst_timemode.moc"
