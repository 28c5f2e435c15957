#pragma once
// What the side tools' number fields let through as the user types: digits, one decimal separator
// (typed as "," or ".", written as the locale's), and a minus sign where the field takes one.
// Pasted text is not filtered here: the tools read it as a number or not at all.

#include "core/decimal.h"

#include <QChar>
#include <QString>
#include <optional>

// The character a typed key puts into the field, or nothing when the key is discarded. `kept` is the
// text that stays around the insertion (a selection being typed over is already gone from it).
std::optional<QChar> admitNumberKey(QChar key, const QString& kept, QChar decimal, bool minusAllowed);

// A number as a tool's field shows it: no grouping, no trailing zeros ("1,7", "20").
QString fieldNumber(const Decimal& value, QChar decimal);
