#pragma once
#include "platform/clipboard.h"

// Clipboard held in memory; counts writes so tests can tell "set again" from "left alone".
class FakeClipboard : public Clipboard {
public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override {
        m_text = text;
        ++writes;
    }
    void clear() override { m_text.clear(); }
    int writes = 0;

private:
    QString m_text;
};
