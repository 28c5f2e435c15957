#include "shell/language.h"

#include <QtTest>

class TestLanguage : public QObject {
    Q_OBJECT
  private slots:
    void fromLangId_data();
    void fromLangId();
    void langIdFor_data();
    void langIdFor();
    void choose_data();
    void choose();
};

void TestLanguage::fromLangId_data() {
    QTest::addColumn<int>("langId");
    QTest::addColumn<int>("language");

    QTest::newRow("pt-BR") << 0x0416 << 1;
    QTest::newRow("pt-PT") << 0x0816 << 1;
    QTest::newRow("es-ES modern") << 0x0c0a << 3;
    QTest::newRow("es-MX") << 0x080a << 3;
    QTest::newRow("es-ES traditional") << 0x040a << 3;
    QTest::newRow("es-GT ends in 00a") << 0x100a << 3;
    QTest::newRow("es-AR ends in c0a") << 0x2c0a << 3;
    QTest::newRow("fr-FR") << 0x040c << 4;
    QTest::newRow("fr-BE") << 0x080c << 4;
    QTest::newRow("fr-CA") << 0x0c0c << 4;
    QTest::newRow("fr-CH ends in 00c") << 0x100c << 4;
    QTest::newRow("en-US") << 0x0409 << 2;
    QTest::newRow("de-DE") << 0x0407 << 2;
    QTest::newRow("it-IT") << 0x0410 << 2;
    // The hexadecimal text has no leading zeros, so a bare primary id never ends in "00a".
    QTest::newRow("bare Spanish primary") << 0x000a << 2;
    QTest::newRow("bare Portuguese primary") << 0x0016 << 2;
    QTest::newRow("Portuguese sub-language 3") << 0x0c16 << 2;
    QTest::newRow("neutral") << 0x0000 << 2;
    QTest::newRow("user default") << 0x0400 << 2;
    QTest::newRow("only the tail counts") << 0xf416 << 1;
}

void TestLanguage::fromLangId() {
    QFETCH(int, langId);
    QFETCH(int, language);
    QCOMPARE(languageFromLangId(static_cast<quint16>(langId)), language);
}

void TestLanguage::langIdFor_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("langId");

    QTest::newRow("pt_BR") << "pt_BR" << 0x0416;
    QTest::newRow("pt_PT") << "pt_PT" << 0x0816;
    QTest::newRow("pt_AO, no id of its own") << "pt_AO" << 0x0416;
    QTest::newRow("es_ES") << "es_ES" << 0x0c0a;
    QTest::newRow("es_MX") << "es_MX" << 0x080a;
    QTest::newRow("es_AR") << "es_AR" << 0x2c0a;
    QTest::newRow("es_US") << "es_US" << 0x540a;
    QTest::newRow("fr_FR") << "fr_FR" << 0x040c;
    QTest::newRow("fr_CA") << "fr_CA" << 0x0c0c;
    QTest::newRow("fr_CH") << "fr_CH" << 0x100c;
    QTest::newRow("en_US") << "en_US" << 0x0409;
    QTest::newRow("en_GB") << "en_GB" << 0x0809;
    QTest::newRow("de_DE") << "de_DE" << 0x0407;
    QTest::newRow("de_AT") << "de_AT" << 0x0c07;
    QTest::newRow("it_IT") << "it_IT" << 0x0410;
    QTest::newRow("nl_NL") << "nl_NL" << 0x0413;
    QTest::newRow("C") << "C" << 0x0409;
    QTest::newRow("language without an id") << "yo_NG" << 0x0400;
}

void TestLanguage::langIdFor() {
    QFETCH(QString, locale);
    QFETCH(int, langId);
    const QLocale l(locale);
    QCOMPARE(::langIdFor(l.language(), l.territory()), langId);
}

void TestLanguage::choose_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("langId");
    QTest::addColumn<int>("language");

    QTest::newRow("stored 1 over English system") << "1" << 0x0409 << 1;
    QTest::newRow("stored 2 over Brazilian system") << "2" << 0x0416 << 2;
    QTest::newRow("stored 3 over French system") << "3" << 0x040c << 3;
    QTest::newRow("stored 4 over Spanish system") << "4" << 0x0c0a << 4;
    QTest::newRow("0 asks the system") << "0" << 0x0416 << 1;
    QTest::newRow("empty asks the system") << "" << 0x080a << 3;
    QTest::newRow("out of range asks the system") << "5" << 0x0c0c << 4;
    QTest::newRow("negative asks the system") << "-1" << 0x0416 << 1;
    QTest::newRow("garbage asks the system") << "pt" << 0x0407 << 2;
    QTest::newRow("blanks around a digit") << " 3 " << 0x0416 << 3;
}

void TestLanguage::choose() {
    QFETCH(QString, stored);
    QFETCH(int, langId);
    QFETCH(int, language);
    QCOMPARE(chooseLanguage(stored, static_cast<quint16>(langId)), language);
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
