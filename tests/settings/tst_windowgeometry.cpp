#include "settings/windowgeometry.h"

#include <QRect>
#include <QTest>

using Entries = QList<QPair<QString, QString>>;

class TestWindowGeometry : public QObject {
    Q_OBJECT

  private slots:
    // A window 7350 twips high or wide whose stored position (the row's name) puts it partly off a
    // screen of 11520 twips loads at 0, at the top and at the left; the compact calculator always opens
    // at the top; twips become whole pixels (at 96 dpi).
    void restore_data() {
        QTest::addColumn<QList<int>>("loaded");                        // top, left, compact top, pixels
        QTest::newRow("4168") << QList<int>{4168, 4168, 0, 278};       // inside, rounds up
        QTest::newRow("4170") << QList<int>{4170, 4170, 0, 278};       // far edge on the screen's edge
        QTest::newRow("4171") << QList<int>{0, 0, 0, 278};             // one twip past, rounds down
        QTest::newRow("2147483647") << QList<int>{0, 0, 0, 143165576}; // a corrupt huge position
    }
    void restore() {
        const int p = QString(QTest::currentDataTag()).toInt();
        QTEST(QList<int>({clampTop(p, 7350, 11520, false), clampLeft(p, 7350, 11520),
                          clampTop(p, 7350, 11520, true), twipsToPixels(p)}),
              "loaded");
    }

    // Closing minimized keeps the stored size and position; the compact windows save only theirs. The
    // options are as designed (the values of changed ones going out are the controller's test).
    void closeSaveEntries_data() {
        QTest::addColumn<WindowMode>("mode");
        QTest::addColumn<Entries>("saved");
        // clang-format off
        QTest::newRow("full, minimized") << WindowMode::Full << Entries{{"CalcEnter", "False"},
            {"Oculte", "False"}, {"Backup", "True"}, {"Idioma", "0"}, {"HotKey", "True"}};
        QTest::newRow("compact") << WindowMode::Compact << Entries{{"MiniHeight", "1,5"}, {"CalcLeft", "3"}};
        // clang-format on
    }
    void closeSaveEntries() {
        QFETCH(WindowMode, mode);
        const bool minimized = QByteArray(QTest::currentDataTag()).endsWith("minimized");
        QTEST(::closeSaveEntries(mode, minimized, Options(), {1.5, 2, 3}, QLocale("pt_BR")), "saved");
    }

    // Where a window (the row's name, the first calculator's frame as the second one gets it) goes on
    // a screen of 1280 x 800: the second calculator (300 x 400) beside the first one, and a window whose
    // title bar is out of reach onto a screen (a second one, 1024 x 768, stands to the right).
    void placed_data() {
        QTest::addColumn<QPoint>("placed");
        QTest::newRow("beside 100,50,400,500") << QPoint(508, 50);  // room on the right
        QTest::newRow("beside 900,50,380,500") << QPoint(592, 50);  // against the right edge: on the left
        QTest::newRow("beside 100,50,1000,500") << QPoint(140, 90); // no room either side: a step away
        QTest::newRow("beside 0,600,400,200") << QPoint(408, 400);  // low on the screen: pulled up
        QTest::newRow("10,-30,400,500") << QPoint(10, 0);           // title above the screen
        QTest::newRow("-3000,100,400,500") << QPoint(0, 100);       // left of every screen
        QTest::newRow("1500,10,400,500") << QPoint(1500, 10);       // on the second screen: stays
        QTest::newRow("100,900,400,500") << QPoint(100, 300);       // below the bottom
    }
    void placed() {
        const QString row = QTest::currentDataTag();
        const QRect frame = frameFromText(row.section(' ', -1)), screen(0, 0, 1280, 800);
        QTEST(row.startsWith("beside") ? besideFrame(frame, QSize(300, 400), screen)
                                       : reachablePosition(frame, 20, {screen, {1280, 0, 1024, 768}}),
              "placed");
    }
};

QTEST_GUILESS_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
