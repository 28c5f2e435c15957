// Start of the program: the command word, the facts of the run, the splash, then the tray window,
// which decides whether this process is the primary calculator.

#include "i18n/language.h"
#include "i18n/localefacts.h"
#include "i18n/messagecatalog.h"
#include "platform/context.h"
#include "platform/qt/dbusservices.h"
#include "platform/qt/localinstancechannel.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qtprinter.h"
#include "platform/unix/rtmidioutput.h"
#include "platform/unix/unixendrequests.h"
#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11keyboardstate.h"
#include "settings/settingsstore.h"
#include "shell/startup.h"
#include "ui/frmstart.h"
#include "ui/frmsystray.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

namespace {

ProgramFacts readProgramFacts() {
    ProgramFacts facts;
    facts.commandWord = Startup::commandWord(QCoreApplication::arguments());
    facts.executablePath = QCoreApplication::applicationFilePath();
    facts.dataDir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tabulora/");
    facts.locale = QLocale::system();
    const LocaleFacts locale = readLocaleFacts(facts.locale);
    facts.datePattern = locale.datePattern;
    facts.decimalSeparator = locale.decimalSeparator;
    // A group separator equal to the decimal one could not be told apart: the other mark stands in.
    facts.groupSeparator =
        locale.groupSeparator.isNull() || locale.groupSeparator == locale.decimalSeparator
            ? (locale.decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(','))
            : locale.groupSeparator;
    return facts;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulora"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The menu entry and the icon the desktop shows for its windows.
    QApplication::setDesktopFileName(QStringLiteral("org.tabulora.Tabulora"));
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/tabulora.png").arg(size));
    QApplication::setWindowIcon(icon);

    SettingsStore settings;
    Messages messages(chooseLanguage(
        settings.read(QStringLiteral("Conf"), QStringLiteral("Idioma"), QString()), systemLangId()));
    applyQtTranslations(messages.language());

    QtClipboard clipboard;
    QtDialogs dialogs;
    QtDesktop desktop;
    LocalInstanceChannel channel;
    QtPrinter printer;
    X11GlobalHotkeys hotkeys;
    X11GlobalHotkeys trayHotkeys;
    X11KeyboardState keyboard;
    LogindPower power;
    DBusNotifications notifications;
    RtMidiOutput midi;
    Context context;
    context.facts = readProgramFacts();
    context.messages = &messages;
    context.clipboard = &clipboard;
    context.dialogs = &dialogs;
    context.desktop = &desktop;
    context.printer = &printer;
    context.hotkeys = &hotkeys;
    context.trayHotkeys = &trayHotkeys;
    context.keyboard = &keyboard;
    context.midi = &midi;
    context.channel = &channel;
    context.power = &power;
    context.notifications = &notifications;

    frmSysTray tray(context, &settings);
    // The end of the session, SIGTERM and SIGHUP close the program as "Sair" does, so the tape and
    // the settings written at close are not lost.
    UnixEndRequests endRequests;
    QObject::connect(&endRequests, &EndRequests::requested, &tray, &frmSysTray::endFromOutside);

    // The splash shows for 100 ms; the tray window's load runs meanwhile, so that when the
    // splash goes the calculator only has to be shown.
    frmStart splash(messages);
    bool goesOn = false;
    QTimer::singleShot(0, &tray, [&] { goesOn = tray.load(); });
    QObject::connect(&splash, &frmStart::elapsed, &app, [&] {
        splash.close();
        if (!goesOn) {
            QApplication::quit();
            return;
        }
        if (tray.calculator()) dialogs.setParent(tray.calculator());
        tray.showLoadedCalculator();
    });
    splash.start(Startup::showsSplash(context.facts.commandWord));
    return QApplication::exec();
}
