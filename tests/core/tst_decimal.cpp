#include "core/decimal.h"

#include <QTest>

const QString Max = QStringLiteral("79228162514264337593543950335"); // 2^96 - 1
const QString None; // no result: not a number, overflow or division by zero
// "0.0…0<digits>" with the last digit at decimal place `place`.
const auto at = [](int place, const QString& d) { return "0." + QString(place - d.size(), u'0') + d; };
const QString Tiny = at(28, "1"); // 10^-28
// Written in "C" notation ('.' decimal, ',' group) to keep the table readable.
const auto dec = [](const QString& t) { return Decimal::parse(t, QLatin1Char('.'), QLatin1Char(',')); };
const auto text = [](const std::optional<Decimal>& d) { return d ? d->toString() : None; };
const auto row = [](const char* name, auto... columns) { (QTest::newRow(name) << ... << QString(columns)); };
using R = Decimal::Rounding;

class TestDecimal : public QObject {
    Q_OBJECT

  private slots:
    // op: "" parses `a` alone; + - * / compute (a - b also settles how a compares with b); "round"
    // gives both roundings of `a` to `b` decimals ("away even"); "int" gives the 64-bit integer part.
    // The operands of the sums are written in the other forms a number may take.
    void table_data() {
        for (const char* column : {"a", "op", "b", "expected"})
            QTest::addColumn<QString>(column);
        row("groups anywhere, scale kept", "1,234,56,7.50", "", "", "1234567.50");
        row("29th decimal ties down", at(29, "5"), "", "", at(28, "0"));
        row("29th decimal ties up", at(29, "15"), "", "", at(28, "2"));
        row("tie broken far out", at(40, "500000000001"), "", "", Tiny);
        row("rounding carries out of 96 bits", "7922816251426433759354395033.55", "", "",
            "7922816251426433759354395034");
        row("90 digits", QString(90, QLatin1Char('9')), "", "", None);
        row("minus alone", "-", "", "", None);
        row("two decimal separators", "1.2.3", "", "", None);
        row("group in decimals", "1.234,5", "", "", None);
        row("group before digits", ",5", "", "", None);

        row("larger negative, from blanks and plus", "  +1 \t", "-", "3", "-2");
        row("zero keeps scale, no sign", "-5.00", "-", "-5", "0.00");
        row("largest + .5, no integer part", Max, "+", ".5", None);
        row("-largest - 1", "-" + Max, "-", "1", None);
        row("sign before size", "-0.1", "-", "1", "-1.1");
        row("negatives reverse", "-2", "-", "-1.5", "-0.5");
        row("28 places apart", "7.9228162514264337593543950335", "-", Max, "-79228162514264337593543950327");
        row("product scale, trailing separator", "-1.5", "*", "2.", "-3.0");
        row("half the largest ties to even", Max, "*", "0.5", "39614081257132168796771975168");
        row("long product keeps what fits", "1234567890.123456789", "*", "9876543210.987654321",
            "12193263113702179522.374638011");
        row("repeating quotient", "-2", "/", "3", "-0.6666666666666666666666666667");
        row("dividend's scale kept", "6.00", "/", "2", "3.00");
        row("exact needs decimals, leading zeros do not count", "1", "/", "000000000000000000000000000000008",
            "0.125");
        row("quotient ties up", at(28, "3"), "/", "2", at(28, "2"));
        row("quotient just above tie", Tiny, "/", "1.9999999999999999999999999999", Tiny);
        row("divisor wider than 64 bits", "1", "/", "12345678901234567890123.456789",
            "0.0000000000000000000000810000");
        row("largest / 0.1", Max, "/", "0.1", None);
        row("divide by zero", "1", "/", "0.00", None);

        row("round a negative tie in the decimals", "-0.125", "round", "2", "-0.13 -0.12");
        row("far digit breaks the tie", "2.5000000001", "round", "0", "3 3");
        row("rounding carries", "9.995", "round", "2", "10.00 10.00");
        row("fewer decimals stay", "1.2", "round", "5", "1.2 1.2");

        row("int64 min", "-9223372036854775808.7", "int", "", "-9223372036854775808");
        row("past int64 max", "9223372036854775808", "int", "", None);
        row("past int64 min", "-9223372036854775809", "int", "", None);
    }
    void table() {
        QFETCH(QString, a);
        QFETCH(QString, op);
        QFETCH(QString, b);
        const std::optional<Decimal> x = dec(a), y = dec(b);
        QVERIFY(op.isEmpty() || (x && (y || op == "int")));
        std::optional<Decimal> r = x;
        if (op == "+") r = x->add(*y);
        if (op == "-") r = x->subtract(*y);
        if (op == "*") r = x->multiply(*y);
        if (op == "/") r = x->divide(*y);
        if (op == "int") r = x->toInt64() ? std::optional(Decimal::fromInt(*x->toInt64())) : std::nullopt;
        const auto round = [&](R mode) { return x->rounded(b.toInt(), mode).toString(); };
        const QString got = op == "round" ? round(R::HalfAwayFromZero) + ' ' + round(R::HalfEven) : text(r);
        if (op == "+" || op == "*")
            QTEST(text(op == "+" ? y->add(*x) : y->multiply(*x)), "expected"); // commutes
        if (op == "-" && r) QCOMPARE(x->compare(*y), r->isZero() ? 0 : r->isNegative() ? -1 : 1);
        if (op == "int" && r) QTEST(x->truncated().toString(), "expected");
        QTEST(got, "expected");
    }

    void conversions() {
        QCOMPARE(dec("-" + Tiny)->toDouble(), -1e-28);
        QVERIFY(!Decimal::fromParts(0, 0, 0, 2, true).isNegative() && !Decimal().negated().isNegative());
    }
};

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
