#include "platform/qt/qtdesktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool QtDesktop::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(path));
}

bool QtDesktop::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
