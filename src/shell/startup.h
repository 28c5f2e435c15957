#pragma once
// What a start does with its command word: the whole command line, compared as one word,
// case-sensitively ("SystrayWord" is not "systray").

#include <QString>
#include <QTime>

namespace Startup {

inline const QString SystrayWord = QStringLiteral("systray");
inline const QString CloseWord = QStringLiteral("fechar");
inline const QString RestartWord = QStringLiteral("atualiza");
inline const QString CompactWord = QStringLiteral("mini");

// The command word of a process: its arguments joined as one word ("outra tempo" and
// "outratempo" are both the auxiliary calculator in time mode).
QString commandWord(const QStringList& arguments);

// Starts that run silently show no splash.
bool showsSplash(const QString& word);
// "atualiza", "fechar" and "mini" first close a running primary; "fechar" then ends.
bool closesPrimaryFirst(const QString& word);
bool endsAfterClosingPrimary(const QString& word);

enum class Role { Primary, HandOver, Auxiliary };
Role roleFor(const QString& word, bool primaryRunning);

// A primary started by "systray" sits in the tray without showing the calculator.
bool showsCalculator(const QString& word);
bool compactMode(const QString& word);
// The auxiliary calculator of "outratempo" starts in time mode.
bool auxiliaryInTimeMode(const QString& word);

// The command word of a handed-over text (word plus time, so that two equal words in a row still
// differ): "tempo", "juro", "peso", "data", or "" for any other.
QString wordOfHandOver(const QString& text);
QString handOverText(const QString& word, const QTime& now);

} // namespace Startup
