#pragma once
// Grouping the interest reports of the tape: every report written by the installment calculator
// carries its initial value, its interest and its final value, each on the line after its label.
// The grouping adds them up, report by report, in money of four decimal places, and writes the three
// sums as a block of its own.

#include "core/decimal.h"
#include "core/numberpattern.h"

#include <QString>

struct ReportLabels {
    QString initial;  // "VALOR INICIAL " (the labels of the current language)
    QString interest; // "JURO TOTAL "
    QString final;    // "VALOR FINAL "
};

struct ReportSums {
    Decimal initial;
    Decimal interest;
    Decimal final;
};

// Scans the tape for each occurrence of the initial value's label ending a line; from there the
// next interest and final labels are read the same way. An amount that is no number adds nothing.
ReportSums sumReports(const QString& tape, const ReportLabels& labels, const Separators& separators);

// The block of the sums: title, rule, the three labelled sums right-aligned, separator.
struct SumsBlockTexts {
    QString title;    // " TOTAL DAS CAPITALIZAÇÕES:"
    QString initial;  // "VALOR INICIAL:"
    QString interest; // "    VALOR JURO:"
    QString final;    // " VALOR FINAL:"
};
QString sumsBlock(const ReportSums& sums, const SumsBlockTexts& texts, const Separators& separators);
