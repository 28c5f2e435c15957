#pragma once
// The paste window: a small square that follows the mouse pointer. The user double-clicks on a field
// of any other program: the first click reaches this window, which hides, the second one the field,
// which so takes the focus; a second later the field's content is selected and replaced by the
// clipboard (Home, Shift+End, Ctrl+V typed into it). A program that ignores those keys gets nothing,
// and nothing is said. Esc gives up.

#include <QTimer>
#include <QWidget>

class KeyboardState;

class frmPaste : public QWidget {
    Q_OBJECT
  public:
    static constexpr int FollowMs = 10;
    static constexpr int PasteDelayMs = 1000;

    frmPaste(KeyboardState& keyboard, const QString& hint, QWidget* parent = nullptr);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void follow();
    void paste();

    KeyboardState& m_keyboard;
    QTimer m_follow;
    QTimer m_paste;
};
