#pragma once
// What the program takes from the user's locale once at start and keeps for the whole run: the
// short-date order and the two number separators that number entry and the date tools rely on.

#include <QChar>
#include <QLocale>
#include <QString>

struct LocaleFacts {
    QString datePattern;    // "dd/mm/yyyy" or "mm/dd/yyyy"
    QChar decimalSeparator; // after the clash rule below
    QChar groupSeparator;   // the locale's own; a null QChar when it has none
    bool separatorsClashed = false;
};

// A locale whose thousands separator equals its decimal separator cannot be read back, so the
// program uses another decimal separator for the rest of its run: "," when both are ".", "."
// otherwise. The user's locale settings themselves are left alone.
struct DecimalChoice {
    QChar decimal;
    bool clashed = false;
};
DecimalChoice resolveDecimalSeparator(QChar decimal, QChar thousands);

// Day-first when the locale's short date of 31 December 2000 starts with "31"; the decimal
// separator is the second character of the locale's text of 1.32.
LocaleFacts readLocaleFacts(const QLocale& locale);
