#pragma once
// The keyboard as the whole desktop sees it: the NumLock state, and keys typed into whatever
// program has the focus. Unavailable (and then inert) outside X11.

class KeyboardState {
  public:
    virtual ~KeyboardState() = default;
    virtual bool isAvailable() const = 0;
    virtual bool numLockOn() const = 0;
    virtual void setNumLock(bool on) = 0;
    // Types Ctrl+C into the focused window so that the program in front copies its selection. It
    // waits (a second at most) for the key of the hotkey that asked for it to be let go; modifiers
    // still held are released, so the program sees a plain Ctrl+C. Returns once the display server
    // has taken the keys; the copy itself happens later, when that program handles them.
    virtual void sendCopyToFocusedWindow() = 0;
    // Types Home, Shift+End and Ctrl+V into the focused window: the field there is selected and
    // replaced by the clipboard. A program that ignores these keys simply pastes nothing.
    virtual void sendPasteToFocusedWindow() = 0;
};
