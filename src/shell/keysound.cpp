#include "shell/keysound.h"

#include "platform/midioutput.h"

#include <Qt>

namespace {

// Virtual-key codes that are not the character of their key.
constexpr int VkEnter = 13, VkInsert = 45, VkKeypad0 = 96, VkMultiply = 106, VkAdd = 107, VkSubtract = 109,
              VkDecimal = 110, VkDivide = 111, VkOem1 = 186, VkMinus = 189, VkCcedilla = 199;

struct NoteKeys {
    int note;
    int keys[2]; // 0: none
};
// clang-format off
constexpr NoteKeys kNotes[] = {
    {0, {'Z'}},  {2, {'X'}},  {4, {'C'}},  {5, {'V'}},  {7, {'B'}},  {9, {'N'}},  {11, {'M'}},
    {12, {'A'}}, {14, {'S'}}, {16, {'D', VkEnter}}, {17, {'F'}}, {19, {'G', VkDivide}}, {21, {'H'}},
    {23, {'J', VkMultiply}}, {24, {'K'}}, {26, {'L', VkSubtract}}, {28, {VkCcedilla, VkOem1}},
    {29, {'Q', VkAdd}}, {31, {'W'}}, {33, {'E', VkDecimal}}, {35, {'R', VkKeypad0}}, {36, {'T', VkKeypad0 + 1}},
    {38, {'Y', VkKeypad0 + 2}}, {40, {'U', VkKeypad0 + 3}}, {41, {'I', VkKeypad0 + 4}}, {43, {'O', VkKeypad0 + 5}},
    {45, {'P', VkKeypad0 + 6}}, {47, {'1', VkKeypad0 + 7}}, {48, {'2', VkKeypad0 + 8}}, {50, {'3', VkKeypad0 + 9}},
    {52, {'4'}}, {53, {'5'}}, {55, {'6'}}, {57, {'7'}}, {59, {'8'}}, {60, {'9'}}, {62, {'0'}},
    {64, {VkInsert, VkMinus}},
};
// clang-format on

} // namespace

int KeySound::virtualKey(int qtKey, bool keypad) {
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VkKeypad0 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return VkMultiply;
        case Qt::Key_Plus:
            return VkAdd;
        case Qt::Key_Minus:
            return VkSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VkDecimal;
        case Qt::Key_Slash:
            return VkDivide;
        default:
            break;
        }
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkEnter;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Minus:
        return VkMinus;
    case Qt::Key_Ccedilla:
        return VkCcedilla;
    case Qt::Key_Semicolon:
        return VkOem1;
    default:
        return qtKey;
    }
}

std::optional<int> KeySound::noteOf(int virtualKey) {
    for (const NoteKeys& n : kNotes)
        for (int key : n.keys)
            if (key != 0 && key == virtualKey) return n.note;
    return std::nullopt;
}

void KeySound::setMode(Mode mode) {
    m_mode = mode;
    m_lastKey.reset();
    if (mode == Mode::None) closeOutput();
}

bool KeySound::openOutput() {
    return m_output && (m_output->isOpen() || m_output->open());
}

void KeySound::closeOutput() {
    if (m_output && m_output->isOpen()) m_output->close();
}

bool KeySound::outputOpen() const {
    return m_output && m_output->isOpen();
}

void KeySound::send(std::uint32_t message) {
    if (m_mode != Mode::None && outputOpen()) m_output->send(message);
}

void KeySound::sendInstrument(int instrument) {
    if (outputOpen()) m_output->send(program(instrument));
}

void KeySound::strike() {
    if (outputOpen())
        m_output->send(noteOn(m_note));
    else if (m_output && m_mode == Mode::Beep)
        m_output->beep(); // where no synthesizer plays
}

void KeySound::keyDown(int virtualKey) {
    switch (m_mode) {
    case Mode::None:
        return;
    case Mode::Beep:
        m_note = BeepNote;
        break;
    case Mode::Musical:
        if (m_lastKey == virtualKey) return; // the key is held: its repeats are not struck
        if (const auto n = noteOf(virtualKey)) m_note = *n;
        break;
    }
    strike();
    m_lastKey = virtualKey;
}

void KeySound::keyUp() {
    send(noteOff(m_note));
    m_lastKey.reset();
}

void KeySound::stop() {
    send(noteOff(m_note));
    m_lastKey.reset();
}

void KeySound::signal() {
    if (m_mode != Mode::None) strike();
}
