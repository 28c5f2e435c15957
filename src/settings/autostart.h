#pragma once
// Starting with the session ("Iniciar com o Windows"): the XDG autostart entry
// $XDG_CONFIG_HOME/autostart/tabulora.desktop, which starts the program quietly in the tray. The
// file exists exactly while the option is on.

#include <QString>

namespace autostart {

QString filePath();
// The entry's Exec line: the quoted program path, then the command word, as in
// Exec="/usr/bin/tabulora" systray. Characters the Exec rules reserve are escaped. The Start-menu
// entry uses it too, without a word.
QString execLine(const QString& programPath, const QString& word = QStringLiteral("systray"));
// A value of a desktop entry with the entry's own escapes (backslash, line breaks, tabs).
QString escapeValue(const QString& value);
// True when the entry is there with a non-empty Exec and is not hidden.
bool isEnabled();
// Failures (no writable folder) are silent, as the option's menu check is the user's feedback.
void enable(const QString& programPath);
void disable();

} // namespace autostart
