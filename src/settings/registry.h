#pragma once
// The few registry values the program keeps outside its settings (the lock-down policy values),
// emulated in $XDG_CONFIG_HOME/Tabulora/registry.ini: one INI group per root, and below it the
// key path with the value name as its last step, so a line reads like the registry path
// ("Software\Microsoft\...\Policies\System\NoDispCPL=1"). Key and value names match without regard
// to case, as in the registry. The empty value name (a key's default value) is written "@".
//
// Every failure is silent: a read gives "", a write or delete does nothing.

#include <QString>

namespace registry {
// The root selector digits of the routines below.
enum Root { LocalMachine = 6, CurrentUser = 7, ClassesRoot = 8 };
enum Kind { Number = 0, String = 1 };

QString filePath();
} // namespace registry

// The value's text up to its first NUL, or "" when the value is missing or the root is unknown.
// A number value reads as its decimal text.
QString LerRegistro(const QString& keyPath, const QString& valueName, int root);
// Kind 1 stores the text as a string; any other kind a 32-bit number converted from the text (a
// whole number, or a number of the user's locale rounded half to even); text that does not convert
// writes nothing. Text containing "A:\" is never written: a path on a floppy would not be there at
// the next start.
void GravarRegistro(const QString& keyPath, const QString& valueName, const QString& valueText, int root,
                    int kind = registry::Number);
void ApagarRegistro(const QString& keyPath, const QString& valueName, int root);
