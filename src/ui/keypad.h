#pragma once
// The keypad (`fraTeclado`): the buttons of the command table in their places, the memory as the
// frame's caption, buttons shown pressed for a moment when their key is typed, and "+" enlarged as
// "EN TER" in Enter-adds mode.

#include "core/keypad.h"

#include <QColor>
#include <QGroupBox>
#include <QHash>

class QAbstractButton;
class QTimer;
class QVBoxLayout;

class Keypad : public QGroupBox {
    Q_OBJECT
  public:
    explicit Keypad(QWidget* parent = nullptr);

    QAbstractButton* button(Button b) const { return m_buttons.value(int(b)); }
    // The memory as the caption: red when it holds a "-", blue otherwise; empty, it keeps its line.
    void setMemory(const QString& memory);
    void showPressed(Button b);
    void releaseAll();
    void setEnterAddsLook(bool on);
    // The large (designed) layout, or the normal one with smaller captions and buttons.
    void setLarge(bool on);
    // The operator keys (/ * - +) in a colour of their own, another under the mouse.
    void setOperatorColours(const QColor& colour, const QColor& hover);
    QList<QAbstractButton*> operatorKeys() const;

  signals:
    void clicked(Button button);
    // A right click on "+" or "=": the menu of the Enter key's function belongs there.
    void enterKeyMenuRequested(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void paintOperator(QAbstractButton* b, bool hovered);

    QHash<int, QAbstractButton*> m_buttons;
    QColor m_operatorColour;
    QColor m_operatorHover;
    QVBoxLayout* m_operatorColumn;
    QList<QAbstractButton*> m_pressed;
    QTimer* m_releaseTimer;
    bool m_memoryNegative = false;
};
