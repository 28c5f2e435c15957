#include "documents/printdevice.h"

namespace PrintDevice {

int indexOf(const QList<PrinterDevice>& installed, const QString& name) {
    for (int i = 0; i < installed.size(); ++i)
        if (installed[i].name == name) return i;
    return -1;
}

QString choose(const QString& stored, const QList<PrinterDevice>& installed) {
    if (!stored.isEmpty() && indexOf(installed, stored) >= 0) return stored;
    for (const PrinterDevice& p : installed)
        if (p.isDefault) return p.name;
    return {};
}

} // namespace PrintDevice
