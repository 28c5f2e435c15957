#pragma once
// The system's default printer, as the tape listing uses it: lines of text in one fixed-width font.

#include <QString>

class Printer {
  public:
    virtual ~Printer() = default;
    // Prints `text` (lines ended by CR LF or LF) in the given font, across as many pages as it needs,
    // as one job called `documentName`. False when there is no printer or the job fails.
    virtual bool printText(const QString& text, const QString& fontFamily, int pointSize,
                           const QString& documentName) = 0;
};
