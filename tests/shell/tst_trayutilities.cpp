// The tray's utilities on an injected clock: alarms, the scheduled shutdown, the protection switch and
// the Start-menu entry.

#include "settings/registry.h"
#include "settings/settingsstore.h"
#include "shell/trayutilities.h"
#include "support/isolatedhome.h"
#include "support/testcontext.h"

#include <QtTest>

using Answer = Dialogs::Answer;

namespace {

QString msg(int number, const QString& p1 = {}, const QString& p2 = {}) {
    return MessageCatalog::message(number, Language::Portuguese, p1, p2);
}

// A clock reading of the test's day, 5 December 2026, or of the next day with a leading "+".
QDateTime at(const QString& when) {
    const bool nextDay = when.startsWith('+');
    return QDateTime(QDate(2026, 12, nextDay ? 6 : 5), QTime::fromString(when.mid(nextDay), "hh:mm:ss"));
}

} // namespace

struct Tray : IsolatedHome, TestContext {
    SettingsStore store{dir.filePath("Tabulora.ini")};
    // "b" a box shown, "e" news that nothing keeps the program any more (with the calculator closed it
    // ends there), "c" other news of the entries: no box may follow an "e".
    QString order;
    std::unique_ptr<TrayUtilities> tray = restart();

    std::unique_ptr<TrayUtilities> restart() {
        auto utilities = std::make_unique<TrayUtilities>(context, &store);
        QObject::connect(utilities.get(), &TrayUtilities::changed,
                         [this, u = utilities.get()] { order += u->pending() ? 'c' : 'e'; });
        return utilities;
    }
    QStringList told() const {
        QStringList texts;
        for (const FakeDialogs::Shown& s : dialogs.shown)
            if (s.buttons != Dialogs::Buttons::OkCancel) texts.append(s.text); // input boxes aside
        return texts;
    }
    void tickAt(const QStringList& times) {
        for (const QString& t : times) {
            now = at(t);
            tray->tick();
        }
    }
};

class TestTrayUtilities : public QObject {
    Q_OBJECT

  private slots:
    // Free entries clicked with the inputs answered in turn (time, reason, ...), then the clock read
    // at the given moments: what is told, and what is still pending. The clock starts at 09:30:15.
    void alarmsRingInTheirWindowOnly_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("pending");
        const QString cafe = msg(43, "09:45:00", "CAFÉ"), meeting = msg(43, "14:30:00", "REUNIÃO");
        QTest::newRow("two alarms, each its reason")
            << QStringList{"14:30", "reunião", " 9:45:00 ", " café "}
            << QStringList{"09:44:59", "09:45:02", "09:45:03", "14:29:59", "14:30:04"}
            << QStringList{cafe, meeting} << 0;
        QTest::newRow("last second of the window")
            << QStringList{"14:30", "reunião"} << QStringList{"14:30:05"} << QStringList{meeting} << 0;
        QTest::newRow("asleep across the window")
            << QStringList{"14:30", "reunião"} << QStringList{"14:29:58", "14:30:06", "14:30:07"}
            << QStringList{msg(340, "14:30:00", "REUNIÃO")} << 0;
        QTest::newRow("a time gone today is tomorrow's")
            << QStringList{"8:00", "ponto"} << QStringList{"08:00:01", "+08:00:01"}
            << QStringList{msg(43, "08:00:00", "PONTO")} << 0;
        QTest::newRow("now is within the window") << QStringList{"9:30:12", "já"} << QStringList{"09:30:15"}
                                                  << QStringList{msg(43, "09:30:12", "JÁ")} << 0;
        for (const char* typed : {"25:00", "14:60", "abc", "14h30"})
            QTest::newRow(typed) << QStringList{typed} << QStringList{"14:30:00"}
                                 << QStringList{msg(38) + "\r\n\r\n" + msg(349, typed)} << 0;
        QTest::newRow("cancelled time box") << QStringList{""} << QStringList{} << QStringList{msg(38)} << 0;
        QTest::newRow("empty reason")
            << QStringList{"14:30", "  "} << QStringList{"14:30:01"} << QStringList{} << 0;
        QTest::newRow("pending") << QStringList{"14:30", "r"} << QStringList{"14:29:59"} << QStringList{}
                                 << 1;
    }
    void alarmsRingInTheirWindowOnly() {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, ticks);
        Tray t;
        t.dialogs.inputs = inputs;
        QList<bool> sounding;
        t.dialogs.onMessage = [&](const FakeDialogs::Shown&) {
            sounding.append(t.tray->sounding());
            t.order += 'b';
        };
        while (!t.dialogs.inputs.isEmpty())
            t.tray->alarmClicked(int(t.tray->alarms().size()));
        QVERIFY(t.dialogs.inputDefaults.value(0) == "09:30:15");
        t.tickAt(ticks);
        QTEST(t.told(), "told");
        QTEST(int(t.tray->alarms().size()), "pending");
        // The box of a ringing alarm beeps while it is up; hidden, the calculator also notifies.
        const qsizetype rang = t.told().filter(msg(43).left(10)).size();
        QCOMPARE(sounding.count(true), rang);
        QCOMPARE(t.notifications.shown.size(), rang);
        QVERIFY(!t.tray->sounding());
        QVERIFY2(!t.order.contains(QRegularExpression("e.*b")), qPrintable(t.order));
    }

    // Alarms are kept: a restart offers them again, and one missed meanwhile is told once.
    void alarmsSurviveARestart() {
        Tray t;
        t.dialogs.inputs = QStringList{"14:30", "reunião", "10:00", "café"};
        t.tray->alarmClicked(0);
        t.tray->alarmClicked(1);
        t.tray->alarmClicked(0); // clicked again: cancelled
        QCOMPARE(t.told(), QStringList{msg(38)});
        t.dialogs.inputs = QStringList{"9:40", "ponto"};
        t.tray->alarmClicked(1);
        t.tray = t.restart();
        QCOMPARE(t.tray->alarms().size(), 2);
        t.tickAt({"09:50:00"});
        t.tray = t.restart();
        t.tickAt({"09:50:01"});
        QCOMPARE(t.told(), QStringList({msg(38), msg(340, "09:40:00", "PONTO")}));
        QCOMPARE(t.tray->alarms(), QList<Alarm>{Alarm({at("10:00:00"), "CAFÉ"})});
    }

    // The shutdown: its time typed, then the question answered; the clock read at the moments given
    // ("again": the entry clicked again, which cancels it).
    void shutdownWarnsThenPowersOff_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("sounding"); // at each tick, "s" sounding, "." not
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("powerOffs");
        const QString asked = msg(39, "09:31:00");
        QTest::newRow("warned, then off")
            << "9:31" << int(Answer::Yes) << "" << QStringList{"09:30:39", "09:30:40", "09:30:59", "09:31:00"}
            << ".ss." << QStringList{asked} << 1;
        QTest::newRow("refused") << "9:31" << int(Answer::Yes) << "Access denied"
                                 << QStringList{"09:31:02", "09:31:03"} << ".."
                                 << QStringList{asked, msg(342, "Access denied")} << 1;
        QTest::newRow("asleep through it")
            << "9:31" << int(Answer::Yes) << "" << QStringList{"09:30:50", "09:31:06"} << "s."
            << QStringList{asked, msg(343, "09:31:00")} << 0;
        QTest::newRow("cancelled") << "9:31" << int(Answer::Yes) << "" << QStringList{"again", "09:31:00"}
                                   << ".." << QStringList{asked, msg(38)} << 0;
        QTest::newRow("answered no") << "9:31" << int(Answer::No) << "" << QStringList{"09:31:00"} << "."
                                     << QStringList{asked} << 0;
        QTest::newRow("gone today: tomorrow, and says so")
            << "8:00" << int(Answer::Yes) << "" << QStringList{"08:00:00", "+08:00:01"} << ".."
            << QStringList{msg(341, "08:00:00")} << 1;
        QTest::newRow("not a time") << "24:00" << int(Answer::Yes) << "" << QStringList{} << ""
                                    << QStringList{msg(38) + "\r\n\r\n" + msg(349, "24:00")} << 0;
    }
    void shutdownWarnsThenPowersOff() {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QStringList, ticks);
        QFETCH(QString, refusal);
        Tray t;
        t.power.refusal = refusal;
        t.dialogs.inputs = QStringList{typed};
        t.dialogs.answers = {Answer(answer)};
        t.tray->shutdownClicked();
        QSignalSpy off(t.tray.get(), &TrayUtilities::powerOffAccepted);
        t.dialogs.onMessage = [&](const FakeDialogs::Shown&) { t.order += 'b'; };
        QString sounding;
        for (const QString& time : ticks) {
            time == "again" ? t.tray->shutdownClicked() : t.tickAt({time});
            sounding += t.tray->sounding() ? 's' : '.';
        }
        QTEST(sounding, "sounding");
        QTEST(t.told(), "told");
        QTEST(t.power.powerOffs, "powerOffs");
        QCOMPARE(off.size(), t.power.powerOffs && t.power.refusal.isEmpty() ? 1 : 0);
        QVERIFY(!t.tray->shutdownAt());
        QVERIFY2(!t.order.contains(QRegularExpression("e.*b")), qPrintable(t.order));
        // A hurried Enter keeps the computer on.
        if (t.dialogs.shown.size() > 1 && t.dialogs.shown[1].buttons == Dialogs::Buttons::YesNo)
            QCOMPARE(t.dialogs.shown[1].defaultButton, std::optional(Answer::No));
    }

    // On: "MenuShowDelay" and the sixteen policy values; off: the sixteen go, "MenuShowDelay" stays.
    // Segur keeps the state, which a restart reads back.
    void protectionWritesAndRemovesPolicyValues() {
        Tray t;
        const QStringList values = TrayUtilities::policyValues();
        QCOMPARE(values.size(), 16);
        const auto stored = [&] {
            QString s;
            for (const QString& v : values)
                s += registry::read(v.section('\\', 0, -2), v.section('\\', -1)).isEmpty() ? '-' : '1';
            return s + ' ' + registry::read("Control Panel\\Desktop", "MenuShowDelay") + ' ' +
                   t.store.read("Conf", "Segur", "-");
        };
        t.dialogs.answers = {Answer::No, Answer::Yes};
        t.tray->protectionClicked();
        QCOMPARE(stored(), QString(16, '-') + "  False");
        t.tray->protectionClicked();
        QCOMPARE(stored(), QString(16, '1') + " 10 True");
        QVERIFY(t.restart()->protectionOn());
        // Names match without regard to case, as in the registry.
        QCOMPARE(registry::read(values[0].section('\\', 0, -2).toUpper(), "nosetfolders"), "1");
        t.tray->protectionClicked();
        QCOMPARE(stored(), QString(16, '-') + " 10 False");
        QCOMPARE(t.told(), QStringList({msg(41), msg(41), msg(42), msg(40)}));
    }

    // The entry of the application menu: named, with the program, its folder and the hotkey's hint.
    void startMenuEntry() {
        Tray t;
        t.context.facts.executablePath = "/opt/my apps/tabulora";
        qputenv("XDG_DATA_HOME", (t.path() + "/data").toUtf8());
        t.tray->createStartMenuEntry();
        qunsetenv("XDG_DATA_HOME");
        QFile file(t.path() + "/data/applications/tabulora.desktop");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        for (const QString& line : {QString("Name=Tabulora"), QString("Exec=\"/opt/my apps/tabulora\""),
                                    "Path=" + t.context.facts.dataDir, "Comment=" + msg(346),
                                    "Comment[fr]=" + MessageCatalog::message(346, Language::French)})
            QVERIFY2(lines.contains(line), qPrintable(line));
        QVERIFY(msg(346).contains("Ctrl+Shift+C"));
        QCOMPARE(t.told(), QStringList{msg(344, file.fileName())});
    }
};

QTEST_GUILESS_MAIN(TestTrayUtilities)
#include "tst_trayutilities.moc"
