#include "ui/tapeview.h"

#include "core/tape.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

TapeView::TapeView(const Tape& tape, QWidget* parent) : QPlainTextEdit(parent), m_tape(tape) {
    setObjectName(QStringLiteral("txtFita"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLarge(true);
    setEditing(false);
    connect(&tape, &Tape::edited, this, &TapeView::onEdited);
    connect(&tape, &Tape::reset, this, &TapeView::onReset);
    onReset(tape.text());
}

void TapeView::setLarge(bool on) {
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The large layout is the designed one; the normal one is smaller.
    if (!on) mono.setPointSizeF(mono.pointSizeF() * 0.8);
    setFont(mono);
    // The roll is exactly as wide as its lines and its scroll bar; a wider window widens the keypad.
    const int margins = int(2 * document()->documentMargin()) + 2 * frameWidth();
    setFixedWidth(QFontMetrics(mono).horizontalAdvance(QString(TapeLine::Width + 1, QLatin1Char('0'))) +
                  verticalScrollBar()->sizeHint().width() + margins);
}

// In normal use the roll is blue and read-only; editing shows it as any text being edited.
void TapeView::setEditing(bool on) {
    setReadOnly(!on);
    QPalette p = palette();
    p.setColor(QPalette::Text, on ? QPalette().color(QPalette::Text) : QColor(0x00, 0x00, 0xFF));
    setPalette(p);
}

void TapeView::onEdited(const QString& removed, const QString& added) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    const int cut = int(removed.size() - removed.count(QLatin1Char('\r')));
    if (cut > 0) {
        c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, cut);
        c.removeSelectedText();
    }
    if (!added.isEmpty()) {
        QString text = added;
        text.remove(QLatin1Char('\r'));
        c.insertText(text);
    }
    m_widgetLength += int(added.size() - added.count(QLatin1Char('\r'))) - cut;
}

void TapeView::onReset(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    setPlainText(plain);
    m_widgetLength = int(plain.size());
}

// Positions are converted counting from the end, where the engine works, so that the cost is that
// of the tail and not of the whole roll.
int TapeView::toWidgetPosition(qsizetype tapePosition) const {
    const QString& t = m_tape.text();
    tapePosition = qBound<qsizetype>(0, tapePosition, t.size());
    const QStringView tail = QStringView(t).mid(tapePosition);
    return m_widgetLength - int(tail.size() - tail.count(QLatin1Char('\r')));
}

// Every line before a position carries one CR more in the engine's text.
qsizetype TapeView::toTapePosition(int widgetPosition) const {
    const QTextBlock block = document()->findBlock(widgetPosition);
    return block.isValid() ? widgetPosition + block.blockNumber() : widgetPosition;
}

void TapeView::select(qsizetype start, qsizetype length) {
    QTextCursor c(document());
    c.setPosition(toWidgetPosition(start));
    if (length > 0) c.setPosition(toWidgetPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(c);
    ensureCursorVisible();
}

QString TapeView::editedText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

std::pair<QString, qsizetype> TapeView::wordAt(const QPoint& pos) const {
    const QTextCursor c = cursorForPosition(pos);
    // A word of the tape runs between blanks: "1.234,56", "-01:30:00", but also "05/12/2026" of a
    // date header, which is no number.
    const QString line = c.block().text();
    auto inWord = [&line](int i) { return i >= 0 && i < line.size() && !line.at(i).isSpace(); };
    // The caret lands between two characters: the word is on either side of it.
    int start = c.positionInBlock();
    if (!inWord(start)) --start;
    if (!inWord(start)) return {};
    int end = start;
    while (inWord(start - 1))
        --start;
    while (inWord(end))
        ++end;
    return {line.mid(start, end - start), toTapePosition(c.block().position())};
}

void TapeView::scroll(int key) {
    QTextCursor c = textCursor();
    QTextCursor::MoveOperation move = QTextCursor::NoMove;
    switch (key) {
    case Qt::Key_Up:
        move = QTextCursor::Up;
        break;
    case Qt::Key_Down:
        move = QTextCursor::Down;
        break;
    case Qt::Key_Left:
        move = QTextCursor::Left;
        break;
    case Qt::Key_Right:
        move = QTextCursor::Right;
        break;
    case Qt::Key_Home:
        move = QTextCursor::Start;
        break;
    case Qt::Key_End:
        move = QTextCursor::End;
        break;
    default:
        break;
    }
    if (move != QTextCursor::NoMove) {
        c.movePosition(move);
        setTextCursor(c);
        ensureCursorVisible();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (key == Qt::Key_PageDown ? bar->pageStep() : -bar->pageStep()));
}

void TapeView::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // A new line keeps the tape's columns: the current one is filled to full width.
        QTextCursor c = textCursor();
        const int column = c.positionInBlock();
        if (column < TapeLine::Width) c.insertText(QString(TapeLine::Width - column, QLatin1Char(' ')));
        c.insertText(QStringLiteral("\n"));
        setTextCursor(c);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
