// The X11 hotkeys and keyboard state against a real X server (Xvfb, see tests/CMakeLists.txt),
// driven by xdotool and by a second X client, as another program would be. Without an X server
// only the unavailable case runs. tests/e2e/test_hotkeys.sh covers the hotkeys of the calculator
// itself; here each guarantee of the service is checked on its own.

#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11keyboardstate.h"
#include "platform/x11/x11session.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <X11/keysym.h>

using Hotkeys = QList<GlobalHotkeys::Hotkey>;
using Mod = GlobalHotkeys::Modifier;
template <typename T> using Reply = std::unique_ptr<T, decltype(&free)>; // what xcb allocates

static constexpr int kTimeout = 3000;
static constexpr int kMarker = 2; // Ctrl + keypad 2, sent last so that "nothing else fired" needs no waiting
// clang-format off
static const Hotkeys kHotkeys = {
    {1, keysym::keypadDigit(1), Mod::Control}, {kMarker, keysym::keypadDigit(2), Mod::Control},
    {20, keysym::Return, Mod::Control},        {21, keysym::Return, Mod::Control | Mod::Alt},
    {30, keysym::C, Mod::Control | Mod::Shift}};
// clang-format on

static bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(kTimeout) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class TestX11GlobalHotkeys : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
    x11::Session m_session = x11::current();
    xcb_connection_t* m_other = nullptr; // another program
    xcb_key_symbols_t* m_symbols = nullptr;
    quint16 m_numLock = 0;
    X11GlobalHotkeys m_hotkeys;
    X11KeyboardState m_keyboard;
    QLineEdit m_edit;   // this program's window
    QList<int> m_fired; // hotkeys activated
    int m_grabs = 0;    // key presses that came to this program through a grab
    int m_reached = 0;  // key presses that reached this program's window

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* e = static_cast<xcb_key_press_event_t*>(message);
        if ((e->response_type & 0x7f) == XCB_KEY_PRESS) ++(e->event == m_session.root ? m_grabs : m_reached);
        return false;
    }
    bool onX() const { return QGuiApplication::platformName() == QLatin1String("xcb"); }
    // False when the server refuses.
    bool grabByOther(quint32 sym, quint16 modifiers) const {
        const Reply<xcb_keycode_t> key(xcb_key_symbols_get_keycode(m_symbols, sym), &free);
        const xcb_void_cookie_t grab = xcb_grab_key_checked(
            m_other, 0, m_session.root, modifiers, key ? *key : 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        const Reply<xcb_generic_error_t> error(xcb_request_check(m_other, grab), &free);
        return key && !error;
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
        if (locked(XCB_MOD_MASK_LOCK) != bool(locks & 2)) QVERIFY(xdotool({"key", "Caps_Lock"}));
        QTRY_COMPARE_WITH_TIMEOUT(locked(XCB_MOD_MASK_LOCK), bool(locks & 2), kTimeout);
        QCOMPARE(locked(m_numLock), bool(locks & 1));
    }

  private slots:
    void initTestCase() {
        connect(&m_hotkeys, &GlobalHotkeys::activated, this, [this](int id) { m_fired << id; });
        if (!onX()) return;
        QVERIFY(m_session && m_hotkeys.isAvailable() && m_keyboard.isAvailable());
        m_other = xcb_connect(nullptr, nullptr);
        m_symbols = xcb_key_symbols_alloc(m_other);
        m_numLock = x11::modifierMask(m_other, XK_Num_Lock);
        QVERIFY(!xcb_connection_has_error(m_other) && m_numLock);
        qApp->installNativeEventFilter(this);
        m_edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_edit));
        QVERIFY(QProcess::startDetached(QStringLiteral("xmessage"),
                                        {"-timeout", "120", "-title", "tabulora-other", "another program"}));
    }
    void init() {
        const bool needsX = QTest::currentTestFunction() != QByteArray("unavailableWithoutX");
        if (needsX != onX()) QSKIP(needsX ? "needs an X server: run with -platform xcb" : "runs without X11");
        if (!onX()) return;
        setLocks(0);
        m_grabs = m_reached = 0;
        m_fired.clear();
        QVERIFY(xdotool({"windowfocus", "--sync", QString::number(m_edit.winId())}));
        QTRY_VERIFY_WITH_TIMEOUT(m_edit.hasFocus(), kTimeout);
    }
    void cleanup() {
        if (!onX()) return;
        m_hotkeys.unregisterAll();
        xcb_ungrab_key(m_other, XCB_GRAB_ANY, m_session.root, XCB_MOD_MASK_ANY);
    }

    void unavailableWithoutX() {
        QVERIFY(!m_hotkeys.isAvailable() && !m_keyboard.isAvailable());
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), kHotkeys);
        m_keyboard.setNumLock(true);
        QVERIFY(!m_keyboard.numLockOn());
        m_keyboard.sendCopyToFocusedWindow();
    }

    // A few representative keys, each with NumLock and CapsLock in every combination. Keypad keys
    // are sent by their NumLock-off names, as xdotool would otherwise toggle NumLock to type KP_1.
    void firesWithAnotherProgramInFront_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("locks");
        QTest::addColumn<QList<int>>("fired");
        const char* keys[] = {"ctrl+KP_End", "ctrl+alt+Return", "ctrl+shift+c", "ctrl+shift+KP_End"};
        const QList<int> ids[] = {{1, kMarker}, {21, kMarker}, {30, kMarker}, {kMarker}};
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
        QVERIFY(xdotool({"search", "--sync", "--name", "tabulora-other", "windowfocus", "--sync"}));
        setLocks(locks);
        QCOMPARE(m_keyboard.numLockOn(), bool(locks & 1));
        QVERIFY(xdotool({"key", keys, "ctrl+KP_Down"}));
        QTRY_COMPARE_WITH_TIMEOUT(m_fired, fired, kTimeout);
    }

    // Held longer than the server's repeat delay (660 ms): keypad 1 and its repeats and the marker
    // come through the grabs, and the hotkey fires once.
    void heldKeyFiresOnce() {
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        QVERIFY(
            xdotool(QString("keydown ctrl+KP_End sleep 0.9 keyup KP_End ctrl key ctrl+KP_Down").split(' ')));
        QTRY_COMPARE_WITH_TIMEOUT(m_fired, (QList<int>{1, kMarker}), kTimeout);
        QVERIFY2(m_grabs > 3, "the key did not repeat");
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

    // Ctrl reaches the window either way.
    void unregisterAllGivesTheKeysBack() {
        QCOMPARE(m_hotkeys.registerAll(kHotkeys), Hotkeys{});
        QVERIFY(xdotool({"key", "ctrl+KP_End"}));
        QTRY_COMPARE_WITH_TIMEOUT(m_fired, QList<int>{1}, kTimeout);
        QCOMPARE(m_reached, 1);
        m_hotkeys.unregisterAll();
        QVERIFY(xdotool({"key", "ctrl+KP_End"}));
        QTRY_COMPARE_WITH_TIMEOUT(m_reached, 3, kTimeout);
        QCOMPARE(m_fired, QList<int>{1});
        for (const quint16 modifiers : ctrlWithLocks()) // ...and another program may take every grab it held
            QVERIFY(grabByOther(XK_KP_End, modifiers) && grabByOther(XK_Return, modifiers));
    }

    void copyReachesFocusedWindow() {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        m_edit.setText(QStringLiteral("1.234,56"));
        m_edit.selectAll();
        m_keyboard.sendCopyToFocusedWindow();
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("1.234,56"), kTimeout);
    }
};

QTEST_MAIN(TestX11GlobalHotkeys)
#include "tst_x11globalhotkeys.moc"
