#include "i18n/language.h"

#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    // Rows "locale|identifier|stored": the locale, if any ("-": none), gives the Windows language
    // identifier (hexadecimal); a stored "1".."4" wins over it, anything else asks it. The identifier's
    // hexadecimal text, without leading zeros, is judged by its last three characters. Qt's own buttons
    // then speak the language chosen, English again after the others.
    void choose_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("pt_BR|416|") << 1;
        QTest::newRow("pt_AO|416|") << 1; // no identifier of its own
        QTest::newRow("es_AR|2c0a|") << 3;
        QTest::newRow("es_US|540a|") << 3;
        QTest::newRow("es_GT|100a|") << 3;
        QTest::newRow("fr_CH|100c|") << 4;
        QTest::newRow("C|409|") << 2;
        QTest::newRow("yo_NG|400|") << 2; // no identifier for the language
        QTest::newRow("-|a|") << 2;       // a bare Spanish primary
        QTest::newRow("-|409|4") << 4;    // stored wins
        QTest::newRow("-|416| 3 ") << 3;  // blanks around a stored digit
        QTest::newRow("-|c0c|0") << 4;    // stored 0 asks
    }
    void choose() {
        const QStringList row = QString(QTest::currentDataTag()).split(u'|');
        const QLocale locale(row[0]);
        const int langId = row[1].toInt(nullptr, 16), language = chooseLanguage(row[2], quint16(langId));
        if (row[0] != "-") QCOMPARE(langIdFor(locale.language(), locale.territory()), langId);
        QTEST(language, "language");
        QVERIFY(applyQtTranslations(language));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") + ' ' +
                     QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringList({"", "&Sim Cancelar", "&Yes Cancel", "&Sí Cancelar", "&Oui Annuler"})
                     .value(language));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
