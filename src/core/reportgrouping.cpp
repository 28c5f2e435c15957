#include "core/reportgrouping.h"

#include "core/tape.h"

ReportSums sumReports(const QString& tape, const ReportLabels& labels, const Separators& separators) {
    const QString initial = labels.initial + TapeLine::CrLf;
    const QString interest = labels.interest + TapeLine::CrLf;
    const QString final = labels.final + TapeLine::CrLf;
    ReportSums sums;
    auto add = [&](Decimal& sum, qsizetype labelAt, const QString& label) {
        if (labelAt < 0) return;
        const auto amount = Decimal::parse(tape.mid(labelAt + label.size(), 26).trimmed(), separators.decimal,
                                           separators.group);
        if (!amount) return;
        if (const auto s = sum.add(amount->rounded(4, Decimal::Rounding::HalfAwayFromZero))) sum = *s;
    };
    for (qsizetype pos = 0;;) {
        const qsizetype i = tape.indexOf(initial, pos);
        if (i < 0) break;
        add(sums.initial, i, initial);
        add(sums.interest, tape.indexOf(interest, i), interest);
        add(sums.final, tape.indexOf(final, i), final);
        pos = i + 1;
    }
    return sums;
}

QString sumsBlock(const ReportSums& sums, const SumsBlockTexts& texts, const Separators& separators) {
    auto sumLine = [&](const Decimal& sum) {
        return formatMoney(sum.toString(separators.decimal), separators)
                   .rightJustified(25, QLatin1Char(' ')) +
               QLatin1Char(' ') + TapeLine::CrLf;
    };
    QString block = texts.title + TapeLine::CrLf + TapeLine::groupRule();
    block += QString(12, QLatin1Char(' ')) + texts.initial + TapeLine::CrLf + sumLine(sums.initial);
    block += QString(11, QLatin1Char(' ')) + texts.interest + TapeLine::CrLf + sumLine(sums.interest);
    block += QString(13, QLatin1Char(' ')) + texts.final + TapeLine::CrLf + sumLine(sums.final);
    return block + TapeLine::separator();
}
