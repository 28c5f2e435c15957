#include "core/decimal.h"

#include <QTest>

#include <limits>

namespace {

// Written in "C" notation ('.' decimal, ',' group) to keep the tables readable.
std::optional<Decimal> dec(const QString& text) {
    return Decimal::parse(text, QLatin1Char('.'), QLatin1Char(','));
}

const QString Max = QStringLiteral("79228162514264337593543950335");   // 2^96 - 1
const QString Tiny = QStringLiteral("0.0000000000000000000000000001"); // 10^-28
const QString None; // no result: not a number, overflow or division by zero

} // namespace

class TestDecimal : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void arithmetic_data();
    void arithmetic();
    void rounded_data();
    void rounded();
    void compare_data();
    void compare();
    void integers_data();
    void integers();
    void zeroHasNoSign();
    void otherConversions();
};

void TestDecimal::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("decimalSep");
    QTest::addColumn<QChar>("groupSep");
    QTest::addColumn<QString>("expected");

    const QChar comma = QLatin1Char(',');
    const QChar dot = QLatin1Char('.');
    QTest::newRow("grouped pt") << "1.234,56" << comma << dot << "1234.56";
    QTest::newRow("grouped en") << "1,234,567.5" << dot << comma << "1234567.5";
    QTest::newRow("group anywhere") << "12.34.5,0" << comma << dot << "12345.0";
    QTest::newRow("leading zero") << "0,5" << comma << dot << "0.5";
    QTest::newRow("no integer part") << ",5" << comma << dot << "0.5";
    QTest::newRow("trailing separator") << "12," << comma << dot << "12";
    QTest::newRow("blanks and minus") << "  -3,25 \t" << comma << dot << "-3.25";
    QTest::newRow("plus") << "+7" << comma << dot << "7";
    QTest::newRow("scale kept") << "1,50" << comma << dot << "1.50";
    QTest::newRow("zero with scale") << "0,000" << comma << dot << "0.000";
    QTest::newRow("minus zero") << "-0" << comma << dot << "0";
    QTest::newRow("leading zeros do not count")
        << "0000000000000000000000000000000000012,5" << comma << dot << "12.5";
    QTest::newRow("largest") << Max << comma << dot << Max;
    QTest::newRow("largest negative") << "-" + Max << comma << dot << "-" + Max;
    QTest::newRow("28 decimals") << "0,1234567890123456789012345678" << comma << dot
                                 << "0.1234567890123456789012345678";
    QTest::newRow("29th decimal tie to even, down")
        << "0,00000000000000000000000000005" << comma << dot << "0.0000000000000000000000000000";
    QTest::newRow("29th decimal tie to even, up")
        << "0,00000000000000000000000000015" << comma << dot << "0.0000000000000000000000000002";
    QTest::newRow("tie broken far out")
        << "0,0000000000000000000000000000500000000001" << comma << dot << "0.0000000000000000000000000001";
    QTest::newRow("long fraction drops to fit")
        << "7922816251426433759354395033,54" << comma << dot << "7922816251426433759354395033.5";
    QTest::newRow("rounding carries out of 96 bits")
        << "7922816251426433759354395033,55" << comma << dot << "7922816251426433759354395034";
    QTest::newRow("largest plus fraction below half") << Max + ",4999" << comma << dot << Max;

    QTest::newRow("one past largest") << "79228162514264337593543950336" << comma << dot << None;
    QTest::newRow("largest plus half rounds over") << Max + ",5" << comma << dot << None;
    QTest::newRow("30 digits") << "100000000000000000000000000000" << comma << dot << None;
    QTest::newRow("empty") << "" << comma << dot << None;
    QTest::newRow("blanks") << "   " << comma << dot << None;
    QTest::newRow("minus alone") << "-" << comma << dot << None;
    QTest::newRow("separator alone") << "," << comma << dot << None;
    QTest::newRow("letters") << "abc" << comma << dot << None;
    QTest::newRow("trailing letter") << "12a" << comma << dot << None;
    QTest::newRow("two decimal separators") << "1,2,3" << comma << dot << None;
    QTest::newRow("group in fraction") << "1,234.5" << comma << dot << None;
    QTest::newRow("group before digits") << ".5" << comma << dot << None;
    QTest::newRow("double sign") << "--1" << comma << dot << None;
    QTest::newRow("sign after digits") << "1-" << comma << dot << None;
    QTest::newRow("blank inside") << "1 2" << comma << dot << None;
}

void TestDecimal::parse() {
    QFETCH(QString, text);
    QFETCH(QChar, decimalSep);
    QFETCH(QChar, groupSep);
    QFETCH(QString, expected);

    const auto parsed = Decimal::parse(text, decimalSep, groupSep);
    if (expected.isNull()) {
        QVERIFY2(!parsed, qPrintable(parsed->toString()));
    } else {
        QVERIFY(parsed);
        QCOMPARE(parsed->toString(), expected);
    }
}

void TestDecimal::arithmetic_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QChar>("op");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");

    const QChar plus = QLatin1Char('+');
    const QChar minus = QLatin1Char('-');
    const QChar times = QLatin1Char('*');
    const QChar over = QLatin1Char('/');

    QTest::newRow("0.1 + 0.2") << "0.1" << plus << "0.2"
                               << "0.3";
    QTest::newRow("larger scale wins") << "1.5" << plus << "2.25"
                                       << "3.75";
    QTest::newRow("negative sum") << "-2.5" << plus << "1"
                                  << "-1.5";
    QTest::newRow("mixed signs, larger negative") << "1" << minus << "3"
                                                  << "-2";
    QTest::newRow("5.00 - 5") << "5.00" << minus << "5"
                              << "0.00";
    QTest::newRow("difference to zero has no sign") << "-1" << minus << "-1"
                                                    << "0";
    QTest::newRow("subtract negative") << "2" << minus << "-3"
                                       << "5";
    QTest::newRow("add at 28 decimals") << "1" << plus << Tiny << "1.0000000000000000000000000001";
    QTest::newRow("add loses a digit") << "10" << plus << Tiny << "10.000000000000000000000000000";
    QTest::newRow("add drops a tie to even") << "10" << plus << "0.00000000000000000000000000050"
                                             << "10.000000000000000000000000000";
    QTest::newRow("add rounds a tie up to even")
        << "10.000000000000000000000000001" << plus << "0.0000000000000000000000000005"
        << "10.000000000000000000000000002";
    QTest::newRow("largest + 1") << Max << plus << "1" << None;
    QTest::newRow("largest + 0.4") << Max << plus << "0.4" << Max;
    QTest::newRow("largest + 0.5") << Max << plus << "0.5" << None;
    QTest::newRow("-largest - 1") << "-" + Max << minus << "1" << None;
    QTest::newRow("largest - -1") << Max << minus << "-1" << None;
    QTest::newRow("largest - largest") << Max << minus << Max << "0";

    QTest::newRow("1.50 * 2") << "1.50" << times << "2"
                              << "3.00";
    QTest::newRow("1.1 * 1.1") << "1.1" << times << "1.1"
                               << "1.21";
    QTest::newRow("signs") << "-1.5" << times << "-2"
                           << "3.0";
    QTest::newRow("negative product") << "-1.5" << times << "2"
                                      << "-3.0";
    QTest::newRow("zero times negative") << "0.0" << times << "-5"
                                         << "0.0";
    QTest::newRow("third times three") << "0.3333333333333333333333333333" << times << "3"
                                       << "0.9999999999999999999999999999";
    QTest::newRow("scales beyond 28 tie down") << Tiny << times << "0.5"
                                               << "0.0000000000000000000000000000";
    QTest::newRow("scales beyond 28 tie up") << "0.0000000000000000000000000003" << times << "0.5"
                                             << "0.0000000000000000000000000002";
    QTest::newRow("scales beyond 28 above tie") << Tiny << times << "0.51" << Tiny;
    QTest::newRow("half the largest ties to even") << Max << times << "0.5"
                                                   << "39614081257132168796771975168";
    QTest::newRow("large product keeps what fits")
        << "1234567890.123456789" << times << "9876543210.987654321"
        << "12193263113702179522.374638011";
    QTest::newRow("largest * 1") << Max << times << "1" << Max;
    QTest::newRow("largest * 1.0 shrinks scale") << Max << times << "1.0" << Max;
    QTest::newRow("largest * -1.0000001") << Max << times << "-1.0000001" << None;
    QTest::newRow("2^48 squared is 2^96") << "281474976710656" << times << "281474976710656" << None;

    QTest::newRow("10 / 3") << "10" << over << "3"
                            << "3.3333333333333333333333333333";
    QTest::newRow("2 / 3") << "2" << over << "3"
                           << "0.6666666666666666666666666667";
    QTest::newRow("-2 / 3") << "-2" << over << "3"
                            << "-0.6666666666666666666666666667";
    QTest::newRow("1 / -3") << "1" << over << "-3"
                            << "-0.3333333333333333333333333333";
    QTest::newRow("exact keeps no extra zeros") << "6" << over << "2"
                                                << "3";
    QTest::newRow("exact keeps the dividend's scale") << "6.00" << over << "2"
                                                      << "3.00";
    QTest::newRow("scales cancel") << "6.00" << over << "2.0"
                                   << "3.0";
    QTest::newRow("exact needs decimals") << "1" << over << "8"
                                          << "0.125";
    QTest::newRow("divisor with decimals") << "1" << over << "0.5"
                                           << "2";
    QTest::newRow("zero dividend") << "0.00" << over << "5"
                                   << "0.00";
    QTest::newRow("7 / -2") << "7" << over << "-2"
                            << "-3.5";
    QTest::newRow("quotient tie at 28th down") << Tiny << over << "2"
                                               << "0.0000000000000000000000000000";
    QTest::newRow("quotient tie at 28th up") << "0.0000000000000000000000000003" << over << "2"
                                             << "0.0000000000000000000000000002";
    QTest::newRow("quotient just above tie") << Tiny << over << "1.9999999999999999999999999999" << Tiny;
    QTest::newRow("large exact quotient") << Max << over << "7"
                                          << "11318308930609191084791992905";
    QTest::newRow("large quotient keeps what fits") << Max << over << "11"
                                                    << "7202560228569485235776722757.7";
    QTest::newRow("largest / 10") << Max << over << "10"
                                  << "7922816251426433759354395033.5";
    QTest::newRow("divisor wider than 64 bits") << "1" << over << "12345678901234567890123.456789"
                                                << "0.0000000000000000000000810000";
    QTest::newRow("largest / largest") << Max << over << Max << "1";
    QTest::newRow("largest / 0.1") << Max << over << "0.1" << None;
    QTest::newRow("divide by zero") << "1" << over << "0" << None;
    QTest::newRow("divide by 0.00") << "1" << over << "0.00" << None;
    QTest::newRow("zero by zero") << "0" << over << "0" << None;
}

void TestDecimal::arithmetic() {
    QFETCH(QString, a);
    QFETCH(QChar, op);
    QFETCH(QString, b);
    QFETCH(QString, expected);

    const auto x = dec(a);
    const auto y = dec(b);
    QVERIFY(x && y);
    std::optional<Decimal> result;
    switch (op.toLatin1()) {
    case '+':
        result = x->add(*y);
        break;
    case '-':
        result = x->subtract(*y);
        break;
    case '*':
        result = x->multiply(*y);
        break;
    case '/':
        result = x->divide(*y);
        break;
    }
    if (expected.isNull()) {
        QVERIFY2(!result, qPrintable(result->toString()));
    } else {
        QVERIFY(result);
        QCOMPARE(result->toString(), expected);
    }
}

void TestDecimal::rounded_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("halfEven");
    QTest::addColumn<QString>("expected");

    QTest::newRow("away 2.5") << "2.5" << 0 << false << "3";
    QTest::newRow("away -2.5") << "-2.5" << 0 << false << "-3";
    QTest::newRow("away 0.125") << "0.125" << 2 << false << "0.13";
    QTest::newRow("away -0.125") << "-0.125" << 2 << false << "-0.13";
    QTest::newRow("away below half") << "1.2449" << 2 << false << "1.24";
    QTest::newRow("away carries") << "9.995" << 2 << false << "10.00";
    QTest::newRow("away to zero drops sign") << "-0.4" << 0 << false << "0";
    QTest::newRow("away from 28 decimals")
        << "0.0000000000000000000000000005" << 27 << false << "0.000000000000000000000000001";
    QTest::newRow("away near largest")
        << "7922816251426433759354395033.5" << 0 << false << "7922816251426433759354395034";
    QTest::newRow("even 2.5") << "2.5" << 0 << true << "2";
    QTest::newRow("even 3.5") << "3.5" << 0 << true << "4";
    QTest::newRow("even -2.5") << "-2.5" << 0 << true << "-2";
    QTest::newRow("even 0.125") << "0.125" << 2 << true << "0.12";
    QTest::newRow("even 0.1251") << "0.1251" << 2 << true << "0.13";
    QTest::newRow("even far digit breaks tie") << "2.5000000001" << 0 << true << "3";
    QTest::newRow("already fewer decimals") << "1.2" << 5 << false << "1.2";
    QTest::newRow("integer") << "12" << 0 << true << "12";
}

void TestDecimal::rounded() {
    QFETCH(QString, value);
    QFETCH(int, decimals);
    QFETCH(bool, halfEven);
    QFETCH(QString, expected);

    const auto d = dec(value);
    QVERIFY(d);
    const auto mode = halfEven ? Decimal::Rounding::HalfEven : Decimal::Rounding::HalfAwayFromZero;
    QCOMPARE(d->rounded(decimals, mode).toString(), expected);
}

void TestDecimal::compare_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");

    QTest::newRow("scale does not matter") << "1.50"
                                           << "1.5" << 0;
    QTest::newRow("zeros of any sign") << "0"
                                       << "-0.00" << 0;
    QTest::newRow("plain less") << "1.49"
                                << "1.5" << -1;
    QTest::newRow("negative below positive") << "-1"
                                             << "0.1" << -1;
    QTest::newRow("negatives reverse") << "-2"
                                       << "-1.5" << -1;
    QTest::newRow("smallest step") << Tiny << "0" << 1;
    QTest::newRow("needs wide alignment") << Max << "7922816251426433759354395033.5" << 1;
    QTest::newRow("equal across 28 places") << "7.9228162514264337593543950335" << Max << -1;
}

void TestDecimal::compare() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);

    const auto x = dec(a);
    const auto y = dec(b);
    QVERIFY(x && y);
    QCOMPARE(x->compare(*y), expected);
    QCOMPARE(y->compare(*x), -expected);
    QCOMPARE(*x == *y, expected == 0);
}

void TestDecimal::integers_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("truncated");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("asInt64");

    QTest::newRow("positive") << "12.99"
                              << "12" << true << qint64(12);
    QTest::newRow("negative toward zero") << "-9.99"
                                          << "-9" << true << qint64(-9);
    QTest::newRow("small negative") << "-0.5"
                                    << "0" << true << qint64(0);
    QTest::newRow("int64 max") << "9223372036854775807.9"
                               << "9223372036854775807" << true << std::numeric_limits<qint64>::max();
    QTest::newRow("int64 min") << "-9223372036854775808"
                               << "-9223372036854775808" << true << std::numeric_limits<qint64>::min();
    QTest::newRow("past int64 max") << "9223372036854775808"
                                    << "9223372036854775808" << false << qint64(0);
    QTest::newRow("past int64 min") << "-9223372036854775809"
                                    << "-9223372036854775809" << false << qint64(0);
    QTest::newRow("largest") << Max << Max << false << qint64(0);
}

void TestDecimal::integers() {
    QFETCH(QString, value);
    QFETCH(QString, truncated);
    QFETCH(bool, fits);
    QFETCH(qint64, asInt64);

    const auto d = dec(value);
    QVERIFY(d);
    QCOMPARE(d->truncated().toString(), truncated);
    const auto i = d->toInt64();
    QCOMPARE(i.has_value(), fits);
    if (fits) {
        QCOMPARE(*i, asInt64);
        QCOMPARE(Decimal::fromInt(asInt64).toString(), truncated);
    }
}

void TestDecimal::zeroHasNoSign() {
    const Decimal negativeZero = Decimal::fromParts(0, 0, 0, 2, true);
    QVERIFY(!negativeZero.isNegative());
    QCOMPARE(negativeZero.toString(), QStringLiteral("0.00"));
    QCOMPARE(Decimal().negated().toString(), QStringLiteral("0"));
    QVERIFY(!Decimal().negated().isNegative());
    const auto small = dec(QStringLiteral("-0.004"));
    QVERIFY(small);
    QVERIFY(!small->rounded(2, Decimal::Rounding::HalfAwayFromZero).isNegative());
}

void TestDecimal::otherConversions() {
    const auto max = Decimal::fromParts(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, false);
    QCOMPARE(max.toString(), Max);
    const auto scaled = Decimal::fromParts(123450, 0, 0, 4, true);
    QCOMPARE(scaled.toString(QLatin1Char(',')), QStringLiteral("-12,3450"));
    QCOMPARE(scaled.abs().toString(), QStringLiteral("12.3450"));
    QCOMPARE(scaled.negated().toString(), QStringLiteral("12.3450"));
    QCOMPARE(scaled.toDouble(), -12.345);
    QCOMPARE(dec(QStringLiteral("0.1"))->toDouble(), 0.1);
    QCOMPARE(dec(Tiny)->toDouble(), 1e-28);
    QCOMPARE(max.toDouble(), 79228162514264337593543950335.0);
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
