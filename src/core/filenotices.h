#pragma once
// What the user must hear about the files the calculator writes.
//
// The tape state file and the backup are written on the calculator's own account, at every total
// and every clear. When the disk refuses (a read-only or full folder, a folder where the file should
// be), the user is told once per file, in their language, with the system's reason; calculating goes
// on and the next total tries again. Only after that file has been written once more is a new
// failure told again: a box at every total would make the calculator unusable, and silence would
// lose the tape unseen. A tape the user saves is another matter: they wait for the answer, so every
// failure of it is told.

#include "platform/atomicfile.h"
#include "platform/dialogs.h"

class Messages;

#include <QList>
#include <QSet>
#include <QString>

class FileNotices {
  public:
    FileNotices(Dialogs* dialogs, const Messages* messages) : m_dialogs(dialogs), m_messages(messages) {}

    // A file written on the program's own account (message 240); true when it was written.
    bool kept(const QString& path, const FileWriteResult& result);
    // A file the user chose to write (message 241); true when it was written.
    bool saved(const QString& path, const FileWriteResult& result);
    // Any other news about a file, shown as it is.
    void tell(const QString& text, Dialogs::Icon icon);

    // While held, notices wait: the window is still loading, or the program is being ended from
    // outside and nobody is there to answer. release() shows what waited, in order.
    void hold() { m_held = true; }
    void release();

  private:
    QString text(int number, const QString& p1, const QString& p2) const;

    struct Notice {
        QString text;
        Dialogs::Icon icon;
    };

    Dialogs* m_dialogs;
    const Messages* m_messages;
    QSet<QString> m_failing; // files whose failure was told and that have not been written since
    bool m_held = false;
    QList<Notice> m_waiting;
};
