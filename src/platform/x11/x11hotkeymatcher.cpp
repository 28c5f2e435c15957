#include "platform/x11/x11hotkeymatcher.h"

namespace {
// Shift, Lock, Control, Mod1..Mod5; the higher bits of a key event's state are pointer buttons.
constexpr quint16 kModifierBits = 0xff;
} // namespace

void X11HotkeyMatcher::add(quint8 keycode, quint16 modifiers, int id) {
    m_ids.insert(key(keycode, modifiers & kModifierBits & ~m_ignored), id);
}

std::optional<int> X11HotkeyMatcher::idFor(quint8 keycode, quint16 modifiers) const {
    const auto it = m_ids.constFind(key(keycode, modifiers & kModifierBits & ~m_ignored));
    if (it == m_ids.cend()) return std::nullopt;
    return *it;
}

X11HotkeyMatcher::Outcome X11HotkeyMatcher::press(quint8 keycode, quint16 state) {
    if (const auto id = idFor(keycode, state)) {
        m_down.set(keycode);
        return {true, id};
    }
    return {m_down.test(keycode), std::nullopt};
}

X11HotkeyMatcher::Outcome X11HotkeyMatcher::release(quint8 keycode) {
    const bool mine = m_down.test(keycode);
    m_down.reset(keycode);
    return {mine, std::nullopt};
}

void X11HotkeyMatcher::forgetKeysUp(const std::array<quint8, 32>& keymap) {
    for (std::size_t code = 0; code < m_down.size(); ++code)
        if (m_down.test(code) && !(keymap[code / 8] & (1u << (code % 8)))) m_down.reset(code);
}
