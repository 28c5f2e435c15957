// The X11 hotkeys against a real X server (Xvfb, as tests/CMakeLists.txt starts it: a held key
// repeats once after 300 ms, then not for 10 s), driven by xdotool, with another X client in front
// that reports every key reaching it. Without X the services must declare themselves unavailable.
// tests/e2e/test_hotkeys.sh covers the calculator's own use of them, test_paste.sh the paste keys.

#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11hotkeymatcher.h"
#include "platform/x11/x11keyboardstate.h"
#include "platform/x11/x11session.h"
#include "shell/commandtable.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <memory>
#include <tuple>
#include <utility>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <X11/keysym.h>

using Id = CommandId;
using Ids = QList<CommandId>;
using Hotkeys = QList<GlobalHotkeys::Hotkey>;
using Mod = GlobalHotkeys::Modifier;
// xdotool commands, separated by ",", typed in a layout, or in one and then in another chosen after
// registering ("us>fr"); with locks (NumLock 1, CapsLock 2), and keypad 2 taken first by another
// program with the modifiers given; and the hotkeys that fire.
using Case = std::tuple<QString, int, quint16, QString, Ids>;
Q_DECLARE_METATYPE(Case)

class TestX11GlobalHotkeys : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
    // The marker, Ctrl + keypad 9, is typed last: what fired before it is all. The follower, Ctrl+Shift+Q
    // added to the calculator's keys, is a letter, so it moves between layouts.
    static constexpr Id kMarker = Id::Digit9, kFollower = Id(1000);
    const Hotkeys m_keys = CommandTable::hotkeys() + Hotkeys{{1000, 'q', Mod::Control | Mod::Shift}};
    // No lock, NumLock (Mod2, as initTestCase checks), CapsLock, both.
    const QList<quint16> m_locks = {0, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK};
    x11::Session m_session = x11::current();
    xcb_connection_t* m_other = xcb_connect(nullptr, nullptr); // another program, with a window in front
    xcb_key_symbols_t* m_symbols = xcb_key_symbols_alloc(m_other);
    QList<xcb_key_press_event_t> m_otherKeys; // the keys that reached it
    QString m_layout = "us";
    bool m_capsLock = false;
    X11GlobalHotkeys m_hotkeys;
    X11KeyboardState m_keyboard;
    Ids m_fired;
    int m_seen = 0; // key events that came to this program through a grab
    bool m_releaseOnRepeat = false;

    template <typename T> static auto reply(T* p) { return std::unique_ptr<T, decltype(&free)>(p, &free); }
    static bool run(const QString& command) { return QProcess::execute("sh", {"-c", command}) == 0; }
    // Counts the key events that come through a grab. At a repeat's press, when asked, the key is let
    // go at once (XTest, time 0: now), before the hotkeys have read the press.
    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* e = static_cast<const xcb_key_press_event_t*>(message);
        const bool press = e->response_type == XCB_KEY_PRESS;
        if ((press || e->response_type == XCB_KEY_RELEASE) && e->event == m_session.root && ++m_seen &&
            press && std::exchange(m_releaseOnRepeat, false))
            reply(xcb_request_check(
                m_other, xcb_test_fake_input_checked(m_other, XCB_KEY_RELEASE, e->detail, 0, 0, 0, 0, 0)));
        return false;
    }
    bool grabByOther(quint32 sym, quint16 modifiers) const { // false if the server refuses
        const auto key = reply(xcb_key_symbols_get_keycode(m_symbols, sym));
        return key && !reply(xcb_request_check(
                          m_other, xcb_grab_key_checked(m_other, 0, m_session.root, modifiers, *key,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
    }
    // Reads the keys that reached the other program, modifiers left out, and counts them.
    qsizetype readOther() {
        const auto sync = reply(xcb_get_input_focus_reply(m_other, xcb_get_input_focus(m_other), nullptr));
        while (const auto event = reply(xcb_poll_for_event(m_other))) {
            const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event.get());
            if ((key->response_type == XCB_KEY_PRESS || key->response_type == XCB_KEY_RELEASE) &&
                !xcb_is_modifier_key(xcb_key_symbols_get_keysym(m_symbols, key->detail, 0)))
                m_otherKeys << *key;
        }
        return m_otherKeys.size();
    }
    void setLocks(int locks) {
        m_keyboard.setNumLock(locks & 1);
        if (std::exchange(m_capsLock, locks & 2) != bool(locks & 2)) QVERIFY(run("xdotool key Caps_Lock"));
        QCOMPARE(m_keyboard.numLockOn(), bool(locks & 1));
    }
    // Returns once the hotkeys have followed the change, the marker being read after it.
    void setLayout(const QString& layout) {
        if (layout == std::exchange(m_layout, layout)) return;
        QVERIFY(run("setxkbmap -layout " + layout + " -model " + (layout == "br" ? "abnt2" : "pc105")));
        expectHotkeys({});
    }
    // Runs the xdotool `commands` one by one, each once the key of the one before has arrived, here or
    // in the program in front: keys are read while they are down, as a person types. At "repeat", the
    // key held is let go right after it repeats.
    void type(const QString& commands) {
        for (const QString& c : commands.split(u',')) {
            const qsizetype n = m_seen + readOther();
            m_releaseOnRepeat = c == "repeat";
            QVERIFY(m_releaseOnRepeat || run("xdotool " + c));
            if (!c.endsWith("ctrl"))
                QVERIFY(QTest::qWaitFor([&] { return !m_releaseOnRepeat && m_seen + readOther() > n; }));
        }
    }
    // Types the marker: `ids` fired before it, in order, and `reachingOther` key events reached the
    // program in front.
    void expectHotkeys(Ids ids, qsizetype reachingOther = 0) {
        QVERIFY(run("xdotool key ctrl+KP_Prior"));
        QVERIFY2(QTest::qWaitFor([&] { return m_fired.endsWith(kMarker); }), "the marker was lost");
        QCOMPARE(std::exchange(m_fired, {}), ids << kMarker);
        QCOMPARE(readOther(), reachingOther);
    }

  private slots:
    void initTestCase() {
        connect(&m_hotkeys, &GlobalHotkeys::activated, this, [this](int id) {
            m_fired << Id(id);
            if (Id(id) == Id::TakeSelection) m_keyboard.sendCopyToFocusedWindow();
        });
        QVERIFY(m_hotkeys.isAvailable() == bool(m_session) && m_keyboard.isAvailable() == bool(m_session));
        m_keyboard.setNumLock(true); // without X, nothing is done
        QCOMPARE(m_keyboard.numLockOn(), bool(m_session));
        QCOMPARE(m_hotkeys.registerAll(m_keys).isEmpty(), bool(m_session));
        if (!m_session) { // ...and does nothing either
            m_keyboard.sendPasteToFocusedWindow();
            return m_keyboard.sendCopyToFocusedWindow();
        }
        QVERIFY(!xcb_connection_has_error(m_other) && x11::modifierMask(m_other, XK_Num_Lock) == m_locks[1]);
        const quint32 keyEvents = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE;
        const xcb_window_t window = xcb_generate_id(m_other);
        xcb_create_window(m_other, XCB_COPY_FROM_PARENT, window, m_session.root, 400, 0, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &keyEvents);
        xcb_map_window(m_other, window); // no window manager: viewable once the server has it
        xcb_set_input_focus(m_other, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        qApp->installNativeEventFilter(this);
    }
    void init() {
        if (!m_session) QSKIP("needs an X server: run with -platform xcb");
        readOther(); // ...which waits for the other program's requests
        m_otherKeys.clear();
        QCOMPARE(m_hotkeys.registerAll(m_keys), Hotkeys{});
    }
    // ...and unregistered, the hotkeys give every key back: another program may take them all.
    void cleanup() {
        setLayout("us");
        m_hotkeys.unregisterAll();
        for (const quint16 lock : m_locks)
            QVERIFY(grabByOther(XK_KP_End, XCB_MOD_MASK_CONTROL | lock) &&
                    grabByOther(XK_Return, XCB_MOD_MASK_CONTROL | lock));
        xcb_ungrab_key(m_other, XCB_GRAB_ANY, m_session.root, XCB_MOD_MASK_ANY);
    }

    // Made-up events, each with its outcome after "=": the id fired, s swallowed or . passed on. "+CN4"
    // presses key 4 with Control and NumLock held (L is CapsLock), "-4" lets it go, "k5" gives the
    // server's key vector with only 5 down. Keys 4 to 6 are hotkeys with Control, 7 is none.
    void matcher_data() {
        QTest::addColumn<QString>("events");
        QTest::newRow("three keys rolled") << "+C4=4 +C5=5 -4=s +C6=6 -6=s -5=s";
        QTest::newRow("repeat as release and press pairs") << "+C4=4 -4=s +C4=4 -4=s +C4=4 -4=s";
        QTest::newRow("repeat as presses only") << "+C4=4 +C4=4 +C4=4 -4=s";
        QTest::newRow("repeat with Control let go is kept, not fired") << "+C4=4 +4=s +4=s -4=s";
        QTest::newRow("no hotkey: another key, or no Control") << "+C7=. -7=. +4=. -4=.";
        QTest::newRow("NumLock and CapsLock ignored") << "+CN4=4 +CL5=5 +CNL6=6 -4=s -5=s -6=s";
        QTest::newRow("release of a key never pressed as a hotkey") << "+4=. +C5=5 -4=. -5=s -6=.";
        QTest::newRow("a release delivered elsewhere is forgotten") << "+C4=4 +C5=5 k5=. -4=. -5=s";
    }
    void matcher() {
        QFETCH(QString, events);
        const int ctrl = XCB_MOD_MASK_CONTROL, num = XCB_MOD_MASK_2, caps = XCB_MOD_MASK_LOCK;
        X11HotkeyMatcher m;
        m.setIgnoredModifiers(caps | num);
        for (const int key : {4, 5, 6})
            m.add(quint8(key), ctrl, key);
        for (const QString& e : events.split(u' ')) {
            const auto key = quint8(e[e.indexOf(u'=') - 1].digitValue());
            const quint16 state = e.contains(u'C') * ctrl | e.contains(u'N') * num | e.contains(u'L') * caps;
            if (e[0] == u'k') m.forgetKeysUp({quint8(1u << key)});
            // "k" lets go of keycode 0, which is no key: nothing to swallow.
            const auto out = e[0] == u'+' ? m.press(key, state) : m.release(e[0] == u'-' ? key : 0);
            const QString outcome = out.fired ? QString::number(*out.fired) : out.swallow ? "s" : ".";
            QVERIFY2(outcome == e.section(u'=', 1), qPrintable(e.section(u'=', 0, 0) + " gave " + outcome));
        }
        QVERIFY2(!m.hotkeyDown(), "every key was let go, yet the keyboard would be kept");
    }

    // Keypad keys go by their NumLock-off names, as xdotool would otherwise toggle NumLock (KP_End is
    // 1, KP_Down 2, KP_Left 4, KP_Begin 5). A key that is no hotkey here reaches the other program. A
    // key taken by another program is refused, and not held in part whatever the locks. The keypad's
    // decimal key is the separator whatever it types: KP_Decimal in the US layout, KP_Separator in the
    // Brazilian one, KP_Delete without NumLock in both; Ctrl+Delete stays the main Delete key's. The
    // letter shows that grabs follow a layout: Q is on A's key in French. "held": the key is let go
    // between the release and the press of its repeat, before this program reads them, and that release
    // too must stay here; Control goes up with the marker.
    void keys_data() {
        QTest::addColumn<Case>("c");
        const char* keys[] = {"ctrl+KP_End", "ctrl+alt+Return", "ctrl+shift+q", "ctrl+shift+KP_End"};
        const Ids ids[] = {{Id::Digit1}, {Id::HotkeyAltEnter}, {kFollower}, {}};
        for (int k = 0; k < 4; ++k)
            for (int l = 0; l < 4; ++l)
                QTest::addRow("%s, NumLock %d, CapsLock %d", keys[k], l & 1, l / 2)
                    << Case{"us", l, 0, QString("key ") + keys[k], ids[k]};
        const QString roll = "keydown ctrl+KP_Left,keydown KP_Begin,keyup KP_Left,keyup ctrl,keyup KP_Begin";
        // Ctrl, with NumLock or Shift
        const quint16 c = XCB_MOD_MASK_CONTROL, n = XCB_MOD_MASK_2, s = XCB_MOD_MASK_SHIFT;
        QTest::newRow("rolled, Ctrl let go first") << Case{"us", 0, 0, roll, {Id::Digit4, Id::Digit5}};
        QTest::newRow("held") << Case{"us", 0, 0, "keydown ctrl+KP_End,repeat", Ids(2, Id::Digit1)};
        QTest::newRow("taken with Ctrl") << Case{"us", 0, c, "key ctrl+KP_Down", {}};
        QTest::newRow("taken with NumLock only") << Case{"us", 0, quint16(c | n), "key ctrl+KP_Down", {}};
        QTest::newRow("taken with Shift") << Case{"us", 0, quint16(c | s), "key ctrl+KP_Down", {Id::Digit2}};
        QTest::newRow("us, decimal key") << Case{"us", 0, 0, "key ctrl+KP_Delete", {Id::Separator}};
        QTest::newRow("br, NumLock, decimal") << Case{"br", 1, 0, "key ctrl+KP_Delete", {Id::Separator}};
        QTest::newRow("br, Delete") << Case{"br", 1, 0, "key ctrl+Delete", {Id::ClearEntry}};
        QTest::newRow("us>br, decimal key") << Case{"us>br", 1, 0, "key ctrl+KP_Delete", {Id::Separator}};
        QTest::newRow("us>fr, a letter") << Case{"us>fr", 0, 0, "key ctrl+shift+q", {kFollower}};
    }
    void keys() {
        QFETCH(Case, c);
        const auto& [layouts, locks, taken, keys, fired] = c;
        setLayout(layouts.section(u'>', 0, 0));
        m_hotkeys.unregisterAll();
        QVERIFY(!taken || grabByOther(XK_KP_Down, taken));
        const Hotkeys keypad2{{int(Id::Digit2), keysym::keypadDigit(2), Mod::Control}};
        QCOMPARE(m_hotkeys.registerAll(m_keys), taken && fired.isEmpty() ? keypad2 : Hotkeys{});
        setLayout(layouts.section(u'>', -1));
        setLocks(locks);
        type(keys);
        expectHotkeys(fired, fired.isEmpty() ? 2 : 0);
    }

    // Ctrl+Insert copies in the program in front. The hotkey fires on the press, but the copy keys
    // only go once Insert is let go: sent before, they would come back through the grab.
    void copyWaitsForTheHotkeysRelease() {
        QVERIFY(QProcess::startDetached(
            "xdotool", {"keydown", "ctrl+Insert", "sleep", "0.2", "keyup", "Insert", "ctrl"}));
        QVERIFY(QTest::qWaitFor([&] { return readOther() == 2; })); // c, down and up
        QCOMPARE(std::exchange(m_fired, {}), Ids{Id::TakeSelection});
        QVERIFY(m_otherKeys[0].response_type == XCB_KEY_PRESS && m_otherKeys[0].state & XCB_MOD_MASK_CONTROL);
        QCOMPARE(xcb_key_symbols_get_keysym(m_symbols, m_otherKeys[0].detail, 0), xcb_keysym_t(XK_c));
    }
};

QTEST_MAIN(TestX11GlobalHotkeys)
#include "tst_x11globalhotkeys.moc"
