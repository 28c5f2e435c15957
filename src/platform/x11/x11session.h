#pragma once
// The X connection that Qt opened for this program, shared by the X11 platform services.

#include <QtGlobal>

struct xcb_connection_t;
struct _XDisplay;

namespace x11 {

struct Session {
    xcb_connection_t* connection = nullptr;
    _XDisplay* xlib = nullptr; // null when Qt was built without Xlib support
    quint32 root = 0;          // root window of the default screen
    explicit operator bool() const { return connection != nullptr; }
};

// Empty unless the application runs on the xcb platform.
Session current();

// The modifier bit (Mod1..Mod5, Shift, Lock, Control) that the key producing `keysym` sets, or 0 when
// no modifier key produces it. Read from the server, since NumLock and Alt move between layouts.
quint16 modifierMask(xcb_connection_t* connection, quint32 keysym);

} // namespace x11
