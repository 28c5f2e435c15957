#include "platform/qt/localinstancechannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace {
constexpr int AnswerTimeoutMs = 2000;
constexpr int CloseTimeoutMs = 5000;
} // namespace

LocalInstanceChannel::LocalInstanceChannel(QObject* parent) : InstanceChannel(parent) {}

LocalInstanceChannel::~LocalInstanceChannel() {
    if (m_server) m_server->close();
}

QString LocalInstanceChannel::serverName() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return QDir(QString::fromLocal8Bit(runtime)).filePath(QStringLiteral("Tabulora9"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("Tabulora9-%1").arg(getuid()));
}

bool LocalInstanceChannel::request(const QByteArray& line) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(AnswerTimeoutMs)) return false;
    socket.write(line + '\n');
    if (!socket.waitForBytesWritten(AnswerTimeoutMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(AnswerTimeoutMs)) return false;
    }
    return socket.readLine().trimmed() == "OK";
}

bool LocalInstanceChannel::primaryExists() {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    const bool answered = socket.waitForConnected(AnswerTimeoutMs);
    if (answered) {
        socket.write("PING\n");
        socket.waitForBytesWritten(AnswerTimeoutMs);
        socket.disconnectFromServer();
    }
    return answered;
}

bool LocalInstanceChannel::listen() {
    if (m_server) return true;
    if (primaryExists()) return false;
    // Nobody answers: a socket file left by a primary that died is stale and can go.
    QLocalServer::removeServer(serverName());
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverName())) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &LocalInstanceChannel::onConnection);
    return true;
}

void LocalInstanceChannel::onConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine();
                const QByteArray content = line.endsWith('\n') ? line.chopped(1) : line;
                if (content.startsWith("HAND ")) {
                    socket->write("OK\n");
                    socket->flush();
                    emit received(QString::fromUtf8(content.mid(5)));
                } else if (content == "CLOSE") {
                    socket->write("OK\n");
                    socket->flush();
                    emit closeRequested();
                }
            }
        });
    }
}

bool LocalInstanceChannel::handOver(const QString& text) {
    QByteArray t = text.toUtf8();
    t.replace('\n', ' ');
    return request("HAND " + t);
}

bool LocalInstanceChannel::closePrimary() {
    if (!request("CLOSE")) return false;
    QDeadlineTimer deadline(CloseTimeoutMs);
    while (!deadline.hasExpired()) {
        if (!primaryExists()) return true;
        QThread::msleep(20);
    }
    return false;
}
