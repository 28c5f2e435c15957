#pragma once
// The display formats of the number menu: index -> number pattern.

#include <QString>

namespace DisplayFormat {
inline constexpr int Floating = 0;    // currency, floating decimal separator
inline constexpr int Fixed = 1;       // currency, digits typed in cents
inline constexpr int Traditional = 2; // no trailing zeros
inline const QString FloatingPattern = QStringLiteral("#,##0.00####");

// Menu index as stored in "Formato": 0, 1, 2, then 3..10 for 1..8 fixed decimals.
bool isValidIndex(int index);
QString pattern(int index);
// Pattern characters after "." (6 for the currency formats, 10 for the traditional one): how many
// decimals the entry may take.
int decimalPlaces(int index);
} // namespace DisplayFormat
