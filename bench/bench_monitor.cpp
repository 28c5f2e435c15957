// The clipboard monitor. From a copy made by another program (xclip, started for each copy) to the
// number on the calculator's tape: median over 60 copies, with the part after the clipboard's
// change notice beside it. Then a copied block of 10,000 two-column rows read, multiplied and added, and a
// column of 50,000 numbers added.
// The first figure needs an X server and xclip (make bench starts Xvfb).

#include "benchsupport.h"
#include "platform/qt/qtclipboard.h"
#include "shell/clipboardmonitor.h"
#include "ui/frmcalcula.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

void copyToTape(const QString& dataDir) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
        std::printf("monitor: the copy figure needs an X server and xclip\n");
        return;
    }
    QtClipboard clipboard;
    QElapsedTimer sinceNotice;
    QObject::connect(&clipboard, &Clipboard::changed, [&] { sinceNotice.start(); });
    AnsweringDialogs dialogs(Dialogs::Answer::Ok);
    BenchContext run(clipboard, dialogs, dataDir);
    CalculatorController controller(run.context, nullptr, WindowMode::Full);
    frmCalcula window(controller);
    window.load();
    window.show();
    QApplication::processEvents();
    if (!controller.isChecked(CommandId::ClipboardMonitor)) controller.run(CommandId::ClipboardMonitor);

    std::vector<double> total, afterNotice;
    std::vector<std::unique_ptr<QProcess>> copiers;
    for (int i = 0; i < 70; ++i) {
        const qsizetype before = controller.engine().tape().text().size();
        auto copier = std::make_unique<QProcess>();
        QElapsedTimer t;
        t.start();
        // -quiet keeps xclip in front, serving the copy until the next one takes the clipboard.
        copier->start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                                QStringLiteral("-i"), QStringLiteral("-quiet")});
        copier->write(QByteArray::number(i + 1) + ",25");
        copier->closeWriteChannel();
        while (controller.engine().tape().text().size() == before && t.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        if (i >= 10) { // the first ones warm up
            total.push_back(t.nsecsElapsed() / 1e6);
            afterNotice.push_back(sinceNotice.nsecsElapsed() / 1e6);
        }
        copiers.push_back(std::move(copier));
    }
    for (auto& c : copiers) {
        c->kill();
        c->waitForFinished(1000);
    }
    std::printf("monitor: copy in another program (xclip) to the number on the tape, median of %zu: "
                "%.2f ms, of which %.2f ms after the clipboard's change notice (target < 20 ms)\n",
                total.size(), median(total), median(afterNotice));
}

// `rows` copied rows of one or two columns read and added, with the products put back for two.
double copiedRows(const QString& dataDir, int rows, bool twoColumns) {
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::Yes);
    BenchContext run(clipboard, dialogs, dataDir);
    QString text;
    for (int i = 1; i <= rows; ++i) {
        if (twoColumns) text += QString::number(i % 97 + 1) + QLatin1Char('\t');
        text += QStringLiteral("%1,%2\r\n").arg(i % 1000).arg(i % 100, 2, 10, QLatin1Char('0'));
    }
    std::vector<double> ms;
    for (int round = 0; round < 3; ++round) {
        Engine engine(run.context);
        clipboard.m_text = text;
        QElapsedTimer t;
        t.start();
        ClipboardMonitor::take(engine, clipboard);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    copyToTape(dir.path());
    std::printf("monitor: 10,000 copied two-column rows multiplied, added and the products put back, "
                "median of 3: %.1f ms (target < 200 ms)\n",
                copiedRows(dir.path(), 10000, true));
    std::printf("monitor: 50,000 copied lines of one number each added, median of 3: %.1f ms\n",
                copiedRows(dir.path(), 50000, false));
    return 0;
}
