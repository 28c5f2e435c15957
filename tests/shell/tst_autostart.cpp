#include "shell/autostart.h"
#include "support/isolatedhome.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <memory>

namespace {

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeEntry(const QByteArray& contents) {
    QDir().mkpath(QFileInfo(autostart::filePath()).absolutePath());
    QFile file(autostart::filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

class TestAutostart : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_home = std::make_unique<IsolatedHome>(); }
    void cleanup() { m_home.reset(); }

    // Exec quotes the path and escapes what the quoting reserves; the file escapes the backslashes.
    void execLine_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("quotedInFile");
        QTest::newRow("plain") << "/usr/bin/tabulora"
                               << "/usr/bin/tabulora";
        QTest::newRow("blank") << "/opt/my apps/tabulora"
                               << "/opt/my apps/tabulora";
        QTest::newRow("dollar") << "/home/u/$x/tabulora"
                                << "/home/u/\\\\$x/tabulora";
        QTest::newRow("quote") << "/home/u/a\"b/tabulora"
                               << "/home/u/a\\\\\"b/tabulora";
        QTest::newRow("backslash") << "/home/u/a\\b/tabulora"
                                   << "/home/u/a\\\\\\\\b/tabulora";
        QTest::newRow("percent") << "/home/u/100%/tabulora"
                                 << "/home/u/100%%/tabulora";
    }
    void execLine() {
        QFETCH(QString, program);
        QFETCH(QString, quotedInFile);
        QCOMPARE(autostart::execLine(program), "Exec=\"" + quotedInFile + "\" systray");
    }

    void entryExistsExactlyWhileEnabled() {
        const QString path = m_home->configHome() + QStringLiteral("/autostart/tabulora.desktop");
        QCOMPARE(autostart::filePath(), path);
        QVERIFY(!autostart::isEnabled());

        autostart::enable("/usr/bin/tabulora");
        QVERIFY(autostart::isEnabled());
        const QStringList lines = fileText(path).split('\n');
        QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
        QVERIFY(lines.contains("Type=Application"));
        QVERIFY(lines.contains("Exec=\"/usr/bin/tabulora\" systray"));

        autostart::enable("/opt/tabulora/tabulora");
        const QStringList replaced = fileText(path).split('\n').filter(QStringLiteral("Exec="));
        QCOMPARE(replaced, QStringList{"Exec=\"/opt/tabulora/tabulora\" systray"});

        autostart::disable();
        QVERIFY(!autostart::isEnabled());
        QVERIFY(!QFileInfo::exists(path));
        autostart::disable();
        QVERIFY(!QFileInfo::exists(path));
    }

    void enabledFromTheFileFound_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("ours")
            << QByteArray("[Desktop Entry]\nType=Application\nExec=\"/usr/bin/tabulora\" systray\n") << true;
        QTest::newRow("blanks around =") << QByteArray("[Desktop Entry]\nExec = tabulora systray\n") << true;
        QTest::newRow("empty Exec") << QByteArray("[Desktop Entry]\nType=Application\nExec=\n") << false;
        QTest::newRow("hidden by the session")
            << QByteArray("[Desktop Entry]\nExec=tabulora systray\nHidden=true\n") << false;
        QTest::newRow("Exec of an action only")
            << QByteArray("[Desktop Entry]\nType=Application\n[Desktop Action x]\nExec=tabulora\n") << false;
    }
    void enabledFromTheFileFound() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, enabled);
        writeEntry(contents);
        QCOMPARE(autostart::isEnabled(), enabled);
    }

    void followsXdgConfigHome() {
        qunsetenv("XDG_CONFIG_HOME");
        autostart::enable("/usr/bin/tabulora");
        QVERIFY(QFileInfo::exists(m_home->path() + QStringLiteral("/.config/autostart/tabulora.desktop")));
        QVERIFY(autostart::isEnabled());
    }

  private:
    std::unique_ptr<IsolatedHome> m_home;
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
