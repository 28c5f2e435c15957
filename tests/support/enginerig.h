#pragma once
// An engine with scripted clipboard and dialogs, a private data folder and a fixed clock
// (5 December 2026, 09:30:15), driven by keystroke scripts.

#include "core/engine.h"
#include "support/fakeclipboard.h"
#include "support/fakedialogs.h"
#include "support/keyscript.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

struct EngineRig {
    QTemporaryDir dir;
    FakeClipboard clipboard;
    FakeDialogs dialogs;
    std::unique_ptr<Engine> engine;

    explicit EngineRig(int format = 2, bool enterAdds = false) {
        EngineEnvironment env;
        env.clipboard = &clipboard;
        env.dialogs = &dialogs;
        env.dataDir = dir.path() + QLatin1Char('/');
        env.locale = QLocale(QLocale::Portuguese, QLocale::Brazil);
        env.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(9, 30, 15)); };
        engine = std::make_unique<Engine>(env);
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
