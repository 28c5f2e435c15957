#pragma once
// What the installment windows need from the printed documents: the amount in words of their
// messages and one promissory note per installment of the dated plan. The documents' windows are
// being built at the same time as these; until they are part of the program the words are left out
// of the messages and the notes cannot be printed, and these two functions are the only places that
// change when they arrive.

#include <QDate>
#include <QList>
#include <QString>

class CalculatorController;
class QWidget;

namespace DocumentHooks {

// The amount in Portuguese words with the currency ("CENTO E TRÊS REAIS E DOIS CENTAVOS"); "" while
// the program cannot write it.
QString amountInWords(double amount, const CalculatorController& controller);

struct PromissoryNote {
    QDate due;
    double value = 0;
};
// Whether one note per installment can be printed at all.
bool promissoryNotesAvailable();
// Shows the promissory-note window once per note, in order, each after the last one closed.
void printPromissoryNotes(const QList<PromissoryNote>& notes, CalculatorController& controller,
                          QWidget* parent);

} // namespace DocumentHooks
