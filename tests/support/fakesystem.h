#pragma once
#include "platform/notifications.h"
#include "platform/systempower.h"

#include <QStringList>

// The power-off and the notifications, recorded: `refusal` is the reason a power-off is refused
// with ("" accepts it); each notification is one line "title|text".
class FakeSystemPower : public SystemPower {
  public:
    QString powerOff() override {
        ++powerOffs;
        return refusal;
    }
    int powerOffs = 0;
    QString refusal;
};

class FakeNotifications : public Notifications {
  public:
    bool notify(const QString& title, const QString& text) override {
        shown.append(title + QLatin1Char('|') + text);
        return true;
    }
    QStringList shown;
};
