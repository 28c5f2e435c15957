#include "ui/documenthooks.h"

namespace DocumentHooks {

QString amountInWords(double /*amount*/, const CalculatorController& /*controller*/) {
    return {};
}

bool promissoryNotesAvailable() {
    return false;
}

void printPromissoryNotes(const QList<PromissoryNote>& /*notes*/, CalculatorController& /*controller*/,
                          QWidget* /*parent*/) {}

} // namespace DocumentHooks
