#pragma once
// Every file the program rewrites (the tape state file, a saved tape) is replaced whole: written to a
// temporary file beside it and renamed over it, so that a crash or a full disk leaves the old file or
// the new one, never half of one.

#include <QByteArray>
#include <QString>

// The outcome of writing a file: empty when it was written, else the system's reason.
struct FileWriteResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

namespace AtomicFile {

// Replaces `path` by `bytes`. The folder must exist.
FileWriteResult write(const QString& path, const QByteArray& bytes);

} // namespace AtomicFile
