#include "shell/localefacts.h"

#include <QtTest>

class TestLocaleFacts : public QObject {
    Q_OBJECT
  private slots:
    void read_data();
    void read();
    void clash_data();
    void clash();
};

void TestLocaleFacts::read_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("formatoData");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("thousands");

    QTest::newRow("pt_BR") << "pt_BR"
                           << "dd/mm/yyyy" << QChar(u',') << QChar(u'.');
    QTest::newRow("en_US") << "en_US"
                           << "mm/dd/yyyy" << QChar(u'.') << QChar(u',');
    QTest::newRow("de_DE") << "de_DE"
                           << "dd/mm/yyyy" << QChar(u',') << QChar(u'.');
    QTest::newRow("en_GB") << "en_GB"
                           << "dd/mm/yyyy" << QChar(u'.') << QChar(u',');
    QTest::newRow("fr_FR, narrow no-break space") << "fr_FR"
                                                  << "dd/mm/yyyy" << QChar(u',') << QChar(0x202F);
    QTest::newRow("de_CH, apostrophe") << "de_CH"
                                       << "dd/mm/yyyy" << QChar(u'.') << QChar(0x2019);
    // Year-first short dates do not start with "31", so they count as month first.
    QTest::newRow("ja_JP") << "ja_JP"
                           << "mm/dd/yyyy" << QChar(u'.') << QChar(u',');
}

void TestLocaleFacts::read() {
    QFETCH(QString, locale);
    QFETCH(QString, formatoData);
    QFETCH(QChar, decimal);
    QFETCH(QChar, thousands);
    const LocaleFacts facts = readLocaleFacts(QLocale(locale));
    QCOMPARE(facts.formatoData, formatoData);
    QCOMPARE(facts.sepDecimal, decimal);
    QCOMPARE(facts.sepMilhar, thousands);
    QVERIFY(!facts.separatorsClashed);
}

void TestLocaleFacts::clash_data() {
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<QChar>("thousands");
    QTest::addColumn<QChar>("chosen");
    QTest::addColumn<bool>("clashed");

    QTest::newRow("both points") << QChar(u'.') << QChar(u'.') << QChar(u',') << true;
    QTest::newRow("both commas") << QChar(u',') << QChar(u',') << QChar(u'.') << true;
    QTest::newRow("both blanks") << QChar(u' ') << QChar(u' ') << QChar(u'.') << true;
    QTest::newRow("Brazilian") << QChar(u',') << QChar(u'.') << QChar(u',') << false;
    QTest::newRow("American") << QChar(u'.') << QChar(u',') << QChar(u'.') << false;
    QTest::newRow("no thousands separator") << QChar(u',') << QChar() << QChar(u',') << false;
}

void TestLocaleFacts::clash() {
    QFETCH(QChar, decimal);
    QFETCH(QChar, thousands);
    QFETCH(QChar, chosen);
    QFETCH(bool, clashed);
    const DecimalChoice choice = resolveDecimalSeparator(decimal, thousands);
    QCOMPARE(choice.decimal, chosen);
    QCOMPARE(choice.clashed, clashed);
}

QTEST_GUILESS_MAIN(TestLocaleFacts)
#include "tst_localefacts.moc"
