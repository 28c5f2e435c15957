#pragma once
// Global hotkeys as passive key grabs on the root window of the X display that Qt uses.

#include "platform/globalhotkeys.h"
#include "platform/x11/x11hotkeymatcher.h"

#include <QAbstractNativeEventFilter>
#include <QList>

struct xcb_connection_t;

class X11GlobalHotkeys : public GlobalHotkeys, private QAbstractNativeEventFilter {
    Q_OBJECT
  public:
    explicit X11GlobalHotkeys(QObject* parent = nullptr);
    ~X11GlobalHotkeys() override;

    bool isAvailable() const override { return m_connection != nullptr; }
    QList<Hotkey> registerAll(const QList<Hotkey>& hotkeys) override;
    void unregisterAll() override;

  private:
    struct Grab {
        quint8 keycode;
        quint16 modifiers;
        friend bool operator==(const Grab&, const Grab&) = default;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // `kept` are grabs already held that may stay as they are.
    QList<Hotkey> grabKeys(const QList<Hotkey>& hotkeys, const QList<Grab>& kept = {});
    void ungrabKeys();
    void holdKeyboard();
    void releaseKeyboard();
    void followKeymap();
    void deliver();

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    quint8 m_xkbEvent = 0;   // the XKB extension's event code, 0 without it
    QList<Hotkey> m_hotkeys; // as registered, grabbed again when the keyboard layout changes
    QList<Grab> m_grabs;     // every modifier variant held, for ungrabbing
    X11HotkeyMatcher m_matcher;
    QList<int> m_ready; // fired, waiting for the event loop
    bool m_deliveryQueued = false;
    bool m_keymapChangeQueued = false;
};
