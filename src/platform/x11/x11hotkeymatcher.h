#pragma once
// Decides which key events on the root window are hotkeys. Kept apart from the X calls so the
// rules below can be tested with made-up events:
//  - a hotkey is armed by its press and fires on its release, because the release may come without
//    the modifiers (a person, or xdotool, lets Ctrl go first);
//  - X repeats a held key as release+press pairs with one timestamp; such a release is only a
//    repeat if the press follows, so a release is held back until settle() and a key held down
//    fires once;
//  - the lock modifiers (CapsLock, NumLock) are ignored when comparing modifiers.

#include <QHash>
#include <optional>

class X11HotkeyMatcher {
  public:
    struct Outcome {
        bool swallow = false;     // the event belongs to a hotkey: keep it from the rest of the program
        std::optional<int> fired; // a hotkey fired now
        bool settleLater = false; // a release waits for settle(), once the pending events are read
    };

    void clear();
    void setIgnoredModifiers(quint16 mask) { m_ignored = mask; }
    // The key with `keycode`, pressed with exactly `modifiers` held, fires `id`. An earlier id for the
    // same key and modifiers is kept.
    void add(quint8 keycode, quint16 modifiers, int id);
    std::optional<int> idFor(quint8 keycode, quint16 modifiers) const;
    bool isEmpty() const { return m_ids.isEmpty(); }

    Outcome press(quint8 keycode, quint16 state, quint32 time);
    Outcome release(quint8 keycode, quint32 time);
    // Fires the held-back release unless a repeat press has taken it back.
    std::optional<int> settle();

  private:
    static quint32 key(quint8 keycode, quint16 modifiers) { return quint32(keycode) << 16 | modifiers; }

    QHash<quint32, int> m_ids;
    quint16 m_ignored = 0;
    struct Armed {
        quint8 keycode = 0;
        int id = 0;
        std::optional<quint32> releasedAt; // time of a release that may still turn out to be a repeat
    };
    std::optional<Armed> m_armed;
};
