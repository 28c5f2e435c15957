#include "shell/configdir.h"
#include "shell/confkeys.h"
#include "shell/settingsstore.h"
#include "support/isolatedhome.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTest>
#include <memory>

using OptBool = std::optional<bool>;
using OptDouble = std::optional<double>;
Q_DECLARE_METATYPE(OptBool)
Q_DECLARE_METATYPE(OptDouble)
Q_DECLARE_METATYPE(conf::Type)

namespace {

const QString Conf = QStringLiteral("Conf");

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    QVERIFY(file.commit());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_home = std::make_unique<IsolatedHome>();
        QLocale::setDefault(QLocale("pt_BR")); // the users' locale, whatever the machine's
    }
    void cleanup() {
        m_home.reset();
        QLocale::setDefault(QLocale::system());
    }

    void booleanConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptBool>("expected");
        QTest::newRow("True") << "True" << OptBool(true);
        QTest::newRow("False") << "False" << OptBool(false);
        QTest::newRow("any case, blanks") << " tRuE " << OptBool(true);
        QTest::newRow("upper case") << "FALSE" << OptBool(false);
        QTest::newRow("zero") << "0" << OptBool(false);
        QTest::newRow("minus one") << "-1" << OptBool(true);
        QTest::newRow("zero with comma") << "0,0" << OptBool(false);
        QTest::newRow("fraction with point") << "0.5" << OptBool(true);
        QTest::newRow("empty") << "" << OptBool();
        QTest::newRow("sentinel") << "s" << OptBool();
        QTest::newRow("True with tail") << "Truex" << OptBool();
        QTest::newRow("not a number") << "nan" << OptBool();
    }
    void booleanConversion() {
        QFETCH(QString, text);
        QFETCH(OptBool, expected);
        QCOMPARE(toBool(text), expected);
        if (expected) QCOMPARE(toBool(fromBool(*expected)), expected);
    }

    void measureFromText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptDouble>("expected");
        QTest::newRow("pt decimal comma") << "pt_BR"
                                          << " 7350,5 " << OptDouble(7350.5);
        QTest::newRow("pt decimal point") << "pt_BR"
                                          << "7350.5" << OptDouble();
        QTest::newRow("pt single precision") << "pt_BR"
                                             << "7350,123456789" << OptDouble(double(7350.123456789f));
        QTest::newRow("en decimal point") << "en_US"
                                          << "-7350.5" << OptDouble(-7350.5);
        QTest::newRow("en decimal comma") << "en_US"
                                          << "7350,5" << OptDouble();
        QTest::newRow("sentinel") << "pt_BR"
                                  << "s" << OptDouble();
        QTest::newRow("empty") << "pt_BR"
                               << "" << OptDouble();
        QTest::newRow("beyond single") << "en_US"
                                       << "1e39" << OptDouble();
        QTest::newRow("infinity") << "en_US"
                                  << "inf" << OptDouble();
    }
    void measureFromText() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(OptDouble, expected);
        QCOMPARE(toMeasure(text, QLocale(locale)), expected);
    }

    void measureToText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("twips");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pt whole") << "pt_BR" << 7350.0 << "7350";
        QTest::newRow("pt no group separator") << "pt_BR" << 12345.25 << "12345,25";
        QTest::newRow("pt tenth, no float noise") << "pt_BR" << 0.1 << "0,1";
        QTest::newRow("pt negative zero") << "pt_BR" << -0.0 << "0";
        QTest::newRow("en no group separator") << "en_US" << 1234567.5 << "1234568";
        QTest::newRow("beyond single saturates") << "en_US" << 1e300 << "3.402823E+38";
    }
    void measureToText() {
        QFETCH(QString, locale);
        QFETCH(double, twips);
        QFETCH(QString, expected);
        QCOMPARE(fromMeasure(twips, QLocale(locale)), expected);
    }

    void measureRoundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("twips");
        for (const char* locale : {"pt_BR", "en_US", "de_DE", "C"})
            for (double twips : {0.0, 1365.0, 7357.25, -360.0, 0.1, 98765.43})
                QTest::addRow("%s %g", locale, twips) << QString::fromLatin1(locale) << twips;
    }
    void measureRoundTrip() {
        QFETCH(QString, locale);
        QFETCH(double, twips);
        const QLocale loc(locale);
        QCOMPARE(toMeasure(fromMeasure(twips, loc), loc), OptDouble(double(float(twips))));
    }

    void firstStartDefaults_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<conf::Type>("type");
        QTest::addColumn<QString>("defaultText"); // "?": computed by the reader
        using T = conf::Type;
        // clang-format off
        const QList<std::tuple<const char*, T, const char*>> expected = {
            {"Formato", T::Digit, "2"},            {"Cor", T::Digit, "1"},
            {"CalcEnter", T::Boolean, "False"},    {"MiniHeight", T::Measure, "1365"},
            {"CalcHeight", T::Measure, "7350"},    {"Letrona", T::Boolean, "True"},
            {"CalcTop", T::Measure, "0"},          {"CalcLeft", T::Measure, "?"},
            {"InserirTexto", T::Boolean, "False"}, {"mnuSystray", T::Boolean, "True"},
            {"Monitor", T::Boolean, "False"},      {"Oculte", T::Boolean, "False"},
            {"HotKey", T::Boolean, "True"},        {"MenuXP", T::Boolean, "True"},
            {"Sons", T::Digit, "1"},               {"Instrumento", T::Digit, "0"},
            {"Visivel", T::Boolean, "True"},       {"Backup", T::Boolean, "True"},
            {"NumLock", T::Boolean, "False"},      {"Idioma", T::Digit, "0"},
            {"Segur", T::Boolean, "0"},            {"Porta", T::Text, "LPT1"},
            {"UltimoArq", T::Text, "Tabulora.txt"}, {"UltimoPath", T::Text, "?"},
            {"ImpDispo", T::Text, ""}};
        // clang-format on
        QCOMPARE(qsizetype(std::size(conf::All)), expected.size());
        for (const auto& [key, type, text] : expected)
            QTest::newRow(key) << QString::fromLatin1(key) << type << QString::fromUtf8(text);
    }
    void firstStartDefaults() {
        QFETCH(QString, key);
        QFETCH(conf::Type, type);
        QFETCH(QString, defaultText);
        const bool computed = defaultText == QLatin1String("?");

        const conf::Key* entry = conf::find(key);
        QVERIFY(entry);
        QCOMPARE(entry->type, type);
        QCOMPARE(entry->defaultText == nullptr, computed);

        SettingsStore store;
        QCOMPARE(store.read(*entry), computed ? QString() : defaultText);
        if (type == conf::Type::Boolean) QCOMPARE(store.readBool(*entry), *toBool(defaultText));
        if (type == conf::Type::Measure) {
            QCOMPARE(store.readMeasure(Conf, key, 1e6, QLocale()), OptDouble(1e6)); // the caller's default
            QCOMPARE(store.read(Conf, key, QLatin1String(conf::NeverWritten)), QStringLiteral("s"));
        }
        // Reading creates nothing, not even the folder.
        QVERIFY(!QFileInfo::exists(tabuloraConfigDir()));
    }

    void fileLocation_data() {
        QTest::addColumn<QString>("xdgConfigHome"); // "-" unsets it
        QTest::addColumn<QString>("expectedBelowHome");
        QTest::newRow("set") << "<home>/cfg"
                             << "/cfg/Tabulora/Tabulora.ini";
        QTest::newRow("unset") << "-"
                               << "/.config/Tabulora/Tabulora.ini";
        QTest::newRow("relative is ignored") << "cfg"
                                             << "/.config/Tabulora/Tabulora.ini";
    }
    void fileLocation() {
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, expectedBelowHome);
        if (xdgConfigHome == QLatin1String("-"))
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", QString(xdgConfigHome).replace("<home>", m_home->path()).toUtf8());
        const QString expected = m_home->path() + expectedBelowHome;
        SettingsStore store;
        QCOMPARE(store.filePath(), expected);
        store.write(Conf, QStringLiteral("Cor"), QStringLiteral("3"));
        // On disk as soon as write() returned, with the folder created on the way.
        QVERIFY(readFile(expected).contains("Cor=3"));
    }

    void fileKeepsSectionsAndKeysReadable() {
        SettingsStore store;
        store.write(Conf, QStringLiteral("CalcHeight"), QStringLiteral("7350"));
        store.writeBool(conf::MnuSystray, false);
        store.write(QStringLiteral("Cheque2"), QStringLiteral("Banco"), QStringLiteral("Itaú"));
        const QString text = QString::fromUtf8(readFile(store.filePath()));
        QVERIFY2(text.contains("[Conf]\nCalcHeight=7350\nmnuSystray=False\n"), qPrintable(text));
        QVERIFY2(text.contains("[Cheque2]\nBanco=Itaú\n"), qPrintable(text));
        // Keys and sections keep their case.
        QCOMPARE(store.read(Conf, QStringLiteral("calcheight"), QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(store.read(QStringLiteral("conf"), QStringLiteral("CalcHeight"), QStringLiteral("x")),
                 QStringLiteral("x"));
    }

    void valuesRoundTrip_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("comma") << Conf << "Porta"
                               << "São Paulo, SP";
        QTest::newRow("measure with comma") << Conf << "CalcHeight"
                                            << "7350,5";
        QTest::newRow("quotes") << Conf << "ImpDispo"
                                << "\"HP\" LaserJet";
        QTest::newRow("equals and semicolon") << Conf << "UltimoArq"
                                              << "x=y;z";
        QTest::newRow("brackets") << "Cheque"
                                  << "Favorecido"
                                  << "Calculadora [Aux]";
        QTest::newRow("cedilla") << "Promissoria"
                                 << "Cidade"
                                 << "ç";
        QTest::newRow("at sign") << Conf << "UltimoArq"
                                 << "@Invalid()";
        QTest::newRow("blanks at the ends") << Conf << "UltimoArq"
                                            << " x ";
        QTest::newRow("backslashes") << Conf << "UltimoPath"
                                     << "C:\\Meus Documentos\\";
        QTest::newRow("line break") << "Promissoria"
                                    << "Texto"
                                    << "#a\r\nb%41";
        QTest::newRow("empty") << Conf << "ImpDispo"
                               << "";
        QTest::newRow("non-ASCII key with blank") << "Cheque3"
                                                  << "lblMês L"
                                                  << "1200";
    }
    void valuesRoundTrip() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        SettingsStore(SettingsStore::defaultFilePath()).write(section, key, value);
        QCOMPARE(SettingsStore().read(section, key, QStringLiteral("<missing>")), value);
    }

    void handEditedCommaIsText() {
        writeFile(SettingsStore::defaultFilePath(), "[Conf]\nCalcHeight=7350,5\nPorta=LPT1,COM1\n");
        SettingsStore store;
        QCOMPARE(store.read(Conf, QStringLiteral("Porta"), {}), QStringLiteral("LPT1,COM1"));
        QCOMPARE(store.readMeasure(Conf, QStringLiteral("CalcHeight"), 0, QLocale("pt_BR")),
                 OptDouble(7350.5));
    }

    void typedReads_data() {
        QTest::addColumn<QString>("stored"); // "<none>": never written
        QTest::addColumn<bool>("boolDefault");
        QTest::addColumn<bool>("expectedBool");
        QTest::addColumn<OptDouble>("expectedMeasure"); // pt_BR, default 1365
        QTest::newRow("missing") << "<none>" << true << true << OptDouble(1365);
        QTest::newRow("False over a true default") << "False" << true << false << OptDouble();
        QTest::newRow("unconvertible keeps default") << "talvez" << true << true << OptDouble();
        QTest::newRow("stored empty is not missing") << "" << false << false << OptDouble();
        QTest::newRow("measure") << "4500,5" << false << true << OptDouble(4500.5);
    }
    void typedReads() {
        QFETCH(QString, stored);
        QFETCH(bool, boolDefault);
        QFETCH(bool, expectedBool);
        QFETCH(OptDouble, expectedMeasure);
        const QString key = QStringLiteral("K");
        if (stored != QLatin1String("<none>")) SettingsStore().write(Conf, key, stored);
        SettingsStore store;
        QCOMPARE(store.readBool(Conf, key, boolDefault), expectedBool);
        QCOMPARE(store.readMeasure(Conf, key, 1365, QLocale("pt_BR")), expectedMeasure);
    }

    void lastWriterWins() {
        SettingsStore first;
        SettingsStore second;
        first.write(Conf, QStringLiteral("CalcTop"), QStringLiteral("100"));
        second.write(Conf, QStringLiteral("CalcTop"), QStringLiteral("200"));
        first.write(Conf, QStringLiteral("Cor"), QStringLiteral("3"));
        QCOMPARE(second.read(Conf, QStringLiteral("Cor"), {}), QStringLiteral("3"));
        SettingsStore later;
        QCOMPARE(later.read(Conf, QStringLiteral("CalcTop"), {}), QStringLiteral("200"));
        QCOMPARE(later.read(Conf, QStringLiteral("Cor"), {}), QStringLiteral("3"));
    }

    void seesAndKeepsAnotherProcessWrites() {
        SettingsStore store;
        store.write(Conf, QStringLiteral("Visivel"), QStringLiteral("True"));
        QCOMPARE(store.read(Conf, QStringLiteral("Visivel"), {}), QStringLiteral("True"));

        // The other calculator rewrites the file behind this store's back.
        writeFile(store.filePath(), "[Conf]\nVisivel=False\nSons=3\n");
        QCOMPARE(store.read(Conf, QStringLiteral("Visivel"), {}), QStringLiteral("False"));

        // Writing one key must not put back this store's older view of the others.
        store.write(Conf, QStringLiteral("Cor"), QStringLiteral("2"));
        QCOMPARE(readFile(store.filePath()), QByteArray("[Conf]\nCor=2\nSons=3\nVisivel=False\n"));
    }

  private:
    std::unique_ptr<IsolatedHome> m_home;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
