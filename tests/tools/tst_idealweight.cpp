// The ideal-weight calculation without a window: what a height and a weight are read as, the five
// limits to the cent, the band, the arrow, and what the user is told and the tape is given.

#include "i18n/messagecatalog.h"
#include "tools/idealweight.h"

#include <QtTest>

namespace {

const Separators Brazil;

// "outcome|height field|limits|band|arrow"; the outcome alone when the calculation stops.
QString summary(const WeightCalculation& c) {
    static const NumberPattern money(QStringLiteral("#,##0.00"));
    static const char* outcomes[] = {"done", "not a number", "height refused", "weight refused"};
    const QString outcome = QLatin1String(outcomes[int(c.outcome)]);
    if (c.outcome != WeightCalculation::Outcome::Done) return outcome + u'|' + c.heightText;
    QStringList limits;
    for (const Decimal& kg : c.limits.kg)
        limits << money.format(kg, Brazil);
    return QStringList{outcome, c.heightText, limits.join(u' '),
                       IdealWeight::verdict(c, Language::Portuguese), QString::number(c.arrowLeft)}
        .join(u'|');
}

} // namespace

class TestIdealWeight : public QObject {
    Q_OBJECT
  private slots:
    void calculation_data() {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("woman");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("centimetres, medium") << "170" << "68,06" << false << "done|1,7|59,82 68,06 76,30 80,34 89,88|Resultado = NORMAL|1560";
        QTest::newRow("woman, obese") << "1,70" << "95" << true << "done|1,70|53,47 62,86 72,25 78,03 92,48|Resultado = OBESO|3094";
        QTest::newRow("thin") << "1,70" << "50" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = MAGRO|764";
        QTest::newRow("overweight") << "1,70" << "78" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = SOBREPESO|1998";
        QTest::newRow("fat") << "1,70" << "85" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = GORDO|2307";
        QTest::newRow("on the upper limit") << "1,70" << "76,30" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = NORMAL|1923";
        QTest::newRow("on the lower limit") << "1,70" << "59,82" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = NORMAL|1197";
        QTest::newRow("lightest, arrow at its left end") << "1,70" << "20" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = MAGRO|-90";
        QTest::newRow("heaviest, arrow at its right end") << "1,70" << "300" << false << "done|1,70|59,82 68,06 76,30 80,34 89,88|Resultado = OBESO|3210";
        QTest::newRow("read to the cent, limits from all of it") << "3,004" << "70" << false << "done|3,004|186,80 212,52 238,23 250,87 280,65|Resultado = MAGRO|-90";
        QTest::newRow("a metre") << "1" << "70" << false << "done|1|20,70 23,55 26,40 27,80 31,10|Resultado = OBESO|3210";
        QTest::newRow("millimetres of centimetres") << "175,5" << "70" << false << "done|1,755|63,76 72,53 81,31 85,62 95,79|Resultado = NORMAL|1455";
        QTest::newRow("too tall") << "3,01" << "70" << false << "height refused|3,01";
        QTest::newRow("too short") << "0,99" << "70" << false << "height refused|0,99";
        QTest::newRow("too tall in centimetres") << "350" << "70" << false << "height refused|3,5";
        QTest::newRow("too light") << "1,70" << "19,99" << false << "weight refused|1,70";
        QTest::newRow("too heavy") << "1,70" << "300,01" << true << "weight refused|1,70";
        QTest::newRow("no height") << "" << "70" << false << "not a number|";
        QTest::newRow("no weight") << "1,70" << "" << false << "not a number|1,70";
        QTest::newRow("only a comma") << "," << "70" << false << "not a number|,";
        // clang-format on
    }
    void calculation() {
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(bool, woman);
        QTEST(summary(IdealWeight::calculate(height, weight, woman ? Sex::Woman : Sex::Man, Brazil)),
              "result");
    }

    // The verdict, the advice in the window, the way to the medium weight, and the report with the
    // amount the calculator's entry keeps; "|" is a line break.
    void texts_data() {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("woman");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("report");
        // clang-format off
        QTest::newRow("normal, Portuguese") << "170" << "68,06" << false << int(Language::Portuguese)
            << "Resultado = NORMAL|Parabéns!|Você está dentro do peso normal|Para ficar no peso médio ideal:||Perca 0,00 Kg"
            << " -------------------------| CÁLCULO PESO - (Homem)| Sua Altura  = 1,7m| Seu Peso    = 68,06Kg| -------------------------"
               "| Peso Mínimo = 59,82Kg| Peso Máximo = 76,30Kg| Result. = Peso NORMAL| -------------------------| Peso Médio  = 68,06Kg"
               "| Opcional = Perder 0,00Kg||0,00";
        QTest::newRow("obese, Portuguese") << "1,70" << "95" << true << int(Language::Portuguese)
            << "Resultado = OBESO|Perder|22,75 Kg|para ficar no peso normal|Para ficar no peso médio ideal:||Perca 32,14 Kg"
            << " -------------------------| CÁLCULO PESO - (Mulher)| Sua Altura  = 1,70m| Seu Peso    = 95Kg| -------------------------"
               "| Peso Mínimo = 53,47Kg| Peso Máximo = 72,25Kg| Result. = Perder 22,75Kg||22,75";
        QTest::newRow("thin, English") << "1,70" << "50" << false << int(Language::English)
            << "Result = THIN|Gain|9,82 Kg|to enter in normal weight|Para ficar no peso médio ideal:||Ganhe 18,06 Kg"
            << " -------------------------| WEIGHT CALC. - (Man)| Your Height  = 1,70m| Your Weight  = 50Kg| -------------------------"
               "| Min. Weight  = 59,82Kg| Max. Weight  = 76,30Kg| Result = Gain 9,82Kg||9,82";
        QTest::newRow("below medium, Spanish reads English") << "1,60" << "55" << true << int(Language::Spanish)
            << "Result = NORMAL|You are in your NORMAL Weight|Para ficar no peso médio ideal:||Ganhe 0,68 Kg"
            << " -------------------------| WEIGHT CALC. - (Woman)| Your Height  = 1,60m| Your Weight  = 55Kg| -------------------------"
               "| Min. Weight  = 47,36Kg| Max. Weight  = 64,00Kg| Result = NORMAL Weight| -------------------------"
               "| Medium Weight = 55,68Kg| Optional = Gain 0,68Kg||0,68";
        // clang-format on
    }
    void texts() {
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(bool, woman);
        QFETCH(int, language);
        const WeightCalculation c =
            IdealWeight::calculate(height, weight, woman ? Sex::Woman : Sex::Man, Brazil);
        const QString shown =
            QStringList{IdealWeight::verdict(c, language), IdealWeight::advice(c, Brazil, language),
                        IdealWeight::mediumAdvice(c, Brazil)}
                .join(u'\n');
        QTEST(QString(shown).replace(u'\n', u'|'), "shown");
        const QString report =
            IdealWeight::report(c, Brazil, language) + u'|' + IdealWeight::reportEntry(c, Brazil);
        QTEST(QString(report).replace(QLatin1String("\r\n"), QLatin1String("|")), "report");
    }

    void beforeACalculation() {
        QVERIFY(IdealWeight::mediumAdvice({}, Brazil).startsWith("Primeiro efetue o cálculo"));
    }
};

QTEST_GUILESS_MAIN(TestIdealWeight)
#include "tst_idealweight.moc"
