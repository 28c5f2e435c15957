#include "documents/amountinwords.h"

#include <array>

namespace AmountInWords {

namespace {

const std::array<const char*, 20> Units = {"",        "um ",        "dois ",      "três ",    "quatro ",
                                           "cinco ",  "seis ",      "sete ",      "oito ",    "nove ",
                                           "dez ",    "onze ",      "doze ",      "treze ",   "quatorze ",
                                           "quinze ", "dezesseis ", "dezessete ", "dezoito ", "dezenove "};
const std::array<const char*, 10> Tens = {"",           "dez ",      "vinte ",   "trinta ",  "quarenta ",
                                          "cinquenta ", "sessenta ", "setenta ", "oitenta ", "noventa "};
const std::array<const char*, 10> Hundreds = {"",
                                              "cento ",
                                              "duzentos ",
                                              "trezentos ",
                                              "quatrocentos ",
                                              "quinhentos ",
                                              "seiscentos ",
                                              "setecentos ",
                                              "oitocentos ",
                                              "novecentos "};

struct CurrencyWords {
    const char* unit;
    const char* units;
    const char* cent;
    const char* cents;
};
constexpr CurrencyWords Reais{"REAL", "REAIS", "CENTAVO", "CENTAVOS"};
constexpr CurrencyWords Euros{"EURO", "EUROS", "CÊNTIMO", "CÊNTIMOS"};

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// One group of three digits (0 to 999) in words; 0 gives nothing. "cem" only for exactly 100.
QString group(int v) {
    if (v == 0) return {};
    const int hundreds = v / 100, rest = v % 100;
    QString out;
    if (hundreds > 0) {
        if (rest == 0) return hundreds == 1 ? QStringLiteral("cem ") : u8(Hundreds[hundreds]);
        out = u8(Hundreds[hundreds]) + QStringLiteral("e ");
    }
    if (rest < 20) return out + u8(Units[rest]);
    out += u8(Tens[rest / 10]);
    if (rest % 10 != 0) out += QStringLiteral("e ") + u8(Units[rest % 10]);
    return out;
}

} // namespace

Currency currencyFor(const QLocale& locale) {
    return locale.language() == QLocale::Portuguese && locale.territory() == QLocale::Brazil ? Currency::Real
                                                                                             : Currency::Euro;
}

Decimal smallest() {
    return Decimal::fromParts(1, 0, 0, 2, false);
}

Decimal largest() {
    return *Decimal::parse(u"999999999999.99", QLatin1Char('.'), QLatin1Char(','));
}

std::optional<QString> write(const Decimal& value, bool withCurrency, Currency currency) {
    if (value.compare(smallest()) < 0 || value.compare(largest()) > 0) return std::nullopt;
    const CurrencyWords& words = currency == Currency::Real ? Reais : Euros;
    // Twelve integer digits and two decimals, cut into billions, millions, thousands, units, cents.
    static const NumberPattern twelveDigits(QStringLiteral("000000000000.00"));
    const QString digits = twelveDigits.format(value, Separators{QLatin1Char('.'), QLatin1Char(',')});
    const auto part = [&](int from) { return QStringView(digits).mid(from, 3).toInt(); };
    const int billions = part(0), millions = part(3), thousands = part(6), units = part(9);
    const int cents = QStringView(digits).mid(13, 2).toInt();
    const bool integerIsOne = billions == 0 && millions == 0 && thousands == 0 && units == 1;
    const bool integerIsZero = billions == 0 && millions == 0 && thousands == 0 && units == 0;
    const auto centWord = [&] {
        return withCurrency ? u8(cents == 1 ? words.cent : words.cents) : QString();
    };

    QString r;
    if (integerIsZero) {
        r = group(cents) + centWord();
        return r.toUpper();
    }
    if (billions != 0) r += group(billions) + (billions > 1 ? u8("bilhões ") : u8("bilhão "));
    // "de" before the currency only after a round million or billion.
    if (millions == 0 && thousands == 0 && units == 0) {
        r += QStringLiteral("de ");
    } else {
        if (!r.isEmpty() && millions > 0) r += QStringLiteral("e ");
        if (millions != 0) r += group(millions) + (millions > 1 ? u8("milhões ") : u8("milhão "));
    }
    if (millions > 0 && thousands == 0 && units == 0) {
        r += QStringLiteral("de ");
    } else {
        if (!r.isEmpty() && thousands > 0) r += QStringLiteral("e ");
        if (thousands != 0) r += group(thousands) + QStringLiteral("mil ");
    }
    if (units != 0 && !r.isEmpty()) r += QStringLiteral("e ");
    r += group(units);
    if (withCurrency) r += u8(integerIsOne ? words.unit : words.units);
    if (cents != 0) r += QStringLiteral(" e ") + group(cents) + centWord();
    return r.toUpper();
}

std::optional<QString> write(const QString& value, const Separators& separators, bool withCurrency,
                             Currency currency) {
    const std::optional<Decimal> number = Decimal::parse(value, separators.decimal, separators.group);
    if (!number) return std::nullopt;
    return write(*number, withCurrency, currency);
}

QString refusalText() {
    return u8("Dados inválidos para se converter por extenso");
}

std::pair<QString, QString> splitOverTwoLines(const QString& words, int firstLineLength) {
    QString first = words.left(firstLineLength);
    QString second = words.mid(firstLineLength);
    // A word cut at the end of line 1 goes whole to line 2.
    if (words.size() > firstLineLength)
        while (!first.isEmpty() && !first.endsWith(QLatin1Char(' '))) {
            second.prepend(first.back());
            first.chop(1);
        }
    return {first + firstLineFiller(), second + secondLineFiller()};
}

QString firstLineFiller() {
    QString filler = QStringLiteral("* ").repeated(35);
    filler.chop(1);
    return filler;
}

QString secondLineFiller() {
    return QStringLiteral(" *").repeated(37);
}

} // namespace AmountInWords
