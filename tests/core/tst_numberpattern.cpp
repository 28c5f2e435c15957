#include "core/numberpattern.h"

#include <QTest>

const QString Pt = QStringLiteral(",."); // decimal, group
const QString En = QStringLiteral(".,");
const QString Max = QStringLiteral("79228162514264337593543950335");
const QString Money = QStringLiteral("#,##0.00");

void row(const QString& pattern, const QString& text, const QString& seps, const QString& expected) {
    QTest::addRow("%s %s '%s'", qPrintable(pattern), qPrintable(seps), qPrintable(text))
        << pattern << text << seps << expected;
}

class TestNumberPattern : public QObject {
    Q_OBJECT

  private slots:
    // `text` is a number as the locale of `seps` writes it, or something that is not a number.
    void format_data() {
        for (const char* column : {"pattern", "text", "seps", "expected"})
            QTest::addColumn<QString>(column);
        const QString display = QStringLiteral("#,##0.00####");
        row(display, "1234,5", Pt, "1.234,50");
        row(display, "0,123456789", Pt, "0,123457");
        row(display, "-1,2345665", Pt, "-1,234567");
        row(display, "-0,0000004", Pt, "0,00");
        row(display, "1,234,567.891", En, "1,234,567.891");
        // All decimals optional: the separator stays even when no decimal does.
        row("#,##0.##########", "8,00", Pt, "8,");
        row("#,##0.##########", "1234,12345678905", Pt, "1.234,1234567891");
        row("#,##0.0", "999,95", Pt, "1.000,0");
        row("#,##0.0", "  -3,456 ", Pt, "-3,5");
        row("#,##0", "999,5", Pt, "1.000");
        row("#,##0", Max, Pt, "79.228.162.514.264.337.593.543.950.335");
        row("#,##0", Max + "0", Pt, "0"); // too large is not a number
        row("#000", "-5", Pt, "-005");
        row("#,000", "12345", Pt, "12.345");
        row("0.00", "1234,567", Pt, "1234,57");
        row("000000000000.00", "123,4", Pt, "000000000123,40");
        row("0." + QString(30, QLatin1Char('0')), "0," + QString(27, QLatin1Char('0')) + "1", Pt,
            "0," + QString(27, QLatin1Char('0')) + "1");
        // Money, also through formatMoney.
        row(Money, "1,234.5", En, "1,234.50");
        row(Money, "-1234567,891", Pt, "-1.234.567,89");
        row(Money, "R$ 10,00", Pt, "0,00");
    }
    void format() {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QString, seps);
        const Separators separators{seps.at(0), seps.at(1)};
        const Decimal value = Decimal::parse(text, separators.decimal, separators.group).value_or(Decimal());
        QTEST(NumberPattern(pattern).format(value, separators), "expected");
        if (pattern == Money) QTEST(formatMoney(text, separators), "expected");
    }
};

QTEST_APPLESS_MAIN(TestNumberPattern)
#include "tst_numberpattern.moc"
