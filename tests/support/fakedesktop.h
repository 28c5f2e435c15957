#pragma once
#include "platform/desktop.h"

#include <QStringList>

// A desktop that opens nothing: it records what it was asked to open, and each program it was asked
// to start as one line of the program, its arguments and its environment.
class FakeDesktop : public Desktop {
  public:
    bool openDocument(const QString& path) override {
        opened.append(path);
        return openSucceeds;
    }
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QStringList& environment = {}) override {
        started.append((QStringList{program} + arguments + environment).join(u' '));
        return true;
    }

    bool openSucceeds = true;
    QStringList opened, started;
};
