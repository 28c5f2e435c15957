// The X11 hotkeys and keyboard state against a real X server (Xvfb, see tests/CMakeLists.txt),
// driven by xdotool and by a second X client. Without an X server only the event rules and the
// unavailable case run.

#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11hotkeymatcher.h"
#include "platform/x11/x11keyboardstate.h"
#include "platform/x11/x11session.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <X11/keysym.h>

using Hotkey = GlobalHotkeys::Hotkey;
using Mod = GlobalHotkeys::Modifier;
using Hotkeys = QList<Hotkey>;

namespace {

constexpr int kTimeout = 3000;
constexpr int kMarker = 2; // Ctrl + keypad 2, sent after every case so "nothing fired" needs no waiting

Hotkey ctrl(int id, quint32 sym) {
    return {id, sym, Mod::Control};
}

// Every hotkey of the calculator: the keypad digits are ids 0-9.
Hotkeys calculatorHotkeys() {
    Hotkeys all;
    for (int d = 0; d <= 9; ++d)
        all << ctrl(d, keysym::keypadDigit(d));
    all << ctrl(10, keysym::KP_Add) << ctrl(11, keysym::KP_Subtract) << ctrl(12, keysym::KP_Multiply)
        << ctrl(13, keysym::KP_Divide) << ctrl(14, keysym::KP_Decimal) << ctrl(20, keysym::Return)
        << ctrl(20, keysym::KP_Enter) << Hotkey{21, keysym::Return, Mod::Control | Mod::Alt}
        << Hotkey{30, keysym::C, Mod::Control | Mod::Shift} << ctrl(40, keysym::Delete)
        << ctrl(41, keysym::BackSpace) << ctrl(42, keysym::Insert) << ctrl(43, keysym::Space);
    return all;
}

QList<int> ids(const Hotkeys& hotkeys) {
    QList<int> result;
    for (const Hotkey& h : hotkeys)
        result << h.id;
    return result;
}

// Every combination of CapsLock and NumLock.
QList<quint16> lockStates(quint16 numLock) {
    return {0, XCB_MOD_MASK_LOCK, numLock, quint16(XCB_MOD_MASK_LOCK | numLock)};
}

bool xdotool(const QStringList& args, QString* out = nullptr) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(kTimeout)) {
        p.kill();
        p.waitForFinished();
        return false;
    }
    if (out) *out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool focus(WId window) {
    return xdotool({"windowfocus", "--sync", QString::number(window)});
}

// Counts presses of one key as the X server delivers them, before the hotkeys see them.
class PressCounter : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        if (type == "xcb_generic_event_t" && (e->response_type & 0x7f) == XCB_KEY_PRESS &&
            reinterpret_cast<const xcb_key_press_event_t*>(e)->detail == keycode)
            ++presses;
        return false;
    }
    quint8 keycode = 0;
    int presses = 0;
};

// Counts the keys other than modifiers that a widget receives, i.e. keys not taken as hotkeys.
class KeyCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Control:
        case Qt::Key_Shift:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            break;
        default:
            ++presses;
        }
        return false;
    }
    int presses = 0;
};

} // namespace

class TestX11GlobalHotkeys : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void matcher_data();
    void matcher();
    void unavailableWithoutX();

    void hotkeyFires_data();
    void hotkeyFires();
    void heldKeyFiresOnce();
    void rapidTapsEachFire();
    void refusals_data();
    void refusals();
    void unregisterAllGivesKeysBack();
    void numLockFollowsSetNumLock_data();
    void numLockFollowsSetNumLock();
    void copyReachesFocusedWindow_data();
    void copyReachesFocusedWindow();

  private:
    bool onX() const { return QGuiApplication::platformName() == QLatin1String("xcb"); }
    quint8 keycodeOf(quint32 sym) const;
    void grabFromOtherClient(quint8 keycode, quint16 modifiers, bool* refused);
    bool capsLockOn() const;
    void setCapsLock(bool on);
    bool sendKeys(const QString& keys) { return xdotool({"key", keys}); }

    x11::Session m_session;
    xcb_connection_t* m_other = nullptr; // a second client, as another program would be
    std::unique_ptr<X11GlobalHotkeys> m_hotkeys;
    std::unique_ptr<X11KeyboardState> m_keyboard;
    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_edit = nullptr;
    KeyCounter m_editKeys;
    QProcess m_foreign;
    WId m_foreignWindow = 0;
};

void TestX11GlobalHotkeys::initTestCase() {
    if (!onX()) return;
    m_session = x11::current();
    QVERIFY(m_session);
    m_hotkeys = std::make_unique<X11GlobalHotkeys>();
    m_keyboard = std::make_unique<X11KeyboardState>();
    QVERIFY(m_hotkeys->isAvailable());
    QVERIFY(m_keyboard->isAvailable());

    m_other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(m_other));

    m_window = std::make_unique<QWidget>();
    m_window->setWindowTitle(QStringLiteral("own window"));
    auto* layout = new QVBoxLayout(m_window.get());
    m_edit = new QLineEdit(m_window.get());
    layout->addWidget(m_edit);
    m_edit->installEventFilter(&m_editKeys);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    m_foreign.start(QStringLiteral("xmessage"), {"-title", "tabulora-foreign", "another program"});
    QVERIFY(m_foreign.waitForStarted());
    QString found;
    QVERIFY(xdotool({"search", "--sync", "--limit", "1", "--name", "tabulora-foreign"}, &found));
    m_foreignWindow = found.toULongLong();
    QVERIFY(m_foreignWindow != 0);
}

void TestX11GlobalHotkeys::cleanupTestCase() {
    if (m_foreign.state() != QProcess::NotRunning) {
        m_foreign.kill();
        m_foreign.waitForFinished();
    }
    m_hotkeys.reset();
    if (m_other) xcb_disconnect(m_other);
}

void TestX11GlobalHotkeys::init() {
    const QByteArray test = QTest::currentTestFunction();
    if (test == "matcher") return;
    if (test == "unavailableWithoutX") {
        if (onX()) QSKIP("runs on a platform without X11");
        return;
    }
    if (!onX()) QSKIP("needs an X server: run with -platform xcb");
    m_keyboard->setNumLock(false);
    setCapsLock(false);
    m_edit->clear();
    m_editKeys.presses = 0;
    QVERIFY(focus(m_window->winId()));
    QTRY_VERIFY_WITH_TIMEOUT(m_edit->hasFocus(), kTimeout);
}

void TestX11GlobalHotkeys::cleanup() {
    if (!onX()) return;
    m_hotkeys->unregisterAll();
    xcb_ungrab_key(m_other, XCB_GRAB_ANY, m_session.root, XCB_MOD_MASK_ANY);
    free(xcb_get_input_focus_reply(m_other, xcb_get_input_focus(m_other), nullptr));
    m_keyboard->setNumLock(false);
    setCapsLock(false);
}

quint8 TestX11GlobalHotkeys::keycodeOf(quint32 sym) const {
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_other);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, sym);
    const quint8 code = codes ? codes[0] : 0;
    free(codes);
    xcb_key_symbols_free(symbols);
    return code;
}

void TestX11GlobalHotkeys::grabFromOtherClient(quint8 keycode, quint16 modifiers, bool* refused) {
    const xcb_void_cookie_t cookie = xcb_grab_key_checked(m_other, 0, m_session.root, modifiers, keycode,
                                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_generic_error_t* error = xcb_request_check(m_other, cookie);
    *refused = error != nullptr;
    free(error);
}

bool TestX11GlobalHotkeys::capsLockOn() const {
    std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
        xcb_query_pointer_reply(m_other, xcb_query_pointer(m_other, m_session.root), nullptr), &std::free);
    return pointer && (pointer->mask & XCB_MOD_MASK_LOCK);
}

void TestX11GlobalHotkeys::setCapsLock(bool on) {
    if (capsLockOn() == on) return;
    const quint8 capsLock = keycodeOf(XK_Caps_Lock);
    xcb_test_fake_input(m_other, XCB_KEY_PRESS, capsLock, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(m_other, XCB_KEY_RELEASE, capsLock, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(m_other);
    QTRY_COMPARE_WITH_TIMEOUT(capsLockOn(), on, kTimeout);
}

// Events are written "P<keycode>/<state in hex>@<time>" (press), "R<keycode>@<time>" (release) and
// "S" (the event loop settles); `swallowed` has one 1 or 0 for each press and release.
void TestX11GlobalHotkeys::matcher_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<QList<int>>("fired");
    QTest::addColumn<QString>("swallowed");

    // Keycode 87 is keypad 1 (id 1) and 86 keypad + (id 10), with Ctrl; 36 is Return, with
    // Ctrl+Alt (id 21). Ctrl is 04, Shift 01, CapsLock 02, Alt (Mod1) 08, NumLock (Mod2) 10.
    QTest::newRow("press and release with Ctrl") << "P87/04@1 R87@2 S" << QList<int>{1} << "11";
    QTest::newRow("NumLock and CapsLock on") << "P87/16@1 R87@2 S" << QList<int>{1} << "11";
    QTest::newRow("pointer button held") << "P87/104@1 R87@2 S" << QList<int>{1} << "11";
    QTest::newRow("Shift as well is another key") << "P87/05@1 R87@2 S" << QList<int>{} << "00";
    QTest::newRow("without Ctrl") << "P87/10@1 R87@2 S" << QList<int>{} << "00";
    QTest::newRow("Ctrl+Alt") << "P36/0c@1 R36@2 S" << QList<int>{21} << "11";
    QTest::newRow("Ctrl+Alt hotkey with Ctrl alone") << "P36/04@1 R36@2 S" << QList<int>{} << "00";
    QTest::newRow("release without a press") << "R87@1 S" << QList<int>{} << "0";
    QTest::newRow("repeat as release+press pairs")
        << "P87/14@1 R87@5 P87/14@5 R87@9 P87/14@9 R87@12 S" << QList<int>{1} << "111111";
    QTest::newRow("repeat as presses only")
        << "P87/04@1 P87/04@2 P87/04@3 R87@4 S" << QList<int>{1} << "1111";
    QTest::newRow("repeat goes on after Ctrl is let go")
        << "P87/04@1 R87@5 P87/00@5 R87@6 S" << QList<int>{1} << "1111";
    QTest::newRow("two taps") << "P87/04@1 R87@2 S P87/04@3 R87@4 S" << QList<int>{1, 1} << "1111";
    QTest::newRow("second tap read with the first")
        << "P87/04@1 R87@2 P87/04@3 R87@4 S" << QList<int>{1, 1} << "1111";
    QTest::newRow("next hotkey read with the release")
        << "P87/04@1 R87@2 P86/04@2 R86@3 S" << QList<int>{1, 10} << "1111";
    QTest::newRow("other key typed meanwhile")
        << "P87/04@1 P38/04@2 R38@3 R87@4 S" << QList<int>{1} << "1001";
    QTest::newRow("settle without a release") << "P87/04@1 S S" << QList<int>{} << "1";
}

void TestX11GlobalHotkeys::matcher() {
    QFETCH(QString, events);
    QFETCH(QList<int>, fired);
    QFETCH(QString, swallowed);

    X11HotkeyMatcher m;
    m.setIgnoredModifiers(0x02 | 0x10);
    m.add(87, 0x04, 1);
    m.add(86, 0x04, 10);
    m.add(36, 0x0c, 21);

    QList<int> firedNow;
    QString swallowedNow;
    const QStringList tokens = events.split(' ');
    for (const QString& token : tokens) {
        if (token == "S") {
            if (const auto id = m.settle()) firedNow << *id;
            continue;
        }
        const qsizetype slash = token.indexOf('/'), at = token.indexOf('@');
        const auto keycode = quint8(token.mid(1, (slash > 0 ? slash : at) - 1).toUInt());
        const quint32 time = token.mid(at + 1).toUInt();
        const X11HotkeyMatcher::Outcome out =
            token[0] == 'P'
                ? m.press(keycode, quint16(token.mid(slash + 1, at - slash - 1).toUInt(nullptr, 16)), time)
                : m.release(keycode, time);
        if (out.fired) firedNow << *out.fired;
        swallowedNow += out.swallow ? '1' : '0';
    }
    QCOMPARE(firedNow, fired);
    QCOMPARE(swallowedNow, swallowed);
}

void TestX11GlobalHotkeys::unavailableWithoutX() {
    X11GlobalHotkeys hotkeys;
    X11KeyboardState keyboard;
    QVERIFY(!hotkeys.isAvailable());
    QVERIFY(!keyboard.isAvailable());
    QCOMPARE(hotkeys.registerAll(calculatorHotkeys()), calculatorHotkeys());
    keyboard.setNumLock(true);
    QVERIFY(!keyboard.numLockOn());
    keyboard.sendCopyToFocusedWindow();
    hotkeys.unregisterAll();
}

void TestX11GlobalHotkeys::hotkeyFires_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("ownWindow");
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<bool>("capsLock");
    QTest::addColumn<QList<int>>("fired");

    // Keys of the keypad are sent by their NumLock-off names: xdotool toggles NumLock to type KP_1.
    QTest::newRow("keypad 1, NumLock off") << "ctrl+KP_End" << false << false << false << QList<int>{1};
    QTest::newRow("keypad 1, NumLock on") << "ctrl+KP_End" << false << true << false << QList<int>{1};
    QTest::newRow("keypad 1, both locks on") << "ctrl+KP_End" << false << true << true << QList<int>{1};
    QTest::newRow("keypad 1, own window in front")
        << "ctrl+KP_End" << true << false << false << QList<int>{1};
    QTest::newRow("keypad 0") << "ctrl+KP_Insert" << false << false << false << QList<int>{0};
    QTest::newRow("keypad +") << "ctrl+KP_Add" << false << false << false << QList<int>{10};
    QTest::newRow("keypad -") << "ctrl+KP_Subtract" << true << false << false << QList<int>{11};
    QTest::newRow("keypad decimal point") << "ctrl+KP_Delete" << false << false << false << QList<int>{14};
    QTest::newRow("Enter") << "ctrl+Return" << false << false << false << QList<int>{20};
    QTest::newRow("keypad Enter") << "ctrl+KP_Enter" << true << false << false << QList<int>{20};
    QTest::newRow("Ctrl+Alt+Enter") << "ctrl+alt+Return" << false << false << false << QList<int>{21};
    QTest::newRow("Ctrl+Shift+C") << "ctrl+shift+c" << false << false << true << QList<int>{30};
    QTest::newRow("Delete") << "ctrl+Delete" << false << false << false << QList<int>{40};
    QTest::newRow("Backspace") << "ctrl+BackSpace" << true << false << false << QList<int>{41};
    QTest::newRow("Insert") << "ctrl+Insert" << false << false << false << QList<int>{42};
    QTest::newRow("keypad 1 without Ctrl") << "KP_End" << false << false << false << QList<int>{};
    QTest::newRow("keypad 1 with Ctrl+Shift")
        << "ctrl+shift+KP_End" << false << false << false << QList<int>{};
    QTest::newRow("main keyboard 1") << "ctrl+1" << false << false << false << QList<int>{};
    QTest::newRow("Ctrl+C") << "ctrl+c" << false << false << false << QList<int>{};
}

void TestX11GlobalHotkeys::hotkeyFires() {
    QFETCH(QString, keys);
    QFETCH(bool, ownWindow);
    QFETCH(bool, numLock);
    QFETCH(bool, capsLock);
    QFETCH(QList<int>, fired);

    QCOMPARE(m_hotkeys->registerAll(calculatorHotkeys()), Hotkeys{});
    if (!ownWindow) QVERIFY(focus(m_foreignWindow));
    m_keyboard->setNumLock(numLock);
    setCapsLock(capsLock);
    QCOMPARE(m_keyboard->numLockOn(), numLock);

    QSignalSpy spy(m_hotkeys.get(), &GlobalHotkeys::activated);
    QVERIFY(sendKeys(keys));
    QVERIFY(sendKeys("ctrl+KP_Down"));
    QTRY_COMPARE_WITH_TIMEOUT(spy.size(), fired.size() + 1, kTimeout);
    QList<int> firedNow;
    for (const QList<QVariant>& args : std::as_const(spy))
        firedNow << args.at(0).toInt();
    QCOMPARE(firedNow, fired + QList<int>{kMarker});
    if (ownWindow) QCOMPARE(m_editKeys.presses, 0); // taken keys never reach the window
    QCOMPARE(m_keyboard->numLockOn(), numLock);
}

void TestX11GlobalHotkeys::heldKeyFiresOnce() {
    QCOMPARE(m_hotkeys->registerAll({ctrl(1, keysym::keypadDigit(1)), ctrl(kMarker, keysym::keypadDigit(2))}),
             Hotkeys{});
    PressCounter counter;
    counter.keycode = keycodeOf(XK_KP_End);
    qApp->installNativeEventFilter(&counter);
    QSignalSpy spy(m_hotkeys.get(), &GlobalHotkeys::activated);

    // Longer than the server's repeat delay (660 ms), so the key repeats.
    const bool sent = xdotool({"keydown", "ctrl+KP_End", "sleep", "0.9", "keyup", "KP_End", "keyup", "ctrl"});
    const bool marked = sendKeys("ctrl+KP_Down");
    QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 2, kTimeout);
    qApp->removeNativeEventFilter(&counter);
    QVERIFY(sent && marked);
    QVERIFY2(counter.presses > 2, "the key did not repeat");
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(1).at(0).toInt(), kMarker);
}

// Taps sent straight through XTest, one at a time; also tells how long a hotkey takes to arrive.
void TestX11GlobalHotkeys::rapidTapsEachFire() {
    QCOMPARE(m_hotkeys->registerAll({ctrl(1, keysym::keypadDigit(1))}), Hotkeys{});
    QVERIFY(focus(m_foreignWindow));
    const quint8 control = keycodeOf(XK_Control_L), key = keycodeOf(XK_KP_End);
    QSignalSpy spy(m_hotkeys.get(), &GlobalHotkeys::activated);
    QList<qint64> latencies;
    constexpr int kTaps = 20;
    for (int i = 0; i < kTaps; ++i) {
        QElapsedTimer timer;
        timer.start();
        const std::pair<quint8, quint8> tap[] = {{XCB_KEY_PRESS, control},
                                                 {XCB_KEY_PRESS, key},
                                                 {XCB_KEY_RELEASE, key},
                                                 {XCB_KEY_RELEASE, control}};
        for (const auto& [type, code] : tap)
            xcb_test_fake_input(m_other, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(m_other);
        QVERIFY(spy.wait(kTimeout));
        QCOMPARE(spy.size(), i + 1);
        latencies << timer.nsecsElapsed() / 1000;
    }
    std::sort(latencies.begin(), latencies.end());
    qInfo("key to activated(): median %lld us, slowest %lld us", latencies[kTaps / 2], latencies.last());
    for (const QList<QVariant>& args : std::as_const(spy))
        QCOMPARE(args.at(0).toInt(), 1);
}

void TestX11GlobalHotkeys::refusals_data() {
    QTest::addColumn<Hotkeys>("request");
    QTest::addColumn<QList<quint16>>("takenByOther"); // modifier sets grabbed on keypad 2 beforehand
    QTest::addColumn<QList<int>>("refused");

    const quint16 numLock = onX() ? x11::modifierMask(m_other, XK_Num_Lock) : quint16(XCB_MOD_MASK_2);
    const quint16 control = XCB_MOD_MASK_CONTROL, lock = XCB_MOD_MASK_LOCK;
    const Hotkeys keypad{ctrl(1, keysym::keypadDigit(1)), ctrl(2, keysym::keypadDigit(2)),
                         ctrl(3, keysym::keypadDigit(3))};

    QTest::newRow("all free") << keypad << QList<quint16>{} << QList<int>{};
    QTest::newRow("taken in every lock state")
        << keypad
        << QList<quint16>{control, quint16(control | lock), quint16(control | numLock),
                          quint16(control | lock | numLock)}
        << QList<int>{2};
    QTest::newRow("taken with Ctrl alone") << keypad << QList<quint16>{control} << QList<int>{2};
    QTest::newRow("taken with NumLock on")
        << keypad << QList<quint16>{quint16(control | numLock)} << QList<int>{2};
    QTest::newRow("taken with other modifiers")
        << keypad << QList<quint16>{quint16(control | XCB_MOD_MASK_SHIFT), 0} << QList<int>{};
    QTest::newRow("no key makes the keysym")
        << Hotkeys{ctrl(1, keysym::keypadDigit(1)), ctrl(7, 0x0100263a)} << QList<quint16>{} << QList<int>{7};
    QTest::newRow("one key named twice, one id")
        << Hotkeys{ctrl(1, keysym::keypadDigit(1)), ctrl(1, XK_KP_End)} << QList<quint16>{} << QList<int>{};
    QTest::newRow("one key named twice, two ids")
        << Hotkeys{ctrl(1, keysym::keypadDigit(1)), ctrl(8, XK_KP_End)} << QList<quint16>{} << QList<int>{8};
    QTest::newRow("both names of a taken key")
        << Hotkeys{ctrl(2, keysym::keypadDigit(2)), ctrl(2, XK_KP_Down), ctrl(3, keysym::keypadDigit(3))}
        << QList<quint16>{control} << QList<int>{2, 2};
}

void TestX11GlobalHotkeys::refusals() {
    QFETCH(Hotkeys, request);
    QFETCH(QList<quint16>, takenByOther);
    QFETCH(QList<int>, refused);

    const quint8 keypad2 = keycodeOf(XK_KP_Down);
    for (const quint16 modifiers : takenByOther) {
        bool failed = true;
        grabFromOtherClient(keypad2, modifiers, &failed);
        QVERIFY(!failed);
    }
    QCOMPARE(ids(m_hotkeys->registerAll(request)), refused);

    // A refused key is not held in part: the other program can take every lock state of it.
    const quint16 numLock = x11::modifierMask(m_other, XK_Num_Lock);
    if (!takenByOther.isEmpty() && refused.contains(2)) {
        for (const quint16 locks : lockStates(numLock)) {
            bool failed = true;
            grabFromOtherClient(keypad2, quint16(XCB_MOD_MASK_CONTROL | locks), &failed);
            QVERIFY2(!failed, qPrintable(QString("Ctrl|%1 still held").arg(locks, 0, 16)));
        }
    }
    // Whatever was accepted fires.
    QSignalSpy spy(m_hotkeys.get(), &GlobalHotkeys::activated);
    QVERIFY(focus(m_foreignWindow));
    if (ids(request).contains(1) && !refused.contains(1)) {
        QVERIFY(sendKeys("ctrl+KP_End"));
        QVERIFY(spy.wait(kTimeout));
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
    }
}

void TestX11GlobalHotkeys::unregisterAllGivesKeysBack() {
    QCOMPARE(m_hotkeys->registerAll(calculatorHotkeys()), Hotkeys{});
    QSignalSpy spy(m_hotkeys.get(), &GlobalHotkeys::activated);
    QVERIFY(sendKeys("ctrl+KP_End"));
    QVERIFY(spy.wait(kTimeout));
    QCOMPARE(m_editKeys.presses, 0);

    m_hotkeys->unregisterAll();
    QVERIFY(sendKeys("ctrl+KP_End"));
    QTRY_VERIFY_WITH_TIMEOUT(m_editKeys.presses > 0, kTimeout);
    QCOMPARE(spy.size(), 1);
    // ...and another program may now take every grab this one held.
    const quint16 numLock = x11::modifierMask(m_other, XK_Num_Lock);
    for (const quint32 sym :
         {quint32(XK_KP_End), quint32(XK_KP_Add), quint32(XK_Return), quint32(XK_space)}) {
        for (const quint16 locks : lockStates(numLock)) {
            bool failed = true;
            grabFromOtherClient(keycodeOf(sym), quint16(XCB_MOD_MASK_CONTROL | locks), &failed);
            QVERIFY(!failed);
        }
    }
}

void TestX11GlobalHotkeys::numLockFollowsSetNumLock_data() {
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("typed"); // by keypad 1 into the focused line edit
    QTest::newRow("on") << true << "1";
    QTest::newRow("off") << false << "";
}

void TestX11GlobalHotkeys::numLockFollowsSetNumLock() {
    QFETCH(bool, on);
    QFETCH(QString, typed);
    m_keyboard->setNumLock(!on);
    QCOMPARE(m_keyboard->numLockOn(), !on);
    m_keyboard->setNumLock(on);
    QCOMPARE(m_keyboard->numLockOn(), on);

    QVERIFY(xdotool({"key", "KP_End"}));
    QTRY_VERIFY_WITH_TIMEOUT(m_editKeys.presses == 1, kTimeout);
    QCOMPARE(m_edit->text(), typed);
}

void TestX11GlobalHotkeys::copyReachesFocusedWindow_data() {
    QTest::addColumn<QStringList>("held"); // keys still down when the copy is sent
    QTest::addColumn<bool>("hotkeyHeld");  // Ctrl+Insert registered as a hotkey and held
    QTest::newRow("nothing held") << QStringList{} << false;
    QTest::newRow("Alt held") << QStringList{"alt"} << false;
    QTest::newRow("the hotkey still held") << QStringList{"ctrl+Insert"} << true;
}

void TestX11GlobalHotkeys::copyReachesFocusedWindow() {
    QFETCH(QStringList, held);
    QFETCH(bool, hotkeyHeld);

    if (hotkeyHeld) QCOMPARE(m_hotkeys->registerAll({ctrl(42, keysym::Insert)}), Hotkeys{});
    QSignalSpy spy(m_hotkeys.get(), &GlobalHotkeys::activated);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    m_edit->setText(QStringLiteral("1.234,56"));
    m_edit->selectAll();
    for (const QString& keys : held)
        QVERIFY(xdotool({"keydown", keys}));

    m_keyboard->sendCopyToFocusedWindow();
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("1.234,56"), kTimeout);
    if (hotkeyHeld) {
        QTRY_COMPARE_WITH_TIMEOUT(spy.size(), 1, kTimeout); // letting the key go completes the hotkey
        QCOMPARE(spy.at(0).at(0).toInt(), 42);
    }
}

QTEST_MAIN(TestX11GlobalHotkeys)
#include "tst_x11globalhotkeys.moc"
