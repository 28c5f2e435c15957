#include "core/frmcalcula.h"
#include "platform/qt/qtclipboard.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtdialogs.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulora"));

    QtClipboard clipboard;
    QtDialogs dialogs;
    QtDesktop desktop;
    const QLocale locale = QLocale::system();

    EngineEnvironment env;
    env.clipboard = &clipboard;
    env.dialogs = &dialogs;
    env.desktop = &desktop;
    env.locale = locale;
    env.separators = {locale.decimalPoint().at(0), locale.groupSeparator().isEmpty() ? QChar(' ') : locale.groupSeparator().at(0)};
    env.dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tabulora/");

    frmCalcula window(env);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
