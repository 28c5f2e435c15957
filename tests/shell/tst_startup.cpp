// The command word decides the road of a start: splash or not, close the primary first, become
// the primary, hand over, or run the auxiliary calculator.

#include "shell/startup.h"

#include <QtTest>

using namespace Startup;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void roads_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("primaryRunning");
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("closeFirst");
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("showsCalculator");

        const int P = int(Role::Primary), H = int(Role::HandOver), A = int(Role::Auxiliary);
        QTest::newRow("plain first start") << "" << false << true << false << P << true;
        QTest::newRow("plain second start hands over") << "" << true << true << false << H << true;
        QTest::newRow("systray sits in the tray") << "systray" << false << false << false << P << false;
        QTest::newRow("Systray is not systray") << "Systray" << false << true << false << P << true;
        QTest::newRow("fechar closes silently") << "fechar" << true << false << true << H << true;
        QTest::newRow("atualiza closes, then starts") << "atualiza" << true << true << true << H << true;
        QTest::newRow("mini closes, then starts") << "mini" << false << true << true << P << true;
        QTest::newRow("outra with a primary") << "outra" << true << true << false << A << true;
        QTest::newRow("outratempo with a primary") << "outratempo" << true << true << false << A << true;
        QTest::newRow("outra alone is a primary") << "outra" << false << true << false << P << true;
        QTest::newRow("juro is handed over") << "juro" << true << true << false << H << true;
    }
    void roads() {
        QFETCH(QString, word);
        QFETCH(bool, primaryRunning);
        QFETCH(bool, splash);
        QFETCH(bool, closeFirst);
        QFETCH(int, role);
        QFETCH(bool, showsCalculator);
        QCOMPARE(showsSplash(word), splash);
        QCOMPARE(closesPrimaryFirst(word), closeFirst);
        QCOMPARE(int(roleFor(word, primaryRunning)), role);
        QCOMPARE(Startup::showsCalculator(word), showsCalculator);
    }

    void words_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("onActivation");
        QTest::addColumn<int>("onHandOver");
        QTest::newRow("tempo") << "tempo" << int(Action::TimeMode) << int(Action::TimeMode);
        QTest::newRow("juro") << "juro" << int(Action::Installments) << int(Action::Installments);
        QTest::newRow("peso") << "peso" << int(Action::IdealWeight) << int(Action::IdealWeight);
        QTest::newRow("data") << "data" << int(Action::DateCalculator) << int(Action::DateCalculator);
        QTest::newRow("nothing") << "" << int(Action::None) << int(Action::None);
        QTest::newRow("outratempo is not tempo") << "outratempo" << int(Action::None) << int(Action::None);
        QTest::newRow("Tempo is not tempo") << "Tempo" << int(Action::None) << int(Action::None);
    }
    void words() {
        QFETCH(QString, word);
        QFETCH(int, onActivation);
        QFETCH(int, onHandOver);
        QCOMPARE(int(actionForWord(word)), onActivation);
        QCOMPARE(int(actionForHandOver(handOverText(word, QTime(10, 0)))), onHandOver);
    }

    void equalWordsInARowStillDiffer() {
        QVERIFY(handOverText(QStringLiteral("juro"), QTime(10, 0, 0)) !=
                handOverText(QStringLiteral("juro"), QTime(10, 0, 1)));
        QVERIFY(handOverText(QString(), QTime(10, 0)).size() > 0);
    }

    void argumentsMakeOneWord() {
        QCOMPARE(commandWord({QStringLiteral("tabulora")}), QString());
        QCOMPARE(commandWord({QStringLiteral("tabulora"), QStringLiteral("outra"), QStringLiteral("tempo")}),
                 QStringLiteral("outratempo"));
        QVERIFY(auxiliaryInTimeMode(QStringLiteral("outratempo")));
        QVERIFY(!auxiliaryInTimeMode(QStringLiteral("outra")));
        QVERIFY(compactMode(QStringLiteral("mini")));
        QVERIFY(endsAfterClosingPrimary(QStringLiteral("fechar")));
        QVERIFY(!endsAfterClosingPrimary(QStringLiteral("atualiza")));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
