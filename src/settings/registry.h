#pragma once
// The few registry values the program keeps outside its settings (the lock-down policy values of
// the tray's protection switch), emulated in $XDG_CONFIG_HOME/Tabulora/registry.ini: the group
// [HKEY_CURRENT_USER], and below it the key path with the value name as its last step, so a line
// reads like the registry path ("Software\Microsoft\...\Policies\System\NoDispCPL=1"). Key and value
// names match without regard to case, as in the registry.
//
// Every failure is silent: a read gives "", a write or a removal does nothing.

#include <QString>

namespace registry {

QString filePath();

// The value's text, or "" when it is missing. A number reads as its decimal text.
QString read(const QString& keyPath, const QString& valueName);
// A 32-bit number value.
void writeNumber(const QString& keyPath, const QString& valueName, qint32 value);
// Removes the value alone: other values of its key, and its sub-keys, stay.
void remove(const QString& keyPath, const QString& valueName);

} // namespace registry
