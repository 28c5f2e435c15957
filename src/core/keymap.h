#pragma once
// The calculator's keyboard: what a key pressed in the main window does before any control sees it.

#include "core/keypad.h"

#include <QStringView>
#include <Qt>
#include <optional>

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
    std::optional<Button> button; // the button shown pressed, if any
    friend bool operator==(const Action&, const Action&) = default;
};

// A key pressed in the calculator window: its Qt key, modifiers and text.
Action keyDown(int key, Qt::KeyboardModifiers modifiers, QStringView text, bool enterAdds);

} // namespace KeyMap
