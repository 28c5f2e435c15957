#include "shell/colourschemes.h"

namespace {

constexpr SchemeColour U = SchemeColour::unchanged();
constexpr SchemeColour rgb(std::uint32_t c) {
    return SchemeColour::rgbOf(c);
}

// clang-format off
constexpr ColourScheme kSchemes[] = {
    // window        keypad                      tape             operators        hover            display
    {rgb(0xE0E0E0), SchemeColour::buttonFace(), rgb(0xFFFFFF), rgb(0xC0C0C0), rgb(0xC0C0C0), rgb(0xC0FFFF)}, // standard
    {U,             U,                          rgb(0xFFC080), U,              U,              rgb(0xFFE0C0)}, // brown
    {rgb(0xFFFF00), rgb(0xC0FFC0),              rgb(0xC0FFC0), rgb(0x80FFFF), rgb(0x80FFFF), rgb(0x80FF80)}, // green
    {rgb(0xFFC0FF), rgb(0xFF80FF),              rgb(0xFFFFC0), rgb(0xFFC080), rgb(0xFFE0C0), rgb(0xFFFFFF)}, // pink
};
// clang-format on

} // namespace

const ColourScheme& ColourSchemes::scheme(int number) {
    return kSchemes[number >= First && number <= Last ? number - First : 0];
}
