#include "documents/amountinwords.h"

#include <array>

namespace AmountInWords {

namespace {

// The words as they are written out: in capitals, each with its blank.
struct Words {
    std::array<QString, 20> units;
    std::array<QString, 10> tens;
    std::array<QString, 10> hundreds;
    QString hundred = QStringLiteral("CEM "), joining = QStringLiteral("E "),
            beforeCents = QStringLiteral(" E "), of = QStringLiteral("DE "),
            thousand = QStringLiteral("MIL ");
    QString million = QString::fromUtf8("MILHÃO "), millions = QString::fromUtf8("MILHÕES ");
    QString billion = QString::fromUtf8("BILHÃO "), billions = QString::fromUtf8("BILHÕES ");

    Words() {
        const char* u[] = {"",        "um ",        "dois ",      "três ",    "quatro ",
                           "cinco ",  "seis ",      "sete ",      "oito ",    "nove ",
                           "dez ",    "onze ",      "doze ",      "treze ",   "quatorze ",
                           "quinze ", "dezesseis ", "dezessete ", "dezoito ", "dezenove "};
        const char* t[] = {"",           "dez ",      "vinte ",   "trinta ",  "quarenta ",
                           "cinquenta ", "sessenta ", "setenta ", "oitenta ", "noventa "};
        const char* h[] = {"",
                           "cento ",
                           "duzentos ",
                           "trezentos ",
                           "quatrocentos ",
                           "quinhentos ",
                           "seiscentos ",
                           "setecentos ",
                           "oitocentos ",
                           "novecentos "};
        for (int i = 0; i < 20; ++i)
            units[i] = QString::fromUtf8(u[i]).toUpper();
        for (int i = 0; i < 10; ++i) {
            tens[i] = QString::fromUtf8(t[i]).toUpper();
            hundreds[i] = QString::fromUtf8(h[i]).toUpper();
        }
    }
};

const Words& words() {
    static const Words w;
    return w;
}

struct CurrencyWords {
    QString unit, units, cent, cents;
};

const CurrencyWords& currencyWords(Currency currency) {
    static const CurrencyWords reais{QStringLiteral("REAL"), QStringLiteral("REAIS"),
                                     QStringLiteral("CENTAVO"), QStringLiteral("CENTAVOS")};
    static const CurrencyWords euros{QStringLiteral("EURO"), QStringLiteral("EUROS"),
                                     QString::fromUtf8("CÊNTIMO"), QString::fromUtf8("CÊNTIMOS")};
    return currency == Currency::Real ? reais : euros;
}

// One group of three digits (0 to 999) in words; 0 gives nothing. "CEM" only for exactly 100.
void appendGroup(QString& out, int v) {
    const Words& w = words();
    if (v == 0) return;
    const int hundreds = v / 100, rest = v % 100;
    if (hundreds > 0) {
        if (rest == 0) {
            out += hundreds == 1 ? w.hundred : w.hundreds[hundreds];
            return;
        }
        out += w.hundreds[hundreds];
        out += w.joining;
    }
    if (rest < 20) {
        out += w.units[rest];
        return;
    }
    out += w.tens[rest / 10];
    if (rest % 10 != 0) {
        out += w.joining;
        out += w.units[rest % 10];
    }
}

// The value in whole cents (it fits: at most 99.999.999.999.999 cents).
std::int64_t centsOf(const Decimal& value) {
    const Decimal rounded = value.rounded(2, Decimal::Rounding::HalfAwayFromZero);
    std::array<char, Decimal::MaxDigits> digits;
    const int count = rounded.digits(digits);
    std::int64_t cents = 0;
    for (int i = 0; i < count; ++i)
        cents = cents * 10 + (digits[i] - '0');
    for (int s = rounded.scale(); s < 2; ++s)
        cents *= 10;
    return cents;
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
    const Words& w = words();
    const CurrencyWords& money = currencyWords(currency);
    // Twelve integer digits and two decimals, cut into billions, millions, thousands, units, cents.
    const std::int64_t all = centsOf(value);
    const std::int64_t integer = all / 100;
    const int cents = int(all % 100);
    const int billions = int(integer / 1000000000), millions = int(integer / 1000000 % 1000),
              thousands = int(integer / 1000 % 1000), units = int(integer % 1000);
    const auto centWord = [&] { return withCurrency ? (cents == 1 ? money.cent : money.cents) : QString(); };

    QString r;
    r.reserve(160);
    if (integer == 0) {
        appendGroup(r, cents);
        return r + centWord();
    }
    if (billions != 0) {
        appendGroup(r, billions);
        r += billions > 1 ? w.billions : w.billion;
    }
    // "DE" before the currency only after a round million or billion.
    if (millions == 0 && thousands == 0 && units == 0) {
        r += w.of;
    } else {
        if (!r.isEmpty() && millions > 0) r += w.joining;
        if (millions != 0) {
            appendGroup(r, millions);
            r += millions > 1 ? w.millions : w.million;
        }
    }
    if (millions > 0 && thousands == 0 && units == 0) {
        r += w.of;
    } else {
        if (!r.isEmpty() && thousands > 0) r += w.joining;
        if (thousands != 0) {
            appendGroup(r, thousands);
            r += w.thousand;
        }
    }
    if (units != 0 && !r.isEmpty()) r += w.joining;
    appendGroup(r, units);
    if (withCurrency) r += integer == 1 ? money.unit : money.units;
    if (cents != 0) {
        r += w.beforeCents;
        appendGroup(r, cents);
        r += centWord();
    }
    return r;
}

std::optional<QString> write(const QString& value, const Separators& separators, bool withCurrency,
                             Currency currency) {
    const std::optional<Decimal> number = Decimal::parse(value, separators.decimal, separators.group);
    if (!number) return std::nullopt;
    return write(*number, withCurrency, currency);
}

QString refusalText() {
    return QString::fromUtf8("Dados inválidos para se converter por extenso");
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
