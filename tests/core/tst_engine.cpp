// The adding machine driven through its key dispatcher, as a person types: keystroke scripts in,
// the exact tape, display and clipboard out; then clearing, a full tape and the commands.

#include "core/tapestate.h"
#include "support/enginerig.h"

#include <QDir>
#include <QtTest>

using Calculations::row;

class TestEngine : public QObject {
    Q_OBJECT

  private slots:
    void calculations_data() {
        Calculations::columns();
        row("immediate execution, no precedence", "{f0}5+3*2=", "16,00",
            "5,00 +|3,00 ×|2,00 =| 003|16,00 T|=", "16,00");
        row("rounded to the format after every step", "{f4}10/3*3=", "9,99",
            "10,00 ÷|3,00 ×|3,00 =| 003|9,99 T|=", "9,99");
        row("same operator twice repeats the number", "5++=", "10", "5 +|5 =| 002|10 T|=", "10");
        row("another operator only replaces the symbol", "5+-3=", "2", "5 -|3 =| 002|2 T|=", "2");
        row("minus on a zero display starts a negative number", "-5+2=", "-3", "-5 +|2 =| 002|-3 T|=", "-3");
        row("mark-up", "200+10%", "220", "200 +|10 %| 002|220 T|=", "220");
        row("discount", "200-10%", "180", "200 -|10 %| 002|180 T|=", "180");
        row("tax contained in an amount", "110/10%", "10", "110 ÷|10 %| 002|10 T|=", "10");
        row("percentage of a product", "200*10%", "20", "200 ×|10 %| 002|20 T|=", "20");
        row("fixed format types cents", "{f1}1234+=", "12,34", "12,34 =| 001|12,34 T|=", "12,34");
        row("decimals typed with either key", "1,5+2.25=", "3,75", "1,5 +|2,25 =| 002|3,75 T|=", "3,75");
        row("Enter adds", "{adds}5{enter}3{enter}=", "8", "5 +|3 =| 002|8 T|=", "8");
        row("minus adds a negative number when Enter adds", "{adds}5{enter}2-=", "3",
            "5 +|-2 =| 002|3 T|=", "3");
        row("grouped thousands", "{f0}1234567+1=", "1.234.568,00",
            "1.234.567,00 +|1,00 =| 002|1.234.568,00 T|=", "1.234.568,00");
        row("letter keypad", "uio+jkl+m=", "579", "456 +|123 =| 002|579 T|=", "579");
        row("a total of 22 characters or more is marked E", "{f10}99999*99999=", "9.999.800.001,00000000",
            "99.999,00000000 ×|99.999,00000000 =| 002|9.999.800.001,00000000 E|=", "9.999.800.001,00000000");
        row("an operator after a total carries the next number", "5+3=+2=", "2",
            "5 +|3 =| 002|8 T| ======================= +|2 =| 001|2 T|=", "2");
        row("an operator after an overflowed total carries the next number",
            "{f10}999999999999*999999999=-2=", "-2,00000000",
            "999.999.999.999,000000 ×|999.999.999,00000000 =| 002|999.999.998.999.000.00 E"
            "| ======================= -|2,00000000 =| 001|-2,00000000 T|=",
            "-2,00000000");
        row("a second equals adds one separator, a third only clears", "5+3===", "0",
            "5 +|3 =| 002|8 T|=|=", "8");
        row("the running total shows after each operator", "{f0}5+3+", "8,00", "5,00 +|3,00 +");
        row("zero is no divisor: the division waits for one", "8/0+2=", "4", "8 ÷|2 =| 002|4 T|=", "4");
        row("a step that overflows is skipped",
            "999999999999*999999999999*99999+1=", "999.999.999.998.000.00",
            "999.999.999.999 ×|999.999.999.999 ×|99.999 +|1 =| 004|999.999.999.998.000.00 E|=",
            "999.999.999.998.000.000.000.002");
        row("delete once clears the display", "5+3{del}2=", "7", "5 +|2 =| 002|7 T|=", "7");
        row("delete on a zero display clears the tape", "5+3=1+{del}{del}", "0", " 05/12/2026 sáb|=", "8");

        // What typing shows before any line is printed.
        row("floating: separator shown while typing", "{f0}12,", "12,");
        row("floating: one decimal as typed", "{f0}12,5", "12,5");
        row("floating: two decimals from the pattern", "{f0}12,50", "12,50");
        row("floating: integer", "{f0}12", "12,00");
        row("traditional keeps a typed separator", "12,", "12,");
        row("fixed: cents", "{f1}1", "0,01");
        row("a lone separator becomes 0,", ",", "0,");
        row("twelve digits at most", "1234567890123", "123.456.789.012");
        row("no more decimals than the format shows", "{f4}1,2345{back}", "1,20");
        row("one separator only", "1,2,3", "1,23");
        row("back removes the last character", "123{back}", "12");
        row("back to nothing gives zero", "1{back}", "0");
        row("sign toggles", "5{neg}", "-5");
        row("sign toggles back", "5{neg}{neg}", "5");
        row("minus on zero in floating format", "{f0}-", "-0,00");
        row("minus on zero in traditional format", "-", "-0");
        row("letters are not numbers", "1x2", "12");
        row("memory adds and subtracts", "5{m+}3{m+}10{m-}{mr}", "-2");
        row("an empty memory takes M- negated", "5{m-}{mr}", "-5");
        row("the recalled entry goes on being typed", "5{m+}{mr}4", "54");
        row("recalling an empty memory empties the entry", "12{mr}", "0");
        row("MC empties the memory", "5{m+}{mc}12{mr}", "0");
    }
    void calculations() { Calculations::check(); }

    // Clearing keeps the tape in the backup file first (an empty tape is not kept). A backup grown
    // large is told at every clear; one that cannot be written is told once, and its tape stays.
    void clearingKeepsABackup_data() {
        QTest::addColumn<QString>("before"); // where the backup goes: "" an empty file, "large", "folder"
        QTest::addColumn<bool>("backup");
        QTest::addColumn<QList<int>>("told");
        QTest::newRow("kept") << "" << true << QList<int>{};
        QTest::newRow("large") << "large" << true << QList{173, 173};
        QTest::newRow("cannot be written") << "folder" << true << QList{240};
        QTest::newRow("backup off") << "" << false << QList<int>{};
    }
    void clearingKeepsABackup() {
        QFETCH(QString, before);
        QFETCH(bool, backup);
        QFETCH(QList<int>, told);
        EngineRig rig;
        rig.engine->setBackup(backup);
        const QString path = rig.engine->backupFile().path();
        const bool folder = before == QLatin1String("folder");
        QString kept(before == QLatin1String("large") ? TapeBackup::WarningSize : 0, QLatin1Char('x'));
        QFile file(path);
        QVERIFY(folder ? QDir().mkpath(path)
                       : file.open(QIODevice::WriteOnly) && file.write(kept.toLatin1()) >= 0);
        file.close();
        rig.engine->clearTape();
        QString last;
        for (const char* keys : {"5+3=", "7+1="}) {
            rig.type(QString::fromLatin1(keys));
            last = rig.engine->tape().text();
            if (backup)
                kept += last + tape("=") + QStringLiteral("        BKP = 09:30:15 hs.\r\n") + tape("=");
            rig.engine->clearTape();
        }
        QVERIFY(folder || (file.open(QIODevice::ReadOnly) && QString::fromUtf8(file.readAll()) == kept));
        QCOMPARE(rig.engine->tape().text(), folder ? last : tape(" 05/12/2026 sáb|="));
        QCOMPARE(rig.dialogs.shown.size(), told.size());
        for (qsizetype i = 0; i < told.size(); ++i) { // the system's reason aside
            const QStringList text =
                rig.messages.text(told[i], QDir::toNativeSeparators(path), "\x01").split('\x01');
            QVERIFY(rig.dialogs.shown[i].text.startsWith(text.first()) &&
                    rig.dialogs.shown[i].text.endsWith(text.last()));
            QCOMPARE(rig.dialogs.shown[i].icon, Dialogs::Icon::Exclamation);
        }
    }

    // A total past the tape's capacity asks to clear it, No by default, and only once the total is in
    // the state file: a crash while the question waits loses nothing.
    void fullTapeAsksToClear_data() {
        QTest::addColumn<QList<Dialogs::Answer>>("answers");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("yes clears") << QList{Dialogs::Answer::Yes} << true;
        QTest::newRow("Enter keeps") << QList<Dialogs::Answer>{} << false;
    }
    void fullTapeAsksToClear() {
        EngineRig rig;
        while (rig.engine->tape().size() <= Engine::TapeCapacity)
            rig.type(QStringLiteral("1+"));
        QVERIFY2(rig.dialogs.shown.isEmpty(), "only a total asks");
        // As the window does: the tape is kept whenever it settles.
        const QString file = TapeStateFile::path(rig.dir.path(), QStringLiteral("1"));
        const auto kept = [&] {
            return TapeStateFile::readStateFile(file).value_or(TapeStateFile::Reading{}).state.tape;
        };
        connect(rig.engine.get(), &Engine::tapeSettled, this,
                [&] { TapeStateFile::save(*rig.engine, file, "05/12/2026"); });
        QString shown, keptWhileAsking;
        rig.dialogs.onMessage = [&](const FakeDialogs::Shown&) {
            shown = rig.engine->tape().text();
            keptWhileAsking = kept();
        };
        QFETCH(QList<Dialogs::Answer>, answers);
        rig.dialogs.answers = answers;
        rig.type(QStringLiteral("="));
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown[0].text, rig.messages.text(4));
        QCOMPARE(rig.dialogs.shown[0].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(rig.dialogs.shown[0].defaultButton, std::optional(Dialogs::Answer::No));
        QVERIFY(shown.endsWith(QStringLiteral(" T\r\n") + tape("=")));
        QCOMPARE(keptWhileAsking, shown);
        QFETCH(bool, cleared);
        QCOMPARE(rig.engine->tape().size() < 100, cleared);
        QCOMPARE(kept(), rig.engine->tape().text());
    }

    void enterAddsAnnouncesItselfOnce() {
        EngineRig rig;
        rig.type(QStringLiteral("{adds}{adds}{adds}"));
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QVERIFY(rig.dialogs.shown[0].text.startsWith(rig.messages.text(14)));
        QVERIFY(rig.dialogs.shown[0].text.endsWith(QStringLiteral("também irá dar o resultado!")));
    }

    void groupSumsTheInterestReports() {
        EngineRig rig, empty;
        const auto report = [](const char* initial, const char* interest, const char* final) {
            return tape(QStringLiteral("VALOR INICIAL |%1 |JURO TOTAL |%2 |VALOR FINAL |%3 |=")
                            .arg(initial, interest, final));
        };
        rig.engine->restoreTape(report("1.000,00", "100,00", "1.100,00") + tape("7 +") +
                                report("500,50", "20,25", "520,75"));
        rig.engine->groupReports();
        QVERIFY(rig.engine->tape().text().endsWith(
            tape("=| TOTAL DAS CAPITALIZAÇÕES:| -------------------------"
                 "|VALOR INICIAL:|1.500,50 |VALOR JURO:|120,25 |VALOR FINAL:|1.620,75 |=")));
        QCOMPARE(rig.engine->display(), QStringLiteral("0"));
        empty.engine->groupReports();
        QVERIFY(empty.engine->tape().text().contains(tape("0,00 ")));
    }

    // A tool's report: the calculation in progress is totalled first, the report closed by a
    // separator, and the tool's value left in the entry to go on with.
    void aToolReportFollowsTheTotal() {
        EngineRig rig;
        rig.type(QStringLiteral("5+3+"));
        rig.engine->writeReport(tape("VALOR FINAL |1.100,00 "), QStringLiteral("1100"));
        QCOMPARE(rig.engine->tape().text(), tape("5 +|3 =| 002|8 T|=|VALOR FINAL |1.100,00 |="));
        rig.type(QStringLiteral("+1="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("1.101"));
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
