// The real window on the offscreen platform: from a key event to the display and the tape
// updated and painted, median over 1000 keys, with a 20 KB tape and with a 1 MB tape.

#include "core/frmcalcula.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct NullClipboard : Clipboard {
    QString text() const override { return m_text; }
    void setText(const QString& t) override { m_text = t; }
    void clear() override { m_text.clear(); }
    QString m_text;
};
struct NoDialogs : Dialogs {
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::No; }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};

double medianKeyMs(qsizetype tapeBytes) {
    QTemporaryDir dir;
    NullClipboard clipboard;
    NoDialogs dialogs;
    EngineEnvironment env;
    env.clipboard = &clipboard;
    env.dialogs = &dialogs;
    env.dataDir = dir.path() + QLatin1Char('/');
    frmCalcula window(env);
    const QString line = QStringLiteral("                  123,45 +\r\n");
    QString tape;
    tape.reserve(tapeBytes + line.size());
    while (tape.size() < tapeBytes) tape += line;
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
    std::nth_element(ms.begin(), ms.begin() + ms.size() / 2, ms.end());
    return ms[ms.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double small = medianKeyMs(20 * 1024);
    const double large = medianKeyMs(1024 * 1024);
    std::printf("window: key to updated display and tape, median of 1000: 20 KB tape %.3f ms, 1 MB tape %.3f ms, "
                "ratio %.2f (targets < 2 ms, ratio <= 1.5)\n",
                small, large, large / small);
    return 0;
}
