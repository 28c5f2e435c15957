#include "settings/registry.h"

#include "settings/configdir.h"

#include <QSettings>
#include <QStringList>
#include <optional>

namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER");

// QSettings takes both '/' and '\' as group separators. In the registry only '\' separates keys and
// '/' is an ordinary character, so '/' (and '%', the escape itself) are escaped in each step.
QString escapeStep(const QString& step, bool valueName) {
    QString out;
    out.reserve(step.size());
    for (const QChar c : step) {
        if (c == QLatin1Char('%'))
            out += QLatin1String("%25");
        else if (c == QLatin1Char('/'))
            out += QLatin1String("%2F");
        else if (valueName && c == QLatin1Char('\\'))
            out += QLatin1String("%5C");
        else
            out += c;
    }
    return out;
}

QString settingsKey(const QString& keyPath, const QString& valueName) {
    QStringList steps;
    for (const QString& step : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        steps.append(escapeStep(step, false));
    steps.append(escapeStep(valueName, true));
    return steps.join(QLatin1Char('/'));
}

// The stored spelling of `key` in the current group, matched without regard to case.
std::optional<QString> findKey(const QSettings& settings, const QString& key) {
    if (settings.contains(key)) return key;
    for (const QString& existing : settings.allKeys())
        if (existing.compare(key, Qt::CaseInsensitive) == 0) return existing;
    return std::nullopt;
}

} // namespace

namespace registry {

QString filePath() {
    return tabuloraConfigDir() + QStringLiteral("/registry.ini");
}

QString read(const QString& keyPath, const QString& valueName) {
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.beginGroup(Root);
    const std::optional<QString> key = findKey(settings, settingsKey(keyPath, valueName));
    return key ? settings.value(*key).toString() : QString();
}

void writeNumber(const QString& keyPath, const QString& valueName, qint32 value) {
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.beginGroup(Root);
    const QString key = settingsKey(keyPath, valueName);
    settings.setValue(findKey(settings, key).value_or(key), QString::number(value));
    settings.endGroup();
    settings.sync();
}

void remove(const QString& keyPath, const QString& valueName) {
    QSettings settings(filePath(), QSettings::IniFormat);
    settings.beginGroup(Root);
    const std::optional<QString> key = findKey(settings, settingsKey(keyPath, valueName));
    if (!key) return;
    // QSettings::remove also drops everything below the key, which here would be the values of a
    // sub-key that happens to share the value's name; put those back.
    const QString below = *key + QLatin1Char('/');
    QList<QPair<QString, QVariant>> kept;
    for (const QString& other : settings.allKeys())
        if (other.startsWith(below)) kept.append({other, settings.value(other)});
    settings.remove(*key);
    for (const auto& [other, value] : kept)
        settings.setValue(other, value);
    settings.endGroup();
    settings.sync();
}

} // namespace registry
