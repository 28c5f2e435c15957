#pragma once
// The bank cheque filled in with the calculator's value: the amount in figures and in words, the
// payee (typed or picked from the payees printed before), the place and today's date, and a free
// reserve field, each where the chosen model puts it on the bank's form.

#include "documents/documentstart.h"
#include "ui/documentwindow.h"

class QCheckBox;
class QListWidget;

class frmCheque : public DocumentWindow {
    Q_OBJECT
  public:
    frmCheque(CalculatorController& controller, const DocumentStart::Amount& amount,
              QWidget* parent = nullptr);

    // Writes every cheque model into a file the user names, and reads such a file back.
    void backup();
    void restore();

  protected:
    int namePrompt() const override { return 971; }
    QString helpText() const override;
    void beforeOutput() override;
    bool enterMovesOn(QWidget* field) const override;
    void modelLoaded() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void writeYear();
    void placePayeeList();
    void takePayee(int row);

    QCheckBox* m_fourDigits = nullptr;
    QListWidget* m_payees = nullptr;
    QString m_payeeFile;
};
