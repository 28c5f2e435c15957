#pragma once
#include "platform/endrequests.h"

class QSocketNotifier;

// SIGTERM and SIGHUP are caught by a handler that only writes one byte to a pipe (all a signal
// handler may safely do); the pipe's reading end wakes the event loop, which emits requested().
// The session manager's commit request arrives as a Qt signal and is passed on as it is.
// One instance per process: the handler has a single pipe to write to.
class UnixEndRequests : public EndRequests {
    Q_OBJECT
  public:
    explicit UnixEndRequests(QObject* parent = nullptr);
    ~UnixEndRequests() override;

  private:
    void drain();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
};
