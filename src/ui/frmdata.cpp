#include "ui/frmdata.h"

#include "i18n/messagecatalog.h"
#include "shell/calculatorcontroller.h"
#include "ui/textcolour.h"
#include "ui/toolfields.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {

using Field = DateCalculator::Field;

void mirror(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);
}

// A label that keeps its place while hidden, so that nothing moves when it shows.
QLabel* steadyLabel(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    QSizePolicy p = l->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    l->setSizePolicy(p);
    return l;
}

// The character a key event types, when it types one that is no control character.
std::optional<QChar> typedCharacter(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return std::nullopt;
    const QChar c = text.at(0);
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return std::nullopt;
    return c;
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

frmData::frmData(CalculatorController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_model(controller.context()) {
    setObjectName(QStringLiteral("frmData"));
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(m_model.caption());
    if (controller.options().largeFont) {
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        setFont(f);
    }
    const Context& context = controller.context();
    auto text = [&context](int number) {
        return context.messages ? context.messages->text(number) : QString();
    };

    auto* grid = new QGridLayout;
    const int dateWidth = fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12;
    int weekdayWidth = 0;
    for (int d = 1; d <= 7; ++d)
        weekdayWidth = qMax(weekdayWidth, fontMetrics().horizontalAdvance(context.facts.locale.dayName(d)));
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(text(129 + i), this);
        caption->setObjectName(QStringLiteral("lblDat(%1)").arg(i));
        m_date[i] = new QLineEdit(this);
        m_date[i]->setObjectName(QStringLiteral("txtData(%1)").arg(i));
        m_date[i]->setFixedWidth(dateWidth);
        m_date[i]->installEventFilter(this);
        caption->setBuddy(m_date[i]);
        m_weekday[i] = new QLabel(this);
        m_weekday[i]->setObjectName(QStringLiteral("lblData(%1)").arg(i));
        m_weekday[i]->setMinimumWidth(weekdayWidth);
        grid->addWidget(caption, i, 0);
        grid->addWidget(m_date[i], i, 1);
        grid->addWidget(m_weekday[i], i, 2);
        connect(m_date[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
            const int cursor = m_model.dateEdited(i, t, m_date[i]->cursorPosition());
            m_date[i]->setCursorPosition(cursor);
        });
    }
    const char* amountNames[] = {"txtAnos", "txtMeses", "txtSemanas", "txtDias"};
    for (int i = 0; i < 5; ++i) {
        m_calculate[i] = new QPushButton(text(i < 4 ? 131 + i : 209), this);
        m_calculate[i]->setObjectName(QStringLiteral("cmdCalcula(%1)").arg(i));
        // No button is the default: Enter in a field calculates by the tick boxes.
        m_calculate[i]->setAutoDefault(false);
        connect(m_calculate[i], &QPushButton::clicked, this, [this, i] { m_model.calculate(i); });
    }
    for (int i = 0; i < 4; ++i) {
        m_amount[i] = new QLineEdit(this);
        m_amount[i]->setObjectName(QLatin1String(amountNames[i]));
        m_amount[i]->setFixedWidth(dateWidth);
        m_amount[i]->setAlignment(Qt::AlignRight);
        m_amount[i]->installEventFilter(this);
        connect(m_amount[i], &QLineEdit::textEdited, this,
                [this, i](const QString& t) { m_model.amountEdited(i, t); });
        if (i < 3) {
            m_tick[i] = new QCheckBox(this);
            m_tick[i]->setObjectName(QStringLiteral("Check1(%1)").arg(i));
            m_tick[i]->setCursor(Qt::PointingHandCursor);
            m_tick[i]->setToolTip(text(131 + i).remove(QLatin1Char('&')));
            connect(m_tick[i], &QCheckBox::clicked, this, [this, i](bool on) { m_model.setTicked(i, on); });
            grid->addWidget(m_tick[i], i + 2, 0, Qt::AlignRight);
        }
        grid->addWidget(m_amount[i], i + 2, 1);
        grid->addWidget(m_calculate[i], i + 2, 2);
    }
    m_leapCaption = steadyLabel(QStringLiteral("lblBis"), this);
    m_leapCaption->setText(text(135));
    m_leapCount = steadyLabel(QStringLiteral("lblBissextos"), this);
    m_leapCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_leapCaption, 6, 0);
    grid->addWidget(m_leapCount, 6, 1);
    grid->addWidget(m_calculate[4], 7, 0, 1, 3);
    m_workingDays = steadyLabel(QStringLiteral("lblUteis"), this);
    grid->addWidget(m_workingDays, 8, 0, 1, 3);
    m_today = new QLabel(this);
    m_today->setObjectName(QStringLiteral("lblHoje"));
    m_today->setWordWrap(true);
    // Room for the longest text it shows, so that nothing moves when it changes.
    m_today->setFixedHeight(fontMetrics().lineSpacing() * 3 + 4);
    m_today->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(m_today, 9, 0, 1, 3);
    grid->setRowStretch(10, 1);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("mv1"));
    m_calendar->setDateRange(DateArithmetic::firstDate(), DateArithmetic::lastDate());
    m_calendar->setLocale(context.facts.locale);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(m_calendar, &QCalendarWidget::clicked, &m_model, &DateCalculator::calendarClicked);
    connect(m_calendar, &QCalendarWidget::activated, &m_model, &DateCalculator::calendarClicked);

    auto* root = new QHBoxLayout(this);
    root->addLayout(grid);
    root->addWidget(m_calendar, 0, Qt::AlignTop);
    root->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* previous = nullptr;
    auto chain = [&previous, this](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (QWidget* w : {m_date[0], m_date[1], m_amount[0], m_amount[1], m_amount[2], m_amount[3]})
        chain(w);
    for (QPushButton* b : m_calculate)
        chain(b);
    for (QCheckBox* c : m_tick)
        chain(c);
    chain(m_calendar);

    connect(&m_model, &DateCalculator::changed, this, &frmData::refresh);
    connect(&m_model, &DateCalculator::focusRequested, this, &frmData::focusField);
    refresh();
    m_date[0]->setFocus();
    m_date[0]->selectAll();
}

void frmData::refresh() {
    for (int i = 0; i < 2; ++i) {
        mirror(m_date[i], m_model.dateText(i));
        m_weekday[i]->setText(m_model.weekday(i));
        setTextColour(m_date[i], m_model.activeField() == i ? Blue : QColor(Qt::black));
    }
    for (int i = 0; i < 4; ++i)
        mirror(m_amount[i], m_model.amount(i));
    for (int i = 0; i < 3; ++i)
        m_tick[i]->setChecked(m_model.ticked(i));
    for (int i = 0; i < 4; ++i)
        m_calculate[i]->setEnabled(m_model.differenceEnabled());
    const bool leap = m_model.leapDays() != 0;
    m_leapCount->setText(QString::number(m_model.leapDays()));
    m_leapCount->setVisible(leap);
    m_leapCaption->setVisible(leap);
    m_workingDays->setText(m_model.workingDaysText());
    m_today->setText(m_model.todayText());
    setTextColour(m_today, m_model.monthsWarning() ? Red : Blue);
    const QSignalBlocker quiet(m_calendar);
    m_calendar->setSelectedDate(m_model.calendarDate());
}

void frmData::focusField(Field field) {
    QLineEdit* edit = field == Field::Start   ? m_date[0]
                      : field == Field::Final ? m_date[1]
                                              : m_amount[int(field) - int(Field::Years)];
    edit->setFocus(Qt::OtherFocusReason);
}

bool frmData::dateFieldEvent(int field, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            if (!m_model.enterInDateField()) focusNextChild();
            return true;
        }
        if (key->key() == Qt::Key_Backspace) {
            m_model.dateKey(field, QChar(u'\b'));
            return false;
        }
        const auto c = typedCharacter(key);
        return c && !m_model.dateKey(field, *c);
    }
    case QEvent::FocusIn:
        m_model.enterDateField(field);
        return false;
    case QEvent::FocusOut: {
        // Leaving for another window or a pop-up is no leaving: the user comes back to the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (m_closing || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        // Refused: back to the field, its text selected so that typing replaces it.
        if (!m_model.leaveDateField(field))
            QTimer::singleShot(0, m_date[field], [edit = m_date[field]] {
                edit->setFocus(Qt::OtherFocusReason);
                edit->selectAll();
            });
        return false;
    }
    default:
        return false;
    }
}

bool frmData::amountFieldEvent(int which, QEvent* event) {
    QLineEdit* edit = m_amount[which];
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        QTimer::singleShot(0, edit, [edit] { edit->setSelection(0, 10); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        if (!m_model.enterInAmountField()) focusNextChild();
        return true;
    }
    if (key->key() == Qt::Key_Backspace) {
        m_model.amountKey(which, QChar(u'\b'), false);
        return false;
    }
    const auto c = typedCharacter(key);
    if (!c) return false;
    QString rest = edit->text();
    if (edit->hasSelectedText()) rest.remove(edit->selectionStart(), edit->selectedText().size());
    const auto accepted = m_model.amountKey(which, *c, rest.isEmpty());
    if (!accepted) return true;
    if (*accepted == *c) return false;
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(*accepted));
    QCoreApplication::sendEvent(edit, &replaced);
    return true;
}

bool frmData::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 2; ++i)
        if (watched == m_date[i]) return dateFieldEvent(i, event);
    for (int i = 0; i < 4; ++i)
        if (watched == m_amount[i]) return amountFieldEvent(i, event);
    return QDialog::eventFilter(watched, event);
}

// Enter on a button presses it; on a control without a calculation of its own it moves on.
void frmData::keyPressEvent(QKeyEvent* event) {
    if (!pressOrMoveOnEnter(this, event)) QDialog::keyPressEvent(event);
}

// Another window of the program coming forward closes this one, as a pop-up would close.
void frmData::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && !m_closing)
        QTimer::singleShot(0, this, &frmData::closeIfAnotherWindowIsActive);
}

void frmData::closeIfAnotherWindowIsActive() {
    QWidget* active = QApplication::activeWindow();
    if (!active || m_closing) return;
    for (QWidget* w = active; w; w = w->parentWidget())
        if (w == this) return;
    close();
}

void frmData::done(int result) {
    if (!m_closing) {
        m_closing = true;
        const QString report = m_model.tapeReport();
        if (!report.isEmpty()) m_controller.engine().writeReport(report, QString(), false);
    }
    QDialog::done(result);
    if (QWidget* calculator = parentWidget(); calculator && calculator->isVisible())
        calculator->activateWindow();
}
