#pragma once
// A MIDI output that records what is sent; `available` false plays a machine without a synthesizer.

#include "platform/midioutput.h"

#include <QList>

struct FakeMidiOutput : MidiOutput {
    bool available = true;
    bool opened = false;
    int opens = 0;
    int beeps = 0;
    QList<std::uint32_t> sent;

    bool open(QString* reason = nullptr) override {
        ++opens;
        if (!available && reason) *reason = QStringLiteral("no sequencer");
        opened = available;
        return opened;
    }
    bool isOpen() const override { return opened; }
    void send(std::uint32_t message) override { sent.append(message); }
    void close() override { opened = false; }
    void beep() override { ++beeps; }
};
