#pragma once
// The keys of the calculator's keypad, as the engine reports them shown pressed and as the key map
// and the hotkeys name them. The window gives each one its control (`chkNum(7)`, `chkMais`, ...).

enum class Button {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Separator,      // chkVirgula
    Back,           // chkBack
    ClearEntry,     // chkCE
    Sign,           // chkNeg
    Add,            // chkMais
    Subtract,       // chkMenos
    Multiply,       // chkVezes
    Divide,         // chkDividir
    Percent,        // chkPercent
    Equals,         // chkIgual
    MemoryClear,    // MC
    MemoryRecall,   // MR
    MemorySubtract, // Mmenos
    MemoryAdd,      // Mmais
};

inline constexpr Button digitButton(int digit) {
    return Button(int(Button::Digit0) + digit);
}
inline constexpr int buttonDigit(Button b) {
    return int(b) - int(Button::Digit0);
}
inline constexpr bool isDigit(Button b) {
    return int(b) <= int(Button::Digit9);
}
