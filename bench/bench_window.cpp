// The real window on the offscreen platform: from a key event to the display and the tape
// updated and painted, median over 1000 keys, with a 20 KB tape and with a 1 MB tape.

#include "benchsupport.h"
#include "ui/frmcalcula.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

struct Figures {
    double key = 0, undo = 0, redo = 0;
};

Figures measure(qsizetype tapeBytes) {
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::No);
    BenchContext run(clipboard, dialogs, dir.path());
    CalculatorController controller(run.context, nullptr, WindowMode::Full);
    frmCalcula window(controller);
    const QString line = QStringLiteral("                  123,45 +\r\n");
    QString tape;
    tape.reserve(tapeBytes + line.size());
    while (tape.size() < tapeBytes)
        tape += line;
    window.engine().restoreTape(tape);
    window.show();
    QApplication::processEvents();
    auto* entry = window.findChild<QLineEdit*>(QStringLiteral("txtEntrada"));

    const QString keys = QStringLiteral("1234+56+7+890+12+3+");
    std::vector<double> ms;
    for (int i = 0; i < 1000; ++i) {
        const QChar c = keys.at(i % keys.size());
        QElapsedTimer t;
        t.start();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(entry, &press);
        QApplication::sendEvent(entry, &release);
        QApplication::processEvents();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    Figures f;
    f.key = median(ms);

    // Undo and redo in turn, each timed to the repainted window.
    std::vector<double> undo, redo;
    Engine& engine = window.engine();
    for (int i = 0; i < 500; ++i) {
        QElapsedTimer t;
        t.start();
        engine.undo();
        QApplication::processEvents();
        undo.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        engine.redo();
        QApplication::processEvents();
        redo.push_back(t.nsecsElapsed() / 1e6);
    }
    f.undo = median(undo);
    f.redo = median(redo);
    return f;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Figures small = measure(20 * 1024);
    const Figures large = measure(1024 * 1024);
    std::printf(
        "window: key to updated display and tape, median of 1000: 20 KB tape %.3f ms, 1 MB tape %.3f ms, "
        "ratio %.2f (targets < 2 ms, ratio <= 1.5)\n",
        small.key, large.key, large.key / small.key);
    std::printf("window: with a 1 MB tape, median of 500: undo %.3f ms, redo %.3f ms (target < 2 ms); "
                "20 KB tape: undo %.3f ms, redo %.3f ms\n",
                large.undo, large.redo, small.undo, small.redo);
    return 0;
}
