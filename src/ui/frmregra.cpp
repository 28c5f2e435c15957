#include "ui/frmregra.h"

#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "shell/calculatorcontroller.h"
#include "ui/toolfields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Field = RuleOfThree::Field;

// The pictures of the answers: both arrows up for a quantity that grows with the unknown, one up and
// one down for one that shrinks.
const QString DirectMark = QStringLiteral("\u2191\u2191");
const QString InverseMark = QStringLiteral("\u2191\u2193");

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// A text set from the model shows its start, as a typed one would, unless the user is in the field.
void mirror(QLineEdit* edit, const QString& text) {
    if (edit->text() == text) return;
    edit->setText(text);
    if (!edit->hasFocus()) edit->setCursorPosition(0);
}

} // namespace

frmRegra::frmRegra(CalculatorController& controller, QWidget* parent)
    : QDialog(parent), m_context(controller.context()), m_model(controller.context()) {
    setObjectName(QStringLiteral("frmRegra"));
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(m_model.caption());
    const Messages* messages = m_context.messages;
    auto text = [messages](int number) { return messages ? messages->text(number) : QString(); };

    auto* grid = new QGridLayout;
    auto* base = new QLabel(text(202), this);
    base->setObjectName(QStringLiteral("lblDados"));
    auto* find = new QLabel(text(203), this);
    find->setObjectName(QStringLiteral("lblEncontrar"));
    for (QLabel* l : {base, find}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
    }
    grid->addWidget(base, 0, 0, 1, 2);
    grid->addWidget(find, 0, 3, 1, 3);
    auto* quantity = new QLabel(text(204), this);
    quantity->setObjectName(QStringLiteral("lblQtd"));
    auto* description = new QLabel(text(205), this);
    description->setObjectName(QStringLiteral("lblDescricao"));
    auto* unknown = new QLabel(text(310), this);
    unknown->setObjectName(QStringLiteral("lblIncognita"));
    grid->addWidget(quantity, 1, 0);
    grid->addWidget(description, 1, 1);
    grid->addWidget(unknown, 1, 5);

    const int valueWidth = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14;
    for (int i = 0; i < RuleOfThree::RowCount; ++i) {
        auto edit = [this](const char* name, int row) {
            auto* e = new QLineEdit(this);
            e->setObjectName(indexed(name, row));
            return e;
        };
        m_value[i] = edit("txtValor", i);
        m_description[i] = edit("txtCond", i);
        m_newValue[i] = edit("txtValor2", i);
        m_newDescription[i] = edit("txtCond2", i);
        for (QLineEdit* e : {m_description[i], m_newDescription[i]})
            e->setMinimumWidth(fontMetrics().averageCharWidth() * 26);
        m_newDescription[i]->setReadOnly(true);
        m_newDescription[i]->setFocusPolicy(Qt::NoFocus);
        m_unknown[i] = new QRadioButton(this);
        m_unknown[i]->setObjectName(indexed("optInc", i));
        m_unknown[i]->setAutoExclusive(false);
        m_answer[i] = new QLabel(this);
        m_answer[i]->setObjectName(indexed("imgVal", i));
        m_answer[i]->setAlignment(Qt::AlignCenter);
        m_answer[i]->setFixedWidth(fontMetrics().horizontalAdvance(DirectMark) + 8);
        for (QLineEdit* e : {m_value[i], m_newValue[i]}) {
            e->setFixedWidth(valueWidth);
            e->setAlignment(Qt::AlignRight);
            makeNumberField(e, m_context.facts.decimalSeparator, false);
            e->installEventFilter(this);
        }
        grid->addWidget(m_value[i], i + 2, 0);
        grid->addWidget(m_description[i], i + 2, 1);
        grid->addWidget(m_answer[i], i + 2, 2);
        grid->addWidget(m_newValue[i], i + 2, 3);
        grid->addWidget(m_newDescription[i], i + 2, 4);
        grid->addWidget(m_unknown[i], i + 2, 5, Qt::AlignCenter);

        const struct {
            QLineEdit* edit;
            Field field;
        } bound[] = {{m_value[i], Field::Value},
                     {m_description[i], Field::Description},
                     {m_newValue[i], Field::NewValue}};
        for (const auto& b : bound)
            connect(b.edit, &QLineEdit::textEdited, this,
                    [this, i, f = b.field](const QString& t) { m_model.setText(i, f, t); });
        connect(m_unknown[i], &QRadioButton::clicked, this, [this, i] { m_model.markUnknown(i); });
    }
    quantity->setBuddy(m_value[0]);
    description->setBuddy(m_description[0]);
    unknown->setBuddy(m_unknown[0]);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    auto* proportionLabel = new QLabel(text(309), this);
    m_proportion = new QLineEdit(this);
    m_proportion->setObjectName(QStringLiteral("txtProporcao"));
    m_proportion->setReadOnly(true);
    proportionLabel->setBuddy(m_proportion);
    auto* proportionRow = new QHBoxLayout;
    proportionRow->addWidget(proportionLabel);
    proportionRow->addWidget(m_proportion, 1);

    auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        // No button is the default: Enter in a field moves on to the next one.
        b->setAutoDefault(false);
        return b;
    };
    m_calculate = button("cmdCalcular", text(151));
    m_firstExample = button("cmdExemplo", text(207) + QStringLiteral(" &1"));
    m_secondExample = button("cmdExemplo2", text(207) + QStringLiteral(" &2"));
    m_print = button("cmdImprimir", text(215));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_calculate, m_firstExample, m_secondExample, m_print})
        buttons->addWidget(b);
    connect(m_calculate, &QPushButton::clicked, &m_model, &RuleOfThree::calculate);
    connect(m_firstExample, &QPushButton::clicked, &m_model, &RuleOfThree::runFirstExample);
    connect(m_secondExample, &QPushButton::clicked, &m_model, &RuleOfThree::runSecondExample);
    connect(m_print, &QPushButton::clicked, this, &frmRegra::print);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(proportionRow);
    layout->addLayout(buttons);

    // The base block first, then the new situation, then the buttons.
    QWidget* previous = nullptr;
    auto chain = [&previous, this](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (int i = 0; i < RuleOfThree::RowCount; ++i) {
        chain(m_value[i]);
        chain(m_description[i]);
    }
    for (int i = 0; i < RuleOfThree::RowCount; ++i) {
        chain(m_newValue[i]);
        chain(m_unknown[i]);
    }
    for (QWidget* w : {static_cast<QWidget*>(m_calculate), static_cast<QWidget*>(m_firstExample),
                       static_cast<QWidget*>(m_secondExample), static_cast<QWidget*>(m_print),
                       static_cast<QWidget*>(m_proportion)})
        chain(w);

    connect(&m_model, &RuleOfThree::changed, this, &frmRegra::refresh);
    connect(&m_model, &RuleOfThree::focusRequested, this, &frmRegra::focusField);
    refresh();
    m_value[0]->setFocus();
}

QLineEdit* frmRegra::field(int row, Field field) const {
    switch (field) {
    case Field::Value:
        return m_value[row];
    case Field::Description:
        return m_description[row];
    case Field::NewValue:
        return m_newValue[row];
    default:
        return nullptr;
    }
}

void frmRegra::refresh() {
    for (int i = 0; i < RuleOfThree::RowCount; ++i) {
        for (Field f : {Field::Value, Field::Description, Field::NewValue}) {
            mirror(field(i, f), m_model.text(i, f));
            field(i, f)->setEnabled(m_model.isEnabled(i, f));
        }
        mirror(m_newDescription[i], m_model.newDescription(i));
        m_newDescription[i]->setEnabled(m_model.isEnabled(i, Field::NewValue));
        m_unknown[i]->setEnabled(m_model.isEnabled(i, Field::Unknown));
        m_unknown[i]->setChecked(m_model.unknown() == i);
        const RuleOfThree::Answer a = m_model.answer(i);
        m_answer[i]->setText(a == RuleOfThree::Answer::Direct    ? DirectMark
                             : a == RuleOfThree::Answer::Inverse ? InverseMark
                                                                 : QString());
        m_answer[i]->setToolTip(a == RuleOfThree::Answer::NotAsked || !m_context.messages
                                    ? QString()
                                    : m_context.messages->text(a == RuleOfThree::Answer::Direct ? 311 : 312));
    }
    m_calculate->setEnabled(m_model.canCalculate());
    m_print->setEnabled(m_model.canPrint());
    m_firstExample->setEnabled(m_model.firstExampleEnabled());
    m_secondExample->setEnabled(m_model.secondExampleEnabled());
    mirror(m_proportion, m_model.proportion());
}

void frmRegra::focusField(int row, Field f) {
    QWidget* w = f == Field::Calculate ? static_cast<QWidget*>(m_calculate)
                 : f == Field::Unknown ? static_cast<QWidget*>(m_unknown[row])
                                       : field(row, f);
    if (w && w->isEnabled()) w->setFocus(Qt::OtherFocusReason);
}

bool frmRegra::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        // The first ten characters selected: typing replaces the value.
        QTimer::singleShot(0, edit, [edit] { edit->setSelection(0, 10); });
    }
    return QDialog::eventFilter(watched, event);
}

// Enter moves on to the next field as Tab does; on a button it presses the button.
void frmRegra::keyPressEvent(QKeyEvent* event) {
    if (!pressOrMoveOnEnter(this, event)) QDialog::keyPressEvent(event);
}

// The page shows the window as the screen does: its caption above its face.
QImage frmRegra::face() {
    const QPixmap body = grab();
    const qreal ratio = body.devicePixelRatio();
    const int titleHeight = fontMetrics().lineSpacing() * 2;
    QImage page(body.width(), body.height() + qRound(titleHeight * ratio), QImage::Format_RGB32);
    page.setDevicePixelRatio(ratio);
    page.fill(palette().color(QPalette::Window));
    QPainter painter(&page);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(0, 0, width(), titleHeight), Qt::AlignCenter, windowTitle().trimmed());
    painter.drawPixmap(0, titleHeight, body);
    return page;
}

void frmRegra::print() {
    const bool sent = m_context.printer && m_context.printer->printImage(face(), m_model.caption().trimmed());
    if (m_context.dialogs && m_context.messages)
        m_context.dialogs->message(m_context.messages->text(sent ? 16 : 17), m_model.caption(),
                                   sent ? Dialogs::Icon::Information : Dialogs::Icon::Critical);
}
