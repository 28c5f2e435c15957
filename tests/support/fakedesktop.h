#pragma once
#include "platform/desktop.h"

#include <QList>
#include <QStringList>

// A desktop that opens nothing: it records what it was asked to open or start and answers with the
// scripted result.
class FakeDesktop : public Desktop {
  public:
    bool openDocument(const QString& path) override {
        opened.append(path);
        return openSucceeds;
    }
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QStringList& environment = {}) override {
        started.append({program, arguments, environment});
        return startSucceeds;
    }

    struct Started {
        QString program;
        QStringList arguments;
        QStringList environment;
    };

    bool openSucceeds = true;
    bool startSucceeds = true;
    QStringList opened;
    QList<Started> started;
};
