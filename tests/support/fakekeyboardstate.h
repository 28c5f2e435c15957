#pragma once
#include "platform/keyboardstate.h"

#include <QList>
#include <functional>

// Keyboard state in memory. Every setNumLock() is recorded; onCopy lets a test play the program in
// front, e.g. put its selection on a FakeClipboard when the copy keys arrive.
class FakeKeyboardState : public KeyboardState {
  public:
    bool isAvailable() const override { return available; }
    bool numLockOn() const override { return numLock; }
    void setNumLock(bool on) override {
        if (!available) return;
        numLock = on;
        numLockSets.append(on);
    }
    void sendCopyToFocusedWindow() override {
        if (!available) return;
        ++copies;
        if (onCopy) onCopy();
    }

    bool available = true;
    bool numLock = false;
    QList<bool> numLockSets;
    int copies = 0;
    std::function<void()> onCopy;
};
