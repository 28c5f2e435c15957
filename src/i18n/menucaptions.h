#pragma once
// The captions of the main window's and the tray window's menus in each language, as data the
// windows apply by object name. Both windows are designed with the Portuguese captions, so the
// start in Portuguese applies nothing; these lists serve every later switch, back to Portuguese
// included. Indexed entries are named as "mnuNumeral(3)".

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

struct MenuCaption {
    QString objectName;
    std::optional<QString> caption; // unset: the entry keeps the caption it has
    std::optional<bool> visible;    // unset: the entry's visibility is not decided here
};

// Every entry of the main window that a language switch touches: the catalogue entries, "&" and
// the save message for mnuSalvar, the fixed-decimal formats written with the run's decimal
// separator ("0,0" .. "0,00000000"), the fixed captions, and the four tools that exist only in
// Portuguese (cheque, promissory note, amount in words, converter), hidden in other languages.
QList<MenuCaption> mainMenuCaptions(int language, QChar sepDecimal);

// The tray menu: the show entry with the global hotkey as its parameter, the alarm and shutdown
// entries without their leading blank (that blank belongs to the input boxes' titles).
QList<MenuCaption> trayMenuCaptions(int language);

// The language entries of the main window: "mnuPortuguese" for 1 .. "mnuFrench" for 4, and back.
// Unknown input gives "" and 0.
QString languageMenuName(int language);
int languageOfMenu(const QString& objectName);
