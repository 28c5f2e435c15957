#include "platform/x11/x11hotkeymatcher.h"

namespace {
// Shift, Lock, Control, Mod1..Mod5; the higher bits of a key event's state are pointer buttons.
constexpr quint16 kModifierBits = 0xff;
} // namespace

void X11HotkeyMatcher::clear() {
    m_ids.clear();
    m_armed.reset();
}

void X11HotkeyMatcher::add(quint8 keycode, quint16 modifiers, int id) {
    m_ids.insert(key(keycode, modifiers & kModifierBits & ~m_ignored), id);
}

std::optional<int> X11HotkeyMatcher::idFor(quint8 keycode, quint16 modifiers) const {
    const auto it = m_ids.constFind(key(keycode, modifiers & kModifierBits & ~m_ignored));
    if (it == m_ids.cend()) return std::nullopt;
    return *it;
}

X11HotkeyMatcher::Outcome X11HotkeyMatcher::press(quint8 keycode, quint16 state, quint32 time) {
    Outcome out;
    if (m_armed && m_armed->keycode == keycode) {
        // Held down: either the press half of a repeat pair, or a repeat that comes as presses only.
        // Modifiers may have changed meanwhile; the key stays what it was armed as.
        if (!m_armed->releasedAt || *m_armed->releasedAt == time) {
            m_armed->releasedAt.reset();
            out.swallow = true;
            return out;
        }
    }
    if (m_armed && m_armed->releasedAt) out.fired = settle(); // a real release, followed by another key
    if (const auto id = idFor(keycode, state)) {
        m_armed = Armed{keycode, *id, std::nullopt};
        out.swallow = true;
    }
    return out;
}

X11HotkeyMatcher::Outcome X11HotkeyMatcher::release(quint8 keycode, quint32 time) {
    Outcome out;
    if (!m_armed || m_armed->keycode != keycode) return out;
    m_armed->releasedAt = time;
    out.swallow = true;
    out.settleLater = true;
    return out;
}

std::optional<int> X11HotkeyMatcher::settle() {
    if (!m_armed || !m_armed->releasedAt) return std::nullopt;
    const int id = m_armed->id;
    m_armed.reset();
    return id;
}
