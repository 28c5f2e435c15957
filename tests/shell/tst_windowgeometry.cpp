#include "shell/windowgeometry.h"

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
        QTest::addColumn<CloseState::Mode>("mode");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<Entries>("expected");
        // clang-format off
        QTest::newRow("full minimized") << CloseState::Mode::Full << true << Entries{
        {"CalcEnter", "True"}, {"Oculte", "False"}, {"Backup", "True"}, {"Idioma", "2"}, {"HotKey", "False"}};
        QTest::newRow("compact") << CloseState::Mode::Compact << false
                                 << Entries{{"MiniHeight", "7350,5"}, {"CalcLeft", "14840"}};
        // clang-format on
        QTest::newRow("aux minimized") << CloseState::Mode::Aux << true << Entries{};
    }
    void closeSaveEntries() {
        QFETCH(CloseState::Mode, mode);
        QFETCH(bool, minimized);
        QFETCH(Entries, expected);
        // Enter adds, keypad shown, backup on, English, no hotkeys, small font.
        const CloseState state{mode, minimized, true, false, true, 2, false, false, 7350.5, 120, 14840};
        QCOMPARE(::closeSaveEntries(state, QLocale("pt_BR")), expected);
    }
};

QTEST_GUILESS_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
