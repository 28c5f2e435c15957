#pragma once
// Where the user's configuration lives: $XDG_CONFIG_HOME, or ~/.config when it is unset or not an
// absolute path (the base-directory rules say such a value must be ignored). Read on every call, so
// tests that point XDG_CONFIG_HOME at a temporary folder take effect immediately.

#include <QString>

QString configHome();
// configHome() + "/Tabulora": the settings file and the emulated registry.
QString tabuloraConfigDir();
