#pragma once
// Small behaviours the side tools' windows share: number fields that let through only what a number
// is typed with, fields that select their text when they get the focus, and labels that act on a
// click or, once reached with Tab, on Enter or Space.

#include <QLabel>
#include <functional>

class QKeyEvent;
class QLineEdit;

// Filters the keys typed into `field` (see admitNumberKey); the filter belongs to the field.
void makeNumberField(QLineEdit* field, QChar decimal, bool minusAllowed);
// The whole text is selected whenever `field` gets the focus, by Tab or by the mouse.
void selectAllOnFocus(QLineEdit* field);

// The keys of a tool window whose Enter moves on as Tab does: Enter/Return to the next control, Esc
// closes. Returns whether the key was one of them.
bool moveOnEnterCloseOnEsc(QWidget* window, QKeyEvent* event);
// Enter on a button presses it; anywhere else it moves on as Tab does. Returns whether the key was Enter.
bool pressOrMoveOnEnter(QWidget* window, QKeyEvent* event);

class ActionLabel : public QLabel {
  public:
    explicit ActionLabel(QWidget* parent = nullptr);
    // Without an action the label is plain text, out of the Tab order.
    void setAction(std::function<void()> action);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void()> m_action;
};
