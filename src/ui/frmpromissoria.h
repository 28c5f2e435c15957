#pragma once
// The promissory note filled in with the calculator's value and a due date: its number (one more
// than the last printed), the due date in figures or in words, the amount in figures and in words,
// the creditor, the place of payment and the issuer, each where the chosen model puts it on the form,
// over the office's own picture of the form when there is one.

#include "documents/documentstart.h"
#include "ui/documentwindow.h"

class frmPromissoria : public DocumentWindow {
    Q_OBJECT
  public:
    frmPromissoria(CalculatorController& controller, const DocumentStart::Amount& amount,
                   const DocumentStart::DueDate& due, QWidget* parent = nullptr);

    // Shows the due date in figures when it is in words, and the other way round.
    void toggleDueDate();

  protected:
    int namePrompt() const override { return 973; }
    QString helpText() const override;
    void beforeOutput() override;
    void closing() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    DocumentStart::DueDate m_due;
};
