#include "ui/frmjuro.h"

#include "i18n/messagecatalog.h"
#include "shell/calculatorcontroller.h"
#include "tools/moneytext.h"
#include "ui/documenthooks.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {

const char* const DecimalsProperty = "takesDecimals";
constexpr int ResultRow = 20;                       // below any input row
const char* const SelectProperty = "selectOnEntry"; // 0: all of it; k: its first k characters

// The hourglass while a search runs; let go before a message tells how it ended.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { release(); }
    void release() {
        if (m_on) QApplication::restoreOverrideCursor();
        m_on = false;
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool m_on = true;
};

QString unGrouped(QString text, const Separators& s) {
    if (!s.group.isNull()) text.remove(s.group);
    return text;
}

} // namespace

frmJuro::frmJuro(CalculatorController& controller, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_controller(controller) {
    setObjectName(QStringLiteral("frmJuro"));
    // The report is written to the calculator's tape when this closes: the calculator waits.
    setWindowModality(Qt::ApplicationModal);
    build();
}

frmJuro::~frmJuro() = default;

void frmJuro::build() {
    const auto text = [this](int n) { return m_controller.context().messages->text(n); };
    setWindowTitle(text(140));

    auto* outer = new QVBoxLayout(this);
    auto* fixas = new QLabel(text(139), this);
    fixas->setObjectName(QStringLiteral("lblFixas"));
    QFont bold = fixas->font();
    bold.setBold(true);
    fixas->setFont(bold);
    outer->addWidget(fixas);

    m_fields = new QGridLayout;
    outer->addLayout(m_fields);
    const auto row = [this](int r, const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        m_fields->addWidget(label, r, 0);
        m_fields->addWidget(field, r, 1);
        return label;
    };
    m_valVista = addField("txtValVista", true, 18, 0);
    m_valPrest = addField("txtValPrest", true, 18, 0);
    // Four digits, so that a count past 250 is told rather than cut short.
    m_parcelas = addField("txtParcelas", false, 4, 2);
    m_dias = addField("txtDias", false, 4, 3);
    m_juroAp = addField("txtJuroAp", true, 12, 0);
    row(0, text(141), m_valVista);
    row(1, text(142), m_valPrest);
    row(2, text(143), m_parcelas);
    row(3, text(144), m_dias);
    m_fields->addWidget(new QLabel(text(145), this), 3, 2);
    m_vista = new QCheckBox(text(150).trimmed(), this);
    m_vista->setObjectName(QStringLiteral("chkVista"));
    m_vista->installEventFilter(this);
    m_fields->addWidget(m_vista, 3, 3);
    row(4, text(146), m_juroAp);
    m_fields->addWidget(new QLabel(text(149), this), 4, 2);
    m_fields->setColumnStretch(3, 1);

    // The results, under the inputs (the dated plan's rows come between): read, copied, never typed
    // into, so Tab passes them by.
    const auto output = [this](int r, const char* name, const QString& caption) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::ClickFocus);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(m_valVista->maximumWidth());
        m_fields->addWidget(new QLabel(caption, this), r, 0);
        m_fields->addWidget(field, r, 1);
        return field;
    };
    m_juroTot = output(ResultRow, "txtJuroTot", text(147));
    m_valFinal = output(ResultRow + 1, "txtValFinal", text(148));

    m_commands = new QWidget(this);
    auto* commands = new QHBoxLayout(m_commands);
    commands->setContentsMargins(0, 0, 0, 0);
    const auto button = [this](const char* name, const QString& caption, QWidget* parent) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true); // Enter on a focused button presses it
        return b;
    };
    m_calcular = button("cmdCalcular", text(151), m_commands);
    m_calcular->setDefault(true);
    commands->addWidget(m_calcular);
    commands->addStretch();
    outer->addWidget(m_commands);

    auto* capit = new QLabel(text(138), this);
    capit->setObjectName(QStringLiteral("lblCapit"));
    outer->addWidget(capit);
    auto* capitalisation = new QHBoxLayout;
    m_descontar = button("cmdDescontar", text(152), this);
    m_capitalizar = button("cmdCapitalizar", text(153), this);
    capitalisation->addWidget(m_descontar);
    capitalisation->addWidget(m_capitalizar);
    capitalisation->addStretch();
    outer->addLayout(capitalisation);

    auto* agiota = new QLabel(text(137), this);
    agiota->setObjectName(QStringLiteral("lblAgiota"));
    agiota->setAlignment(Qt::AlignCenter);
    QFont italic = agiota->font();
    italic.setItalic(true);
    agiota->setFont(italic);
    outer->addWidget(agiota);
    auto* help = new QHBoxLayout;
    m_ajuda = button("cmdAjuda", text(125), this);
    help->addStretch();
    help->addWidget(m_ajuda);
    outer->addLayout(help);

    setTabOrder(m_valVista, m_valPrest);
    setTabOrder(m_valPrest, m_parcelas);
    setTabOrder(m_parcelas, m_dias);
    setTabOrder(m_dias, m_vista);
    setTabOrder(m_vista, m_juroAp);
    setTabOrder(m_juroAp, m_calcular);
    setTabOrder(m_calcular, m_descontar);
    setTabOrder(m_descontar, m_capitalizar);
    setTabOrder(m_capitalizar, m_ajuda);

    for (QLineEdit* field : {m_valVista, m_valPrest, m_parcelas, m_dias, m_juroAp})
        connect(field, &QLineEdit::textChanged, this, &frmJuro::inputChanged);
    connect(m_parcelas, &QLineEdit::textChanged, this, [this](const QString& t) {
        bool ok = false;
        if (t.toInt(&ok) > Loan::MaxCount && ok) {
            sayText(QStringLiteral("Digite a quantidade de parcelas entre 01 e 250"),
                    Dialogs::Icon::Critical);
            m_parcelas->clear();
        }
    });
    connect(m_dias, &QLineEdit::textChanged, this, &frmJuro::daysChanged);
    connect(m_vista, &QCheckBox::clicked, this, &frmJuro::vistaToggled);
    // The installment and the rate are alternatives: typing one clears the other, except while a
    // search writes them.
    connect(m_juroAp, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_busy && MoneyText::cents(MoneyText::read(t, separators()).value_or(0)).value_or(0) > 0)
            m_valPrest->clear();
    });
    connect(m_valPrest, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!m_busy && MoneyText::cents(MoneyText::read(t, separators()).value_or(0)).value_or(0) > 0)
            m_juroAp->clear();
    });
    connect(m_valFinal, &QLineEdit::textChanged, this, [this] {
        m_juroTot->setText(money(number(m_valFinal).value_or(0) - number(m_valVista).value_or(0)));
    });

    connect(m_calcular, &QPushButton::clicked, this, &frmJuro::calculate);
    connect(m_capitalizar, &QPushButton::clicked, this, &frmJuro::savings);
    connect(m_descontar, &QPushButton::clicked, this, &frmJuro::discountCheque);
    connect(m_ajuda, &QPushButton::clicked, this, &frmJuro::help);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &frmJuro::help);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QLineEdit* frmJuro::addField(const char* name, bool decimals, int maxLength, int selectOnEntry) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(maxLength);
    field->setAlignment(Qt::AlignRight);
    field->setProperty(DecimalsProperty, decimals);
    field->setProperty(SelectProperty, selectOnEntry);
    // Wide enough for the largest amount, so that nothing moves while typing.
    const int digits = decimals ? 18 : maxLength + 2;
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('8'))) + 16);
    // Pasted text is held to what typing allows: digits, and in amounts one decimal separator.
    const Separators& s = separators();
    const QString pattern =
        decimals ? QStringLiteral("[0-9%1]*(%2[0-9]*)?")
                       .arg(QRegularExpression::escape(s.group.isNull() ? QString() : QString(s.group)),
                            QRegularExpression::escape(QString(s.decimal)))
                 : QStringLiteral("[0-9]*");
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    field->installEventFilter(this);
    return field;
}

const Separators& frmJuro::separators() const {
    return m_controller.engine().separators();
}

QString frmJuro::money(double value) const {
    return MoneyText::money(value, separators());
}

std::optional<double> frmJuro::number(const QLineEdit* field) const {
    return MoneyText::read(field->text(), separators());
}

QDate frmJuro::today() const {
    return m_controller.context().now().date();
}

void frmJuro::say(int number, Dialogs::Icon icon, QWidget* focus, const QString& p1, const QString& p2) {
    sayText(m_controller.context().messages->text(number, p1, p2), icon, focus);
}

void frmJuro::sayText(const QString& text, Dialogs::Icon icon, QWidget* focus) {
    if (Dialogs* d = m_controller.context().dialogs) d->message(text, windowTitle(), icon);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
}

void frmJuro::setInitialValue(const QString& displayed) {
    const auto value = MoneyText::read(displayed, separators());
    if (value && *value > 0) m_valVista->setText(money(*value));
}

// ---------------------------------------------------------------------------------------------
// Keys and field rules

bool frmJuro::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn && field) {
        // After the click that brought the focus has placed the caret, or before the first key
        // typed ahead reaches the field, whichever comes first.
        m_selectionDue = field;
        QTimer::singleShot(0, field, [this, field] { makeEntrySelection(field); });
    } else if (event->type() == QEvent::FocusOut && !m_busy) {
        if (field == m_valVista) m_valVista->setText(money(number(m_valVista).value_or(0)));
        if (field == m_valPrest && number(m_valPrest).value_or(0) != 0)
            m_valPrest->setText(money(number(m_valPrest).value_or(0)));
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild(); // Enter moves on, as Tab does
            return true;
        }
        if (!field) return false;
        makeEntrySelection(field);
        if (fieldKey(field, key)) return true;
        const QString text = key->text();
        if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
        const QChar c = text.at(0);
        if (!c.isPrint() || c.isDigit()) return false;
        if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            const QChar decimal = separators().decimal;
            const bool takesOne =
                field->property(DecimalsProperty).toBool() &&
                (!field->text().contains(decimal) || field->selectedText().contains(decimal));
            if (takesOne) field->insert(QString(decimal));
        }
        return true; // nothing else is typed into these fields
    }
    return QWidget::eventFilter(watched, event);
}

void frmJuro::makeEntrySelection(QLineEdit* field) {
    if (m_selectionDue != field) return;
    m_selectionDue = nullptr;
    if (!field->hasFocus()) return;
    const int select = field->property(SelectProperty).toInt();
    if (select > 0)
        field->setSelection(0, select);
    else if (select == 0)
        field->selectAll();
}

bool frmJuro::fieldKey(QLineEdit*, QKeyEvent*) {
    return false;
}

void frmJuro::daysChanged() {
    inputChanged();
    bool ok = false;
    const int days = m_dias->text().toInt(&ok);
    m_vista->setChecked(ok && days == 0);
}

void frmJuro::vistaToggled(bool on) {
    bool ok = false;
    const int days = m_dias->text().toInt(&ok);
    if (on && !(ok && days == 0)) m_dias->setText(QStringLiteral("0"));
    // Unticked, the first installment falls a month ahead rather than on a day count of nothing.
    if (!on && ok && days == 0) m_dias->setText(QStringLiteral("30"));
}

void frmJuro::help() {
    say(21, Dialogs::Icon::Information);
}

// ---------------------------------------------------------------------------------------------
// The calculation

Loan frmJuro::currentLoan() const {
    return figures().loan(separators());
}

InstallmentFigures frmJuro::figures() const {
    InstallmentFigures f;
    f.initial = m_valVista->text();
    f.count = m_parcelas->text();
    f.installment = m_valPrest->text();
    f.rate = m_juroAp->text();
    f.days = m_dias->text();
    f.interest = m_juroTot->text();
    f.final = m_valFinal->text();
    return f;
}

void frmJuro::installmentFound(double installment) {
    m_valFinal->setText(money(m_parcelas->text().toInt() * installment));
}

void frmJuro::calculate() {
    if (m_busy) return;
    if (!validate()) return;
    m_busy = true;
    // The fields show the search as it goes; nothing else is typed or pressed meanwhile.
    m_commands->setEnabled(false);
    m_descontar->setEnabled(false);
    m_capitalizar->setEnabled(false);
    const bool found = number(m_valPrest).value_or(0) > 0 ? findRate() : findInstallment();
    m_commands->setEnabled(true);
    m_descontar->setEnabled(true);
    m_capitalizar->setEnabled(true);
    m_busy = false;
    if (found) {
        m_resultOk = true;
        m_calcular->setFocus();
        calculated();
    }
    if (m_closeRequested) close();
}

bool frmJuro::validate() {
    if (MoneyText::leadingNumber(m_valVista->text()) == 0 || number(m_valVista).value_or(0) <= 0) {
        say(22, Dialogs::Icon::Exclamation, m_valVista);
        return false;
    }
    bool ok = false;
    const int count = m_parcelas->text().toInt(&ok);
    if (!ok || count < 1 || count > Loan::MaxCount) {
        say(23, Dialogs::Icon::Exclamation, m_parcelas);
        return false;
    }
    m_valVista->setText(money(number(m_valVista).value_or(0)));
    m_valPrest->setText(money(number(m_valPrest).value_or(0)));
    if (m_juroAp->text().contains(separators().decimal))
        m_juroAp->setText(
            MoneyText::pattern(number(m_juroAp).value_or(0), QStringLiteral("#0.0#####"), separators()));
    const int days = m_dias->text().toInt(&ok);
    if (!ok) {
        say(24, Dialogs::Icon::Exclamation, m_dias);
        return false;
    }
    m_dias->setText(MoneyText::pattern(days, QStringLiteral("00"), separators()));
    const auto inCents = [this](const QLineEdit* f) {
        return MoneyText::cents(number(f).value_or(0)).value_or(0);
    };
    if (inCents(m_valPrest) == 0 && inCents(m_juroAp) == 0) {
        say(25, Dialogs::Icon::Exclamation, m_valPrest);
        return false;
    }
    return true;
}

bool frmJuro::searchGoesOn(QLineEdit* shownIn, double value) {
    if (shownIn)
        shownIn->setText(shownIn == m_juroAp ? MoneyText::plain(value, separators().decimal) : money(value));
    QCoreApplication::processEvents();
    return !m_closeRequested;
}

bool frmJuro::findRate() {
    const double installment = number(m_valPrest).value_or(0);
    const auto currency = [](double v) { return std::llround(v * 10000); };
    if (m_parcelas->text().toInt() != 1 && currency(installment) >= currency(currentLoan().initial)) {
        say(26, Dialogs::Icon::Exclamation, m_valPrest);
        return false;
    }
    installmentFound(installment);
    m_juroAp->setText(QStringLiteral("15"));
    BusyCursor cursor;
    const Loan loan = currentLoan();
    const SearchResult r = ::findRate(loan, installment, SearchSpeed::Fast,
                                      [this](double v) { return searchGoesOn(m_juroAp, v); });
    cursor.release();
    if (r.end == PhaseSearch::End::Cancelled) return false;
    if (r.found()) m_juroAp->setText(MoneyText::plain(r.value, separators().decimal));
    if (r.end == PhaseSearch::End::NoConvergence) {
        failed(280);
        return false;
    }
    if (!r.found() || !settles(loan, r.balance)) {
        failed(28);
        return false;
    }
    return true;
}

bool frmJuro::findInstallment() {
    const auto rate = number(m_juroAp);
    if (!rate) {
        say(27, Dialogs::Icon::Exclamation, m_juroAp);
        return false;
    }
    const Loan loan = currentLoan();
    m_valPrest->setText(money(loan.initial / loan.count));
    BusyCursor cursor;
    const SearchResult r = ::findInstallment(loan, *rate, SearchSpeed::Fast,
                                             [this](double v) { return searchGoesOn(m_valPrest, v); });
    cursor.release();
    if (r.end == PhaseSearch::End::Cancelled) return false;
    if (r.end == PhaseSearch::End::NoConvergence) {
        failed(280);
        return false;
    }
    if (!r.found() || !settles(loan, r.balance)) {
        failed(28);
        return false;
    }
    m_valPrest->setText(money(r.value));
    installmentFound(r.value);
    return true;
}

void frmJuro::failed(int number) {
    m_juroAp->setText(QStringLiteral("Erro"));
    m_valPrest->setText(QStringLiteral("Erro"));
    say(number, Dialogs::Icon::Critical);
}

// ---------------------------------------------------------------------------------------------
// Savings and the cheque discount

std::optional<frmJuro::Period> frmJuro::askPeriod(int amountPrompt, const QString& title, int maxDays) {
    Dialogs* d = m_controller.context().dialogs;
    if (!d) return std::nullopt;
    const Messages& m = *m_controller.context().messages;
    const auto invalid = [this]() -> std::optional<Period> {
        say(30, Dialogs::Icon::Critical);
        return std::nullopt;
    };
    QString format = m_controller.context().facts.datePattern;
    format.replace(QStringLiteral("mm"), QStringLiteral("MM"));
    const QString todayText = today().toString(format);
    const auto date = [&format](const QString& text) {
        QDate d = QDate::fromString(text.trimmed(), format);
        if (!d.isValid())
            d = QDate::fromString(text.trimmed(), QString(format)
                                                      .replace(QStringLiteral("dd"), QStringLiteral("d"))
                                                      .replace(QStringLiteral("MM"), QStringLiteral("M")));
        return d;
    };

    Period p;
    const auto amount =
        MoneyText::readCurrency(d->input(m.text(amountPrompt), title, QStringLiteral("0")), separators());
    if (!amount || *amount <= 0) return invalid();
    p.amount = *amount;
    const auto rate = MoneyText::readCurrency(d->input(m.text(61), title, QStringLiteral("0")), separators());
    if (!rate || *rate <= 0) return invalid();
    p.rate = *rate;
    p.start = date(d->input(m.text(62), title, todayText));
    if (!p.start.isValid()) return invalid();
    const QString end = d->input(m.text(63, QString::number(maxDays)), title, todayText).trimmed();
    const QDate endDate = date(end);
    bool whole = false;
    const int days = end.toInt(&whole);
    p.days = endDate.isValid() ? int(p.start.daysTo(endDate)) : whole ? days : 0;
    if (p.days <= 0 || p.days > maxDays) return invalid();
    return p;
}

void frmJuro::savings() {
    const auto p = askPeriod(59, m_controller.context().messages->text(60), 1500);
    if (!p) return;
    const double initial = double(MoneyText::cents(p->amount).value_or(0)) / 100;
    const double result =
        double(MoneyText::cents(capitalised(p->amount, p->rate, p->days)).value_or(0)) / 100;
    say(29, Dialogs::Icon::Information, nullptr, money(result),
        DocumentHooks::amountInWords(result, m_controller));
    writeCapitalisation({initial, p->days, result, p->rate, p->start}, result);
}

void frmJuro::discountCheque() {
    const auto p = askPeriod(64, m_controller.context().messages->text(65), 730);
    if (!p) return;
    BusyCursor cursor;
    const SearchResult r = ::discountCheque(p->amount, p->rate, p->days, SearchSpeed::Fast,
                                            [this](double) { return searchGoesOn(nullptr, 0); });
    cursor.release();
    if (r.end == PhaseSearch::End::Cancelled) return;
    if (!r.found()) {
        say(r.end == PhaseSearch::End::NoConvergence ? 280 : 28, Dialogs::Icon::Critical);
        return;
    }
    const double net = double(MoneyText::cents(r.value).value_or(0)) / 100;
    say(31, Dialogs::Icon::Information, nullptr, money(net), DocumentHooks::amountInWords(net, m_controller));
    writeCapitalisation(
        {net, p->days, double(MoneyText::cents(p->amount).value_or(0)) / 100, p->rate, p->start}, net);
}

void frmJuro::writeCapitalisation(const CapitalisationFigures& figures, double result) {
    const QString report =
        capitalisationReport(figures, m_controller.context().facts.datePattern, wording(), separators());
    const QString entry = unGrouped(money(result), separators());
    m_controller.engine().writeReport(report, entry);
    // A calculation of installments still waiting for its report goes on the tape too; the
    // calculator keeps this command's value.
    if (m_resultOk) writeInstallmentReport(entry);
    m_resultOk = false;
    close();
}

void frmJuro::writeInstallmentReport(const QString& entry) {
    m_resultOk = false;
    m_controller.engine().writeReport(reportText(), entry);
}

QString frmJuro::reportText() const {
    return installmentReport(figures(), wording(), separators());
}

ReportWording frmJuro::wording() const {
    return ReportWording::inLanguage(m_controller.language());
}

// ---------------------------------------------------------------------------------------------
// Opening and closing

void frmJuro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_valVista->setFocus(Qt::OtherFocusReason);
}

void frmJuro::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        // The search stops at its next pass and the window closes then.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    if (m_resultOk) writeInstallmentReport(unGrouped(m_valFinal->text(), separators()));
    QWidget::closeEvent(event);
    if (QWidget* calculator = parentWidget(); calculator && !m_controller.engine().inactive())
        calculator->activateWindow();
}
