#include "shell/keysoundchoice.h"

#include "i18n/messagecatalog.h"
#include "platform/context.h"
#include "platform/dialogs.h"

KeySoundChoice::KeySoundChoice(const Context& context, KeySound& sound, Options& options, StoreOption store)
    : m_context(context), m_sound(sound), m_options(options), m_store(std::move(store)) {}

bool KeySoundChoice::openOutput(KeySound::Mode wanted) {
    if (m_sound.openOutput()) return true;
    if (m_context.dialogs && m_context.messages) {
        const Messages& text = *m_context.messages;
        if (wanted == KeySound::Mode::Beep) {
            // No synthesizer: the desktop's own beep still lets the keys be heard.
            const auto answer = m_context.dialogs->message(
                text.text(9) + QStringLiteral("\r\n\r\n") + text.text(360), QString(),
                Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo, Dialogs::Answer::Yes);
            if (answer == Dialogs::Answer::Yes) return true;
        } else {
            m_context.dialogs->message(text.text(9), QString(), Dialogs::Icon::Exclamation);
        }
    }
    choose(KeySound::Mode::None, false);
    return false;
}

void KeySoundChoice::choose(KeySound::Mode mode, bool storeBeep) {
    switch (mode) {
    case KeySound::Mode::None:
        m_sound.setMode(KeySound::Mode::None);
        m_options.keySound = int(KeySound::Mode::None);
        m_store(Option::KeySound);
        return;
    case KeySound::Mode::Beep:
        if (m_sound.mode() == KeySound::Mode::None && !openOutput(mode)) return;
        m_sound.stop();
        m_sound.sendInstrument(0);
        m_sound.setMode(mode);
        m_options.keySound = int(mode);
        if (storeBeep) m_store(Option::KeySound);
        return;
    case KeySound::Mode::Musical:
        m_sound.stop();
        // Notes need the synthesizer, which the desktop's beep standing in for it does not have.
        if (!m_sound.outputOpen() && !openOutput(mode)) return;
        if (!m_context.dialogs || !m_context.messages) return;
        const Messages& text = *m_context.messages;
        for (;;) {
            const QString answer =
                m_context.dialogs->input(text.text(57), text.text(58), QString::number(m_options.instrument));
            if (answer.isEmpty()) {
                choose(KeySound::Mode::None, false);
                return;
            }
            bool ok = false;
            const int instrument = answer.trimmed().toInt(&ok);
            if (!ok || instrument < 0 || instrument > 127) continue;
            m_sound.sendInstrument(instrument);
            m_sound.setMode(mode);
            m_options.instrument = instrument;
            m_options.keySound = int(mode);
            m_store(Option::Instrument);
            m_store(Option::KeySound);
            return;
        }
    }
}

void KeySoundChoice::restore() {
    switch (KeySound::Mode(m_options.keySound)) {
    case KeySound::Mode::None:
        m_sound.setMode(KeySound::Mode::None);
        break;
    case KeySound::Mode::Beep:
        // Chosen before, perhaps with the desktop's beep standing in: asked no more.
        m_sound.openOutput();
        m_sound.sendInstrument(0);
        m_sound.setMode(KeySound::Mode::Beep);
        break;
    case KeySound::Mode::Musical:
        if (!openOutput(KeySound::Mode::Musical)) break;
        m_sound.sendInstrument(m_options.instrument);
        m_sound.setMode(KeySound::Mode::Musical);
        break;
    }
}
