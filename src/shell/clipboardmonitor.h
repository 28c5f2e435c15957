#pragma once
// The clipboard monitor: while it is on, what another program copies is added to the calculation.
// A copied number is added once; a block of two columns (Tab between the cells, as a spreadsheet or
// a word processor's table copies them) is multiplied row by row, each product is added, and the
// products go back on the clipboard for the user to paste. The calculator's own copies (its totals,
// the display, those products, text copied from the tape) are never taken back.

#include "core/decimal.h"
#include "core/numberpattern.h"

#include <QString>
#include <QStringList>
#include <optional>

class Clipboard;
class Engine;

namespace ClipboardMonitor {

// A cell of a copied line as a number: blanks are removed, a currency sign before or after the
// number ("R$ 1.234,56", "-R$ 5", "12 €") is dropped, and group separators count only where they
// group thousands ("1.234,56" is 1234,56 with Brazilian separators, "1.5" is no number at all, so
// a number written for another locale is never added wrongly).
std::optional<Decimal> cellNumber(QStringView cell, const Separators& separators);

// What a copied text gives. `entries` are the numbers to add, in the entry's own form for the
// display format `formatIndex` (in time mode, the typed digits of "h:mm" or "h:mm:ss" cells);
// `products` the products of a two-column block, "#,##0.00", one per line with CR LF between them.
// A line counts by its numeric cells: one gives that number, two their product; a block where some
// line has two leaves out its lines of one (a price without its quantity is no product). Lines of
// no number (a heading) or of more than two are left out. A number longer than the display's 22
// characters is left out rather than cut.
struct Reading {
    QStringList entries;
    QString products;
};
Reading read(const QString& text, const Separators& separators, int formatIndex, bool timeMode);

// Whether a new clipboard text is left alone before it is read: empty, starting with "(" (the
// amount in words and the unit converter's copies), the text the calculator itself last put there
// or saw (`last`), or a number equal to `last` once both are shown in `pattern`.
bool leavesAlone(const QString& text, const QString& last, const Separators& separators,
                 const QString& pattern);

enum class Step { LeftAlone, Added, NoNumber };
// One step of the monitor on a change of the clipboard: reads it, adds what it holds to `engine`,
// puts the products on the clipboard, and remembers what it saw so that it is never taken twice.
// NoNumber: the text held no usable number (the caller warns with message 20).
Step take(Engine& engine, Clipboard& clipboard);

} // namespace ClipboardMonitor
