#include "core/tapebackup.h"

#include "core/tape.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TapeBackup::TapeBackup(const QString& dataDir)
    : m_path(QDir(dataDir).filePath(QStringLiteral("calcula.txt"))) {}

QString TapeBackup::record(const QString& tape, const QTime& time) {
    return tape + TapeLine::separator() + QString(8, QLatin1Char(' ')) + QStringLiteral("BKP = ") +
           time.toString(QStringLiteral("hh:mm:ss")) + QStringLiteral(" hs.") + TapeLine::CrLf +
           TapeLine::separator();
}

FileWriteResult TapeBackup::append(const QString& tape, const QTime& time) const {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Appended, not replaced: the file holds every earlier record, and a crash can at worst cut the
    // newest one short.
    QFile file(m_path);
    const QByteArray bytes = record(tape, time).toUtf8();
    FileWriteResult result;
    if (!file.open(QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush())
        result.error = file.errorString();
    return result;
}

bool TapeBackup::tooLarge() const {
    return QFileInfo(m_path).size() > WarningSize;
}
