#include "ui/frmimp.h"

#include "platform/dialogs.h"
#include "shell/calculatorcontroller.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

frmImp::frmImp(CalculatorController& controller, const QList<PrinterDevice>& printers, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_printers(printers) {
    setObjectName(QStringLiteral("frmImp"));
    setWindowTitle(QStringLiteral(" Selecionar Impressora"));
    auto* grid = new QGridLayout(this);
    auto* heading = new QLabel(
        QString::fromUtf8("Selecione a impressora apropriada para imprimir CHEQUES e NOTAS PROMISSÓRIAS"),
        this);
    heading->setWordWrap(true);
    m_list = new QComboBox(this);
    m_list->setObjectName(QStringLiteral("cbImpressora"));
    m_list->setEditable(true);
    m_list->setInsertPolicy(QComboBox::NoInsert);
    for (const PrinterDevice& p : m_printers)
        m_list->addItem(p.name);
    auto* locationLabel = new QLabel(QStringLiteral("Local da Impressora"), this);
    m_location = new QLineEdit(this);
    m_location->setObjectName(QStringLiteral("txtEndereco"));
    m_location->setReadOnly(true);
    m_location->setFocusPolicy(Qt::NoFocus);
    m_default = new QRadioButton(
        QString::fromUtf8("ou, marque aqui para &usar sempre a impressora padrão do Windows"), this);
    m_default->setObjectName(QString::fromUtf8("optPadrão"));
    // A lone option that the list's pick clears.
    m_default->setAutoExclusive(false);
    auto* ok = new QPushButton(QString::fromUtf8("&Salvar Alterações"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* tip = new QLabel(
        QString::fromUtf8(
            "<b>DICA</b><br>Vá no PAINEL DE CONTROLE do Windows na pasta IMPRESSORAS e adicione sua "
            "impressora novamente, ficando então com duas impressoras repetidas, sendo a sua padrão "
            "para imprimir documentos em geral e a segunda impressora devidamente configurada para "
            "imprimir seus CHEQUES e NOTAS PROMISSÓRIAS"),
        this);
    tip->setWordWrap(true);
    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0, 1, 2);
    grid->addWidget(locationLabel, 2, 0, 1, 2);
    grid->addWidget(m_location, 3, 0, 1, 2);
    grid->addWidget(m_default, 4, 0, 1, 2);
    grid->addWidget(tip, 5, 0);
    grid->addWidget(ok, 5, 1, Qt::AlignBottom);
    setMinimumWidth(480);

    const QString stored = m_controller.options().printDevice;
    m_list->setCurrentIndex(PrintDevice::indexOf(m_printers, stored));
    m_list->setEditText(stored);
    m_default->setChecked(stored.isEmpty());
    picked();

    connect(m_list, &QComboBox::currentTextChanged, this, &frmImp::picked);
    connect(m_default, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) return;
        m_list->setCurrentIndex(-1);
        m_list->setEditText(QString());
        m_location->clear();
    });
    connect(ok, &QPushButton::clicked, this, &frmImp::save);
    m_list->setFocus();
}

void frmImp::picked() {
    const int i = PrintDevice::indexOf(m_printers, m_list->currentText());
    // A typed name that is a printer's picks it.
    if (i >= 0 && m_list->currentIndex() != i) m_list->setCurrentIndex(i);
    m_location->setText(i >= 0 ? m_printers[i].location : QString());
    if (!m_list->currentText().isEmpty()) m_default->setChecked(false);
}

void frmImp::save() {
    const bool printerPicked = PrintDevice::indexOf(m_printers, m_list->currentText()) >= 0;
    if (!printerPicked && !m_default->isChecked()) {
        if (Dialogs* dialogs = m_controller.context().dialogs)
            dialogs->message(
                QString::fromUtf8("Selecione o dispositivo de impressão apropriado para imprimir os "
                                  "cheques e promissórias ou marque a opção USAR IMPRESSORA PADRÃO "
                                  "DO WINDOWS."),
                windowTitle(), Dialogs::Icon::Information);
        m_list->setFocus();
        return;
    }
    m_controller.setPrintDevice(m_default->isChecked() ? QString() : m_list->currentText());
    accept();
}
