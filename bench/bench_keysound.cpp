// A key with sound on, in the real window on the offscreen platform: from the key event handed to
// the window to the note-on leaving for the MIDI output, median over 2000 keys, in musical and in
// beep mode. The output is RtMidi's where this machine has a sequencer, else a stand-in that only
// notes the moment of the send.

#include "benchsupport.h"
#include "platform/unix/rtmidioutput.h"
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

// Passes every message on (to the real output, when there is one) and notes when a note-on left.
struct TimedOutput : MidiOutput {
    MidiOutput* real = nullptr;
    QElapsedTimer clock;
    qint64 noteOnAt = -1;
    bool open(QString* reason) override { return real ? real->open(reason) : true; }
    bool isOpen() const override { return real ? real->isOpen() : true; }
    void send(std::uint32_t m) override {
        if (real) real->send(m);
        if (m >> 16) noteOnAt = clock.nsecsElapsed();
    }
    void close() override {
        if (real) real->close();
    }
    void beep() override {}
};

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

double measure(TimedOutput& output, KeySound::Mode mode) {
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::No);
    BenchContext run(clipboard, dialogs, dir.path());
    run.context.midi = &output;
    struct : AnsweringDialogs {
        QString input(const QString&, const QString&, const QString&) override { return QStringLiteral("0"); }
    } instrument;
    run.context.dialogs = &instrument;
    CalculatorController controller(run.context, nullptr, WindowMode::Full);
    frmCalcula window(controller);
    window.show();
    controller.chooseKeySound(mode);
    run.context.dialogs = &dialogs;
    QApplication::processEvents();
    auto* entry = window.findChild<QLineEdit*>(QStringLiteral("txtEntrada"));

    const QString keys = QStringLiteral("1234+56+7+890+12+3+");
    std::vector<double> ms;
    for (int i = 0; i < 2000; ++i) {
        const QChar c = keys.at(i % keys.size());
        const int key = c.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        output.noteOnAt = -1;
        output.clock.start();
        QApplication::sendEvent(entry, &press);
        if (output.noteOnAt >= 0) ms.push_back(output.noteOnAt / 1e6);
        QApplication::sendEvent(entry, &release);
        QApplication::processEvents();
    }
    return ms.empty() ? -1 : median(ms);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RtMidiOutput rtmidi;
    TimedOutput output;
    const bool real = rtmidi.open();
    if (real) output.real = &rtmidi;
    const double musical = measure(output, KeySound::Mode::Musical);
    const double beep = measure(output, KeySound::Mode::Beep);
    std::printf("key sound: key press to note-on sent (%s), median of 2000: musical %.3f ms, beep %.3f ms "
                "(target < 1 ms)\n",
                real ? "RtMidi, ALSA sequencer" : "no sequencer here: stand-in output", musical, beep);
    return 0;
}
