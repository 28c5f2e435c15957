#include "platform/unix/unixendrequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_writeEnd = -1;
constexpr int Signals[] = {SIGTERM, SIGHUP};
// The closing sequence takes milliseconds. Should the event loop not come round to it (a roll
// printer that blocks its port, a display that went away), the signal ends the process after all,
// as it did before it was caught.
constexpr unsigned GraceSeconds = 5;

void onSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    if (g_writeEnd >= 0 && ::write(g_writeEnd, &byte, 1) < 0) {
        // A full pipe already holds a request: nothing is lost.
    }
    ::alarm(GraceSeconds);
    errno = savedErrno;
}

} // namespace

UnixEndRequests::UnixEndRequests(QObject* parent) : EndRequests(parent) {
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &UnixEndRequests::drain);
        g_writeEnd = m_pipe[1];
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int s : Signals)
            sigaction(s, &action, nullptr);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { emit requested(); });
}

UnixEndRequests::~UnixEndRequests() {
    if (m_pipe[0] < 0) return;
    for (int s : Signals)
        std::signal(s, SIG_DFL);
    g_writeEnd = -1;
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void UnixEndRequests::drain() {
    char bytes[16];
    while (::read(m_pipe[0], bytes, sizeof bytes) > 0) {
    }
    emit requested();
}
