#pragma once
// Points HOME and the XDG folders at a fresh temporary folder for as long as the object lives, so a
// test never reads or writes the person's own files, then restores the previous environment.
// Only the runtime folder is created up front; the program must create the others itself.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class IsolatedHome {
  public:
    IsolatedHome() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            m_saved.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        QDir().mkpath(path() + QStringLiteral("/run"));
        QFile::setPermissions(path() + QStringLiteral("/run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("HOME", path().toUtf8());
        qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
        qputenv("XDG_DATA_HOME", (path() + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", (path() + QStringLiteral("/run")).toUtf8());
    }
    ~IsolatedHome() {
        for (const Saved& s : m_saved) {
            if (s.wasSet)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }
    IsolatedHome(const IsolatedHome&) = delete;
    IsolatedHome& operator=(const IsolatedHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString configHome() const { return path() + QStringLiteral("/config"); }

  private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    QTemporaryDir m_dir;
    QList<Saved> m_saved;
};
