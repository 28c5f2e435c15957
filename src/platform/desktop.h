#pragma once
// The desktop's services for documents and programs.

#include <QString>
#include <QStringList>

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Opens a document with the program the desktop associates with it; false when that fails.
    virtual bool openDocument(const QString& path) = 0;
    // Starts a program detached from this one, with `environment` ("NAME=value") added to this
    // program's own; false when it cannot be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments,
                              const QStringList& environment = {}) = 0;
};
