#pragma once
// The ideal-weight calculator: height, weight and sex in; the five band limits, the verdict, the
// advice and a gauge out; its report goes on the calculator's tape when the window closes after a
// calculation. The arithmetic and the texts are in tools/idealweight; this window holds the controls.

#include "tools/idealweight.h"

#include <QWidget>

class ActionLabel;
class CalculatorController;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmPeso : public QWidget {
    Q_OBJECT
  public:
    explicit frmPeso(CalculatorController& controller, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void calculate();
    void chooseSex();
    void placeGauge();
    Sex sex() const;
    QString say(const char* portuguese, const char* english) const;

    CalculatorController& m_controller;
    Separators m_seps;
    int m_language;
    WeightCalculation m_calculation; // the last one that succeeded
    QLineEdit* m_height;
    QLineEdit* m_weight;
    QRadioButton* m_man;
    QRadioButton* m_woman;
    QPushButton* m_calculate;
    QGroupBox* m_frame;
    QLineEdit* m_limits[5];
    ActionLabel* m_result;
    QWidget* m_gauge;
    QLabel* m_scaleMin;
    QLabel* m_scale;
    QLabel* m_scaleMax;
    QLabel* m_tick1;
    QLabel* m_tick2;
    QLabel* m_arrow;
};
