#pragma once
// Every command of the calculator window in one table: its control's object name, where it stands
// (menu bar, a menu, the keypad, or a system-wide hotkey only), its caption in every language, its
// shortcut, its hotkeys, the command word that runs it at start, and what it does, when it can run
// and whether it is checked. The window builds its menus, keypad and hotkeys from these rows, the
// controller runs them, and a new tool adds rows rather than code in four places.

#include "core/keypad.h"
#include "platform/globalhotkeys.h"

#include <QChar>
#include <QKeyCombination>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class CalculatorController;

enum class CommandId {
    None,
    // The menus themselves.
    MenuOptions,
    MenuTape,
    MenuSettings,
    MenuHelp,
    MenuUtilities,
    MenuFormat,
    MenuColours,
    MenuSounds,
    MenuLanguage,
    MenuEnterKey,
    // Opções
    AnotherCalculator,
    DesktopCalculator,
    DateCalculator,
    IdealWeight,
    TimeMode,
    Installments,
    RuleOfThree,
    CopyDisplay,
    PasteDisplay,
    AmountInWords,
    Cheque,
    PromissoryNote,
    UnitConverter,
    Undo,
    Redo,
    // Lista dos Cálculos (Fita)
    EditTape,
    Find,
    ClearTape,
    GroupReports,
    SaveTape,
    BackupOnClear,
    ShowBackup,
    PrintSmall,
    PrintMedium,
    PrintLarge,
    RollPrinter,
    // Configurações
    HideKeypad,
    LargeFont,
    StartWithSession,
    StayInTray,
    NumLockAlways,
    ClipboardMonitor,
    AlwaysOnTop,
    Hotkeys,
    InsertText,
    Format0,
    Format1,
    Format2,
    Format3,
    Format4,
    Format5,
    Format6,
    Format7,
    Format8,
    Format9,
    Format10,
    Colour1,
    Colour2,
    Colour3,
    Colour4,
    SoundNone,
    SoundBeep,
    SoundMusical,
    Portuguese,
    English,
    Spanish,
    French,
    EnterAdds,
    EnterEquals,
    OfficeMenus,
    // ?
    Help,
    About,
    Email,
    // The keypad, in the order of Button.
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Separator,
    Back,
    ClearEntry,
    Sign,
    Add,
    Subtract,
    Multiply,
    Divide,
    Percent,
    Equals,
    MemoryClear,
    MemoryRecall,
    MemorySubtract,
    MemoryAdd,
    // Reached through a hotkey only.
    HotkeyEnter,    // Ctrl+Enter: the result, or adds in Enter-adds mode
    HotkeyAltEnter, // Ctrl+Alt+Enter: the sign, or the result in Enter-adds mode
    TakeSelection,  // Ctrl+Insert: the value selected in the program in front is added
    MinimizeToggle, // Ctrl+Space
};

// The keypad's commands follow Button one for one.
static_assert(int(CommandId::MemoryAdd) - int(CommandId::Digit0) == int(Button::MemoryAdd) &&
              int(CommandId::Separator) - int(CommandId::Digit0) == int(Button::Separator));

enum class CommandKind {
    Menu,      // a menu of the menu bar (no parent) or a submenu
    Entry,     // a menu entry
    Check,     // a menu entry with a check mark
    Radio,     // one of the exclusive entries of its menu
    Separator, // a rule between entries
    Button,    // a keypad button
    Hotkey,    // a system-wide hotkey with no control of its own
};

struct Command {
    CommandId id = CommandId::None;
    CommandKind kind = CommandKind::Entry;
    QString objectName;                   // the control's name ("mnuSalvar", "chkMais"); "" for a rule
    CommandId parent = CommandId::None;   // the menu it stands in
    int caption = 0;                      // message number of its caption in every language
    QString fixedCaption;                 // the caption when it has no message (Portuguese, when `english`)
    QString englishCaption;               // the caption of every language but Portuguese, if only two exist
    bool portugueseOnly = false;          // shown in the Portuguese menus only
    QKeyCombination shortcut;             // none: no shortcut
    QList<GlobalHotkeys::Hotkey> hotkeys; // their ids are set to int(id)
    QString word;                         // the command word ("tempo") that runs it at start
    std::optional<Button> button;         // the keypad button it is, or that a hotkey acts as
    std::function<void(CalculatorController&)> run;           // none: not in this program yet
    std::function<bool(const CalculatorController&)> checked; // Check and Radio entries
    std::function<bool(const CalculatorController&)> enabled; // none: enabled when it runs
};

namespace CommandTable {

// The rows in the order of the menus and the keypad.
const QList<Command>& all();
const Command& find(CommandId id);
const Command* findByWord(const QString& word);

// The caption of a row in a language; the fixed-decimal formats are written with `decimal`.
QString caption(const Command& command, int language, QChar decimal);
// The control of a keypad button.
const Command& forButton(Button button);
// Every hotkey of the table, each with the id of its row.
QList<GlobalHotkeys::Hotkey> hotkeys();

} // namespace CommandTable
