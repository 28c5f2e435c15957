#pragma once
// Points HOME and XDG_CONFIG_HOME at a fresh temporary folder for as long as the object lives, so a
// test never reads or writes the person's own files. Nothing is created below it: the program must
// make its folders itself. One at a time: the next may be made only once this one is gone.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <optional>

class IsolatedHome {
  public:
    IsolatedHome() {
        qputenv("HOME", path().toUtf8());
        qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    }
    ~IsolatedHome() {
        restore("HOME", m_home);
        restore("XDG_CONFIG_HOME", m_config);
    }

    QString path() const { return m_dir.path(); }
    QString configHome() const { return path() + QStringLiteral("/config"); }

  private:
    using Saved = std::optional<QByteArray>;
    static Saved saved(const char* n) { return qEnvironmentVariableIsSet(n) ? Saved(qgetenv(n)) : Saved(); }
    static void restore(const char* n, const Saved& value) { value ? qputenv(n, *value) : qunsetenv(n); }

    QTemporaryDir m_dir;
    Saved m_home = saved("HOME");
    Saved m_config = saved("XDG_CONFIG_HOME");
};
