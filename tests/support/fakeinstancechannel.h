#pragma once
#include "platform/instancechannel.h"

#include <QStringList>

// The only process of its user unless a test says otherwise; hand-overs are recorded.
class FakeInstanceChannel : public InstanceChannel {
  public:
    bool primaryExists() override { return primaryRunning; }
    bool listen() override { return !primaryRunning; }
    bool handOver(const QString& text) override {
        handedOver.append(text);
        return primaryRunning;
    }
    bool closePrimary() override { return true; }

    bool primaryRunning = false;
    QStringList handedOver;
};
