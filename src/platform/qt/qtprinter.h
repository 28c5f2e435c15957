#pragma once
#include "platform/printer.h"

#include <QFont>

// Prints on the system's default printer through Qt's print support, or into a PDF file instead
// (for tests and for machines whose only printer is a file).
class QtPrinter : public Printer {
  public:
    QtPrinter() = default;
    explicit QtPrinter(const QString& pdfFile) : m_pdfFile(pdfFile) {}

    bool printText(const QString& text, const QString& fontFamily, int pointSize,
                   const QString& documentName) override;
    bool printImage(const QImage& image, const QString& documentName) override;

    // The family asked for when the system has it, else a fixed-width font standing in: the tape's
    // columns only line up in one.
    static QFont tapeFont(const QString& family, int pointSize);

  private:
    QString m_pdfFile;
};
