#include "i18n/language.h"

#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    // The locale (if any) gives the identifier; a stored "1".."4" wins over it, anything else asks
    // it. Its hexadecimal text, without leading zeros, is judged by its last three characters.
    void choose_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("langId");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("language");
        QTest::newRow("pt_BR") << u"pt_BR"_qs << 0x0416 << QString() << 1;
        QTest::newRow("pt_AO, no identifier of its own") << u"pt_AO"_qs << 0x0416 << QString() << 1;
        QTest::newRow("es_AR, c0a") << u"es_AR"_qs << 0x2c0a << QString() << 3;
        QTest::newRow("es_US, 40a") << u"es_US"_qs << 0x540a << QString() << 3;
        QTest::newRow("es_GT, 00a") << u"es_GT"_qs << 0x100a << QString() << 3;
        QTest::newRow("fr_CH, 00c") << u"fr_CH"_qs << 0x100c << QString() << 4;
        QTest::newRow("C") << u"C"_qs << 0x0409 << QString() << 2;
        QTest::newRow("no identifier for the language") << u"yo_NG"_qs << 0x0400 << QString() << 2;
        QTest::newRow("bare Spanish primary") << QString() << 0x000a << QString() << 2;
        QTest::newRow("stored wins") << QString() << 0x0409 << u"4"_qs << 4;
        QTest::newRow("blanks around a stored digit") << QString() << 0x0416 << u" 3 "_qs << 3;
        QTest::newRow("stored 0 asks") << QString() << 0x0c0c << u"0"_qs << 4;
    }
    void choose() {
        QFETCH(QString, locale);
        QFETCH(int, langId);
        QFETCH(QString, stored);
        QFETCH(int, language);
        if (!locale.isNull())
            QCOMPARE(langIdFor(QLocale(locale).language(), QLocale(locale).territory()), langId);
        QCOMPARE(chooseLanguage(stored, quint16(langId)), language);
    }

    // Qt's own buttons speak the chosen language, and switching back to English takes them back.
    void qtTextsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Portuguese") << 1 << u"&Sim"_qs << u"Cancelar"_qs;
        QTest::newRow("Spanish") << 3 << u"&Sí"_qs << u"Cancelar"_qs;
        QTest::newRow("French") << 4 << u"&Oui"_qs << u"Annuler"_qs;
        QTest::newRow("English") << 2 << u"&Yes"_qs << u"Cancel"_qs;
    }
    void qtTextsFollowTheLanguage() {
        QFETCH(int, language);
        QVERIFY(applyQtTranslations(language));
        QTEST(QCoreApplication::translate("QPlatformTheme", "&Yes"), "yes");
        QTEST(QCoreApplication::translate("QPlatformTheme", "Cancel"), "cancel");
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
