#include "core/tapestate.h"

#include "core/engine.h"
#include "core/tape.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace TapeStateFile {

namespace {

constexpr int FieldCount = 7;

void appendField(QByteArray& out, const QString& field, bool last) {
    out += '"';
    QByteArray bytes = field.toUtf8();
    bytes.replace('"', '\'');
    out += bytes;
    out += '"';
    out += last ? QByteArrayView("\r\n") : QByteArrayView(",");
}

} // namespace

QString path(const QString& dataDir, const QString& instanceTag) {
    return QDir(dataDir).filePath(QStringLiteral("calc") + instanceTag + QStringLiteral(".fita"));
}

QString dateText(const QDate& day, const QString& datePattern) {
    QString pattern = datePattern;
    pattern.replace(QLatin1String("mm"), QLatin1String("MM"));
    return day.toString(pattern);
}

QByteArray encode(const TapeState& state) {
    const QString* fields[FieldCount] = {&state.date,  &state.tape,    &state.total,  &state.pending,
                                         &state.entry, &state.display, &state.counter};
    QByteArray out;
    qsizetype size = 3 * FieldCount;
    for (const QString* f : fields)
        size += f->size() * 3; // UTF-8 takes at most 3 bytes per UTF-16 unit
    out.reserve(size);
    for (int i = 0; i < FieldCount; ++i)
        appendField(out, *fields[i], i == FieldCount - 1);
    return out;
}

namespace {

std::optional<QString> utf8Text(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) return std::nullopt;
    return text;
}

// The lines of a damaged tape field that arrived whole: up to the last CR LF, and no further than
// the first line that is not valid UTF-8.
QString wholeLines(QByteArrayView bytes) {
    QString tape;
    qsizetype from = 0;
    for (qsizetype end = bytes.indexOf("\r\n"); end >= 0; end = bytes.indexOf("\r\n", from)) {
        const std::optional<QString> line = utf8Text(bytes.sliced(from, end + 2 - from));
        if (!line) break;
        tape += *line;
        from = end + 2;
    }
    return tape;
}

} // namespace

Reading decode(const QByteArray& bytes) {
    Reading reading;
    TapeState& s = reading.state;
    QString* fields[FieldCount] = {&s.date, &s.tape, &s.total, &s.pending, &s.entry, &s.display, &s.counter};
    int read = 0;
    qsizetype pos = 0;
    while (read < FieldCount) {
        if (pos >= bytes.size() || bytes.at(pos) != '"') break;
        // As the classic input statement does, a field ends at the next quote, whatever it holds.
        const qsizetype close = bytes.indexOf('"', pos + 1);
        const QByteArrayView span =
            QByteArrayView(bytes).sliced(pos + 1, (close < 0 ? bytes.size() : close) - pos - 1);
        const std::optional<QString> text = close < 0 ? std::nullopt : utf8Text(span);
        if (!text) {
            if (read == 1) s.tape = wholeLines(span);
            break;
        }
        *fields[read++] = *text;
        pos = close + 1;
        if (read < FieldCount) {
            if (pos >= bytes.size() || bytes.at(pos) != ',') break;
            ++pos;
        }
    }
    // The record's line end may be cut short, not replaced by something else.
    const bool ended = pos >= bytes.size() || bytes.at(pos) == '\r' || bytes.at(pos) == '\n';
    if (read == FieldCount && ended) {
        reading.readable = Readable::Everything;
    } else if (read >= 1) {
        // Of a damaged record only the tape is worth having: a running total without the lines
        // that led to it would be trusted and wrong.
        s = TapeState{s.date, wholeLines(s.tape.toUtf8()), {}, {}, {}, {}, {}};
        if (!s.tape.isEmpty()) reading.readable = Readable::Tape;
    }
    if (reading.readable == Readable::Nothing) s = TapeState{};
    return reading;
}

FileWriteResult writeStateFile(const QString& path, const TapeState& state) {
    // A folder that cannot be made shows up as the file that cannot be written, with the system's
    // reason, which says more than mkpath's false.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return AtomicFile::write(path, encode(state));
}

std::optional<Reading> readStateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return decode(file.readAll());
}

LoadAction loadAction(const Reading& reading, const QString& today) {
    switch (reading.readable) {
    case Readable::Nothing:
        return LoadAction::Nothing;
    case Readable::Tape:
        return reading.state.date == today ? LoadAction::RestoreTape : LoadAction::NewDay;
    case Readable::Everything:
        break;
    }
    return reading.state.date == today ? LoadAction::RestoreAll : LoadAction::NewDay;
}

TapeState capture(const Engine& engine, const QString& today) {
    return TapeState{
        today,          engine.tape().text(), engine.total(),  operatorText(engine.pendingOperator()),
        engine.entry(), engine.display(),     engine.counter()};
}

void apply(Engine& engine, const TapeState& state, LoadAction action) {
    switch (action) {
    case LoadAction::Nothing:
        break;
    case LoadAction::RestoreAll:
        engine.restore(state);
        break;
    case LoadAction::RestoreTape: {
        // The calculation that was going on is lost with the rest of the record; a rule under its
        // lines keeps the next total from looking as if it included them.
        QString tape = state.tape;
        if (!tape.isEmpty() && !tape.endsWith(TapeLine::separator())) tape += TapeLine::separator();
        engine.restoreTape(tape);
        break;
    }
    case LoadAction::NewDay:
        engine.restoreTape(state.tape);
        engine.clearTape();
        break;
    }
}

QString putAside(const QString& path, const QDateTime& now) {
    const QString base = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n < 100; ++n) {
        const QString name = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        if (QFileInfo::exists(name)) continue;
        return QFile::rename(path, name) ? name : QString();
    }
    return {};
}

FileWriteResult save(const Engine& engine, const QString& path, const QString& today) {
    return writeStateFile(path, capture(engine, today));
}

LoadResult load(Engine& engine, const QString& path, const QDateTime& now, const QString& datePattern) {
    const QString today = dateText(now.date(), datePattern);
    const std::optional<Reading> reading = readStateFile(path);
    if (!reading) return {};
    LoadResult result{loadAction(*reading, today), false, {}};
    if (reading->readable != Readable::Everything) {
        result.damaged = true;
        result.keptAs = putAside(path, now);
    }
    apply(engine, reading->state, result.action);
    return result;
}

} // namespace TapeStateFile
