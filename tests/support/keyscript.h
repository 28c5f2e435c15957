#pragma once
// Keystroke scripts for the engine: every character is one key handed to the dispatcher, and the
// keys and menu commands that are not characters are written in braces: {enter} {back} {esc} {del}
// {neg} {undo} {redo} {mc} {mr} {m+} {m-} {clear} (clear the tape), the switches {time} (time mode), {text}
// (insert text) and {adds} (Enter adds), {f0} to {f10}, the display formats, and {reenter WORD}, a double
// click on a word of the tape.

#include "core/engine.h"

#include <QHash>
#include <QString>
#include <functional>

namespace KeyScript {

inline void play(Engine& engine, const QString& script) {
    using E = Engine;
    static const QHash<QString, std::function<void(E&)>> named{
        {"enter", [](E& e) { e.keyPress(E::KeyEnter); }},
        {"back", [](E& e) { e.keyPress(E::KeyBackspace); }},
        {"esc", [](E& e) { e.keyPress(E::KeyEsc); }},
        {"time", [](E& e) { e.setTimeMode(!e.timeMode()); }},
        {"text", [](E& e) { e.setInsertText(!e.insertText()); }},
        {"adds", [](E& e) { e.setEnterAdds(!e.enterAdds()); }},
        {"del", &E::pressClearEntry},
        {"neg", &E::pressSign},
        {"undo", &E::undo},
        {"redo", &E::redo},
        {"mc", &E::memoryClear},
        {"mr", &E::memoryRecall},
        {"m+", &E::memoryAdd},
        {"m-", &E::memorySubtract},
        {"clear", &E::clearTape}};
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script.at(i) != QLatin1Char('{')) {
            engine.keyPress(script.at(i).unicode());
            continue;
        }
        const qsizetype end = script.indexOf(QLatin1Char('}'), i);
        const QString name = script.mid(i + 1, end - i - 1);
        i = end;
        if (named.contains(name))
            named[name](engine);
        else if (name.startsWith(QLatin1String("reenter ")))
            engine.reenter(name.mid(8), 0);
        else if (name.startsWith(QLatin1Char('f')))
            engine.chooseFormat(name.mid(1).toInt());
        else
            qFatal("unknown key {%s}", qPrintable(name));
    }
}

} // namespace KeyScript
