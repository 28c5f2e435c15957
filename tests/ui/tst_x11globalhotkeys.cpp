// The X11 hotkeys and keyboard state against a real X server (Xvfb, see tests/CMakeLists.txt),
// driven by xdotool, with another X client in front that reports every key reaching it. Without an
// X server only the unavailable case and the matcher's rules run. tests/e2e/test_hotkeys.sh covers
// the hotkeys of the calculator itself; here each guarantee of the service is checked on its own.

#include "shell/commandtable.h"
#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11hotkeymatcher.h"
#include "platform/x11/x11keyboardstate.h"
#include "platform/x11/x11session.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

using Hotkeys = QList<GlobalHotkeys::Hotkey>;
using Mod = GlobalHotkeys::Modifier;
template <typename T> using Reply = std::unique_ptr<T, decltype(&free)>; // what xcb allocates

static constexpr int kTimeout = 3000;
static constexpr int kMarker = 2; // Ctrl + keypad 2, sent last so that "nothing else fired" needs no waiting
static constexpr int kTakeSelection = 40;
static constexpr int kFollower = 1000; // a letter key, which moves between layouts
// clang-format off
static const Hotkeys kHotkeys = {
    {1, keysym::keypadDigit(1), Mod::Control}, {kMarker, keysym::keypadDigit(2), Mod::Control},
    {20, keysym::Return, Mod::Control},        {21, keysym::Return, Mod::Control | Mod::Alt},
    {30, keysym::C, Mod::Control | Mod::Shift},
    {4, keysym::keypadDigit(4), Mod::Control}, {5, keysym::keypadDigit(5), Mod::Control},
    {6, keysym::keypadDigit(6), Mod::Control}, {kTakeSelection, keysym::Insert, Mod::Control}};
// clang-format on

// Polls `done`, keeping the event loop running, until it holds or `timeoutMs` passes.
static bool waitUntil(const std::function<bool()>& done, int timeoutMs = kTimeout) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

// Runs a program to its end while this one keeps reading its events: a hotkey must be seen while
// its key is still down, as it would be with a person typing.
static bool run(const QString& program, const QStringList& args) {
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(kTimeout, &loop, &QEventLoop::quit);
    process.start(program, args);
    loop.exec();
    return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
static bool xdotool(const QString& script) {
    return run(QStringLiteral("xdotool"), script.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

class TestX11GlobalHotkeys : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
    struct KeyEvent {
        bool press;
        quint8 keycode;
        quint16 state;
    };

    x11::Session m_session = x11::current();
    xcb_connection_t* m_other = nullptr; // another program, with a window of its own in front
    xcb_window_t m_otherWindow = 0;
    QList<KeyEvent> m_otherKeys; // keys that reached it, modifiers left out
    QList<quint8> m_modifierKeys;
    xcb_key_symbols_t* m_symbols = nullptr;
    quint16 m_numLock = 0;
    bool m_layoutChanged = false;
    X11GlobalHotkeys m_hotkeys;
    X11KeyboardState m_keyboard;
    QLineEdit m_edit;   // this program's window
    QList<int> m_fired; // hotkeys activated
    int m_grabs = 0;    // key presses that came to this program through a grab
    int m_reached = 0;  // key presses that reached this program's window

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* e = static_cast<xcb_key_press_event_t*>(message);
        if ((e->response_type & 0x7f) == XCB_KEY_PRESS && !m_modifierKeys.contains(e->detail))
            ++(e->event == m_session.root ? m_grabs : m_reached);
        return false;
    }
    bool onX() const { return QGuiApplication::platformName() == QLatin1String("xcb"); }
    xcb_keycode_t keycode(quint32 sym) const {
        const Reply<xcb_keycode_t> key(xcb_key_symbols_get_keycode(m_symbols, sym), &free);
        return key ? *key : 0;
    }
    // False when the server refuses.
    bool grabByOther(quint32 sym, quint16 modifiers) const {
        const xcb_void_cookie_t grab = xcb_grab_key_checked(
            m_other, 0, m_session.root, modifiers, keycode(sym), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        const Reply<xcb_generic_error_t> error(xcb_request_check(m_other, grab), &free);
        return keycode(sym) && !error;
    }
    // Ctrl with every combination of NumLock and CapsLock.
    QList<quint16> ctrlWithLocks() const {
        const quint16 ctrl = XCB_MOD_MASK_CONTROL, caps = XCB_MOD_MASK_LOCK;
        return {ctrl, quint16(ctrl | m_numLock), quint16(ctrl | caps), quint16(ctrl | caps | m_numLock)};
    }
    // As the other client sees the server, so not through the code under test.
    bool locked(quint16 mask) const {
        const Reply<xcb_query_pointer_reply_t> pointer(
            xcb_query_pointer_reply(m_other, xcb_query_pointer(m_other, m_session.root), nullptr), &free);
        return pointer && (pointer->mask & mask);
    }
    void setLocks(int locks) { // NumLock 1, CapsLock 2
        m_keyboard.setNumLock(locks & 1);
        if (locked(XCB_MOD_MASK_LOCK) != bool(locks & 2)) QVERIFY(xdotool("key Caps_Lock"));
        QVERIFY(waitUntil([&] { return locked(XCB_MOD_MASK_LOCK) == bool(locks & 2); }));
        QCOMPARE(locked(m_numLock), bool(locks & 1));
    }
    void setLayout(const QString& setxkbmapArgs) {
        QVERIFY(run(QStringLiteral("setxkbmap"), setxkbmapArgs.split(QLatin1Char(' '))));
        xcb_key_symbols_free(m_symbols);
        m_symbols = xcb_key_symbols_alloc(m_other);
        m_numLock = x11::modifierMask(m_other, XK_Num_Lock);
    }
    void focusOther() {
        xcb_set_input_focus(m_other, XCB_INPUT_FOCUS_POINTER_ROOT, m_otherWindow, XCB_CURRENT_TIME);
        const Reply<xcb_get_input_focus_reply_t> focus(
            xcb_get_input_focus_reply(m_other, xcb_get_input_focus(m_other), nullptr), &free);
        QVERIFY(focus && focus->focus == m_otherWindow);
        readOther();
        m_otherKeys.clear();
    }
    // Everything the server sent the other client up to now.
    void readOther() {
        const Reply<xcb_get_input_focus_reply_t> sync(
            xcb_get_input_focus_reply(m_other, xcb_get_input_focus(m_other), nullptr), &free);
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_other)) {
            const quint8 type = event->response_type & 0x7f;
            const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
            if ((type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) && !m_modifierKeys.contains(key->detail))
                m_otherKeys.append({type == XCB_KEY_PRESS, key->detail, key->state});
            free(event);
        }
    }
    // Sends `keys` and then the marker: every id of `ids` arrives, in order, and none of the keys
    // reaches the program in front, not even a release, but for `reachingOther` key events.
    void expectHotkeys(const QString& keys, QList<int> ids, int reachingOther = 0) {
        QVERIFY(xdotool(keys + QStringLiteral(" key ctrl+KP_Down")));
        ids << kMarker;
        QVERIFY2(waitUntil([&] { return m_fired.size() >= ids.size(); }), "a hotkey was lost");
        QCOMPARE(m_fired, ids);
        readOther();
        QCOMPARE(m_otherKeys.size(), reachingOther);
        QCOMPARE(m_reached, 0);
    }

  private slots:
    void initTestCase() {
        connect(&m_hotkeys, &GlobalHotkeys::activated, this, [this](int id) {
            m_fired << id;
            if (id == kTakeSelection) m_keyboard.sendCopyToFocusedWindow();
        });
        if (!onX()) return;
        QVERIFY(m_session && m_hotkeys.isAvailable() && m_keyboard.isAvailable());
        m_other = xcb_connect(nullptr, nullptr);
        m_symbols = xcb_key_symbols_alloc(m_other);
        m_numLock = x11::modifierMask(m_other, XK_Num_Lock);
        QVERIFY(!xcb_connection_has_error(m_other) && m_numLock);
        const Reply<xcb_get_modifier_mapping_reply_t> modifiers(
            xcb_get_modifier_mapping_reply(m_other, xcb_get_modifier_mapping(m_other), nullptr), &free);
        QVERIFY(modifiers);
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers.get());
        m_modifierKeys =
            QList<quint8>(codes, codes + xcb_get_modifier_mapping_keycodes_length(modifiers.get()));

        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_other)).data;
        const quint32 keyEvents = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE;
        m_otherWindow = xcb_generate_id(m_other);
        xcb_create_window(m_other, XCB_COPY_FROM_PARENT, m_otherWindow, m_session.root, 400, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK, &keyEvents);
        xcb_map_window(m_other, m_otherWindow); // no window manager: viewable once the server has it
        qApp->installNativeEventFilter(this);
        m_edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_edit));
    }
    void cleanupTestCase() {
        if (m_symbols) xcb_key_symbols_free(m_symbols);
        if (m_other) xcb_disconnect(m_other);
    }
    void init() {
        const QByteArray test = QTest::currentTestFunction();
        const bool needsX = test != "unavailableWithoutX" && test != "matcher";
        if (test == "matcher") return;
        if (needsX != onX()) QSKIP(needsX ? "needs an X server: run with -platform xcb" : "runs without X11");
        if (!onX()) return;
        setLocks(0);
        m_grabs = m_reached = 0;
        m_fired.clear();
        QVERIFY(xdotool(QStringLiteral("windowfocus --sync %1").arg(m_edit.winId())));
        QVERIFY(waitUntil([&] { return m_edit.hasFocus(); }));
    }
    void cleanup() {
        if (!onX()) return;
        m_hotkeys.unregisterAll();
        xcb_ungrab_key(m_other, XCB_GRAB_ANY, m_session.root, XCB_MOD_MASK_ANY);
        if (std::exchange(m_layoutChanged, false)) setLayout(QStringLiteral("-layout us -model pc105"));
    }

    void unavailableWithoutX() {
        QVERIFY(!m_hotkeys.isAvailable() && !m_keyboard.isAvailable());
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), kHotkeys);
        m_keyboard.setNumLock(true);
        QVERIFY(!m_keyboard.numLockOn());
        m_keyboard.sendCopyToFocusedWindow();
    }

    // Made-up events. A press is "d:" and a release "u:", with the modifiers held before the key:
    // C Control, N NumLock, L CapsLock. "k:" gives the server's key vector, the keys listed down.
    // `swallowed` has one character per press or release.
    void matcher_data() {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QList<int>>("fired");
        QTest::addColumn<QString>("swallowed");
        QTest::newRow("single press") << "d:C-4 u:C-4" << QList<int>{4} << "11";
        QTest::newRow("overlapping, released in order")
            << "d:C-4 d:C-5 u:C-4 u:C-5" << QList<int>{4, 5} << "1111";
        QTest::newRow("overlapping, released in reverse")
            << "d:C-4 d:C-5 u:C-5 u:C-4" << QList<int>{4, 5} << "1111";
        QTest::newRow("three keys rolled")
            << "d:C-4 d:C-5 u:C-4 d:C-6 u:C-5 u:C-6" << QList<int>{4, 5, 6} << "111111";
        QTest::newRow("released without Control") << "d:C-4 d:C-5 u:4 u:5" << QList<int>{4, 5} << "1111";
        QTest::newRow("repeat as release and press pairs")
            << "d:C-bs u:C-bs d:C-bs u:C-bs d:C-bs u:bs" << QList<int>{16, 16, 16} << "111111";
        QTest::newRow("repeat as presses only")
            << "d:C-bs d:C-bs d:C-bs u:C-bs" << QList<int>{16, 16, 16} << "1111";
        QTest::newRow("repeat with Control let go is kept, not fired")
            << "d:C-bs d:bs d:bs u:bs" << QList<int>{16} << "1111";
        QTest::newRow("a key that is no hotkey") << "d:C-a u:C-a d:a u:a" << QList<int>{} << "0000";
        QTest::newRow("a hotkey's key without Control") << "d:4 u:4" << QList<int>{} << "00";
        QTest::newRow("NumLock and CapsLock ignored")
            << "d:CN-4 d:CL-5 d:CNL-6 u:N-4 u:L-5 u:NL-6" << QList<int>{4, 5, 6} << "111111";
        QTest::newRow("release of a key never pressed as a hotkey")
            << "d:4 d:C-5 u:4 u:5 u:C-6" << QList<int>{5} << "01010";
        QTest::newRow("a release delivered elsewhere is forgotten")
            << "d:C-4 d:C-5 k:5 u:4 u:5" << QList<int>{4, 5} << "1101";
    }
    void matcher() {
        QFETCH(QString, events);
        QFETCH(QList<int>, fired);
        QFETCH(QString, swallowed);
        const QHash<QString, quint8> keycodes{{"4", 83}, {"5", 84}, {"6", 85}, {"bs", 22}, {"a", 38}};
        const quint16 ctrl = XCB_MOD_MASK_CONTROL, caps = XCB_MOD_MASK_LOCK, numLock = XCB_MOD_MASK_2;
        X11HotkeyMatcher matcher;
        matcher.setIgnoredModifiers(caps | numLock);
        for (const char* key : {"4", "5", "6"})
            matcher.add(keycodes[key], ctrl, QByteArray(key).toInt());
        matcher.add(keycodes["bs"], ctrl, 16);

        QList<int> gotFired;
        QString gotSwallowed;
        for (const QString& event : events.split(QLatin1Char(' '))) {
            const QStringList parts = event.mid(2).split(QLatin1Char('-'));
            const QString key = parts.last();
            if (event.startsWith(QLatin1String("k:"))) {
                std::array<quint8, 32> down{};
                for (const QString& k : event.mid(2).split(QLatin1Char(',')))
                    down[keycodes[k] / 8] |= quint8(1u << (keycodes[k] % 8));
                matcher.forgetKeysUp(down);
                continue;
            }
            const QString held = parts.size() > 1 ? parts.first() : QString();
            const quint16 state = (held.contains(QLatin1Char('C')) ? ctrl : 0) |
                                  (held.contains(QLatin1Char('N')) ? numLock : 0) |
                                  (held.contains(QLatin1Char('L')) ? caps : 0);
            const X11HotkeyMatcher::Outcome outcome = event.startsWith(QLatin1String("d:"))
                                                          ? matcher.press(keycodes[key], state)
                                                          : matcher.release(keycodes[key]);
            gotSwallowed += QLatin1Char(outcome.swallow ? '1' : '0');
            if (outcome.fired) gotFired << *outcome.fired;
        }
        QCOMPARE(gotFired, fired);
        QCOMPARE(gotSwallowed, swallowed);
        QVERIFY2(!matcher.hotkeyDown(), "every key was let go, yet the keyboard would be kept");
    }

    // A few representative keys, each with NumLock and CapsLock in every combination. Keypad keys
    // are sent by their NumLock-off names, as xdotool would otherwise toggle NumLock to type KP_1.
    // Ctrl+Shift+keypad 1 is no hotkey: its press and release reach the program in front.
    void firesWithAnotherProgramInFront_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("locks");
        QTest::addColumn<QList<int>>("fired");
        const char* keys[] = {"ctrl+KP_End", "ctrl+alt+Return", "ctrl+shift+c", "ctrl+shift+KP_End"};
        const QList<int> ids[] = {{1}, {21}, {30}, {}};
        for (int key = 0; key < 4; ++key)
            for (int locks = 0; locks < 4; ++locks)
                QTest::addRow("%s, NumLock %d, CapsLock %d", keys[key], locks & 1, locks / 2)
                    << QString::fromLatin1(keys[key]) << locks << ids[key];
    }
    void firesWithAnotherProgramInFront() {
        QFETCH(QString, keys);
        QFETCH(int, locks);
        QFETCH(QList<int>, fired);
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        focusOther();
        setLocks(locks);
        QCOMPARE(m_keyboard.numLockOn(), bool(locks & 1));
        expectHotkeys(QStringLiteral("key ") + keys, fired, fired.isEmpty() ? 2 : 0);
    }

    // Keypad keys by their NumLock-off names: 4 is KP_Left, 5 KP_Begin, 6 KP_Right. A fast typist
    // holds each key some 40 ms and presses the next before letting the last go.
    void overlappingKeysAllFireInOrder_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("fired");
        QTest::newRow("4 5, released in order") << "keydown KP_Left sleep 0.02 keydown KP_Begin sleep 0.02 "
                                                   "keyup KP_Left sleep 0.02 keyup KP_Begin"
                                                << QList<int>{4, 5};
        QTest::newRow("4 5, released in reverse") << "keydown KP_Left sleep 0.02 keydown KP_Begin sleep 0.02 "
                                                     "keyup KP_Begin sleep 0.02 keyup KP_Left"
                                                  << QList<int>{4, 5};
        QTest::newRow("4 5 6 rolled")
            << "keydown KP_Left sleep 0.02 keydown KP_Begin sleep 0.02 keyup KP_Left "
               "keydown KP_Right sleep 0.02 keyup KP_Begin sleep 0.02 keyup KP_Right"
            << QList<int>{4, 5, 6};
        QTest::newRow("Ctrl let go first") << "keydown KP_Left sleep 0.02 keydown KP_Begin sleep 0.02 keyup "
                                              "ctrl keyup KP_Left keyup KP_Begin"
                                           << QList<int>{4, 5};
        QTest::newRow("4 twice around 5")
            << "keydown KP_Left sleep 0.02 keydown KP_Begin sleep 0.02 keyup KP_Left "
               "sleep 0.02 keydown KP_Left sleep 0.02 keyup KP_Begin keyup KP_Left"
            << QList<int>{4, 5, 4};
    }
    void overlappingKeysAllFireInOrder() {
        QFETCH(QString, keys);
        QFETCH(QList<int>, fired);
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        focusOther();
        expectHotkeys(QStringLiteral("keydown ctrl ") + keys + QStringLiteral(" keyup ctrl"), fired);
    }

    // Held longer than the server's repeat delay (660 ms): the hotkey fires again for every repeat,
    // and neither the key nor its release reaches the program in front.
    void heldKeyRepeats() {
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        focusOther();
        QVERIFY(xdotool(QStringLiteral("keydown ctrl+KP_End sleep 0.9 keyup KP_End ctrl key ctrl+KP_Down")));
        QVERIFY(waitUntil([&] { return m_fired.endsWith(kMarker); }));
        QVERIFY2(m_grabs > 4, "the key did not repeat");
        QCOMPARE(m_fired, QList<int>(m_grabs - 1, 1) << kMarker);
        readOther();
        QCOMPARE(m_otherKeys.size(), 0);
    }

    // Ctrl+Insert copies in the program in front. The hotkey fires on the press, but the copy keys
    // only go once Insert is let go: sent before, they would come back through the grab.
    void copyWaitsForTheHotkeysRelease() {
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        focusOther();
        QVERIFY(xdotool(QStringLiteral("keydown ctrl+Insert sleep 0.2 keyup Insert ctrl")));
        QVERIFY(waitUntil([&] {
            readOther();
            return m_otherKeys.size() >= 2;
        }));
        QCOMPARE(m_fired, QList<int>{kTakeSelection});
        QCOMPARE(m_otherKeys.size(), 2);
        QVERIFY(m_otherKeys[0].press && m_otherKeys[0].keycode == keycode(XK_c));
        QVERIFY(m_otherKeys[0].state & XCB_MOD_MASK_CONTROL);
    }

    // The keypad's decimal key is the separator whatever it types: KP_Decimal in the US layout,
    // KP_Separator in the Brazilian one (KP_Delete without NumLock either way, which is what xdotool
    // sends). Ctrl+Delete stays the main Delete key's. Grabs follow a layout chosen while the
    // calculator runs; a letter key shows it, as a letter moves (Q is on A's key in French).
    void keysFollowTheLayout_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("laterLayout");
        QTest::addColumn<int>("locks");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("id");
        const QString us = "-layout us -model pc105", br = "-layout br -model abnt2";
        const int separator = int(CommandId::Separator), clearEntry = int(CommandId::ClearEntry);
        QTest::newRow("us, decimal key") << us << QString() << 0 << "ctrl+KP_Delete" << separator;
        QTest::newRow("us, decimal key with NumLock")
            << us << QString() << 1 << "ctrl+KP_Delete" << separator;
        QTest::newRow("br, decimal key") << br << QString() << 0 << "ctrl+KP_Delete" << separator;
        QTest::newRow("br, decimal key with NumLock")
            << br << QString() << 1 << "ctrl+KP_Delete" << separator;
        QTest::newRow("br, Delete") << br << QString() << 1 << "ctrl+Delete" << clearEntry;
        QTest::newRow("us, then br, decimal key") << us << br << 1 << "ctrl+KP_Delete" << separator;
        QTest::newRow("br, then us, decimal key") << br << us << 0 << "ctrl+KP_Delete" << separator;
        QTest::newRow("us, then fr, a letter") << us << "-layout fr" << 0 << "ctrl+shift+q" << kFollower;
    }
    void keysFollowTheLayout() {
        QFETCH(QString, layout);
        QFETCH(QString, laterLayout);
        QFETCH(int, locks);
        QFETCH(QString, keys);
        QFETCH(int, id);
        m_layoutChanged = true;
        setLayout(layout);
        // The calculator's own keys, keypad 2 standing for the marker.
        Hotkeys hotkeys = CommandTable::hotkeys() << GlobalHotkeys::Hotkey{kFollower, 'q', Mod::Control | Mod::Shift};
        for (GlobalHotkeys::Hotkey& h : hotkeys)
            if (h.id == int(CommandId::Digit2)) h.id = kMarker;
        QCOMPARE(m_hotkeys.registerAll(hotkeys), Hotkeys{});
        focusOther();
        if (!laterLayout.isEmpty()) {
            setLayout(laterLayout);
            expectHotkeys({}, {}); // the marker comes after the change, so the grabs have followed it
            m_fired.clear();
        }
        setLocks(locks);
        expectHotkeys(QStringLiteral("key ") + keys, {id});
    }

    // Keypad 2 is taken by the other client first with the modifiers `taken`. A refused key is not
    // held in part: the other client can still take it in every lock state.
    void keyTakenByAnotherProgramIsRefused_data() {
        QTest::addColumn<quint16>("taken");
        QTest::addColumn<bool>("refused");
        QTest::newRow("with Ctrl alone") << quint16(XCB_MOD_MASK_CONTROL) << true;
        QTest::newRow("with NumLock on only") << ctrlWithLocks()[1] << true;
        QTest::newRow("with Shift") << quint16(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT) << false;
    }
    void keyTakenByAnotherProgramIsRefused() {
        QFETCH(quint16, taken);
        QFETCH(bool, refused);
        QVERIFY(grabByOther(XK_KP_Down, taken));
        QCOMPARE(m_hotkeys.registerAll(kHotkeys.first(2)), refused ? Hotkeys{kHotkeys[1]} : Hotkeys{});
        for (const quint16 modifiers : refused ? ctrlWithLocks() : QList<quint16>{})
            QVERIFY2(grabByOther(XK_KP_Down, modifiers), "a refused key is still held in part");
    }

    void unregisterAllGivesTheKeysBack() {
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        QVERIFY(xdotool(QStringLiteral("key ctrl+KP_End")));
        QVERIFY(waitUntil([&] { return m_fired == QList<int>{1}; }));
        QCOMPARE(m_reached, 0);
        m_hotkeys.unregisterAll();
        QVERIFY(xdotool(QStringLiteral("key ctrl+KP_End")));
        QVERIFY(waitUntil([&] { return m_reached == 1; }));
        QCOMPARE(m_fired, QList<int>{1});
        for (const quint16 modifiers : ctrlWithLocks()) // ...and another program may take every grab it held
            QVERIFY(grabByOther(XK_KP_End, modifiers) && grabByOther(XK_Return, modifiers));
    }

    void copyReachesFocusedWindow() {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        m_edit.setText(QStringLiteral("1.234,56"));
        m_edit.selectAll();
        m_keyboard.sendCopyToFocusedWindow();
        QVERIFY(
            waitUntil([&] { return QGuiApplication::clipboard()->text() == QStringLiteral("1.234,56"); }));
    }
};

QTEST_MAIN(TestX11GlobalHotkeys)
#include "tst_x11globalhotkeys.moc"
