// Changing what was already entered: undo and redo within a calculation, labels typed during one,
// re-entry of a tape number, and free editing of a finished tape.

#include "support/enginerig.h"

#include <QtTest>

using Calculations::row;

class TestHistory : public QObject {
    Q_OBJECT

  private slots:
    // `can`: what the Edit menu offers afterwards.
    void undoAndRedo_data() {
        for (const char* column : {"keys", "tape", "display", "counter", "can"})
            QTest::addColumn<QString>(column);
        const auto add = [](const char* name, const char* keys, const char* lines, const char* display,
                            const char* counter, const char* can) {
            QTest::newRow(name) << QString(keys) << tape(lines) << QString(display) << QString(counter)
                                << QString(can);
        };
        add("undo takes the last line back", "5+3+{undo}", "5 +", "5", "001", "undo redo");
        add("undo twice, redo twice: the same lines in the same order", "5+3-2*{undo}{undo}{redo}{redo}",
            "5 +|3 -|2 ×", "6", "003", "undo");
        add("undo down to nothing", "5+{undo}", "", "0", "000", "redo");
        add("typing after undo drops the newest redo", "5+3+2+{undo}{undo}7+{redo}", "5 +|7 +|2 +", "14",
            "003", "undo");
        add("a total stays printed", "5+3={undo}", "5 +|3 =| 002|8 T|=", "8", "000", "undo");
        add("an operator after a total is no line to take back", "5+3=+{undo}",
            "5 +|3 =| 002|8 T| ======================= +", "0", "000", "undo");
        add("a label typed over the separator leaves it no line to take back", "{text}5+3=u*{undo}",
            "5 +|3 =| _________________________|| 002|8 T| U           =========== ×", "0", "000", "undo");
        add("a second equals clears the history", "5+3=={undo}", "5 +|3 =| 002|8 T|=|=", "0", "000", "");
    }
    void undoAndRedo() {
        QFETCH(QString, keys);
        EngineRig rig;
        rig.type(keys);
        QTEST(rig.engine->tape().text(), "tape");
        QTEST(rig.engine->display(), "display");
        QTEST(rig.engine->counter(), "counter");
        const QString can = QStringLiteral("%1 %2").arg(rig.engine->canUndo() ? "undo" : "",
                                                        rig.engine->canRedo() ? "redo" : "");
        QTEST(can.trimmed(), "can");
    }

    void labelsAndReentry_data() {
        Calculations::columns();
        row("a word labels the last line", "{text}1500+aluguel150+", "1.650",
            " ALUGUEL           1.500 +|150 +");
        row("eleven letters at most", "{text}10+abcdefghijklm", "10", " ABCDEFGHIJK          10 +");
        row("backspace takes a letter back", "{text}10+luzz{back}", "10", " LUZ                  10 +");
        row("the rule before the total", "{text}10+agua20=", "30",
            " AGUA                 10 +|20 =| _________________________|| 002|30 T|=", "30");
        row("letters are no keypad while labelling", "{text}10+jk", "10", " JK                   10 +");
        row("no label before the first line", "{text}abc5+", "5", "5 +");
        row("a display over 9 characters stops the number growing", "{text}123456789+", "12.345.678",
            "12.345.678 +");
        row("re-entry adds a tape number again", "125+3=10+{reenter 125}=", "135",
            "125 +|3 =| 002|128 T|=|10 +|125 =| 002|135 T|=", "135");
        row("only a number is re-entered", "{reenter abc}{reenter 0}", "0");
        row("re-entry of a time switches to time mode", "{reenter 01:30:00}{reenter 00:45:00}=", "02:15:00",
            "=|01:30:00 +|00:45:00 =| 002|02:15:00 T|=", "02:15:00");
    }
    void labelsAndReentry() { Calculations::check(); }

    // The tape is edited only between calculations; meanwhile keys and buttons do nothing.
    void editMode() {
        EngineRig rig;
        rig.type(QStringLiteral("5+3+"));
        QVERIFY(!rig.engine->enterEditMode());
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown[0].text, rig.messages.text(12));
        QCOMPARE(rig.dialogs.shown[0].icon, Dialogs::Icon::Exclamation);
        rig.type(QStringLiteral("="));
        QVERIFY(rig.engine->enterEditMode());
        const QString edited = rig.engine->tape().text() + QStringLiteral("NOTA DO DIA");
        QVERIFY(edited.endsWith(QStringLiteral("=\r\n NOTA DO DIA")));
        rig.type(QStringLiteral("9+{del}{neg}{m+}"));
        rig.engine->press(Button::Digit7);
        QVERIFY(rig.engine->display() == QStringLiteral("8") && rig.engine->memory().isEmpty());
        rig.engine->leaveEditMode(edited);
        QVERIFY(!rig.engine->editMode());
        QCOMPARE(rig.engine->tape().text(), edited + tape("|="));
        rig.type(QStringLiteral("2+2="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("4"));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
