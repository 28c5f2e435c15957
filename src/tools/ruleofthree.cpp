#include "tools/ruleofthree.h"

#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"
#include "tools/numberentry.h"

namespace {

using Icon = Dialogs::Icon;

// The largest amount a result may show: what the currency type of office software holds.
const Decimal Largest = Decimal::fromParts(0xFFFFFFFFu, 0x7FFFFFFFu, 0, 4, false); // 922337203685477,5807

// The digits of a typed value's whole part, leading zeros aside; read from the text, so that a value
// too long for any number is still told as too long.
int wholeDigits(const QString& text, QChar decimal) {
    int digits = 0;
    for (QChar c : text) {
        if (c == decimal) break;
        if (c.isDigit() && (digits > 0 || c != QLatin1Char('0'))) ++digits;
    }
    return digits;
}

} // namespace

RuleOfThree::RuleOfThree(const Context& context, QObject* parent) : QObject(parent), m_context(context) {}

QString RuleOfThree::message(int number, const QString& p1, const QString& p2) const {
    return m_context.messages ? m_context.messages->text(number, p1, p2) : QString();
}

QString RuleOfThree::caption() const {
    return message(178);
}

const QString& RuleOfThree::text(int row, Field field) const {
    static const QString none;
    const Row& r = m_rows[row];
    switch (field) {
    case Field::Value:
        return r.value;
    case Field::Description:
        return r.description;
    case Field::NewValue:
        return r.newValue;
    default:
        return none;
    }
}

QString RuleOfThree::newDescription(int row) const {
    return filled(row) ? m_rows[row].description : QString();
}

std::optional<Decimal> RuleOfThree::number(const QString& text) const {
    return Decimal::parse(text, m_context.facts.decimalSeparator, m_context.facts.groupSeparator);
}

// A row is filled when its base value is a number other than zero and it has a description.
bool RuleOfThree::filled(int row) const {
    const auto v = number(m_rows[row].value);
    return v && !v->isZero() && !m_rows[row].description.trimmed().isEmpty();
}

bool RuleOfThree::used(int row) const {
    return !m_rows[row].value.trimmed().isEmpty() || !m_rows[row].description.trimmed().isEmpty();
}

bool RuleOfThree::isEnabled(int row, Field field) const {
    switch (field) {
    case Field::Value:
    case Field::Description:
        return !m_baseLocked && (row == 0 || filled(row - 1));
    case Field::NewValue:
    case Field::Unknown:
        return filled(row);
    case Field::Calculate:
        return m_canCalculate;
    }
    return false;
}

// --- edits --------------------------------------------------------------------------------------

void RuleOfThree::setText(int row, Field field, const QString& text) {
    Row& r = m_rows[row];
    switch (field) {
    case Field::Value:
        r.value = text;
        break;
    case Field::Description:
        r.description = text;
        if (!number(r.value)) r.value.clear();
        // Another quantity is another question: the answers given so far no longer apply.
        m_solved = false;
        break;
    case Field::NewValue:
        r.newValue = text;
        if (text.isEmpty()) {
            markUnknown(row);
            return;
        }
        if (m_unknown == row) m_unknown = -1;
        break;
    default:
        return;
    }
    // Changed values make the result shown a thing of the past.
    m_canCalculate = true;
    m_proportion.clear();
    emit changed();
}

void RuleOfThree::markUnknown(int row) {
    if (row != m_solvedFor) m_solved = false;
    m_unknown = row;
    m_baseLocked = true;
    m_canCalculate = true;
    m_canPrint = false;
    m_rows[row].newValue.clear();
    m_proportion.clear();
    emit changed();
}

// --- the calculation ----------------------------------------------------------------------------

void RuleOfThree::say(int number, int icon, const QString& p1) {
    if (m_context.dialogs) m_context.dialogs->message(message(number, p1), caption(), Icon(icon));
}

bool RuleOfThree::refuse(int number, int row, Field field, const QString& p1) {
    say(number, int(Icon::Exclamation), p1);
    emit focusRequested(row, field);
    return false;
}

// What the questions cannot mend: a gap between quantities, half a quantity.
bool RuleOfThree::checkRows() {
    int last = -1;
    for (int i = 0; i < RowCount; ++i)
        if (used(i)) last = i;
    for (int i = 0; i < last; ++i)
        if (!used(i)) return refuse(303, i, Field::Value, QString::number(i + 1));
    for (int i = 0; i <= last; ++i) {
        const Row& r = m_rows[i];
        const auto value = number(r.value);
        if (r.description.trimmed().isEmpty()) return refuse(305, i, Field::Description, r.value.trimmed());
        if (!value || value->isNegative() || value->isZero())
            return refuse(304, i, Field::Value, r.description.trimmed());
    }
    if (m_unknown > last) return refuse(201, 0, Field::Unknown);
    return true;
}

// One question per quantity: does it grow with the unknown? Cancel keeps the answers given so far.
bool RuleOfThree::askAnswers() {
    const QString unknownDescription = m_rows[m_unknown].description.trimmed().toUpper();
    for (int i = 0; i < RowCount; ++i) {
        if (i == m_unknown) {
            m_answers[i] = Answer::NotAsked;
            continue;
        }
        if (!used(i) || (m_solved && m_answers[i] != Answer::NotAsked)) continue;
        const Dialogs::Answer a =
            m_context.dialogs
                ? m_context.dialogs->message(
                      message(206, m_rows[i].description.trimmed().toUpper(), unknownDescription), caption(),
                      Icon::Question, Dialogs::Buttons::YesNoCancel)
                : Dialogs::Answer::Cancel;
        if (a == Dialogs::Answer::Cancel) {
            emit changed();
            say(30, int(Icon::Exclamation));
            return false;
        }
        m_answers[i] = a == Dialogs::Answer::Yes ? Answer::Direct : Answer::Inverse;
        emit changed();
    }
    return true;
}

// X = N / Q: exact while the products fit, else one factor at a time.
std::optional<QString> RuleOfThree::solve(int u) {
    const Decimal base = *number(m_rows[u].value);
    std::optional<Decimal> n = base, q = Decimal::fromInt(1);
    QList<std::pair<Decimal, Decimal>> factors; // above and below the line
    QString proportion = m_rows[u].value.trimmed();
    for (int i = 0; i < RowCount; ++i) {
        if (!used(i) || i == u) continue;
        const bool direct = m_answers[i] == Answer::Direct;
        const QString& above = direct ? m_rows[i].newValue : m_rows[i].value;
        const QString& below = direct ? m_rows[i].value : m_rows[i].newValue;
        factors.append({*number(above), *number(below)});
        if (n && q) n = n->multiply(factors.last().first), q = q->multiply(factors.last().second);
        proportion += QStringLiteral(" × ") + above.trimmed() + QLatin1Char('/') + below.trimmed();
    }
    std::optional<Decimal> x = n && q ? n->divide(*q) : std::nullopt;
    if (!n || !q) {
        x = base;
        for (const auto& [above, below] : factors) {
            const auto step = x ? x->multiply(above) : std::nullopt;
            x = step ? step->divide(below) : std::nullopt;
        }
    }
    if (!x) return std::nullopt;
    const Decimal result = x->rounded(4, Decimal::Rounding::HalfEven);
    if (result.abs().compare(Largest) > 0) return std::nullopt;
    const QString text = fieldNumber(result, m_context.facts.decimalSeparator);
    m_proportion = proportion + QStringLiteral(" = ") + text;
    return text;
}

bool RuleOfThree::calculate() {
    const QChar decimal = m_context.facts.decimalSeparator;
    for (int i = 0; i < RowCount; ++i) {
        if (wholeDigits(m_rows[i].value, decimal) > MaxWholeDigits)
            return refuse(306, i, Field::Value, m_rows[i].value.trimmed());
        if (i != m_unknown && wholeDigits(m_rows[i].newValue, decimal) > MaxWholeDigits)
            return refuse(306, i, Field::NewValue, m_rows[i].newValue.trimmed());
    }
    for (int i = 0; i < 2; ++i) {
        const auto v = number(m_rows[i].value);
        if (!v || v->isNegative()) return refuse(197, i, Field::Value);
    }
    int counted = 0;
    for (int i = 0; i < RowCount; ++i) {
        if (isEnabled(i, Field::NewValue) && !number(m_rows[i].newValue) && i != m_unknown)
            return refuse(199, i, Field::NewValue);
        const auto v = number(m_rows[i].value);
        if (v && !v->isNegative() && !v->isZero()) ++counted;
    }
    if (counted < 2) return refuse(200, 0, Field::Value);
    if (!checkRows()) return false;
    if (m_unknown < 0) return refuse(201, 0, Field::Unknown);
    if (!askAnswers()) return false;
    for (int i = 0; i < RowCount; ++i)
        if (used(i) && i != m_unknown && m_answers[i] == Answer::Inverse &&
            number(m_rows[i].newValue)->isZero())
            return refuse(307, i, Field::NewValue, m_rows[i].description.trimmed());

    const auto result = solve(m_unknown);
    if (!result) return refuse(308, m_unknown, Field::NewValue);
    m_rows[m_unknown].newValue = *result;
    m_canCalculate = false;
    m_canPrint = true;
    m_solved = true;
    m_solvedFor = m_unknown;
    emit changed();
    emit focusRequested(m_unknown, Field::NewValue);
    return true;
}

// --- the guided examples ------------------------------------------------------------------------

void RuleOfThree::fill(int row, Field field, const QString& text) {
    Row& r = m_rows[row];
    (field == Field::Value ? r.value : field == Field::Description ? r.description : r.newValue) = text;
    emit changed();
}

void RuleOfThree::runFirstExample() {
    m_rows = {};
    m_answers = {};
    m_unknown = m_solvedFor = -1;
    m_solved = m_baseLocked = false;
    m_proportion.clear();
    emit changed();
    const int base[] = {8, 5, 6, 12};
    for (int i = 0; i < 4; ++i) {
        say(179 + i, int(Icon::Information));
        fill(i, Field::Value, QString::number(base[i]));
        fill(i, Field::Description, message(188 + i));
    }
    say(183, int(Icon::Question));
    const int now[] = {5, 10, 8};
    for (int i = 0; i < 3; ++i) {
        say(184 + i, int(Icon::Information));
        fill(i, Field::NewValue, QString::number(now[i]));
    }
    markUnknown(3);
    emit focusRequested(-1, Field::Calculate);
    say(187, int(Icon::Exclamation));
    m_firstExample = false;
    emit changed();
    emit focusRequested(-1, Field::Calculate);
}

void RuleOfThree::runSecondExample() {
    for (int i = 0; i < RowCount; ++i)
        m_rows[i].newValue.clear();
    m_canCalculate = true;
    m_canPrint = false;
    m_proportion.clear();
    emit changed();
    say(192, int(Icon::Question));
    const struct { int row, value; } steps[] = {{0, 3}, {1, 12}, {3, 18}};
    for (int i = 0; i < 3; ++i) {
        say(193 + i, int(Icon::Information));
        fill(steps[i].row, Field::NewValue, QString::number(steps[i].value));
    }
    markUnknown(2);
    say(196, int(Icon::Exclamation));
    emit focusRequested(-1, Field::Calculate);
}
