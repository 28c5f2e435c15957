#pragma once
// The computer's power: the scheduled shutdown asks the system to turn it off.

#include <QString>

class SystemPower {
  public:
    virtual ~SystemPower() = default;
    // Asks the system to power off now, without asking the user again (the schedule already did).
    // Returns "" when the request was accepted, else the system's reason.
    virtual QString powerOff() = 0;
};
