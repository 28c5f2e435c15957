#pragma once
// The ideal-weight calculator: from a height, a weight and a sex, the weight limits of five
// body-mass-index bands, the band the weight lies in, the kilograms to gain or lose, where the
// gauge's arrow stands, and the report it leaves on the tape. Money-like rounding to the cent on
// decimal numbers, so a limit reads as a person works it out by hand. Its texts are Portuguese in
// Portuguese and English in every other language.

#include "core/decimal.h"
#include "core/numberpattern.h"

#include <QString>
#include <array>

enum class Sex { Man, Woman };
enum class WeightBand { Thin, Normal, Overweight, Fat, Obese };

// The five limits in kilograms, each height × height × the sex's factor, to the cent.
struct WeightLimits {
    enum { Thin, Medium, Overweight, Fat, Obese };
    std::array<Decimal, 5> kg;
};

// Where the gauge's scale lies for a sex, in twips (1/1440 inch).
struct GaugeGeometry {
    int minWidth, tol1Left, tol2Width, tol2Left, maxLeft, maxWidth;
};

struct WeightCalculation {
    enum class Outcome {
        Done,
        NotANumber,    // stops without a word, leaving what was shown
        HeightRefused, // outside 1 to 3 metres
        WeightRefused, // outside 20 to 300 kilograms
    };
    Outcome outcome = Outcome::NotANumber;
    QString heightText; // the height field afterwards: centimetres become metres ("170" gives "1,7")
    QString weightText;
    Sex sex = Sex::Man;
    Decimal weight; // to the cent
    WeightLimits limits;
    WeightBand band = WeightBand::Normal;
    int arrowLeft = 0; // the arrow's left edge on the gauge, in twips
};

namespace IdealWeight {

inline constexpr int ArrowMin = -90;
inline constexpr int ArrowMax = 3210;

// Whether a field holds a number the calculation can read.
bool holdsNumber(const QString& text, const Separators& seps);
WeightCalculation calculate(const QString& height, const QString& weight, Sex sex, const Separators& seps);
GaugeGeometry gauge(Sex sex);

// What the user is told in `language` (1 Portuguese; any other reads English).
QString refusal(WeightCalculation::Outcome outcome, int language);
QString verdict(const WeightCalculation& c, int language);                        // "Resultado = NORMAL"
QString advice(const WeightCalculation& c, const Separators& seps, int language); // lines joined by "\n"
// The way to the medium weight, and the band tables: both shown in Portuguese only.
QString mediumAdvice(const WeightCalculation& c, const Separators& seps);
QString bandTables();
// The tape's report of a calculation (CR LF lines, without the closing separator), and the amount
// it ends with, which the calculator's entry keeps to go on calculating with.
QString report(const WeightCalculation& c, const Separators& seps, int language);
QString reportEntry(const WeightCalculation& c, const Separators& seps);

} // namespace IdealWeight
