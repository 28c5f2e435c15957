#include "settings/autostart.h"
#include "support/isolatedhome.h"

#include <QFile>
#include <QTest>

class TestAutostart : public QObject {
    Q_OBJECT

  private slots:
    // The entry as enabling leaves it (null), or as the session or the user may edit it afterwards.
    // Disabling removes it, whatever it holds.
    void entry_data() {
        QTest::addColumn<QByteArray>("edit"); // below [Desktop Entry]
        QTest::addColumn<bool>("enabled");
        QTest::newRow("as written") << QByteArray() << true;
        QTest::newRow("blanks around =") << QByteArray("Exec = tabulora systray") << true;
        QTest::newRow("empty Exec") << QByteArray("Type=Application\nExec=") << false;
        QTest::newRow("hidden by the session") << QByteArray("Exec=tabulora systray\nHidden=true") << false;
        QTest::newRow("action only") << QByteArray("Type=Application\n[Desktop Action x]\nExec=t") << false;
    }
    void entry() {
        QFETCH(QByteArray, edit);
        QFETCH(bool, enabled);
        IsolatedHome home;
        autostart::enable("/usr/bin/tabulora");
        autostart::enable("/a\"b\\c$d 100%/t"); // replaces the first
        QFile file(home.configHome() + "/autostart/tabulora.desktop");
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QCOMPARE(lines.first(), "[Desktop Entry]");
        // Exec quotes the path and escapes what the quoting reserves; the file escapes backslashes.
        QCOMPARE(lines.filter("Exec="), QStringList{"Exec=\"/a\\\\\"b\\\\\\\\c\\\\$d 100%%/t\" systray"});
        if (!edit.isNull()) QVERIFY(file.resize(0) && file.write("[Desktop Entry]\n" + edit) && file.flush());
        QCOMPARE(autostart::isEnabled(), enabled);
        autostart::disable();
        QVERIFY(!autostart::isEnabled() && !file.exists());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
