#pragma once
// An engine in a scripted run (support/testcontext.h), driven by keystroke scripts
// (support/keyscript.h), and the calculations table the logic tests share.

#include "core/engine.h"
#include "support/keyscript.h"
#include "support/testcontext.h"

#include <QStringList>
#include <QTest>
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
        if (l.size() != 26 && !l.isEmpty())
            qFatal("expected line of %d characters: '%s'", int(l.size()), qPrintable(l));
        text += l + QStringLiteral("\r\n");
    }
    return text;
}

inline const QString TapeSeparator = QStringLiteral(" =========================");

// Tape lines in short, "|" between them: "=" is the separator; a line that begins with a blank is
// filled up with blanks on its right (" 002"), any other on its left ("5 +" is a number line).
inline QString tape(const QString& lines) {
    QStringList full;
    if (!lines.isEmpty())
        for (const QString& l : lines.split(QLatin1Char('|')))
            full << (l == QLatin1String("=")          ? TapeSeparator
                     : l.startsWith(QLatin1Char(' ')) ? l.leftJustified(26)
                                                      : l.rightJustified(l.isEmpty() ? 0 : 26));
    return tapeLines(full);
}

// A keystroke script typed on a new engine (traditional format), then the display as the person
// sees it, the tape in short and the clipboard.
namespace Calculations {
inline void columns() {
    for (const char* column : {"keys", "display", "tape", "clipboard"})
        QTest::addColumn<QString>(column);
}
inline void row(const char* name, const QString& keys, const QString& display, const QString& lines = {},
                const QString& clipboard = {}) {
    QTest::newRow(name) << keys << display << tape(lines) << clipboard;
}
inline void check() {
    QFETCH(QString, keys);
    EngineRig rig;
    rig.type(keys);
    QTEST(rig.engine->shownDisplay(), "display");
    QTEST(rig.engine->tape().text(), "tape");
    QTEST(rig.clipboard.text(), "clipboard");
}
} // namespace Calculations
