#pragma once
// Between the adding machine and its window: the controller owns the engine and the user's
// options, loads and saves them with their start-up and first-run rules, keeps the tape in its state
// file, runs the commands of the command table (menus, keypad, hotkeys, command words) and asks the
// user only through the context's dialogs. The window binds its widgets to it and holds no rule of
// its own; everything here runs without a display.

#include "core/engine.h"
#include "core/tapefind.h"
#include "platform/dialogs.h"
#include "settings/options.h"
#include "settings/windowgeometry.h"
#include "shell/commandtable.h"
#include "shell/keysound.h"
#include "shell/keysoundchoice.h"

#include <QDate>
#include <QObject>
#include <QRect>
#include <QSize>
#include <functional>

class SettingsStore;
class QTimer;

class CalculatorController : public QObject {
    Q_OBJECT
  public:
    // `store` may be null: the designed state, nothing read or written.
    CalculatorController(Context& context, SettingsStore* store, WindowMode mode, QObject* parent = nullptr);
    ~CalculatorController() override;

    Engine& engine() { return m_engine; }
    const Engine& engine() const { return m_engine; }
    const Options& options() const { return m_options; }
    const Context& context() const { return m_context; }
    WindowMode mode() const { return m_mode; }
    int language() const;

    // --- the life of the window ------------------------------------------------------------------
    // Restores the options, the hotkeys and the tape with its calculation in progress.
    void load();
    // Where the window opens, in twips, on a screen of `screen` twips for a window `width` twips wide:
    // its stored height, and its stored place unless that puts it off the screen.
    WindowMeasures placement(const QSize& screen, int width) const;
    // The first time the window is active: the command word is acted on, the first-run rules run,
    // and what the files had to say is told.
    void firstActivation(double heightTwips);
    // Shown again from the tray: the hotkeys come back, and a new day starts a tape kept overnight.
    void windowShown();
    // Closing: editing and time mode end, the tape and the settings are written, the hotkeys go.
    void windowClosing(const WindowMeasures& measures);
    void setMinimized(bool minimized);
    bool isMinimized() const { return m_minimized; }
    // The window's frame on the screen, in pixels (the second calculator opens beside it).
    void setWindowFrame(const QRect& frame) { m_frame = frame; }
    // The edited tape text, while the tape is being edited (the window's widget holds it).
    void setEditedTextSource(std::function<QString()> source) { m_editedText = std::move(source); }
    // Whether closing the window leaves the program in the tray.
    bool staysInTray() const { return m_mode == WindowMode::Full && m_options.stayInTray; }
    QString windowTitle() const;
    // The program is ending: events still queued do nothing.
    void setShuttingDown(bool on);

    // --- commands ----------------------------------------------------------------------------------
    void run(CommandId id);
    bool isChecked(CommandId id) const;
    bool isEnabled(CommandId id) const;
    bool isVisible(CommandId id) const;
    // Runs the command of a start's command word ("tempo"); false for a word that is none.
    bool runWord(const QString& word);
    // A key was let go in the window: NumLock is switched back on when it must stay on.
    void keyReleased();
    // Where the user put the caret in the tape (find goes on from there).
    void setTapeCaret(qsizetype position) { m_finder.setCaret(position); }
    // Whether the tray's utilities stand in the menu (the primary's calculator only).
    void setUtilitiesAvailable(bool available) { m_utilitiesAvailable = available; }
    bool utilitiesAvailable() const { return m_utilitiesAvailable; }
    // Whether text of the tape is selected: a copy made then comes from the tape itself.
    void setTapeSelected(bool selected) { m_tapeSelected = selected; }

    // What the commands of the table do.
    void openAnotherCalculator();
    void openDesktopCalculator();
    void toggleTimeMode() { m_engine.setTimeMode(!m_engine.timeMode()); }
    void copyDisplay();
    void pasteIntoDisplay();
    void toggleClipboardMonitor();
    void sendEmail();
    // A right click on the display: the display is copied, and true when the paste window can type
    // it into another program. Where it cannot (no X11), the user is told once.
    bool copyForPasteWindow();
    void toggleEditMode();
    void find();
    void saveTape();
    void showBackup();
    void printTape(int sizeIndex);
    void printOnRoll();
    void setBackup(bool on);
    void setKeypadHidden(bool on);
    void setLargeFont(bool on);
    void toggleStartWithSession();
    bool startsWithSession() const;
    void setStayInTray(bool on);
    void setNumLockAlways(bool on);
    void setAlwaysOnTop(bool on);
    void setHotkeys(bool on);
    void setInsertText(bool on);
    void chooseFormat(int index);
    void chooseLanguage(int language);
    void setEnterAdds(bool on);
    void showHelp();
    void showAbout();
    void press(Button button);
    void hotkeyEnter();
    void hotkeyAltEnter();
    void takeSelection();
    void toggleMinimized() { emit minimizeToggleRequested(); }
    // A side tool's window is to be opened (or brought forward).
    void openTool(CommandId id) { emit toolRequested(id); }
    // The settings store of the run (null: nothing is kept), for the tools' own sections.
    SettingsStore* store() const { return m_store; }
    // The printer of cheques and promissory notes ("ImpDispo"; "" is the default printer).
    void setPrintDevice(const QString& name);

    // Key sounds, colour schemes and the menus' style.
    const KeySound& keySound() const { return m_keySound; }
    void chooseKeySound(KeySound::Mode mode);
    // A key went down in the window (`keypad`: on the numeric keypad), or up.
    void soundKeyDown(int qtKey, bool keypad);
    void soundKeyUp();
    void windowDeactivated();
    void chooseColourScheme(int scheme);
    void toggleOfficeMenus();
    // The menus are drawn in the Office-XP style: chosen at load, for the first full calculator.
    bool officeMenusDrawn() const { return m_officeMenusDrawn; }

  signals:
    // Checked and enabled states of the commands may have changed.
    void commandsChanged();
    // The language changed: captions, the title and Qt's own texts follow.
    void languageChanged(int language);
    // The keypad, the display's font or staying on top changed.
    void appearanceChanged();
    void titleChanged();
    void closeRequested();
    void minimizeToggleRequested();
    void manualRequested();
    void toolRequested(CommandId id);
    // A colour scheme is to be put on the window (its parts the scheme leaves unchanged stay).
    void colourSchemeChosen(int scheme);
    // Select this range of the tape (a found text) and give it the focus.
    void tapeSelection(qsizetype start, qsizetype length);
    void tapeFocusRequested();
    void entryFocusRequested();

  private:
    void writeOption(Option option);
    // A message of the catalogue in a box with no title (nothing where the run has no dialogs).
    void tell(int number, Dialogs::Icon icon, const QString& parameter = QString()) const;
    void registerHotkeys();
    void saveState();
    QString today() const;
    void onHotkey(int id);
    void finishTakingSelection(const QString& before, int waitedMs);
    void playKeySound();
    void onClipboardChanged();

    Context& m_context;
    SettingsStore* m_store;
    WindowMode m_mode;
    Options m_options;
    Engine m_engine;
    TapeFinder m_finder;
    std::function<QString()> m_editedText;
    QRect m_frame;
    QDate m_closedOn; // set while the window is closed to the tray
    QString m_startWord;
    KeySound m_keySound;
    KeySoundChoice m_soundChoice;
    bool m_soundReleased = false; // the output was closed with the window
    bool m_officeMenusDrawn = false;
    bool m_loading = false;
    bool m_minimized = false;
    bool m_visible = false;
    bool m_hotkeysUnavailableSaid = false;
    bool m_tapeSelected = false;
    bool m_utilitiesAvailable = false;
    bool m_pasteUnavailableSaid = false;
    // While Ctrl+Insert waits for the program in front to copy, later hotkeys wait their turn.
    bool m_takingSelection = false;
    QList<int> m_waitingHotkeys;
};
