#pragma once
// System-wide hotkeys: keys that reach the calculator while another program has the focus.
//
// A hotkey names a key by its X keysym. Keypad keys are matched by the physical key, so a hotkey
// made of keysym::KP_1 fires whether NumLock makes that key send "1" or "End"; CapsLock and NumLock
// never stop a hotkey from firing. keysym::KP_Decimal names the keypad's decimal key whatever the
// layout makes it type: KP_Decimal (us), KP_Separator (the comma of the Brazilian ABNT2 layout), or
// a plain period or comma beside KP_Delete. Where the display server offers no global keys (Wayland,
// the offscreen platform, no X11 at all) isAvailable() is false and nothing can be registered.

#include <QFlags>
#include <QList>
#include <QObject>

// The keysyms the calculator binds (values of <X11/keysymdef.h>, repeated here so that logic needs
// no X header).
namespace keysym {
inline constexpr quint32 KP_0 = 0xffb0; // KP_1 ... KP_9 follow in order
inline constexpr quint32 KP_Multiply = 0xffaa;
inline constexpr quint32 KP_Add = 0xffab;
inline constexpr quint32 KP_Subtract = 0xffad;
inline constexpr quint32 KP_Separator = 0xffac;
inline constexpr quint32 KP_Decimal = 0xffae;
inline constexpr quint32 KP_Divide = 0xffaf;
inline constexpr quint32 KP_Enter = 0xff8d;
inline constexpr quint32 KP_Delete = 0xff9f;
inline constexpr quint32 KP_Insert = 0xff9e;
inline constexpr quint32 Return = 0xff0d;
inline constexpr quint32 BackSpace = 0xff08;
inline constexpr quint32 Delete = 0xffff;
inline constexpr quint32 Insert = 0xff63;
inline constexpr quint32 Space = 0x0020;
inline constexpr quint32 C = 0x0063; // the letter key, lower-case keysym

constexpr quint32 keypadDigit(int digit) {
    return KP_0 + quint32(digit);
}
} // namespace keysym

class GlobalHotkeys : public QObject {
    Q_OBJECT
  public:
    enum class Modifier : quint8 { NoModifier = 0, Control = 1, Alt = 2, Shift = 4 };
    Q_DECLARE_FLAGS(Modifiers, Modifier)

    struct Hotkey {
        int id = 0;          // reported by activated(); several hotkeys may share one id
        quint32 keysym = 0;  // X keysym, see namespace keysym
        Modifiers modifiers; // exactly these must be held (besides CapsLock and NumLock)
        friend bool operator==(const Hotkey&, const Hotkey&) = default;
    };

    using QObject::QObject;

    virtual bool isAvailable() const = 0;
    // Replaces whatever was registered before by `hotkeys`. Returns the hotkeys that could not be
    // registered (taken by another program, no such key on the keyboard, or the same key and
    // modifiers already registered here under another id); those simply never fire. All of them
    // come back when isAvailable() is false.
    virtual QList<Hotkey> registerAll(const QList<Hotkey>& hotkeys) = 0;
    // Releases every hotkey: afterwards the keys reach the focused program again.
    virtual void unregisterAll() = 0;

  signals:
    // A registered hotkey was pressed, and again for each auto-repeat while it is held. Every press
    // counts, in order, however the keys overlap. Delivered from the event loop, so a receiver may
    // open dialogs or wait for other programs.
    void activated(int id);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(GlobalHotkeys::Modifiers)
