#pragma once
#include "platform/clipboard.h"

// Clipboard held in memory; counts writes so tests can tell "set again" from "left alone". Every
// change is announced, as the desktop does, this program's own copies included; copyElsewhere()
// plays another program copying.
class FakeClipboard : public Clipboard {
  public:
    QString text() const override { return m_text; }
    void setText(const QString& text) override {
        m_text = text;
        ++writes;
        emit changed();
    }
    void clear() override {
        m_text.clear();
        emit changed();
    }
    void copyElsewhere(const QString& text) {
        m_text = text;
        emit changed();
    }
    int writes = 0;

  private:
    QString m_text;
};
