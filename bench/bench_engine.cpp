// Keys per second through the engine's dispatcher, no window.

#include "benchsupport.h"
#include "core/engine.h"
#include "keystream.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    // The full-tape question is answered "yes", as an office would: the tape is cleared and kept.
    AnsweringDialogs dialogs(Dialogs::Answer::Yes);
    BenchContext run(clipboard, dialogs, dir.path());
    Engine engine(run.context);
    engine.chooseFormat(0);

    const int count = 100000;
    const QString keys = officeKeys(count);
    QElapsedTimer timer;
    timer.start();
    for (QChar c : keys)
        engine.keyPress(c.unicode());
    const qint64 ns = timer.nsecsElapsed();
    std::printf("engine: %d keys in %.1f ms = %.0f keys/s (target >= 200000)\n", count, ns / 1e6,
                count / (ns / 1e9));
    return 0;
}
