#pragma once
// An engine in a scripted run (support/testcontext.h), driven by keystroke scripts.

#include "core/engine.h"
#include "support/keyscript.h"
#include "support/testcontext.h"

#include <QStringList>
#include <memory>

struct EngineRig : TestContext {
    std::unique_ptr<Engine> engine;

    explicit EngineRig(int format = 2, bool enterAdds = false) {
        engine = std::make_unique<Engine>(context);
        engine->setLoading(true);
        engine->chooseFormat(format);
        engine->setEnterAdds(enterAdds);
        engine->setLoading(false);
    }
    void type(const QString& script) { KeyScript::play(*engine, script); }
};

// Tape lines as printed. Every calculator line is 26 characters (the empty line under the
// insert-text rule aside); a miscounted blank in an expectation stops the test at once.
inline QString tapeLines(const QStringList& lines) {
    QString text;
    for (const QString& l : lines) {
        if (l.size() != 26 && !l.isEmpty()) qFatal("expected line of %d characters: '%s'", int(l.size()), qPrintable(l));
        text += l + QStringLiteral("\r\n");
    }
    return text;
}

inline const QString TapeSeparator = QStringLiteral(" =========================");
