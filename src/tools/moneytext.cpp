#include "tools/moneytext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace MoneyText {

namespace {

// The 15 significant digits of |value| as an integer mantissa and the power of ten of its first
// digit: value = mantissa * 10^(exponent - 14).
struct Digits {
    std::int64_t mantissa = 0;
    int exponent = 0;
};

Digits digitsOf(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    Digits d;
    for (const char* p = text; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.mantissa = d.mantissa * 10 + (*p - '0');
    if (const char* e = std::strchr(text, 'e')) d.exponent = std::atoi(e + 1);
    return d;
}

std::int64_t powerOfTen(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

std::optional<Decimal> decimalOf(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (value == 0) return Decimal();
    const Digits d = digitsOf(value);
    // mantissa * 10^(exponent - 14), as text the Decimal parser reads.
    QString text = QString::number(d.mantissa);
    const int shift = d.exponent - 14;
    if (shift >= 0) {
        text += QString(shift, QLatin1Char('0'));
    } else {
        const int decimals = -shift;
        if (text.size() <= decimals) text = QString(decimals - text.size() + 1, QLatin1Char('0')) + text;
        text.insert(text.size() - decimals, QLatin1Char('.'));
    }
    if (value < 0) text.prepend(QLatin1Char('-'));
    return Decimal::parse(text, QLatin1Char('.'), QChar());
}

QString money(double value, const Separators& separators) {
    static const NumberPattern pattern(QStringLiteral("#,##0.00"));
    return pattern.format(decimalOf(value).value_or(Decimal()), separators);
}

std::optional<std::int64_t> cents(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9e15) return std::nullopt;
    if (value == 0) return 0;
    const Digits d = digitsOf(value);
    // cents = mantissa * 10^(exponent - 12), rounded half away from zero.
    const int shift = d.exponent - 12;
    std::int64_t c = 0;
    if (shift >= 0) {
        c = d.mantissa * powerOfTen(shift);
    } else if (shift >= -15) {
        const std::int64_t unit = powerOfTen(-shift);
        c = d.mantissa / unit;
        if (2 * (d.mantissa % unit) >= unit) ++c;
    }
    return value < 0 ? -c : c;
}

QString plain(double value, QChar decimal) {
    const auto d = decimalOf(value);
    if (!d) return QStringLiteral("0");
    QString text = d->toString(decimal);
    if (text.contains(decimal)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(decimal)) text.chop(1);
    }
    return text;
}

std::optional<double> read(const QString& text, const Separators& separators) {
    const auto d = Decimal::parse(text.trimmed(), separators.decimal, separators.group);
    if (!d) return std::nullopt;
    return d->toDouble();
}

std::optional<double> readCurrency(const QString& text, const Separators& separators) {
    const auto d = Decimal::parse(text.trimmed(), separators.decimal, separators.group);
    if (!d) return std::nullopt;
    return d->rounded(4, Decimal::Rounding::HalfEven).toDouble();
}

double leadingNumber(const QString& text) {
    QString number;
    bool point = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) continue;
        if (c.isDigit()) {
            number += c;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    return number.toDouble();
}

QString pattern(double value, const QString& numberPattern, const Separators& separators) {
    return NumberPattern(numberPattern).format(decimalOf(value).value_or(Decimal()), separators);
}

} // namespace MoneyText
