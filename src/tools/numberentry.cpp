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
