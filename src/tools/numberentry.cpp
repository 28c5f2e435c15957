#include "tools/numberentry.h"

std::optional<QChar> admitNumberKey(QChar key, const QString& kept, QChar decimal, bool minusAllowed) {
    if (key.isDigit() && key.unicode() < 128) return key;
    if (key == QLatin1Char(',') || key == QLatin1Char('.') || key == decimal) {
        if (kept.contains(decimal)) return std::nullopt;
        return decimal;
    }
    if (key == QLatin1Char('-') && minusAllowed) return key;
    return std::nullopt;
}

QString fieldNumber(const Decimal& value, QChar decimal) {
    QString text = value.toString(decimal);
    if (text.contains(decimal)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(decimal)) text.chop(1);
    }
    return text;
}
