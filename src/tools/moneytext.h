#pragma once
// How the installment tools turn their double-precision figures into text and back. A double is
// seen as its 15 significant digits (what the classic runtime shows for one), so 105.585, stored as
// 105.58499999999999..., is written "105,59" like a person expects. Money is "#,##0.00" rounded half
// away from zero from those digits.

#include "core/decimal.h"
#include "core/numberpattern.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace MoneyText {

// The largest amount a money field takes (twelve integer digits); searches that pass far beyond it
// end as failures, so that cents always fit a double exactly.
inline constexpr double MaxAmount = 999999999999.99;

// The value's 15 significant digits as a Decimal; nullopt for a value that is not finite or does
// not fit one.
std::optional<Decimal> decimalOf(double value);

// "#,##0.00" of the value; "0,00" for one that is not finite.
QString money(double value, const Separators& separators);

// The value rounded to cents as money() rounds it, in whole cents; nullopt when not finite or
// beyond 9e15 (the searches call this millions of times, so it avoids building text).
std::optional<std::int64_t> cents(double value);

// The plain text of a number: at most 15 significant digits, no trailing zeros, no grouping
// ("1,5", "0,333333333333333", "15").
QString plain(double value, QChar decimal);

// A field's number as the locale writes it ("1.234,56"; "" and text that is no number give nullopt).
std::optional<double> read(const QString& text, const Separators& separators);

// A field's number rounded to four decimals, as a currency value is kept.
std::optional<double> readCurrency(const QString& text, const Separators& separators);

// The leading number of a text as the classic Val() reads it: blanks skipped, digits with "." as
// the only decimal point, up to the first other character ("0,50" reads 0, "1.000,00" reads 1).
double leadingNumber(const QString& text);

// A number with a pattern of the number-pattern notation ("00", "000", "#0.0#####").
QString pattern(double value, const QString& numberPattern, const Separators& separators);

} // namespace MoneyText
