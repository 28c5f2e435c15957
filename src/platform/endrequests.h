#pragma once
// The outside asks the program to end: the desktop session is closing (the session manager's
// commit request), or the system sends SIGTERM or SIGHUP (a shutdown, `kill`, a closed terminal).
// The program answers with its own closing sequence, the one of "Sair", so that the tape and the
// window's settings are written before it goes.

#include <QObject>

class EndRequests : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  signals:
    // Delivered from the event loop, never from a signal handler; may come more than once.
    void requested();
};
