#include "shell/startup.h"

#include <QStringList>

namespace Startup {

QString commandWord(const QStringList& arguments) {
    return arguments.mid(1).join(QString());
}

bool showsSplash(const QString& word) {
    return word != SystrayWord && word != CloseWord;
}

bool closesPrimaryFirst(const QString& word) {
    return word == RestartWord || word == CloseWord || word == CompactWord;
}

bool endsAfterClosingPrimary(const QString& word) {
    return word == CloseWord;
}

Role roleFor(const QString& word, bool primaryRunning) {
    if (!primaryRunning) return Role::Primary;
    return word.left(5) == QLatin1String("outra") ? Role::Auxiliary : Role::HandOver;
}

bool showsCalculator(const QString& word) {
    return word != SystrayWord;
}

bool compactMode(const QString& word) {
    return word == CompactWord;
}

bool auxiliaryInTimeMode(const QString& word) {
    return word.right(5) == QLatin1String("tempo");
}

QString wordOfHandOver(const QString& text) {
    // The word comes with the time after it; its first four letters are enough.
    const QString head = text.left(4);
    if (head == QLatin1String("temp")) return QStringLiteral("tempo");
    for (const char* word : {"juro", "peso", "data"})
        if (head == QLatin1String(word)) return QLatin1String(word);
    return {};
}

QString handOverText(const QString& word, const QTime& now) {
    return word + now.toString(QStringLiteral("hh:mm:ss.zzz"));
}

} // namespace Startup
