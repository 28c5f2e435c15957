#include "settings/windowgeometry.h"

#include <QRect>
#include <QTest>
#include <climits>

using Entries = QList<QPair<QString, QString>>;

class TestWindowGeometry : public QObject {
    Q_OBJECT

  private slots:
    // A window 7350 twips high or wide whose stored position puts it partly off a screen of 11520
    // twips loads at 0 (the compact calculator always opens at the top); twips become whole pixels.
    void restore_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("clamped");
        QTest::addColumn<int>("pixels"); // of the position, at 96 dpi
        QTest::newRow("inside, rounds up") << 4168 << 4168 << 278;
        QTest::newRow("far edge on the screen edge") << 4170 << 4170 << 278;
        QTest::newRow("one twip past, rounds down") << 4171 << 0 << 278;
        QTest::newRow("corrupt huge position") << INT_MAX << 0 << 143165576;
    }
    void restore() {
        QFETCH(int, position);
        QFETCH(int, clamped);
        QFETCH(int, pixels);
        QCOMPARE(clampTop(position, 7350, 11520, false), clamped);
        QCOMPARE(clampLeft(position, 7350, 11520), clamped);
        QCOMPARE(clampTop(position, 7350, 11520, true), 0);
        QCOMPARE(twipsToPixels(position), pixels);
    }

    // Closing minimized keeps the stored size and position; the compact windows save only theirs.
    void closeSaveEntries_data() {
        QTest::addColumn<WindowMode>("mode");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<Entries>("expected");
        // clang-format off
        QTest::newRow("full minimized") << WindowMode::Full << true << Entries{
        {"CalcEnter", "True"}, {"Oculte", "False"}, {"Backup", "True"}, {"Idioma", "2"}, {"HotKey", "False"}};
        QTest::newRow("compact") << WindowMode::Compact << false
                                 << Entries{{"MiniHeight", "7350,5"}, {"CalcLeft", "14840"}};
        // clang-format on
        QTest::newRow("aux minimized") << WindowMode::Auxiliary << true << Entries{};
    }
    void closeSaveEntries() {
        QFETCH(WindowMode, mode);
        QFETCH(bool, minimized);
        QFETCH(Entries, expected);
        // Enter adds, keypad shown, backup on, English, no hotkeys, small font.
        Options options;
        options.enterAdds = true, options.language = 2, options.hotkeys = false, options.largeFont = false;
        QCOMPARE(::closeSaveEntries(mode, minimized, options, {7350.5, 120, 14840}, QLocale("pt_BR")), expected);
    }

    // The second calculator (300 x 400) beside a first one on a 1280 x 800 screen.
    void secondCalculatorOpensBeside_data() {
        QTest::addColumn<QRect>("first");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("room on the right") << QRect(100, 50, 400, 500) << QPoint(508, 50);
        QTest::newRow("against the right edge: on the left") << QRect(900, 50, 380, 500) << QPoint(592, 50);
        QTest::newRow("no room either side: a step away") << QRect(100, 50, 1000, 500) << QPoint(140, 90);
        QTest::newRow("low on the screen: pulled up") << QRect(0, 600, 400, 200) << QPoint(408, 400);
    }
    void secondCalculatorOpensBeside() {
        QFETCH(QRect, first);
        QFETCH(QPoint, expected);
        QCOMPARE(besideFrame(frameFromText(frameToText(first)), QSize(300, 400), QRect(0, 0, 1280, 800)), expected);
    }

    void titleBarStaysReachable_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("on the screen: stays") << QRect(0, 0, 400, 500) << QPoint(0, 0);
        QTest::newRow("title above the screen") << QRect(10, -30, 400, 500) << QPoint(10, 0);
        QTest::newRow("left of every screen") << QRect(-3000, 100, 400, 500) << QPoint(0, 100);
        QTest::newRow("on the second screen: stays") << QRect(1500, 10, 400, 500) << QPoint(1500, 10);
        QTest::newRow("below the bottom") << QRect(100, 900, 400, 500) << QPoint(100, 300);
    }
    void titleBarStaysReachable() {
        QFETCH(QRect, frame);
        QFETCH(QPoint, expected);
        QCOMPARE(reachablePosition(frame, 20, {QRect(0, 0, 1280, 800), QRect(1280, 0, 1024, 768)}), expected);
    }
};

QTEST_GUILESS_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
