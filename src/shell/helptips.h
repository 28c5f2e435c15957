#pragma once
// The help command of the main window (F1) and the text of its about box (F11).
//
// Portuguese and Spanish users first page through a few fixed tips; everyone is then offered the
// user manual, which ships inside the program: a window of the program shows it on any machine, and
// it is written out to the data folder when the user wants the desktop's own browser for it.

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
// manual, titled `windowTitle`. True when the user asked for the manual.
bool askForManual(Dialogs& dialogs, int language, const QString& windowTitle = QStringLiteral(" Tabulora"));

// Writes the manual to the data folder and opens it with the desktop's browser. A failure shows
// message 8 with the path of the manual when it could be written. True when the browser started.
bool openManualInBrowser(Dialogs& dialogs, Desktop& desktop, const QString& dataDir, int language,
                         const QString& windowTitle = QStringLiteral(" Tabulora"));

// The resource the manual window shows.
inline const QString ManualPage = QStringLiteral("qrc:/manual/index.html");

// F11: the about box, in the language.
QString aboutTitle();
QString aboutText(int language);
