#include "ui/frmjuro2.h"

#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "shell/calculatorcontroller.h"
#include "tools/moneytext.h"
#include "ui/documenthooks.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The schedule's columns: due date, installment, interest, principal, balance.
constexpr int HeaderMessages[] = {281, 282, 283, 284, 285};

const QString DueDayRange = QStringLiteral("Digite o dia do vencimento entre 01 e 28");

} // namespace

frmJuro2::frmJuro2(CalculatorController& controller, QWidget* parent) : frmJuro(controller, parent) {
    setObjectName(QStringLiteral("frmJuro2"));
    const Messages& m = *controller.context().messages;
    const QString pattern = controller.context().facts.datePattern;
    const QChar dateSeparator = pattern.size() > 2 ? pattern.at(2) : QLatin1Char('/');

    m_data1Parcela = addField("txtData1Parcela", false, 10, 0);
    m_data1Parcela->setValidator(nullptr);
    m_data1Parcela->setInputMask(QStringLiteral("99") + dateSeparator + QStringLiteral("99") + dateSeparator +
                                 QStringLiteral("9999;_"));
    m_data1Parcela->setAlignment(Qt::AlignLeft);
    m_diaVct = addField("txtDiaVct", false, 2, 0);
    m_1Parcela = addField("txt1Parcela", true, 18, 0);
    const auto row = [this](int r, const QString& caption, QLineEdit* field, const QString& after = {}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        m_fields->addWidget(label, r, 0);
        m_fields->addWidget(field, r, 1);
        if (!after.isEmpty()) m_fields->addWidget(new QLabel(after, this), r, 2, 1, 2);
    };
    row(5, QString::fromUtf8("Data da 1ª parcela"), m_data1Parcela);
    row(6, QStringLiteral("Vencer &sempre no dia"), m_diaVct, QString::fromUtf8("de cada mês"));
    row(7, QString::fromUtf8("Valor da 1ª parcela"), m_1Parcela);

    auto* commands = static_cast<QHBoxLayout*>(m_commands->layout());
    m_imprimir = new QPushButton(QStringLiteral("Imprimir &NP"), m_commands);
    m_imprimir->setObjectName(QStringLiteral("Command1"));
    m_imprimir->setAutoDefault(true);
    m_simples = new QPushButton(QStringLiteral("&Modo Simples"), m_commands);
    m_simples->setObjectName(QStringLiteral("Command2"));
    m_simples->setAutoDefault(true);
    commands->insertWidget(1, m_imprimir);
    commands->insertWidget(2, m_simples);

    m_parcelasTable = new QTableWidget(0, 5, this);
    m_parcelasTable->setObjectName(QStringLiteral("lstParcelas"));
    QStringList headers;
    for (int n : HeaderMessages)
        headers << m.text(n);
    m_parcelasTable->setHorizontalHeaderLabels(headers);
    m_parcelasTable->verticalHeader()->setDefaultSectionSize(m_parcelasTable->fontMetrics().height() + 4);
    m_parcelasTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_parcelasTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_parcelasTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_parcelasTable->setMinimumHeight(8 * m_parcelasTable->verticalHeader()->defaultSectionSize());
    m_parcelasTable->installEventFilter(this);
    m_copiar = new QPushButton(m.text(286), this);
    m_copiar->setObjectName(QStringLiteral("cmdCopiarTabela"));
    m_copiar->setAutoDefault(true);
    m_copiar->setEnabled(false);
    auto* outer = static_cast<QVBoxLayout*>(layout());
    const int afterCommands = outer->indexOf(m_commands) + 1;
    outer->insertWidget(afterCommands, m_parcelasTable, 1);
    auto* copyRow = new QHBoxLayout;
    copyRow->addStretch();
    copyRow->addWidget(m_copiar);
    outer->insertLayout(afterCommands + 1, copyRow);

    setTabOrder(m_juroAp, m_data1Parcela);
    setTabOrder(m_data1Parcela, m_diaVct);
    setTabOrder(m_diaVct, m_1Parcela);
    setTabOrder(m_1Parcela, m_calcular);
    setTabOrder(m_calcular, m_imprimir);
    setTabOrder(m_imprimir, m_simples);
    setTabOrder(m_simples, m_parcelasTable);
    setTabOrder(m_parcelasTable, m_copiar);
    setTabOrder(m_copiar, m_descontar);

    connect(m_1Parcela, &QLineEdit::textChanged, this, &frmJuro2::inputChanged);
    connect(m_diaVct, &QLineEdit::textChanged, this, [this](const QString& t) {
        inputChanged();
        bool ok = false;
        if (t.toInt(&ok) > 28 && ok) {
            sayText(DueDayRange, Dialogs::Icon::Critical);
            m_diaVct->clear();
        }
    });
    connect(m_imprimir, &QPushButton::clicked, this, &frmJuro2::printNotes);
    connect(m_simples, &QPushButton::clicked, this, &frmJuro2::simpleMode);
    connect(m_copiar, &QPushButton::clicked, this, &frmJuro2::copySchedule);

    // The report's period labels hold three digits of days.
    m_dias->setMaxLength(3);
    m_dias->setText(QStringLiteral("30"));
    resize(sizeHint().width() + 120, sizeHint().height());
}

QString frmJuro2::dateText(const QDate& date) const {
    QString format = controller().context().facts.datePattern;
    return date.toString(format.replace(QStringLiteral("mm"), QStringLiteral("MM")));
}

InstallmentFigures frmJuro2::figures() const {
    InstallmentFigures f = frmJuro::figures();
    f.firstPayment = m_1Parcela->text();
    f.dueDay = m_diaVct->text();
    return f;
}

Loan frmJuro2::currentLoan() const {
    return figures().loan(separators(), today(), true);
}

ReportWording frmJuro2::wording() const {
    return ReportWording::inLanguage(controller().language(), true);
}

QString frmJuro2::reportText() const {
    return datedInstallmentReport(figures(), today(), controller().context().facts.datePattern, wording(),
                                  separators());
}

void frmJuro2::daysChanged() {
    inputChanged();
    bool ok = false;
    const int days = m_dias->text().toInt(&ok);
    if (!ok) {
        m_vista->setChecked(false);
        return;
    }
    if (days == 0) m_dias->selectAll();
    m_vista->setChecked(days == 0);
    m_data1Parcela->setText(dateText(today().addDays(days)));
}

bool frmJuro2::fieldKey(QLineEdit* field, QKeyEvent* event) {
    // The first installment stops following an installment that is being changed.
    if (field == m_valPrest && !event->text().isEmpty() && m_1Parcela->text() == m_valPrest->text())
        m_1Parcela->clear();
    return false;
}

bool frmJuro2::validate() {
    if (!frmJuro::validate()) return false;
    // A due day of 0 is no day of the month; typing it is allowed, as the first digit of "05".
    if (!m_diaVct->text().isEmpty() && m_diaVct->text().toInt() < 1) {
        sayText(DueDayRange, Dialogs::Icon::Critical, m_diaVct);
        return false;
    }
    return true;
}

bool frmJuro2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_data1Parcela && event->type() == QEvent::FocusOut && !m_busy) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, this, &frmJuro2::firstDateLeft);
    }
    if (watched == m_parcelasTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copySchedule();
        return true;
    }
    if (watched == m_parcelasTable) return QWidget::eventFilter(watched, event);
    return frmJuro::eventFilter(watched, event);
}

void frmJuro2::firstDateLeft() {
    if (m_checkingDate || !isVisible()) return;
    m_checkingDate = true;
    const QDate t = today();
    QString format = controller().context().facts.datePattern;
    const QDate d =
        QDate::fromString(m_data1Parcela->text(), format.replace(QStringLiteral("mm"), QStringLiteral("MM")));
    if (d.isValid() && t <= d && d < t.addDays(100)) {
        m_dias->setText(QString::number(t.daysTo(d)));
    } else {
        const QString crlf = QStringLiteral("\r\n");
        sayText(QStringLiteral("Data Informada Incorreta!") + crlf + crlf +
                    QStringLiteral("Informe a data entre:") + crlf + crlf + dateText(t) +
                    QStringLiteral(" - ") + dateText(t.addDays(99)),
                Dialogs::Icon::Exclamation);
        m_data1Parcela->setText(dateText(t.addDays(m_dias->text().toInt())));
        m_data1Parcela->setFocus(Qt::OtherFocusReason);
    }
    m_checkingDate = false;
}

void frmJuro2::installmentFound(double installment) {
    if (number(m_1Parcela).value_or(0) == 0) m_1Parcela->setText(m_valPrest->text());
    const double first = number(m_1Parcela).value_or(installment);
    m_valFinal->setText(money(first + (m_parcelas->text().toInt() - 1) * installment));
}

void frmJuro2::calculated() {
    const Loan loan = currentLoan();
    m_dueDates = ::dueDates(today(), loan.firstDays, loan.count, m_diaVct->text().toInt());
    m_schedule = schedule(loan, number(m_juroAp).value_or(0), number(m_valPrest).value_or(0), m_dueDates);
    m_parcelasTable->setRowCount(int(m_schedule.size()));
    for (int r = 0; r < m_schedule.size(); ++r) {
        const ScheduleRow& s = m_schedule[r];
        const QStringList cells{dateText(s.due), money(s.payment), money(s.interest), money(s.principal),
                                money(s.balance)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
            m_parcelasTable->setItem(r, c, item);
        }
    }
    m_copiar->setEnabled(!m_schedule.isEmpty());
}

QString frmJuro2::scheduleText() const {
    QStringList headers;
    for (int n : HeaderMessages)
        headers << controller().context().messages->text(n);
    return ::scheduleText(m_schedule, headers, controller().context().facts.datePattern, separators());
}

void frmJuro2::copySchedule() {
    if (m_schedule.isEmpty()) return;
    if (Clipboard* c = controller().context().clipboard) c->setText(scheduleText());
}

void frmJuro2::printNotes() {
    if (!hasResult()) {
        sayText(
            QString::fromUtf8("Primeiro termine o cálculo para depois solicitar impressão das promissórias."),
            Dialogs::Icon::Exclamation);
        return;
    }
    QList<DocumentHooks::PromissoryNote> notes;
    for (int i = 0; i < m_dueDates.size(); ++i)
        notes.append({m_dueDates[i], number(i == 0 ? m_1Parcela : m_valPrest).value_or(0)});
    DocumentHooks::printPromissoryNotes(notes, controller(), this);
}

void frmJuro2::simpleMode() {
    auto* plain = new frmJuro(controller(), parentWidget());
    plain->setAttribute(Qt::WA_DeleteOnClose);
    plain->setWindowFlag(Qt::WindowStaysOnTopHint, controller().options().alwaysOnTop);
    close();
    plain->show();
    plain->raise();
    plain->activateWindow();
}
