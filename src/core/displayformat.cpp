#include "core/displayformat.h"

namespace DisplayFormat {

bool isValidIndex(int index) {
    return index >= 0 && index <= 10;
}

QString pattern(int index) {
    if (index == Floating || index == Fixed) return FloatingPattern;
    if (index >= 3 && index <= 10) return QStringLiteral("#,##0.") + QString(index - 2, QLatin1Char('0'));
    return QStringLiteral("#,##0.##########");
}

int decimalPlaces(int index) {
    const QString p = pattern(index);
    return int(p.size() - p.indexOf(QLatin1Char('.')) - 1);
}

} // namespace DisplayFormat
