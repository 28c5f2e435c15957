#pragma once
// Keystroke scripts for the engine: every character is one key handed to the dispatcher, and a
// few keys that are not characters are written in braces: {enter} {back} {esc} {del} {neg}
// {undo} {redo} {time} (time mode on/off) {mc} {mr} {m+} {m-}.

#include "core/engine.h"

#include <QString>

namespace KeyScript {

inline void play(Engine& engine, const QString& script) {
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script.at(i) == QLatin1Char('{')) {
            const qsizetype end = script.indexOf(QLatin1Char('}'), i);
            const QString name = script.mid(i + 1, end - i - 1);
            i = end;
            if (name == QLatin1String("enter")) engine.keyPress(Engine::KeyEnter);
            else if (name == QLatin1String("back")) engine.keyPress(Engine::KeyBackspace);
            else if (name == QLatin1String("esc")) engine.keyPress(Engine::KeyEsc);
            else if (name == QLatin1String("del")) engine.pressClearEntry();
            else if (name == QLatin1String("neg")) engine.pressSign();
            else if (name == QLatin1String("undo")) engine.undo();
            else if (name == QLatin1String("redo")) engine.redo();
            else if (name == QLatin1String("time")) engine.setTimeMode(!engine.timeMode());
            else if (name == QLatin1String("mc")) engine.memoryClear();
            else if (name == QLatin1String("mr")) engine.memoryRecall();
            else if (name == QLatin1String("m+")) engine.memoryAdd();
            else if (name == QLatin1String("m-")) engine.memorySubtract();
            else qFatal("unknown key {%s}", qPrintable(name));
            continue;
        }
        engine.keyPress(script.at(i).unicode());
    }
}

} // namespace KeyScript
