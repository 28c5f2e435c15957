// The engine's numbers and its entry box: what a typed character does to the number being typed,
// how that number is shown with the display format, the texts the engine computes with, the keys
// that act on the entry (clear, sign, memory) and the modes and formats that change how it shows.

#include "core/engine.h"

#include "core/displayformat.h"
#include "core/timetext.h"
#include "i18n/messagecatalog.h"
#include "platform/dialogs.h"

namespace {

const QString Zero = QStringLiteral("0");
const QString ZeroTime = QStringLiteral("00:00:00");
const QString GroupOnly = QStringLiteral("#,##0");

} // namespace

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

QString Engine::timeFromTotal() const {
    return TimeText::convert(m_total, m_separators.decimal);
}

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
        const Decimal whole =
            Decimal::parse(digits.left(digits.size() - 2), sep, m_separators.group).value_or(Decimal());
        text =
            (negative ? QStringLiteral("-") : QString()) + format(whole, GroupOnly) + sep + digits.right(2);
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
        const QString note =
            m_context.messages && m_context.messages->language() == Language::Portuguese
                ? QStringLiteral("NOTA: Se as HotKeys estiverem ligadas, agora CTLR+ALT+ENTER também irá dar "
                                 "o resultado!")
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

