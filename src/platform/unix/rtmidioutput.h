#pragma once
#include "platform/midioutput.h"

#include <memory>

class RtMidiOut;

// The first port of the system's MIDI sequencer (ALSA on Linux), through RtMidi. A machine without
// a sequencer (no /dev/snd/seq) cannot open it: RtMidi throws there, which open() turns into false.
class RtMidiOutput : public MidiOutput {
  public:
    RtMidiOutput();
    ~RtMidiOutput() override;

    bool open(QString* reason = nullptr) override;
    bool isOpen() const override { return m_out != nullptr; }
    void send(std::uint32_t shortMessage) override;
    void close() override;
    void beep() override;

  private:
    std::unique_ptr<RtMidiOut> m_out;
};
