#pragma once
// The calculator's keyboard: what a key pressed in the main window does before any control sees
// it, and which keypad button each system-wide hotkey stands for.

#include "platform/globalhotkeys.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <Qt>

namespace KeyMap {

enum class Op {
    Pass,           // not the calculator's: the focused control (or a menu shortcut) has it
    Character,      // a character for the engine's dispatcher (`code`)
    MemoryAdd,      // Shift+A
    MemorySubtract, // Shift+D
    MemoryRecall,   // Shift+R
    MemoryClear,    // Shift+C
    Sign,           // Shift+P
    ClearEntry,     // Delete
    Total,          // NumLock in Enter-adds mode
    Scroll,         // arrows, Page Up/Down, Home, End: they move through the tape
};

struct Action {
    Op op = Op::Pass;
    int code = 0;
    QString button; // the button shown pressed, if any
    friend bool operator==(const Action&, const Action&) = default;
};

// A key pressed in the calculator window: its Qt key, modifiers and text.
Action keyDown(int key, Qt::KeyboardModifiers modifiers, QStringView text, bool enterAdds);

// The system-wide hotkeys, one id per keypad button (several keys may share an id).
enum HotkeyId {
    HotkeyDigit0 = 0, // .. HotkeyDigit0 + 9
    HotkeyAdd = 10,
    HotkeySubtract,
    HotkeyMultiply,
    HotkeyDivide,
    HotkeySeparator,
    HotkeyClearEntry,
    HotkeyBack,
    HotkeyEquals,       // Ctrl+Enter
    HotkeySign,         // Ctrl+Alt+Enter
    HotkeyTakeSelection, // Ctrl+Insert
    HotkeyMinimize,     // Ctrl+Space
};
QList<GlobalHotkeys::Hotkey> calculatorHotkeys();

// The button whose action a hotkey performs: Ctrl+Enter adds in Enter-adds mode (as chkMais),
// Ctrl+Alt+Enter then gives the result (as chkIgual). Ctrl+Insert and Ctrl+Space name the buttons
// they are bound to (chkPercent, MC) but have actions of their own.
QString hotkeyButton(int id, bool enterAdds);

} // namespace KeyMap
