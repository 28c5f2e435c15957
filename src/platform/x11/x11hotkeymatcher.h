#pragma once
// Decides which key events on the root window are hotkeys. Kept apart from the X calls so the
// rules below can be tested with made-up events:
//  - a hotkey fires on its key's press, as system hotkeys do elsewhere. A fast typist's keys
//    overlap (Ctrl held, 4 down, 5 down, 4 up, 5 up), and every press counts, in order;
//  - a held hotkey repeats. X repeats a held key as release+press pairs, or, for a client that
//    asked for detectable auto-repeat (Qt does), as presses alone; each press fires again as long
//    as the modifiers still match;
//  - a key pressed as a hotkey stays this program's until its release, which is swallowed whatever
//    modifiers it comes with: a person, or xdotool, often lets Ctrl go first. A press of that key
//    that no longer matches (Ctrl let go while it repeats) is swallowed without firing;
//  - any other release passes;
//  - the lock modifiers (CapsLock, NumLock) are ignored when comparing modifiers.
// hotkeyDown() tells the X side how long to keep the keyboard: a passive grab ends with the release
// of the key that started it, and the releases of the keys pressed after it would then reach the
// program in front.

#include <QHash>
#include <array>
#include <bitset>
#include <optional>

class X11HotkeyMatcher {
  public:
    struct Outcome {
        bool swallow = false;     // the event belongs to a hotkey: keep it from the rest of the program
        std::optional<int> fired; // a hotkey fired now
    };

    // Forgets the hotkeys. Keys already down stay known, so that a change of the keyboard layout
    // while a hotkey is held still swallows its release.
    void clear() { m_ids.clear(); }
    void setIgnoredModifiers(quint16 mask) { m_ignored = mask; }
    // The key with `keycode`, pressed with exactly `modifiers` held, fires `id`. An earlier id for the
    // same key and modifiers is kept.
    void add(quint8 keycode, quint16 modifiers, int id);
    std::optional<int> idFor(quint8 keycode, quint16 modifiers) const;
    bool isEmpty() const { return m_ids.isEmpty(); }

    Outcome press(quint8 keycode, quint16 state);
    Outcome release(quint8 keycode);

    bool hotkeyDown() const { return m_down.any(); }
    bool isDown(quint8 keycode) const { return m_down.test(keycode); } // pressed as a hotkey, not released
    // `keymap` is the server's key vector (one bit per keycode, as QueryKeymap answers). A key that
    // is up there while still counted down here had its release delivered elsewhere (the grab ended
    // first) and is forgotten, so the keyboard is never kept for a key nobody holds.
    void forgetKeysUp(const std::array<quint8, 32>& keymap);

  private:
    static quint32 key(quint8 keycode, quint16 modifiers) { return quint32(keycode) << 16 | modifiers; }

    QHash<quint32, int> m_ids;
    quint16 m_ignored = 0;
    std::bitset<256> m_down; // keycodes pressed as hotkeys and not released yet
};
