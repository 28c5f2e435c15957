// Changing what was already entered: undo and redo within a calculation, re-entry of a tape
// number, labels typed during a calculation, and free editing of a finished tape.

#include "core/engine.h"
#include "support/enginerig.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QString tape(const QStringList& lines) { return tapeLines(lines); }
const QString Sep = TapeSeparator;
} // namespace

class TestHistory : public QObject {
    Q_OBJECT

    using Rig = EngineRig;

private slots:
    void undoAndRedo_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expectedTape");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<bool>("canUndo");
        QTest::addColumn<bool>("canRedo");

        QTest::newRow("undo takes the last line back")
            << "5+3+{undo}" << tape({"                       5 +"}) << "5" << "001" << true << true;
        QTest::newRow("redo enters it again")
            << "5+3+{undo}{redo}" << tape({"                       5 +", "                       3 +"}) << "8" << "002"
            << true << false;
        QTest::newRow("undo twice, redo twice: the same lines in the same order")
            << "5+3-2*{undo}{undo}{redo}{redo}"
            << tape({"                       5 +", "                       3 -", "                       2 ×"}) << "6"
            << "003" << true << false;
        QTest::newRow("redo keeps the operator of the line")
            << "9-4+{undo}{redo}=" << tape({"                       9 -", "                       4 =",
                                            " 002                      ", "                       5 T", Sep})
            << "0" << "000" << true << false;
        QTest::newRow("undo down to nothing")
            << "5+{undo}" << QString() << "0" << "000" << false << true;
        QTest::newRow("typing after undo drops the newest redo")
            << "5+3+2+{undo}{undo}7+{redo}"
            << tape({"                       5 +", "                       7 +", "                       2 +"}) << "14"
            << "003" << true << false;
        QTest::newRow("a total stays printed")
            << "5+3={undo}" << tape({"                       5 +", "                       3 =",
                                     " 002                      ", "                       8 T", Sep})
            << "0" << "000" << true << false;
        QTest::newRow("an operator after a total is no line to take back")
            << "5+3=+{undo}" << tape({"                       5 +", "                       3 =",
                                      " 002                      ", "                       8 T",
                                      " ======================= +"})
            << "0" << "000" << true << false;
        QTest::newRow("a second equals clears the history")
            << "5+3=={undo}" << tape({"                       5 +", "                       3 =",
                                      " 002                      ", "                       8 T", Sep, Sep})
            << "0" << "000" << false << false;
    }

    void undoAndRedo() {
        QFETCH(QString, keys);
        QFETCH(QString, expectedTape);
        QFETCH(QString, total);
        QFETCH(QString, counter);
        QFETCH(bool, canUndo);
        QFETCH(bool, canRedo);
        Rig rig;
        rig.type(keys);
        QCOMPARE(rig.engine->tape().text(), expectedTape);
        QCOMPARE(rig.engine->total(), total);
        QCOMPARE(rig.engine->counter(), counter);
        QCOMPARE(rig.engine->canUndo(), canUndo);
        QCOMPARE(rig.engine->canRedo(), canRedo);
    }

    void undoShowsTheTotalBeforeTheLine() {
        Rig rig;
        rig.type(QStringLiteral("5+3+"));
        rig.engine->undo();
        QCOMPARE(rig.engine->display(), QStringLiteral("5"));
        rig.type(QStringLiteral("2="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("7"));
    }

    void labels_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expectedTape");
        QTest::newRow("a word labels the last line")
            << "1500+aluguel150+" << tape({" ALUGUEL           1.500 +", "                     150 +"});
        QTest::newRow("eleven letters at most")
            << "10+abcdefghijklm" << tape({" ABCDEFGHIJK          10 +"});
        QTest::newRow("backspace takes a letter back")
            << "10+luzz{back}" << tape({" LUZ                  10 +"});
        QTest::newRow("a label belongs to one line")
            << "10+agua20+" << tape({" AGUA                 10 +", "                      20 +"});
        QTest::newRow("the rule before the total")
            << "10+agua20=" << tape({" AGUA                 10 +", "                      20 =", " _________________________", "", " 002                      ", "                      30 T", Sep});
        QTest::newRow("letters are no keypad while labelling")
            << "10+jk" << tape({" JK                   10 +"});
        QTest::newRow("a display over 9 characters stops the number growing")
            << "123456789+" << tape({"              12.345.678 +"});
    }

    void labels() {
        QFETCH(QString, keys);
        QFETCH(QString, expectedTape);
        Rig rig;
        rig.engine->setInsertText(true);
        rig.type(keys);
        QCOMPARE(rig.engine->tape().text(), expectedTape);
    }

    void noLabelBeforeTheFirstLine() {
        Rig rig;
        rig.engine->setInsertText(true);
        rig.type(QStringLiteral("abc5+"));
        QCOMPARE(rig.engine->tape().text(), tape({"                       5 +"}));
    }

    void reentryAddsTheNumberAgain() {
        Rig rig;
        rig.type(QStringLiteral("125+3="));
        const qsizetype firstLine = 0;
        rig.type(QStringLiteral("10+"));
        rig.engine->reenter(QStringLiteral("125"), firstLine);
        rig.type(QStringLiteral("="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("135"));
        rig.engine->reenter(QStringLiteral("abc"), firstLine);
        rig.engine->reenter(QStringLiteral("0"), firstLine);
        QVERIFY(rig.engine->tape().text().endsWith(Sep + QStringLiteral("\r\n")));
    }

    void reentryOfATimeSwitchesToTimeMode() {
        Rig rig;
        rig.engine->reenter(QStringLiteral("01:30:00"), 0);
        QVERIFY(rig.engine->timeMode());
        rig.engine->reenter(QStringLiteral("00:45:00"), 0);
        rig.type(QStringLiteral("="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("02:15:00"));
    }

    void editModeOnlyBetweenCalculations() {
        Rig rig;
        rig.type(QStringLiteral("5+3+"));
        QVERIFY(!rig.engine->enterEditMode());
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.at(0).text, rig.messages.text(12));
        QCOMPARE(rig.dialogs.shown.at(0).icon, Dialogs::Icon::Exclamation);
        rig.type(QStringLiteral("="));
        QVERIFY(rig.engine->enterEditMode());
        QVERIFY(rig.engine->tape().text().endsWith(QStringLiteral("=\r\n ")));
        // While editing, keys do not reach the calculator.
        rig.type(QStringLiteral("9+"));
        QCOMPARE(rig.engine->display(), QStringLiteral("8"));
        QString edited = rig.engine->tape().text();
        edited += QStringLiteral("NOTA DO DIA");
        rig.engine->leaveEditMode(edited);
        QVERIFY(!rig.engine->editMode());
        QVERIFY(rig.engine->tape().text().endsWith(QStringLiteral(" NOTA DO DIA\r\n") + Sep + QStringLiteral("\r\n")));
        rig.type(QStringLiteral("2+2="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("4"));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
