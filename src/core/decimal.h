#pragma once
// A scaled decimal number: value = (-1)^negative * mantissa / 10^scale, with an unsigned 96-bit
// mantissa (below 2^96) and a scale of 0 to 28. This is the calculator's arithmetic: exact for the
// sums of an adding machine, 28-29 significant digits for the rest.
//
// Every operation computes the exact result and then rounds it (half to even) to the largest scale
// that fits the mantissa; a result whose integer part does not fit 96 bits is an overflow and the
// operation returns std::nullopt, as does a division by zero. Callers skip the failing step.

#include <QChar>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

class Decimal {
  public:
    static constexpr int MaxScale = 28;
    static constexpr int MaxDigits = 29; // 2^96 - 1 has 29 digits

    Decimal() = default; // zero
    static Decimal fromInt(std::int64_t value);
    // Builds mantissa * 10^-scale from three 32-bit words (lo, mid, hi); scale must be 0..28.
    static Decimal fromParts(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi, int scale, bool negative);

    // Parses locale text: optional blanks, an optional leading "-" (or "+"), digits with group
    // separators anywhere in the integer part, at most one decimal separator, more digits.
    // Digits beyond what fits are rounded (half to even); an integer part that does not fit 96 bits
    // or text that is not a number gives std::nullopt. "" and "-" are not numbers.
    static std::optional<Decimal> parse(QStringView text, QChar decimalSep, QChar groupSep);

    std::optional<Decimal> add(const Decimal& other) const;
    std::optional<Decimal> subtract(const Decimal& other) const;
    std::optional<Decimal> multiply(const Decimal& other) const;
    // A quotient that terminates keeps the fewest decimals that hold it exactly, but not fewer than
    // the dividend's scale minus the divisor's ("6,00" / 2 = "3,00", 6 / 2 = "3", 1 / 4 = "0,25");
    // one that does not terminate gets as many decimals as fit (10 / 3 has 28).
    std::optional<Decimal> divide(const Decimal& other) const;

    // Rounds to the given number of decimals (0..28). Half away from zero is what number patterns
    // use; half to even is the arithmetic's own rounding.
    enum class Rounding { HalfAwayFromZero, HalfEven };
    Decimal rounded(int decimals, Rounding mode) const;
    // The integer part, dropping decimals (toward zero).
    Decimal truncated() const;

    bool isZero() const;
    bool isNegative() const; // false for zero, whatever the sign bit
    Decimal negated() const;
    Decimal abs() const;
    int scale() const { return m_scale; }
    int compare(const Decimal& other) const; // -1, 0, 1 by value (1,50 == 1,5)
    bool operator==(const Decimal& other) const { return compare(other) == 0; }

    // Plain text without grouping, trailing zeros of the scale kept ("-1234,50" for scale 2),
    // using the given decimal separator. Zero prints without a sign.
    QString toString(QChar decimalSep = QLatin1Char('.')) const;
    // The value as a double, for the few callers that need one (seconds in time mode, tools).
    double toDouble() const;
    // Whole-number value when it fits in 64 bits after truncation.
    std::optional<std::int64_t> toInt64() const;
    // The mantissa's decimal digits, most significant first, without leading zeros (none for zero);
    // returns how many. Lets formatters lay out digits without going through a string.
    int digits(std::array<char, MaxDigits>& out) const;

  private:
    struct Impl; // the wide-integer arithmetic behind the operations, in decimal.cpp
    std::array<std::uint32_t, 3> m_mantissa{0, 0, 0}; // little-endian words
    std::uint8_t m_scale = 0;
    bool m_negative = false;
};
