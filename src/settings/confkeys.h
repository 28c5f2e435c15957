#pragma once
// The keys of the settings section "Conf" with the defaults their readers supply. Nothing is ever
// written at first start, so these defaults are what a fresh user sees.
//
// Two keys have a default that depends on the machine and carry no default text here:
// CalcLeft (see defaultLeft() in shell/windowgeometry.h) and UltimoPath (the user's home folder,
// see defaultLastSaveFolder()).

#include <QString>
#include <QStringView>

namespace conf {

inline constexpr const char* Section = "Conf";
// MiniHeight and CalcHeight are probed with this default to tell "never written" from a stored
// height: a stored measure is never "s".
inline constexpr const char* NeverWritten = "s";

enum class Type { Boolean, Digit, Measure, Text };

struct Key {
    const char* name;
    Type type;
    const char* defaultText; // nullptr: computed by the reader
};

inline constexpr Key Formato{"Formato", Type::Digit, "2"};
inline constexpr Key Cor{"Cor", Type::Digit, "1"};
inline constexpr Key CalcEnter{"CalcEnter", Type::Boolean, "False"};
inline constexpr Key MiniHeight{"MiniHeight", Type::Measure, "1365"};
inline constexpr Key CalcHeight{"CalcHeight", Type::Measure, "7350"};
inline constexpr Key Letrona{"Letrona", Type::Boolean, "True"};
inline constexpr Key CalcTop{"CalcTop", Type::Measure, "0"};
inline constexpr Key CalcLeft{"CalcLeft", Type::Measure, nullptr};
inline constexpr Key InserirTexto{"InserirTexto", Type::Boolean, "False"};
inline constexpr Key MnuSystray{"mnuSystray", Type::Boolean, "True"};
inline constexpr Key Monitor{"Monitor", Type::Boolean, "False"};
inline constexpr Key Oculte{"Oculte", Type::Boolean, "False"};
inline constexpr Key HotKey{"HotKey", Type::Boolean, "True"};
inline constexpr Key MenuXP{"MenuXP", Type::Boolean, "True"};
inline constexpr Key Sons{"Sons", Type::Digit, "1"};
inline constexpr Key Instrumento{"Instrumento", Type::Digit, "0"};
inline constexpr Key Visivel{"Visivel", Type::Boolean, "True"};
inline constexpr Key Backup{"Backup", Type::Boolean, "True"};
inline constexpr Key NumLock{"NumLock", Type::Boolean, "False"};
inline constexpr Key Idioma{"Idioma", Type::Digit, "0"};
// The tray window reads it with the numeric default 0, which Boolean conversion takes as False.
inline constexpr Key Segur{"Segur", Type::Boolean, "0"};
inline constexpr Key Porta{"Porta", Type::Text, "LPT1"};
inline constexpr Key UltimoArq{"UltimoArq", Type::Text, "Tabulora.txt"};
inline constexpr Key UltimoPath{"UltimoPath", Type::Text, nullptr};
inline constexpr Key ImpDispo{"ImpDispo", Type::Text, ""};

inline constexpr Key All[] = {Formato,  Cor,          CalcEnter,  MiniHeight, CalcHeight, Letrona, CalcTop,
                              CalcLeft, InserirTexto, MnuSystray, Monitor,    Oculte,     HotKey,  MenuXP,
                              Sons,     Instrumento,  Visivel,    Backup,     NumLock,    Idioma,  Segur,
                              Porta,    UltimoArq,    UltimoPath, ImpDispo};

// The entry of All named `name` (exact case), or nullptr.
const Key* find(QStringView name);

// Folder offered by the save dialog before any tape file was saved.
QString defaultLastSaveFolder();

} // namespace conf
