// Another program with one text field holding "old text": it prints the field's text whenever it
// changes, so a test can see what was pasted into it.
#include <QApplication>
#include <QLineEdit>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit field(QStringLiteral("old text"));
    field.setWindowTitle(QStringLiteral("Other Field"));
    QObject::connect(&field, &QLineEdit::textChanged, [](const QString& text) {
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    field.resize(300, 30);
    field.move(100, 600);
    field.show();
    return app.exec();
}
