// From a hotkey sent with XTest by another X client to the calculator's display showing it:
// median over 200 keys. Runs under an X server (make bench starts Xvfb).

#include "benchsupport.h"
#include "platform/x11/x11globalhotkeys.h"
#include "platform/x11/x11keyboardstate.h"
#include "ui/frmcalcula.h"
#include "xtesttypist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("hotkey: needs an X server (run under xvfb-run)\n");
        return 0;
    }
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::Ok);
    X11GlobalHotkeys hotkeys;
    X11KeyboardState keyboard;
    BenchContext run(clipboard, dialogs, dir.path());
    run.context.hotkeys = &hotkeys;
    run.context.keyboard = &keyboard;
    CalculatorController controller(run.context, nullptr, WindowMode::Full);
    frmCalcula window(controller);
    window.load();
    window.show();
    QApplication::processEvents();
    auto* display = window.findChild<QLabel*>(QStringLiteral("lblVisor(0)"));

    XTestTypist typist;
    std::vector<double> ms;
    for (int i = 0; i < 220; ++i) {
        if (i % 10 == 0) {
            typist.chord(0xffe3, 0xffab); // keypad +: the next digit starts a new number
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 50)
                QApplication::processEvents();
        }
        const QString before = display->text();
        QElapsedTimer t;
        t.start();
        typist.chord(0xffe3, 0xffb1); // keypad 1
        while (display->text() == before && t.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 1);
        if (i >= 20) ms.push_back(t.nsecsElapsed() / 1e6); // the first ones warm up
    }
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    std::printf(
        "hotkey: XTest Ctrl+keypad key to the updated display, median of %zu: %.3f ms (target <= 5 ms)\n",
        ms.size(), ms[ms.size() / 2]);
    return 0;
}
