#pragma once
// The captions of the tray window's menu in each language, as data the window applies by object
// name (the calculator's own menus have theirs in the command table).

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

struct MenuCaption {
    QString objectName;
    std::optional<QString> caption; // unset: the entry keeps the caption it has
    std::optional<bool> visible;    // unset: the entry's visibility is not decided here
};

// The tray menu: the show entry with the global hotkey as its parameter, the alarm and shutdown
// entries without their leading blank (that blank belongs to the input boxes' titles).
QList<MenuCaption> trayMenuCaptions(int language);
