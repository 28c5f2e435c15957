#pragma once
// The date calculator's window: the start and final dates with their weekdays, the years, months,
// weeks and days with their buttons and tick boxes, the leap-day count, the working days, today's
// line and a month calendar. It binds its controls to a DateCalculator and mirrors it; when it
// closes after a calculation the report goes on the tape. Controls carry their design names
// (`txtData(0)`, `txtAnos`, `cmdCalcula(4)`, `Check1(2)`, `mv1`).

#include "tools/datecalculator.h"

#include <QDialog>
#include <array>

class CalculatorController;
class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmData : public QDialog {
    Q_OBJECT
  public:
    explicit frmData(CalculatorController& controller, QWidget* parent = nullptr);

    DateCalculator& model() { return m_model; }
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void refresh();
    void focusField(DateCalculator::Field field);
    bool dateFieldEvent(int field, QEvent* event);
    bool amountFieldEvent(int which, QEvent* event);
    void closeIfAnotherWindowIsActive();

    CalculatorController& m_controller;
    DateCalculator m_model;
    std::array<QLineEdit*, 2> m_date{};
    std::array<QLabel*, 2> m_weekday{};
    std::array<QLineEdit*, 4> m_amount{};
    std::array<QPushButton*, 5> m_calculate{};
    std::array<QCheckBox*, 3> m_tick{};
    QLabel* m_leapCaption = nullptr;
    QLabel* m_leapCount = nullptr;
    QLabel* m_workingDays = nullptr;
    QLabel* m_today = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    bool m_closing = false;
};
