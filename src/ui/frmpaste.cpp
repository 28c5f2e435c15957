#include "ui/frmpaste.h"

#include "platform/keyboardstate.h"

#include <QCursor>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int Side = 16; // 240 twips
} // namespace

frmPaste::frmPaste(KeyboardState& keyboard, const QString& hint, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_keyboard(keyboard) {
    setObjectName(QStringLiteral("frmPaste"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(Side, Side);
    setToolTip(hint);
    setAccessibleName(hint);
    setCursor(Qt::CrossCursor);
    // Off the screen until the pointer is known.
    move(-200, 0);
    m_follow.setInterval(FollowMs);
    connect(&m_follow, &QTimer::timeout, this, &frmPaste::follow);
    m_follow.start();
    m_paste.setSingleShot(true);
    m_paste.setInterval(PasteDelayMs);
    connect(&m_paste, &QTimer::timeout, this, &frmPaste::paste);
}

// The window's middle sits under the pointer, so the first click of the double click lands here.
void frmPaste::follow() {
    const QPoint at = QCursor::pos() - QPoint(Side / 2, Side / 2);
    if (pos() != at) move(at);
}

void frmPaste::mousePressEvent(QMouseEvent*) {
    m_follow.stop();
    hide();
    m_paste.start();
}

void frmPaste::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmPaste::paste() {
    m_keyboard.sendPasteToFocusedWindow();
    close();
}

void frmPaste::paintEvent(QPaintEvent*) {
    // A clipboard: a dark board with a white sheet.
    QPainter p(this);
    p.fillRect(rect(), QColor(0x1f, 0x3a, 0x68));
    p.fillRect(QRect(3, 4, Side - 6, Side - 6), Qt::white);
    p.fillRect(QRect(5, 2, Side - 10, 3), QColor(0xc0, 0xc0, 0xc0));
}
