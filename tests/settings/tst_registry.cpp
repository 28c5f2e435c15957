#include "settings/registry.h"
#include "support/isolatedhome.h"

#include <QFileInfo>
#include <QTest>
#include <memory>

class TestRegistry : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedHome> m_home;

  private slots:
    void initTestCase() { QLocale::setDefault(QLocale("pt_BR")); } // number text with a decimal comma
    void init() { m_home = std::make_unique<IsolatedHome>(); }
    void cleanup() { m_home.reset(); }

    // The value first holds "old", then `text` is written under the names in upper case: "old" read
    // back means the write was refused.
    void writeThenRead_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("string keeps blanks and zeros") << 1 << u" 042 "_qs << u" 042 "_qs;
        QTest::newRow("any kind but 1 is a number") << 4 << u" 007 "_qs << u"7"_qs;
        QTest::newRow("smallest number") << 0 << u"-2147483648"_qs << u"-2147483648"_qs;
        QTest::newRow("too large") << 0 << u"2147483648"_qs << u"old"_qs;
        QTest::newRow("locale decimal, half to even down") << 0 << u"2,5"_qs << u"2"_qs;
        QTest::newRow("locale decimal, half to even up") << 0 << u"3,5"_qs << u"4"_qs;
        QTest::newRow("program on a floppy") << 1 << u"\"A:\\tabulora.exe\" systray"_qs << u"old"_qs;
        QTest::newRow("other drive") << 1 << u"\"B:\\tabulora.exe\""_qs << u"\"B:\\tabulora.exe\""_qs;
        QTest::newRow("read stops at NUL") << 1 << u"abc"_qs + QChar(0) + u"def"_qs << u"abc"_qs;
    }
    void writeThenRead() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString run = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
        GravarRegistro(run, "Tabulora", "old", registry::CurrentUser, registry::String);
        GravarRegistro(run.toUpper(), "TABULORA", text, registry::CurrentUser, kind);
        QCOMPARE(LerRegistro(run.toLower(), "tabulora", registry::CurrentUser), expected);
    }

    // Key paths, value names and roots are different things: none of these may read or delete
    // another's value. An unknown root touches nothing; each root is a group of lines that read like
    // the registry path.
    void addressesAreSeparate() {
        for (int root : {0, 5, 9})
            GravarRegistro("A", "B", "x", root, 1);
        QVERIFY(!QFileInfo::exists(registry::filePath()));
        const QList<std::tuple<int, QString, QString>> at = {
            {7, "A\\B", "C"},   {7, "A", "B\\C"}, {7, "A\\B\\C", ""},           {7, "A/B", "C"},
            {7, "A\\B", "C/D"}, {7, "", "C"},     {7, "A\\B\\C", "@"},          {7, "A%2FB", "C"},
            {6, "A\\B", "C"},   {8, "A\\B", "C"}, {7, "\\A [Aux]\\", "Posição"}};
        for (int i = 0; i < at.size(); ++i)
            GravarRegistro(get<1>(at[i]), get<2>(at[i]), u"%1ç"_qs.arg(i), get<0>(at[i]), 1);
        ApagarRegistro("a\\b", "c", registry::CurrentUser);
        for (int i = 0; i < at.size(); ++i)
            QCOMPARE(LerRegistro(get<1>(at[i]), get<2>(at[i]), get<0>(at[i])), i ? u"%1ç"_qs.arg(i) : "");
        QFile file(m_home->configHome() + "/Tabulora/registry.ini");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[HKEY_LOCAL_MACHINE]\nA\\B\\C=8ç\n"));
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
