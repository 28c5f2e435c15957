#include "ui/toolfields.h"

#include "tools/numberentry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class NumberKeys : public QObject {
  public:
    NumberKeys(QLineEdit* field, QChar decimal, bool minusAllowed)
        : QObject(field), m_field(field), m_decimal(decimal), m_minus(minusAllowed) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Editing keys, shortcuts and Enter go on as usual.
        if (text.size() != 1 || !text.at(0).isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        QString kept = m_field->text();
        if (m_field->hasSelectedText())
            kept.remove(m_field->selectionStart(), m_field->selectedText().size());
        if (const auto c = admitNumberKey(text.at(0), kept, m_decimal, m_minus)) m_field->insert(QString(*c));
        return true;
    }

  private:
    QLineEdit* m_field;
    QChar m_decimal;
    bool m_minus;
};

class SelectOnFocus : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // After the mouse press that gave the focus has placed the caret.
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, watched,
                               [field = static_cast<QLineEdit*>(watched)] { field->selectAll(); });
        return false;
    }
};

} // namespace

void makeNumberField(QLineEdit* field, QChar decimal, bool minusAllowed) {
    field->installEventFilter(new NumberKeys(field, decimal, minusAllowed));
}

void selectAllOnFocus(QLineEdit* field) {
    field->installEventFilter(new SelectOnFocus(field));
}

ActionLabel::ActionLabel(QWidget* parent) : QLabel(parent) {
    setAction({});
}

void ActionLabel::setAction(std::function<void()> action) {
    m_action = std::move(action);
    setFocusPolicy(m_action ? Qt::TabFocus : Qt::NoFocus);
    setCursor(m_action ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // A dotted frame shows where the focus is; it is always there, unseen, so nothing moves.
    setStyleSheet(QStringLiteral("QLabel { border: 1px solid transparent; } "
                                 "QLabel:focus { border: 1px dotted palette(highlight); }"));
}

void ActionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (m_action && rect().contains(event->position().toPoint())) m_action();
}

void ActionLabel::keyPressEvent(QKeyEvent* event) {
    const int k = event->key();
    if (m_action && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space)) {
        m_action();
        return;
    }
    QLabel::keyPressEvent(event);
}

namespace {
// The window's own Tab handling: the same next control a Tab would reach.
void moveOn(QWidget* window) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &tab);
}
} // namespace

bool pressOrMoveOnEnter(QWidget* window, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    if (auto* button = qobject_cast<QPushButton*>(window->focusWidget()))
        button->click();
    else
        moveOn(window);
    return true;
}

bool moveOnEnterCloseOnEsc(QWidget* window, QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        moveOn(window);
        return true;
    case Qt::Key_Escape:
        window->close();
        return true;
    default:
        return false;
    }
}
