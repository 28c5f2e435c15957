#pragma once
// The choice of the printer for cheques and promissory notes ("ImpDispo"): one of the printers the
// system knows, or always the default printer.

#include "documents/printdevice.h"

#include <QDialog>

class CalculatorController;
class QComboBox;
class QLineEdit;
class QRadioButton;

class frmImp : public QDialog {
    Q_OBJECT
  public:
    frmImp(CalculatorController& controller, const QList<PrinterDevice>& printers, QWidget* parent = nullptr);

  private:
    void picked();
    void save();

    CalculatorController& m_controller;
    QList<PrinterDevice> m_printers;
    QComboBox* m_list = nullptr;
    QLineEdit* m_location = nullptr;
    QRadioButton* m_default = nullptr;
};
