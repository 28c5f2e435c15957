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

Button buttonOf(OperatorKey key) {
    switch (key) {
    case OperatorKey::Add:
    case OperatorKey::EnterAdd:
        return Button::Add;
    case OperatorKey::Subtract:
        return Button::Subtract;
    case OperatorKey::Multiply:
        return Button::Multiply;
    case OperatorKey::Divide:
        return Button::Divide;
    case OperatorKey::Percent:
        return Button::Percent;
    case OperatorKey::Equals:
    case OperatorKey::None:
        break;
    }
    return Button::Equals;
}

Operator operatorOf(OperatorKey key) {
    switch (key) {
    case OperatorKey::Subtract:
        return Operator::Subtract;
    case OperatorKey::Multiply:
        return Operator::Multiply;
    case OperatorKey::Divide:
        return Operator::Divide;
    default:
        return Operator::Add;
    }
}

QChar symbolOf(Operator op) {
    switch (op) {
    case Operator::Subtract:
        return QLatin1Char('-');
    case Operator::Multiply:
        return TapeLine::Times;
    case Operator::Divide:
        return TapeLine::Divide;
    case Operator::Percent:
        return QLatin1Char('%');
    default:
        return QLatin1Char('+');
    }
}

} // namespace

Engine::Engine(const Context& context, QObject* parent)
    : QObject(parent),
      m_context(context), m_separators{context.facts.decimalSeparator, context.facts.groupSeparator},
      m_tape(this), m_backupFile(context.facts.dataDir), m_notices(context.dialogs, context.messages) {
    m_pattern = DisplayFormat::pattern(m_formatIndex);
    m_decimalPlaces = DisplayFormat::decimalPlaces(m_formatIndex);
    m_visor[2] = ZeroTime;
    clearAll();
}

QString Engine::message(int number) const {
    return m_context.messages ? m_context.messages->text(number) : QString();
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
    case KeyAdd:
        operatorKey(OperatorKey::EnterAdd);
        return;
    case '+':
        operatorKey(OperatorKey::Add);
        return;
    case '-':
        operatorKey(OperatorKey::Subtract);
        return;
    case '*':
        operatorKey(OperatorKey::Multiply);
        return;
    case '/':
        operatorKey(OperatorKey::Divide);
        return;
    case '%':
        percentKey();
        return;
    case '=':
        show(Button::Equals);
        equalsKey();
        return;
    default:
        entryBoxKey(QChar(static_cast<char16_t>(code)));
    }
}

void Engine::show(Button button) {
    emit buttonPressed(button);
}

void Engine::press(Button button) {
    if (isDigit(button)) {
        pressDigit(buttonDigit(button));
        return;
    }
    switch (button) {
    case Button::Separator:
        pressSeparator();
        break;
    case Button::Back:
        pressBack();
        break;
    case Button::ClearEntry:
        pressClearEntry();
        break;
    case Button::Sign:
        pressSign();
        break;
    case Button::Add:
        keyPress(m_enterAdds ? KeyEnter : '+');
        break;
    case Button::Subtract:
        keyPress('-');
        break;
    case Button::Multiply:
        keyPress('*');
        break;
    case Button::Divide:
        keyPress('/');
        break;
    case Button::Percent:
        keyPress('%');
        break;
    case Button::Equals:
        keyPress('=');
        break;
    case Button::MemoryClear:
        memoryClear();
        break;
    case Button::MemoryRecall:
        memoryRecall();
        break;
    case Button::MemorySubtract:
        memorySubtract();
        break;
    case Button::MemoryAdd:
        memoryAdd();
        break;
    default:
        break;
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
    if (m_tape.isEmpty() || m_tape.lastMarker() == QLatin1Char('T') ||
        tail5.startsWith(QLatin1String("=="))) {
        // Between calculations "=" closes the tape with one separator, then clears.
        const bool twoSeparators = m_tape.size() >= 56 && m_tape.tail(56).startsWith(TapeLine::separator()) &&
                                   tail5.startsWith(QLatin1String("=="));
        if (!twoSeparators) editTape(0, TapeLine::separator());
        clearAll();
        return;
    }
    if (entryIsZero()) {
        if (TapeLine::isNumberMarker(m_tape.lastMarker()))
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

void Engine::writeReport(const QString& report, const QString& entry, bool closeWithSeparator) {
    if (inactive()) return;
    // Nothing of the report is an operand: the pending operation and the entry step aside.
    m_pending = Operator::None;
    m_entry = Zero;
    if (!m_tape.isEmpty() && m_tape.tail(4).at(0) != QLatin1Char('=')) keyPress('=');
    m_totalled = false;
    if (m_tape.size() > TapeCapacity) askToClearFullTape();
    QString text = report;
    if (closeWithSeparator) {
        if (!text.endsWith(TapeLine::CrLf)) text += TapeLine::CrLf;
        text += TapeLine::separator();
    }
    m_tape.edit(0, text);
    clearAll();
    if (!entry.isEmpty() && number(entry)) setEntry(entry, false);
    emit tapeSelection(m_tape.size(), 0);
    if (!m_loading) emit tapeSettled();
}

QString Engine::settleForTool() {
    if (inactive()) return {};
    // With nothing pending a lone "=" would only add a separator: the number shown is what counts.
    if (TapeLine::isNumberMarker(m_tape.lastMarker())) keyPress('=');
    const QString shown = displayIsZero() ? QString() : m_visor[0];
    clearAll();
    return shown;
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
            case Operator::Add:
                r = t->add(*v);
                break;
            case Operator::Subtract:
                r = t->subtract(*v);
                break;
            case Operator::Divide:
                r = t->divide(*v);
                break;
            case Operator::Multiply:
                r = t->multiply(*v);
                break;
            default:
                break;
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
        if (auto f = p->divide(hundred))
            if (auto g = one.add(*f)) r = t->multiply(*g);
    } else if (m_previousKey == OperatorKey::Subtract) {
        // Discount: 200 - 10 % gives 180.
        if (auto f = hundred.subtract(*p))
            if (auto g = t->multiply(*f)) r = g->divide(hundred);
    } else if (m_previousKey == OperatorKey::Divide) {
        // The tax contained in an amount: 110 / 10 % gives 10.
        if (auto f = p->divide(hundred))
            if (auto g = one.add(*f))
                if (auto h = t->divide(*g)) r = t->subtract(*h);
    } else {
        if (auto f = t->multiply(*p)) r = f->divide(hundred);
    }
    if (r) m_total = formatTotal(*r);
}

void Engine::finishCalculation(qsizetype removed, const QString& added) {
    applyPending();
    m_pending = Operator::None;

    const QString clip = m_timeMode ? timeFromTotal() : m_total;
    m_clipboardText = clip;
    if (m_context.clipboard) m_context.clipboard->setText(clip);

    const QString shownTotal = m_timeMode ? timeFromTotal() : m_total.left(22);
    setDisplay(shownTotal);

    QString block = added;
    if (m_insertText) block += TapeLine::insertTextRule();
    block += TapeLine::counter(m_visor[1]) + TapeLine::total(m_timeMode ? shownTotal : m_total) +
             TapeLine::separator();
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
// Clearing the tape, its backup, find and group

QString Engine::dateHeader() const {
    const QDate today = m_context.now().date();
    QString pattern = m_context.facts.datePattern;
    pattern.replace(QLatin1String("mm"), QLatin1String("MM"));
    const QString day = m_context.facts.locale.dayName(today.dayOfWeek(), QLocale::LongFormat).left(3);
    return (QLatin1Char(' ') + today.toString(pattern) + QLatin1Char(' ') + day)
        .leftJustified(26, QLatin1Char(' '));
}

bool Engine::writeBackup() {
    if (!m_notices.kept(m_backupFile.path(), m_backupFile.append(m_tape.text(), m_context.now().time())))
        return false;
    if (m_backupFile.tooLarge() && !m_loading) {
        if (m_context.dialogs)
            m_context.dialogs->message(message(173), QString(), Dialogs::Icon::Exclamation);
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
    const ReportSums sums =
        sumReports(m_tape.text(), {message(154), message(158), message(159)}, m_separators);
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

// ---------------------------------------------------------------------------------------------
// Numbers from other programs

void Engine::addNumbers(const QStringList& entries) {
    if (inactive() || entries.isEmpty()) return;
    const QString before = m_tape.text();
    {
        // A copied column of ten thousand rows must not repaint the window ten thousand times: the
        // window hears of the result once, below.
        const QSignalBlocker quietEngine(this);
        const QSignalBlocker quietTape(&m_tape);
        for (const QString& entry : entries) {
            const std::optional<Decimal> value = number(entry);
            if (!value || value->isZero()) continue;
            setEntry(entry, false);
            operatorKey(OperatorKey::EnterAdd);
        }
    }
    // Only the end of the tape changed: announce it as one edit.
    const QString& after = m_tape.text();
    const qsizetype limit = qMin(before.size(), after.size());
    qsizetype same = 0;
    while (same < limit && before.at(same) == after.at(same))
        ++same;
    if (same < before.size() || same < after.size()) emit m_tape.edited(before.mid(same), after.mid(same));
    emit undoRedoChanged();
    emit tapeSelection(qMax<qsizetype>(0, m_tape.size() - 28), 0);
    emit stateChanged();
}
