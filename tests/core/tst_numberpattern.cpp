#include "core/numberpattern.h"

#include <QTest>

namespace {

const QString Pt = QStringLiteral(",."); // decimal, group
const QString En = QStringLiteral(".,");

Separators separators(const QString& pair) {
    return Separators{pair.at(0), pair.at(1)};
}

} // namespace

class TestNumberPattern : public QObject {
    Q_OBJECT

private slots:
    void pattern_data();
    void pattern();
    void format_data();
    void format();
    void formatText_data();
    void formatText();
    void formatarValor_data();
    void formatarValor();
};

void TestNumberPattern::pattern_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("minInteger");
    QTest::addColumn<int>("minDecimals");
    QTest::addColumn<int>("maxDecimals");
    QTest::addColumn<bool>("grouping");
    QTest::addColumn<bool>("point");

    QTest::newRow("#,##0.00####") << "#,##0.00####" << 1 << 2 << 6 << true << true;
    QTest::newRow("#,##0.##########") << "#,##0.##########" << 1 << 0 << 10 << true << true;
    QTest::newRow("#,##0") << "#,##0" << 1 << 0 << 0 << true << false;
    QTest::newRow("#000") << "#000" << 3 << 0 << 0 << false << false;
    QTest::newRow("000000000000.00") << "000000000000.00" << 12 << 2 << 2 << false << true;
    QTest::newRow("#0.0#####") << "#0.0#####" << 1 << 1 << 6 << false << true;
    QTest::newRow("more decimals than carried")
        << "0.000000000000000000000000000000" << 1 << 28 << 28 << false << true;
}

void TestNumberPattern::pattern() {
    QFETCH(QString, pattern);
    QFETCH(int, minInteger);
    QFETCH(int, minDecimals);
    QFETCH(int, maxDecimals);
    QFETCH(bool, grouping);
    QFETCH(bool, point);

    const NumberPattern p(pattern);
    QCOMPARE(p.minIntegerDigits(), minInteger);
    QCOMPARE(p.minDecimals(), minDecimals);
    QCOMPARE(p.maxDecimals(), maxDecimals);
    QCOMPARE(p.grouping(), grouping);
    QCOMPARE(p.hasDecimalPoint(), point);
}

void TestNumberPattern::format_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("value"); // '.' decimal, no grouping
    QTest::addColumn<QString>("seps");
    QTest::addColumn<QString>("expected");

    const QString max = QStringLiteral("79228162514264337593543950335");
    const auto row = [](const QString& pattern, const char* value, const QString& seps,
                        const char* expected) {
        QTest::addRow("%s %s %s", qPrintable(pattern), value, qPrintable(seps))
            << pattern << QString::fromLatin1(value) << seps << QString::fromLatin1(expected);
    };

    QString p = QStringLiteral("#,##0.00####");
    row(p, "1234.5", Pt, "1.234,50");
    row(p, "1.100", Pt, "1,10");
    row(p, "0.123456789", Pt, "0,123457");
    row(p, "1.2345675", Pt, "1,234568");
    row(p, "-1.2345665", Pt, "-1,234567");
    row(p, "-0.0000005", Pt, "-0,000001");
    row(p, "-0.0000004", Pt, "0,00");
    row(p, "0", Pt, "0,00");
    row(p, "1234567.891", En, "1,234,567.891");

    p = QStringLiteral("#,##0.##########");
    row(p, "8", Pt, "8,");
    row(p, "0", Pt, "0,");
    row(p, "8.00", Pt, "8,");
    row(p, "8", En, "8.");
    row(p, "1.5", Pt, "1,5");
    row(p, "1234567", Pt, "1.234.567,");
    row(p, "1234.12345678905", Pt, "1.234,1234567891");
    row(p, "-0.00000000004", Pt, "0,");
    row(p, "0.3333333333333333333333333333", Pt, "0,3333333333");

    p = QStringLiteral("#,##0.0");
    row(p, "2.25", Pt, "2,3");
    row(p, "-2.25", Pt, "-2,3");
    row(p, "0.04", Pt, "0,0");
    row(p, "-0.04", Pt, "0,0");
    row(p, "999.95", Pt, "1.000,0");

    p = QStringLiteral("#,##0.00000000");
    row(p, "0.3333333333333333333333333333", Pt, "0,33333333");
    row(p, "0.6666666666666666666666666667", Pt, "0,66666667");
    row(p, "0.000000005", Pt, "0,00000001");
    row(p, "-1234.5", En, "-1,234.50000000");

    p = QStringLiteral("#,##0");
    row(p, "0.5", Pt, "1");
    row(p, "-0.4", Pt, "0");
    row(p, "-0.5", Pt, "-1");
    row(p, "2.5", Pt, "3");
    row(p, "0", Pt, "0");
    row(p, "100", Pt, "100");
    row(p, "1000", Pt, "1.000");
    row(p, "999.5", Pt, "1.000");
    row(p, "1234567", Pt, "1.234.567");
    row(p, "-1234.4", En, "-1,234");
    row(p, qPrintable(max), Pt, "79.228.162.514.264.337.593.543.950.335");

    p = QStringLiteral("#000");
    row(p, "5", Pt, "005");
    row(p, "4.5", Pt, "005");
    row(p, "0", Pt, "000");
    row(p, "-5", Pt, "-005");
    row(p, "12345", Pt, "12345");
    p = QStringLiteral("#,000");
    row(p, "5", Pt, "005");
    row(p, "12345", Pt, "12.345");

    p = QStringLiteral("000");
    row(p, "7", Pt, "007");
    row(p, "6.5", Pt, "007");
    row(p, "1234", Pt, "1234");
    p = QStringLiteral("00");
    row(p, "5", Pt, "05");
    row(p, "0.4", Pt, "00");

    p = QStringLiteral("0.00");
    row(p, "0", Pt, "0,00");
    row(p, "1234.567", Pt, "1234,57");
    row(p, "-0.005", Pt, "-0,01");
    row(p, "-0.004", Pt, "0,00");
    row(p, "0.125", En, "0.13");

    p = QStringLiteral("000000000000.00");
    row(p, "123.4", Pt, "000000000123,40");
    row(p, "1234567890123.456", Pt, "1234567890123,46");

    p = QStringLiteral("#0.0#####");
    row(p, "5", Pt, "5,0");
    row(p, "1.23", Pt, "1,23");
    row(p, "12.3400000", Pt, "12,34");
    row(p, "0.1234565", Pt, "0,123457");
    row(p, "-0.0000005", Pt, "-0,000001");
    row(p, "-0.00000049", Pt, "0,0");

    p = QStringLiteral("#,##0.00");
    row(p, "1234.5", Pt, "1.234,50");
    row(p, "1234.5", En, "1,234.50");
    row(p, "-1234.565", Pt, "-1.234,57");
    row(p, "0.005", Pt, "0,01");
    row(p, "0.0000000000000000000000000001", Pt, "0,00");
    row(p, "1000000", Pt, "1.000.000,00");
    row(p, qPrintable(max), Pt, "79.228.162.514.264.337.593.543.950.335,00");
}

void TestNumberPattern::format() {
    QFETCH(QString, pattern);
    QFETCH(QString, value);
    QFETCH(QString, seps);
    QFETCH(QString, expected);

    const auto d = Decimal::parse(value, QLatin1Char('.'), QLatin1Char(','));
    QVERIFY(d);
    QCOMPARE(NumberPattern(pattern).format(*d, separators(seps)), expected);
}

void TestNumberPattern::formatText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("seps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("grouped input") << "1.234,5"
                                   << "#,##0.00" << Pt << "1.234,50";
    QTest::newRow("blanks and sign") << "  -3,456 "
                                     << "#,##0.0" << Pt << "-3,5";
    QTest::newRow("english") << "1,234.5"
                             << "#,##0.00" << En << "1,234.50";
    QTest::newRow("other locale's text") << "1.234,5"
                                         << "#,##0.00" << En << "0.00";
    QTest::newRow("letters") << "abc"
                             << "#,##0.00" << Pt << "0,00";
    QTest::newRow("empty") << ""
                           << "#,##0.##########" << Pt << "0,";
    QTest::newRow("too large") << "99999999999999999999999999999999"
                               << "#,##0" << Pt << "0";
}

void TestNumberPattern::formatText() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, seps);
    QFETCH(QString, expected);

    QCOMPARE(::formatText(text, pattern, separators(seps)), expected);
}

void TestNumberPattern::formatarValor_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("seps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "1234,5" << Pt << "1.234,50";
    QTest::newRow("tie away from zero") << "2,665" << Pt << "2,67";
    QTest::newRow("negative") << "-1234567,891" << Pt << "-1.234.567,89";
    QTest::newRow("tiny negative") << "-0,001" << Pt << "0,00";
    QTest::newRow("not a number") << "x" << Pt << "0,00";
    QTest::newRow("empty") << "" << Pt << "0,00";
    QTest::newRow("english") << "1,234.5" << En << "1,234.50";
}

void TestNumberPattern::formatarValor() {
    QFETCH(QString, value);
    QFETCH(QString, seps);
    QFETCH(QString, expected);

    QCOMPARE(FormatarValor(value, separators(seps)), expected);
    if (seps == Pt) QCOMPARE(FormatarValor(value, Separators{}), expected);
}

QTEST_APPLESS_MAIN(TestNumberPattern)
#include "tst_numberpattern.moc"
