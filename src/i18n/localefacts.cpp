#include "i18n/localefacts.h"

#include <QDate>

DecimalChoice resolveDecimalSeparator(QChar decimal, QChar thousands) {
    if (thousands.isNull() || thousands != decimal) return {decimal, false};
    return {thousands == u'.' ? QChar(u',') : QChar(u'.'), true};
}

LocaleFacts readLocaleFacts(const QLocale& locale) {
    LocaleFacts facts;
    const QString shortDate = locale.toString(QDate(2000, 12, 31), QLocale::ShortFormat);
    facts.datePattern =
        shortDate.startsWith(u"31") ? QStringLiteral("dd/mm/yyyy") : QStringLiteral("mm/dd/yyyy");

    // Read from formatted text rather than decimalPoint() so that what the user sees decides.
    const QString sample = locale.toString(1.32, 'f', 2);
    const QChar decimal = sample.size() >= 2 ? sample.at(1) : QChar(u'.');
    const QString group = locale.groupSeparator();
    facts.groupSeparator = group.isEmpty() ? QChar() : group.at(0);

    const DecimalChoice choice = resolveDecimalSeparator(decimal, facts.groupSeparator);
    facts.decimalSeparator = choice.decimal;
    facts.separatorsClashed = choice.clashed;
    return facts;
}
