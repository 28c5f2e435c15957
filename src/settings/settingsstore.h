#pragma once
// The per-user settings store: an INI file whose groups are the sections ("Conf", "Cheque", ...)
// and whose keys are the key names. Every value is text; readers convert it and supply a default on
// every read, so a key that was never written reads as its default and nothing is written at first
// start.
//
// Two calculators of one user share the file and the last writer wins: every write reaches the disk
// before write() returns (merged key by key with what is on disk, so the other calculator's keys
// survive), and every read first picks up what another process may have written since.

#include <QList>
#include <QLocale>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

class QSettings;

// Boolean conversion of a stored text: "True"/"False" in any case, or a number (0 is false, any
// other number true) in the C or the current default locale; surrounding blanks are ignored.
// Anything else cannot be converted and gives std::nullopt, so the caller can skip the step.
std::optional<bool> toBool(const QString& text);
// "True" or "False", the text a Boolean is stored as.
QString fromBool(bool value);

// Window measures are single-precision twips written with the locale's number conversion (its
// decimal separator, no group separators) and read back with the same locale's conversion.
std::optional<double> toMeasure(const QString& text, const QLocale& locale);
QString fromMeasure(double twips, const QLocale& locale);

class SettingsStore {
  public:
    // The user's store, $XDG_CONFIG_HOME/Tabulora/Tabulora.ini (the path is fixed at construction).
    SettingsStore();
    explicit SettingsStore(const QString& filePath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString defaultFilePath();
    QString filePath() const;

    QString read(const QString& section, const QString& key, const QString& defaultValue) const;
    void write(const QString& section, const QString& key, const QString& text);
    // Several keys of one section reach the disk together (a form's layout has dozens).
    void write(const QString& section, const QList<std::pair<QString, QString>>& keysAndTexts);

    // std::nullopt when the stored text is not a number of `locale`; the default when missing.
    std::optional<double> readMeasure(const QString& section, const QString& key, double defaultTwips,
                                      const QLocale& locale) const;
    void writeMeasure(const QString& section, const QString& key, double twips, const QLocale& locale);

  private:
    std::optional<QString> lookup(const QString& section, const QString& key) const;

    std::unique_ptr<QSettings> m_settings;
};
