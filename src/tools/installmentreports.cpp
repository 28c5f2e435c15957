#include "tools/installmentreports.h"

#include "i18n/messagecatalog.h"
#include "tools/moneytext.h"

namespace {

constexpr int Width = 26;

QString right(const QString& text, int width, QChar fill = QLatin1Char(' ')) {
    return text.rightJustified(width, fill);
}

// A label on a line of its own, right-aligned so that it ends the line. The few translations longer
// than a line are broken between words over two lines; their last line still ends with the label.
QStringList labelLines(const QString& label) {
    if (label.size() <= Width) return {right(label, Width)};
    QStringList lines;
    QString line;
    for (const QString& word : label.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > Width - 1) {
            lines.append(right(line, Width));
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word.left(Width - 1);
    }
    lines.append(right(line + QLatin1Char(' '), Width));
    return lines;
}

QString heading(const ReportWording& w) {
    return w.english ? QStringLiteral(" =========== CALCULATION =")
                     : QString::fromUtf8(" =============== CÁLCULO =");
}

QString daysWord(const ReportWording& w) {
    return w.english ? QStringLiteral(" days") : QStringLiteral(" dias");
}

// Lines 1 to 10 of an installment report: the four labelled figures under a rule, then the heading.
QStringList installmentHeader(const InstallmentFigures& f, const ReportWording& w) {
    QStringList lines{QStringLiteral(" =========================")};
    lines << labelLines(w.initial) << right(f.initial, 25) + QLatin1Char(' ');
    lines << labelLines(w.count) << right(f.count, 23) + QStringLiteral(" x ");
    lines << labelLines(w.installment) << right(f.installment, 25) + QLatin1Char(' ');
    lines << labelLines(w.rate) << right(f.rate, 23) + QStringLiteral(" % ");
    lines << heading(w);
    return lines;
}

// The closing lines: the final balance, then the labelled total interest and final value.
QStringList installmentFooter(const InstallmentFigures& f, double finalBalance, const ReportWording& w,
                              const Separators& s) {
    QStringList lines{right(MoneyText::money(finalBalance, s), 24) + QStringLiteral(" T"), QString()};
    lines << labelLines(w.interest) << right(f.interest, 25) + QLatin1Char(' ') << QString();
    lines << labelLines(w.final) << right(f.final, 25) + QLatin1Char(' ');
    return lines;
}

QString joined(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

int wholeNumber(const QString& text) {
    return text.trimmed().toInt();
}

} // namespace

ReportWording ReportWording::inLanguage(int language, bool portugueseWords) {
    const auto m = [language](int n) { return MessageCatalog::message(n, language); };
    ReportWording w{m(154), m(155), m(156), m(157), m(158), m(159), m(160), m(150), false};
    w.english = language == Language::English && !portugueseWords;
    return w;
}

double InstallmentFigures::rateValue(const Separators& s) const {
    return MoneyText::read(rate, s).value_or(0);
}

double InstallmentFigures::installmentValue(const Separators& s) const {
    return MoneyText::read(installment, s).value_or(0);
}

Loan InstallmentFigures::loan(const Separators& s, const QDate& today, bool dated) const {
    Loan l;
    l.initial = MoneyText::read(initial, s).value_or(0);
    l.count = wholeNumber(count);
    l.firstDays = wholeNumber(days);
    if (!dated) return l;
    const double first = MoneyText::read(firstPayment, s).value_or(0);
    if (first > 0) l.firstPayment = first;
    const int day = wholeNumber(dueDay);
    if (day >= 1) l.periodDays = periodDaysOf(dueDates(today, l.firstDays, l.count, day));
    return l;
}

QString installmentReport(const InstallmentFigures& f, const ReportWording& w, const Separators& s) {
    const Loan loan = f.loan(s);
    const double rate = f.rateValue(s);
    QList<double> b;
    loan.finalBalance(rate, f.installmentValue(s), &b);
    QStringList lines = installmentHeader(f, w);
    lines << right(f.initial, 24) + QStringLiteral(" T");
    for (int i = 1; i <= loan.count; ++i) {
        const double r = loan.periodRate(i, rate);
        const QString r8 = MoneyText::plain(r, s.decimal).left(8);
        const QString period = i > 1 ? QStringLiteral("  30") + daysWord(w)
                               : loan.firstDays == 0
                                   ? w.upfront
                                   : right(QString::number(loan.firstDays), 4) + daysWord(w);
        lines << right(MoneyText::money(b[i - 1], s), 24) + QStringLiteral(" +");
        lines << QString(qMax(0, 11 - int(r8.size())), QLatin1Char(' ')) + period + QStringLiteral(" (") +
                     r8 + QStringLiteral("%) =");
        lines << right(MoneyText::money(b[i - 1] * (1 + r / 100), s), 24) + QStringLiteral(" -");
        lines << QLatin1Char(' ') + MoneyText::pattern(i, QStringLiteral("000"), s) + QString::fromUtf8("ª") +
                     right(f.installment, 19) + QStringLiteral(" =");
    }
    lines << installmentFooter(f, b.last(), w, s);
    return joined(lines);
}

QString datedInstallmentReport(const InstallmentFigures& f, const QDate& today, const QString& datePattern,
                               const ReportWording& w, const Separators& s) {
    const Loan loan = f.loan(s, today, true);
    const double rate = f.rateValue(s);
    const double installment = f.installmentValue(s);
    const QList<QDate> dates = dueDates(today, loan.firstDays, loan.count, wholeNumber(f.dueDay));
    QList<double> b;
    loan.finalBalance(rate, installment, &b);
    QStringList lines = installmentHeader(f, w);
    lines << QLatin1Char(' ') + reportDate(today, datePattern) + right(f.initial, 15) + QStringLiteral(" T");
    for (int i = 1; i <= loan.count; ++i) {
        const double r = loan.periodRate(i, rate);
        const QString r8 = MoneyText::plain(r, s.decimal).left(8);
        QString period;
        if (i == 1)
            period = loan.firstDays == 0
                         ? QString::fromUtf8(" à vista ")
                         : right(QString::number(loan.firstDays), 3) + daysWord(w) + QLatin1Char(' ');
        else if (!loan.periodDays.isEmpty())
            period = right(MoneyText::pattern(loan.periodDays[i - 2], QStringLiteral("00"), s), 3) +
                     daysWord(w) + QLatin1Char(' ');
        else
            period = QStringLiteral(" 30") + daysWord(w) + QLatin1Char(' ');
        const QString paid = i == 1 && loan.firstPayment ? f.firstPayment : f.installment;
        lines << right(MoneyText::money(b[i - 1], s), 24) + QStringLiteral(" +");
        lines << period + QString(qMax(0, 11 - int(r8.size())), QLatin1Char(' ')) + QStringLiteral(" (") +
                     r8 + QStringLiteral("%) =");
        lines << QLatin1Char(' ') + reportDate(dates.value(i - 1), datePattern) +
                     right(MoneyText::money(b[i - 1] * (1 + r / 100), s), 15) + QStringLiteral(" -");
        lines << QLatin1Char(' ') + MoneyText::pattern(i, QStringLiteral("000"), s) + QString::fromUtf8("ª") +
                     right(paid, 19, QLatin1Char('.')) + QStringLiteral(" =");
    }
    lines << installmentFooter(f, b.last(), w, s);
    return joined(lines);
}

QString capitalisationReport(const CapitalisationFigures& f, const QString& datePattern,
                             const ReportWording& w, const Separators& s) {
    const QString initial = MoneyText::money(f.initial, s);
    const QString final = MoneyText::money(f.final, s);
    const QString rate = MoneyText::plain(f.rate, s.decimal);
    QStringList lines{QStringLiteral(" =========================")};
    lines << labelLines(w.initial) << right(initial, 25) + QLatin1Char(' ');
    lines << labelLines(w.days) << right(QString::number(f.days), 25) + QLatin1Char(' ');
    lines << labelLines(w.final) << right(final, 25) + QLatin1Char(' ');
    lines << labelLines(w.rate) << right(rate, 23) + QStringLiteral(" % ");
    lines << heading(w);
    lines << QLatin1Char(' ') + reportDate(f.start, datePattern) + right(initial, 15) + QStringLiteral(" +");
    const int months = f.days / 30;
    const int rest = f.days - 30 * months;
    const QString j7 = rate.left(7);
    double amount = f.initial;
    for (int k = 1; k <= months; ++k) {
        // Each month's amount is rounded to the cent before the next month's interest.
        amount = double(MoneyText::cents(amount + amount * f.rate / 100).value_or(0)) / 100;
        lines << QString(qMax(0, 13 - int(j7.size())), QLatin1Char(' ')) + QStringLiteral("30") +
                     daysWord(w) + QStringLiteral(" (") + j7 + QStringLiteral("%) =");
        lines << right(MoneyText::money(amount, s), 24) +
                     (k == months && rest == 0 ? QStringLiteral(" T") : QStringLiteral(" +"));
    }
    if (rest != 0) {
        const QString q7 = MoneyText::plain(f.rate / 30 * rest, s.decimal).left(7);
        lines << QString(qMax(0, 13 - int(q7.size())), QLatin1Char(' ')) +
                     MoneyText::pattern(rest, QStringLiteral("00"), s) + daysWord(w) + QStringLiteral(" (") +
                     q7 + QStringLiteral("%) =");
        lines << QLatin1Char(' ') + reportDate(f.start.addDays(f.days), datePattern) + right(final, 15) +
                     QStringLiteral(" T");
    }
    lines << QString();
    lines << labelLines(w.interest) << right(MoneyText::money(f.final - f.initial, s), 25) + QLatin1Char(' ');
    return joined(lines);
}

QString reportDate(const QDate& date, const QString& datePattern) {
    QString format = datePattern.left(8);
    format.replace(QStringLiteral("mm"), QStringLiteral("MM"));
    return date.toString(format);
}

QString scheduleText(const QList<ScheduleRow>& rows, const QStringList& headers, const QString& datePattern,
                     const Separators& s) {
    QString format = datePattern;
    format.replace(QStringLiteral("mm"), QStringLiteral("MM"));
    QString text = headers.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const ScheduleRow& r : rows)
        text += QStringList{r.due.toString(format), MoneyText::money(r.payment, s),
                            MoneyText::money(r.interest, s), MoneyText::money(r.principal, s),
                            MoneyText::money(r.balance, s)}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    return text;
}
