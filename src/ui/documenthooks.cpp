#include "ui/documenthooks.h"

#include "documents/amountinwords.h"
#include "documents/documentstart.h"
#include "shell/calculatorcontroller.h"
#include "tools/moneytext.h"
#include "ui/frmpromissoria.h"

namespace DocumentHooks {

namespace {

std::optional<QString> words(double amount, const CalculatorController& controller) {
    const Separators& s = controller.engine().separators();
    return AmountInWords::write(MoneyText::money(amount, s), s, true,
                                AmountInWords::currencyFor(controller.context().facts.locale));
}

} // namespace

QString amountInWords(double amount, const CalculatorController& controller) {
    return words(amount, controller).value_or(QString()).trimmed();
}

void printPromissoryNotes(const QList<PromissoryNote>& notes, CalculatorController& controller,
                          QWidget* parent) {
    const Separators& s = controller.engine().separators();
    const QString& datePattern = controller.context().facts.datePattern;
    for (const PromissoryNote& note : notes) {
        const auto written = words(note.value, controller);
        if (!written) return;
        const DocumentStart::Amount amount{QStringLiteral("***") + MoneyText::money(note.value, s),
                                           QLatin1Char('(') + *written + QLatin1Char(')')};
        const DocumentStart::DueDate due{note.due, DocumentStart::dateText(note.due, datePattern)};
        frmPromissoria window(controller, amount, due, parent);
        window.exec();
    }
}

} // namespace DocumentHooks
