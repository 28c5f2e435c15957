#include "platform/x11/x11globalhotkeys.h"

#include "platform/x11/x11session.h"

#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <utility>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
// The XKB header names a member `explicit`, which C++ reserves.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <X11/keysym.h>

namespace {

template <typename T> using XcbPtr = std::unique_ptr<T, decltype(&std::free)>;

quint16 toX(GlobalHotkeys::Modifiers modifiers, quint16 altMask) {
    quint16 mask = 0;
    if (modifiers & GlobalHotkeys::Modifier::Control) mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & GlobalHotkeys::Modifier::Shift) mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & GlobalHotkeys::Modifier::Alt) mask |= altMask;
    return mask;
}

// The keypad's decimal key is the one key whose keysym follows the country: KP_Decimal in the
// United States, KP_Separator in Brazil (where it types the comma), a plain period or comma with
// some layout options. KP_Delete, its other level, is what every layout agrees on.
QList<quint32> keysymsOfKey(quint32 sym) {
    if (sym == keysym::KP_Decimal) return {keysym::KP_Decimal, keysym::KP_Separator, keysym::KP_Delete};
    return {sym};
}

QList<quint8> keycodesOf(xcb_key_symbols_t* symbols, quint32 hotkeySym) {
    QList<quint8> result;
    for (const quint32 sym : keysymsOfKey(hotkeySym)) {
        XcbPtr<xcb_keycode_t> codes(xcb_key_symbols_get_keycode(symbols, sym), &std::free);
        if (!codes) continue;
        for (const xcb_keycode_t* k = codes.get(); *k != XCB_NO_SYMBOL; ++k)
            if (!result.contains(*k)) result.append(*k);
    }
    return result;
}

// Returns once the server has carried out every request sent before.
void waitForServer(xcb_connection_t* connection) {
    XcbPtr<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr), &std::free);
}

// The keys down on the server now, one bit per keycode as QueryKeymap answers; none without an answer.
std::array<quint8, 32> keysDown(xcb_connection_t* connection) {
    std::array<quint8, 32> down{};
    XcbPtr<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (keymap) std::copy(std::begin(keymap->keys), std::end(keymap->keys), down.begin());
    return down;
}

bool isKeymapChange(const xcb_generic_event_t* event, quint8 xkbEvent) {
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto* mapping = reinterpret_cast<const xcb_mapping_notify_event_t*>(event);
        return mapping->request == XCB_MAPPING_KEYBOARD || mapping->request == XCB_MAPPING_MODIFIER;
    }
    if (xkbEvent == 0 || type != xkbEvent) return false;
    const quint8 xkbType = event->pad0; // every XKB event carries its own kind here
    return xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY || xkbType == XCB_XKB_MAP_NOTIFY;
}

} // namespace

X11GlobalHotkeys::X11GlobalHotkeys(QObject* parent) : GlobalHotkeys(parent) {
    const x11::Session session = x11::current();
    if (!session) return;
    m_connection = session.connection;
    m_root = session.root;
    // `setxkbmap br` while the program runs moves keysyms to other keys, and a grab holds a key by
    // its code: the grabs are made again on every change. A core MappingNotify reaches every client;
    // an XKB server may tell only through its own events, which Qt selects on this connection as
    // well (selecting them again only adds to Qt's choice).
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(m_connection, &xcb_xkb_id);
    if (xkb && xkb->present) {
        m_xkbEvent = xkb->first_event;
        const quint16 events = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
        const quint16 parts = XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP;
        xcb_discard_reply(
            m_connection,
            xcb_xkb_use_extension(m_connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION).sequence);
        xcb_xkb_select_events(m_connection, XCB_XKB_ID_USE_CORE_KBD, events, 0, events, parts, parts,
                              nullptr);
        xcb_flush(m_connection);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalHotkeys::~X11GlobalHotkeys() {
    // Without the application the connection is gone, and with it every grab.
    if (!m_connection || !QCoreApplication::instance()) return;
    unregisterAll();
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

QList<GlobalHotkeys::Hotkey> X11GlobalHotkeys::registerAll(const QList<Hotkey>& hotkeys) {
    unregisterAll();
    if (!m_connection) return hotkeys;
    m_hotkeys = hotkeys;
    return grabKeys(hotkeys);
}

QList<GlobalHotkeys::Hotkey> X11GlobalHotkeys::grabKeys(const QList<Hotkey>& hotkeys,
                                                        const QList<Grab>& kept) {
    // Lock modifiers change the state a key arrives with, and a grab matches the state exactly, so
    // every hotkey is grabbed once for each combination of CapsLock and NumLock.
    const quint16 numLock = x11::modifierMask(m_connection, XK_Num_Lock);
    quint16 alt = x11::modifierMask(m_connection, XK_Alt_L);
    if (alt == 0) alt = XCB_MOD_MASK_1;
    QList<quint16> lockVariants{0, XCB_MOD_MASK_LOCK};
    if (numLock != 0 && numLock != XCB_MOD_MASK_LOCK)
        lockVariants << numLock << quint16(numLock | XCB_MOD_MASK_LOCK);
    m_matcher.setIgnoredModifiers(XCB_MOD_MASK_LOCK | numLock);

    // One slot per physical key and modifier set; keysyms that share a key (KP_1 and KP_End) share it.
    struct Slot {
        quint8 keycode;
        quint16 modifiers;
        int id;
        QList<std::pair<quint16, xcb_void_cookie_t>> requests;
        QList<quint16> held;
        bool used = false;
    };
    QList<Slot> grabSlots;
    QHash<quint32, qsizetype> slotOf;
    QList<QList<qsizetype>> slotsOfHotkey(hotkeys.size());
    QList<bool> refused(hotkeys.size(), false);

    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(
        xcb_key_symbols_alloc(m_connection), &xcb_key_symbols_free);
    for (qsizetype h = 0; h < hotkeys.size(); ++h) {
        const Hotkey& hotkey = hotkeys[h];
        const quint16 modifiers = toX(hotkey.modifiers, alt);
        const QList<quint8> keycodes = keycodesOf(symbols.get(), hotkey.keysym);
        refused[h] = keycodes.isEmpty();
        for (const quint8 keycode : keycodes) {
            const quint32 key = quint32(keycode) << 16 | modifiers;
            auto it = slotOf.constFind(key);
            if (it == slotOf.cend()) {
                Slot slot{keycode, modifiers, hotkey.id, {}, {}};
                for (const quint16 variant : lockVariants) {
                    if (kept.contains(Grab{keycode, quint16(modifiers | variant)}))
                        slot.held.append(variant);
                    else
                        slot.requests.append(
                            {variant,
                             xcb_grab_key_checked(m_connection, 0, m_root, modifiers | variant, keycode,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)});
                }
                grabSlots.append(slot);
                it = slotOf.insert(key, grabSlots.size() - 1);
            } else if (grabSlots[*it].id != hotkey.id) {
                refused[h] = true; // could not be told apart from the earlier hotkey
            }
            slotsOfHotkey[h].append(*it);
        }
    }

    // All requests went out before the first check: one round trip for the whole list.
    QList<bool> slotOk(grabSlots.size(), true);
    for (qsizetype s = 0; s < grabSlots.size(); ++s) {
        for (const auto& [variant, cookie] : grabSlots[s].requests) {
            XcbPtr<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie), &std::free);
            if (error)
                slotOk[s] = false; // BadAccess: another client holds this combination
            else
                grabSlots[s].held.append(variant);
        }
    }

    QList<Hotkey> result;
    for (qsizetype h = 0; h < hotkeys.size(); ++h) {
        for (const qsizetype s : slotsOfHotkey[h])
            if (!slotOk[s]) refused[h] = true;
        if (refused[h]) {
            result.append(hotkeys[h]);
            continue;
        }
        for (const qsizetype s : slotsOfHotkey[h])
            grabSlots[s].used = true;
    }

    // A hotkey the server refused in part is not kept in part: NumLock would decide whether it works.
    bool gaveBack = false;
    for (const Slot& slot : grabSlots) {
        if (slot.used) {
            m_matcher.add(slot.keycode, slot.modifiers, slot.id);
            for (const quint16 variant : slot.held)
                m_grabs.append({slot.keycode, quint16(slot.modifiers | variant)});
        } else {
            for (const quint16 variant : slot.held)
                xcb_ungrab_key(m_connection, slot.keycode, m_root, slot.modifiers | variant);
            gaveBack = gaveBack || !slot.held.isEmpty();
        }
    }
    // ...and is free for the program that holds the rest as soon as this returns.
    if (gaveBack)
        waitForServer(m_connection);
    else
        xcb_flush(m_connection);
    return result;
}

void X11GlobalHotkeys::ungrabKeys() {
    m_matcher.clear();
    for (const Grab& grab : std::as_const(m_grabs))
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers);
    m_grabs.clear();
}

void X11GlobalHotkeys::unregisterAll() {
    m_hotkeys.clear();
    m_ready.clear();
    if (!m_connection) return;
    if (m_matcher.hotkeyDown()) releaseKeyboard();
    m_matcher = {};
    if (m_grabs.isEmpty()) return;
    ungrabKeys();
    // Wait until the server has done it, so a key typed right after reaches the focused program.
    waitForServer(m_connection);
}

// A grab the change left as it was stays in place throughout: let go even for a moment, it would
// let a hotkey typed then through to the program in front. X tells of a change also when keys come
// from another keyboard than the last (a separate keypad, or XTest), and then nothing has moved.
void X11GlobalHotkeys::followKeymap() {
    m_keymapChangeQueued = false;
    if (m_hotkeys.isEmpty()) return;
    m_matcher.clear();
    const QList<Grab> before = std::exchange(m_grabs, {});
    grabKeys(m_hotkeys, before); // a key the new layout lacks simply never fires, as at registration
    for (const Grab& grab : before)
        if (!m_grabs.contains(grab)) xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers);
    xcb_flush(m_connection);
}

// A passive grab ends with the release of the key that started it. Keys overlap (4 down, 5 down,
// 4 up, 5 up), and the release of 5 would then reach the program in front. So every hotkey press
// takes the whole keyboard until no key pressed as a hotkey is down. The press may be read late,
// after its key was let go and the release went elsewhere: the key vector, read after the grab,
// tells which keys are really down, so the keyboard is never kept for a key nobody holds.
void X11GlobalHotkeys::holdKeyboard() {
    const xcb_grab_keyboard_cookie_t grab = xcb_grab_keyboard(m_connection, 0, m_root, XCB_CURRENT_TIME,
                                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_discard_reply(m_connection, grab.sequence);
    m_matcher.forgetKeysUp(keysDown(m_connection));
    if (!m_matcher.hotkeyDown()) releaseKeyboard();
}

void X11GlobalHotkeys::releaseKeyboard() {
    xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
}

bool X11GlobalHotkeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!m_connection || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (isKeymapChange(event, m_xkbEvent)) {
        // One change comes as several events; the grabs are made again once, after them all.
        if (!m_hotkeys.isEmpty() && !m_keymapChangeQueued) {
            m_keymapChangeQueued = true;
            QMetaObject::invokeMethod(this, &X11GlobalHotkeys::followKeymap, Qt::QueuedConnection);
        }
        return false; // Qt follows the change too
    }
    const quint8 type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
    // Grabbed without owner events, so a hotkey arrives on the root window even when one of this
    // program's own windows has the focus.
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->event != m_root) return false;

    if (type == XCB_KEY_RELEASE) {
        // X repeats a held key as a release and a press. Taken for the key's end, that release would
        // give the keyboard up until the press is read, and the key's own release, typed meanwhile,
        // would reach the program in front. The server still counts such a key down.
        const std::array<quint8, 32> down =
            m_matcher.isDown(key->detail) ? keysDown(m_connection) : std::array<quint8, 32>{};
        if (down[key->detail / 8] & (1u << (key->detail % 8))) return true;
        const X11HotkeyMatcher::Outcome outcome = m_matcher.release(key->detail);
        if (outcome.swallow && !m_matcher.hotkeyDown()) releaseKeyboard();
        return outcome.swallow;
    }
    if (m_matcher.isEmpty()) return false;
    const X11HotkeyMatcher::Outcome outcome = m_matcher.press(key->detail, key->state);
    if (outcome.fired) {
        holdKeyboard();
        // Receivers run from the event loop, never inside Qt's processing of X events.
        m_ready.append(*outcome.fired);
        if (!m_deliveryQueued) {
            m_deliveryQueued = true;
            QMetaObject::invokeMethod(this, &X11GlobalHotkeys::deliver, Qt::QueuedConnection);
        }
    }
    return outcome.swallow;
}

void X11GlobalHotkeys::deliver() {
    m_deliveryQueued = false;
    // One at a time from the front: a receiver that runs a nested event loop delivers the later ones
    // itself, still in order.
    while (!m_ready.isEmpty())
        emit activated(m_ready.takeFirst());
}
