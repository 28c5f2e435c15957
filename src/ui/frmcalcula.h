#pragma once
// The calculator window: display, counter, running total, keypad and the tape beside them.
// It owns no arithmetic: keys and buttons become calls on the Engine, and the labels mirror the
// engine's texts after every change. Controls carry their design names as object names
// (`lblVisor(0)`, `txtFita`, `chkNum(7)`, `mnuEnter`) so tests drive it like a person.

#include "core/engine.h"
#include "settings/settingsstore.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QAbstractButton;
class QTimer;
class QVBoxLayout;
class GlobalHotkeys;
class KeyboardState;
class Printer;

// The desktop services the window itself uses (the engine has its own).
struct WindowServices {
    Printer* printer = nullptr;
    GlobalHotkeys* hotkeys = nullptr;
    KeyboardState* keyboard = nullptr;
};

class frmCalcula : public QMainWindow {
    Q_OBJECT
public:
    // Full: the primary calculator. Compact ("mini"): display only, without the options,
    // configuration and help menus. Auxiliary: the second calculator of F6, "Calculadora [Aux]".
    enum class Mode { Full, Compact, Auxiliary };

    explicit frmCalcula(EngineEnvironment env, QWidget* parent = nullptr);
    ~frmCalcula() override;

    void setServices(const WindowServices& services);
    // Restores options, position, size and language from the settings (none: the designed state),
    // then the tape and the calculation in progress from the tape state file.
    void load(Mode mode, SettingsStore* settings);
    // Keeps the tape and the calculation in progress in the tape state file.
    void saveState();
    QString stateFilePath() const;
    Mode mode() const { return m_mode; }
    // Whether closing the window leaves the program in the tray.
    bool staysInTray() const;

    Engine& engine() { return *m_engine; }
    QAction* action(const QString& objectName) const { return m_actions.value(objectName); }

    void chooseLanguage(int language);
    void TraduzirMenus(bool initial);

signals:
    // The window was closed and has saved what it keeps; the tray window decides what follows.
    void closed();
    void firstActivation();
    void languageChanged(int language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildDisplay(QWidget* parent);
    void buildKeypad(QWidget* parent);
    void buildMenus();
    QAction* addAction(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key = {},
                       bool checkable = false);
    QAbstractButton* addButton(const QString& name, const QString& caption, int row, int column, int rowSpan = 1,
                               int columnSpan = 1);
    void refresh();
    void onTapeEdited(const QString& removed, const QString& added);
    void onTapeReset(const QString& text);
    void selectTape(qsizetype start, qsizetype length);
    int toWidgetPosition(qsizetype tapePosition) const;
    qsizetype toTapePosition(int widgetPosition) const;
    void showPressed(const QString& objectName);
    void releaseButtons();
    void focusEntry();
    bool handleKeyDown(QKeyEvent* event);
    void setEnterAddsLook(bool on);
    void reenterAt(const QPoint& pos);
    void leaveEditMode();
    void saveSettings();
    void openAnotherCalculator();
    void openDesktopCalculator();
    void copyDisplay();
    void pasteIntoDisplay();
    void setLargeFont(bool on);
    void fitText(QLabel* visor);
    void toggleStartWithSession();
    void setAlwaysOnTop(bool on);
    void showHelp();
    void showAbout();
    void saveTape();
    void printTape(int sizeIndex);
    void printOnRoll();
    void pressButton(const QString& name);
    void setHotkeys(bool on);
    void registerHotkeys();
    void keepTitleBarReachable();
    void onHotkey(int id);
    void takeSelection();
    void updateTitle();
    void onFirstActivation();

    std::unique_ptr<Engine> m_engine;
    QLabel* m_visor[3] = {};
    QLabel* m_total = nullptr;
    QLineEdit* m_entry = nullptr;
    QGroupBox* m_keypad = nullptr;
    QVBoxLayout* m_operatorColumn = nullptr;
    QPlainTextEdit* m_tape = nullptr;
    QHash<QString, QAbstractButton*> m_buttons;
    QHash<QString, QAction*> m_actions;
    QList<QAbstractButton*> m_pressed;
    QTimer* m_releaseTimer = nullptr;
    QFont m_displayFont;
    bool m_displayNegative = false;
    bool m_timeDisplayNegative = false;
    bool m_memoryNegative = false;
    int m_tapeWidgetLength = 0;
    SettingsStore* m_settings = nullptr;
    WindowServices m_services;
    Mode m_mode = Mode::Full;
    bool m_loading = false;
    bool m_activated = false;
    QPointer<QWidget> m_manual;
    QDate m_closedOn; // set while the window is closed to the tray
    bool m_hotkeysUnavailableSaid = false;
};
