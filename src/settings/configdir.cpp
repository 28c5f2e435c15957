#include "settings/configdir.h"

#include <QDir>

QString configHome() {
    const QString env = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!env.isEmpty() && QDir::isAbsolutePath(env)) return QDir::cleanPath(env);
    return QDir::homePath() + QStringLiteral("/.config");
}

QString tabuloraConfigDir() {
    return configHome() + QStringLiteral("/Tabulora");
}
