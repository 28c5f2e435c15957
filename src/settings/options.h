#pragma once
// The user's choices, typed: what the menus check and section "Conf" of the settings keeps. One
// table names the key, the default and the member of every option, so that reading, writing and the
// defaults of a fresh user come from one place.
//
// Nothing is written at first start: a key never written reads as its default. A stored text that
// cannot be converted (or a number out of its range) is skipped, and the option keeps its default,
// the state the program is designed with.

#include <QString>

class SettingsStore;

enum class Option {
    Format,           // Formato: index of the number format, 0 to 10
    ColourScheme,     // Cor: 1 to 4
    EnterAdds,        // CalcEnter
    LargeFont,        // Letrona
    InsertText,       // InserirTexto
    StayInTray,       // mnuSystray
    ClipboardMonitor, // Monitor
    KeypadHidden,     // Oculte
    Hotkeys,          // HotKey
    OfficeMenus,      // MenuXP
    KeySound,         // Sons: 1 none, 2 beep, 3 musical
    Instrument,       // Instrumento: 0 to 127
    AlwaysOnTop,      // Visivel
    Backup,           // Backup
    NumLockAlways,    // NumLock
    Language,         // Idioma: 0 (the system decides) to 4
    Protection,       // Segur
    RollPrinterPort,  // Porta
    LastSavedFile,    // UltimoArq
    LastSavedFolder,  // UltimoPath ("" until a tape is saved)
    PrintDevice,      // ImpDispo
};

struct Options {
    int format = 2;
    int colourScheme = 1;
    bool enterAdds = false;
    bool largeFont = true;
    bool insertText = false;
    bool stayInTray = true;
    bool clipboardMonitor = false;
    bool keypadHidden = false;
    bool hotkeys = true;
    bool officeMenus = true;
    int keySound = 1;
    int instrument = 0;
    bool alwaysOnTop = true;
    bool backup = true;
    bool numLockAlways = false;
    int language = 0;
    bool protection = false;
    QString rollPrinterPort = QStringLiteral("LPT1");
    QString lastSavedFile = QStringLiteral("Tabulora.txt");
    QString lastSavedFolder;
    QString printDevice;

    friend bool operator==(const Options&, const Options&) = default;
};

// The key of an option in section "Conf".
QString optionKey(Option option);

// Every option as stored, each on its own: what cannot be read keeps its default.
Options readOptions(const SettingsStore& store);
// An option's value as stored: Booleans as "True"/"False", numbers in decimal.
QString optionText(const Options& options, Option option);
void writeOption(SettingsStore& store, const Options& options, Option option);
