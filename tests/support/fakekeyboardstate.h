#pragma once
#include "platform/keyboardstate.h"

#include <QList>
#include <functional>

// Keyboard state in memory. Every setNumLock() is recorded; onCopy lets a test play the program in
// front, e.g. put its selection on a FakeClipboard when the copy keys arrive. Without `available`
// (no X11) nothing happens.
class FakeKeyboardState : public KeyboardState {
  public:
    bool isAvailable() const override { return available; }
    bool numLockOn() const override { return numLock; }
    void setNumLock(bool on) override {
        if (available) numLockSets.append(numLock = on);
    }
    void sendCopyToFocusedWindow() override {
        copies += available;
        if (available && onCopy) onCopy();
    }
    void sendPasteToFocusedWindow() override { pastes += available; }

    bool available = true, numLock = false;
    QList<bool> numLockSets;
    int copies = 0, pastes = 0;
    std::function<void()> onCopy;
};
