#include "platform/qt/qtdesktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool QtDesktop::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(path));
}

bool QtDesktop::startProgram(const QString& program, const QStringList& arguments,
                             const QStringList& environment) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!environment.isEmpty()) process.setEnvironment(QProcess::systemEnvironment() + environment);
    return process.startDetached();
}
