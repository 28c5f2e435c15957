#pragma once
// NumLock through XKB and synthetic keys through XTest, on the X display that Qt uses.

#include "platform/keyboardstate.h"

struct _XDisplay;

class X11KeyboardState : public KeyboardState {
  public:
    X11KeyboardState();

    bool isAvailable() const override { return m_display != nullptr; }
    bool numLockOn() const override;
    void setNumLock(bool on) override;
    void sendCopyToFocusedWindow() override;
    void sendPasteToFocusedWindow() override;

  private:
    _XDisplay* m_display = nullptr;
};
