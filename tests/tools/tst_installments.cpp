// The loan of the installment tools, its searches, the savings and the cheque discount, the dated
// plan's calendar and the reports on the tape, checked without a window.

#include "support/enginerig.h"
#include "tools/installmentreports.h"
#include "tools/installments.h"
#include "tools/moneytext.h"

#include <QRandomGenerator>
#include <QtTest>

using PhaseSearch::End;

class TestInstallments : public QObject {
    Q_OBJECT

    static QString money(double v) { return MoneyText::money(v, Separators()); }

  private slots:
    // Where the searches land, as the phase tables land, and how they end when they cannot.
    void searches_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<double>("initial");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("days");
        QTest::addColumn<double>("given"); // the rate, the installment, or the cheque's rate
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<double>("first"); // the first installment's own value, 0: none
        const auto row = [](const char* name, const char* search, double initial, int count, int days,
                            double given, End end, const char* value = "", const char* balance = "",
                            double first = 0) {
            QTest::newRow(name) << QString::fromLatin1(search) << initial << count << days << given
                                << int(end) << QString::fromUtf8(value) << QString::fromUtf8(balance)
                                << first;
        };
        // Comes down in cents to the first installment that leaves nothing negative (105,59: -0,08).
        row("installment of 1000 in 10 at 1 %", "installment", 1000, 10, 30, 1, End::Found, "105,58", "0,02");
        row("rate from that installment", "rate", 1000, 10, 30, 105.58, End::Found, "0,999634", "0,00");
        row("one installment: V with 45 days at 2 %", "installment", 1000, 1, 45, 2, End::Found, "1.030,00",
            "0,00");
        row("paid at once: no interest in the first period", "installment", 1000, 2, 0, 10, End::Found,
            "523,80", "0,02");
        row("a billion in 250 months at 5 %", "installment", 1e9, 250, 30, 5, End::Found, "50.000.252,14",
            "13.075,20");
        row("a rate of 1,000,000 % overflows", "installment", 1e9, 250, 30, 1e6, End::Failed);
        // The balance does not depend on the rate: the walk down never turns.
        row("one installment paid at once, below V", "rate", 1000, 1, 0, 900, End::NoConvergence);
        row("installments too small for any rate above -100 %", "rate", 1000, 2, 30, 1, End::NoConvergence);
        row("a first installment of 500 and nine more", "installment", 1000, 10, 30, 1, End::Found, "59,53",
            "0,07", 500);
        row("cheque of 103,02 in 45 days at 2 %", "cheque", 103.02, 0, 45, 2, End::Found, "100,00", "0,00");
    }
    void searches() {
        QFETCH(QString, search);
        QFETCH(double, initial);
        QFETCH(int, count);
        QFETCH(int, days);
        QFETCH(double, given);
        QFETCH(double, first);
        const Loan loan{initial, count, days, first > 0 ? std::optional(first) : std::nullopt, {}};
        const SearchResult r = search == QLatin1String("rate") ? findRate(loan, given)
                               : search == QLatin1String("installment")
                                   ? findInstallment(loan, given)
                                   : discountCheque(initial, given, days);
        QFETCH(int, end);
        QCOMPARE(int(r.end), end);
        if (!r.found()) return;
        QTEST(search == QLatin1String("rate") ? MoneyText::plain(r.value, QLatin1Char(',')) : money(r.value),
              "value");
        QTEST(money(r.balance), "balance");
    }

    // The fast walk gives the pass-by-pass walk's value after the same count of passes, on a thousand
    // loans and cheques drawn across what the fields take.
    void fastSearchEqualsPassByPass() {
        QRandomGenerator rng(20261205);
        const auto logUniform = [&rng](double lo, double hi) {
            return lo * std::pow(hi / lo, rng.generateDouble());
        };
        for (int i = 0; i < 1000; ++i) {
            Loan loan;
            loan.initial = std::round(logUniform(1, 1e9) * 100) / 100;
            loan.count = rng.bounded(1, Loan::MaxCount + 1);
            loan.firstDays = rng.bounded(4) == 0 ? 0 : rng.bounded(0, 120);
            if (rng.bounded(4) == 0)
                loan.firstPayment = std::round(loan.initial * rng.generateDouble() * 30) / 100;
            if (rng.bounded(3) == 0)
                loan.periodDays = periodDaysOf(::dueDates(QDate(2026, 1, 1).addDays(rng.bounded(3000)),
                                                          loan.firstDays, loan.count, rng.bounded(1, 29)));
            const double rate = std::round(logUniform(0.01, 30) * 10000) / 10000;
            SearchResult fast, plain;
            switch (i % 3) {
            case 0:
                fast = findInstallment(loan, rate);
                plain = findInstallment(loan, rate, SearchSpeed::PassByPass);
                break;
            case 1: {
                // Installments below V (the window refuses others), one above it at most ten times V.
                const double most = loan.count == 1 ? loan.initial * 10 : loan.initial;
                const double installment = std::round(most * rng.generateDouble() * 100) / 100;
                fast = findRate(loan, installment);
                plain = findRate(loan, installment, SearchSpeed::PassByPass);
                break;
            }
            default: {
                const double cheque = std::round(logUniform(1, 1e6) * 100) / 100;
                const int days = rng.bounded(1, 731);
                fast = discountCheque(cheque, rate, days);
                plain = discountCheque(cheque, rate, days, SearchSpeed::PassByPass);
            }
            }
            const QByteArray what = QByteArray::number(i);
            QVERIFY2(fast.end == plain.end, what);
            QVERIFY2(fast.passes == plain.passes, what + " passes " + QByteArray::number(fast.passes) + " " +
                                                      QByteArray::number(plain.passes));
            QVERIFY2(fast.value == plain.value, what);
        }
    }

    // A search lets the caller's events through while it runs, and stops when asked to.
    void aSearchCanBeCancelled() {
        const Loan loan{1e9, 250, 30, {}, {}};
        int asked = 0;
        const SearchResult r =
            findInstallment(loan, 5, SearchSpeed::PassByPass, [&asked](double) { return ++asked < 2; });
        QCOMPARE(int(r.end), int(End::Cancelled));
    }

    // The dated plan's calendar: 30 days apart, or on a fixed day of each following month.
    void dueDates_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("dueDay");
        QTest::addColumn<QString>("dates");
        QTest::addColumn<QString>("periods");
        QTest::newRow("due day 10 from 05/03")
            << QDate(2026, 3, 5) << 30 << 10 << QString("04/04 10/05 10/06") << QString("36 31");
        QTest::newRow("a late day reaches the next month")
            << QDate(2025, 12, 21) << 30 << 10 << QString("20/01 10/02") << QString("21");
        QTest::newRow("30 days whatever the month")
            << QDate(2026, 1, 5) << 25 << 0 << QString("30/01 01/03 31/03") << QString("30 30");
        QTest::newRow("30 days across 29 February")
            << QDate(2028, 2, 1) << 28 << 0 << QString("29/02 30/03") << QString("30");
        QTest::newRow("from 29 February to day 28")
            << QDate(2028, 1, 30) << 30 << 28 << QString("29/02 28/03 28/04") << QString("28 31");
    }
    void dueDates() {
        QFETCH(QDate, today);
        QFETCH(int, days);
        QFETCH(int, dueDay);
        QFETCH(QString, dates);
        const QList<QDate> due = ::dueDates(today, days, int(dates.split(QLatin1Char(' ')).size()), dueDay);
        QStringList shown, periods;
        for (const QDate& d : due)
            shown << d.toString(QStringLiteral("dd/MM"));
        for (int k : periodDaysOf(due))
            periods << QString::number(k);
        QCOMPARE(shown.join(QLatin1Char(' ')), dates);
        QTEST(periods.join(QLatin1Char(' ')), "periods");
    }

    // The reports as the tape shows them, column for column.
    void reports_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("lines");
        const InstallmentFigures two{"1.000,00", "2", "507,51", "1", "30", "15,02", "1.015,02", "", ""};
        const Separators s;
        const ReportWording pt = ReportWording::inLanguage(Language::Portuguese);
        const QString header =
            QString("=|VALOR INICIAL |1.000,00 |QTD.PARCELAS |2 x |VLR.PARCELA |507,51 |JURO a.m. |1 % ");
        QTest::newRow("installments")
            << installmentReport(two, pt, s)
            << header + "| =============== CÁLCULO =|1.000,00 T|1.000,00 +|30 dias (1%) ="
                        "|1.010,00 -| 001ª             507,51 =|502,49 +|30 dias (1%) ="
                        "|507,51 -| 002ª             507,51 =|0,00 T||JURO TOTAL |15,02 "
                        "||VALOR FINAL |1.015,02 ";
        // The same in English; the French labels too long for a line are broken between words.
        QTest::newRow("in English")
            << installmentReport(two, ReportWording::inLanguage(Language::English), s).section("\r\n", 9, 12)
            << QString(" =========== CALCULATION =|1.000,00 T|1.000,00 +|30 days (1%) =");
        QTest::newRow("French label over two lines")
            << installmentReport(two, ReportWording::inLanguage(Language::French), s).section("\r\n", 3, 5)
            << QStringLiteral(
                   "      NOMBRE DE VERSEMENTS\r\n                 MENSUELS \r\n                      2 x ");
        // Periods of their own days on a fixed due day, the first installment of its own value.
        const InstallmentFigures dated{"1.000,00", "3",        "340,00", "1", "30",
                                       "20,00",    "1.020,00", "330,00", "10"};
        QTest::newRow("dated plan") << datedInstallmentReport(dated, QDate(2026, 3, 5), "dd/mm/yyyy",
                                                              ReportWording::inLanguage(1, true), s)
                                           .section("\r\n", 9, 18)
                                    << QStringLiteral(
                                           " =============== CÁLCULO =| 05/03/26       1.000,00 T|1.000,00 "
                                           "+| 30 dias            (1%) ="
                                           "| 04/04/26       1.010,00 -| 001ª.............330,00 =|680,00 +| "
                                           "36 dias          (1,2%) ="
                                           "| 10/05/26         688,16 -| 002ª.............340,00 =");
        // 45 days at 2 %: a month at 2 %, then 15 days at 1 %.
        QTest::newRow("savings")
            << capitalisationReport({100, 45, 103.02, 2, QDate(2026, 12, 5)}, "dd/mm/yyyy", pt, s)
            << QString("=|VALOR INICIAL |100,00 |QTD.DIAS |45 |VALOR FINAL |103,02 |JURO a.m. |2 % "
                       "| =============== CÁLCULO =| 05/12/26         100,00 +|30 dias (2%) =|102,00 +"
                       "|15 dias (1%) =| 19/01/27         103,02 T||JURO TOTAL |3,02 ");
    }
    void reports() {
        QFETCH(QString, report);
        QFETCH(QString, lines);
        if (lines.contains(QLatin1Char('|'))) lines = tape(lines);
        if (!report.endsWith(QLatin1String("\r\n")) && lines.endsWith(QLatin1String("\r\n")))
            report += "\r\n";
        QCOMPARE(report, lines);
    }

    // The tape's grouping sums what the reports write: initial values, interest, final values.
    void reportsAreGroupedOnTheTape() {
        EngineRig rig;
        const Separators s;
        const ReportWording pt = ReportWording::inLanguage(Language::Portuguese);
        rig.engine->writeReport(
            installmentReport({"1.000,00", "2", "507,51", "1", "30", "15,02", "1.015,02", "", ""}, pt, s),
            QStringLiteral("1015,02"));
        QCOMPARE(rig.engine->entry(), QStringLiteral("1015,02"));
        rig.engine->writeReport(
            capitalisationReport({100, 45, 103.02, 2, QDate(2026, 12, 5)}, "dd/mm/yyyy", pt, s),
            QStringLiteral("103,02"));
        rig.engine->groupReports();
        QVERIFY(rig.engine->tape().text().endsWith(
            tape("VALOR INICIAL:|1.100,00 |VALOR JURO:|18,04 |VALOR FINAL:|1.118,04 |=")));
    }
};

QTEST_GUILESS_MAIN(TestInstallments)
#include "tst_installments.moc"
