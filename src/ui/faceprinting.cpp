#include "ui/faceprinting.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QKeySequence>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QShortcut>
#include <QVBoxLayout>

namespace FacePrinting {

namespace {

// A page without margins: the layout is measured from the paper's corner, as the form is.
void fullPage(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Draws `copies` pages; false when the device refuses.
bool paintPages(QPrinter& printer, const FacePicture& face, int copies) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = printer.resolution() / 96.0;
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        paint(painter, face);
        painter.restore();
        // A long run of copies keeps the program answering.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return painter.end();
}

} // namespace

QFont fieldFont(bool bold) {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) font.setFamily(QStringLiteral("Monospace"));
    // 9,75 points at 96 pixels to the inch; in pixels, so the printer's scale carries it to paper.
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

void paint(QPainter& painter, const FacePicture& face) {
    painter.fillRect(QRect(QPoint(0, 0), face.size), Qt::white);
    if (!face.background.isNull()) painter.drawImage(QPoint(0, 0), face.background);
    for (const FaceField& f : face.fields) {
        painter.fillRect(f.rect, Qt::white);
        painter.setFont(fieldFont(f.bold));
        painter.setPen(Qt::black);
        painter.save();
        // What does not fit the field is not printed, as it is not shown.
        painter.setClipRect(f.rect);
        const QRect inner = f.rect.adjusted(TextMargin, 0, -TextMargin, 0);
        if (f.multiline)
            painter.drawText(inner.adjusted(0, 1, 0, 0), int(f.alignment | Qt::AlignTop | Qt::TextWordWrap),
                             f.text);
        else
            painter.drawText(inner, int(f.alignment | Qt::AlignVCenter), f.text);
        painter.restore();
    }
}

QList<PrinterDevice> installedPrinters() {
    QList<PrinterDevice> list;
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        list << PrinterDevice{info.printerName(), info.location(), info.printerName() == defaultName};
    return list;
}

Outcome print(const FacePicture& face, const QString& printerName, int copies, const QString& documentName) {
    if (printerName.isEmpty()) return Outcome::NoPrinter;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) return Outcome::Failed;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    fullPage(printer);
    return paintPages(printer, face, qMax(1, copies)) ? Outcome::Done : Outcome::Failed;
}

bool savePdf(const FacePicture& face, const QString& path, const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(documentName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    fullPage(printer);
    return paintPages(printer, face, 1);
}

void preview(const FacePicture& face, const QString& printerName, const QString& title, QWidget* parent) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    QPrinter printer(QPrinter::HighResolution);
    if (!info.isNull()) printer.setPrinterName(info.printerName());
    fullPage(printer);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmVisualizar"));
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPrintPreviewWidget(&printer, &dialog);
    layout->addWidget(view);
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, view,
                     [&face](QPrinter* p) { paintPages(*p, face, 1); });
    view->fitToWidth();
    dialog.resize(900, 700);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), &dialog);
    QObject::connect(close, &QShortcut::activated, &dialog, &QDialog::reject);
    dialog.exec();
}

} // namespace FacePrinting
