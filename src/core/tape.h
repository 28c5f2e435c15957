#pragma once
// The paper tape: one string of 26-character lines, each ending in CR LF, whose last column is a
// marker (an operator symbol, "T", "E" or "="). The engine edits it only at its end, so every edit
// is announced as "cut this many characters from the end, then add this text"; a window mirroring
// the tape pays for the line, not for the whole roll.

#include <QObject>
#include <QString>

namespace TapeLine {
inline constexpr int Width = 26;       // visible characters of a calculator line
inline constexpr int NumberField = 24; // the right-aligned number of a number line
inline const QString CrLf = QStringLiteral("\r\n");
inline const QChar Times = QChar(0x00D7);
inline const QChar Divide = QChar(0x00F7);

QString number(const QString& text, QChar symbol); // "      12,50 +" (+ CR LF)
QString counter(const QString& counter);           // " 003" + 22 blanks
QString total(const QString& total);               // right-aligned, " T" or " E"
QString separator();                               // " " + 25 "="
QString insertTextRule();                          // " " + 25 "_", then an empty line
QString groupRule();                               // " " + 25 "-"
// A separator line (26 characters), also with a label typed over its start or an operator over its end.
inline bool isSeparatorLine(const QString& line) {
    return line.size() >= 24 && line.mid(13, 11) == QString(11, QLatin1Char('='));
}
// The marker of a line that is part of a calculation in progress. A "=" marker belongs to a
// separator (or to a closing line, which is never the last line), so it does not count.
inline bool isNumberMarker(QChar m) {
    return m == QLatin1Char('+') || m == QLatin1Char('-') || m == Times || m == Divide;
}
} // namespace TapeLine

class Tape : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    const QString& text() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    bool isEmpty() const { return m_text.isEmpty(); }

    // Marker of the last line: the tape ends in " " + marker + CR LF.
    QChar lastMarker() const;
    QString tail(qsizetype n) const { return m_text.right(n); }

    void append(const QString& text) { edit(0, text); }
    // Cuts `removed` characters from the end and appends `added`.
    void edit(qsizetype removed, const QString& added);
    void setText(const QString& text);

  signals:
    // The tape lost `removed` (the text that was cut from its end) and gained `added`.
    void edited(const QString& removed, const QString& added);
    // The whole text was replaced.
    void reset(const QString& text);

  private:
    QString m_text;
};
