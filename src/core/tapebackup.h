#pragma once
// The backup of cleared tapes, "calcula.txt" in the data folder: every tape cleared while backup is
// on is appended to it as one record (the tape, a separator, "BKP = " and the time, a separator).
// The file only grows; past BackupWarningSize the user is asked to clean it.

#include "platform/atomicfile.h"

#include <QString>
#include <QTime>

class TapeBackup {
  public:
    static constexpr qint64 WarningSize = 3200000;

    explicit TapeBackup(const QString& dataDir);
    QString path() const { return m_path; }

    // The record of `tape` cleared at `time`.
    static QString record(const QString& tape, const QTime& time);
    // Appends the record, creating the folder and the file as needed; the system's reason when it
    // could not be written whole.
    FileWriteResult append(const QString& tape, const QTime& time) const;
    bool tooLarge() const;

  private:
    QString m_path;
};
