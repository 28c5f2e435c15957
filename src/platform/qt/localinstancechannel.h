#pragma once
#include "platform/instancechannel.h"

class QLocalServer;

// The primary listens on a local socket named after the program ("Tabulora9") in the user's
// runtime folder; a later start connects, sends one line and waits for the answer "OK".
//   HAND <text>   hand over a command word
//   CLOSE         close the primary
class LocalInstanceChannel : public InstanceChannel {
    Q_OBJECT
  public:
    explicit LocalInstanceChannel(QObject* parent = nullptr);
    ~LocalInstanceChannel() override;

    static QString serverName();

    bool primaryExists() override;
    bool listen() override;
    bool handOver(const QString& text) override;
    bool closePrimary() override;

  private:
    bool request(const QByteArray& line);
    void onConnection();

    QLocalServer* m_server = nullptr;
};
