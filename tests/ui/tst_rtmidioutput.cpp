// The real MIDI output. Where the machine has no ALSA sequencer RtMidi throws while it sets up:
// opening must then say why and leave nothing open. With a sequencer, the notes go out.

#include "platform/unix/rtmidioutput.h"
#include "shell/keysound.h"

#include <QFile>
#include <QtTest>

class TestRtMidiOutput : public QObject {
    Q_OBJECT

  private slots:
    void opensOrSaysWhy() {
        RtMidiOutput out;
        QString reason;
        const bool opened = out.open(&reason);
        QCOMPARE(out.isOpen(), opened);
        if (!opened) {
            QVERIFY(!reason.isEmpty());
            out.send(KeySound::noteOn(0)); // nothing open: nothing happens
            out.close();
            if (!QFile::exists("/dev/snd/seq")) QSKIP("no ALSA sequencer here (/dev/snd/seq is missing)");
            QSKIP(qPrintable("the sequencer has no output port: " + reason));
        }
        out.send(KeySound::program(0));
        out.send(KeySound::noteOn(0));
        out.send(KeySound::noteOff(0));
        out.close();
        QVERIFY(!out.isOpen());
        QVERIFY(out.open());
    }
};

QTEST_MAIN(TestRtMidiOutput)
#include "tst_rtmidioutput.moc"
