#pragma once
// The unit converter: a value, a source unit chosen from the list (which a search box narrows as the
// user types) and up to four results at once; Enter on a result copies it with its units. The table
// and the arithmetic are in tools/unitconverter; this window holds the controls. Portuguese only, as
// its menu entry is.

#include "tools/unitconverter.h"

#include <QWidget>

class CalculatorController;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

class frmConverte : public QWidget {
    Q_OBJECT
  public:
    explicit frmConverte(CalculatorController& controller, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    static constexpr int Rows = UnitTable::MaxResults;

    void convert();
    void filterUnits(const QString& search);
    void copyResult(int row);
    const SourceUnit* selectedUnit() const;

    CalculatorController& m_controller;
    const UnitTable& m_table;
    Separators m_seps;
    QLineEdit* m_value;
    QLineEdit* m_search;
    QListWidget* m_units;
    QGroupBox* m_resultFrame;
    QLabel* m_resultUnit[Rows];
    QLineEdit* m_result[Rows];
    QList<ConvertedRow> m_rows;
};
