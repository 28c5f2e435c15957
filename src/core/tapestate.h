#pragma once
// The tape state file "calc<tag>.fita" in the data folder: the tape and the calculation in progress,
// written when the calculator window closes and read when it opens again, so that a sum survives a
// restart on the same day and yesterday's tape goes to the backup file on the next.
//
// One record of seven texts in the classic delimited write/input form: every field in double
// quotes, fields separated by commas, the record ended by CR LF. Fields are written as they are,
// CR LF included (the tape is made of such lines), so the reader takes everything between a
// field's quotes. A field has no way to hold a double quote in this form; the writer turns one into
// an apostrophe so that the record keeps its seven fields (the tape never holds one in normal use).

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

class Engine;

struct TapeState {
    QString date;    // the day of the record as short-date text
    QString tape;    // the whole tape text
    QString total;   // lblTotal
    QString pending; // the pending operator
    QString entry;   // txtEntrada
    QString display; // lblVisor(0)
    QString counter; // lblVisor(1)
    friend bool operator==(const TapeState&, const TapeState&) = default;
};

namespace TapeStateFile {

// What a window does with the record it found at start.
enum class LoadAction {
    Nothing,    // no file, or one that cannot be read: the tape stays empty
    RestoreAll, // written today: tape and calculation go on where they stopped
    NewDay,     // written another day: the tape comes back and is then cleared as a new day
};

// "<dataDir>calc<tag>.fita"; the data folder may come with or without its trailing separator.
QString path(const QString& dataDir, const QString& instanceTag);

// The day as the record stores it: the locale's short-date order, "dd/mm/yyyy" or "mm/dd/yyyy".
QString dateText(const QDate& day, const QString& datePattern);

QByteArray encode(const TapeState& state);
// nullopt when the bytes are not one complete record of seven quoted fields (empty, cut short,
// text where a delimiter belongs, invalid UTF-8). Whatever follows the record's line end is ignored;
// a record whose final CR LF was lost is still whole and is accepted.
std::optional<TapeState> decode(const QByteArray& bytes);

// Replaces the file atomically (a crash leaves the old one), creating its folder if needed.
bool writeStateFile(const QString& path, const TapeState& state);
std::optional<TapeState> readStateFile(const QString& path);

LoadAction loadAction(const std::optional<TapeState>& state, const QString& today);

// The engine's side: the record of what the window shows now, and putting a record back.
TapeState capture(const Engine& engine, const QString& today);
// Does what `action` says; NewDay clears the restored tape through the engine, which writes the
// backup file when backup on clear is on.
void apply(Engine& engine, const TapeState& state, LoadAction action);

// The two calls of the window: at close, and at load (returns what was done).
bool save(const Engine& engine, const QString& path, const QString& today);
LoadAction load(Engine& engine, const QString& path, const QString& today);

} // namespace TapeStateFile
