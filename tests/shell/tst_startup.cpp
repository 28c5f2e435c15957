// The command word decides the road of a start: splash or not, close the primary first, become
// the primary, hand over, or run the auxiliary calculator; and what the primary does with a word.

#include "shell/startup.h"

#include <QtTest>

using namespace Startup;

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    // A start's arguments, with or without a primary running, and its road: P the primary, H a hand
    // over, A the auxiliary calculator; s the splash, c the calculator shown, t time mode; then the
    // word the primary acts on when the start hands it over.
    void roads_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("primaryRunning");
        QTest::addColumn<QString>("road");
        QTest::newRow("plain second start hands over") << QString() << true << u"Hsc-"_qs;
        QTest::newRow("systray, however split, sits in the tray") << u"sys tray"_qs << false << u"P---"_qs;
        QTest::newRow("SystrayWord is not systray") << u"SystrayWord"_qs << false << u"Psc-"_qs;
        QTest::newRow("outra tempo with a primary") << u"outra tempo"_qs << true << u"Asct"_qs;
        QTest::newRow("outra alone is a primary") << u"outra"_qs << false << u"Psc-"_qs;
        QTest::newRow("tempo handed over") << u"tempo"_qs << true << u"Hsct tempo"_qs;
        QTest::newRow("juro handed over") << u"juro"_qs << true << u"Hsc- juro"_qs;
        QTest::newRow("Tempo is not tempo") << u"Tempo"_qs << true << u"Hsc-"_qs;
    }
    void roads() {
        QFETCH(QString, arguments);
        QFETCH(bool, primaryRunning);
        const QString word = commandWord(("tabulora " + arguments).split(u' ', Qt::SkipEmptyParts));
        const QString handed = wordOfHandOver(handOverText(word, QTime(10, 0)));
        QTEST(QString("PHA").mid(int(roleFor(word, primaryRunning)), 1) + (showsSplash(word) ? "s" : "-") +
                  (Startup::showsCalculator(word) ? "c" : "-") + (auxiliaryInTimeMode(word) ? "t" : "-") +
                  (handed.isEmpty() ? "" : " " + handed),
              "road");
        // Two equal words in a row still differ, so the primary sees both.
        QVERIFY(handOverText(word, QTime(10, 0, 0)) != handOverText(word, QTime(10, 0, 1)));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
