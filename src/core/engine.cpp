#include "core/engine.h"

#include "core/displayformat.h"
#include "core/timetext.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "i18n/messagecatalog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString operatorButton(const QString& op) {
    if (op == QLatin1String("+")) return QStringLiteral("chkMais");
    if (op == QLatin1String("-")) return QStringLiteral("chkMenos");
    if (op == QLatin1String("*")) return QStringLiteral("chkVezes");
    if (op == QLatin1String("/")) return QStringLiteral("chkDividir");
    if (op == QLatin1String("%")) return QStringLiteral("chkPercent");
    return QStringLiteral("chkIgual");
}

} // namespace

Engine::Engine(EngineEnvironment env, QObject* parent) : QObject(parent), m_env(std::move(env)), m_tape(this) {
    m_pattern = DisplayFormat::pattern(m_formatIndex);
    m_decimalPlaces = DisplayFormat::decimalPlaces(m_formatIndex);
    m_visor[2] = ZeroTime;
    LimpaTudo();
}

QString Engine::message(int number) const { return fMensagem(number); }

// ---------------------------------------------------------------------------------------------
// Numbers and their texts

std::optional<Decimal> Engine::number(const QString& text) const {
    return Decimal::parse(text, m_env.separators.decimal, m_env.separators.group);
}

QString Engine::format(const Decimal& value, const QString& pattern) const {
    return NumberPattern(pattern).format(value, m_env.separators);
}

QString Engine::formatTotal(const Decimal& value) const {
    QString text = format(value, m_pattern);
    if (!m_timeMode && !value.isZero() && text.endsWith(m_env.separators.decimal))
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

QString Engine::timeFromTotal() const { return TimeText::convert(m_total, m_env.separators.decimal); }

// ---------------------------------------------------------------------------------------------
// The entry box

void Engine::updateMaxLength() {
    const qsizetype sep = m_entry.indexOf(m_env.separators.decimal);
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
    const QChar sep = m_env.separators.decimal;
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
    const QChar sep = m_env.separators.decimal;
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
        const Decimal whole = Decimal::parse(digits.left(digits.size() - 2), sep, m_env.separators.group)
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
        if (!m_timeMode && !m_entry.contains(m_env.separators.decimal)) {
            // The separator key raises the length limit by one for itself.
            ++m_maxLength;
            typeIntoEntry(QString(m_env.separators.decimal));
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

    if (ch.isDigit() && ch.unicode() < 128) press(QStringLiteral("chkNum(%1)").arg(ch));

    int code = ch.unicode();
    if (code == KeyBackspace) {
        press(QStringLiteral("chkBack"));
    } else if (code == KeyEnter) {
        code = m_enterAdds ? KeyAdd : '=';
    } else if (ch == QLatin1Char(',') || ch == QLatin1Char('.')) {
        if (m_timeMode) return;
        press(QStringLiteral("chkVirgula"));
    } else if (ch == QLatin1Char(';') || ch == QChar(0x00E7)) {
        code = KeyAdd;
    }

    switch (code) {
    case KeyAdd:
    case '+':
    case '-':
    case '*':
    case '/':
        operatorKey(code);
        return;
    case '%':
        percentKey();
        return;
    case '=':
        if (!m_minimized) press(QStringLiteral("chkIgual"));
        equalsKey();
        return;
    default:
        entryBoxKey(QChar(static_cast<char16_t>(code)));
    }
}

void Engine::press(const QString& objectName) {
    if (!m_minimized) emit buttonPressed(objectName);
}

void Engine::pressDigit(int digit) {
    if (inactive()) return;
    if (digit < 0 || digit > 9) return;
    typeIntoEntry(QString::number(digit));
}

void Engine::pressSeparator() {
    if (inactive()) return;
    entryBoxKey(m_env.separators.decimal);
}

void Engine::pressBack() {
    if (inactive()) return;
    entryBoxKey(QChar(KeyBackspace));
}

void Engine::operatorKey(int code) {
    const QString op = code == KeyAdd ? QStringLiteral("+") : QString(QChar(code));
    const QString keyText = QString::number(code);

    if (!m_timeMode && entryIsZero() && !m_lastNumber.isEmpty() &&
        ((keyText == m_prevKey && !m_enterAdds) || code == KeyAdd))
        setEntry(m_lastNumber, false);

    if (code == '-') {
        if (displayIsZero() && !m_timeMode) {
            minusOnZeroDisplay();
            return;
        }
        if (m_enterAdds) {
            if (!m_entry.startsWith(QLatin1Char('-'))) setEntry(QLatin1Char('-') + m_entry, false);
            if (!entryIsZero()) {
                operatorKey(KeyAdd);
                return;
            }
        }
    }

    if (displayIsZero()) return;
    const QChar symbol = TapeLine::symbolFor(op);
    if (entryIsZero()) {
        // Nothing typed since the last operator: only the operator of the last line changes. After a
        // total that line is the separator, whose end then carries the operator, so that the next
        // "=" sees a calculation in progress and totals what follows.
        if (m_tape.size() >= 4) editTape(4, QLatin1Char(' ') + symbol + TapeLine::CrLf);
    } else {
        editTape(0, TapeLine::number(shownDisplay(), symbol));
    }
    m_pending = op;
    commonEnd(code);
}

void Engine::minusOnZeroDisplay() {
    press(QStringLiteral("chkNeg"));
    m_entry = QLatin1Char('-') + m_entry;
    m_entrySelected = false;
    updateMaxLength();
    QString zero = zeroDisplay();
    if (zero.endsWith(m_env.separators.decimal)) zero.chop(1);
    setDisplay(QLatin1Char('-') + zero);
}

void Engine::commonEnd(int code) {
    press(operatorButton(code == KeyAdd ? QStringLiteral("+") : QString(QChar(code))));
    m_prevKey = QString::number(code);
    // The entry starts again from zero; the display goes on showing the running total.
    m_entry = Zero;
    m_entrySelected = true;
    updateMaxLength();
    if (!m_pending.isEmpty()) {
        if (m_timeMode)
            setDisplay(timeFromTotal());
        else
            setDisplay(m_total.left(22));
    } else {
        m_pending = QStringLiteral("+");
        emit stateChanged();
    }
}

void Engine::percentKey() {
    if (m_timeMode || displayIsZero() || entryIsZero()) return;
    const auto total = number(m_total);
    if (!total || total->isZero()) return;
    press(QStringLiteral("chkPercent"));
    m_pending = QStringLiteral("%");
    editTape(0, TapeLine::number(shownDisplay(), QLatin1Char('%')));
    commonEnd('%');
}

void Engine::equalsKey() {
    const QString tail5 = m_tape.tail(5);
    if (m_tape.isEmpty() || m_tape.lastMarker() == QLatin1Char('T') || tail5.startsWith(QLatin1String("=="))) {
        // Between calculations "=" closes the tape with one separator, then clears.
        const bool twoSeparators =
            m_tape.size() >= 56 && m_tape.tail(56).startsWith(TapeLine::separator()) && tail5.startsWith(QLatin1String("=="));
        if (!twoSeparators) editTape(0, TapeLine::separator());
        LimpaTudo();
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
    commonEnd('=');
    if (m_tape.size() > TapeCapacity) askToClearFullTape();
}

void Engine::askToClearFullTape() {
    // The total just made is kept before asking: the box may stay up until the power goes.
    m_totalled = false;
    if (!m_loading) emit tapeSettled();
    if (m_env.keySound) m_env.keySound();
    if (!m_env.dialogs) return;
    const auto answer = m_env.dialogs->message(message(4), m_env.windowTitle, Dialogs::Icon::Question,
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
            if (m_pending == QLatin1String("+")) r = t->add(*v);
            else if (m_pending == QLatin1String("-")) r = t->subtract(*v);
            else if (m_pending == QLatin1String("/")) r = t->divide(*v);
            else if (m_pending == QLatin1String("*")) r = t->multiply(*v);
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
    if (m_prevKey == QLatin1String("43") || m_prevKey == QLatin1String("2")) {
        // Mark-up: 200 + 10 % gives 220.
        if (auto f = p->divide(hundred)) if (auto g = one.add(*f)) r = t->multiply(*g);
    } else if (m_prevKey == QLatin1String("45")) {
        // Discount: 200 - 10 % gives 180.
        if (auto f = hundred.subtract(*p)) if (auto g = t->multiply(*f)) r = g->divide(hundred);
    } else if (m_prevKey == QLatin1String("47")) {
        // The tax contained in an amount: 110 / 10 % gives 10.
        if (auto f = p->divide(hundred)) if (auto g = one.add(*f)) if (auto h = t->divide(*g)) r = t->subtract(*h);
    } else {
        if (auto f = t->multiply(*p)) r = f->divide(hundred);
    }
    if (r) m_total = formatTotal(*r);
}

void Engine::finishCalculation(qsizetype removed, const QString& added) {
    applyPending();
    m_pending.clear();

    QString clip = m_waitingClipboardText.isEmpty() ? m_total : m_waitingClipboardText;
    if (m_timeMode && m_waitingClipboardText.isEmpty()) clip = timeFromTotal();
    if (m_env.clipboard) m_env.clipboard->setText(clip);
    m_clipboardText = clip;
    m_waitingClipboardText.clear();

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
    if (m_pending == QLatin1String("%") && !entryIsZero()) {
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
    press(QStringLiteral("chkNeg"));
    if (m_entry.startsWith(QLatin1Char('-')))
        setEntry(m_entry.mid(1), false);
    else
        setEntry(QLatin1Char('-') + m_entry, false);
}

void Engine::LimpaTudo() {
    m_visor[0] = zeroDisplay();
    m_total = m_visor[0];
    m_visor[1] = QStringLiteral("000");
    m_visor[2] = ZeroTime;
    m_pending = QStringLiteral("+");
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
        m_memory = v->toString(m_env.separators.decimal);
    } else if (const auto m = number(m_memory)) {
        if (const auto r = m->add(*v)) m_memory = r->toString(m_env.separators.decimal);
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
    if (on && !m_enterAddsAnnounced && !m_loading && m_env.dialogs) {
        const QString note = currentLanguage() == 1
                                 ? QStringLiteral("NOTA: Se as HotKeys estiverem ligadas, agora CTLR+ALT+ENTER também irá dar o resultado!")
                                 : QStringLiteral("NOTE: If HotKeys are activated then CTRL+ALT+ENTER = Calculation's Total.");
        m_env.dialogs->message(message(14) + QStringLiteral("\r\n\r\n") + note, m_env.windowTitle,
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
        if (text.endsWith(m_env.separators.decimal)) text = format(*v, GroupOnly);
        m_visor[0] = text.left(22);
    }
    updateMaxLength();
    emit stateChanged();
    if (!m_loading) emit formatChosen(index);
}

void Engine::setTimeMode(bool on) {
    if (on == m_timeMode) return;
    keyPress('=');
    LimpaTudo();
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
    const QString op = m_redoOps.last();
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
    const int code = op == QLatin1String("-")   ? '-'
                     : op == QLatin1String("/") ? '/'
                     : op == QLatin1String("*") ? '*'
                                                : '+';
    keyPress(code);
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
        if (m_env.dialogs)
            m_env.dialogs->message(message(12), m_env.windowTitle, Dialogs::Icon::Exclamation);
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
    if (m_env.clipboard) m_clipboardText = m_env.clipboard->text();
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

QString Engine::backupFilePath() const { return QDir(m_env.dataDir).filePath(QStringLiteral("calcula.txt")); }

QString Engine::dateHeader() const {
    const QDate today = m_env.now().date();
    QString pattern = m_env.datePattern;
    pattern.replace(QLatin1String("mm"), QLatin1String("MM"));
    const QString day = m_env.locale.dayName(today.dayOfWeek(), QLocale::LongFormat).left(3);
    return (QLatin1Char(' ') + today.toString(pattern) + QLatin1Char(' ') + day).leftJustified(26, QLatin1Char(' '));
}

bool Engine::writeBackup() {
    QDir().mkpath(m_env.dataDir);
    QFile file(backupFilePath());
    const QString record = m_tape.text() + TapeLine::separator() + QString(8, QLatin1Char(' ')) +
                           QStringLiteral("BKP = ") + m_env.now().toString(QStringLiteral("hh:mm:ss")) +
                           QStringLiteral(" hs.") + TapeLine::CrLf + TapeLine::separator();
    const QByteArray bytes = record.toUtf8();
    FileWriteResult result;
    if (!file.open(QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush())
        result.error = file.errorString();
    file.close();
    if (!m_notices.kept(backupFilePath(), result)) return false;
    if (file.size() > BackupWarningSize && !m_loading && m_env.dialogs) {
        m_env.dialogs->message(message(173), m_env.windowTitle, Dialogs::Icon::Exclamation);
        showBackup();
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
    LimpaTudo();
    if (!m_loading) emit tapeSettled();
}

void Engine::showBackup() {
    if (!m_env.dialogs) return;
    if (!QFileInfo::exists(backupFilePath())) {
        m_env.dialogs->message(message(171), m_env.windowTitle, Dialogs::Icon::Information);
        return;
    }
    if (!m_env.desktop || !m_env.desktop->openDocument(backupFilePath()))
        m_env.dialogs->message(message(172) + QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(backupFilePath()),
                               m_env.windowTitle, Dialogs::Icon::Critical);
}

void Engine::find() {
    if (!m_env.dialogs) return;
    const QString answer = m_env.dialogs->input(message(55), message(56), m_lastSearch).trimmed();
    const bool sameAsBefore = answer == m_lastSearch;
    m_lastSearch = answer;
    if (answer.isEmpty()) return;
    emit tapeFocusRequested();
    if (!sameAsBefore) m_caret = 0;
    const qsizetype at = m_tape.text().indexOf(answer, m_caret + 1, Qt::CaseInsensitive);
    if (at < 0) {
        m_env.dialogs->message(message(18), m_env.windowTitle, Dialogs::Icon::Information);
        return;
    }
    m_caret = at;
    emit tapeSelection(at, answer.size());
}

void Engine::group() {
    if (inactive()) return;
    if (m_env.keySound) m_env.keySound();
    const QString& tape = m_tape.text();
    const QString initial = message(154) + TapeLine::CrLf;
    const QString interest = message(158) + TapeLine::CrLf;
    const QString final = message(159) + TapeLine::CrLf;
    const Separators& seps = m_env.separators;
    Decimal sums[3];
    auto addAmount = [&](Decimal& sum, qsizetype labelAt, const QString& label) {
        if (labelAt < 0) return;
        const auto amount = Decimal::parse(tape.mid(labelAt + label.size(), 26).trimmed(), seps.decimal, seps.group);
        if (!amount) return;
        if (const auto s = sum.add(amount->rounded(4, Decimal::Rounding::HalfAwayFromZero))) sum = *s;
    };
    qsizetype pos = 0;
    for (;;) {
        const qsizetype i = tape.indexOf(initial, pos);
        if (i < 0) break;
        addAmount(sums[0], i, initial);
        addAmount(sums[1], tape.indexOf(interest, i), interest);
        addAmount(sums[2], tape.indexOf(final, i), final);
        pos = i + 1;
    }

    keyPress('=');
    LimpaTudo();

    auto sumLine = [&](const Decimal& sum) {
        return (FormatarValor(sum.toString(seps.decimal), seps).rightJustified(25, QLatin1Char(' ')) +
                QLatin1Char(' ') + TapeLine::CrLf);
    };
    QString block = message(210) + TapeLine::CrLf + TapeLine::groupRule();
    block += QString(12, QLatin1Char(' ')) + message(213) + TapeLine::CrLf + sumLine(sums[0]);
    block += QString(11, QLatin1Char(' ')) + message(211) + TapeLine::CrLf + sumLine(sums[1]);
    block += QString(13, QLatin1Char(' ')) + message(212) + TapeLine::CrLf + sumLine(sums[2]);
    block += TapeLine::separator();
    m_tape.edit(0, block);
    emit tapeSelection(m_tape.size(), 0);
    emit stateChanged();
}

// ---------------------------------------------------------------------------------------------
// Restoring a saved calculation

void Engine::restoreTape(const QString& tape) {
    m_tape.setText(tape);
    emit tapeSelection(qMax<qsizetype>(0, m_tape.size() - 28), 0);
}

void Engine::restore(const QString& tape, const QString& total, const QString& pending, const QString& entry,
                     const QString& display, const QString& counter) {
    restoreTape(tape);
    m_total = total;
    // Between two steps the pending operator is never empty: an empty one means "+".
    m_pending = pending.isEmpty() ? QStringLiteral("+") : pending;
    m_entry = number(entry) ? entry : Zero;
    m_entrySelected = true;
    updateMaxLength();
    m_visor[0] = display;
    m_visor[1] = counter;
    if (m_timeMode) m_visor[2] = TimeText::convert(display, m_env.separators.decimal).left(22);
    emit stateChanged();
}
