#pragma once
// The four colour schemes of the calculator window: one column per scheme, one colour per part of
// the window. A part a scheme leaves unchanged keeps whatever the previous scheme gave it, so
// switching from green to brown recolours only the tape and the display.

#include <cstdint>

struct SchemeColour {
    enum class Kind { Unchanged, ButtonFace, Rgb };
    Kind kind = Kind::Unchanged;
    std::uint32_t rgb = 0; // 0xRRGGBB when kind is Rgb

    static constexpr SchemeColour unchanged() { return {}; }
    // The system's button face: the keypad as the desktop draws buttons.
    static constexpr SchemeColour buttonFace() { return {Kind::ButtonFace, 0}; }
    static constexpr SchemeColour rgbOf(std::uint32_t rgb) { return {Kind::Rgb, rgb}; }
};

struct ColourScheme {
    SchemeColour window;        // the window's background
    SchemeColour keypad;        // the keypad frame `fraTeclado`
    SchemeColour tape;          // `txtFita`'s background
    SchemeColour operators;     // `chkDividir`, `chkVezes`, `chkMenos`, `chkMais`
    SchemeColour operatorHover; // the same keys under the mouse
    SchemeColour display;       // the `lblVisor` labels' background
};

namespace ColourSchemes {

constexpr int First = 1;
constexpr int Last = 4;
// Schemes First to Last; any other number gives the first.
const ColourScheme& scheme(int number);

} // namespace ColourSchemes
