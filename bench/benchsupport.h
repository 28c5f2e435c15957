#pragma once
// Stand-ins for the desktop in the benchmarks: a clipboard in memory and dialogs that answer at
// once (Yes or No as the benchmark asks, so that a full tape is cleared or kept).

#include "core/engine.h"
#include "i18n/messagecatalog.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"

struct MemoryClipboard : Clipboard {
    QString text() const override { return m_text; }
    void setText(const QString& t) override {
        m_text = t;
        emit changed();
    }
    void clear() override { m_text.clear(); }
    QString m_text;
};

struct AnsweringDialogs : Dialogs {
    explicit AnsweringDialogs(Answer answer = Answer::No) : m_answer(answer) {}
    Answer message(const QString&, const QString&, Icon, Buttons, std::optional<Answer>) override {
        return m_answer;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    Answer m_answer;
};

// A run in a benchmark: these stand-ins, Portuguese, and a throw-away data folder.
struct BenchContext {
    Messages messages;
    Context context;
    BenchContext(Clipboard& clipboard, Dialogs& dialogs, const QString& dataDir) {
        context.facts.dataDir = dataDir + QLatin1Char('/');
        context.messages = &messages;
        context.clipboard = &clipboard;
        context.dialogs = &dialogs;
    }
};
