#pragma once
// Number patterns of the display formats and of the reports: "#,##0.00####", "#,##0.##########",
// "#,##0.0" to "#,##0.00000000", "#,##0", "#000", "000", "00", "0.00", "000000000000.00",
// "#0.0#####", "#,##0.00" and the like.
//
// Notation: in the integer part "0" is a digit always shown (leading zeros pad to that many digits),
// "#" a digit shown only when significant, "," anywhere in it switches on thousands grouping (groups
// of three). After ".", each "0" is a decimal always shown and each "#" an optional decimal (trailing
// zeros dropped). Values are rounded half away from zero to the number of decimal places the pattern
// allows. A pattern with a "." whose decimals are all optional writes the decimal separator even when
// no decimal remains ("8" with "#,##0.##########" gives "8,"). A negative value that rounds to zero
// is written without a sign. The output uses the given separators.

#include "core/decimal.h"

#include <QChar>
#include <QString>

struct Separators {
    QChar decimal = QLatin1Char(',');
    QChar group = QLatin1Char('.');
};

class NumberPattern {
  public:
    explicit NumberPattern(const QString& pattern);

    QString format(const Decimal& value, const Separators& seps) const;

  private:
    int m_minIntegerDigits = 0;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
    bool m_grouping = false;
    bool m_hasPoint = false;
};

// Money as the documents and tools show it: "#,##0.00"; a non-numeric value gives zero ("0,00").
QString formatMoney(const QString& value, const Separators& seps);
