#pragma once
// The system clipboard, as the calculator uses it: totals go out, the display comes in.

#include <QString>

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void clear() = 0;
};
