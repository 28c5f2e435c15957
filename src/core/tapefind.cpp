#include "core/tapefind.h"

std::optional<qsizetype> TapeFinder::next(const QString& tape, const QString& text) {
    const QString wanted = text.trimmed();
    const bool sameAsBefore = wanted == m_lastSearch;
    m_lastSearch = wanted;
    if (wanted.isEmpty()) return std::nullopt;
    if (!sameAsBefore) m_caret = 0;
    const qsizetype at = tape.indexOf(wanted, m_caret + 1, Qt::CaseInsensitive);
    if (at < 0) return std::nullopt;
    m_caret = at;
    return at;
}
