#pragma once
// The desktop's services reached over D-Bus: the power-off of logind on the system bus and the
// notifications of the session bus. Each takes its bus, so that a test can hand it a private one.

#include "platform/notifications.h"
#include "platform/systempower.h"

#include <QDBusConnection>

// org.freedesktop.login1.Manager.PowerOff, without asking again (the schedule asked).
class LogindPower : public SystemPower {
  public:
    explicit LogindPower(const QDBusConnection& bus = QDBusConnection::systemBus());
    QString powerOff() override;

  private:
    QDBusConnection m_bus;
};

// org.freedesktop.Notifications.Notify: sent without waiting for the desktop's answer.
class DBusNotifications : public Notifications {
  public:
    explicit DBusNotifications(const QDBusConnection& bus = QDBusConnection::sessionBus());
    bool notify(const QString& title, const QString& text) override;

  private:
    QDBusConnection m_bus;
};
