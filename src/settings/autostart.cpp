#include "settings/autostart.h"

#include "platform/atomicfile.h"
#include "settings/configdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// Inside a quoted Exec argument '"', '`', '$' and '\' take a backslash; '%' is doubled because it
// starts a field code even inside quotes.
QString quoteArgument(const QString& argument) {
    QString out = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
        out += c;
    }
    return out + QLatin1Char('"');
}

// Value of `key` in the [Desktop Entry] group, raw; empty when absent.
QString entryValue(const QString& contents, QLatin1String key) {
    bool inEntry = false;
    for (const QString& rawLine : contents.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && QStringView(line).left(eq).trimmed() == key) return line.mid(eq + 1).trimmed();
    }
    return {};
}

} // namespace

namespace autostart {

QString filePath() {
    return configHome() + QStringLiteral("/autostart/tabulora.desktop");
}

QString execLine(const QString& programPath, const QString& word) {
    const QString command =
        quoteArgument(programPath) + (word.isEmpty() ? QString() : QLatin1Char(' ') + word);
    return QStringLiteral("Exec=") + escapeValue(command);
}

QString escapeValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool isEnabled() {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString contents = QString::fromUtf8(file.readAll());
    // A session manager switches an entry off by hiding it rather than deleting it.
    if (entryValue(contents, QLatin1String("Hidden")) == QLatin1String("true")) return false;
    return !entryValue(contents, QLatin1String("Exec")).isEmpty();
}

void enable(const QString& programPath) {
    const QString path = filePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return;
    const QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=Tabulora"),
        QStringLiteral("Comment=Calculadora com fita de papel"),
        execLine(programPath),
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    AtomicFile::write(path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void disable() {
    QFile::remove(filePath());
}

} // namespace autostart
