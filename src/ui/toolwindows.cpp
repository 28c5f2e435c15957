#include "ui/toolwindows.h"

#include "documents/documentstart.h"
#include "shell/calculatorcontroller.h"
#include "ui/frmcheque.h"
#include "ui/frmconverte.h"
#include "ui/frmpeso.h"
#include "ui/frmpromissoria.h"

#include <QWidget>
#include <functional>

namespace {

using Factory = std::function<QWidget*(CalculatorController&, QWidget*)>;

struct ToolWindow {
    CommandId id;
    Factory make;
};

// The calculator's value as a document takes it; nothing when it is none (the user was told).
std::optional<DocumentStart::Amount> amountOnDisplay(CalculatorController& c) {
    return DocumentStart::amountOf(c.context(), c.engine().display());
}

// One row per tool window.
const QList<ToolWindow>& toolWindows() {
    static const QList<ToolWindow> rows = {
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
    };
    return rows;
}

} // namespace

QWidget* createToolWindow(CommandId id, CalculatorController& controller, QWidget* parent) {
    for (const ToolWindow& row : toolWindows())
        if (row.id == id) return row.make(controller, parent);
    return nullptr;
}
