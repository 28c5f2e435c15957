#pragma once
// The help command of the main window (F1) and the text of its about box (F11).
//
// Portuguese and Spanish users first page through a few fixed tips; everyone is then offered the
// user manual, which ships inside the program and is written out to the data folder so that the
// desktop's own browser can show it.

#include <QString>
#include <QStringList>

class Dialogs;
class Desktop;

// The tip pages of a language, each ready to show: its tips separated by blank lines, then a blank
// line and the question whether to go on. Only Portuguese (1) and Spanish (3) have pages; every
// other language gives an empty list.
QStringList helpPages(int language);

// The title of the tip pages; "" for a language without pages.
QString helpPagesTitle(int language);

// Where the manual is written below the data folder.
QString manualPath(const QString& dataDir);

// Writes the manual from the resources to manualPath(dataDir) unless the same bytes are already
// there (a manual left by an older version is replaced). Returns the path, or "" when the file
// cannot be written.
QString installManual(const QString& dataDir);

// F1: the tip pages of the language (No ends the help at once), then message 7 offering the
// manual; Yes writes the manual and opens it with the desktop's program for it, and a failure on
// the way shows message 8. Messages 7 and 8 are titled `windowTitle`.
void showHelpTips(Dialogs& dialogs, Desktop& desktop, const QString& dataDir, int language,
                  const QString& windowTitle = QStringLiteral(" Tabulora"));

// F11: the about box.
QString aboutTitle();
QString aboutText();
