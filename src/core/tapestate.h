#pragma once
// The tape state file "calc<tag>.fita" in the data folder: the tape and the calculation in progress,
// written after every total and clear and when the calculator window closes, and read when it opens
// again, so that a sum survives a restart on the same day and yesterday's tape goes to the backup
// file on the next.
//
// One record of seven texts in the classic delimited write/input form: every field in double
// quotes, fields separated by commas, the record ended by CR LF. Fields are written as they are,
// CR LF included (the tape is made of such lines), so the reader takes everything between a
// field's quotes. A field has no way to hold a double quote in this form; the writer turns one into
// an apostrophe so that the record keeps its seven fields (the tape never holds one in normal use).

#include "platform/atomicfile.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
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

// How much of a state file could be read.
enum class Readable {
    Nothing,    // not even the date and the first whole line of the tape
    Tape,       // a damaged record: its date and the whole lines of its tape
    Everything, // one whole record
};

struct Reading {
    TapeState state; // what was read; the fields past a damage stay empty
    Readable readable = Readable::Nothing;
    friend bool operator==(const Reading&, const Reading&) = default;
};

// What a window does with the record it found at start.
enum class LoadAction {
    Nothing,     // no file, or nothing readable in it: the tape stays empty
    RestoreAll,  // written today: tape and calculation go on where they stopped
    RestoreTape, // damaged, written today: the tape that could be read comes back, closed by a rule
    NewDay,      // written another day: the tape comes back and is then cleared as a new day
};

// "<dataDir>calc<tag>.fita"; the data folder may come with or without its trailing separator.
QString path(const QString& dataDir, const QString& instanceTag);

// The day as the record stores it: the locale's short-date order, "dd/mm/yyyy" or "mm/dd/yyyy".
QString dateText(const QDate& day, const QString& datePattern);

QByteArray encode(const TapeState& state);
// Everything when the bytes are one complete record of seven quoted fields; whatever follows the
// record's line end is ignored, and a record whose final CR LF was lost is still whole. Anything
// else (cut short, text where a delimiter belongs, invalid UTF-8) is damaged: of it only the date
// and the tape lines that arrived whole are kept.
Reading decode(const QByteArray& bytes);

// Replaces the file atomically (a crash leaves the old one), creating its folder if needed.
FileWriteResult writeStateFile(const QString& path, const TapeState& state);
// nullopt when there is no file that can be opened.
std::optional<Reading> readStateFile(const QString& path);

LoadAction loadAction(const Reading& reading, const QString& today);

// The engine's side: the record of what the window shows now, and putting a record back.
TapeState capture(const Engine& engine, const QString& today);
// Does what `action` says; NewDay clears the restored tape through the engine, which writes the
// backup file when backup on clear is on.
void apply(Engine& engine, const TapeState& state, LoadAction action);

// A damaged file is not overwritten by the next save: it is moved beside it, to
// "<path>.damaged-<yyyyMMdd-HHmmss>" (and a number when that is taken), so whoever wants to can
// still read what it held. Returns the new name, or "" when it could not be moved.
QString putAside(const QString& path, const QDateTime& now);

struct LoadResult {
    LoadAction action = LoadAction::Nothing;
    bool damaged = false; // the file was there but not one whole record
    QString keptAs;       // where the damaged file went; "" when it stayed where it was
};

// The two calls of the window: at close (and after every total), and at load.
FileWriteResult save(const Engine& engine, const QString& path, const QString& today);
LoadResult load(Engine& engine, const QString& path, const QDateTime& now, const QString& datePattern);

} // namespace TapeStateFile
