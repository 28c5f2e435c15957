#include "ui/frmcheque.h"

#include "documents/amountinwords.h"
#include "documents/documenttexts.h"
#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"
#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

frmCheque::frmCheque(CalculatorController& controller, const DocumentStart::Amount& amount, QWidget* parent)
    : DocumentWindow(controller, chequeForm(), QString::fromUtf8(" Imprimir Cheque Bancário "), parent) {
    setObjectName(QStringLiteral("frmCheque"));
    m_fourDigits = new QCheckBox(QString::fromUtf8("&Usar 4 dígitos para o ANO"), this);
    m_fourDigits->setObjectName(QStringLiteral("chkAno"));
    addOption(m_fourDigits);
    QPushButton* backupButton = addButton("cmdBackup", QStringLiteral("&Backup"));
    QPushButton* restoreButton = addButton("cmdRestaurar", QStringLiteral("&Restaurar"));

    DocumentFace* f = face();
    f->setText("txtValor", amount.figures + QLatin1Char(' '));
    const auto [line1, line2] = AmountInWords::splitOverTwoLines(amount.words, 69);
    f->setText("txtExtenso1", line1);
    f->setText("txtExtenso2", line2);
    f->setText("txtCidade", read("Cidade", f->text("txtCidade")));
    const DateFields today = ChequeTexts::date(context().now().date(), context().facts.locale, false);
    f->setText("txtDia", today.day);
    f->setText("txtMês", today.month);

    m_payees = new QListWidget(f);
    m_payees->setObjectName(QStringLiteral("lstFavorecido"));
    m_payees->setToolTip(QStringLiteral(" Lista dos Favorecidos "));
    m_payees->setFocusPolicy(Qt::ClickFocus);
    m_payees->hide();
    m_payeeFile = PayeeList::path(context().facts.dataDir);
    m_payees->addItems(PayeeList::read(m_payeeFile));
    if (m_payees->count() < 2) f->setText("txtFavorecido", read("Favorecido", f->text("txtFavorecido")));
    m_payees->installEventFilter(this);
    f->field("txtCidade")->installEventFilter(this);

    connect(f, &DocumentFace::placesChanged, this, &frmCheque::placePayeeList);
    connect(m_fourDigits, &QCheckBox::clicked, this, [this](bool on) {
        face()->editor().setFourDigitYear(on);
        writeYear();
        markLayoutEdited();
    });
    connect(qobject_cast<QLineEdit*>(f->field("txtFavorecido")), &QLineEdit::textEdited, this,
            [this](const QString& typed) {
                QStringList names;
                for (int i = 0; i < m_payees->count(); ++i)
                    names << m_payees->item(i)->text();
                const int row = PayeeList::match(names, typed);
                if (row >= 0)
                    m_payees->setCurrentRow(row);
                else
                    m_payees->clearSelection();
            });
    connect(m_payees, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { takePayee(m_payees->row(item)); });
    connect(m_payees, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_payees->hasFocus()) takePayee(row);
    });
    connect(backupButton, &QPushButton::clicked, this, &frmCheque::backup);
    connect(restoreButton, &QPushButton::clicked, this, &frmCheque::restore);

    selectModel(1);
    f->field("txtFavorecido")->setFocus();
}

QString frmCheque::helpText() const {
    return context().messages ? context().messages->text(999) : QString();
}

void frmCheque::modelLoaded() {
    m_fourDigits->setChecked(face()->editor().layout().fourDigitYear);
    writeYear();
    placePayeeList();
}

void frmCheque::writeYear() {
    face()->setText(
        "txtAno",
        ChequeTexts::date(context().now().date(), context().facts.locale, m_fourDigits->isChecked()).year);
}

void frmCheque::placePayeeList() {
    const QRect payee = face()->field("txtFavorecido")->geometry();
    const int rows = qBound(1, m_payees->count(), 6);
    m_payees->setGeometry(payee.left(), payee.bottom() + 1, payee.width(),
                          rows * m_payees->sizeHintForRow(0) + 2 * m_payees->frameWidth());
    m_payees->raise();
}

void frmCheque::takePayee(int row) {
    if (row < 0 || row >= m_payees->count()) return;
    face()->setText("txtFavorecido", m_payees->item(row)->text());
}

bool frmCheque::enterMovesOn(QWidget* field) const {
    // The reserve has two lines: once it holds text, Enter starts its second line.
    if (field == face()->field("txtReserva")) return face()->text("txtReserva").isEmpty();
    return field != m_payees;
}

bool frmCheque::eventFilter(QObject* watched, QEvent* event) {
    QWidget* payee = face()->field("txtFavorecido");
    if (watched == payee && event->type() == QEvent::KeyPress && m_payees->count() > 0) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
        // Typing shows the list; a shortcut (Alt+I prints) does not.
        const bool typing = !(press->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) &&
                            (!press->text().trimmed().isEmpty() || key == Qt::Key_Backspace ||
                             key == Qt::Key_Delete || key == Qt::Key_Space);
        if (typing || arrow) {
            placePayeeList();
            m_payees->show();
        }
        if (arrow) {
            m_payees->setFocus();
            return true;
        }
    } else if (watched == m_payees && event->type() == QEvent::FocusIn) {
        if (m_payees->currentRow() < 0) m_payees->setCurrentRow(0);
        takePayee(m_payees->currentRow());
    } else if (watched == m_payees && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            // The file is the user's to edit; the program only adds to it.
            context().dialogs->message(
                QString::fromUtf8(
                    "Para excluir (deletar) algum favorecido, é necessário que você edite o arquivo "
                    "FAVORECIDOS.TXT, disponível no seguinte local:") +
                    QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(m_payeeFile),
                windowTitle(), Dialogs::Icon::Information);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            takePayee(m_payees->currentRow());
            face()->field("txtCidade")->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (watched == face()->field("txtCidade") && event->type() == QEvent::FocusIn) {
        m_payees->hide();
    }
    return DocumentWindow::eventFilter(watched, event);
}

void frmCheque::beforeOutput() {
    m_payees->hide();
    toCapitals({"txtFavorecido", "txtCidade"});
    const QString payee = face()->text("txtFavorecido");
    write("Favorecido", payee);
    write("Cidade", face()->text("txtCidade"));
    const FileWriteResult kept = PayeeList::add(m_payeeFile, payee);
    if (!kept.ok())
        message(264, int(Dialogs::Icon::Exclamation), QDir::toNativeSeparators(m_payeeFile), kept.error);
}

void frmCheque::backup() {
    const Context& run = context();
    if (!run.dialogs || !store()) return;
    const QString path =
        run.dialogs->saveFileName(QString::fromUtf8(" Salvar BACKUP das configurações dos cheques"),
                                  QDir::homePath(), QStringLiteral("BackupCheques.reg"),
                                  QStringLiteral("Registro do Windows (*.reg)"), QStringLiteral("reg"));
    if (path.isEmpty()) return;
    const QLocale& locale = run.facts.locale;
    const QString text =
        LayoutStore::backupText(*store(), chequeForm(), fromMeasure(frameGeometry().height() * 15.0, locale),
                                fromMeasure(frameGeometry().width() * 15.0, locale)) +
        QStringLiteral("\r\n");
    const FileWriteResult written = AtomicFile::write(path, text.toUtf8());
    if (!written.ok()) {
        message(264, int(Dialogs::Icon::Critical), QDir::toNativeSeparators(path), written.error);
        return;
    }
    run.dialogs->message(
        QString::fromUtf8("Backup das configurações concluído com sucesso!\r\n\r\nPara restaurar as "
                          "configurações, basta executar (abrir) este arquivo:\r\n") +
            QDir::toNativeSeparators(path),
        windowTitle(), Dialogs::Icon::Information);
}

void frmCheque::restore() {
    const Context& run = context();
    if (!run.dialogs || !run.messages || !store()) return;
    const QString path = run.dialogs->openFileName(run.messages->text(265), QDir::homePath(),
                                                   QStringLiteral("Registro do Windows (*.reg)"));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message(268, int(Dialogs::Icon::Critical), QDir::toNativeSeparators(path), file.errorString());
        return;
    }
    if (LayoutStore::restoreBackup(*store(), chequeForm(), QString::fromUtf8(file.readAll())) == 0) {
        message(267, int(Dialogs::Icon::Exclamation), QDir::toNativeSeparators(path));
        return;
    }
    auto* models = findChild<QComboBox*>(QStringLiteral("cbModelo"));
    const QStringList names = LayoutStore::names(*store(), chequeForm());
    for (int i = 0; i < names.size(); ++i)
        models->setItemText(i, names[i]);
    selectModel(model());
    message(266, int(Dialogs::Icon::Information), QDir::toNativeSeparators(path));
}
