#pragma once
// Durations as the time mode shows them: "[-]h…h:mm:ss", hours not wrapped at 24.

#include <QString>
#include <cstdint>
#include <optional>

namespace TimeText {
// Both directions of the one conversion the time mode uses: a text with ":" gives its count of
// seconds as decimal text ("1:75:00" -> "8100"), a count of seconds gives the time text
// ("8100" -> "02:15:00"). A leading "-" is kept. Seconds counts may carry decimals (results of
// a division); they are truncated to whole seconds.
QString convert(const QString& text, QChar decimalSep);

std::int64_t toSeconds(const QString& timeText);
QString fromSeconds(std::int64_t seconds);

// The typed digits of the time entry through "#00:00:00": "130" -> "00:01:30".
QString fromTypedDigits(const QString& digits);
} // namespace TimeText
