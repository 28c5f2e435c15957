#include "settings/settingsstore.h"
#include "settings/options.h"
#include "support/isolatedhome.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <memory>

using OptBool = std::optional<bool>;
using OptDouble = std::optional<double>;

namespace {
// As another calculator or a hand edit would, behind the store's back.
void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
}
} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedHome> m_home;

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale("pt_BR")); } // the users', whatever the machine's
    void init() { m_home = std::make_unique<IsolatedHome>(); }
    void cleanup() { m_home.reset(); }

    // A fresh user, wherever XDG puts the file, reads every key as its default, and reading creates
    // nothing, not even the folder.
    void firstStart_data() {
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("belowHome");
        QTest::newRow("set") << u"<home>/cfg"_qs << u"/cfg"_qs;
        QTest::newRow("empty") << QString() << u"/.config"_qs;
        QTest::newRow("relative is ignored") << u"cfg"_qs << u"/.config"_qs;
    }
    void firstStart() {
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, belowHome);
        qputenv("XDG_CONFIG_HOME", xdgConfigHome.replace("<home>", m_home->path()).toUtf8());
        SettingsStore store;
        QCOMPARE(store.filePath(), m_home->path() + belowHome + "/Tabulora/Tabulora.ini");
        QCOMPARE(readOptions(store), Options());
        QCOMPARE(store.readMeasure("Conf", "CalcHeight", 1e6, QLocale()), OptDouble(1e6));
        QVERIFY(!QFileInfo::exists(QFileInfo(store.filePath()).path()));
    }

    // A line "K=..." as found in the file; a bool of none is the caller's default. An unquoted comma
    // is text, not a list. Measures are written back as they were found.
    void typedReads_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<OptBool>("boolean");
        QTest::addColumn<OptDouble>("measure"); // pt_BR
        QTest::newRow("True in any case") << QByteArray("tRuE") << OptBool(true) << OptDouble();
        QTest::newRow("False") << QByteArray("FALSE") << OptBool(false) << OptDouble();
        QTest::newRow("minus one") << QByteArray("-1") << OptBool(true) << OptDouble(-1);
        QTest::newRow("zero") << QByteArray("0") << OptBool(false) << OptDouble(0);
        QTest::newRow("single precision") << QByteArray("0,1") << OptBool(true) << OptDouble(double(0.1f));
        QTest::newRow("no group separator") << QByteArray("12345,25") << OptBool(true) << OptDouble(12345.25);
        QTest::newRow("C point") << QByteArray("0.5") << OptBool(true) << OptDouble();
        QTest::newRow("beyond single") << QByteArray("1e39") << OptBool(true) << OptDouble();
        QTest::newRow("empty is not missing") << QByteArray("") << OptBool() << OptDouble();
        QTest::newRow("two commas") << QByteArray("LPT1,COM1") << OptBool() << OptDouble();
    }
    void typedReads() {
        QFETCH(QByteArray, stored);
        QFETCH(OptBool, boolean);
        QFETCH(OptDouble, measure);
        writeFile(SettingsStore::defaultFilePath(), "[Conf]\nK=" + stored + "\n");
        SettingsStore store;
        QCOMPARE(store.read("Conf", "K", "<none>"), QString::fromUtf8(stored));
        QCOMPARE(toBool(store.read("Conf", "K", {})), boolean);
        QCOMPARE(store.readMeasure("Conf", "K", 1365, QLocale("pt_BR")), measure);
        if (!measure) return;
        store.writeMeasure("Conf", "K", *measure, QLocale("pt_BR"));
        QCOMPARE(store.read("Conf", "K", {}), QString::fromUtf8(stored));
    }

    // Texts that the INI format would otherwise take as lists, escapes, variants or padding.
    void valuesRoundTrip_data() {
        QTest::addColumn<QString>("value");
        for (const char* value : {"São Paulo, SP", "\"HP\" LaserJet", "x=y;z", "@Invalid()", " x ",
                                  "Calculadora [Aux]", "C:\\Meus Documentos\\", "#a\r\nb%41", ""})
            QTest::addRow("\"%s\"", value) << QString::fromUtf8(value);
    }
    void valuesRoundTrip() {
        QFETCH(QString, value);
        SettingsStore(SettingsStore::defaultFilePath()).write("Cheque", "lblMês L", value);
        QCOMPARE(SettingsStore().read("Cheque", "lblMês L", "<missing>"), value);
    }

    // Two calculators share the file: each sees the other's writes, and writing one key must not
    // put back a store's older view of the others. The file stays readable by hand.
    void sharedWithAnotherCalculator() {
        SettingsStore first, second;
        first.write("Conf", "CalcTop", "100");
        second.write("Conf", "CalcTop", "200");
        QCOMPARE(first.read("Conf", "CalcTop", {}), QStringLiteral("200"));
        writeFile(first.filePath(), "[Conf]\nVisivel=False\nSons=3\n");
        QCOMPARE(second.read("Conf", "Visivel", {}), QStringLiteral("False"));
        first.write("Conf", "mnuSystray", "True");
        first.write("Cheque2", "Banco", "Itaú");
        QFile file(first.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("[Cheque2]\nBanco=Itaú\n\n[Conf]\nSons=3\nVisivel=False\nmnuSystray=True\n"));
        QCOMPARE(second.read("conf", "visivel", "x"), QStringLiteral("x")); // names keep their case
    }

    // Every option goes out under its own key and comes back as it was; what cannot be read, or a
    // number out of its range, leaves the option as designed.
    void optionsRoundTrip() {
        SettingsStore store;
        Options changed;
        changed.format = 7, changed.colourScheme = 3, changed.keySound = 2, changed.instrument = 127, changed.language = 4;
        for (bool Options::*flag : {&Options::enterAdds, &Options::largeFont, &Options::insertText, &Options::stayInTray,
                                    &Options::clipboardMonitor, &Options::keypadHidden, &Options::hotkeys,
                                    &Options::officeMenus, &Options::alwaysOnTop, &Options::backup,
                                    &Options::numLockAlways, &Options::protection})
            changed.*flag = !(changed.*flag);
        changed.rollPrinterPort = "COM2", changed.lastSavedFile = "/t/a.txt", changed.lastSavedFolder = "/t",
        changed.printDevice = "PDF";
        for (int o = int(Option::Format); o <= int(Option::PrintDevice); ++o) writeOption(store, changed, Option(o));
        QCOMPARE(readOptions(store), changed);
        QCOMPARE(store.read("Conf", "Formato", {}), QStringLiteral("7"));
        QCOMPARE(store.read("Conf", "mnuSystray", {}), QStringLiteral("False"));
        writeFile(store.filePath(), "[Conf]\nFormato=abc\nCor=9\nInstrumento=-1\nCalcEnter=talvez\nNumLock=1\n");
        Options expected;
        expected.numLockAlways = true;
        QCOMPARE(readOptions(store), expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
