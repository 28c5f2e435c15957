#include "tools/idealweight.h"

#include "i18n/messagecatalog.h"
#include "tools/numberentry.h"

#include <QStringList>
#include <cmath>

namespace {

using Outcome = WeightCalculation::Outcome;

struct Factors {
    const char* thin;
    const char* medium;
    const char* overweight;
    const char* fat;
    const char* obese;
};
// NHANES II for men, the WHO's table for women.
constexpr Factors ManFactors{"20.7", "23.55", "26.4", "27.8", "31.1"};
constexpr Factors WomanFactors{"18.5", "21.75", "25.0", "27.0", "32.0"};

// Portuguese in Portuguese, English otherwise.
QString say(int language, const char* portuguese, const char* english) {
    return QString::fromUtf8(language == Language::Portuguese ? portuguese : english);
}

Decimal constant(const char* text) {
    return *Decimal::parse(QString::fromLatin1(text), QLatin1Char('.'), QLatin1Char(','));
}

Decimal toCents(const Decimal& d) {
    return d.rounded(2, Decimal::Rounding::HalfAwayFromZero);
}

QString money(const Decimal& d, const Separators& seps) {
    static const NumberPattern pattern(QStringLiteral("#,##0.00"));
    return pattern.format(d, seps);
}

Decimal difference(const Decimal& a, const Decimal& b) {
    return a.subtract(b).value_or(Decimal()); // both below 1000 kg: it always fits
}

const char* bandName(WeightBand band, int language) {
    const bool pt = language == Language::Portuguese;
    switch (band) {
    case WeightBand::Thin:
        return pt ? "MAGRO" : "THIN";
    case WeightBand::Overweight:
        return pt ? "SOBREPESO" : "OVERWEIGHT";
    case WeightBand::Fat:
        return pt ? "GORDO" : "FAT";
    case WeightBand::Obese:
        return pt ? "OBESO" : "OBESE";
    case WeightBand::Normal:
        break;
    }
    return "NORMAL";
}

// The kilograms between the weight and the normal band, once outside it.
Decimal toNormal(const WeightCalculation& c) {
    return c.band == WeightBand::Thin ? difference(c.limits.kg[WeightLimits::Thin], c.weight)
                                      : difference(c.weight, c.limits.kg[WeightLimits::Overweight]);
}

bool belowMedium(const WeightCalculation& c) {
    return c.weight.compare(c.limits.kg[WeightLimits::Medium]) < 0;
}

Decimal toMedium(const WeightCalculation& c) {
    const Decimal& medium = c.limits.kg[WeightLimits::Medium];
    return belowMedium(c) ? difference(medium, c.weight) : difference(c.weight, medium);
}

} // namespace

namespace IdealWeight {

bool holdsNumber(const QString& text, const Separators& seps) {
    return Decimal::parse(text, seps.decimal, seps.group).has_value();
}

WeightCalculation calculate(const QString& height, const QString& weight, Sex sex, const Separators& seps) {
    WeightCalculation c;
    c.heightText = height;
    c.weightText = weight;
    c.sex = sex;
    auto h = Decimal::parse(height, seps.decimal, seps.group);
    const auto w = Decimal::parse(weight, seps.decimal, seps.group);
    if (!h) return c;
    // A height of 100 or more was given in centimetres.
    if (toCents(*h).compare(Decimal::fromInt(100)) >= 0) {
        h = h->divide(Decimal::fromInt(100));
        c.heightText = fieldNumber(*h, seps.decimal);
    }
    const Decimal metres = toCents(*h);
    if (metres.compare(Decimal::fromInt(3)) > 0 || metres.compare(Decimal::fromInt(1)) < 0) {
        c.outcome = Outcome::HeightRefused;
        return c;
    }
    if (!w) return c;
    c.weight = toCents(*w);
    if (c.weight.compare(Decimal::fromInt(300)) > 0 || c.weight.compare(Decimal::fromInt(20)) < 0) {
        c.outcome = Outcome::WeightRefused;
        return c;
    }
    c.outcome = Outcome::Done;

    const Factors& f = sex == Sex::Man ? ManFactors : WomanFactors;
    const Decimal square = *h->multiply(*h);
    int i = 0;
    for (const char* factor : {f.thin, f.medium, f.overweight, f.fat, f.obese})
        c.limits.kg[i++] = toCents(square.multiply(constant(factor)).value_or(Decimal()));

    // The medium weight stands at 1560, and each kilogram moves the arrow in proportion to it.
    const double k = 1500 / c.limits.kg[WeightLimits::Medium].toDouble();
    const double x = c.weight.toDouble() * k - 1500 + c.weight.toDouble() * k + 60;
    c.arrowLeft = x < ArrowMin ? ArrowMin : x >= ArrowMax ? ArrowMax : int(std::lround(x));

    const auto above = [&](int limit) { return c.weight.compare(c.limits.kg[limit]) > 0; };
    if (above(WeightLimits::Overweight))
        c.band = above(WeightLimits::Obese) ? WeightBand::Obese
                 : above(WeightLimits::Fat) ? WeightBand::Fat
                                            : WeightBand::Overweight;
    else if (c.weight.compare(c.limits.kg[WeightLimits::Thin]) < 0)
        c.band = WeightBand::Thin;
    else
        c.band = WeightBand::Normal;
    return c;
}

GaugeGeometry gauge(Sex sex) {
    return sex == Sex::Man ? GaugeGeometry{1300, 1180, 200, 2120, 2120, 1305}
                           : GaugeGeometry{1200, 1080, 255, 2220, 2220, 1200};
}

QString refusal(Outcome outcome, int language) {
    if (outcome == Outcome::HeightRefused)
        return say(language, "Digite sua altura em metros, Ex.: 1,70 (um metro e setenta)",
                   "Height Invalid!");
    if (outcome == Outcome::WeightRefused)
        return say(language,
                   "Digite seu peso em Quilogramas, Ex.: 52,358 (cinquenta e dois quilos e trezentos e "
                   "cinquenta e oito gramas)",
                   "Weight Invalid!");
    return {};
}

QString verdict(const WeightCalculation& c, int language) {
    return say(language, "Resultado = ", "Result = ") + QLatin1String(bandName(c.band, language));
}

QString advice(const WeightCalculation& c, const Separators& seps, int language) {
    if (c.band == WeightBand::Normal)
        return language == Language::Portuguese ? QStringLiteral("Parabéns!\nVocê está dentro do peso normal")
                                                : QStringLiteral("You are in your NORMAL Weight");
    const QString way =
        c.band == WeightBand::Thin ? say(language, "Ganhar", "Gain") : say(language, "Perder", "Lose");
    return QStringList{way, money(toNormal(c), seps) + QStringLiteral(" Kg"),
                       say(language, "para ficar no peso normal", "to enter in normal weight")}
        .join(QLatin1Char('\n'));
}

QString mediumAdvice(const WeightCalculation& c, const Separators& seps) {
    if (c.outcome != Outcome::Done)
        return QStringLiteral("Primeiro efetue o cálculo para depois clicar aqui e ver o resultado para peso "
                              "médio ideal");
    return QStringLiteral("Para ficar no peso médio ideal:\n\n") +
           (belowMedium(c) ? QStringLiteral("Ganhe ") : QStringLiteral("Perca ")) + money(toMedium(c), seps) +
           QStringLiteral(" Kg");
}

QString bandTables() {
    return QStringLiteral("I.M.C. = Índice de Massa Corporal\n"
                          "Fórmula = peso(Kg) / (altura x altura)\n\n"
                          "Tabela OMS (para mulheres):\n"
                          "abaixo de 18,5 = abaixo do peso\n"
                          "de 18,5 até 25 = peso normal\n"
                          "de 25 até 27 = sobrepeso\n"
                          "de 27 até 30 = gordo\n"
                          "acima de 30 = obeso\n\n"
                          "Tabela NHANES II (para homens)\n"
                          "abaixo de 20,7 = abaixo do peso\n"
                          "de 20,7 até 26,4 = peso normal\n"
                          "de 26,4 até 27,8 = sobrepeso\n"
                          "de 27,8 até 31,1 = gordo\n"
                          "acima de 31,1 = obeso");
}

QString report(const WeightCalculation& c, const Separators& seps, int language) {
    const bool man = c.sex == Sex::Man;
    const QString rule = QLatin1Char(' ') + QString(25, QLatin1Char('-'));
    const auto kg = [&](int limit) { return money(c.limits.kg[limit], seps) + QStringLiteral("Kg"); };
    const auto gainOrLose = [&](bool gain, const Decimal& amount) {
        return (gain ? say(language, "Ganhar ", "Gain ") : say(language, "Perder ", "Lose ")) +
               money(amount, seps) + QStringLiteral("Kg");
    };
    QStringList lines{
        rule,
        say(language, " CÁLCULO PESO - ", " WEIGHT CALC. - ") +
            (man ? say(language, "(Homem)", "(Man)") : say(language, "(Mulher)", "(Woman)")),
        say(language, " Sua Altura  = ", " Your Height  = ") + c.heightText + QLatin1Char('m'),
        say(language, " Seu Peso    = ", " Your Weight  = ") + c.weightText + QStringLiteral("Kg"),
        rule,
        say(language, " Peso Mínimo = ", " Min. Weight  = ") + kg(WeightLimits::Thin),
        say(language, " Peso Máximo = ", " Max. Weight  = ") + kg(WeightLimits::Overweight),
        say(language, " Result. = ", " Result = ") +
            (c.band == WeightBand::Normal ? say(language, "Peso NORMAL", "NORMAL Weight")
                                          : gainOrLose(c.band == WeightBand::Thin, toNormal(c))),
    };
    if (c.band == WeightBand::Normal)
        lines << rule << say(language, " Peso Médio  = ", " Medium Weight = ") + kg(WeightLimits::Medium)
              << say(language, " Opcional = ", " Optional = ") + gainOrLose(belowMedium(c), toMedium(c));
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString reportEntry(const WeightCalculation& c, const Separators& seps) {
    return money(c.band == WeightBand::Normal ? toMedium(c) : toNormal(c), seps);
}

} // namespace IdealWeight
