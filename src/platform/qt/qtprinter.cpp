#include "platform/qt/qtprinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
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

bool QtPrinter::printText(const QString& text, const QString& fontFamily, int pointSize,
                          const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    if (m_pdfFile.isEmpty()) {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull()) return false;
        printer.setPrinterName(target.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfFile);
    }
    printer.setDocName(documentName);

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
