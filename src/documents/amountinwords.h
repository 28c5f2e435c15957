#pragma once
// An amount written out in Brazilian Portuguese words, as it goes on a cheque or a promissory note:
// 1234,56 is "UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS". The words are
// always Portuguese; only the currency follows the system's locale (reais in Brazil, euros
// elsewhere). Every word keeps the blank that follows it, also without the currency words: callers
// glue more words after them ("QUINZE " + "DIAS DO MÊS DE ").

#include "core/decimal.h"
#include "core/numberpattern.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <utility>

namespace AmountInWords {

enum class Currency { Real, Euro };

// Reais for a Brazilian locale, euros for any other (Portugal's included).
Currency currencyFor(const QLocale& locale);

// The words in capitals, or nothing when the value is outside 0,01 to 999.999.999.999,99. The value
// is rounded to cents first.
std::optional<QString> write(const Decimal& value, bool withCurrency, Currency currency = Currency::Real);
// The same for a text in the locale's notation ("1.234,56"); a text that is no number is refused.
std::optional<QString> write(const QString& value, const Separators& separators, bool withCurrency,
                             Currency currency = Currency::Real);

// What the user is told when a value is refused (Portuguese only, as the words are).
QString refusalText();

// The smallest and the largest amount that can be written out.
Decimal smallest();
Decimal largest();

// The words (already in parentheses) laid over the two lines of a form: line 1 takes at most
// `firstLineLength` characters and ends at a blank, so no word is cut; line 2 takes the rest. Each
// line then gets its filler of asterisks, which the field cuts off where it ends.
std::pair<QString, QString> splitOverTwoLines(const QString& words, int firstLineLength);
QString firstLineFiller();  // 35 asterisks, each followed by a blank but the last
QString secondLineFiller(); // 37 asterisks, each preceded by a blank

} // namespace AmountInWords
