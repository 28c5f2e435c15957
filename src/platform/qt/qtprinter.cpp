#include "platform/qt/qtprinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

QFont QtPrinter::tapeFont(const QString& family, int pointSize) {
    QFont font(family, pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    // Without "Courier New" installed, fontconfig may still answer with a proportional face.
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(pointSize);
    }
    return font;
}

namespace {

// The default printer, or the PDF file that stands in for it.
bool aim(QPrinter& printer, const QString& pdfFile, const QString& documentName) {
    if (pdfFile.isEmpty()) {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull()) return false;
        printer.setPrinterName(target.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    }
    printer.setDocName(documentName);
    return true;
}

} // namespace

bool QtPrinter::printImage(const QImage& image, const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    if (image.isNull() || !aim(printer, m_pdfFile, documentName)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // As large as on a screen of 96 dots per inch, smaller when the page is smaller.
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    QSize size = (QSizeF(image.size()) / image.devicePixelRatio() * (printer.resolution() / 96.0)).toSize();
    if (size.width() > page.width() || size.height() > page.height())
        size = size.scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return painter.end();
}

bool QtPrinter::printText(const QString& text, const QString& fontFamily, int pointSize,
                          const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    if (!aim(printer, m_pdfFile, documentName)) return false;

    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(tapeFont(fontFamily, pointSize));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.pageRect(QPrinter::DevicePixel).toRect().height();
    const int linesPerPage = qMax(1, pageHeight / metrics.lineSpacing());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int row = int(i % linesPerPage);
        if (row == 0 && i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        painter.drawText(0, row * metrics.lineSpacing() + metrics.ascent(), lines.at(i));
    }
    return painter.end();
}
