#include "core/filenotices.h"

#include "i18n/messagecatalog.h"

#include <QDir>

QString FileNotices::text(int number, const QString& p1, const QString& p2) const {
    return m_messages ? m_messages->text(number, p1, p2) : QString();
}

bool FileNotices::kept(const QString& path, const FileWriteResult& result) {
    const QString file = QDir::cleanPath(path);
    if (result.ok()) {
        m_failing.remove(file);
        return true;
    }
    if (!m_failing.contains(file)) {
        m_failing.insert(file);
        tell(text(240, QDir::toNativeSeparators(file), result.error), Dialogs::Icon::Exclamation);
    }
    return false;
}

bool FileNotices::saved(const QString& path, const FileWriteResult& result) {
    if (result.ok()) return true;
    tell(text(241, QDir::toNativeSeparators(QDir::cleanPath(path)), result.error), Dialogs::Icon::Critical);
    return false;
}

void FileNotices::tell(const QString& text, Dialogs::Icon icon) {
    if (m_held) {
        m_waiting.append({text, icon});
        return;
    }
    if (m_dialogs) m_dialogs->message(text, QString(), icon);
}

void FileNotices::release() {
    m_held = false;
    const QList<Notice> waiting = std::exchange(m_waiting, {});
    for (const Notice& n : waiting)
        tell(n.text, n.icon);
}
