#pragma once
// Choosing how the keys sound, from the menu or again at a start: the MIDI output opened for the
// mode, the instrument asked until it is one (0 to 127), and, where the machine has no synthesizer,
// the user told once and the mode put off; the beep then offers the desktop's own beep instead.
// The chosen mode and instrument go into the options and are stored through the caller.

#include "settings/options.h"
#include "shell/keysound.h"

#include <functional>

struct Context;

class KeySoundChoice {
  public:
    using StoreOption = std::function<void(Option)>;
    KeySoundChoice(const Context& context, KeySound& sound, Options& options, StoreOption store);

    // `storeBeep`: a beep chosen now is stored (not while the calculator loads or is hidden).
    void choose(KeySound::Mode mode, bool storeBeep);
    // The stored mode taken up again without asking.
    void restore();

  private:
    // Opens the output for a mode; where there is none, says so (message 9) and, for the beep,
    // offers the desktop's beep instead. False: the mode is now none.
    bool openOutput(KeySound::Mode wanted);

    const Context& m_context;
    KeySound& m_sound;
    Options& m_options;
    StoreOption m_store;
};
