#pragma once
// The hidden window that owns the process: it decides at start whether this process is the
// primary, hands the command word to a running primary, keeps the tray icon, opens the calculator
// and ends the program when the last reason to stay is gone.

#include "shell/trayutilities.h"
#include "ui/frmcalcula.h"

#include <QWidget>
#include <memory>

class QMenu;
class QSystemTrayIcon;
class SettingsStore;

class frmSysTray : public QWidget {
    Q_OBJECT
  public:
    // `settings` may be null: the calculator then opens as designed and writes nothing.
    frmSysTray(Context& context, SettingsStore* settings, QWidget* parent = nullptr);
    ~frmSysTray() override;

    // The tray window's load. False when this process has nothing left to do (it handed its word
    // over, or closed the primary for "fechar"). It runs while the splash is up; the calculator it
    // opens is built and loaded then, and shown by showLoadedCalculator() when the splash goes.
    bool load();
    void showLoadedCalculator();
    // "Exibir Calculadora": opens the calculator, or brings it forward.
    void showCalculator();
    // "Sair" and every other road to the end: closes every window and ends the process.
    void unload();
    // The session ends or the system asks the program to stop: the same closing as "Sair", with
    // nobody left to answer a box, so what the files would have to say is not shown.
    void endFromOutside();

    frmCalcula* calculator() const { return m_calculator.get(); }
    CalculatorController* controller() const { return m_controller.get(); }
    // The primary's utilities (null in a process that is not the primary).
    TrayUtilities* utilities() const { return m_utilities.get(); }
    QMenu* trayMenu() const { return m_menu; }

  private:
    void addTrayIcon();
    void buildMenu();
    void translateMenu();
    void refreshUtilities();
    void endWhenNothingKeeps();
    void openCalculator();
    void receiveHandOver(const QString& text);
    void calculatorClosed();

    Context& m_context;
    SettingsStore* m_settings;
    std::unique_ptr<CalculatorController> m_controller;
    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_utilMenu = nullptr;
    QList<QAction*> m_alarmEntries;
    std::unique_ptr<TrayUtilities> m_utilities;
    std::unique_ptr<frmCalcula> m_calculator;
    bool m_unloading = false; // the program is ending: the windows ignore what is still queued
    bool m_showWhenReady = false;
    bool m_calculatorClosed = false; // closed by the user, as opposed to not shown yet
};
