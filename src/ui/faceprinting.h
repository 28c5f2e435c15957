#pragma once
// A form's face on paper: its fields drawn where the layout puts them, one layout pixel to 1/96
// inch from the paper's top-left corner, in the fields' own font, with the background picture under
// them. The same drawing goes to a printer, into a PDF and into the preview, so what is seen is what
// is printed.

#include "documents/printdevice.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;

struct FaceField {
    QRect rect; // layout pixels
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool bold = false;
    bool multiline = false;
};

struct FacePicture {
    QSize size;
    QImage background;
    QList<FaceField> fields;
};

namespace FacePrinting {

// Pixels between a field's side and its text, on screen as on paper.
inline constexpr int TextMargin = 2;

// The fields' font: a Courier of 9,75 points (13 layout pixels), or a fixed-width face standing in.
QFont fieldFont(bool bold);
// Draws the face with the painter's origin at its top-left corner, in layout pixels.
void paint(QPainter& painter, const FacePicture& face);

// The printers the system knows, its default one marked.
QList<PrinterDevice> installedPrinters();

enum class Outcome { Done, NoPrinter, Failed };
// `copies` pages of the face, one job, on the printer named `printerName`.
Outcome print(const FacePicture& face, const QString& printerName, int copies, const QString& documentName);
// The face as a one-page PDF; false when the file cannot be written.
bool savePdf(const FacePicture& face, const QString& path, const QString& documentName);
// The face on the paper of `printerName` (A4 when there is none), in a window of its own.
void preview(const FacePicture& face, const QString& printerName, const QString& title, QWidget* parent);

} // namespace FacePrinting
