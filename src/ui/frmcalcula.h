#pragma once
// The calculator window: display, counter, running total, keypad and the tape beside them. It binds
// its controls to the CalculatorController: menus, keypad and their captions come from the command
// table, keys and clicks become commands, and the labels mirror the engine after every change.
// Controls carry their design names as object names (`lblVisor(0)`, `txtFita`, `chkNum(7)`,
// `mnuEnter`) so tests drive it like a person.

#include "shell/calculatorcontroller.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <optional>

class Keypad;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class TapeView;

class frmCalcula : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmCalcula(CalculatorController& controller, QWidget* parent = nullptr);
    ~frmCalcula() override;

    // Restores the options, the place and the size, then the tape and the calculation in progress.
    void load();

    CalculatorController& controller() { return m_controller; }
    Engine& engine() { return m_controller.engine(); }
    QAction* action(const QString& objectName) const { return m_actions.value(objectName); }
    // The tray window lends its utilities menu, which then stands in this window's menu as mnuUtil.
    void setUtilitiesMenu(QMenu* menu);

  signals:
    // The window was closed and has saved what it keeps; the tray window decides what follows.
    void closed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildDisplay(QWidget* parent);
    void buildMenus();
    void refresh();
    void refreshCommands();
    void translate();
    void applyAppearance();
    void applyColourScheme(int number);
    void drawOfficeMenus();
    void focusEntry();
    bool handleKeyDown(QKeyEvent* event);
    void fitText(QLabel* visor);
    void keepTitleBarReachable();
    void fitWidth();
    void toggleMinimized();
    void showManual();
    void openTool(CommandId id);
    void openPasteWindow();
    WindowMeasures measures() const;

    CalculatorController& m_controller;
    QLabel* m_visor[3] = {};
    QLabel* m_total = nullptr;
    QLineEdit* m_entry = nullptr;
    Keypad* m_keypad = nullptr;
    TapeView* m_tape = nullptr;
    QHash<QString, QAction*> m_actions; // by object name
    QFont m_displayFont;
    QPointer<QWidget> m_manual;
    QHash<int, QPointer<QWidget>> m_tools; // by CommandId
    bool m_displayNegative = false;
    bool m_timeDisplayNegative = false;
    bool m_activated = false;
    bool m_enterAddsLook = false;
    std::optional<bool> m_largeLook;
};
