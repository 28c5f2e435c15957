#pragma once
// The desktop's notifications: a short text that shows beside the screen's edge and stays in the
// desktop's list of notices, for when the calculator is not in sight.

#include <QString>

class Notifications {
  public:
    virtual ~Notifications() = default;
    // False when the desktop shows no notifications (then nothing happens).
    virtual bool notify(const QString& title, const QString& text) = 0;
};
