#include "settings/settingsstore.h"

#include "settings/configdir.h"

#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString settingsKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

// Measures are singles; out-of-range doubles saturate instead of overflowing the conversion.
float toSingle(double value) {
    return float(std::clamp(value, double(std::numeric_limits<float>::lowest()),
                            double(std::numeric_limits<float>::max())));
}

} // namespace

std::optional<bool> toBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    // Old files and hand edits hold numbers ("0", "-1", "1,0"); which separator they use is unknown.
    for (const QLocale& locale : {QLocale::c(), QLocale()}) {
        bool ok = false;
        const double number = locale.toDouble(t, &ok);
        if (ok && std::isfinite(number)) return number != 0.0;
    }
    return std::nullopt;
}

QString fromBool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<double> toMeasure(const QString& text, const QLocale& locale) {
    bool ok = false;
    const float value = locale.toFloat(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return double(value);
}

QString fromMeasure(double twips, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    const float single = toSingle(twips);
    // Seven significant digits is all a single holds; more would print float noise ("7350,1001").
    return plain.toString(single == 0.0f ? 0.0 : double(single), 'g', 7);
}

SettingsStore::SettingsStore() : SettingsStore(defaultFilePath()) {}

SettingsStore::SettingsStore(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFilePath() {
    return tabuloraConfigDir() + QStringLiteral("/Tabulora.ini");
}

QString SettingsStore::filePath() const {
    return m_settings->fileName();
}

std::optional<QString> SettingsStore::lookup(const QString& section, const QString& key) const {
    // Reloads the file when its size or time changed, so the other calculator's writes are seen.
    m_settings->sync();
    const QVariant value = m_settings->value(settingsKey(section, key));
    if (!value.isValid()) return std::nullopt;
    // What we write is always quoted when it holds a comma; an unquoted comma comes from a hand edit
    // (often a measure like 7350,5) and QSettings splits it into a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString SettingsStore::read(const QString& section, const QString& key, const QString& defaultValue) const {
    return lookup(section, key).value_or(defaultValue);
}

void SettingsStore::write(const QString& section, const QString& key, const QString& text) {
    m_settings->setValue(settingsKey(section, key), text);
    m_settings->sync();
}

void SettingsStore::write(const QString& section, const QList<std::pair<QString, QString>>& keysAndTexts) {
    for (const auto& [key, text] : keysAndTexts)
        m_settings->setValue(settingsKey(section, key), text);
    m_settings->sync();
}

std::optional<double> SettingsStore::readMeasure(const QString& section, const QString& key,
                                                 double defaultTwips, const QLocale& locale) const {
    const std::optional<QString> text = lookup(section, key);
    if (!text) return double(toSingle(defaultTwips));
    return toMeasure(*text, locale);
}

void SettingsStore::writeMeasure(const QString& section, const QString& key, double twips,
                                 const QLocale& locale) {
    write(section, key, fromMeasure(twips, locale));
}
