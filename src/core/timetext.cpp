#include "core/timetext.h"

#include "core/decimal.h"

#include <limits>

namespace TimeText {

std::int64_t toSeconds(const QString& timeText) {
    QString t = timeText.trimmed();
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative) t.remove(0, 1);
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (colon < 0) return 0;
    const std::int64_t hours = t.left(colon).toLongLong();
    const std::int64_t minutes = t.mid(colon + 1, 2).toLongLong();
    const std::int64_t seconds = t.right(2).toLongLong();
    // Hours come from any text the tape or a file held: a count beyond the 64-bit range saturates.
    std::int64_t total = 0;
    if (__builtin_mul_overflow(hours, std::int64_t(3600), &total) ||
        __builtin_add_overflow(total, minutes * 60 + seconds, &total))
        total = std::numeric_limits<std::int64_t>::max();
    return negative ? -total : total;
}

QString fromSeconds(std::int64_t seconds) {
    const bool negative = seconds < 0;
    const std::uint64_t s = negative ? std::uint64_t(0) - std::uint64_t(seconds) : std::uint64_t(seconds);
    const std::uint64_t hours = s / 3600;
    const std::uint64_t minutes = (s - hours * 3600) / 60;
    const std::uint64_t rest = s - hours * 3600 - minutes * 60;
    QString text = QStringLiteral("%1:%2:%3")
                       .arg(hours, 2, 10, QLatin1Char('0'))
                       .arg(minutes, 2, 10, QLatin1Char('0'))
                       .arg(rest, 2, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + text : text;
}

QString convert(const QString& text, QChar decimalSep) {
    if (text.contains(QLatin1Char(':'))) return QString::number(toSeconds(text));
    const auto value = Decimal::parse(text, decimalSep,
                                      decimalSep == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','));
    if (!value) return fromSeconds(0);
    return fromSeconds(value->truncated().toInt64().value_or(0));
}

QString fromTypedDigits(const QString& digits) {
    QString d = digits;
    while (d.startsWith(QLatin1Char('0')))
        d.remove(0, 1);
    while (d.size() < 6)
        d.prepend(QLatin1Char('0'));
    return d.left(d.size() - 4) + QLatin1Char(':') + d.mid(d.size() - 4, 2) + QLatin1Char(':') + d.right(2);
}

} // namespace TimeText
