#pragma once
#include "platform/globalhotkeys.h"

#include <QList>

// Hotkeys registered in memory. A test lists the keys "another program" holds in `taken`, sees what
// is registered, and presses a key with press() or fires an id with fire(); both do nothing for a
// key that is not registered, as the real thing would.
class FakeGlobalHotkeys : public GlobalHotkeys {
  public:
    bool isAvailable() const override { return available; }
    QList<Hotkey> registerAll(const QList<Hotkey>& hotkeys) override {
        ++registerCalls;
        registered.clear();
        QList<Hotkey> refused;
        for (const Hotkey& h : hotkeys) {
            if (!available || isTaken(h))
                refused.append(h);
            else
                registered.append(h);
        }
        return refused;
    }
    void unregisterAll() override {
        ++unregisterCalls;
        registered.clear();
    }

    bool isRegistered(int id) const {
        for (const Hotkey& h : registered)
            if (h.id == id) return true;
        return false;
    }
    bool fire(int id) {
        if (!isRegistered(id)) return false;
        emit activated(id);
        return true;
    }
    bool press(quint32 keysym, Modifiers modifiers) {
        for (const Hotkey& h : registered)
            if (h.keysym == keysym && h.modifiers == modifiers) return fire(h.id);
        return false;
    }

    bool available = true;
    QList<Hotkey> taken; // refused whatever their id
    QList<Hotkey> registered;
    int registerCalls = 0;
    int unregisterCalls = 0;

  private:
    bool isTaken(const Hotkey& h) const {
        for (const Hotkey& t : taken)
            if (t.keysym == h.keysym && t.modifiers == h.modifiers) return true;
        return false;
    }
};
