#include "core/decimal.h"

#include <QTest>

namespace {

const QString Max = QStringLiteral("79228162514264337593543950335"); // 2^96 - 1
const QString None; // no result: not a number, overflow or division by zero

// "0.0…0<digits>" with the last digit at decimal place `place`.
QString at(int place, const QString& digits) {
    return "0." + QString(place - digits.size(), QLatin1Char('0')) + digits;
}
const QString Tiny = at(28, "1"); // 10^-28

// Written in "C" notation ('.' decimal, ',' group) to keep the table readable.
const auto dec = [](const QString& t) { return Decimal::parse(t, QLatin1Char('.'), QLatin1Char(',')); };
const auto text = [](const std::optional<Decimal>& d) { return d ? d->toString() : None; };

void row(const char* name, const QString& a, const QString& op, const QString& b, const QString& expected) {
    QTest::newRow(name) << a << op << b << expected;
}

} // namespace

class TestDecimal : public QObject {
    Q_OBJECT

  private slots:
    // op: "" parses `a` alone; + - * / compute (a - b also settles how a compares with b); "round"
    // gives both roundings of `a` to `b` decimals ("away even"); "int" gives the 64-bit integer part.
    void table_data() {
        for (const char* column : {"a", "op", "b", "expected"})
            QTest::addColumn<QString>(column);
        row("groups anywhere, scale kept", "1,234,56,7.50", "", "", "1234567.50");
        row("no integer part", ".5", "", "", "0.5");
        row("trailing separator", "12.", "", "", "12");
        row("blanks and plus", "  +3.25 \t", "", "", "3.25");
        row("leading zeros do not count", "0000000000000000000000000000000000012.5", "", "", "12.5");
        row("largest negative", "-" + Max, "", "", "-" + Max);
        row("29th decimal ties down", at(29, "5"), "", "", at(28, "0"));
        row("29th decimal ties up", at(29, "15"), "", "", at(28, "2"));
        row("tie broken far out", at(40, "500000000001"), "", "", Tiny);
        row("decimal dropped to fit", "7922816251426433759354395033.54", "", "",
            "7922816251426433759354395033.5");
        row("rounding carries out of 96 bits", "7922816251426433759354395033.55", "", "",
            "7922816251426433759354395034");
        row("one past largest", "79228162514264337593543950336", "", "", None);
        row("largest plus half", Max + ".5", "", "", None);
        row("90 digits", QString(90, QLatin1Char('9')), "", "", None);
        row("minus alone", "-", "", "", None);
        row("two decimal separators", "1.2.3", "", "", None);
        row("group in decimals", "1.234,5", "", "", None);
        row("group before digits", ",5", "", "", None);

        row("add aligns scales", "-2.5", "+", "1.25", "-1.25");
        row("larger negative", "1", "-", "3", "-2");
        row("zero keeps scale, no sign", "-5.00", "-", "-5", "0.00");
        row("sum ties down to even", "10", "+", at(29, "50"), "10.000000000000000000000000000");
        row("sum ties up to even", "10.000000000000000000000000001", "+", at(28, "5"),
            "10.000000000000000000000000002");
        row("largest + 0.4", Max, "+", "0.4", Max);
        row("largest + 0.5", Max, "+", "0.5", None);
        row("-largest - 1", "-" + Max, "-", "1", None);
        row("zeros of any sign", "0", "-", "-0.00", "0.00");
        row("sign before size", "-0.1", "-", "1", "-1.1");
        row("negatives reverse", "-2", "-", "-1.5", "-0.5");
        row("28 places apart", "7.9228162514264337593543950335", "-", Max, "-79228162514264337593543950327");
        row("product scale", "-1.5", "*", "2", "-3.0");
        row("scale past 28 ties up", at(28, "3"), "*", "0.5", at(28, "2"));
        row("half the largest ties to even", Max, "*", "0.5", "39614081257132168796771975168");
        row("long product keeps what fits", "1234567890.123456789", "*", "9876543210.987654321",
            "12193263113702179522.374638011");
        row("largest * 1.0 drops the scale", Max, "*", "1.0", Max);
        row("2^48 squared", "281474976710656", "*", "281474976710656", None);
        row("repeating quotient", "-2", "/", "3", "-0.6666666666666666666666666667");
        row("dividend's scale kept", "6.00", "/", "2", "3.00");
        row("exact needs decimals", "1", "/", "8", "0.125");
        row("quotient ties up", at(28, "3"), "/", "2", at(28, "2"));
        row("quotient just above tie", Tiny, "/", "1.9999999999999999999999999999", Tiny);
        row("long quotient keeps what fits", Max, "/", "11", "7202560228569485235776722757.7");
        row("divisor wider than 64 bits", "1", "/", "12345678901234567890123.456789",
            "0.0000000000000000000000810000");
        row("largest / 0.1", Max, "/", "0.1", None);
        row("divide by zero", "1", "/", "0.00", None);

        row("round a negative tie", "-3.5", "round", "0", "-4 -4");
        row("round a tie in the decimals", "0.125", "round", "2", "0.13 0.12");
        row("far digit breaks the tie", "2.5000000001", "round", "0", "3 3");
        row("rounding carries", "9.995", "round", "2", "10.00 10.00");
        row("fewer decimals stay", "1.2", "round", "5", "1.2 1.2");

        row("int64 max", "9223372036854775807.9", "int", "", "9223372036854775807");
        row("int64 min", "-9223372036854775808.7", "int", "", "-9223372036854775808");
        row("past int64 max", "9223372036854775808", "int", "", None);
        row("past int64 min", "-9223372036854775809", "int", "", None);
    }
    void table() {
        QFETCH(QString, a);
        QFETCH(QString, op);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        const auto is = [&op](const char* name) { return op == QLatin1String(name); };
        const std::optional<Decimal> x = dec(a), y = dec(b);
        QVERIFY(op.isEmpty() || (x && (y || is("int"))));
        std::optional<Decimal> r = x;
        if (is("+")) r = x->add(*y);
        if (is("-")) r = x->subtract(*y);
        if (is("*")) r = x->multiply(*y);
        if (is("/")) r = x->divide(*y);
        if (is("int")) r = x->toInt64() ? std::optional(Decimal::fromInt(*x->toInt64())) : std::nullopt;
        QString got = text(r);
        if (is("round"))
            got = x->rounded(b.toInt(), Decimal::Rounding::HalfAwayFromZero).toString() + QLatin1Char(' ') +
                  x->rounded(b.toInt(), Decimal::Rounding::HalfEven).toString();
        if (is("+") || is("*")) QCOMPARE(text(is("+") ? y->add(*x) : y->multiply(*x)), expected); // commutes
        if (is("-") && r) QCOMPARE(x->compare(*y), r->isZero() ? 0 : r->isNegative() ? -1 : 1);
        if (is("int") && r) QCOMPARE(x->truncated().toString(), expected);
        QCOMPARE(got, expected);
    }

    void conversions() {
        const auto max = Decimal::fromParts(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0, false);
        QCOMPARE(max.toString(), Max);
        QCOMPARE(dec(Tiny)->toDouble(), 1e-28);
        const auto scaled = Decimal::fromParts(123450, 0, 0, 4, true);
        QCOMPARE(scaled.toString(QLatin1Char(',')), QStringLiteral("-12,3450"));
        QCOMPARE(scaled.toDouble(), -12.345);
        const auto negativeZero = Decimal::fromParts(0, 0, 0, 2, true);
        QVERIFY(!negativeZero.isNegative() && !Decimal().negated().isNegative());
        QCOMPARE(negativeZero.toString(), QStringLiteral("0.00"));
        QCOMPARE(Decimal::parse(u"1.234,5", QLatin1Char(','), QLatin1Char('.'))->toString(),
                 QStringLiteral("1234.5"));
    }
};

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
