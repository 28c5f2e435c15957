#include "platform/qt/dbusservices.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

// logind answers at once; this only bounds a bus that hangs.
constexpr int PowerOffTimeoutMs = 10000;

const QString NotificationsService = QStringLiteral("org.freedesktop.Notifications");

} // namespace

LogindPower::LogindPower(const QDBusConnection& bus) : m_bus(bus) {}

QString LogindPower::powerOff() {
    if (!m_bus.isConnected()) {
        const QString reason = m_bus.lastError().message();
        return reason.isEmpty() ? QStringLiteral("no system bus") : reason;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false; // not interactive: no password box while the computer is meant to go down
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, PowerOffTimeoutMs);
    if (reply.type() != QDBusMessage::ErrorMessage) return {};
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

DBusNotifications::DBusNotifications(const QDBusConnection& bus) : m_bus(bus) {}

bool DBusNotifications::notify(const QString& title, const QString& text) {
    if (!m_bus.isConnected() || !m_bus.interface() ||
        !m_bus.interface()->isServiceRegistered(NotificationsService).value())
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(NotificationsService, QStringLiteral("/org/freedesktop/Notifications"),
                                       NotificationsService, QStringLiteral("Notify"));
    // An alarm is critical: it stays until the user sees it.
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}};
    call << QStringLiteral("Tabulora") << uint(0) << QStringLiteral("accessories-calculator") << title << text
         << QStringList() << hints << -1;
    return m_bus.send(call);
}
