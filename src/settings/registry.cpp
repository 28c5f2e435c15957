#include "settings/registry.h"

#include "settings/configdir.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <cmath>
#include <limits>
#include <optional>

namespace {

QString rootGroup(int root) {
    switch (root) {
    case registry::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case registry::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case registry::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    default:
        return {};
    }
}

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
        else if (valueName && c == QLatin1Char('@'))
            out += QLatin1String("%40");
        else
            out += c;
    }
    return out;
}

QString settingsKey(const QString& keyPath, const QString& valueName) {
    QStringList steps;
    for (const QString& step : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        steps.append(escapeStep(step, false));
    steps.append(valueName.isEmpty() ? QStringLiteral("@") : escapeStep(valueName, true));
    return steps.join(QLatin1Char('/'));
}

// The stored spelling of `key` in the current group, matched without regard to case.
std::optional<QString> findKey(const QSettings& settings, const QString& key) {
    if (settings.contains(key)) return key;
    for (const QString& existing : settings.allKeys())
        if (existing.compare(key, Qt::CaseInsensitive) == 0) return existing;
    return std::nullopt;
}

std::optional<qint32> toNumber(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const qint32 whole = t.toInt(&ok);
    if (ok) return whole;
    const double number = QLocale().toDouble(t, &ok);
    if (!ok || !std::isfinite(number)) return std::nullopt;
    const double rounded = std::nearbyint(number); // the default rounding mode: half to even
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(rounded);
}

} // namespace

QString registry::filePath() {
    return tabuloraConfigDir() + QStringLiteral("/registry.ini");
}

QString LerRegistro(const QString& keyPath, const QString& valueName, int root) {
    const QString group = rootGroup(root);
    if (group.isEmpty()) return {};
    QSettings settings(registry::filePath(), QSettings::IniFormat);
    settings.beginGroup(group);
    const std::optional<QString> key = findKey(settings, settingsKey(keyPath, valueName));
    if (!key) return {};
    const QVariant value = settings.value(*key);
    const QString text = value.typeId() == QMetaType::QStringList
                             ? value.toStringList().join(QLatin1Char(','))
                             : value.toString();
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

void GravarRegistro(const QString& keyPath, const QString& valueName, const QString& valueText, int root,
                    int kind) {
    const QString group = rootGroup(root);
    if (group.isEmpty() || valueText.contains(QLatin1String("A:\\"))) return;
    QString stored = valueText;
    if (kind != registry::String) {
        const std::optional<qint32> number = toNumber(valueText);
        if (!number) return;
        stored = QString::number(*number);
    }
    QSettings settings(registry::filePath(), QSettings::IniFormat);
    settings.beginGroup(group);
    const QString key = settingsKey(keyPath, valueName);
    settings.setValue(findKey(settings, key).value_or(key), stored);
    settings.endGroup();
    settings.sync();
}

void ApagarRegistro(const QString& keyPath, const QString& valueName, int root) {
    const QString group = rootGroup(root);
    if (group.isEmpty()) return;
    QSettings settings(registry::filePath(), QSettings::IniFormat);
    settings.beginGroup(group);
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
