#include "ui/documentwindow.h"

#include "documents/printdevice.h"
#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"
#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "ui/frmimp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Window measures are kept in twips, 15 to a pixel.
constexpr double TwipsPerPixel = 15.0;
// Two rows of options, then the buttons in rows of five, the help button last in the second.
constexpr int ButtonColumns = 5;
constexpr int FirstButtonRow = 2;
constexpr int HelpRow = FirstButtonRow + 1;

} // namespace

DocumentWindow::DocumentWindow(CalculatorController& controller, const FormSpec& form, const QString& caption,
                               QWidget* parent)
    : QDialog(parent), m_controller(controller), m_form(form) {
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetMinimumSize);
    m_face = new DocumentFace(form, this);
    column->addWidget(m_face);
    m_controls = new QGridLayout;
    column->addLayout(m_controls);

    m_models = new QComboBox(this);
    m_models->setObjectName(QStringLiteral("cbModelo"));
    m_models->setToolTip(QStringLiteral(" Modelos "));
    m_bold = new QCheckBox(QStringLiteral("Fonte em &Negrito"), this);
    m_bold->setObjectName(QStringLiteral("chkNegrito"));
    m_adjust =
        new QCheckBox(&form == &chequeForm() ? QStringLiteral("&Ajustar Campos no Cheque  (mover)")
                                             : QString::fromUtf8("&Ajustar Campos na Promissória  (mover)"),
                      this);
    m_adjust->setObjectName(QStringLiteral("Check2"));
    auto* copiesLabel = new QLabel(QString::fromUtf8("Qtd. de &cópias:"), this);
    copiesLabel->setObjectName(QStringLiteral("lblCopias"));
    m_copies = new QComboBox(this);
    m_copies->setObjectName(QStringLiteral("lstCopias"));
    for (int n = 1; n <= 50; ++n)
        m_copies->addItem(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    copiesLabel->setBuddy(m_copies);
    auto* options = new QHBoxLayout;
    options->addWidget(m_models);
    options->addWidget(m_bold);
    options->addWidget(m_adjust);
    options->addStretch(1);
    m_extras = new QHBoxLayout;
    m_extras->addStretch(1);
    m_extras->addWidget(copiesLabel);
    m_extras->addWidget(m_copies);
    m_controls->addLayout(options, 0, 0, 1, ButtonColumns);
    m_controls->addLayout(m_extras, 1, 0, 1, ButtonColumns);

    QPushButton* print = addButton("cmdImprimir", QStringLiteral("&Imprimir"));
    QPushButton* previewButton = addButton("cmdVisualizar", QStringLiteral("&Visualizar"));
    QPushButton* pdf = addButton("cmdPdf", QStringLiteral("Salvar P&DF"));
    m_save = addButton("cmdSalvar", QString::fromUtf8("&Salvar Alterações"));
    QPushButton* printer = addButton("cmdConf", QStringLiteral("S&elecionar Impressora"));
    m_help = new QPushButton(QStringLiteral("Ajuda [F1]"), this);
    m_help->setObjectName(QStringLiteral("cmdHelp"));
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("lblLocal"));
    // The read-out takes the help button's place in the adjust mode; one width for both, so nothing
    // moves when they change places.
    const int corner =
        qMax(m_help->sizeHint().width(),
             m_position->fontMetrics().horizontalAdvance(QStringLiteral(" Posição:  000 / 000 ")));
    m_help->setFixedWidth(corner);
    m_position->setFixedWidth(corner);
    m_position->hide();
    m_controls->addWidget(m_help, HelpRow, ButtonColumns - 1);
    m_controls->addWidget(m_position, HelpRow, ButtonColumns - 1);
    m_save->setEnabled(false);

    for (int i = 0; i < form.fields.size(); ++i)
        m_face->field(i)->installEventFilter(this);
    if (SettingsStore* s = store())
        m_models->addItems(LayoutStore::names(*s, form));
    else
        for (int model = 1; model <= LayoutStore::Models; ++model)
            m_models->addItem(LayoutStore::defaultName(model));
    m_bold->setChecked(read("Negrito", QStringLiteral("0")).trimmed() == QLatin1String("1"));
    m_face->setBold(m_bold->isChecked());

    connect(m_models, &QComboBox::activated, this, [this](int index) { selectModel(index + 1); });
    connect(m_bold, &QCheckBox::toggled, m_face, &DocumentFace::setBold);
    connect(m_adjust, &QCheckBox::toggled, this, [this](bool on) {
        m_face->editor().setAdjusting(on);
        m_face->applyLayout();
        m_help->setVisible(!on);
        m_position->setVisible(on);
        m_position->clear();
    });
    connect(m_face, &DocumentFace::layoutEdited, this, &DocumentWindow::markLayoutEdited);
    connect(m_face, &DocumentFace::readoutChanged, m_position, &QLabel::setText);
    connect(print, &QPushButton::clicked, this, &DocumentWindow::printFace);
    connect(previewButton, &QPushButton::clicked, this, &DocumentWindow::preview);
    connect(pdf, &QPushButton::clicked, this, &DocumentWindow::savePdf);
    connect(m_save, &QPushButton::clicked, this, &DocumentWindow::saveModel);
    connect(printer, &QPushButton::clicked, this, &DocumentWindow::choosePrinter);
    connect(m_help, &QPushButton::clicked, this,
            [this] { context().dialogs->message(helpText(), windowTitle(), Dialogs::Icon::Information); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, m_help, &QPushButton::click);
}

QPushButton* DocumentWindow::addButton(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromUtf8(name));
    m_controls->addWidget(b, FirstButtonRow + m_buttons / ButtonColumns, m_buttons % ButtonColumns);
    ++m_buttons;
    return b;
}

void DocumentWindow::addOption(QWidget* option) {
    m_extras->insertWidget(0, option);
}

const Context& DocumentWindow::context() const {
    return m_controller.context();
}

SettingsStore* DocumentWindow::store() const {
    return m_controller.store();
}

QString DocumentWindow::read(const char* key, const QString& fallback) const {
    return store() ? store()->read(QString::fromUtf8(m_form.section), QString::fromUtf8(key), fallback)
                   : fallback;
}

void DocumentWindow::write(const char* key, const QString& value) {
    if (store()) store()->write(QString::fromUtf8(m_form.section), QString::fromUtf8(key), value);
}

void DocumentWindow::message(int number, int icon, const QString& p1, const QString& p2) {
    if (context().dialogs && context().messages)
        context().dialogs->message(context().messages->text(number, p1, p2), windowTitle(),
                                   Dialogs::Icon(icon));
}

void DocumentWindow::markLayoutEdited() {
    m_face->editor().setChanged(true);
    m_save->setEnabled(true);
}

void DocumentWindow::toCapitals(std::initializer_list<const char*> names) {
    for (const char* name : names)
        m_face->setText(name, m_face->text(name).toUpper());
}

void DocumentWindow::selectModel(int model) {
    m_model = qBound(1, model, LayoutStore::Models);
    m_models->setCurrentIndex(m_model - 1);
    const LayoutModel layout = store() ? LayoutStore::load(*store(), m_form, m_model, context().facts.locale)
                                       : LayoutModel::defaults(m_form);
    m_face->editor().setLayout(layout);
    m_adjust->setChecked(false);
    m_face->applyLayout();
    modelLoaded();
    m_face->editor().setChanged(false);
    m_save->setEnabled(false);
}

bool DocumentWindow::saveModel() {
    const Context& run = context();
    if (!run.dialogs || !run.messages) return false;
    const QString name = run.dialogs
                             ->input(run.messages->text(namePrompt()), run.messages->text(972),
                                     m_models->itemText(m_model - 1))
                             .trimmed()
                             .toUpper();
    if (const auto problem = LayoutStore::checkName(name)) {
        if (*problem == LayoutStore::NameProblem::Empty)
            message(944, int(Dialogs::Icon::Critical));
        else
            message(263, int(Dialogs::Icon::Exclamation), QString::number(LayoutStore::MaxNameLength));
        return false;
    }
    if (store()) LayoutStore::save(*store(), m_form, m_model, name, m_face->editor().layout());
    m_models->setItemText(m_model - 1, name);
    if (store()) {
        selectModel(m_model);
    } else {
        m_adjust->setChecked(false);
        m_face->editor().setChanged(false);
        m_save->setEnabled(false);
    }
    return true;
}

void DocumentWindow::printFace() {
    output(false);
}

void DocumentWindow::savePdf() {
    output(true);
}

void DocumentWindow::output(bool toPdf) {
    const Context& run = context();
    QString target;
    if (toPdf) {
        if (!run.dialogs) return;
        target = run.dialogs->saveFileName(QStringLiteral(" Salvar PDF"), QDir::homePath(),
                                           windowTitle().trimmed() + QStringLiteral(".pdf"),
                                           QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
        if (target.isEmpty()) return;
    } else {
        target = PrintDevice::choose(m_controller.options().printDevice, FacePrinting::installedPrinters());
        if (target.isEmpty()) {
            // Without any printer the document can still be kept as a PDF and printed elsewhere.
            message(260, int(Dialogs::Icon::Information));
            if (QWidget* pdf = findChild<QWidget*>(QStringLiteral("cmdPdf"))) pdf->setFocus();
            return;
        }
    }
    m_adjust->setChecked(false);
    beforeOutput();
    write("Negrito", m_bold->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    const FacePicture picture = m_face->picture();
    const QString name = windowTitle().trimmed();
    if (toPdf) {
        if (!FacePrinting::savePdf(picture, target, name)) {
            message(262, int(Dialogs::Icon::Critical), QDir::toNativeSeparators(target));
            return;
        }
        message(261, int(Dialogs::Icon::Information), QDir::toNativeSeparators(target));
    } else if (FacePrinting::print(picture, target, m_copies->currentText().toInt(), name) ==
               FacePrinting::Outcome::Done) {
        message(16, int(Dialogs::Icon::Information));
    } else {
        message(17, int(Dialogs::Icon::Critical));
    }
    close();
}

void DocumentWindow::preview() {
    FacePrinting::preview(
        m_face->picture(),
        PrintDevice::choose(m_controller.options().printDevice, FacePrinting::installedPrinters()),
        windowTitle(), this);
}

void DocumentWindow::choosePrinter() {
    frmImp chooser(m_controller, FacePrinting::installedPrinters(), this);
    chooser.setWindowFlag(Qt::WindowStaysOnTopHint, m_controller.options().alwaysOnTop);
    chooser.exec();
}

bool DocumentWindow::enterMovesOn(QWidget*) const {
    return true;
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & ~Qt::KeypadModifier) && enterMovesOn(w)) {
            focusNextChild();
            return true;
        }
    } else if (auto* line = qobject_cast<QLineEdit*>(watched); line && event->type() == QEvent::FocusIn) {
        // Entering a field selects what it holds, so typing replaces it.
        QTimer::singleShot(0, line, &QLineEdit::selectAll);
    } else if (line && event->type() == QEvent::FocusOut) {
        // A long text left behind shows its start, as it is printed.
        line->setCursorPosition(0);
    }
    return QDialog::eventFilter(watched, event);
}

void DocumentWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_sized) return;
    m_sized = true;
    // The size the window had when it last closed, never smaller than what it holds.
    if (!store()) return;
    const QLocale& locale = context().facts.locale;
    const QString section = QString::fromUtf8(m_form.section);
    const auto height = store()->readMeasure(section, QStringLiteral("Height"), 0, locale);
    const auto width = store()->readMeasure(section, QStringLiteral("Width"), 0, locale);
    if (height && width && *height > 0 && *width > 0)
        resize(qMax(minimumSizeHint().width(), int(*width / TwipsPerPixel)),
               qMax(minimumSizeHint().height(), int(*height / TwipsPerPixel)));
}

void DocumentWindow::done(int result) {
    if (m_closing) return QDialog::done(result);
    m_closing = true;
    if (store()) {
        const QLocale& locale = context().facts.locale;
        const QString section = QString::fromUtf8(m_form.section);
        store()->writeMeasure(section, QStringLiteral("Height"), frameGeometry().height() * TwipsPerPixel,
                              locale);
        store()->writeMeasure(section, QStringLiteral("Width"), frameGeometry().width() * TwipsPerPixel,
                              locale);
    }
    closing();
    const Context& run = context();
    if (m_save->isEnabled() && run.dialogs && run.messages &&
        run.dialogs->message(run.messages->text(948, m_models->itemText(m_model - 1).toUpper()),
                             windowTitle(), Dialogs::Icon::Question, Dialogs::Buttons::YesNo,
                             Dialogs::Answer::No) == Dialogs::Answer::Yes)
        saveModel();
    QDialog::done(result);
}
