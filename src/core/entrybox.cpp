// The engine's numbers and its entry box: what a typed character does to the number being typed,
// how that number is shown with the display format, and the texts the engine computes with.

#include "core/engine.h"

#include "core/displayformat.h"
#include "core/timetext.h"

namespace {

const QString Zero = QStringLiteral("0");
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
