#include "i18n/localefacts.h"

#include <QTest>

class TestLocaleFacts : public QObject {
    Q_OBJECT

  private slots:
    // What the locale named by the row gives: date order, decimal and thousands separator. Rows of
    // two characters give only the separators. When they are the same, the run uses another decimal
    // separator.
    void facts_data() {
        QTest::addColumn<QString>("facts");
        QTest::addColumn<QChar>("decimal"); // for the run
        QTest::newRow("pt_BR") << u"dd/mm/yyyy,."_qs << QChar(u',');
        QTest::newRow("en_US") << u"mm/dd/yyyy.,"_qs << QChar(u'.');
        QTest::newRow("fr_FR") << u"dd/mm/yyyy,\u202f"_qs << QChar(u','); // a narrow no-break space
        QTest::newRow("ja_JP") << u"mm/dd/yyyy.,"_qs << QChar(u'.');      // year first is not day first
        QTest::newRow("both points") << u".."_qs << QChar(u',');
        QTest::newRow("both commas") << u",,"_qs << QChar(u'.');
    }
    void facts() {
        QFETCH(QString, facts);
        QFETCH(QChar, decimal);
        const DecimalChoice choice = resolveDecimalSeparator(facts.at(facts.size() - 2), facts.back());
        QCOMPARE(choice.decimal, decimal);
        QCOMPARE(choice.clashed, decimal != facts.at(facts.size() - 2));
        if (facts.size() == 2) return;
        const LocaleFacts read = readLocaleFacts(QLocale(QString::fromLatin1(QTest::currentDataTag())));
        QCOMPARE(read.datePattern + read.decimalSeparator + read.groupSeparator, facts);
    }
};

QTEST_GUILESS_MAIN(TestLocaleFacts)
#include "tst_localefacts.moc"
