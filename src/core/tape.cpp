#include "core/tape.h"

namespace TapeLine {

QString number(const QString& text, QChar symbol) {
    return text.rightJustified(NumberField, QLatin1Char(' '), false) + QLatin1Char(' ') + symbol + CrLf;
}

QString counter(const QString& counter) {
    return QLatin1Char(' ') + counter + QString(22, QLatin1Char(' ')) + CrLf;
}

QString total(const QString& total) {
    const QChar marker = total.size() >= 22 ? QLatin1Char('E') : QLatin1Char('T');
    return total.left(22).rightJustified(NumberField, QLatin1Char(' ')) + QLatin1Char(' ') + marker + CrLf;
}

QString separator() {
    return QLatin1Char(' ') + QString(25, QLatin1Char('=')) + CrLf;
}

QString insertTextRule() {
    return QLatin1Char(' ') + QString(25, QLatin1Char('_')) + CrLf + CrLf;
}

QString groupRule() {
    return QLatin1Char(' ') + QString(25, QLatin1Char('-')) + CrLf;
}

} // namespace TapeLine

QChar Tape::lastMarker() const {
    return m_text.size() >= 4 ? m_text.at(m_text.size() - 3) : QChar();
}

void Tape::edit(qsizetype removed, const QString& added) {
    removed = qMin(removed, m_text.size());
    const QString cut = m_text.right(removed);
    m_text.chop(removed);
    m_text += added;
    emit edited(cut, added);
}

void Tape::setText(const QString& text) {
    m_text = text;
    emit reset(m_text);
}
