// The settings file: where it is, what its texts read as, two calculators sharing it, and the options
// in it.

#include "settings/options.h"
#include "settings/settingsstore.h"
#include "support/isolatedhome.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <memory>

class TestSettingsStore : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedHome> m_home;

    // Writes the file as another calculator or a hand edit would, behind the store's back.
    static bool put(QFile&& f, const QByteArray& s) {
        return QDir().mkpath(QFileInfo(f).path()) && f.open(QIODevice::WriteOnly) && f.write(s) == s.size();
    }

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale("pt_BR")); } // the users', whatever the machine's
    void init() { m_home = std::make_unique<IsolatedHome>(); }
    void cleanup() { m_home.reset(); }

    // A fresh user, wherever XDG puts the file, reads every key as its default, and reading creates
    // nothing, not even the folder.
    void firstStart_data() {
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("belowHome");
        QTest::newRow("set") << u"<home>/cfg"_qs << u"/cfg/Tabulora/Tabulora.ini"_qs;
        QTest::newRow("empty") << QString() << u"/.config/Tabulora/Tabulora.ini"_qs;
        QTest::newRow("relative is ignored") << u"cfg"_qs << u"/.config/Tabulora/Tabulora.ini"_qs;
    }
    void firstStart() {
        QFETCH(QString, xdgConfigHome);
        qputenv("XDG_CONFIG_HOME", xdgConfigHome.replace("<home>", m_home->path()).toUtf8());
        SettingsStore store;
        QTEST(store.filePath().mid(m_home->path().size()), "belowHome");
        QVERIFY(readOptions(store) == Options() && !QFileInfo::exists(QFileInfo(store.filePath()).path()));
    }

    // A line "K=..." as found in the file, then what it reads as: a Boolean ("-": none, the caller's
    // default) and a measure in pt_BR, written back as it was found ("-": no number). An unquoted
    // comma is text, not a list.
    void typedReads_data() {
        QTest::addColumn<QString>("row");
        for (const char* row :
             {"tRuE true -", "FALSE false -", "-1 true -1", "0 false 0", "0,1 true 0,1",
              "12345,25 true 12345,25", "0.5 true -", "1e39 true -", " - -", "LPT1,COM1 - -"})
            QTest::newRow(row) << QString(row);
    }
    void typedReads() {
        QFETCH(QString, row);
        QVERIFY(put(QFile(SettingsStore::defaultFilePath()), "[Conf]\nK=" + row.section(' ', 0, 0).toUtf8()));
        const SettingsStore store;
        const std::optional<bool> b = toBool(store.read("Conf", "K", {}));
        const std::optional<double> m = store.readMeasure("Conf", "K", 1365, QLocale("pt_BR"));
        QCOMPARE(store.read("Conf", "K", "<none>") + ' ' + (b ? fromBool(*b).toLower() : "-") + ' ' +
                     (m ? fromMeasure(*m, QLocale("pt_BR")) : "-"),
                 row);
    }

    // Two calculators share the file: each sees the other's writes, texts that the INI format would
    // otherwise take as lists, escapes, variants or padding included, and writing one key must not put
    // back a store's older view of the others. The file stays readable by hand, its names in their case.
    void sharedWithAnotherCalculator() {
        SettingsStore first, second;
        for (const char* text : {"São Paulo, SP", "\"HP\" LaserJet", "x=y;z", "@Invalid()", " x ",
                                 "Calculadora [Aux]", "C:\\Meus Documentos\\", "#a\r\nb%41", "", "200"}) {
            first.write("Conf", "K", QString::fromUtf8(text));
            QCOMPARE(second.read("Conf", "K", "<none>"), QString::fromUtf8(text));
        }
        QVERIFY(put(QFile(first.filePath()), "[Conf]\nVisivel=False\n"));
        QCOMPARE(second.read("Conf", "Visivel", {}) + second.read("conf", "visivel", "-"), "False-");
        first.write("Conf", "mnuSystray", "True");
        first.write("Cheque2", "Banco", "Itaú");
        QFile file(first.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "[Cheque2]\nBanco=Itaú\n\n[Conf]\nVisivel=False\nmnuSystray=True\n");
    }

    // Every option goes out under its own key and comes back as it was; what cannot be read, or a
    // number out of its range, leaves the option as designed.
    void optionsRoundTrip() {
        SettingsStore store;
        // Every field away from its design, in the order of Options.
        const Options changed{7,   3,     true,  false, true, false, true,   true,   false, false, 2,
                              127, false, false, true,  4,    true,  "COM2", "/t/a", "/t",  "PDF"};
        for (int o = int(Option::Format); o <= int(Option::PrintDevice); ++o)
            writeOption(store, changed, Option(o));
        QCOMPARE(readOptions(store), changed);
        QVERIFY(
            put(QFile(store.filePath()), "[Conf]\nFormato=x\nCor=9\nInstrumento=-1\nCalcEnter=x\nNumLock=1"));
        Options read = readOptions(store);
        QVERIFY(std::exchange(read.numLockAlways, false) && read == Options());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
