// Opening the unit converter (Ctrl+O) and the ideal weight (Shift+F5) from the calculator: from the
// shortcut typed by another X client through XTest to the tool's window shown on the screen (exposed),
// median of 30 openings each. Runs under an X server (make bench starts Xvfb).

#include "benchsupport.h"
#include "ui/frmcalcula.h"
#include "ui/frmconverte.h"
#include "ui/frmpeso.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

namespace {

// Another client typing: its own connection, keys sent through XTest.
struct Typist {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_key_symbols_t* syms = xcb_key_symbols_alloc(c);
    ~Typist() {
        xcb_key_symbols_free(syms);
        xcb_disconnect(c);
    }
    xcb_keycode_t code(xcb_keysym_t s) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(syms, s);
        const xcb_keycode_t k = codes ? codes[0] : 0;
        free(codes);
        return k;
    }
    void chord(xcb_keysym_t modifier, xcb_keysym_t s) {
        const xcb_keycode_t mod = code(modifier), key = code(s);
        xcb_test_fake_input(c, XCB_KEY_PRESS, mod, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, mod, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c);
    }
};

void waitFor(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
}

template <typename Tool>
double medianOpening(frmCalcula& calculator, Typist& typist, xcb_keysym_t modifier, xcb_keysym_t key) {
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
    Typist typist;
    const double converter = medianOpening<frmConverte>(calculator, typist, 0xffe3, 'o'); // Ctrl+O
    const double weight = medianOpening<frmPeso>(calculator, typist, 0xffe1, 0xffc2);     // Shift+F5
    std::printf("tool windows: from the shortcut (XTest) to the window shown, median of 30: "
                "converter %.1f ms, ideal weight %.1f ms (target < 50 ms)\n",
                converter, weight);
    return 0;
}
