#include "platform/x11/x11keyboardstate.h"

#include "platform/x11/x11session.h"

#include <QElapsedTimer>
#include <QThread>

// Xlib last: its macros (None, Bool, KeyPress...) would break the headers above.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

unsigned numLockMask(Display* display) {
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}

void sendKey(Display* display, KeyCode code, bool down) {
    XTestFakeKeyEvent(display, code, down, CurrentTime);
}

bool isDown(const char (&keys)[32], int code) {
    return keys[code / 8] & (1 << (code % 8));
}

// Waits, up to `timeoutMs`, until only modifier keys are held.
void waitForKeysUp(Display* display, int timeoutMs) {
    XModifierKeymap* modifiers = XGetModifierMapping(display);
    if (!modifiers) return;
    const auto isModifier = [modifiers](int code) {
        for (int i = 0; i < 8 * modifiers->max_keypermod; ++i)
            if (modifiers->modifiermap[i] == code) return true;
        return false;
    };
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        char keys[32] = {};
        XQueryKeymap(display, keys);
        bool held = false;
        for (int code = 8; code < 256 && !held; ++code)
            held = isDown(keys, code) && !isModifier(code);
        if (!held || waited.elapsed() >= timeoutMs) break;
        QThread::msleep(5);
    }
    XFreeModifiermap(modifiers);
}

} // namespace

X11KeyboardState::X11KeyboardState() {
    const x11::Session session = x11::current();
    if (!session) return;
    int opcode = 0, event = 0, error = 0, major = 0, minor = 0;
    if (!XQueryExtension(session.xlib, "XTEST", &opcode, &event, &error)) return;
    major = XkbMajorVersion;
    minor = XkbMinorVersion;
    if (!XkbQueryExtension(session.xlib, &opcode, &event, &error, &major, &minor)) return;
    m_display = session.xlib;
}

bool X11KeyboardState::numLockOn() const {
    if (!m_display) return false;
    XkbStateRec state{};
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success) return false;
    const unsigned mask = numLockMask(m_display);
    return mask != 0 && (state.locked_mods & mask) == mask;
}

void X11KeyboardState::setNumLock(bool on) {
    if (!m_display) return;
    const unsigned mask = numLockMask(m_display);
    if (mask == 0) return; // no NumLock key in this keymap
    XkbLockModifiers(m_display, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(m_display, False);
}

void X11KeyboardState::sendCopyToFocusedWindow() {
    if (!m_display) return;
    const KeyCode control = XKeysymToKeycode(m_display, XK_Control_L);
    const KeyCode c = XKeysymToKeycode(m_display, XK_c);
    if (control == 0 || c == 0) return;

    // The hotkey that asks for the copy fires on its key's press, and while that key is down the
    // keyboard is this program's (the hotkey's grab): typed now, the copy would come back here. So
    // wait for the key to be let go, which also keeps its release from the program in front, then
    // give the keyboard up. Waiting here rather than firing that one hotkey on its release keeps
    // every hotkey alike, repeats included. Only if the key is held too long is it released below.
    waitForKeysUp(m_display, 1000);
    XUngrabKeyboard(m_display, CurrentTime);

    // Release what is still held: Alt or Shift would turn the copy into another command.
    char keys[32] = {};
    XQueryKeymap(m_display, keys);
    for (int code = 8; code < 256; ++code)
        if (isDown(keys, code)) sendKey(m_display, KeyCode(code), false);

    sendKey(m_display, control, true);
    sendKey(m_display, c, true);
    sendKey(m_display, c, false);
    sendKey(m_display, control, false);
    XSync(m_display, False);
}

void X11KeyboardState::sendPasteToFocusedWindow() {
    if (!m_display) return;
    const KeyCode home = XKeysymToKeycode(m_display, XK_Home);
    const KeyCode end = XKeysymToKeycode(m_display, XK_End);
    const KeyCode shift = XKeysymToKeycode(m_display, XK_Shift_L);
    const KeyCode control = XKeysymToKeycode(m_display, XK_Control_L);
    const KeyCode v = XKeysymToKeycode(m_display, XK_v);
    if (!home || !end || !shift || !control || !v) return;
    // Home, then Shift+End selects the field's whole line, which Ctrl+V then replaces.
    const std::pair<KeyCode, bool> keys[] = {{home, true}, {home, false},   {shift, true},   {end, true},
                                             {end, false}, {shift, false},  {control, true}, {v, true},
                                             {v, false},   {control, false}};
    for (const auto& [code, down] : keys)
        sendKey(m_display, code, down);
    XSync(m_display, False);
}
