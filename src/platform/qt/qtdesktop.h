#pragma once
#include "platform/desktop.h"

class QtDesktop : public Desktop {
  public:
    bool openDocument(const QString& path) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QStringList& environment = {}) override;
};
