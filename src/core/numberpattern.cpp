#include "core/numberpattern.h"

#include <algorithm>

NumberPattern::NumberPattern(const QString& pattern) {
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('.')) {
            afterPoint = true;
            m_hasPoint = true;
        } else if (c == QLatin1Char('0')) {
            ++(afterPoint ? m_minDecimals : m_minIntegerDigits);
            if (afterPoint) ++m_maxDecimals;
        } else if (c == QLatin1Char('#')) {
            if (afterPoint) ++m_maxDecimals;
        } else if (c == QLatin1Char(',') && !afterPoint) {
            m_grouping = true;
        }
    }
    // Nothing has more decimals than the arithmetic carries.
    m_maxDecimals = std::min(m_maxDecimals, int(Decimal::MaxScale));
    m_minDecimals = std::min(m_minDecimals, m_maxDecimals);
}

QString NumberPattern::format(const Decimal& value, const Separators& seps) const {
    const Decimal v = value.rounded(m_maxDecimals, Decimal::Rounding::HalfAwayFromZero);
    std::array<char, Decimal::MaxDigits> digits;
    const int count = v.digits(digits);
    const int scale = v.scale();
    // Digit k of the fraction (0 = first after the separator); zeros where the mantissa is shorter
    // than the scale or the pattern pads past it.
    const auto decimalAt = [&](int k) {
        const int index = count - scale + k;
        return k < scale && index >= 0 ? digits[index] : '0';
    };

    int decimals = scale;
    while (decimals > m_minDecimals && decimalAt(decimals - 1) == '0')
        --decimals;
    decimals = std::max(decimals, m_minDecimals);

    const int significant = std::max(0, count - scale);
    const int integerDigits = std::max(significant, m_minIntegerDigits);
    const int groupSeparators = m_grouping && integerDigits > 0 ? (integerDigits - 1) / 3 : 0;
    const bool negative = v.isNegative();
    const int length = int(negative) + integerDigits + groupSeparators + int(m_hasPoint) + decimals;

    QString out(length, Qt::Uninitialized);
    QChar* p = out.data();
    if (negative) *p++ = QLatin1Char('-');
    for (int k = 0; k < integerDigits; ++k) {
        if (m_grouping && k > 0 && (integerDigits - k) % 3 == 0) *p++ = seps.group;
        const int index = k - (integerDigits - significant);
        *p++ = QLatin1Char(index >= 0 ? digits[index] : '0');
    }
    if (m_hasPoint) *p++ = seps.decimal;
    for (int k = 0; k < decimals; ++k)
        *p++ = QLatin1Char(decimalAt(k));
    return out;
}

QString formatMoney(const QString& value, const Separators& seps) {
    static const NumberPattern money(QStringLiteral("#,##0.00"));
    const auto parsed = Decimal::parse(value, seps.decimal, seps.group);
    return money.format(parsed.value_or(Decimal()), seps);
}
