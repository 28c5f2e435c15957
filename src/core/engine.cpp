#include "core/engine.h"

#include "core/displayformat.h"
#include "core/reportgrouping.h"
#include "core/tapestate.h"
#include "core/timetext.h"
#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"

namespace {

const QString Zero = QStringLiteral("0");
const QString ZeroTime = QStringLiteral("00:00:00");
const QString GroupOnly = QStringLiteral("#,##0");

// The marker of a line that is part of a calculation in progress. A "=" marker belongs to a
// separator (or to a closing line, which is never the last line), so it does not count.
bool isNumberLineMarker(QChar m) {
    return m == QLatin1Char('+') || m == QLatin1Char('-') || m == TapeLine::Times || m == TapeLine::Divide;
}

// Letters and the blank that insert text collects: A-Z, a-z and the accented letters of
// codes 192 to 251.
bool isLabelCharacter(QChar c) {
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= 192 && u <= 251) || u == ' ';
}

Button buttonOf(OperatorKey key) {
    switch (key) {
    case OperatorKey::Add:
    case OperatorKey::EnterAdd: return Button::Add;
    case OperatorKey::Subtract: return Button::Subtract;
    case OperatorKey::Multiply: return Button::Multiply;
    case OperatorKey::Divide: return Button::Divide;
    case OperatorKey::Percent: return Button::Percent;
    case OperatorKey::Equals:
    case OperatorKey::None: break;
    }
    return Button::Equals;
}

Operator operatorOf(OperatorKey key) {
    switch (key) {
    case OperatorKey::Subtract: return Operator::Subtract;
    case OperatorKey::Multiply: return Operator::Multiply;
    case OperatorKey::Divide: return Operator::Divide;
    default: return Operator::Add;
    }
}

QChar symbolOf(Operator op) {
    switch (op) {
    case Operator::Subtract: return QLatin1Char('-');
    case Operator::Multiply: return TapeLine::Times;
    case Operator::Divide: return TapeLine::Divide;
    case Operator::Percent: return QLatin1Char('%');
    default: return QLatin1Char('+');
    }
}

} // namespace

Engine::Engine(const Context& context, QObject* parent)
    : QObject(parent), m_context(context),
      m_separators{context.facts.decimalSeparator, context.facts.groupSeparator}, m_tape(this),
      m_backupFile(context.facts.dataDir), m_notices(context.dialogs, context.messages) {
    m_pattern = DisplayFormat::pattern(m_formatIndex);
    m_decimalPlaces = DisplayFormat::decimalPlaces(m_formatIndex);
    m_visor[2] = ZeroTime;
    clearAll();
}

QString Engine::message(int number) const { return m_context.messages ? m_context.messages->text(number) : QString(); }

// ---------------------------------------------------------------------------------------------
// Numbers and their texts

std::optional<Decimal> Engine::number(const QString& text) const {
    return Decimal::parse(text, m_separators.decimal, m_separators.group);
}

QString Engine::format(const Decimal& value, const QString& pattern) const {
    return NumberPattern(pattern).format(value, m_separators);
}

QString Engine::formatTotal(const Decimal& value) const {
    QString text = format(value, m_pattern);
    if (!m_timeMode && !value.isZero() && text.endsWith(m_separators.decimal))
        text = format(value, GroupOnly);
    return text;
}

QString Engine::zeroDisplay() const {
    if (m_formatIndex == DisplayFormat::Traditional) return Zero;
    return format(Decimal(), m_pattern);
}

bool Engine::entryIsZero() const {
    const auto v = number(m_entry);
    return !v || v->isZero();
}

bool Engine::displayIsZero() const {
    const auto v = number(m_visor[0]);
    return !v || v->isZero();
}

QString Engine::timeFromTotal() const { return TimeText::convert(m_total, m_separators.decimal); }

// ---------------------------------------------------------------------------------------------
// The entry box

void Engine::updateMaxLength() {
    const qsizetype sep = m_entry.indexOf(m_separators.decimal);
    if (m_insertText && m_visor[0].size() > 9) {
        m_maxLength = int(m_entry.size());
        return;
    }
    m_maxLength = sep < 0 ? 12 : int(sep + 1 + m_decimalPlaces);
}

void Engine::setEntry(const QString& text, bool selected) {
    const bool wasZero = entryIsZero();
    m_entry = text;
    m_entrySelected = selected;
    entryChanged();
    // A new number starts: this is the moment worth returning to with undo.
    if (wasZero && !entryIsZero()) {
        dropRedo();
        pushSnapshot();
    }
}

void Engine::entryChanged() {
    const QChar sep = m_separators.decimal;
    if (m_entry == QString(sep)) {
        m_entry = Zero + sep;
        m_entrySelected = false;
    } else if (!number(m_entry)) {
        m_entry = Zero;
        m_entrySelected = true;
    }
    // The limit depends on the display the entry makes (insert text freezes a long one).
    storeDisplay(entryDisplayText());
    updateMaxLength();
    emit stateChanged();
}

QString Engine::entryDisplayText() const {
    const QChar sep = m_separators.decimal;
    const bool negative = m_entry.startsWith(QLatin1Char('-'));
    const Decimal value = number(m_entry).value_or(Decimal());

    if (m_timeMode) {
        QString digits;
        for (QChar c : m_entry)
            if (c.isDigit()) digits += c;
        const QString time = TimeText::fromTypedDigits(digits);
        return negative && !value.isZero() ? QLatin1Char('-') + time : time;
    }

    QString text;
    const bool hasSep = m_entry.contains(sep);
    if (m_formatIndex == DisplayFormat::Fixed && !hasSep) {
        // Digits typed in cents: 1234 shows 12,34.
        const QString digits = format(value.abs(), QStringLiteral("#000"));
        const Decimal whole = Decimal::parse(digits.left(digits.size() - 2), sep, m_separators.group)
                                  .value_or(Decimal());
        text = (negative ? QStringLiteral("-") : QString()) + format(whole, GroupOnly) + sep + digits.right(2);
        return text.left(22);
    }

    text = format(value, m_pattern).left(22);
    if (hasSep && m_pattern == DisplayFormat::FloatingPattern) {
        // Two decimals are shown as typed while they are being typed: "12," then "12,5".
        const QString typed = m_entry.mid(m_entry.indexOf(sep));
        const qsizetype shownSep = text.indexOf(sep);
        const QString shown = shownSep < 0 ? QString() : text.mid(shownSep);
        if (typed.size() < 3 && typed != shown) text = (shownSep < 0 ? text : text.left(shownSep)) + typed;
    }
    if (text.endsWith(sep) && !m_entry.endsWith(sep)) text = format(value, GroupOnly);
    if (negative && !text.startsWith(QLatin1Char('-'))) text.prepend(QLatin1Char('-'));
    return text.left(22);
}

void Engine::storeDisplay(const QString& text) {
    if (m_timeMode) {
        // A duration of any size computes whole; the time display shows what fits, as the other does.
        m_visor[2] = text.left(22);
        m_visor[0] = QString::number(TimeText::toSeconds(text));
    } else {
        m_visor[0] = text;
    }
}

void Engine::setDisplay(const QString& text) {
    storeDisplay(text);
    emit stateChanged();
}

void Engine::typeIntoEntry(const QString& text) {
    if (m_entrySelected) {
        setEntry(text, false);
        return;
    }
    if (m_entry.size() >= m_maxLength) return;
    setEntry(m_entry + text, false);
}

void Engine::entryBoxKey(QChar c) {
    if (c.isDigit() && c.unicode() < 128) {
        typeIntoEntry(QString(c));
    } else if (c.unicode() == KeyBackspace) {
        setEntry(m_entrySelected ? QString() : m_entry.left(m_entry.size() - 1), false);
    } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
        if (!m_timeMode && !m_entry.contains(m_separators.decimal)) {
            // The separator key raises the length limit by one for itself.
            ++m_maxLength;
            typeIntoEntry(QString(m_separators.decimal));
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The key dispatcher

void Engine::keyPress(int c) {
    if (inactive()) return;
    dispatch(c);
    if (m_totalled) {
        m_totalled = false;
        if (!m_loading) emit tapeSettled();
    }
}

void Engine::dispatch(int c) {
    if (c == KeyEsc) {
        emit closeRequested();
        return;
    }
    if (c > 0xFFFF || c < 0) return;
    QChar ch(static_cast<char16_t>(c));

    if (!m_numLockAlways && !m_insertText) {
        static const QString letters = QStringLiteral("IJKLMOU");
        static const QString digits = QStringLiteral("5123064");
        const qsizetype i = letters.indexOf(ch.toUpper());
        if (i >= 0 && ch.unicode() < 128) ch = digits.at(i);
    }
    if (m_insertText && collectInsertedText(ch)) return;

    if (ch.isDigit() && ch.unicode() < 128) show(digitButton(ch.unicode() - '0'));

    int code = ch.unicode();
    if (code == KeyBackspace) {
        show(Button::Back);
    } else if (code == KeyEnter) {
        code = m_enterAdds ? KeyAdd : '=';
    } else if (ch == QLatin1Char(',') || ch == QLatin1Char('.')) {
        if (m_timeMode) return;
        show(Button::Separator);
    } else if (ch == QLatin1Char(';') || ch == QChar(0x00E7)) {
        code = KeyAdd;
    }

    switch (code) {
    case KeyAdd: operatorKey(OperatorKey::EnterAdd); return;
    case '+': operatorKey(OperatorKey::Add); return;
    case '-': operatorKey(OperatorKey::Subtract); return;
    case '*': operatorKey(OperatorKey::Multiply); return;
    case '/': operatorKey(OperatorKey::Divide); return;
    case '%': percentKey(); return;
    case '=':
        show(Button::Equals);
        equalsKey();
        return;
    default:
        entryBoxKey(QChar(static_cast<char16_t>(code)));
    }
}

void Engine::show(Button button) { emit buttonPressed(button); }

void Engine::press(Button button) {
    if (isDigit(button)) {
        pressDigit(buttonDigit(button));
        return;
    }
    switch (button) {
    case Button::Separator: pressSeparator(); break;
    case Button::Back: pressBack(); break;
    case Button::ClearEntry: pressClearEntry(); break;
    case Button::Sign: pressSign(); break;
    case Button::Add: keyPress(m_enterAdds ? KeyEnter : '+'); break;
    case Button::Subtract: keyPress('-'); break;
    case Button::Multiply: keyPress('*'); break;
    case Button::Divide: keyPress('/'); break;
    case Button::Percent: keyPress('%'); break;
    case Button::Equals: keyPress('='); break;
    case Button::MemoryClear: memoryClear(); break;
    case Button::MemoryRecall: memoryRecall(); break;
    case Button::MemorySubtract: memorySubtract(); break;
    case Button::MemoryAdd: memoryAdd(); break;
    default: break;
    }
}

void Engine::pressDigit(int digit) {
    if (inactive()) return;
    if (digit < 0 || digit > 9) return;
    typeIntoEntry(QString::number(digit));
}

void Engine::pressSeparator() {
    if (inactive()) return;
    entryBoxKey(m_separators.decimal);
}

void Engine::pressBack() {
    if (inactive()) return;
    entryBoxKey(QChar(KeyBackspace));
}

void Engine::operatorKey(OperatorKey key) {
    // The same operator again repeats the last number (5 + + gives 10), and so does every Enter
    // that adds.
    if (!m_timeMode && entryIsZero() && !m_lastNumber.isEmpty() &&
        ((key == m_previousKey && !m_enterAdds) || key == OperatorKey::EnterAdd))
        setEntry(m_lastNumber, false);

    if (key == OperatorKey::Subtract) {
        if (displayIsZero() && !m_timeMode) {
            minusOnZeroDisplay();
            return;
        }
        if (m_enterAdds) {
            if (!m_entry.startsWith(QLatin1Char('-'))) setEntry(QLatin1Char('-') + m_entry, false);
            if (!entryIsZero()) {
                operatorKey(OperatorKey::EnterAdd);
                return;
            }
        }
    }

    if (displayIsZero()) return;
    const Operator op = operatorOf(key);
    const QChar symbol = symbolOf(op);
    if (entryIsZero()) {
        // Nothing typed since the last operator: only the operator of the last line changes. After a
        // total that line is the separator, whose end then carries the operator, so that the next
        // "=" sees a calculation in progress and totals what follows.
        if (m_tape.size() >= 4) editTape(4, QLatin1Char(' ') + symbol + TapeLine::CrLf);
    } else {
        editTape(0, TapeLine::number(shownDisplay(), symbol));
    }
    m_pending = op;
    commonEnd(key);
}

void Engine::minusOnZeroDisplay() {
    show(Button::Sign);
    m_entry = QLatin1Char('-') + m_entry;
    m_entrySelected = false;
    updateMaxLength();
    QString zero = zeroDisplay();
    if (zero.endsWith(m_separators.decimal)) zero.chop(1);
    setDisplay(QLatin1Char('-') + zero);
}

void Engine::commonEnd(OperatorKey key) {
    show(buttonOf(key));
    m_previousKey = key;
    // The entry starts again from zero; the display goes on showing the running total.
    m_entry = Zero;
    m_entrySelected = true;
    updateMaxLength();
    if (m_pending != Operator::None) {
        if (m_timeMode)
            setDisplay(timeFromTotal());
        else
            setDisplay(m_total.left(22));
    } else {
        m_pending = Operator::Add;
        emit stateChanged();
    }
}

void Engine::percentKey() {
    if (m_timeMode || displayIsZero() || entryIsZero()) return;
    const auto total = number(m_total);
    if (!total || total->isZero()) return;
    show(Button::Percent);
    m_pending = Operator::Percent;
    editTape(0, TapeLine::number(shownDisplay(), QLatin1Char('%')));
    commonEnd(OperatorKey::Percent);
}

void Engine::equalsKey() {
    const QString tail5 = m_tape.tail(5);
    if (m_tape.isEmpty() || m_tape.lastMarker() == QLatin1Char('T') || tail5.startsWith(QLatin1String("=="))) {
        // Between calculations "=" closes the tape with one separator, then clears.
        const bool twoSeparators =
            m_tape.size() >= 56 && m_tape.tail(56).startsWith(TapeLine::separator()) && tail5.startsWith(QLatin1String("=="));
        if (!twoSeparators) editTape(0, TapeLine::separator());
        clearAll();
        return;
    }
    if (entryIsZero()) {
        if (isNumberLineMarker(m_tape.lastMarker()))
            finishCalculation(4, QStringLiteral(" =") + TapeLine::CrLf);
        else
            finishCalculation(0, QString());
    } else {
        finishCalculation(0, TapeLine::number(shownDisplay(), QLatin1Char('=')));
    }
    commonEnd(OperatorKey::Equals);
    if (m_tape.size() > TapeCapacity) askToClearFullTape();
}

void Engine::askToClearFullTape() {
    // The total just made is kept before asking: the box may stay up until the power goes.
    m_totalled = false;
    if (!m_loading) emit tapeSettled();
    emit soundWanted();
    if (!m_context.dialogs) return;
    const auto answer = m_context.dialogs->message(message(4), QString(), Dialogs::Icon::Question,
                                                   Dialogs::Buttons::YesNo, Dialogs::Answer::No);
    if (answer == Dialogs::Answer::Yes) clearTape();
}

// ---------------------------------------------------------------------------------------------
// Applying operations

void Engine::applyPending() {
    const QChar marker = m_tape.lastMarker();
    if (!entryIsZero()) {
        if (marker != QLatin1Char('T') && marker != QLatin1Char('E') && !m_loading) {
            const int next = m_visor[1].toInt() + 1;
            m_visor[1] = QStringLiteral("%1").arg(next, 3, 10, QLatin1Char('0'));
        }
        const auto t = number(m_total);
        const auto v = number(m_visor[0]);
        if (t && v) {
            std::optional<Decimal> r;
            switch (m_pending) {
            case Operator::Add: r = t->add(*v); break;
            case Operator::Subtract: r = t->subtract(*v); break;
            case Operator::Divide: r = t->divide(*v); break;
            case Operator::Multiply: r = t->multiply(*v); break;
            default: break;
            }
            if (r) m_total = formatTotal(*r);
        }
        m_lastNumber = m_entry;
    }
    m_insertBuffer.clear();
}

void Engine::computePercent() {
    const auto p = number(m_visor[0]);
    const auto t = number(m_total);
    if (!p || !t) return;
    const Decimal hundred = Decimal::fromInt(100);
    const Decimal one = Decimal::fromInt(1);
    std::optional<Decimal> r;
    if (m_previousKey == OperatorKey::Add || m_previousKey == OperatorKey::EnterAdd) {
        // Mark-up: 200 + 10 % gives 220.
        if (auto f = p->divide(hundred)) if (auto g = one.add(*f)) r = t->multiply(*g);
    } else if (m_previousKey == OperatorKey::Subtract) {
        // Discount: 200 - 10 % gives 180.
        if (auto f = hundred.subtract(*p)) if (auto g = t->multiply(*f)) r = g->divide(hundred);
    } else if (m_previousKey == OperatorKey::Divide) {
        // The tax contained in an amount: 110 / 10 % gives 10.
        if (auto f = p->divide(hundred)) if (auto g = one.add(*f)) if (auto h = t->divide(*g)) r = t->subtract(*h);
    } else {
        if (auto f = t->multiply(*p)) r = f->divide(hundred);
    }
    if (r) m_total = formatTotal(*r);
}

void Engine::finishCalculation(qsizetype removed, const QString& added) {
    applyPending();
    m_pending = Operator::None;

    const QString clip = m_timeMode ? timeFromTotal() : m_total;
    if (m_context.clipboard) m_context.clipboard->setText(clip);

    const QString shownTotal = m_timeMode ? timeFromTotal() : m_total.left(22);
    setDisplay(shownTotal);

    QString block = added;
    if (m_insertText) block += TapeLine::insertTextRule();
    block += TapeLine::counter(m_visor[1]) + TapeLine::total(m_timeMode ? shownTotal : m_total) + TapeLine::separator();
    editTape(removed, block);

    m_visor[1] = QStringLiteral("000");
    m_total = Zero;
    emit stateChanged();
    // Announced when the key that totalled has finished, so that listeners see a settled state.
    m_totalled = true;
}

void Engine::editTape(qsizetype removed, const QString& added) {
    m_tape.edit(removed, added);
    tapeChanged();
}

// The tape change handler: every line the engine writes applies the pending operation.
void Engine::tapeChanged() {
    if (m_editMode) return;
    if (m_pending == Operator::Percent && !entryIsZero()) {
        computePercent();
        finishCalculation(0, QString());
    } else {
        applyPending();
    }
    if (m_requestedLine >= 0) {
        const qsizetype end = m_tape.text().indexOf(TapeLine::CrLf, m_requestedLine);
        emit tapeSelection(m_requestedLine, (end < 0 ? m_tape.size() : end) - m_requestedLine);
        m_requestedLine = -1;
    } else {
        const qsizetype lastLine = qMax<qsizetype>(0, m_tape.size() - 28);
        const bool toEnd = m_insertText && !displayIsZero();
        emit tapeSelection(toEnd ? m_tape.size() : lastLine, 0);
    }
    emit stateChanged();
}

// ---------------------------------------------------------------------------------------------
// Clear, sign, memory

void Engine::pressClearEntry() {
    if (inactive()) return;
    if (m_timeMode) {
        if (m_visor[2] != ZeroTime) {
            m_entry = Zero;
            m_entrySelected = true;
            setDisplay(ZeroTime);
        } else {
            clearTape();
        }
        return;
    }
    if (!displayIsZero()) {
        if (entryIsZero())
            entryChanged();
        else
            setEntry(QString(), true);
    } else {
        clearTape();
    }
}

void Engine::pressSign() {
    if (inactive()) return;
    show(Button::Sign);
    if (m_entry.startsWith(QLatin1Char('-')))
        setEntry(m_entry.mid(1), false);
    else
        setEntry(QLatin1Char('-') + m_entry, false);
}

void Engine::clearAll() {
    m_visor[0] = zeroDisplay();
    m_total = m_visor[0];
    m_visor[1] = QStringLiteral("000");
    m_visor[2] = ZeroTime;
    m_pending = Operator::Add;
    m_undoTotals.clear();
    m_undoOps.clear();
    m_redoNumbers.clear();
    m_redoOps.clear();
    emit undoRedoChanged();
    m_entry = Zero;
    m_entrySelected = true;
    updateMaxLength();
    emit stateChanged();
}

void Engine::memoryAdd() {
    if (inactive()) return;
    addToMemory(false);
}

void Engine::memorySubtract() {
    if (inactive()) return;
    addToMemory(true);
}

// M+ and M-: an empty memory takes the display value (negated for M-); the result is kept as
// plain decimal text.
void Engine::addToMemory(bool subtract) {
    if (m_timeMode) return; // no memory for durations
    auto v = number(m_visor[0]);
    if (!v) return;
    if (subtract) v = v->negated();
    if (m_memory.isEmpty()) {
        m_memory = v->toString(m_separators.decimal);
    } else if (const auto m = number(m_memory)) {
        if (const auto r = m->add(*v)) m_memory = r->toString(m_separators.decimal);
    }
    m_entrySelected = true;
    emit stateChanged();
}

bool Engine::pasteEntry(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || !number(t)) return false;
    setEntry(t, true);
    return true;
}

void Engine::memoryClear() {
    if (inactive()) return;
    m_memory.clear();
    emit stateChanged();
}

void Engine::memoryRecall() {
    if (inactive()) return;
    if (m_timeMode) return; // no memory for durations
    // An empty memory recalls an empty entry, which the entry box turns into zero.
    setEntry(m_memory, m_memory.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Modes and formats

void Engine::setEnterAdds(bool on) {
    m_enterAdds = on;
    emit enterAddsChanged(on);
    if (on && !m_enterAddsAnnounced && !m_loading && m_context.dialogs) {
        const QString note = m_context.messages && m_context.messages->language() == Language::Portuguese
                                 ? QStringLiteral("NOTA: Se as HotKeys estiverem ligadas, agora CTLR+ALT+ENTER também irá dar o resultado!")
                                 : QStringLiteral("NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation's Total.");
        m_context.dialogs->message(message(14) + QStringLiteral("\r\n\r\n") + note, QString(),
                               Dialogs::Icon::Information);
    }
    if (on) m_enterAddsAnnounced = true;
}

void Engine::chooseFormat(int index) {
    if (!DisplayFormat::isValidIndex(index)) return;
    if (m_timeMode) setTimeMode(false);
    m_formatIndex = index;
    m_pattern = DisplayFormat::pattern(index);
    m_decimalPlaces = DisplayFormat::decimalPlaces(index);
    if (const auto v = number(m_visor[0])) {
        QString text = format(*v, m_pattern);
        if (text.endsWith(m_separators.decimal)) text = format(*v, GroupOnly);
        m_visor[0] = text.left(22);
    }
    updateMaxLength();
    emit stateChanged();
    if (!m_loading) emit formatChosen(index);
}

void Engine::setTimeMode(bool on) {
    if (on == m_timeMode) return;
    keyPress('=');
    clearAll();
    m_timeMode = on;
    m_visor[2] = ZeroTime;
    if (!on) m_visor[0] = zeroDisplay();
    emit timeModeChanged(on);
    emit stateChanged();
}

void Engine::setInsertText(bool on) {
    m_insertText = on;
    m_insertBuffer.clear();
    updateMaxLength();
}

// ---------------------------------------------------------------------------------------------
// Insert text: a label typed during a calculation goes into columns 2 to 13 of the last line.

bool Engine::collectInsertedText(QChar c) {
    if (!entryIsZero() || m_tape.size() < 28) return false;
    if (c.unicode() == KeyBackspace) {
        if (m_insertBuffer.isEmpty()) return false;
        m_insertBuffer.chop(1);
        rewriteLabel();
        return true;
    }
    if (!isLabelCharacter(c)) return false;
    if (m_insertBuffer.size() < 11) {
        m_insertBuffer += c.toUpper();
        rewriteLabel();
    }
    return true;
}

void Engine::rewriteLabel() {
    const QString line = m_tape.tail(28).left(26);
    const QString relabelled = line.left(1) + m_insertBuffer.leftJustified(12, QLatin1Char(' ')) + line.mid(13);
    // The label is not a number: the tape changes without applying anything.
    m_tape.edit(28, relabelled + TapeLine::CrLf);
    emit tapeSelection(m_tape.size(), 0);
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

void Engine::pushSnapshot() {
    if (m_undoBusy || m_loading) return;
    m_undoTotals.append(m_total);
    m_undoOps.append(m_pending);
    emit undoRedoChanged();
}

void Engine::dropRedo() {
    if (m_undoBusy || m_redoNumbers.isEmpty()) return;
    m_redoNumbers.removeLast();
    m_redoOps.removeLast();
    emit undoRedoChanged();
}

void Engine::undo() {
    if (m_undoTotals.isEmpty() || m_editMode) return;
    // Only a number line can be taken back; a total block stays as printed.
    // (An operator typed after a total sits on the separator line, which is no number either.)
    if (m_tape.size() < 28 || !isNumberLineMarker(m_tape.lastMarker()) ||
        m_tape.tail(28).startsWith(QLatin1String(" ==")))
        return;
    m_undoBusy = true;
    m_redoNumbers.append(m_tape.tail(28).left(24));
    m_redoOps.append(m_pending);
    const int counter = qMax(0, m_visor[1].toInt() - 1);
    m_visor[1] = QStringLiteral("%1").arg(counter, 3, 10, QLatin1Char('0'));
    setEntry(QString(), true);
    editTape(28, QString());
    m_total = m_undoTotals.takeLast().trimmed();
    m_pending = m_undoOps.takeLast();
    if (m_timeMode)
        setDisplay(timeFromTotal());
    else
        setDisplay(m_total.left(22));
    m_undoBusy = false;
    emit undoRedoChanged();
}

// A number taken from the tape as it would be typed: a time "h:mm:ss" becomes its digits (time
// mode is switched on for it), anything else stays as written.
QString Engine::typedForm(const QString& text) {
    QString value = text.trimmed();
    if (!value.contains(QLatin1Char(':'))) return value;
    if (!m_timeMode) setTimeMode(true);
    const bool negative = value.startsWith(QLatin1Char('-'));
    value.remove(QLatin1Char(':'));
    value.remove(QLatin1Char('-'));
    return negative ? QLatin1Char('-') + value : value;
}

void Engine::redo() {
    if (m_redoNumbers.isEmpty() || m_editMode) return;
    const QString field = m_redoNumbers.last();
    const Operator op = m_redoOps.last();
    const QString label = m_insertText ? field.left(12) : QString();
    const QString value = typedForm(field.right(m_insertText ? 11 : 23));
    const qsizetype before = m_redoNumbers.size();
    setEntry(value, false);
    if (m_redoNumbers.size() == before) {
        // The entry already held a number, so no new number started: the entry is consumed here.
        m_redoNumbers.removeLast();
        m_redoOps.removeLast();
        emit undoRedoChanged();
    }
    keyPress(op == Operator::Subtract ? '-' : op == Operator::Divide ? '/' : op == Operator::Multiply ? '*' : '+');
    if (m_insertText && !label.trimmed().isEmpty() && m_tape.size() >= 28) {
        const QString line = m_tape.tail(28).left(26);
        m_tape.edit(28, line.left(1) + label.mid(1) + QLatin1Char(' ') + line.mid(13) + TapeLine::CrLf);
    }
}

// ---------------------------------------------------------------------------------------------
// Re-entry and edit mode

void Engine::reenter(const QString& word, qsizetype lineStart) {
    if (m_editMode) return;
    const QString value = typedForm(word);
    const auto v = number(value);
    if (!v || v->isZero()) return;
    m_requestedLine = lineStart;
    setEntry(value.left(22), false);
    keyPress(m_enterAdds ? KeyEnter : '+');
    m_requestedLine = -1;
}

bool Engine::enterEditMode() {
    if (m_editMode) return true;
    if (!m_tape.text().endsWith(QStringLiteral("==") + TapeLine::CrLf)) {
        if (m_context.dialogs) m_context.dialogs->message(message(12), QString(), Dialogs::Icon::Exclamation);
        return false;
    }
    m_editMode = true;
    m_tape.edit(0, QStringLiteral(" "));
    emit editModeChanged(true);
    emit tapeFocusRequested();
    emit tapeSelection(m_tape.size(), 0);
    return true;
}

void Engine::leaveEditMode(const QString& editedText) {
    if (!m_editMode) return;
    QString text = editedText;
    if (!text.endsWith(TapeLine::CrLf)) text += TapeLine::CrLf;
    text += TapeLine::separator();
    m_tape.setText(text);
    m_editMode = false;
    m_entrySelected = true;
    emit editModeChanged(false);
    emit stateChanged();
}

// ---------------------------------------------------------------------------------------------
// Clearing the tape, its backup, find and group

QString Engine::dateHeader() const {
    const QDate today = m_context.now().date();
    QString pattern = m_context.facts.datePattern;
    pattern.replace(QLatin1String("mm"), QLatin1String("MM"));
    const QString day = m_context.facts.locale.dayName(today.dayOfWeek(), QLocale::LongFormat).left(3);
    return (QLatin1Char(' ') + today.toString(pattern) + QLatin1Char(' ') + day).leftJustified(26, QLatin1Char(' '));
}

bool Engine::writeBackup() {
    if (!m_notices.kept(m_backupFile.path(), m_backupFile.append(m_tape.text(), m_context.now().time()))) return false;
    if (m_backupFile.tooLarge() && !m_loading) {
        if (m_context.dialogs) m_context.dialogs->message(message(173), QString(), Dialogs::Icon::Exclamation);
        emit backupTooLarge();
    }
    return true;
}

void Engine::clearTape() {
    if (inactive()) return;
    // A tape whose backup could not be written stays: the user was told why, and clearing it would
    // lose it for good. Switching the backup off clears it.
    if (m_backup && m_tape.size() >= 29 && !writeBackup()) return;
    m_tape.setText(dateHeader() + TapeLine::CrLf + TapeLine::separator());
    tapeChanged();
    clearAll();
    if (!m_loading) emit tapeSettled();
}

void Engine::groupReports() {
    if (inactive()) return;
    emit soundWanted();
    const ReportSums sums = sumReports(m_tape.text(), {message(154), message(158), message(159)}, m_separators);
    keyPress('=');
    clearAll();
    m_tape.edit(0, sumsBlock(sums, {message(210), message(213), message(211), message(212)}, m_separators));
    emit tapeSelection(m_tape.size(), 0);
    emit stateChanged();
}

// ---------------------------------------------------------------------------------------------
// Restoring a saved calculation

void Engine::restoreTape(const QString& tape) {
    m_tape.setText(tape);
    emit tapeSelection(qMax<qsizetype>(0, m_tape.size() - 28), 0);
}

void Engine::restore(const TapeState& state) {
    restoreTape(state.tape);
    m_total = state.total;
    // Between two steps the pending operator is never empty: an empty one means "+".
    m_pending = state.pending.isEmpty() ? Operator::Add : operatorFromText(state.pending);
    m_entry = number(state.entry) ? state.entry : Zero;
    m_entrySelected = true;
    updateMaxLength();
    m_visor[0] = state.display;
    m_visor[1] = state.counter;
    if (m_timeMode) m_visor[2] = TimeText::convert(state.display, m_separators.decimal).left(22);
    emit stateChanged();
}
