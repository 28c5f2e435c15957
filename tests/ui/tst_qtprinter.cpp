// The tape on paper: printed into a PDF through the same code as on the system printer, then read
// back with pdftotext (poppler-utils), line for line and column for column, across the page breaks.

#include "platform/qt/qtprinter.h"

#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The lines with text, less the blanks at their ends and the indentation of the first line, which is
// the least indented (the page margin on paper, the tape's own first blank column in the expectation).
static QStringList columns(QString text) {
    text.remove(QRegularExpression(QStringLiteral(" +(?=[\n\f]|$)")));
    QStringList lines = text.split(QRegularExpression(QStringLiteral("[\n\f]")), Qt::SkipEmptyParts);
    const qsizetype indent = lines.value(0).indexOf(QRegularExpression(QStringLiteral("\\S")));
    return lines.replaceInStrings(QRegularExpression(QStringLiteral("^ {%1}").arg(indent)), QString());
}

class TestQtPrinter : public QObject {
    Q_OBJECT

  private slots:
    void linesOnPaper_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("small") << 8;
        QTest::newRow("large") << 12;
    }
    void linesOnPaper() {
        QFETCH(int, pointSize);
        QString tape = QStringLiteral(" 05/12/2026 sáb\r\n"); // long enough for a few pages
        for (int i = 1; i <= 150; ++i)
            tape += QStringLiteral("%1 %2\r\n").arg(i * 7, 24).arg(QStringLiteral("+×÷T=").at(i % 5));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("tape.pdf"));
        QVERIFY(QtPrinter(pdf).printText(tape, "Courier New", pointSize, "Tabulora"));
        // With the width of one character pdftotext maps every glyph to its column instead of
        // guessing the gaps from the spacing around them; hinting rounds nothing away at 1000 px.
        QFont font = QtPrinter::tapeFont(QStringLiteral("Courier New"), pointSize);
        font.setPixelSize(1000);
        const double pitch = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) / 1000.0 * pointSize;
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {"-layout", "-fixed", QString::number(pitch), pdf, "-"});
        QVERIFY2(p.waitForFinished(20000) && p.exitCode() == 0, "pdftotext did not run");
        // Pages end in form feeds.
        QCOMPARE(columns(QString::fromUtf8(p.readAllStandardOutput())), columns(tape.remove(u'\r')));
    }

    void noDefaultPrinterFails() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        QVERIFY(!QtPrinter().printText("1 +\r\n", "Courier New", 10, "Tabulora"));
    }
};

QTEST_MAIN(TestQtPrinter)
#include "tst_qtprinter.moc"
