#pragma once
// What the installment windows take from the printed documents: the amount in words of their
// messages and one promissory note per installment of the dated plan.

#include <QDate>
#include <QList>
#include <QString>

class CalculatorController;
class QWidget;

namespace DocumentHooks {

// The amount in Portuguese words with the currency ("CENTO E TRÊS REAIS E DOIS CENTAVOS"); "" for an
// amount that cannot be written out.
QString amountInWords(double amount, const CalculatorController& controller);

struct PromissoryNote {
    QDate due;
    double value = 0;
};
// Shows the promissory-note window once per note, in order, each after the last one closed. A value
// that cannot be written out in words ends the series there.
void printPromissoryNotes(const QList<PromissoryNote>& notes, CalculatorController& controller,
                          QWidget* parent);

} // namespace DocumentHooks
