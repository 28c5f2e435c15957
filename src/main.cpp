// Start of the program: the command word, the program-wide facts, the splash, then the tray
// window, which decides whether this process is the primary calculator.

#include "platform/qt/localinstancechannel.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtprinter.h"
#include "platform/unix/unixendrequests.h"
#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11keyboardstate.h"
#include "ui/frmstart.h"
#include "ui/frmsystray.h"
#include "i18n/language.h"
#include "i18n/localefacts.h"
#include "i18n/messagecatalog.h"
#include "shell/program.h"
#include "settings/settingsstore.h"
#include "shell/startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulora"));
    QApplication::setQuitOnLastWindowClosed(false);

    Program& prog = program();
    prog.LinhaComando = Startup::commandWord(QCoreApplication::arguments());
    prog.NomeExe = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    prog.CaminhoApp = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tabulora/");
    const LocaleFacts facts = readLocaleFacts(QLocale::system());
    prog.FormatoData = facts.formatoData;
    prog.SepDecimal = facts.sepDecimal;
    prog.SepMilhar = facts.sepMilhar.isNull() || facts.sepMilhar == facts.sepDecimal
                         ? (facts.sepDecimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','))
                         : facts.sepMilhar;

    SettingsStore settings;
    setCurrentLanguage(chooseLanguage(settings.read(conf::Idioma), systemLangId()));
    applyQtTranslations(currentLanguage());

    QtClipboard clipboard;
    QtDialogs dialogs;
    QtDesktop desktop;
    LocalInstanceChannel channel;
    QtPrinter printer;
    X11GlobalHotkeys hotkeys;
    X11GlobalHotkeys trayHotkeys;
    X11KeyboardState keyboard;
    frmSysTray tray({{&printer, &hotkeys, &keyboard}, &clipboard, &dialogs, &desktop, &settings, &channel, &trayHotkeys});
    // The end of the session, SIGTERM and SIGHUP close the program as "Sair" does, so the tape and
    // the settings written at close are not lost.
    UnixEndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::requested, &tray, &frmSysTray::endFromOutside);

    // The splash shows for 100 ms; the tray window's load runs meanwhile, so that when the
    // splash goes the calculator only has to be shown.
    frmStart splash;
    bool goesOn = false;
    QTimer::singleShot(0, &tray, [&] { goesOn = tray.load(); });
    QObject::connect(&splash, &frmStart::elapsed, &app, [&] {
        splash.close();
        if (!goesOn) {
            QApplication::quit();
            return;
        }
        tray.showLoadedCalculator();
        if (tray.calculator()) dialogs.setParent(tray.calculator());
    });
    splash.start(Startup::showsSplash(prog.LinhaComando));
    const int status = QApplication::exec();
    return status;
}
