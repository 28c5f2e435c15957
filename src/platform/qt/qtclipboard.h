#pragma once
#include "platform/clipboard.h"

// The system clipboard through QClipboard (the CLIPBOARD selection on X11).
class QtClipboard : public Clipboard {
  public:
    QString text() const override;
    void setText(const QString& text) override;
    void clear() override;
};
