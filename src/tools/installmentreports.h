#pragma once
// The reports the installment tools write on the tape: 26-column lines, each label on a line of its
// own with its amount on the next one, which is how the tape's grouping finds the initial value,
// the total interest and the final value of every report.

#include "core/numberpattern.h"
#include "tools/installments.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The labels of the reports in one language, and whether the day words and the heading are English.
struct ReportWording {
    QString initial;     // "VALOR INICIAL "
    QString count;       // "QTD.PARCELAS "
    QString installment; // "VLR.PARCELA "
    QString rate;        // "JURO a.m. "
    QString interest;    // "JURO TOTAL "
    QString final;       // "VALOR FINAL "
    QString days;        // "QTD.DIAS "
    QString upfront;     // "  à vista"
    bool english = false;

    // The catalogue's labels in `language`; the dated plan writes Portuguese words whatever it is.
    static ReportWording inLanguage(int language, bool portugueseWords = false);
};

// The fields of the installment calculator as they read when its report is written.
struct InstallmentFigures {
    QString initial;     // txtValVista
    QString count;       // txtParcelas
    QString installment; // txtValPrest
    QString rate;        // txtJuroAp
    QString days;        // txtDias
    QString interest;    // txtJuroTot
    QString final;       // txtValFinal
    // The dated plan's own fields.
    QString firstPayment; // txt1Parcela
    QString dueDay;       // txtDiaVct

    // The loan these fields describe (the dated plan's due dates counted from `today`).
    Loan loan(const Separators& separators, const QDate& today = {}, bool dated = false) const;
    double rateValue(const Separators& separators) const;
    double installmentValue(const Separators& separators) const;
};

QString installmentReport(const InstallmentFigures& figures, const ReportWording& wording,
                          const Separators& separators);
// The dated plan's report: its heading line and each installment carry their dates, written with
// the first 8 characters of the locale's date pattern ("dd/mm/yy").
QString datedInstallmentReport(const InstallmentFigures& figures, const QDate& today,
                               const QString& datePattern, const ReportWording& wording,
                               const Separators& separators);

// Savings and the cheque discount: from `initial` (in cents already) to `final` over `days` at
// `rate` a month, from `start`.
struct CapitalisationFigures {
    double initial = 0;
    int days = 0;
    double final = 0;
    double rate = 0;
    QDate start;
};
QString capitalisationReport(const CapitalisationFigures& figures, const QString& datePattern,
                             const ReportWording& wording, const Separators& separators);

// A date as the reports write it: the first 8 characters of "dd/mm/yyyy" or "mm/dd/yyyy".
QString reportDate(const QDate& date, const QString& datePattern);

// The schedule as tab-separated text, one line per installment under a line of `headers`, for a
// spreadsheet.
QString scheduleText(const QList<ScheduleRow>& rows, const QStringList& headers, const QString& datePattern,
                     const Separators& separators);
