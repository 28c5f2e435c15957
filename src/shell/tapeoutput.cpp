#include "shell/tapeoutput.h"

#include "core/decimal.h"
#include "core/engine.h"
#include "core/filenotices.h"
#include "core/tape.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "i18n/messagecatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace TapeOutput {

namespace {

const QString Conf = QStringLiteral("Conf");

QString setting(const Environment& env, const QString& section, const QString& key, const QString& fallback) {
    return env.readSetting ? env.readSetting(section, key, fallback) : fallback;
}

void storeSetting(const Environment& env, const QString& key, const QString& value) {
    if (env.writeSetting) env.writeSetting(Conf, key, value);
}

void show(const Environment& env, int number, Dialogs::Icon icon) {
    if (env.dialogs) env.dialogs->message(fMensagem(number), env.windowTitle, icon);
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

RollPrinter::RollPrinter(Dialogs& dialogs, QString title, OpenPort open)
    : m_dialogs(dialogs), m_title(std::move(title)), m_open(open ? std::move(open) : OpenPort(openDevice)) {}

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
            const auto answer = m_dialogs.message(pauseText(currentLanguage()), m_title,
                                                  Dialogs::Icon::Information, Dialogs::Buttons::OkCancel);
            if (answer != Dialogs::Answer::Ok) return Result::Cancelled;
            out = m_open(device);
            if (!out) return Result::PortFailed;
        }
    }
    return Result::Printed;
}

// --- the menu commands --------------------------------------------------------------------------

Outcome saveTape(const Environment& env, const QString& tape) {
    if (env.keySound) env.keySound();
    if (!env.dialogs) return Outcome::Cancelled;
    const SaveDialogRequest request =
        saveDialogRequest(setting(env, Conf, QStringLiteral("UltimoArq"), QStringLiteral("Tabulora.txt")),
                          setting(env, Conf, QStringLiteral("UltimoPath"), QString()), currentLanguage());
    const QString path = env.dialogs->saveFileName(request.title, request.directory, request.fileName,
                                                   request.filter, request.defaultSuffix);
    if (path.isEmpty()) return Outcome::Cancelled;
    FileNotices direct(env.dialogs, env.windowTitle);
    if (!(env.notices ? *env.notices : direct).saved(path, saveTapeFile(path, tape))) return Outcome::Failed;
    storeSetting(env, QStringLiteral("UltimoArq"), path);
    storeSetting(env, QStringLiteral("UltimoPath"), QFileInfo(path).absolutePath());
    return Outcome::Done;
}

Outcome printTape(const Environment& env, const QString& tape, int sizeIndex) {
    static constexpr int Sizes[] = {8, 10, 12};
    if (env.keySound) env.keySound();
    const int size = Sizes[qBound(0, sizeIndex, 2)];
    const bool sent =
        env.printer && env.printer->printText(tape + TapeLine::CrLf, QStringLiteral("Courier New"), size,
                                              QStringLiteral("Tabulora"));
    if (!sent) {
        show(env, 17, Dialogs::Icon::Critical);
        return Outcome::Failed;
    }
    show(env, 16, Dialogs::Icon::Information);
    return Outcome::Done;
}

Outcome printOnRoll(const Environment& env, const QString& tape) {
    if (env.keySound) env.keySound();
    if (!env.dialogs) return Outcome::Cancelled;
    const QString stored = setting(env, Conf, QStringLiteral("Porta"), QStringLiteral("LPT1"));
    // An input box cancelled answers "" as well, which is no port either: the command ends the same way.
    const std::optional<QString> port =
        normalizePort(env.dialogs->input(fMensagem(176), env.windowTitle, stored));
    if (!port) {
        show(env, 30, Dialogs::Icon::Critical);
        return Outcome::Refused;
    }
    storeSetting(env, QStringLiteral("Porta"), *port);
    const QString device = portDevice(*port, [&env](const QString& name) {
        return setting(env, QStringLiteral("Portas"), name, QString());
    });
    RollPrinter printer(*env.dialogs, env.windowTitle, env.openPort);
    switch (printer.print(*port, device, rollPrinterText(tape))) {
    case RollPrinter::Result::Printed:
        show(env, 16, Dialogs::Icon::Information);
        return Outcome::Done;
    case RollPrinter::Result::Cancelled:
        return Outcome::Cancelled;
    case RollPrinter::Result::PortFailed:
        break;
    }
    show(env, 17, Dialogs::Icon::Critical);
    return Outcome::Failed;
}

void copyDisplay(Engine& engine, Clipboard& clipboard) {
    const QString text = engine.shownDisplay();
    clipboard.setText(text);
    engine.setLastClipboardText(text);
}

std::optional<QString> pastedEntry(const QString& clipboardText, const Separators& separators) {
    const std::optional<Decimal> value = Decimal::parse(clipboardText, separators.decimal, separators.group);
    if (!value) return std::nullopt;
    return value->toString(separators.decimal);
}

} // namespace TapeOutput
