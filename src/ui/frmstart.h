#pragma once
// The splash: shown above every window while the program starts; its timer fires once after
// 100 ms and hands over to the tray window's load.

#include <QWidget>

class QTimer;

class frmStart : public QWidget {
    Q_OBJECT
public:
    explicit frmStart(QWidget* parent = nullptr);
    // Starts the 100 ms timer; `visible` is false for the silent starts.
    void start(bool visible);

signals:
    void elapsed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* m_timer;
};
