#pragma once
#include "platform/printer.h"

#include <QList>

// A printer that keeps every job; `works` false plays a printer that is missing or switched off.
class FakePrinter : public Printer {
  public:
    struct Job {
        QString text;
        QString fontFamily;
        int pointSize;
        QString documentName;
    };
    bool printText(const QString& text, const QString& fontFamily, int pointSize,
                   const QString& documentName) override {
        if (!works) return false;
        jobs.append({text, fontFamily, pointSize, documentName});
        return true;
    }
    bool works = true;
    QList<Job> jobs;
};
