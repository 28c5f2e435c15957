#pragma once
// The dated installment plan: the installment calculator for a Portuguese user whose dates are
// written day first. Every field and rule of frmJuro holds; it adds the first installment's own
// value, a calendar of due dates (30 days apart, or on a fixed day of every month, each period's
// interest counted on its real days), the schedule as a table that copies into a spreadsheet, and one
// promissory note per installment.

#include "ui/frmjuro.h"

#include <QDate>
#include <QList>

class QTableWidget;

class frmJuro2 : public frmJuro {
    Q_OBJECT
  public:
    explicit frmJuro2(CalculatorController& controller, QWidget* parent = nullptr);

    // The due dates of the last calculation, which the promissory notes carry.
    const QList<QDate>& dueDates() const { return m_dueDates; }
    // The schedule as tab-separated text (what the copy command puts on the clipboard).
    QString scheduleText() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    Loan currentLoan() const override;
    void installmentFound(double installment) override;
    void calculated() override;
    QString reportText() const override;
    ReportWording wording() const override;
    InstallmentFigures figures() const override;
    void daysChanged() override;
    bool fieldKey(QLineEdit* field, QKeyEvent* event) override;
    bool validate() override;

  private:
    QString dateText(const QDate& date) const;
    void firstDateLeft();
    void printNotes();
    void simpleMode();
    void copySchedule();

    QLineEdit* m_data1Parcela = nullptr;
    QLineEdit* m_diaVct = nullptr;
    QLineEdit* m_1Parcela = nullptr;
    QPushButton* m_imprimir = nullptr;
    QPushButton* m_simples = nullptr;
    QTableWidget* m_parcelasTable = nullptr;
    QPushButton* m_copiar = nullptr;
    QList<QDate> m_dueDates;
    QList<ScheduleRow> m_schedule;
    bool m_checkingDate = false;
};
