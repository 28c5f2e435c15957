#pragma once
// One primary calculator per user: a later start finds it, hands it one text, or asks it to close.

#include <QObject>
#include <QString>

class InstanceChannel : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Whether a primary is running and answering.
    virtual bool primaryExists() = 0;
    // Becomes the primary: from now on later starts find this process. False when another
    // primary already answers.
    virtual bool listen() = 0;
    // Hands `text` to the running primary; false when there is none or it did not answer.
    virtual bool handOver(const QString& text) = 0;
    // Asks the running primary to close and waits (a few seconds at most) until it is gone.
    virtual bool closePrimary() = 0;

  signals:
    // In the primary: a later start handed over this text.
    void received(const QString& text);
    // In the primary: a later start asked it to close.
    void closeRequested();
};
