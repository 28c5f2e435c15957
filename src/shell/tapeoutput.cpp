#include "shell/tapeoutput.h"

#include "core/decimal.h"
#include "core/engine.h"
#include "core/filenotices.h"
#include "core/tape.h"
#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace TapeOutput {

namespace {

void show(const Context& context, int number, Dialogs::Icon icon) {
    if (context.dialogs && context.messages)
        context.dialogs->message(context.messages->text(number), QString(), icon);
}

} // namespace

// --- save in a text file ------------------------------------------------------------------------

QByteArray savedTapeBytes(const QString& tape) {
    return (tape + TapeLine::CrLf).toUtf8();
}

FileWriteResult saveTapeFile(const QString& path, const QString& tape) {
    return AtomicFile::write(path, savedTapeBytes(tape));
}

QString defaultSaveFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

SaveDialogRequest saveDialogRequest(const QString& lastFile, const QString& lastFolder, int language) {
    const QString kind =
        language == Language::English ? QStringLiteral("Text Document") : QStringLiteral("Documento Texto");
    return SaveDialogRequest{MessageCatalog::message(208, language),
                             lastFolder.isEmpty() ? defaultSaveFolder() : lastFolder, lastFile,
                             kind + QStringLiteral(" (*.txt)"), QStringLiteral("txt")};
}

// --- roll printer -------------------------------------------------------------------------------

QString rollPrinterText(const QString& tape) {
    QString text = tape + TapeLine::CrLf;
    text.replace(TapeLine::Times, QLatin1Char('*'));
    text.replace(TapeLine::Divide, QLatin1Char('/'));
    return text;
}

std::optional<QString> normalizePort(const QString& answer) {
    static const QStringList known = {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("COM1"),
                                      QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4")};
    const QString port = answer.trimmed().toUpper();
    if (!known.contains(port)) return std::nullopt;
    return port;
}

bool isComPort(const QString& port) {
    return port.startsWith(QLatin1String("COM"));
}

QString portDevice(const QString& port, const std::function<QString(const QString&)>& overrideFor) {
    if (overrideFor) {
        const QString device = overrideFor(port);
        if (!device.isEmpty()) return device;
    }
    const QChar digit = port.isEmpty() ? QChar() : port.back();
    const int n = digit.isDigit() ? digit.digitValue() - 1 : 0;
    if (isComPort(port)) return QStringLiteral("/dev/ttyS") + QString::number(n);
    return QStringLiteral("/dev/lp") + QString::number(n);
}

QString pauseText(int language) {
    return language == Language::Portuguese
               ? QStringLiteral("Aguarde o término da impressão e então pressione OK para continuar...")
               : QStringLiteral("Await the end of the print and then press OK to continue...");
}

std::unique_ptr<QIODevice> RollPrinter::openDevice(const QString& device) {
    auto file = std::make_unique<QFile>(device);
    // Append only to a regular file: a device cannot seek, and Qt warns on every open if asked to.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (QFileInfo(device).isFile()) mode |= QIODevice::Append;
    if (!file->open(mode)) return nullptr;
    return file;
}

RollPrinter::RollPrinter(Dialogs& dialogs, const Messages* messages, OpenPort open)
    : m_dialogs(dialogs), m_messages(messages), m_open(open ? std::move(open) : OpenPort(openDevice)) {}

QStringList RollPrinter::lines(const QString& text) {
    QStringList result = text.split(TapeLine::CrLf);
    if (!result.isEmpty() && result.constLast().isEmpty()) result.removeLast();
    return result;
}

RollPrinter::Result RollPrinter::print(const QString& port, const QString& device, const QString& text) {
    const QStringList all = lines(text);
    const bool pauses = isComPort(port);
    std::unique_ptr<QIODevice> out = m_open(device);
    if (!out) return Result::PortFailed;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QByteArray bytes = all.at(i).toLatin1() + "\r\n";
        if (out->write(bytes) != bytes.size()) return Result::PortFailed;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        const bool moreFollow = i + 1 < all.size();
        if (pauses && moreFollow && (i + 1) % LinesPerPause == 0) {
            out.reset(); // closes the port while the printer catches up
            const int language = m_messages ? m_messages->language() : Language::Portuguese;
            const auto answer = m_dialogs.message(pauseText(language), QString(), Dialogs::Icon::Information,
                                                  Dialogs::Buttons::OkCancel);
            if (answer != Dialogs::Answer::Ok) return Result::Cancelled;
            out = m_open(device);
            if (!out) return Result::PortFailed;
        }
    }
    return Result::Printed;
}

// --- the menu commands --------------------------------------------------------------------------

Outcome saveTape(const Context& context, FileNotices& notices, Options& options, const QString& tape) {
    if (!context.dialogs) return Outcome::Cancelled;
    const int language = context.messages ? context.messages->language() : Language::Portuguese;
    const SaveDialogRequest request =
        saveDialogRequest(options.lastSavedFile, options.lastSavedFolder, language);
    const QString path = context.dialogs->saveFileName(request.title, request.directory, request.fileName,
                                                       request.filter, request.defaultSuffix);
    if (path.isEmpty()) return Outcome::Cancelled;
    if (!notices.saved(path, saveTapeFile(path, tape))) return Outcome::Failed;
    options.lastSavedFile = path;
    options.lastSavedFolder = QFileInfo(path).absolutePath();
    return Outcome::Done;
}

Outcome printTape(const Context& context, const QString& tape, int sizeIndex) {
    static constexpr int Sizes[] = {8, 10, 12};
    const int size = Sizes[qBound(0, sizeIndex, 2)];
    const bool sent =
        context.printer && context.printer->printText(tape + TapeLine::CrLf, QStringLiteral("Courier New"),
                                                      size, QStringLiteral("Tabulora"));
    if (!sent) {
        show(context, 17, Dialogs::Icon::Critical);
        return Outcome::Failed;
    }
    show(context, 16, Dialogs::Icon::Information);
    return Outcome::Done;
}

Outcome printOnRoll(const Context& context, Options& options, const QString& tape,
                    const std::function<QString(const QString&)>& deviceOf, RollPrinter::OpenPort open) {
    if (!context.dialogs || !context.messages) return Outcome::Cancelled;
    // An input box cancelled answers "" as well, which is no port either: the command ends the same way.
    const std::optional<QString> port = normalizePort(
        context.dialogs->input(context.messages->text(176), QString(), options.rollPrinterPort));
    if (!port) {
        show(context, 30, Dialogs::Icon::Critical);
        return Outcome::Refused;
    }
    options.rollPrinterPort = *port;
    RollPrinter printer(*context.dialogs, context.messages, std::move(open));
    switch (printer.print(*port, portDevice(*port, deviceOf), rollPrinterText(tape))) {
    case RollPrinter::Result::Printed:
        show(context, 16, Dialogs::Icon::Information);
        return Outcome::Done;
    case RollPrinter::Result::Cancelled:
        return Outcome::Cancelled;
    case RollPrinter::Result::PortFailed:
        break;
    }
    show(context, 17, Dialogs::Icon::Critical);
    return Outcome::Failed;
}

void copyDisplay(Engine& engine, Clipboard& clipboard) {
    const QString text = engine.shownDisplay();
    // The clipboard monitor must not take the display back as a copy of another program.
    engine.setLastClipboardText(text);
    clipboard.setText(text);
}

std::optional<QString> pastedEntry(const QString& clipboardText, const Separators& separators) {
    const std::optional<Decimal> value = Decimal::parse(clipboardText, separators.decimal, separators.group);
    if (!value) return std::nullopt;
    return value->toString(separators.decimal);
}

} // namespace TapeOutput
