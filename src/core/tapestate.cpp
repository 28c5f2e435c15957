#include "core/tapestate.h"

#include "core/engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

std::optional<TapeState> decode(const QByteArray& bytes) {
    QByteArrayView spans[FieldCount];
    qsizetype pos = 0;
    for (int i = 0; i < FieldCount; ++i) {
        if (pos >= bytes.size() || bytes.at(pos) != '"') return std::nullopt;
        // As the classic input statement does, a field ends at the next quote, whatever it holds.
        const qsizetype close = bytes.indexOf('"', pos + 1);
        if (close < 0) return std::nullopt;
        spans[i] = QByteArrayView(bytes).sliced(pos + 1, close - pos - 1);
        pos = close + 1;
        if (i < FieldCount - 1) {
            if (pos >= bytes.size() || bytes.at(pos) != ',') return std::nullopt;
            ++pos;
        }
    }
    const QByteArrayView rest = QByteArrayView(bytes).sliced(pos);
    if (!rest.isEmpty() && !rest.startsWith("\r\n") && !rest.startsWith('\n')) return std::nullopt;

    QString texts[FieldCount];
    for (int i = 0; i < FieldCount; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        texts[i] = utf8(spans[i]);
        if (utf8.hasError()) return std::nullopt;
    }
    return TapeState{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]};
}

bool writeStateFile(const QString& path, const TapeState& state) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = encode(state);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<TapeState> readStateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return decode(file.readAll());
}

LoadAction loadAction(const std::optional<TapeState>& state, const QString& today) {
    if (!state) return LoadAction::Nothing;
    return state->date == today ? LoadAction::RestoreAll : LoadAction::NewDay;
}

TapeState capture(const Engine& engine, const QString& today) {
    return TapeState{today,          engine.tape().text(), engine.total(),  engine.pendingOperator(),
                     engine.entry(), engine.display(),     engine.counter()};
}

void apply(Engine& engine, const TapeState& state, LoadAction action) {
    switch (action) {
    case LoadAction::Nothing:
        break;
    case LoadAction::RestoreAll:
        engine.restore(state.tape, state.total, state.pending, state.entry, state.display, state.counter);
        break;
    case LoadAction::NewDay:
        engine.restoreTape(state.tape);
        engine.clearTape();
        break;
    }
}

bool save(const Engine& engine, const QString& path, const QString& today) {
    return writeStateFile(path, capture(engine, today));
}

LoadAction load(Engine& engine, const QString& path, const QString& today) {
    const std::optional<TapeState> state = readStateFile(path);
    const LoadAction action = loadAction(state, today);
    if (state) apply(engine, *state, action);
    return action;
}

} // namespace TapeStateFile
