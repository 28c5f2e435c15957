#pragma once
// The system's default printer: lines of text in one fixed-width font (the tape listing), or a
// picture of a window on one page.

#include <QString>

class QImage;

class Printer {
  public:
    virtual ~Printer() = default;
    // Prints `text` (lines ended by CR LF or LF) in the given font, across as many pages as it needs,
    // as one job called `documentName`. False when there is no printer or the job fails.
    virtual bool printText(const QString& text, const QString& fontFamily, int pointSize,
                           const QString& documentName) = 0;
    // Prints `image` on one page at its size on the screen, or smaller to fit the page. False when
    // there is no printer or the job fails.
    virtual bool printImage(const QImage& /*image*/, const QString& /*documentName*/) { return false; }
};
