#pragma once
// The tape's ways out of the calculator, besides the state file (tapestate.h) and the backup on
// clear (the engine's): saved as a text file, printed on the system printer, printed line by line on
// a roll printer at a parallel or serial port, and the display copied to / pasted from the
// clipboard. Each menu command is one function; the window only hands over its dialogs, printer and
// settings, so every path can be run by a test without a person.

#include "core/filenotices.h"
#include "core/numberpattern.h"
#include "platform/atomicfile.h"
#include "platform/context.h"
#include "settings/options.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Clipboard;
class Dialogs;
class Engine;
class FileNotices;
class Printer;

namespace TapeOutput {

// --- save in a text file ------------------------------------------------------------------------

// The file holds the tape and one more CR LF, in UTF-8 (the system's own encoding).
QByteArray savedTapeBytes(const QString& tape);
// Replaces the file atomically, in a folder that must exist.
FileWriteResult saveTapeFile(const QString& path, const QString& tape);

struct SaveDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    QString filter;
    QString defaultSuffix;
    friend bool operator==(const SaveDialogRequest&, const SaveDialogRequest&) = default;
};
// Where the save dialog starts before anything was saved: the documents folder, else home.
QString defaultSaveFolder();
// The dialog for the settings "UltimoArq" (file) and "UltimoPath" (folder) as stored; an empty
// folder means the default one.
SaveDialogRequest saveDialogRequest(const QString& lastFile, const QString& lastFolder, int language);

// --- roll printer -------------------------------------------------------------------------------

// The tape and one more CR LF, with "×" and "÷" as "*" and "/": roll printers have neither.
QString rollPrinterText(const QString& tape);
// The answer of the port question in capitals when it names a known port (LPT1, LPT2, COM1..COM4).
std::optional<QString> normalizePort(const QString& answer);
bool isComPort(const QString& port);
// The device file of a port: LPT1 /dev/lp0, LPT2 /dev/lp1, COM1..COM4 /dev/ttyS0..3, unless
// `overrideFor(port)` (the settings section "Portas") gives a non-empty path.
QString portDevice(const QString& port, const std::function<QString(const QString&)>& overrideFor = {});
// The question between two blocks of lines on a serial port: Portuguese or, otherwise, English.
QString pauseText(int language);

// Sends text to a port line by line. Each line goes out without its CR LF and is ended with CR LF,
// which a roll printer in text mode needs to both return the carriage and feed the paper (with LF
// alone many print in a staircase). Text is sent in ISO-8859-1, the roll printers' character set;
// what it lacks becomes "?". The event loop runs between lines, so the window repaints while a slow
// printer takes its time.
//
// A serial printer has a small buffer and no flow control worth trusting, so after every 25 lines,
// when more follow, the port is closed and the user is asked to wait for the printer: OK reopens the
// port and goes on, Cancel stops there.
class RollPrinter {
  public:
    static constexpr int LinesPerPause = 25;
    // Opens a port's device for writing; null when it cannot be opened.
    using OpenPort = std::function<std::unique_ptr<QIODevice>(const QString& device)>;
    // The device file itself, unbuffered; a regular file standing in for a port is appended to, so
    // it keeps what earlier blocks wrote.
    static std::unique_ptr<QIODevice> openDevice(const QString& device);

    enum class Result { Printed, Cancelled, PortFailed };

    RollPrinter(Dialogs& dialogs, const Messages* messages, OpenPort open = openDevice);
    // `text` as made by rollPrinterText(); `port` decides about the pauses, `device` is opened.
    Result print(const QString& port, const QString& device, const QString& text);

    // The lines of a text ended by CR LF; the empty rest after the last CR LF is not a line.
    static QStringList lines(const QString& text);

  private:
    Dialogs& m_dialogs;
    const Messages* m_messages;
    OpenPort m_open;
};

// --- the menu commands --------------------------------------------------------------------------

enum class Outcome {
    Done,
    Cancelled, // the user stopped it in a dialog
    Refused,   // an answer was not valid (message 30 was shown)
    Failed,    // the file, printer or port did not work
};

// mnuSalvar: the save dialog, then the file. The options' last file and folder follow the chosen
// path once the file is written (the caller stores them); a file that cannot be written is told
// (message 241, with the system's reason) and leaves them as they were, so the next dialog offers
// the place that worked.
Outcome saveTape(const Context& context, FileNotices& notices, Options& options, const QString& tape);
// mnuImprimir(index): index 0, 1, 2 print at 8, 10, 12 points in "Courier New" (or the fixed-width
// font standing in for it); message 16 when sent, message 17 when the printer fails.
Outcome printTape(const Context& context, const QString& tape, int sizeIndex);
// mnuMatricial: asks the port (message 176, the options' port as the default), refuses an unknown
// one with message 30, keeps the valid one in the options, prints, and ends with message 16; message
// 17 when the port cannot be opened or written. A cancelled pause ends without a message.
// `deviceOf` may name the device of a port; `open` opens it (the device file itself when empty).
Outcome printOnRoll(const Context& context, Options& options, const QString& tape,
                    const std::function<QString(const QString&)>& deviceOf = {},
                    RollPrinter::OpenPort open = {});

// mnuCopiar: the display as shown (the time display in time mode) goes to the clipboard.
void copyDisplay(Engine& engine, Clipboard& clipboard);
// mnuColar: the entry a clipboard text becomes, in the entry's own plain form (no group
// separators, "-" for a negative), or nullopt when the text is not a number.
std::optional<QString> pastedEntry(const QString& clipboardText, const Separators& separators);

} // namespace TapeOutput
