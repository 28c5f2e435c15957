#pragma once
// The tape on the screen (`txtFita`): a fixed-width roll exactly as wide as its 26 columns and its
// scroll bar, blue and read-only in normal use, editable in edit mode. It mirrors the engine's tape,
// which keeps CR LF where the widget keeps LF alone, following every edit at the end of the roll
// without copying the whole text.

#include <QPlainTextEdit>

class Tape;

class TapeView : public QPlainTextEdit {
    Q_OBJECT
  public:
    TapeView(const Tape& tape, QWidget* parent = nullptr);

    // Selects this range of the tape (positions in the engine's text), or moves the caret there.
    void select(qsizetype start, qsizetype length);
    // The caret's place in the engine's text.
    qsizetype caretPosition() const { return toTapePosition(textCursor().selectionStart()); }
    // The edited text with the engine's line ends.
    QString editedText() const;
    void setEditing(bool on);
    // The large (designed) layout or the smaller normal one: the font, and the roll as wide as its
    // lines in it.
    void setLarge(bool on);
    // The word under a point of the viewport (a run between blanks) and where its line starts in the
    // engine's text; an empty word when the point is on a blank.
    std::pair<QString, qsizetype> wordAt(const QPoint& pos) const;
    // The arrows, Home, End and the page keys typed in the calculator move through the roll.
    void scroll(int key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onEdited(const QString& removed, const QString& added);
    void onReset(const QString& text);
    int toWidgetPosition(qsizetype tapePosition) const;
    qsizetype toTapePosition(int widgetPosition) const;

    const Tape& m_tape;
    int m_widgetLength = 0;
};
