// Amounts in words, their split over the two lines of a form, and Ctrl+E's clipboard text.

#include "documents/amountinwords.h"
#include "documents/documentstart.h"
#include "support/testcontext.h"

#include <QtTest>

using AmountInWords::Currency;
Q_DECLARE_METATYPE(Currency)

class TestAmountInWords : public QObject {
    Q_OBJECT

  private slots:
    void words_data() {
        QTest::addColumn<QString>("value"); // as typed in a Brazilian locale
        QTest::addColumn<bool>("withCurrency");
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<QString>("expected"); // "" = refused
        const auto real = [](const char* value, const char* words) {
            QTest::newRow(value) << QString::fromUtf8(value) << true << Currency::Real
                                 << QString::fromUtf8(words);
        };
        real("0,01", "UM CENTAVO");
        real("0,05", "CINCO CENTAVOS");
        real("1", "UM REAL");
        real("1,01", "UM REAL E UM CENTAVO");
        real("21", "VINTE E UM REAIS");
        real("100", "CEM REAIS");
        real("101", "CENTO E UM REAIS");
        real("110", "CENTO E DEZ REAIS");
        real("1000", "UM MIL REAIS");
        real("1001", "UM MIL E UM REAIS");
        real("1100", "UM MIL E CEM REAIS");
        real("1000,5", "UM MIL REAIS E CINQUENTA CENTAVOS");
        real("1.234,56", "UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS");
        real("101000", "CENTO E UM MIL REAIS");
        real("1000000", "UM MILHÃO DE REAIS");
        real("1000001", "UM MILHÃO E UM REAIS");
        real("1500000", "UM MILHÃO E QUINHENTOS MIL REAIS");
        real("2000000", "DOIS MILHÕES DE REAIS");
        real("1000000000", "UM BILHÃO DE REAIS");
        real("1002000000", "UM BILHÃO E DOIS MILHÕES DE REAIS");
        real("1000001000", "UM BILHÃO E UM MIL REAIS");
        real("999999999999,99", "NOVECENTOS E NOVENTA E NOVE BILHÕES E NOVECENTOS E NOVENTA E NOVE MILHÕES E "
                                "NOVECENTOS E NOVENTA E NOVE MIL E NOVECENTOS E NOVENTA E NOVE REAIS E "
                                "NOVENTA E NOVE CENTAVOS");
        real("17,014", "DEZESSETE REAIS E UM CENTAVO"); // rounded to cents first
        QTest::newRow("euro") << "3,01" << true << Currency::Euro
                              << QString::fromUtf8("TRÊS EUROS E UM CÊNTIMO");
        QTest::newRow("plain 1000") << "1000" << false << Currency::Real << "UM MIL ";
        QTest::newRow("plain 0,05") << "0,05" << false << Currency::Real << "CINCO ";
        QTest::newRow("plain 1234,56") << "1234,56" << false << Currency::Real
                                       << "UM MIL E DUZENTOS E TRINTA E QUATRO  E CINQUENTA E SEIS ";
        QTest::newRow("plain 1000000")
            << "1000000" << false << Currency::Real << QString::fromUtf8("UM MILHÃO DE ");
        QTest::newRow("plain year") << "2027" << false << Currency::Real << "DOIS MIL E VINTE E SETE ";
        for (const char* refused : {"0", "0,005", "-5", "1000000000000", "999999999999,995", "abc", ""})
            QTest::newRow(refused) << QString::fromUtf8(refused) << true << Currency::Real << QString();
    }
    void words() {
        QFETCH(QString, value);
        QFETCH(bool, withCurrency);
        QFETCH(Currency, currency);
        const auto words = AmountInWords::write(value, Separators{}, withCurrency, currency);
        QTEST(words.value_or(QString()), "expected");
    }

    void currencyFollowsTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Currency>("currency");
        QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil) << Currency::Real;
        QTest::newRow("pt_PT") << QLocale(QLocale::Portuguese, QLocale::Portugal) << Currency::Euro;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << Currency::Euro;
    }
    void currencyFollowsTheLocale() {
        QFETCH(QLocale, locale);
        QTEST(AmountInWords::currencyFor(locale), "currency");
    }

    void splitOverTwoLines_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("line1");
        QTest::addColumn<QString>("line2");
        const QString w =
            QStringLiteral("(UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS)");
        QTest::newRow("cheque") << w << 69 << "(UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS "
                                << "CENTAVOS)";
        QTest::newRow("note") << "(NOVECENTOS E NOVENTA E NOVE MIL E NOVECENTOS E NOVENTA E NOVE REAIS E "
                                 "NOVENTA E NOVE CENTAVOS)"
                              << 63 << "(NOVECENTOS E NOVENTA E NOVE MIL E NOVECENTOS E NOVENTA E NOVE "
                              << "REAIS E NOVENTA E NOVE CENTAVOS)";
        QTest::newRow("fits") << "(CEM REAIS)" << 69 << "(CEM REAIS)"
                              << "";
        QTest::newRow("exactly 69") << QString(69, QLatin1Char('X')) << 69 << QString(69, QLatin1Char('X'))
                                    << "";
    }
    void splitOverTwoLines() {
        QFETCH(QString, words);
        QFETCH(int, length);
        QFETCH(QString, line1);
        QFETCH(QString, line2);
        const auto [first, second] = AmountInWords::splitOverTwoLines(words, length);
        QCOMPARE(first, line1 + AmountInWords::firstLineFiller());
        QCOMPARE(second, line2 + AmountInWords::secondLineFiller());
        QCOMPARE(AmountInWords::firstLineFiller().size(), 69);
        QCOMPARE(AmountInWords::secondLineFiller().size(), 74);
    }

    void copyToClipboard_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("clipboard"); // "" = refused, with its message
        QTest::newRow("amount") << "1.234,56"
                                << "(UM MIL E DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS)";
        QTest::newRow("zero") << "0"
                              << "";
        QTest::newRow("negative") << "-12,5"
                                  << "";
    }
    void copyToClipboard() {
        QFETCH(QString, display);
        QFETCH(QString, clipboard);
        TestContext run;
        run.clipboard.setText(QStringLiteral("before"));
        QCOMPARE(DocumentStart::copyAmountInWords(run.context, display), !clipboard.isEmpty());
        QCOMPARE(run.dialogs.shown.size(), 1);
        if (clipboard.isEmpty()) {
            QCOMPARE(run.clipboard.text(), QStringLiteral("before"));
            QCOMPARE(run.dialogs.shown[0].text, AmountInWords::refusalText());
            QCOMPARE(run.dialogs.shown[0].icon, Dialogs::Icon::Exclamation);
            return;
        }
        QCOMPARE(run.clipboard.text(), clipboard);
        QCOMPARE(run.dialogs.shown[0].text,
                 "$ 1.234,56\r\n\r\n" + clipboard.mid(1, clipboard.size() - 2) +
                     QString::fromUtf8("\r\n\r\nValor por extenso colocado na Área de Transferência.\r\n"
                                       "(Use colar: Ctrl+V)"));
    }
};

QTEST_GUILESS_MAIN(TestAmountInWords)
#include "tst_amountinwords.moc"
