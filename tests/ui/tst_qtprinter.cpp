// The tape on paper: printed into a PDF through the same code as on the system printer, then read
// back with pdftotext, line for line and column for column.

#include "platform/qt/qtprinter.h"

#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Sep = QStringLiteral(" =========================");

QString tapeOf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The width of one character of the font in points: with it pdftotext maps every glyph to its
// column instead of guessing the gaps from the spacing around them.
double pitch(int pointSize) {
    QFont font = QtPrinter::tapeFont(QStringLiteral("Courier New"), pointSize);
    font.setPixelSize(1000); // large enough that hinting rounds nothing away
    return QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')) / 1000.0 * pointSize;
}

// The text of a PDF laid out in columns; pages are separated by form feeds.
QString pdfText(const QString& pdf, int pointSize) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                          QString::number(pitch(pointSize)), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines with text, less the blanks at their ends and the indentation they all share (the page
// margin on paper, the tape's own first blank column in the expectation).
QStringList columns(const QStringList& lines) {
    QStringList out;
    qsizetype indent = std::numeric_limits<qsizetype>::max();
    for (QString l : lines) {
        while (l.endsWith(QLatin1Char(' ')))
            l.chop(1);
        if (l.isEmpty()) continue;
        indent = std::min(indent, l.size() - QStringView(l).trimmed().size());
        out << l;
    }
    for (QString& l : out)
        l.remove(0, indent);
    return out;
}

} // namespace

class TestQtPrinter : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void linesOnPaper_data() {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<QStringList>("lines");
        const QStringList calculation = {QStringLiteral(" 05/12/2026 sáb           "),
                                         QStringLiteral("                   10,00 ×"),
                                         QStringLiteral("                    3,00 ÷"),
                                         QStringLiteral("                    2,00 ="),
                                         QStringLiteral(" 003                      "),
                                         QStringLiteral("                   15,00 T"),
                                         Sep};
        QTest::newRow("small") << 8 << calculation;
        QTest::newRow("medium") << 10 << calculation;
        QTest::newRow("large") << 12 << calculation;
    }
    void linesOnPaper() {
        QFETCH(int, pointSize);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("tape.pdf"));
        QtPrinter printer(pdf);
        QVERIFY(printer.printText(tapeOf(lines), QStringLiteral("Courier New"), pointSize,
                                  QStringLiteral("Tabulora")));
        const QString text = pdfText(pdf, pointSize);
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        QCOMPARE(columns(text.section(QLatin1Char('\f'), 0, 0).split(QLatin1Char('\n'))), columns(lines));
    }

    // A long tape goes on over as many pages as it needs, nothing lost or repeated at the breaks.
    void longTapeRunsOverPages() {
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QString::number(i * 7).rightJustified(24, QLatin1Char(' ')) + QStringLiteral(" +");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        QVERIFY(QtPrinter(pdf).printText(tapeOf(lines), QStringLiteral("Courier New"), 12,
                                         QStringLiteral("Tabulora")));
        const QString text = pdfText(pdf, 12);
        QVERIFY2(text.count(QLatin1Char('\f')) >= 2, "expected more than one page");
        QCOMPARE(columns(text.split(QRegularExpression(QStringLiteral("[\n\f]")))), columns(lines));
    }

    void noDefaultPrinterFails() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        QtPrinter printer;
        QVERIFY(!printer.printText(QStringLiteral("1 +\r\n"), QStringLiteral("Courier New"), 10,
                                   QStringLiteral("Tabulora")));
    }
};

QTEST_MAIN(TestQtPrinter)
#include "tst_qtprinter.moc"
