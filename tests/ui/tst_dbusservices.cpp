// The power-off and the notifications over D-Bus, against a private bus started here (dbus-daemon)
// with a stand-in for logind and the notification daemon (tests/support/dbusstandin.py).

#include "platform/qt/dbusservices.h"

#include <QProcess>
#include <QtTest>

class TestDBusServices : public QObject {
    Q_OBJECT
    QProcess m_daemon;
    QString m_address;

    // The stand-in on the private bus, started with `arguments`; its lines are what it was asked.
    struct StandIn : QProcess {
        QStringList lines;
        QStringList read() {
            while (canReadLine())
                lines.append(QString::fromUtf8(readLine()).trimmed());
            return lines;
        }
    };
    bool startStandIn(StandIn& standIn, const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        standIn.setProcessEnvironment(env);
        // Debian's own Python, which python3-dbus and python3-gi serve, whatever else is on the PATH.
        standIn.start("/usr/bin/python3", QStringList{TESTS_SUPPORT_DIR "/dbusstandin.py"} + arguments);
        return QTest::qWaitFor(
            [&] {
                standIn.waitForReadyRead(50);
                return standIn.read().contains("ready");
            },
            10000);
    }
    QDBusConnection bus(const QString& name) { return QDBusConnection::connectToBus(m_address, name); }

  private slots:
    void initTestCase() {
        m_daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QVERIFY2(m_daemon.waitForReadyRead(10000), "dbus-daemon did not start");
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
    }
    void cleanupTestCase() {
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    // What the power-off says: "" when logind took it, else logind's reason or the bus's.
    void powerOff_data() {
        QTest::addColumn<QString>("standIn"); // "-": none on the bus
        QTest::addColumn<bool>("accepted");
        QTest::newRow("taken") << "" << true;
        QTest::newRow("refused") << "refuse" << false;
        QTest::newRow("no logind") << "-" << false;
    }
    void powerOff() {
        QFETCH(QString, standIn);
        QFETCH(bool, accepted);
        StandIn logind;
        if (standIn != "-")
            QVERIFY(startStandIn(logind, standIn.isEmpty() ? QStringList() : QStringList{standIn}));
        LogindPower power(bus(QTest::currentDataTag()));
        const QString refusal = power.powerOff();
        QCOMPARE(refusal.isEmpty(), accepted);
        if (standIn == "refuse") QCOMPARE(refusal, "Access denied");
        if (standIn != "-") {
            // Asked once, and not to ask the user again.
            QVERIFY(QTest::qWaitFor([&] { return logind.read().contains("PowerOff False"); }));
            logind.kill();
            logind.waitForFinished();
        }
        QCOMPARE(LogindPower(QDBusConnection("not connected")).powerOff().isEmpty(), false);
    }

    // An alarm as a notification: critical, so that it stays until seen; none without the daemon.
    void notify() {
        QVERIFY(!DBusNotifications(bus("no daemon")).notify("Tabulora", "x"));
        StandIn daemon;
        QVERIFY(startStandIn(daemon, {}));
        QVERIFY(DBusNotifications(bus("daemon")).notify("Tabulora", "14:30:00 hs.\nREUNIÃO"));
        QVERIFY(QTest::qWaitFor(
            [&] { return daemon.read().contains("Notify Tabulora Tabulora 14:30:00 hs.|REUNIÃO 2"); }));
        daemon.kill();
        daemon.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestDBusServices)
#include "tst_dbusservices.moc"
