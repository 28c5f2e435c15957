#pragma once
// The system clipboard, as the calculator uses it: totals go out, the display comes in, and the
// clipboard monitor hears of every new copy.

#include <QObject>
#include <QString>

class Clipboard : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // "" when the clipboard holds no text (an image, binary data) or cannot be read.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void clear() = 0;

  signals:
    // Whatever program copied, this one included. Delivered from the event loop.
    void changed();
};
