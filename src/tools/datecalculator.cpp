#include "tools/datecalculator.h"

#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"

using namespace DateArithmetic;

namespace {

bool isDigit(QChar c) {
    return c.isDigit() && c.unicode() < 128;
}

} // namespace

DateCalculator::DateCalculator(const Context& context, QObject* parent)
    : QObject(parent), m_context(context),
      m_text(context.facts.datePattern, DateText::separatorOf(context.facts.locale)) {
    m_ticked = {true, true, true};
    setDate(Start, today());
    setDate(Final, today());
    m_calendarDate = today();
}

QDate DateCalculator::today() const {
    return m_context.now().date();
}

QString DateCalculator::caption() const {
    return m_context.messages ? m_context.messages->text(136) : QString();
}

QString DateCalculator::weekday(int field) const {
    const auto d = date(field);
    return d ? m_context.facts.locale.dayName(d->dayOfWeek(), QLocale::LongFormat) : QString();
}

QString DateCalculator::workingDaysText() const {
    const auto from = date(Start), to = date(Final);
    if (!from || !to || *to < *from || !m_context.messages) return {};
    return m_context.messages->text(302, number(workingDaysBetween(*from, *to)));
}

QString DateCalculator::todayText() const {
    if (m_monthsWarning)
        return m_context.messages && m_context.messages->language() == Language::Portuguese
                   ? QStringLiteral("AVISO: O cálculo com MESES não tem um resultado exato. 1 mês = 30 dias")
                   : QStringLiteral(
                         "ADVICE: The MONTHS calculation has no accurate results. 1 month = 30 days");
    const QString hoje = m_context.messages ? m_context.messages->text(54) : QString();
    return hoje + m_text.format(today()) + QLatin1Char('\n') +
           m_context.facts.locale.toString(today(), QLocale::LongFormat);
}

void DateCalculator::warn(int message, const QString& p1, const QString& p2) {
    if (m_context.dialogs && m_context.messages)
        m_context.dialogs->message(m_context.messages->text(message, p1, p2), caption(),
                                   Dialogs::Icon::Exclamation);
}

void DateCalculator::clearAmounts() {
    for (QString& a : m_amounts)
        a.clear();
    m_leapDays = 0;
}

void DateCalculator::setDate(int field, const QDate& date) {
    m_dates[field] = date.isValid() ? m_text.format(date) : m_text.emptyMask();
}

// --- date fields --------------------------------------------------------------------------------

bool DateCalculator::dateKey(int /*field*/, QChar key) {
    if (key == QChar(u'\b')) return true;
    // A new date makes the span shown so far meaningless.
    clearAmounts();
    emit changed();
    return isDigit(key);
}

int DateCalculator::dateEdited(int field, const QString& text, int cursor) {
    const DateText::Edited edited = m_text.afterEdit(text, cursor);
    m_dates[field] = edited.text;
    emit changed();
    return edited.cursor;
}

void DateCalculator::enterDateField(int field) {
    m_active = field;
    if (field == Final && !date(Final) && m_dates[Start] != m_text.format(today())) setDate(Final, today());
    if (const auto d = date(field)) m_calendarDate = *d;
    emit changed();
}

bool DateCalculator::leaveDateField(int field) {
    const ReadDate read = m_text.readLeaving(m_dates[field], today().year());
    bool accepted = true;
    switch (read.reading) {
    case Reading::Date:
        setDate(field, read.date);
        break;
    case Reading::Empty:
        m_dates[field] = m_text.emptyMask();
        break;
    case Reading::Invalid:
    case Reading::OutOfRange:
        m_dates[field] = m_text.emptyMask();
        emit changed();
        if (read.reading == Reading::Invalid)
            warn(32);
        else
            warn(300, m_text.format(firstDate()), m_text.format(lastDate()));
        accepted = false;
        break;
    }
    if (!date(Start)) setDate(Start, today());
    emit changed();
    return accepted;
}

// --- amounts, tick boxes and the calendar -------------------------------------------------------

std::optional<QChar> DateCalculator::amountKey(int which, QChar key, bool fieldEmpty) {
    if (key == QChar(u'\r')) return std::nullopt;
    if (key == QLatin1Char('-')) {
        // A minus sign only starts an empty days field: a span back in time.
        if (which != Days || !fieldEmpty) return std::nullopt;
    } else if (key == QLatin1Char(',') || key == QLatin1Char('.')) {
        key = m_context.facts.decimalSeparator;
    } else if (!isDigit(key) && key != QChar(u'\b')) {
        return std::nullopt;
    }
    // A span typed makes the final date shown so far meaningless.
    m_dates[Final] = m_text.emptyMask();
    if (which != Days) m_ticked[which] = true;
    emit changed();
    return key;
}

void DateCalculator::amountEdited(int which, const QString& text) {
    m_amounts[which] = text;
    emit changed();
}

void DateCalculator::setTicked(int which, bool on) {
    m_ticked[which] = on;
    emit changed();
    calculate(tickedMode());
}

void DateCalculator::calendarClicked(const QDate& date) {
    const int field = m_active == Start ? Start : Final;
    setDate(field, date);
    m_calendarDate = date;
    clearAmounts();
    emit changed();
    if (differenceEnabled()) calculate(tickedMode());
}

bool DateCalculator::enterInDateField() {
    if (!differenceEnabled()) return false;
    calculate(tickedMode());
    return true;
}

bool DateCalculator::enterInAmountField() {
    if (!date(Start)) return false;
    calculate(tickedMode());
    return true;
}

int DateCalculator::tickedMode() const {
    for (int i = 0; i < 3; ++i)
        if (m_ticked[i]) return i;
    return 3;
}

// --- the calculation ----------------------------------------------------------------------------

bool DateCalculator::calculate(int mode) {
    for (int field : {Start, Final}) {
        if (!leaveDateField(field)) {
            emit focusRequested(field == Start ? Field::Start : Field::Final);
            return false;
        }
    }
    Calculation c;
    c.start = *date(Start);
    c.final = date(Final);
    if (c.final) clearAmounts();
    // As typed: a number too long for the calendar is told, not read as nothing.
    c.amounts = m_amounts;
    c.ticked = m_ticked;
    c.mode = mode;

    const Result r = DateArithmetic::calculate(c);
    if (r.failure != Failure::OutOfCalendar)
        for (QString& a : m_amounts)
            if (!amountValue(a)) a = QStringLiteral("0");
    switch (r.failure) {
    case Failure::None:
        break;
    case Failure::NoFinalDate:
        emit changed();
        warn(34);
        emit focusRequested(Field::Final);
        return false;
    case Failure::FinalBeforeStart:
        emit changed();
        warn(33);
        emit focusRequested(Field::Final);
        return false;
    case Failure::OutOfCalendar:
        emit changed();
        warn(301, m_text.format(lastDate()));
        for (int i = 0; i < 4; ++i)
            if (!m_amounts[i].trimmed().isEmpty() &&
                !amountValue(m_amounts[i]).value_or(Decimal::fromInt(1)).isZero()) {
                emit focusRequested(Field(int(Field::Years) + i));
                break;
            }
        return false;
    }
    setDate(Final, r.final);
    m_ticked = r.ticked;
    for (int i = 0; i < 4; ++i)
        m_amounts[i] = number(r.amounts[i]);
    m_leapDays = r.leapDays;
    m_monthsWarning = r.amounts[Months] != 0;
    emit changed();
    return true;
}

QString DateCalculator::tapeReport() const {
    const bool english = m_context.messages && m_context.messages->language() == Language::English;
    return DateArithmetic::tapeReport(m_text, m_dates[Start], m_dates[Final], m_amounts, english);
}
