#include "settings/confkeys.h"

#include <QDir>

namespace conf {

const Key* find(QStringView name) {
    for (const Key& key : All)
        if (name == QLatin1StringView(key.name)) return &key;
    return nullptr;
}

QString defaultLastSaveFolder() {
    return QDir::homePath();
}

} // namespace conf
