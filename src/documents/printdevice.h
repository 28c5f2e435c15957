#pragma once
// The printer of cheques and promissory notes, which may be another than the one of ordinary
// documents (set up for the forms' paper and feed): "ImpDispo" in section "Conf", empty for the
// system's default printer.

#include <QList>
#include <QString>

struct PrinterDevice {
    QString name;     // the queue's name, as "ImpDispo" keeps it
    QString location; // where it is, as the system describes it
    bool isDefault = false;
};

namespace PrintDevice {

// The printer a document goes to: the stored one when it is installed, else the default one (also
// when the stored name matches no printer any more). "" when there is no printer at all.
QString choose(const QString& stored, const QList<PrinterDevice>& installed);

// The index of the printer named `name`, or -1.
int indexOf(const QList<PrinterDevice>& installed, const QString& name);

} // namespace PrintDevice
