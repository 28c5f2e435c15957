#include "ui/toolwindows.h"

#include "documents/documentstart.h"
#include "i18n/messagecatalog.h"
#include "shell/calculatorcontroller.h"
#include "ui/frmcheque.h"
#include "ui/frmconverte.h"
#include "ui/frmdata.h"
#include "ui/frmjuro.h"
#include "ui/frmjuro2.h"
#include "ui/frmpeso.h"
#include "ui/frmpromissoria.h"
#include "ui/frmregra.h"

#include <QWidget>
#include <functional>

namespace {

using Factory = std::function<QWidget*(CalculatorController&, QWidget*)>;

struct ToolWindow {
    CommandId id;
    Factory make;
};

// The installment calculator: the dated plan for a Portuguese user who writes the day first. A
// calculation in progress is totalled first, and what the calculator showed becomes the initial value.
QWidget* installments(CalculatorController& c, QWidget* parent) {
    const QString shown = c.engine().settleForTool();
    const bool dated =
        c.language() == Language::Portuguese && c.context().facts.datePattern.startsWith(QLatin1String("dd"));
    frmJuro* window = dated ? new frmJuro2(c, parent) : new frmJuro(c, parent);
    window->setInitialValue(shown);
    return window;
}

// The calculator's value as a document takes it; nothing when it is none (the user was told).
std::optional<DocumentStart::Amount> amountOnDisplay(CalculatorController& c) {
    return DocumentStart::amountOf(c.context(), c.engine().display());
}

// One row per tool window.
const QList<ToolWindow>& toolWindows() {
    static const QList<ToolWindow> rows = {
        {CommandId::Installments, installments},
        {CommandId::UnitConverter, [](CalculatorController& c, QWidget* p) { return new frmConverte(c, p); }},
        {CommandId::IdealWeight, [](CalculatorController& c, QWidget* p) { return new frmPeso(c, p); }},
        // The amount in words goes to the clipboard; it has no window.
        {CommandId::AmountInWords,
         [](CalculatorController& c, QWidget*) -> QWidget* {
             DocumentStart::copyAmountInWords(c.context(), c.engine().display());
             return nullptr;
         }},
        {CommandId::Cheque,
         [](CalculatorController& c, QWidget* parent) -> QWidget* {
             const auto amount = amountOnDisplay(c);
             return amount ? new frmCheque(c, *amount, parent) : nullptr;
         }},
        {CommandId::PromissoryNote,
         [](CalculatorController& c, QWidget* parent) -> QWidget* {
             const auto amount = amountOnDisplay(c);
             if (!amount) return nullptr;
             const auto due =
                 DocumentStart::askDueDate(c.context(), parent ? parent->windowTitle() : QString());
             return due ? new frmPromissoria(c, *amount, *due, parent) : nullptr;
         }},
        {CommandId::RuleOfThree, [](CalculatorController& c, QWidget* p) { return new frmRegra(c, p); }},
        {CommandId::DateCalculator, [](CalculatorController& c, QWidget* p) { return new frmData(c, p); }},
    };
    return rows;
}

} // namespace

QWidget* createToolWindow(CommandId id, CalculatorController& controller, QWidget* parent) {
    for (const ToolWindow& row : toolWindows())
        if (row.id == id) return row.make(controller, parent);
    return nullptr;
}
