#pragma once
#include "platform/clipboard.h"

// The system clipboard through QClipboard (the CLIPBOARD selection on X11), whose change signal
// tells of every copy, so nothing polls.
class QtClipboard : public Clipboard {
  public:
    QtClipboard();
    QString text() const override;
    void setText(const QString& text) override;
    void clear() override;
};
