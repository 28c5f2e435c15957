#include "platform/x11/x11session.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <X11/Xlib.h>

namespace x11 {

Session current() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return {};
    auto* native = app->nativeInterface<QNativeInterface::QX11Application>();
    if (!native || !native->connection()) return {};

    Session d;
    d.connection = native->connection();
    d.xlib = native->display();
    const int screenNumber = d.xlib ? DefaultScreen(d.xlib) : 0;
    auto it = xcb_setup_roots_iterator(xcb_get_setup(d.connection));
    for (int i = 0; it.rem > 0 && i < screenNumber; ++i)
        xcb_screen_next(&it);
    if (it.rem <= 0) return {};
    d.root = it.data->root;
    return d;
}

quint16 modifierMask(xcb_connection_t* connection, quint32 keysym) {
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(
        xcb_key_symbols_alloc(connection), &xcb_key_symbols_free);
    std::unique_ptr<xcb_keycode_t, decltype(&std::free)> keycodes(
        xcb_key_symbols_get_keycode(symbols.get(), keysym), &std::free);
    if (!keycodes) return 0;

    std::unique_ptr<xcb_get_modifier_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr),
        &std::free);
    if (!mapping) return 0;

    const xcb_keycode_t* table = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t code = table[modifier * perModifier + i];
            if (code == 0) continue;
            for (const xcb_keycode_t* k = keycodes.get(); *k != XCB_NO_SYMBOL; ++k)
                if (*k == code) return quint16(1u << modifier);
        }
    }
    return 0;
}

} // namespace x11
