#pragma once
// The MIDI output the key sounds play on, and the desktop's short beep that stands in for it where a
// machine has no synthesizer. A short message carries its status in the low byte, then the two data
// bytes (the layout of the classic short-message call), and is sent as its three bytes.

#include <QString>
#include <cstdint>

class MidiOutput {
  public:
    virtual ~MidiOutput() = default;
    // Opens the first output port; false, with the system's reason, where there is none.
    virtual bool open(QString* reason = nullptr) = 0;
    virtual bool isOpen() const = 0;
    virtual void send(std::uint32_t shortMessage) = 0;
    virtual void close() = 0;
    virtual void beep() = 0;
};
