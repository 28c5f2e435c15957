#include "shell/settingsstore.h"
#include "shell/windowgeometry.h"
#include "support/isolatedhome.h"

#include <QTest>
#include <climits>

Q_DECLARE_METATYPE(CloseState::Mode)

class TestWindowGeometry : public QObject {
    Q_OBJECT

  private slots:
    // Both edges follow one rule: a stored position that puts the window partly off the screen
    // loads as 0. The compact calculator always opens at the top.
    void clamp_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside") << 1200 << 7350 << 11520 << 1200;
        QTest::newRow("far edge on the screen edge") << 4170 << 7350 << 11520 << 4170;
        QTest::newRow("one twip past") << 4171 << 7350 << 11520 << 0;
        QTest::newRow("negative") << -15 << 7350 << 11520 << 0;
        QTest::newRow("larger than the screen") << 0 << 12000 << 11520 << 0;
        QTest::newRow("corrupt huge position") << INT_MAX << 7350 << 11520 << 0;
    }
    void clamp() {
        QFETCH(int, position);
        QFETCH(int, size);
        QFETCH(int, screen);
        QFETCH(int, expected);
        QCOMPARE(clampTop(position, size, screen, false), expected);
        QCOMPARE(clampLeft(position, size, screen), expected);
        QCOMPARE(clampTop(position, size, screen, true), 0);
    }

    // A first start opens at the right edge, a quarter inch in, unless the screen is too narrow.
    void firstStartLeft_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<int>("expectedLeft");
        QTest::newRow("1280 pixels") << 19200 << 4000 << 14840;
        QTest::newRow("just fits") << 4360 << 4000 << 0;
        QTest::newRow("too narrow") << 4000 << 4000 << 0;
    }
    void firstStartLeft() {
        QFETCH(int, screenWidth);
        QFETCH(int, windowWidth);
        QFETCH(int, expectedLeft);
        const int left = defaultLeft(screenWidth, windowWidth);
        QCOMPARE(left + windowWidth + 360, screenWidth);
        QCOMPARE(clampLeft(left, windowWidth, screenWidth), expectedLeft);
    }

    void twipsAndPixels_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("exact"); // the pixels convert back to the same twips
        QTest::newRow("96 dpi") << 96 << 7350.0 << 490 << true;
        QTest::newRow("120 dpi") << 120 << 5880.0 << 490 << true;
        QTest::newRow("72 dpi") << 72 << -20.0 << -1 << true;
        QTest::newRow("no dpi counts as 96") << 0 << 15.0 << 1 << true;
        QTest::newRow("rounds down") << 96 << 7357.0 << 490 << false;
        QTest::newRow("rounds half up") << 96 << 7357.5 << 491 << false;
        QTest::newRow("corrupt huge") << 96 << 3e38 << INT_MAX << false;
        QTest::newRow("corrupt huge negative") << 96 << -3e38 << INT_MIN << false;
        QTest::newRow("not a number") << 96 << std::numeric_limits<double>::quiet_NaN() << 0 << false;
    }
    void twipsAndPixels() {
        QFETCH(int, dpi);
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QFETCH(bool, exact);
        QCOMPARE(twipsToPixels(twips, dpi), pixels);
        if (exact) QCOMPARE(pixelsToTwips(pixels, dpi), int(twips));
    }

    void closeSaveEntries_data() {
        QTest::addColumn<CloseState::Mode>("mode");
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("expected");
        using M = CloseState::Mode;
        const QStringList always = {"CalcEnter=True", "Oculte=False", "Backup=True", "Idioma=2",
                                    "HotKey=False"};
        QTest::newRow("full") << M::Full << false << "pt_BR"
                              << always + QStringList{"CalcHeight=7350,5", "CalcTop=120", "CalcLeft=14840",
                                                      "Letrona=False"};
        QTest::newRow("full, English")
            << M::Full << false << "en_US"
            << always + QStringList{"CalcHeight=7350.5", "CalcTop=120", "CalcLeft=14840", "Letrona=False"};
        QTest::newRow("full minimized") << M::Full << true << "pt_BR" << always;
        QTest::newRow("compact") << M::Compact << false << "pt_BR"
                                 << QStringList{"MiniHeight=7350,5", "CalcLeft=14840"};
        QTest::newRow("compact minimized") << M::Compact << true << "pt_BR" << QStringList{};
        QTest::newRow("aux") << M::Aux << false << "pt_BR"
                             << QStringList{"MiniHeight=7350,5", "CalcLeft=14840"};
        QTest::newRow("aux minimized") << M::Aux << true << "pt_BR" << QStringList{};
    }
    void closeSaveEntries() {
        QFETCH(CloseState::Mode, mode);
        QFETCH(bool, minimized);
        QFETCH(QString, locale);
        QFETCH(QStringList, expected);
        const CloseState state{.mode = mode,
                               .minimized = minimized,
                               .calcEnter = true,
                               .keypadHidden = false,
                               .backup = true,
                               .language = 2,
                               .hotKey = false,
                               .largeFont = false,
                               .height = 7350.5,
                               .top = 120,
                               .left = 14840};
        QStringList actual;
        for (const auto& [key, text] : ::closeSaveEntries(state, QLocale(locale)))
            actual << key + QLatin1Char('=') + text;
        QCOMPARE(actual, expected);
    }

    // Closing minimized keeps the stored geometry; what a close does not save stays as it was.
    void saveOnCloseWritesThroughTheStore() {
        IsolatedHome home;
        const QLocale locale("pt_BR");
        {
            SettingsStore store;
            store.write("Conf", "CalcHeight", "6000");
            store.write("Conf", "CalcTop", "50");
            saveOnClose(store, {.minimized = true, .calcEnter = true, .height = 9000, .top = 900}, locale);
            saveOnClose(store, {.mode = CloseState::Mode::Aux, .height = 1400, .left = 300}, locale);
        }
        SettingsStore reader;
        const auto read = [&reader](const char* key) { return reader.read("Conf", key, "<missing>"); };
        QCOMPARE(read("CalcHeight"), QStringLiteral("6000"));
        QCOMPARE(read("CalcTop"), QStringLiteral("50"));
        QCOMPARE(read("CalcEnter"), QStringLiteral("True"));
        QCOMPARE(read("MiniHeight"), QStringLiteral("1400"));
        QCOMPARE(read("CalcLeft"), QStringLiteral("300"));
        QCOMPARE(read("Letrona"), QStringLiteral("<missing>"));
    }
};

QTEST_GUILESS_MAIN(TestWindowGeometry)
#include "tst_windowgeometry.moc"
