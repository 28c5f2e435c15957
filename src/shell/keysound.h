#pragma once
// The note a key plays. In beep mode every key plays one high note; in musical mode the letter and
// digit rows of the keyboard play the major scale over four octaves, on the instrument the user
// chose, like a small piano. A held key sounds once: its repeats are not struck again. The note
// stops when the key is let go and when the window loses the activation.

#include <cstdint>
#include <optional>

class MidiOutput;

class KeySound {
  public:
    enum class Mode { None = 1, Beep = 2, Musical = 3 };

    // Note numbers count from MIDI note 36 (the lowest C of the table). All on channel 4.
    static constexpr int BeepNote = 63;
    static constexpr std::uint32_t noteOn(int note) {
        return 0x93u + std::uint32_t(note + 36) * 0x100u + 120u * 0x10000u;
    }
    static constexpr std::uint32_t noteOff(int note) { return 0x93u + std::uint32_t(note + 36) * 0x100u; }
    static constexpr std::uint32_t program(int instrument) {
        return 0xC3u + std::uint32_t(instrument) * 0x100u;
    }

    // The classic virtual-key code of a Qt key: letters and digits are their own codes, the numeric
    // keypad 96 to 111, Enter 13, Insert 45, the main minus 189, Ç 199 (and 186, the key it sits
    // on); any other key keeps its Qt code, so that two different keys never look the same.
    static int virtualKey(int qtKey, bool keypad);
    // The note of a virtual key; none for a key outside the table.
    static std::optional<int> noteOf(int virtualKey);

    explicit KeySound(MidiOutput* output) : m_output(output) {}

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    int note() const { return m_note; }
    // Opens the output if it is closed; false where the machine has none.
    bool openOutput();
    void closeOutput();
    bool outputOpen() const;
    // Sends the instrument (program change) to the open output.
    void sendInstrument(int instrument);

    void keyDown(int virtualKey);
    void keyUp();
    // The window lost the activation: the note stops, and the next key sounds whatever it is.
    void stop();
    // The current note, as a signal before a warning.
    void signal();

  private:
    void send(std::uint32_t message);
    void strike();

    MidiOutput* m_output;
    Mode m_mode = Mode::None;
    int m_note = 0;
    std::optional<int> m_lastKey;
};
