#pragma once
// The installment and interest calculator: from the initial value, the number of monthly
// installments, the days to the first one and either the installment or the monthly rate, it finds
// the other; "Poupança" capitalises a deposit and "Descontar Cheque" finds a post-dated cheque's net
// value. Each result goes on the calculator's tape as a report: the savings and the cheque at once,
// the installments when the window closes after a calculation that no edit has undone since.
//
// The window holds the controls and their rules; the loan, the searches and the reports are in
// tools/. Controls carry their design names (`txtValVista`, `cmdCalcular`, ...) as object names.

#include "core/numberpattern.h"
#include "platform/dialogs.h"
#include "tools/installmentreports.h"
#include "tools/installments.h"

#include <QWidget>

class CalculatorController;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class frmJuro : public QWidget {
    Q_OBJECT
  public:
    explicit frmJuro(CalculatorController& controller, QWidget* parent = nullptr);
    ~frmJuro() override;

    // The calculator's value when the window opened: it becomes the initial value.
    void setInitialValue(const QString& displayed);
    // Whether the last calculation succeeded and no input was edited since: the report is due.
    bool hasResult() const { return m_resultOk; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // --- what the dated plan changes --------------------------------------------------------------
    // The loan the fields describe now.
    virtual Loan currentLoan() const;
    // After a search found the installment (or before the rate search starts from it): the fields
    // that follow from it.
    virtual void installmentFound(double installment);
    // A calculation succeeded.
    virtual void calculated() {}
    virtual QString reportText() const;
    // The reports' labels and words.
    virtual ReportWording wording() const;
    virtual InstallmentFigures figures() const;
    virtual void daysChanged();
    // The inputs before a calculation: false (after saying why) stops it.
    virtual bool validate();
    // Another key press of the window's fields than the shared rules know.
    virtual bool fieldKey(QLineEdit* field, QKeyEvent* event);

    // --- for the dated plan's own controls ----------------------------------------------------------
    QLineEdit* addField(const char* name, bool decimals, int maxLength, int selectOnEntry = -1);
    void say(int number, Dialogs::Icon icon, QWidget* focus = nullptr, const QString& p1 = {},
             const QString& p2 = {});
    void sayText(const QString& text, Dialogs::Icon icon, QWidget* focus = nullptr);
    void inputChanged() { m_resultOk = false; }
    CalculatorController& controller() { return m_controller; }
    const CalculatorController& controller() const { return m_controller; }
    const Separators& separators() const;
    QString money(double value) const;
    std::optional<double> number(const QLineEdit* field) const;
    QDate today() const;

    QGridLayout* m_fields = nullptr; // the input rows; the dated plan adds its own after them
    QLineEdit* m_valVista = nullptr;
    QLineEdit* m_valPrest = nullptr;
    QLineEdit* m_parcelas = nullptr;
    QLineEdit* m_dias = nullptr;
    QCheckBox* m_vista = nullptr;
    QLineEdit* m_juroAp = nullptr;
    QLineEdit* m_juroTot = nullptr;
    QLineEdit* m_valFinal = nullptr;
    QPushButton* m_calcular = nullptr;
    QPushButton* m_descontar = nullptr;
    QPushButton* m_capitalizar = nullptr;
    QPushButton* m_ajuda = nullptr;
    QWidget* m_commands = nullptr; // the row of the calculation's buttons
    bool m_busy = false;           // a search runs: the fields that clear each other do not

  private:
    void build();
    void calculate();
    bool findRate();
    bool findInstallment();
    void failed(int number);
    bool searchGoesOn(QLineEdit* shownIn, double value);
    void savings();
    void discountCheque();
    struct Period {
        double amount = 0;
        double rate = 0;
        QDate start;
        int days = 0;
    };
    std::optional<Period> askPeriod(int amountPrompt, const QString& title, int maxDays);
    // The savings' or the cheque's report; `result` is what the calculator keeps.
    void writeCapitalisation(const CapitalisationFigures& figures, double result);
    void writeInstallmentReport(const QString& entry);
    void help();
    void vistaToggled(bool on);
    // Selects what a field selects when it is entered, once per entry.
    void makeEntrySelection(QLineEdit* field);

    CalculatorController& m_controller;
    bool m_resultOk = false;
    bool m_closeRequested = false;
    QLineEdit* m_selectionDue = nullptr; // entered, its selection not made yet
};
