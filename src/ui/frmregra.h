#pragma once
// The rule of three's window: six rows of a quantity's base value and description, its value in the
// new situation and the unknown's mark, the answer given for each quantity, the proportion solved,
// and the buttons. It binds its controls to a RuleOfThree and mirrors it; controls carry their
// design names (`txtValor(0)`, `txtCond2(3)`, `optInc(2)`, `cmdCalcular`).

#include "tools/ruleofthree.h"

#include <QDialog>
#include <QImage>
#include <array>

class CalculatorController;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmRegra : public QDialog {
    Q_OBJECT
  public:
    explicit frmRegra(CalculatorController& controller, QWidget* parent = nullptr);

    RuleOfThree& model() { return m_model; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* field(int row, RuleOfThree::Field field) const;
    void refresh();
    void focusField(int row, RuleOfThree::Field field);
    QImage face();
    void print();

    const Context& m_context;
    RuleOfThree m_model;
    std::array<QLineEdit*, RuleOfThree::RowCount> m_value{}, m_description{}, m_newValue{},
        m_newDescription{};
    std::array<QRadioButton*, RuleOfThree::RowCount> m_unknown{};
    std::array<QLabel*, RuleOfThree::RowCount> m_answer{};
    QLineEdit* m_proportion = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_firstExample = nullptr;
    QPushButton* m_secondExample = nullptr;
    QPushButton* m_print = nullptr;
};
