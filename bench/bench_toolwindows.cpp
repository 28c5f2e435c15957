// Opening the unit converter (Ctrl+O), the ideal weight (Shift+F5) and the cheque (Ctrl+I) from the
// calculator: from the shortcut typed by another X client through XTest to the tool's window shown on the
// screen (exposed), median of 30 openings each. Runs under an X server (make bench starts Xvfb).

#include "benchsupport.h"
#include "ui/frmcalcula.h"
#include "ui/frmcheque.h"
#include "ui/frmconverte.h"
#include "ui/frmpeso.h"
#include "xtesttypist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void waitFor(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
}

template <typename Tool>
double medianOpening(frmCalcula& calculator, XTestTypist& typist, xcb_keysym_t modifier, xcb_keysym_t key) {
    std::vector<double> ms;
    for (int i = 0; i < 33; ++i) {
        calculator.activateWindow();
        waitFor([&] { return QApplication::activeWindow() == &calculator; }, 2000);
        QElapsedTimer t;
        t.start();
        typist.chord(modifier, key);
        Tool* tool = nullptr;
        waitFor(
            [&] {
                tool = calculator.findChild<Tool*>();
                return tool && tool->windowHandle() && tool->windowHandle()->isExposed();
            },
            2000);
        if (i >= 3) ms.push_back(t.nsecsElapsed() / 1e6); // the first ones warm up
        if (tool) tool->close();
        waitFor([&] { return !calculator.findChild<Tool*>(); }, 2000);
    }
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("tool windows: need an X server (run under xvfb-run)\n");
        return 0;
    }
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::Ok);
    BenchContext run(clipboard, dialogs, dir.path());
    CalculatorController controller(run.context, nullptr, WindowMode::Full);
    frmCalcula calculator(controller);
    calculator.load();
    calculator.show();
    XTestTypist typist;
    const double converter = medianOpening<frmConverte>(calculator, typist, 0xffe3, 'o'); // Ctrl+O
    const double weight = medianOpening<frmPeso>(calculator, typist, 0xffe1, 0xffc2);     // Shift+F5
    for (const QChar c : QStringLiteral("1234,56")) // a cheque needs an amount on the display
        controller.engine().keyPress(c.unicode());
    const double cheque = medianOpening<frmCheque>(calculator, typist, 0xffe3, 'i'); // Ctrl+I
    std::printf("tool windows: from the shortcut (XTest) to the window shown, median of 30: "
                "converter %.1f ms, ideal weight %.1f ms, cheque %.1f ms (target < 50 ms)\n",
                converter, weight, cheque);
    return 0;
}
