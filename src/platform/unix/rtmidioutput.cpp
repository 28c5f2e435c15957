#include "platform/unix/rtmidioutput.h"

#include <QApplication>
#include <rtmidi/RtMidi.h>

namespace {

// A failure while playing is not worth a word to the user: the note is simply not heard.
void ignoreError(RtMidiError::Type, const std::string&, void*) {}

} // namespace

RtMidiOutput::RtMidiOutput() = default;
RtMidiOutput::~RtMidiOutput() = default;

bool RtMidiOutput::open(QString* reason) {
    if (m_out) return true;
    try {
        auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Tabulora");
        if (out->getPortCount() == 0) {
            if (reason) *reason = QStringLiteral("no MIDI output port");
            return false;
        }
        out->setErrorCallback(&ignoreError);
        out->openPort(0, "Tabulora keys");
        m_out = std::move(out);
        return true;
    } catch (const RtMidiError& e) {
        if (reason) *reason = QString::fromStdString(e.getMessage());
        return false;
    }
}

void RtMidiOutput::send(std::uint32_t shortMessage) {
    if (!m_out) return;
    const unsigned char bytes[3] = {static_cast<unsigned char>(shortMessage & 0xFF),
                                    static_cast<unsigned char>((shortMessage >> 8) & 0x7F),
                                    static_cast<unsigned char>((shortMessage >> 16) & 0x7F)};
    // Program change and channel pressure carry one data byte, every other channel message two.
    const bool oneDataByte = (bytes[0] & 0xE0) == 0xC0;
    try {
        m_out->sendMessage(bytes, oneDataByte ? 2 : 3);
    } catch (const RtMidiError&) {
    }
}

void RtMidiOutput::close() {
    m_out.reset();
}

void RtMidiOutput::beep() {
    QApplication::beep();
}
