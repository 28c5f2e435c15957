// The date calculator without its window: spans broken down as the design's examples say, dates
// read and masked as typed, the tape's lines, and the rules between the fields.

#include "support/testcontext.h"
#include "tools/datecalculator.h"

#include <QtTest>

using namespace DateArithmetic;

namespace {
const DateText Dmy(QStringLiteral("dd/mm/yyyy"), QLatin1Char('/'));
QDate d(const char* text) {
    return *Dmy.read(QLatin1String(text));
}
} // namespace

class TestDateCalculator : public QObject {
    Q_OBJECT

  private slots:
    // Amounts "years|months|weeks|days" are used when there is no final date; the ticks say which of
    // years, months and weeks are broken out. `expected`: final date, then "Y M W D leap", or the
    // failure's message number.
    void calculate_data() {
        for (const char* c : {"start", "final", "amounts", "ticks", "expected"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<int>("mode");
        auto row = [](const char* start, const char* final, const char* amounts, int mode,
                      const char* expected, const char* ticks = "111") {
            QTest::addRow("%s %s %s %d %s", start, final, amounts, mode, ticks)
                << start << final << amounts << ticks << expected << mode;
        };
        row("01/01/2000", "01/01/2004", "", 0, "01/01/2004 4 0 0 0 1");
        row("01/03/2000", "01/03/2004", "", 0, "01/03/2004 4 0 0 0 1");
        row("15/06/2003", "15/06/2004", "", 0, "15/06/2004 1 0 0 0 1");
        row("15/06/2003", "15/06/2004", "", 1, "15/06/2004 0 12 0 6 0");
        row("15/06/2003", "15/06/2004", "", 2, "15/06/2004 0 0 52 2 0");
        row("15/06/2003", "15/06/2004", "", 3, "15/06/2004 0 0 0 366 0");
        row("01/01/2001", "31/12/2001", "", 0, "31/12/2001 0 11 4 6 0");
        row("01/01/2000", "15/03/2000", "", 0, "15/03/2000 0 2 2 0 0");
        row("01/01/2000", "15/03/2000", "", 0, "15/03/2000 0 0 10 4 0", "101");
        row("01/01/2000", "", "2|0|0|0", 4, "01/01/2002 2 0 0 0 1");
        row("01/03/2003", "", "1|0|0|0", 4, "01/03/2004 1 0 0 0 1");
        row("29/02/2000", "", "1|0|0|0", 4, "28/02/2001 1 0 0 0 0");
        row("01/01/1900", "01/01/1901", "", 0, "01/01/1901 1 0 0 0 0");
        row("01/01/2100", "01/01/2104", "", 0, "01/01/2104 4 0 0 0 0");
        row("28/02/2000", "01/03/2000", "", 0, "01/03/2000 0 0 0 2 0");
        row("31/01/2024", "29/02/2024", "", 0, "29/02/2024 0 0 4 1 0");
        row("01/01/2001", "", "0|0|0|2,5", 3, "03/01/2001 0 0 0 2 0");
        row("01/01/2001", "", "0,5|0|0|0", 4, "02/07/2001 0 6 0 2 0");
        row("02/01/2000", "01/01/2000", "", 0, "33");
        row("01/01/2000", "", "0|0|0|-5", 3, "33");
        row("01/01/2000", "", "", 0, "34");
        row("31/12/9999", "", "0|0|0|1", 0, "301");
        row("01/01/2000", "", "0|0|0|12345678901234567890", 0, "301");
        row("01/01/2000", "", "123456789012345678901234567890|0|0|0", 0, "301");
    }
    void calculate() {
        QFETCH(QString, start);
        QFETCH(QString, final);
        QFETCH(QString, amounts);
        QFETCH(QString, ticks);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        Calculation c{d(qPrintable(start)), Dmy.read(final), {}, {}, mode};
        const QStringList typed = amounts.split(QLatin1Char('|'));
        for (int i = 0; i < typed.size(); ++i)
            c.amounts[i] = typed[i];
        for (int i = 0; i < 3; ++i)
            c.ticked[i] = ticks.at(i) == QLatin1Char('1');
        const Result r = DateArithmetic::calculate(c);
        const int failure[] = {0, 34, 33, 301};
        const QString got = r.failure != Failure::None
                                ? QString::number(failure[int(r.failure)])
                                : Dmy.format(r.final) + QStringLiteral(" %1 %2 %3 %4 %5")
                                                            .arg(r.amounts[0])
                                                            .arg(r.amounts[1])
                                                            .arg(r.amounts[2])
                                                            .arg(r.amounts[3])
                                                            .arg(r.leapDays);
        QCOMPARE(got, expected);
    }

    // A field being left, read in today's year 2026: a date, "empty", "invalid" or "range".
    void readLeaving_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        for (const char* text : {"31/04/2026", "29/02/2023", "29/02/2100", "1 5/06/2026"})
            QTest::newRow(text) << "dd/mm/yyyy" << text << "invalid";
        QTest::newRow("leap") << "dd/mm/yyyy"
                              << "29/02/2024"
                              << "29/02/2024";
        QTest::newRow("blanks") << "dd/mm/yyyy"
                                << "5_/1_/2026"
                                << "05/01/2026";
        QTest::newRow("no year") << "dd/mm/yyyy"
                                 << "15/06/____"
                                 << "15/06/2026";
        QTest::newRow("two digits") << "dd/mm/yyyy"
                                    << "15/06/03__"
                                    << "15/06/2003";
        QTest::newRow("before 1753") << "dd/mm/yyyy"
                                     << "31/12/1752"
                                     << "range";
        QTest::newRow("mask") << "dd/mm/yyyy"
                              << "__/__/____"
                              << "empty";
        QTest::newRow("month first") << "mm/dd/yyyy"
                                     << "12/31/2026"
                                     << "12/31/2026";
    }
    void readLeaving() {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const DateText dates(pattern, QLatin1Char('/'));
        const ReadDate r = dates.readLeaving(text, 2026);
        const char* names[] = {"", "empty", "invalid", "range"};
        QCOMPARE(r.reading == Reading::Date ? dates.format(r.date) : QLatin1String(names[int(r.reading)]),
                 expected);
    }

    // The text and cursor after an edit that left `text` with the cursor at `cursor`.
    void afterEdit_data() {
        for (const char* c : {"text", "expected"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("expectedCursor");
        QTest::newRow("typed over all") << "2"
                                        << "2_/__/____" << 1 << 1;
        QTest::newRow("steps over /") << "25_/__/____"
                                      << "25/__/____" << 2 << 3;
        QTest::newRow("backspace on /") << "2512/2026"
                                        << "25/__/____" << 2 << 2;
        QTest::newRow("delete") << "25/2/2026"
                                << "25/__/____" << 3 << 3;
        QTest::newRow("pasted digits") << "25122026"
                                       << "25/12/2026" << 8 << 10;
        QTest::newRow("full") << "25/12/20261"
                              << "25/12/2026" << 11 << 10;
        QTest::newRow("letters") << "ab/cd/efgh"
                                 << "__/__/____" << 10 << 10;
    }
    void afterEdit() {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, expected);
        QFETCH(int, expectedCursor);
        const DateText::Edited e = Dmy.afterEdit(text, cursor);
        QCOMPARE(e.text, expected);
        QCOMPARE(e.cursor, expectedCursor);
    }

    void tapeReport_data() {
        for (const char* c : {"final", "amounts", "expected"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<bool>("english");
        const QString head = QStringLiteral("         [01/01/2004] - \r\n         [01/01/2000] = \r\n");
        const QString end = QStringLiteral(" =========================\r\n");
        QTest::newRow("pt") << "01/01/2004"
                            << "4|0|0|0" << head + QString(14, ' ') + "  anos: 4 \r\n" + end << false;
        QTest::newRow("en") << "01/01/2004"
                            << "1|2|3|40"
                            << head + QString(14, ' ') + " years: 1 \r\n" + QString(13, ' ') +
                                   " months: 2 \r\n" + QString(12, ' ') + "   weeks: 3 \r\n" +
                                   QString(14, ' ') + " days: 40 \r\n" + end
                            << true;
        QTest::newRow("equal dates") << "01/01/2000"
                                     << "0|0|0|0"
                                     << "" << false;
        QTest::newRow("no span") << "01/01/2004"
                                 << "0|0|0|"
                                 << "" << false;
        QTest::newRow("no date") << "__/__/____"
                                 << "0|0|0|5"
                                 << "" << false;
    }
    void tapeReport() {
        QFETCH(QString, final);
        QFETCH(QString, amounts);
        QFETCH(bool, english);
        QFETCH(QString, expected);
        Amounts a;
        const QStringList typed = amounts.split(QLatin1Char('|'));
        for (int i = 0; i < 4; ++i)
            a[i] = typed.value(i);
        QCOMPARE(DateArithmetic::tapeReport(Dmy, QStringLiteral("01/01/2000"), final, a, english), expected);
    }

    // The rules between fields: a typed span empties the final date and ticks its box, a refused date
    // is told and the start falls back to today, the calendar writes into the blue field.
    void fieldsTogether() {
        TestContext run;
        DateCalculator c(run.context);
        QCOMPARE(c.dateText(DateCalculator::Final), QStringLiteral("05/12/2026"));
        c.setTicked(1, false);
        QVERIFY(c.amountKey(DateArithmetic::Months, QLatin1Char('.'), true) == QChar(u','));
        QVERIFY(c.ticked(1) && c.dateText(DateCalculator::Final) == Dmy.emptyMask());
        QVERIFY(!c.amountKey(DateArithmetic::Years, QLatin1Char('-'), true));
        c.amountEdited(DateArithmetic::Months, QStringLiteral("11"));
        QVERIFY(c.enterInAmountField());
        QCOMPARE(c.dateText(DateCalculator::Final), QStringLiteral("31/10/2027"));
        QVERIFY(c.todayText().startsWith(QStringLiteral("AVISO")));
        QVERIFY(!c.dateKey(DateCalculator::Start, QLatin1Char('x')) &&
                c.amount(DateArithmetic::Months).isEmpty());
        c.dateEdited(DateCalculator::Start, QStringLiteral("31/04/2026"), 10);
        QVERIFY(!c.leaveDateField(DateCalculator::Start));
        QCOMPARE(run.dialogs.shown.last().text, run.messages.text(32));
        QCOMPARE(c.dateText(DateCalculator::Start), QStringLiteral("05/12/2026"));
        c.enterDateField(DateCalculator::Final);
        c.calendarClicked(QDate(2026, 12, 25));
        QCOMPARE(c.amount(DateArithmetic::Days), QStringLiteral("6"));
        QCOMPARE(c.workingDaysText(), run.messages.text(302, QStringLiteral("15")));
        // Years beyond what a number holds are told, and stay as typed to be mended.
        const QString tooMany(30, QLatin1Char('9'));
        c.amountKey(DateArithmetic::Years, QLatin1Char('9'), true);
        c.amountEdited(DateArithmetic::Years, tooMany);
        QVERIFY(!c.calculate(4));
        QCOMPARE(run.dialogs.shown.last().text, run.messages.text(301, QStringLiteral("31/12/9999")));
        QCOMPARE(c.amount(DateArithmetic::Years), tooMany);
    }
};

QTEST_MAIN(TestDateCalculator)
#include "tst_datecalculator.moc"
