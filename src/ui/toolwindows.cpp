#include "ui/toolwindows.h"

#include "shell/calculatorcontroller.h"
#include "ui/frmconverte.h"
#include "ui/frmpeso.h"

#include <QWidget>
#include <functional>

namespace {

using Factory = std::function<QWidget*(CalculatorController&, QWidget*)>;

struct ToolWindow {
    CommandId id;
    Factory make;
};

// One row per tool window.
const QList<ToolWindow>& toolWindows() {
    static const QList<ToolWindow> rows = {
        {CommandId::UnitConverter, [](CalculatorController& c, QWidget* p) { return new frmConverte(c, p); }},
        {CommandId::IdealWeight, [](CalculatorController& c, QWidget* p) { return new frmPeso(c, p); }},
    };
    return rows;
}

} // namespace

QWidget* createToolWindow(CommandId id, CalculatorController& controller, QWidget* parent) {
    for (const ToolWindow& row : toolWindows())
        if (row.id == id) return row.make(controller, parent);
    return nullptr;
}
