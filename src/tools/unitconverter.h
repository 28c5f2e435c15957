#pragma once
// The unit converter's arithmetic. Its table is data (resources/units.tsv, compiled into the
// program): each source unit has up to four results, each a unit name and a chain of steps applied
// to the typed value from left to right in double precision, so that "v * 14.50377 * 6.8948" gives
// the product of the two constants and not a rounded one. Adding a unit is adding lines to the file.

#include "core/numberpattern.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct ConversionStep {
    char op = '*'; // one of * / + -
    double constant = 1;
};

struct Conversion {
    QString unit;
    QList<ConversionStep> steps;
    // The steps applied to `value` in order; not finite when the result does not fit a double.
    double apply(double value) const;
};

struct SourceUnit {
    QString name;
    QList<Conversion> results;
};

class UnitTable {
  public:
    static constexpr int MaxResults = 4; // the window has four result rows

    // The table compiled into the program.
    static const UnitTable& shipped();
    // "source TAB result TAB formula" lines; comments (#) and blank lines skipped. A line that does
    // not read, or a fifth result of one unit, is skipped with a warning.
    static UnitTable parse(const QByteArray& tsv);

    const QList<SourceUnit>& units() const { return m_units; }
    // The indexes of the units whose name holds `search`, ignoring case and accents ("pes" finds
    // "Pés (feet)"); every unit for an empty search.
    QList<int> matching(const QString& search) const;

  private:
    QList<SourceUnit> m_units;
    QStringList m_searchKeys; // each name folded for the search
};

// One filled result row: the unit's name and the value formatted, or `overflow` with no value.
struct ConvertedRow {
    QString unit;
    QString value;
    bool overflow = false;
};

namespace UnitConverter {

// The number in a value field: digits with the locale's group separators, one decimal separator and
// a minus sign at either end; std::nullopt for anything else (empty text included). A value too
// large for a double reads as infinity, which every row then reports as an overflow.
std::optional<double> parseValue(const QString& text, const Separators& seps);
// "#,##0.##########" after the value has been taken to 15 significant digits (as a number is turned
// into text), so binary noise never shows: grouped thousands, up to ten decimals, none when whole.
QString format(double value, const Separators& seps);
// The value field's text once the user leaves it: the number formatted, or the text as it is.
QString reformat(const QString& text, const Separators& seps);
// The rows of `unit` for `value`, in the table's order.
QList<ConvertedRow> convert(const SourceUnit& unit, double value, const Separators& seps);
// What the clipboard receives for one result: "1 Bar = 14,50377 PSI".
QString copyText(const QString& valueText, const QString& source, const ConvertedRow& row);

} // namespace UnitConverter
