#pragma once
// Finding a text in the tape: case-insensitive, starting one character after the caret, so that
// asking again with the same text walks through every occurrence. A new text starts from the top.

#include <QString>
#include <optional>

class TapeFinder {
  public:
    // The text asked last, offered again by the next question.
    const QString& lastSearch() const { return m_lastSearch; }
    // Where the caret is now: the user may have put it anywhere since the last hit.
    void setCaret(qsizetype position) { m_caret = position; }

    // Where `text` (trimmed) is found next in `tape`, which becomes the caret; nullopt at the end of
    // the search or for an empty text (which is remembered too, as the question's answer).
    std::optional<qsizetype> next(const QString& tape, const QString& text);

  private:
    QString m_lastSearch;
    qsizetype m_caret = 0;
};
