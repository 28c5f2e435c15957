#pragma once
// The splash: shown above every window while the program starts; its timer fires once after
// 100 ms and hands over to the tray window's load.

#include <QWidget>

class Messages;
class QTimer;

class frmStart : public QWidget {
    Q_OBJECT
  public:
    // The splash's line is in the language of `messages`.
    explicit frmStart(const Messages& messages, QWidget* parent = nullptr);
    // Starts the 100 ms timer; `visible` is false for the silent starts.
    void start(bool visible);

  signals:
    void elapsed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Messages& m_messages;
    QTimer* m_timer;
};
