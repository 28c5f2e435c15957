#include "documents/documentstart.h"

#include "documents/amountinwords.h"
#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"

#include <QRegularExpression>

namespace DocumentStart {

namespace {

Separators separatorsOf(const Context& context) {
    return {context.facts.decimalSeparator, context.facts.groupSeparator};
}

bool dayFirst(const QString& datePattern) {
    return !datePattern.startsWith(QLatin1String("mm"), Qt::CaseInsensitive);
}

void refuse(const Context& context) {
    if (context.dialogs)
        context.dialogs->message(AmountInWords::refusalText(), QString(), Dialogs::Icon::Exclamation);
}

} // namespace

bool copyAmountInWords(const Context& context, const QString& display) {
    const Separators seps = separatorsOf(context);
    const auto words =
        AmountInWords::write(display, seps, true, AmountInWords::currencyFor(context.facts.locale));
    if (!words) {
        refuse(context);
        return false;
    }
    if (!context.clipboard) return false;
    context.clipboard->clear();
    context.clipboard->setText(QLatin1Char('(') + *words + QLatin1Char(')'));
    if (context.dialogs)
        context.dialogs->message(
            QStringLiteral("$ ") + formatMoney(display, seps) + QStringLiteral("\r\n\r\n") + *words +
                QStringLiteral("\r\n\r\n") +
                QString::fromUtf8("Valor por extenso colocado na Área de Transferência.") +
                QStringLiteral("\r\n(Use colar: Ctrl+V)"),
            QString(), Dialogs::Icon::Information);
    return true;
}

std::optional<Amount> amountOf(const Context& context, const QString& display) {
    const Separators seps = separatorsOf(context);
    const std::optional<Decimal> value = Decimal::parse(display, seps.decimal, seps.group);
    if (!value || value->compare(AmountInWords::smallest()) < 0 ||
        value->compare(AmountInWords::largest()) > 0) {
        if (context.dialogs && context.messages) {
            const QString low = NumberPattern(QStringLiteral("0.00")).format(AmountInWords::smallest(), seps);
            const QString high =
                NumberPattern(QStringLiteral("#,##0.00")).format(AmountInWords::largest(), seps);
            context.dialogs->message(context.messages->text(900, low, high), QString(),
                                     Dialogs::Icon::Exclamation);
        }
        return std::nullopt;
    }
    const auto words = AmountInWords::write(*value, true, AmountInWords::currencyFor(context.facts.locale));
    if (!words) {
        refuse(context);
        return std::nullopt;
    }
    return Amount{QStringLiteral("***") + formatMoney(display, seps),
                  QLatin1Char('(') + *words + QLatin1Char(')')};
}

std::optional<DueDate> parseDate(const QString& text, const QString& datePattern) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})[/.-](\\d{1,2})[/.-](\\d{2}|\\d{4})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const int first = m.captured(1).toInt(), second = m.captured(2).toInt();
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2) year += 2000;
    const QDate date = dayFirst(datePattern) ? QDate(year, second, first) : QDate(year, first, second);
    if (!date.isValid()) return std::nullopt;
    return DueDate{date, text.trimmed()};
}

QString dateText(const QDate& date, const QString& datePattern) {
    return date.toString(dayFirst(datePattern) ? QStringLiteral("dd/MM/yyyy") : QStringLiteral("MM/dd/yyyy"));
}

std::optional<DueDate> askDueDate(const Context& context, const QString& title) {
    if (!context.dialogs || !context.messages) return std::nullopt;
    QString proposed = dateText(context.now().date().addDays(30), context.facts.datePattern);
    for (;;) {
        const QString answer = context.dialogs->input(context.messages->text(974), title, proposed);
        if (answer.trimmed().isEmpty()) return std::nullopt;
        if (const auto due = parseDate(answer, context.facts.datePattern)) return due;
        context.dialogs->message(context.messages->text(32), title, Dialogs::Icon::Critical);
        proposed = answer;
    }
}

} // namespace DocumentStart
