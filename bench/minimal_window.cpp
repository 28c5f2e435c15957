// A QMainWindow with one label: what any Qt 6 program pays to show a window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setCentralWidget(new QLabel(QStringLiteral("0,00"), &window));
    window.show();
    return app.exec();
}
