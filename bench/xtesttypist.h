#pragma once
// Another X client typing: its own connection, keys sent through XTest, as a user's keyboard would.

#include <cstdlib>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

struct XTestTypist {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
    XTestTypist() = default;
    XTestTypist(const XTestTypist&) = delete;
    XTestTypist& operator=(const XTestTypist&) = delete;
    ~XTestTypist() {
        xcb_key_symbols_free(syms);
        xcb_disconnect(c);
    }
    xcb_keycode_t code(xcb_keysym_t s) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, s);
        const xcb_keycode_t k = codes ? codes[0] : 0;
        free(codes);
        return k;
    }
    // A key pressed and released while a modifier (a keysym such as 0xffe3, Control_L) is held.
    void chord(xcb_keysym_t modifier, xcb_keysym_t s) {
        const xcb_keycode_t mod = code(modifier), key = code(s);
        xcb_test_fake_input(c, XCB_KEY_PRESS, mod, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, mod, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c);
    }
};
