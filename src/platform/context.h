#pragma once
// The one context of a run: what the program knows about itself and the machine, the user's
// language, and the services of the desktop. main() makes it once; whoever needs a service or a fact
// is handed this, and tests hand it scripted fakes. A null service is one the desktop does not have.

#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>

class Clipboard;
class Desktop;
class Dialogs;
class GlobalHotkeys;
class InstanceChannel;
class KeyboardState;
class Messages;
class Notifications;
class MidiOutput;
class Printer;
class SystemPower;

// Facts set once at start.
struct ProgramFacts {
    QString dataDir;        // the data folder, with its trailing separator
    QString executablePath; // this program, started again for the second calculator
    QString datePattern = QStringLiteral("dd/mm/yyyy"); // the locale's short-date order
    QChar decimalSeparator = QLatin1Char(',');
    QChar groupSeparator = QLatin1Char('.');
    QLocale locale;                            // weekday names, numbers of the settings file
    QString instanceTag = QStringLiteral("1"); // "2" in the second calculator's process
    QString commandWord;                       // the word this process was started with
};

struct Context {
    ProgramFacts facts;
    Messages* messages = nullptr;
    Clipboard* clipboard = nullptr;
    Dialogs* dialogs = nullptr;
    Desktop* desktop = nullptr;
    Printer* printer = nullptr;
    GlobalHotkeys* hotkeys = nullptr;     // the calculator's keys while another program is in front
    GlobalHotkeys* trayHotkeys = nullptr; // Ctrl+Shift+C, which brings the calculator forward
    KeyboardState* keyboard = nullptr;
    InstanceChannel* channel = nullptr;
    SystemPower* power = nullptr;           // the scheduled shutdown
    Notifications* notifications = nullptr; // alarms while the calculator is hidden
    MidiOutput* midi = nullptr;             // the key sounds' synthesizer, and the desktop's beep
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};
