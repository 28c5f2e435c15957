#pragma once
// Section "Conf" of the settings and the keys of the main window's measures (the options have their
// table in settings/options.h).

namespace conf {

inline constexpr const char* Section = "Conf";
// MiniHeight and CalcHeight are probed with this default to tell "never written" from a stored
// height: a stored measure is never "s".
inline constexpr const char* NeverWritten = "s";

inline constexpr const char* MiniHeight = "MiniHeight";
inline constexpr const char* CalcHeight = "CalcHeight";
inline constexpr const char* CalcTop = "CalcTop";
inline constexpr const char* CalcLeft = "CalcLeft";

} // namespace conf
