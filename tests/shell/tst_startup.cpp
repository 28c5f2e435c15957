// The command word decides the road of a start: splash or not, close the primary first, become
// the primary, hand over, or run the auxiliary calculator; and what the primary does with a word.

#include "shell/startup.h"

#include <QtTest>

using namespace Startup;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void roads_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("primaryRunning");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("showsCalculator");
        const int P = int(Role::Primary), H = int(Role::HandOver), A = int(Role::Auxiliary);
        QTest::newRow("plain second start hands over") << "" << true << H << true << true;
        QTest::newRow("systray sits in the tray") << "systray" << false << P << false << false;
        QTest::newRow("SystrayWord is not systray") << "SystrayWord" << false << P << true << true;
        QTest::newRow("outratempo with a primary") << "outratempo" << true << A << true << true;
        QTest::newRow("outra alone is a primary") << "outra" << false << P << true << true;
    }
    void roads() {
        QFETCH(QString, word);
        QFETCH(bool, primaryRunning);
        QFETCH(int, role);
        QFETCH(bool, splash);
        QFETCH(bool, showsCalculator);
        QCOMPARE(int(roleFor(word, primaryRunning)), role);
        QCOMPARE(showsSplash(word), splash);
        QCOMPARE(Startup::showsCalculator(word), showsCalculator);
    }

    void handedOverWordsAreActedOn_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("acted");
        QTest::newRow("tempo") << "tempo" << "tempo";
        QTest::newRow("juro") << "juro" << "juro";
        QTest::newRow("nothing") << "" << "";
        QTest::newRow("Tempo is not tempo") << "Tempo" << "";
    }
    void handedOverWordsAreActedOn() {
        QFETCH(QString, word);
        QFETCH(QString, acted);
        QCOMPARE(wordOfHandOver(handOverText(word, QTime(10, 0))), acted);
        // Two equal words in a row still differ, so the primary sees both.
        QVERIFY(handOverText(word, QTime(10, 0, 0)) != handOverText(word, QTime(10, 0, 1)));
    }

    void argumentsMakeOneWord() {
        QCOMPARE(commandWord({QStringLiteral("tabulora")}), QString());
        QCOMPARE(commandWord({QStringLiteral("tabulora"), QStringLiteral("outra"), QStringLiteral("tempo")}),
                 QStringLiteral("outratempo"));
        QVERIFY(auxiliaryInTimeMode(QStringLiteral("outratempo")));
        QVERIFY(!auxiliaryInTimeMode(QStringLiteral("outra")));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
