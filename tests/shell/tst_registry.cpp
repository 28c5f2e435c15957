#include "shell/registry.h"
#include "support/isolatedhome.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTest>
#include <memory>

namespace {

const QString RunKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");
const QString PolicyKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");
const int User = registry::CurrentUser;

QString fileText() {
    QFile file(registry::filePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_home = std::make_unique<IsolatedHome>();
        QLocale::setDefault(QLocale("pt_BR")); // number text with a decimal comma
    }
    void cleanup() {
        m_home.reset();
        QLocale::setDefault(QLocale::system());
    }

    void stringsRoundTrip_data() {
        QTest::addColumn<QString>("keyPath");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<QString>("text");
        QTest::newRow("run value") << RunKey << "Tabulora"
                                   << "\"C:\\Arquivos\\tabulora.exe\" systray";
        QTest::newRow("default value") << "Software\\Tabulora"
                                       << ""
                                       << "padrão";
        QTest::newRow("value at the root") << ""
                                           << "Solto"
                                           << "a,b";
        QTest::newRow("separators at the ends") << "\\Software\\Calculadora [Aux]\\"
                                                << "Posição"
                                                << "ç";
    }
    void stringsRoundTrip() {
        QFETCH(QString, keyPath);
        QFETCH(QString, valueName);
        QFETCH(QString, text);
        GravarRegistro(keyPath, valueName, text, User, registry::String);
        QCOMPARE(LerRegistro(keyPath, valueName, User), text);
    }

    // Key paths and value names are different things: none of these may read another's value.
    void pathsAndNamesDoNotCollide() {
        const QList<QPair<QString, QString>> addresses = {{"A\\B", "C"}, {"A", "B\\C"},   {"A\\B\\C", ""},
                                                          {"A/B", "C"},  {"A\\B", "C/D"}, {"A\\B\\C", "@"},
                                                          {"A%2FB", "C"}};
        for (int i = 0; i < addresses.size(); ++i)
            GravarRegistro(addresses[i].first, addresses[i].second, QString::number(i), User, 1);
        for (int i = 0; i < addresses.size(); ++i)
            QCOMPARE(LerRegistro(addresses[i].first, addresses[i].second, User), QString::number(i));
    }

    void fileReadsLikeTheRegistry() {
        GravarRegistro(RunKey, "Tabulora", "\"/usr/bin/tabulora\" systray", User, 1);
        QCOMPARE(registry::filePath(), m_home->configHome() + "/Tabulora/registry.ini");
        const QString text = fileText();
        QVERIFY2(text.startsWith(
                     "[HKEY_CURRENT_USER]\nSoftware\\Microsoft\\Windows\\CurrentVersion\\Run\\Tabulora="),
                 qPrintable(text));
    }

    void namesIgnoreCase() {
        GravarRegistro(PolicyKey, "NoDispCPL", "1", User);
        QCOMPARE(LerRegistro(PolicyKey.toUpper(), "nodispcpl", User), QStringLiteral("1"));
        GravarRegistro(PolicyKey.toLower(), "NODISPCPL", "0", User);
        QCOMPARE(LerRegistro(PolicyKey, "NoDispCPL", User), QStringLiteral("0"));
        QCOMPARE(fileText().count(QStringLiteral("=")), 1);
        ApagarRegistro(PolicyKey.toUpper(), "noDispCpl", User);
        QCOMPARE(LerRegistro(PolicyKey, "NoDispCPL", User), QString());
    }

    void rootsAreSeparate() {
        const QList<QPair<int, QString>> roots = {
            {8, "HKEY_CLASSES_ROOT"}, {7, "HKEY_CURRENT_USER"}, {6, "HKEY_LOCAL_MACHINE"}};
        for (const auto& [root, group] : roots)
            GravarRegistro("Software\\Tabulora", "V", group, root, 1);
        for (const auto& [root, group] : roots) {
            QCOMPARE(LerRegistro("Software\\Tabulora", "V", root), group);
            QVERIFY(fileText().contains("[" + group + "]"));
        }
    }

    void unknownRootDoesNothing() {
        for (int root : {0, 5, 9, -7}) {
            GravarRegistro("Software\\Tabulora", "V", "x", root, 1);
            ApagarRegistro("Software\\Tabulora", "V", root);
            QCOMPARE(LerRegistro("Software\\Tabulora", "V", root), QString());
        }
        QVERIFY(!QFileInfo::exists(registry::filePath()));
    }

    void numberKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // "previous": nothing was written
        QTest::newRow("one") << 0 << "1"
                             << "1";
        QTest::newRow("any kind but 1 is a number") << 4 << " 007 "
                                                    << "7";
        QTest::newRow("smallest") << 0 << "-2147483648"
                                  << "-2147483648";
        QTest::newRow("too large") << 0 << "2147483648"
                                   << "previous";
        QTest::newRow("locale decimal, half to even down") << 0 << "2,5"
                                                           << "2";
        QTest::newRow("locale decimal, half to even up") << 0 << "3,5"
                                                         << "4";
        QTest::newRow("word") << 0 << "abc"
                              << "previous";
        QTest::newRow("empty") << 0 << ""
                               << "previous";
        QTest::newRow("string kind keeps the text") << 1 << " 042 "
                                                    << " 042 ";
    }
    void numberKind() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        GravarRegistro(PolicyKey, "NoSecCPL", "previous", User, registry::String);
        GravarRegistro(PolicyKey, "NoSecCPL", text, User, kind);
        QCOMPARE(LerRegistro(PolicyKey, "NoSecCPL", User), expected);
    }

    void floppyPathsAreNotWritten_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("written");
        QTest::newRow("floppy program") << "\"A:\\tabulora.exe\" systray" << false;
        QTest::newRow("other drive") << "\"B:\\tabulora.exe\" systray" << true;
        QTest::newRow("no backslash") << "A:x" << true;
    }
    void floppyPathsAreNotWritten() {
        QFETCH(QString, text);
        QFETCH(bool, written);
        GravarRegistro(RunKey, "Tabulora", "old", User, 1);
        GravarRegistro(RunKey, "Tabulora", text, User, 1);
        QCOMPARE(LerRegistro(RunKey, "Tabulora", User), written ? text : QStringLiteral("old"));
    }

    void readStopsAtNul() {
        GravarRegistro(RunKey, "Tabulora", QStringLiteral("abc") + QChar(0) + QStringLiteral("def"), User, 1);
        QCOMPARE(LerRegistro(RunKey, "Tabulora", User), QStringLiteral("abc"));
    }

    void deleteRemovesOnlyThatValue() {
        ApagarRegistro("Software\\Tabulora", "X", User);
        QVERIFY(!QFileInfo::exists(registry::filePath()));
        GravarRegistro("Software\\Tabulora", "X", "value", User, 1);
        GravarRegistro("Software\\Tabulora", "Y", "sibling", User, 1);
        GravarRegistro("Software\\Tabulora\\X", "Z", "below", User, 1);
        GravarRegistro("Software\\Tabulora", "X", "other root", registry::LocalMachine, 1);
        ApagarRegistro("Software\\Tabulora", "X", User);
        QCOMPARE(LerRegistro("Software\\Tabulora", "X", User), QString());
        QCOMPARE(LerRegistro("Software\\Tabulora", "Y", User), QStringLiteral("sibling"));
        QCOMPARE(LerRegistro("Software\\Tabulora\\X", "Z", User), QStringLiteral("below"));
        QCOMPARE(LerRegistro("Software\\Tabulora", "X", registry::LocalMachine),
                 QStringLiteral("other root"));
    }

  private:
    std::unique_ptr<IsolatedHome> m_home;
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
