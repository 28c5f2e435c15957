#pragma once
// What the cheque and the promissory-note windows share: the face with its fields, the nine layout
// models, the adjust mode, the bold option, saving a model under a name, the number of copies,
// printing (or a preview, or a PDF), the choice of printer, and what closing keeps. Each form adds its
// own fields' texts and rules.

#include "documents/formlayout.h"
#include "ui/documentface.h"

#include <QDialog>

class CalculatorController;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class SettingsStore;
struct Context;

class DocumentWindow : public QDialog {
    Q_OBJECT
  public:
    DocumentWindow(CalculatorController& controller, const FormSpec& form, const QString& caption,
                   QWidget* parent);

    DocumentFace* face() const { return m_face; }
    // The model on show, 1 to 9.
    int model() const { return m_model; }
    void selectModel(int model);
    // Asks for the model's name and keeps the layout under it; false when the user cancelled.
    bool saveModel();
    // Prints the face on the chosen printer (or into a PDF the user names) as the form is printed.
    void printFace();
    void savePdf();
    void done(int result) override;

  protected:
    // The message asking for a model's name (971 for a cheque, 973 for a note).
    virtual int namePrompt() const = 0;
    virtual QString helpText() const = 0;
    // Before the face goes out: texts in capitals and what the next opening proposes kept.
    virtual void beforeOutput() = 0;
    // Whether Enter in this field goes on to the next field (else the field takes it).
    virtual bool enterMovesOn(QWidget* field) const;
    // A model was loaded into the face.
    virtual void modelLoaded() {}
    // The window is closing: what it keeps of itself, before the question about unsaved changes.
    virtual void closing() {}

    CalculatorController& controller() { return m_controller; }
    const Context& context() const;
    SettingsStore* store() const;
    QString read(const char* key, const QString& fallback) const;
    void write(const char* key, const QString& value);
    void message(int number, int icon, const QString& p1 = {}, const QString& p2 = {});
    // The form's own controls: an option beside the number of copies, a button after the others.
    void addOption(QWidget* option);
    QPushButton* addButton(const char* name, const QString& caption);
    // Enables "Salvar Alterações": the layout differs from the stored model.
    void markLayoutEdited();
    // Makes the face's typed fields' texts capitals.
    void toCapitals(std::initializer_list<const char*> names);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void output(bool toPdf);
    void choosePrinter();
    void preview();

    CalculatorController& m_controller;
    const FormSpec& m_form;
    DocumentFace* m_face = nullptr;
    QGridLayout* m_controls = nullptr;
    QHBoxLayout* m_extras = nullptr;
    QComboBox* m_models = nullptr;
    QComboBox* m_copies = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_adjust = nullptr;
    QLabel* m_position = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_help = nullptr;
    int m_model = 1;
    int m_buttons = 0;
    bool m_closing = false;
    bool m_sized = false;
};
