#pragma once
#include "platform/globalhotkeys.h"

#include <QList>
#include <algorithm>

// Hotkeys registered in memory: a test sees what is registered and fires an id with fire(), which
// does nothing for an id that is not registered, as the real thing would. Unavailable, every hotkey
// is refused.
class FakeGlobalHotkeys : public GlobalHotkeys {
  public:
    bool isAvailable() const override { return available; }
    QList<Hotkey> registerAll(const QList<Hotkey>& hotkeys) override {
        registered = available ? hotkeys : QList<Hotkey>{};
        return available ? QList<Hotkey>{} : hotkeys;
    }
    void unregisterAll() override { registered.clear(); }

    bool fire(int id) {
        const bool known =
            std::any_of(registered.begin(), registered.end(), [id](const Hotkey& h) { return h.id == id; });
        if (known) emit activated(id);
        return known;
    }

    bool available = true;
    QList<Hotkey> registered;
};
