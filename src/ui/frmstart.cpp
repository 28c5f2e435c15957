#include "ui/frmstart.h"

#include "i18n/messagecatalog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

frmStart::frmStart(const Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_messages(messages), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Tabulora"));
    setFixedSize(320, 120);
    m_timer->setObjectName(QStringLiteral("tmrStart"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(100);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &frmStart::elapsed);
}

void frmStart::start(bool visible) {
    // The 100 ms count from the start, not from the moment the splash has been drawn.
    m_timer->start();
    if (visible) {
        if (const QScreen* s = QGuiApplication::primaryScreen())
            move(s->geometry().center() - rect().center());
        show();
    }
}

void frmStart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x1f, 0x3a, 0x68));
    p.setPen(Qt::white);
    QFont f = font();
    f.setPointSize(24);
    f.setBold(true);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 0, 0, -24), Qt::AlignCenter, QStringLiteral("Tabulora"));
    f.setPointSize(9);
    f.setBold(false);
    p.setFont(f);
    p.drawText(rect().adjusted(0, 0, 0, -12), Qt::AlignHCenter | Qt::AlignBottom, m_messages.text(254));
}
