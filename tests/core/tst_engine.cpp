// The adding machine driven through its key dispatcher, as a person types: keystroke scripts in,
// the exact tape, display, counter and clipboard out.

#include "core/engine.h"
#include "core/tapestate.h"
#include "support/enginerig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString tape(const QStringList& lines) { return tapeLines(lines); }
const QString Sep = TapeSeparator;
} // namespace

class TestEngine : public QObject {
    Q_OBJECT

    using Rig = EngineRig;

private slots:
    void calculations_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("enterAdds");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expectedTape");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("clipboard");

        QTest::newRow("immediate execution, no precedence")
            << 0 << false << "5+3*2=" << tape({
               "                    5,00 +",
               "                    3,00 ×",
               "                    2,00 =",
               " 003                      ",
               "                   16,00 T", Sep}) << "16,00" << "16,00";
        QTest::newRow("rounded to the format after every step")
            << 4 << false << "10/3*3=" << tape({
               "                   10,00 ÷",
               "                    3,00 ×",
               "                    3,00 =",
               " 003                      ",
               "                    9,99 T", Sep}) << "9,99" << "9,99";
        QTest::newRow("same operator twice repeats the number")
            << 2 << false << "5++=" << tape({
               "                       5 +",
               "                       5 =",
               " 002                      ",
               "                      10 T", Sep}) << "10" << "10";
        QTest::newRow("another operator only replaces the symbol")
            << 2 << false << "5+-3=" << tape({
               "                       5 -",
               "                       3 =",
               " 002                      ",
               "                       2 T", Sep}) << "2" << "2";
        QTest::newRow("minus on a zero display starts a negative number")
            << 2 << false << "-5+2=" << tape({
               "                      -5 +",
               "                       2 =",
               " 002                      ",
               "                      -3 T", Sep}) << "-3" << "-3";
        QTest::newRow("mark-up") << 2 << false << "200+10%" << tape({
               "                     200 +",
               "                      10 %",
               " 002                      ",
               "                     220 T", Sep}) << "220" << "220";
        QTest::newRow("discount") << 2 << false << "200-10%" << tape({
               "                     200 -",
               "                      10 %",
               " 002                      ",
               "                     180 T", Sep}) << "180" << "180";
        QTest::newRow("tax contained in an amount") << 2 << false << "110/10%" << tape({
               "                     110 ÷",
               "                      10 %",
               " 002                      ",
               "                      10 T", Sep}) << "10" << "10";
        QTest::newRow("percentage of a product") << 2 << false << "200*10%" << tape({
               "                     200 ×",
               "                      10 %",
               " 002                      ",
               "                      20 T", Sep}) << "20" << "20";
        QTest::newRow("fixed format types cents") << 1 << false << "1234+=" << tape({
               "                   12,34 =",
               " 001                      ",
               "                   12,34 T", Sep}) << "12,34" << "12,34";
        QTest::newRow("decimals typed with either key") << 2 << false << "1,5+2.25=" << tape({
               "                     1,5 +",
               "                    2,25 =",
               " 002                      ",
               "                    3,75 T", Sep}) << "3,75" << "3,75";
        QTest::newRow("enter adds") << 2 << true << "5{enter}3{enter}=" << tape({
               "                       5 +",
               "                       3 =",
               " 002                      ",
               "                       8 T", Sep}) << "8" << "8";
        QTest::newRow("minus adds a negative number in enter-adds mode") << 2 << true << "5{enter}2-=" << tape({
               "                       5 +",
               "                      -2 =",
               " 002                      ",
               "                       3 T", Sep}) << "3" << "3";
        QTest::newRow("grouped thousands") << 0 << false << "1234567+1=" << tape({
               "            1.234.567,00 +",
               "                    1,00 =",
               " 002                      ",
               "            1.234.568,00 T", Sep}) << "1.234.568,00" << "1.234.568,00";
        QTest::newRow("letter keypad") << 2 << false << "uio+jkl+m=" << tape({
               "                     456 +",
               "                     123 =",
               " 002                      ",
               "                     579 T", Sep}) << "579" << "579";
        QTest::newRow("a total of 22 characters or more is marked E")
            << 10 << false << "999999999999*999999999=" << tape({
               "  999.999.999.999,000000 ×",
               "    999.999.999,00000000 =",
               " 002                      ",
               "  999.999.998.999.000.00 E", Sep}) << "999.999.998.999.000.00" << "999.999.998.999.000.000.001,00000000";
        QTest::newRow("an operator after a total carries the next number")
            << 2 << false << "5+3=+2=" << tape({
               "                       5 +",
               "                       3 =",
               " 002                      ",
               "                       8 T",
               " ======================= +",
               "                       2 =",
               " 001                      ",
               "                       2 T", Sep}) << "2" << "2";
        QTest::newRow("an operator after an overflowed total carries the next number")
            << 10 << false << "999999999999*999999999=-2=" << tape({
               "  999.999.999.999,000000 ×",
               "    999.999.999,00000000 =",
               " 002                      ",
               "  999.999.998.999.000.00 E",
               " ======================= -",
               "              2,00000000 =",
               " 001                      ",
               "             -2,00000000 T", Sep}) << "-2,00000000" << "-2,00000000";
    }

    void calculations() {
        QFETCH(int, format);
        QFETCH(bool, enterAdds);
        QFETCH(QString, keys);
        Rig rig(format, enterAdds);
        rig.type(keys);
        QFETCH(QString, expectedTape);
        QFETCH(QString, display);
        QFETCH(QString, clipboard);
        QCOMPARE(rig.engine->tape().text(), expectedTape);
        QCOMPARE(rig.engine->display(), display);
        QCOMPARE(rig.clipboard.text(), clipboard);
        QCOMPARE(rig.engine->counter(), QStringLiteral("000"));
        QCOMPARE(rig.engine->pendingOperator(), Operator::Add);
    }

    void typingShowsTheDisplay_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("entry");

        QTest::newRow("floating: separator shown while typing") << 0 << "12," << "12," << "12,";
        QTest::newRow("floating: one decimal as typed") << 0 << "12,5" << "12,5" << "12,5";
        QTest::newRow("floating: two decimals from the pattern") << 0 << "12,50" << "12,50" << "12,50";
        QTest::newRow("floating: integer") << 0 << "12" << "12,00" << "12";
        QTest::newRow("traditional drops the separator") << 2 << "12" << "12" << "12";
        QTest::newRow("traditional keeps a typed separator") << 2 << "12," << "12," << "12,";
        QTest::newRow("fixed: cents") << 1 << "1" << "0,01" << "1";
        QTest::newRow("fixed: 4 digits") << 1 << "1234" << "12,34" << "1234";
        QTest::newRow("a lone separator becomes 0,") << 2 << "," << "0," << "0,";
        QTest::newRow("twelve digits at most") << 2 << "1234567890123" << "123.456.789.012" << "123456789012";
        QTest::newRow("no more decimals than the format shows") << 4 << "1,2345" << "1,23" << "1,23";
        QTest::newRow("one separator only") << 2 << "1,2,3" << "1,23" << "1,23";
        QTest::newRow("back removes the last character") << 2 << "123{back}" << "12" << "12";
        QTest::newRow("back to nothing gives zero") << 2 << "1{back}" << "0" << "0";
        QTest::newRow("sign toggles") << 2 << "5{neg}" << "-5" << "-5";
        QTest::newRow("sign toggles back") << 2 << "5{neg}{neg}" << "5" << "5";
        QTest::newRow("minus on zero in floating format") << 0 << "-" << "-0,00" << "-0";
        QTest::newRow("minus on zero in traditional format") << 2 << "-" << "-0" << "-0";
        QTest::newRow("letters are not numbers") << 2 << "1x2" << "12" << "12";
        QTest::newRow("recalling an empty memory empties the entry") << 2 << "12{mr}" << "0" << "0";
    }

    void typingShowsTheDisplay() {
        QFETCH(int, format);
        Rig rig(format);
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, entry);
        rig.type(keys);
        QCOMPARE(rig.engine->display(), display);
        QCOMPARE(rig.engine->entry(), entry);
        QVERIFY(rig.engine->tape().isEmpty());
    }

    void secondEqualsAddsOneSeparatorThenOnlyClears() {
        Rig rig;
        rig.type(QStringLiteral("5+3="));
        const QString afterTotal = rig.engine->tape().text();
        rig.type(QStringLiteral("="));
        QCOMPARE(rig.engine->tape().text(), afterTotal + Sep + QStringLiteral("\r\n"));
        rig.type(QStringLiteral("=="));
        QCOMPARE(rig.engine->tape().text(), afterTotal + Sep + QStringLiteral("\r\n"));
        QCOMPARE(rig.engine->display(), QStringLiteral("0"));
    }

    void runningTotalShowsAfterEachOperator() {
        Rig rig(0);
        rig.type(QStringLiteral("5+3+"));
        QCOMPARE(rig.engine->display(), QStringLiteral("8,00"));
        QCOMPARE(rig.engine->total(), QStringLiteral("8,00"));
        QCOMPARE(rig.engine->counter(), QStringLiteral("002"));
        QCOMPARE(rig.engine->entry(), QStringLiteral("0"));
        QVERIFY(rig.engine->entrySelected());
    }

    void divisionByZeroLeavesTheTotal() {
        Rig rig;
        rig.type(QStringLiteral("8/0+2="));
        // "0" is no number: the "/" stays pending until 2 divides.
        QCOMPARE(rig.clipboard.text(), QStringLiteral("4"));
    }

    void overflowSkipsTheStep() {
        Rig rig;
        rig.type(QStringLiteral("999999999999*999999999999*999999999999*"));
        const QString before = rig.engine->total();
        rig.type(QStringLiteral("999999999999*"));
        QCOMPARE(rig.engine->total(), before);
        QCOMPARE(rig.engine->tape().text().count(QStringLiteral("\r\n")), 4);
    }

    void memory() {
        Rig rig;
        rig.type(QStringLiteral("5"));
        rig.engine->memoryAdd();
        rig.type(QStringLiteral("3"));
        rig.engine->memoryAdd();
        QCOMPARE(rig.engine->memory(), QStringLiteral("8"));
        rig.type(QStringLiteral("10"));
        rig.engine->memorySubtract();
        QCOMPARE(rig.engine->memory(), QStringLiteral("-2"));
        rig.engine->memoryRecall();
        QCOMPARE(rig.engine->entry(), QStringLiteral("-2"));
        QCOMPARE(rig.engine->display(), QStringLiteral("-2"));
        rig.engine->memoryClear();
        QCOMPARE(rig.engine->memory(), QString());
        rig.type(QStringLiteral("4"));
        QCOMPARE(rig.engine->entry(), QStringLiteral("-24")); // the recalled entry goes on being typed
        rig.type(QStringLiteral("{del}4"));
        rig.engine->memorySubtract();
        QCOMPARE(rig.engine->memory(), QStringLiteral("-4"));
    }

    void deleteOnceClearsTheDisplayTwiceTheTape() {
        Rig rig;
        rig.type(QStringLiteral("5+3"));
        rig.engine->pressClearEntry();
        QCOMPARE(rig.engine->display(), QStringLiteral("0"));
        QVERIFY(!rig.engine->tape().isEmpty());
        rig.type(QStringLiteral("2="));
        QCOMPARE(rig.clipboard.text(), QStringLiteral("7"));
        rig.type(QStringLiteral("1+"));
        rig.engine->pressClearEntry(); // display shows the total: back to zero
        rig.engine->pressClearEntry(); // display zero: the tape goes
        QCOMPARE(rig.engine->tape().text(), tape({rig.engine->dateHeader(), Sep}));
        QCOMPARE(rig.engine->dateHeader(), QStringLiteral(" 05/12/2026 sáb           "));
        QCOMPARE(rig.engine->counter(), QStringLiteral("000"));
    }

    void clearingKeepsABackupRecord() {
        Rig rig;
        rig.engine->clearTape();
        QVERIFY2(!QFile::exists(rig.engine->backupFile().path()), "a tape under 29 characters is not backed up");
        rig.type(QStringLiteral("5+3="));
        const QString before = rig.engine->tape().text();
        rig.engine->clearTape();
        QFile f(rig.engine->backupFile().path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()),
                 before + Sep + QStringLiteral("\r\n        BKP = 09:30:15 hs.\r\n") + Sep + QStringLiteral("\r\n"));
        rig.engine->setBackup(false);
        rig.type(QStringLiteral("5+3="));
        rig.engine->clearTape();
        QCOMPARE(QFileInfo(rig.engine->backupFile().path()).size(), f.size());
    }

    void largeBackupIsReported() {
        Rig rig;
        QFile f(rig.engine->backupFile().path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(TapeBackup::WarningSize, 'x'));
        f.close();
        rig.type(QStringLiteral("5+3="));
        rig.engine->clearTape();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.at(0).text, rig.messages.text(173));
        QCOMPARE(rig.dialogs.shown.at(0).icon, Dialogs::Icon::Exclamation);
    }

    // A backup that cannot be written is told by its name, once until it works again, and the tape
    // it was to keep is not cleared.
    void backupThatCannotBeWrittenIsTold() {
        Rig rig;
        QVERIFY(QDir().mkpath(rig.engine->backupFile().path()));
        for (int i = 0; i < 2; ++i) {
            rig.type(QStringLiteral("5+3="));
            rig.engine->clearTape();
        }
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QVERIFY(rig.dialogs.shown.at(0).text.contains(QDir::toNativeSeparators(rig.engine->backupFile().path())));
        QCOMPARE(rig.engine->tape().text().count(QStringLiteral(" 8 T")), 2);
        rig.engine->setBackup(false);
        rig.engine->clearTape();
        QVERIFY(!rig.engine->tape().text().contains(QStringLiteral(" 8 T")));
    }

    // A total past the tape's capacity asks to clear it. Enter answers No, and the total is in the
    // state file before the question is up, so a crash while it waits loses nothing.
    void fullTapeAsksToClear_data() {
        QTest::addColumn<QList<Dialogs::Answer>>("answers");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("yes clears") << QList{Dialogs::Answer::Yes} << true;
        QTest::newRow("no keeps") << QList{Dialogs::Answer::No} << false;
        QTest::newRow("Enter keeps") << QList<Dialogs::Answer>{} << false;
    }

    void fullTapeAsksToClear() {
        Rig rig;
        while (rig.engine->tape().size() <= Engine::TapeCapacity) rig.type(QStringLiteral("1+"));
        QVERIFY2(rig.dialogs.shown.isEmpty(), "only a total asks");
        // As the window does: the tape is kept whenever it settles.
        const QString file = TapeStateFile::path(rig.dir.path(), QStringLiteral("1"));
        connect(rig.engine.get(), &Engine::tapeSettled, this,
                [&] { TapeStateFile::save(*rig.engine, file, QStringLiteral("05/12/2026")); });
        QString shownTape, keptTape;
        rig.dialogs.onMessage = [&](const FakeDialogs::Shown&) {
            shownTape = rig.engine->tape().text();
            const auto kept = TapeStateFile::readStateFile(file);
            keptTape = kept ? kept->state.tape : QString();
        };
        QFETCH(QList<Dialogs::Answer>, answers);
        rig.dialogs.answers = answers;
        rig.type(QStringLiteral("="));
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown.at(0).text, rig.messages.text(4));
        QCOMPARE(rig.dialogs.shown.at(0).buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(rig.dialogs.shown.at(0).defaultButton, std::optional(Dialogs::Answer::No));
        QVERIFY(shownTape.endsWith(QStringLiteral(" T\r\n") + TapeSeparator + QStringLiteral("\r\n")));
        QCOMPARE(keptTape, shownTape);
        QFETCH(bool, cleared);
        QCOMPARE(rig.engine->tape().size() < 100, cleared);
        QCOMPARE(TapeStateFile::readStateFile(file)->state.tape, rig.engine->tape().text());
    }

    void enterAddsAnnouncesItselfOnce() {
        Rig rig;
        rig.engine->setEnterAdds(true);
        rig.engine->setEnterAdds(false);
        rig.engine->setEnterAdds(true);
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QVERIFY(rig.dialogs.shown.at(0).text.startsWith(rig.messages.text(14)));
        QVERIFY(rig.dialogs.shown.at(0).text.endsWith(QStringLiteral("também irá dar o resultado!")));
    }

    void groupSumsTheInterestReports() {
        Rig rig;
        auto report = [](const char* initial, const char* interest, const char* final) {
            return tape({"            VALOR INICIAL ", QString::fromLatin1(initial).rightJustified(25) + QLatin1Char(' '),
                         "               JURO TOTAL ", QString::fromLatin1(interest).rightJustified(25) + QLatin1Char(' '),
                         "              VALOR FINAL ", QString::fromLatin1(final).rightJustified(25) + QLatin1Char(' '),
                         Sep});
        };
        rig.engine->restoreTape(report("1.000,00", "100,00", "1.100,00") + tape({"                       7 +"}) +
                                report("500,50", "20,25", "520,75"));
        rig.engine->groupReports();
        QVERIFY(rig.engine->tape().text().endsWith(tape({
            Sep, " TOTAL DAS CAPITALIZAÇÕES:", " -------------------------",
            "            VALOR INICIAL:", "                 1.500,50 ",
            "               VALOR JURO:", "                   120,25 ",
            "              VALOR FINAL:", "                 1.620,75 ", Sep})));
        QCOMPARE(rig.engine->display(), QStringLiteral("0"));

        Rig empty;
        empty.engine->groupReports();
        QVERIFY(empty.engine->tape().text().contains(QStringLiteral("                     0,00 \r\n")));
    }

};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
