#include "core/decimal.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>

namespace {

constexpr std::uint32_t Pow10[10] = {1,      10,      100,      1000,      10000,
                                     100000, 1000000, 10000000, 100000000, 1000000000};

// An unsigned integer on the stack, wide enough for every intermediate result: a 96x96-bit product
// (192 bits) or a mantissa scaled by 10^56 before a division (283 bits). Words at and above `len`
// are always zero, so the low three words can be read whatever the length.
struct Wide {
    static constexpr int Words = 9;
    std::uint32_t w[Words] = {};
    int len = 0; // significant words

    void trim() {
        while (len > 0 && w[len - 1] == 0)
            --len;
    }
    bool fits96() const { return len <= 3; }
    bool isMax96() const {
        return len == 3 && w[0] == 0xFFFFFFFFu && w[1] == 0xFFFFFFFFu && w[2] == 0xFFFFFFFFu;
    }
    int bitLength() const { return len == 0 ? 0 : 32 * len - std::countl_zero(w[len - 1]); }
};

Wide wideOf(const std::array<std::uint32_t, 3>& m) {
    Wide r;
    r.w[0] = m[0];
    r.w[1] = m[1];
    r.w[2] = m[2];
    r.len = 3;
    r.trim();
    return r;
}

// a = a * m + add
void mulAdd(Wide& a, std::uint32_t m, std::uint32_t add) {
    std::uint64_t carry = add;
    for (int i = 0; i < a.len; ++i) {
        const std::uint64_t t = std::uint64_t(a.w[i]) * m + carry;
        a.w[i] = std::uint32_t(t);
        carry = t >> 32;
    }
    if (carry != 0) {
        Q_ASSERT(a.len < Wide::Words);
        a.w[a.len++] = std::uint32_t(carry);
    }
}

void mulPow10(Wide& a, int k) {
    if (a.len == 0) return;
    for (; k > 0; k -= 9)
        mulAdd(a, Pow10[std::min(k, 9)], 0);
}

// a = a / d, returning the remainder.
std::uint32_t divSmall(Wide& a, std::uint32_t d) {
    std::uint64_t rem = 0;
    for (int i = a.len - 1; i >= 0; --i) {
        const std::uint64_t cur = (rem << 32) | a.w[i];
        a.w[i] = std::uint32_t(cur / d);
        rem = cur % d;
    }
    a.trim();
    return std::uint32_t(rem);
}

void increment(Wide& a) {
    int i = 0;
    while (++a.w[i] == 0)
        ++i;
    a.len = std::max(a.len, i + 1);
}

int compareWide(const Wide& a, const Wide& b) {
    if (a.len != b.len) return a.len < b.len ? -1 : 1;
    for (int i = a.len - 1; i >= 0; --i) {
        if (a.w[i] != b.w[i]) return a.w[i] < b.w[i] ? -1 : 1;
    }
    return 0;
}

Wide sum(const Wide& a, const Wide& b) {
    Wide r;
    const int n = std::max(a.len, b.len);
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
        const std::uint64_t t = std::uint64_t(a.w[i]) + b.w[i] + carry;
        r.w[i] = std::uint32_t(t);
        carry = t >> 32;
    }
    r.len = n;
    if (carry != 0) {
        Q_ASSERT(n < Wide::Words);
        r.w[r.len++] = 1;
    }
    return r;
}

// a - b, for a >= b
Wide difference(const Wide& a, const Wide& b) {
    Wide r;
    std::uint64_t borrow = 0;
    for (int i = 0; i < a.len; ++i) {
        const std::uint64_t t = std::uint64_t(a.w[i]) - b.w[i] - borrow;
        r.w[i] = std::uint32_t(t);
        borrow = t >> 63;
    }
    r.len = a.len;
    r.trim();
    return r;
}

Wide product(const Wide& a, const Wide& b) {
    Wide r;
    if (a.len == 0 || b.len == 0) return r;
    for (int i = 0; i < a.len; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < b.len; ++j) {
            const std::uint64_t t = std::uint64_t(a.w[i]) * b.w[j] + r.w[i + j] + carry;
            r.w[i + j] = std::uint32_t(t);
            carry = t >> 32;
        }
        r.w[i + b.len] = std::uint32_t(carry);
    }
    r.len = a.len + b.len;
    r.trim();
    return r;
}

// Knuth's algorithm D on 32-bit digits: q = u / v and r = u % v, v not zero.
void divMod(const Wide& u, const Wide& v, Wide& q, Wide& r) {
    q = Wide{};
    r = Wide{};
    const int n = v.len;
    const int m = u.len;
    if (m < n) {
        r = u;
        return;
    }
    if (n == 1) {
        q = u;
        r.w[0] = divSmall(q, v.w[0]);
        r.len = r.w[0] != 0 ? 1 : 0;
        return;
    }
    // Normalise so the divisor's top bit is set; that keeps each estimated quotient digit at most
    // two too large.
    const int s = std::countl_zero(v.w[n - 1]);
    std::uint32_t vn[Wide::Words];
    std::uint32_t un[Wide::Words + 1];
    for (int i = n - 1; i > 0; --i)
        vn[i] = (v.w[i] << s) | std::uint32_t(std::uint64_t(v.w[i - 1]) >> (32 - s));
    vn[0] = v.w[0] << s;
    un[m] = std::uint32_t(std::uint64_t(u.w[m - 1]) >> (32 - s));
    for (int i = m - 1; i > 0; --i)
        un[i] = (u.w[i] << s) | std::uint32_t(std::uint64_t(u.w[i - 1]) >> (32 - s));
    un[0] = u.w[0] << s;

    for (int j = m - n; j >= 0; --j) {
        const std::uint64_t num = (std::uint64_t(un[j + n]) << 32) | un[j + n - 1];
        std::uint64_t qhat = num / vn[n - 1];
        std::uint64_t rhat = num % vn[n - 1];
        while (qhat > 0xFFFFFFFFu || qhat * vn[n - 2] > ((rhat << 32) | un[j + n - 2])) {
            --qhat;
            rhat += vn[n - 1];
            if (rhat > 0xFFFFFFFFu) break;
        }
        std::uint64_t carry = 0;
        std::uint64_t borrow = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t p = qhat * vn[i] + carry;
            carry = p >> 32;
            const std::uint64_t t = std::uint64_t(un[i + j]) - std::uint32_t(p) - borrow;
            un[i + j] = std::uint32_t(t);
            borrow = t >> 63;
        }
        const std::uint64_t t = std::uint64_t(un[j + n]) - carry - borrow;
        un[j + n] = std::uint32_t(t);
        if ((t >> 63) != 0) {
            // The estimate was one too large: add the divisor back.
            --qhat;
            std::uint64_t c = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t a = std::uint64_t(un[i + j]) + vn[i] + c;
                un[i + j] = std::uint32_t(a);
                c = a >> 32;
            }
            un[j + n] += std::uint32_t(c);
        }
        q.w[j] = std::uint32_t(qhat);
    }
    q.len = m - n + 1;
    q.trim();
    for (int i = 0; i < n - 1; ++i)
        r.w[i] = (un[i] >> s) | std::uint32_t(std::uint64_t(un[i + 1]) << (32 - s));
    r.w[n - 1] = un[n - 1] >> s;
    r.len = n;
    r.trim();
}

// What was cut off below the last kept digit, measured against half a unit of that digit. When more
// digits are cut later only "zero or not" of the older tail matters, so any non-zero value may stand
// for a tail that is not known more precisely.
enum class Tail { Zero, BelowHalf, Half, AboveHalf };

Tail cutTail(std::uint32_t cut, std::uint32_t half, Tail older) {
    if (cut < half) return cut == 0 && older == Tail::Zero ? Tail::Zero : Tail::BelowHalf;
    if (cut == half) return older == Tail::Zero ? Tail::Half : Tail::AboveHalf;
    return Tail::AboveHalf;
}

// a = a / 10^k, folding what is cut into `tail`.
void shiftDown(Wide& a, int k, Tail& tail) {
    while (k > 0) {
        const int j = std::min(k, 9);
        const std::uint32_t cut = divSmall(a, Pow10[j]);
        tail = cutTail(cut, 5 * Pow10[j - 1], tail);
        k -= j;
    }
}

bool roundsUp(Tail tail, bool odd, Decimal::Rounding mode) {
    switch (tail) {
    case Tail::Zero:
    case Tail::BelowHalf:
        return false;
    case Tail::Half:
        return mode == Decimal::Rounding::HalfAwayFromZero || odd;
    case Tail::AboveHalf:
        return true;
    }
    return false;
}

} // namespace

struct Decimal::Impl {
    static Wide mantissa(const Decimal& d) { return wideOf(d.m_mantissa); }

    static Decimal build(const Wide& n, int scale, bool negative) {
        Q_ASSERT(n.fits96() && scale >= 0 && scale <= MaxScale);
        Decimal d;
        d.m_mantissa = {n.w[0], n.w[1], n.w[2]};
        d.m_scale = std::uint8_t(scale);
        d.m_negative = negative && n.len != 0;
        return d;
    }

    // The exact value n / 10^scale (plus `tail`), rounded half to even to the largest scale up to 28
    // whose mantissa fits 96 bits. `scale` may exceed 28.
    static std::optional<Decimal> make(Wide n, int scale, Tail tail, bool negative) {
        int cut = std::max(0, scale - MaxScale);
        // Skip straight to about the right number of digits for a long intermediate: 10^k stays
        // below 2^(bits-97) for this k, so at least this many must go.
        const int bits = n.bitLength();
        if (bits > 97) cut = std::max(cut, (bits - 97) * 30102 / 100000);
        if (cut > scale) return std::nullopt;
        shiftDown(n, cut, tail);
        for (;;) {
            if (n.fits96()) {
                if (!roundsUp(tail, (n.w[0] & 1) != 0, Rounding::HalfEven)) break;
                // Rounding 2^96 - 1 up would not fit; cutting one more digit instead rounds the
                // exact value once rather than twice.
                if (!n.isMax96()) {
                    increment(n);
                    break;
                }
            }
            if (cut == scale) return std::nullopt;
            shiftDown(n, 1, tail);
            ++cut;
        }
        return build(n, scale - cut, negative);
    }

    static std::optional<Decimal> addSigned(const Decimal& a, const Decimal& b, bool negateB) {
        const int scale = std::max(a.m_scale, b.m_scale);
        Wide x = mantissa(a);
        Wide y = mantissa(b);
        mulPow10(x, scale - a.m_scale);
        mulPow10(y, scale - b.m_scale);
        const bool bNegative = (b.m_negative != negateB) && y.len != 0;
        const bool aNegative = a.m_negative && x.len != 0;
        if (aNegative == bNegative) return make(sum(x, y), scale, Tail::Zero, aNegative);
        if (compareWide(x, y) >= 0) return make(difference(x, y), scale, Tail::Zero, aNegative);
        return make(difference(y, x), scale, Tail::Zero, bNegative);
    }
};

Decimal Decimal::fromInt(std::int64_t value) {
    const std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    return fromParts(std::uint32_t(magnitude), std::uint32_t(magnitude >> 32), 0, 0, value < 0);
}

Decimal Decimal::fromParts(std::uint32_t lo, std::uint32_t mid, std::uint32_t hi, int scale, bool negative) {
    Q_ASSERT(scale >= 0 && scale <= MaxScale);
    Decimal d;
    d.m_mantissa = {lo, mid, hi};
    d.m_scale = std::uint8_t(std::clamp(scale, 0, MaxScale));
    d.m_negative = negative && !d.isZero();
    return d;
}

std::optional<Decimal> Decimal::parse(QStringView text, QChar decimalSep, QChar groupSep) {
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // 29 significant integer digits may still fit; 30 never do. Fraction digits past the 29th only
    // matter as "something non-zero" for rounding, which the 29th already decides ties with.
    constexpr int MaxIntegerDigits = 29;
    constexpr int KeptDecimals = MaxScale + 1;
    Wide n;
    std::uint32_t chunk = 0; // digits gathered nine at a time, then folded into n
    int chunkDigits = 0;
    int integerDigits = 0;
    int decimals = 0;
    bool anyDigit = false;
    bool inFraction = false;
    bool droppedNonZero = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            const std::uint32_t digit = c - u'0';
            anyDigit = true;
            if (!inFraction) {
                if (integerDigits == 0 && digit == 0) continue;
                if (++integerDigits > MaxIntegerDigits) return std::nullopt;
            } else if (decimals < KeptDecimals) {
                ++decimals;
            } else {
                droppedNonZero = droppedNonZero || digit != 0;
                continue;
            }
            chunk = chunk * 10 + digit;
            if (++chunkDigits == 9) {
                mulAdd(n, Pow10[9], chunk);
                chunk = 0;
                chunkDigits = 0;
            }
        } else if (text[i] == decimalSep && !inFraction) {
            inFraction = true;
        } else if (text[i] == groupSep && !inFraction && anyDigit) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (chunkDigits > 0) mulAdd(n, Pow10[chunkDigits], chunk);
    // Dropped digits only exist past the 29th decimal, so at least one more digit is cut and the
    // unspecific non-zero tail is enough.
    return Impl::make(n, decimals, droppedNonZero ? Tail::BelowHalf : Tail::Zero, negative);
}

std::optional<Decimal> Decimal::add(const Decimal& other) const {
    return Impl::addSigned(*this, other, false);
}

std::optional<Decimal> Decimal::subtract(const Decimal& other) const {
    return Impl::addSigned(*this, other, true);
}

std::optional<Decimal> Decimal::multiply(const Decimal& other) const {
    return Impl::make(product(Impl::mantissa(*this), Impl::mantissa(other)), m_scale + other.m_scale,
                      Tail::Zero, isNegative() != other.isNegative());
}

std::optional<Decimal> Decimal::divide(const Decimal& other) const {
    if (other.isZero()) return std::nullopt;
    // Work at scale 28: (a / 10^sa) / (b / 10^sb) = (a * 10^(28 + sb - sa) / b) / 10^28, and the
    // exponent is 0..56 because both scales are 0..28.
    Wide n = Impl::mantissa(*this);
    mulPow10(n, MaxScale + other.m_scale - m_scale);
    const Wide d = Impl::mantissa(other);
    Wide q;
    Wide r;
    divMod(n, d, q, r);
    int scale = MaxScale;
    Tail tail = Tail::Zero;
    if (r.len != 0) {
        const int c = compareWide(sum(r, r), d);
        tail = c < 0 ? Tail::BelowHalf : c == 0 ? Tail::Half : Tail::AboveHalf;
    } else {
        // Exact: drop the trailing zeros the working scale added, down to the natural scale.
        const int natural = std::max(0, m_scale - other.m_scale);
        if (q.len == 0) scale = natural;
        while (scale > natural) {
            const int j = std::min(scale - natural, 9);
            Wide t = q;
            std::uint32_t rem = divSmall(t, Pow10[j]);
            if (rem == 0) {
                q = t;
                scale -= j;
                continue;
            }
            int zeros = 0;
            for (; rem % 10 == 0; rem /= 10)
                ++zeros;
            divSmall(q, Pow10[zeros]);
            scale -= zeros;
            break;
        }
    }
    return Impl::make(q, scale, tail, isNegative() != other.isNegative());
}

Decimal Decimal::rounded(int decimals, Rounding mode) const {
    decimals = std::clamp(decimals, 0, MaxScale);
    if (decimals >= m_scale) return *this;
    Wide n = Impl::mantissa(*this);
    Tail tail = Tail::Zero;
    shiftDown(n, m_scale - decimals, tail);
    if (roundsUp(tail, (n.w[0] & 1) != 0, mode))
        increment(n); // at least one digit was cut, so this cannot reach 2^96
    return Impl::build(n, decimals, m_negative);
}

Decimal Decimal::truncated() const {
    Wide n = Impl::mantissa(*this);
    Tail ignored = Tail::Zero;
    shiftDown(n, m_scale, ignored);
    return Impl::build(n, 0, m_negative);
}

bool Decimal::isZero() const {
    return (m_mantissa[0] | m_mantissa[1] | m_mantissa[2]) == 0;
}

bool Decimal::isNegative() const {
    return m_negative && !isZero();
}

Decimal Decimal::negated() const {
    Decimal d = *this;
    d.m_negative = !isNegative() && !isZero();
    return d;
}

Decimal Decimal::abs() const {
    Decimal d = *this;
    d.m_negative = false;
    return d;
}

int Decimal::compare(const Decimal& other) const {
    const bool aNegative = isNegative();
    const bool bNegative = other.isNegative();
    if (aNegative != bNegative) return aNegative ? -1 : 1;
    const int scale = std::max(m_scale, other.m_scale);
    Wide x = Impl::mantissa(*this);
    Wide y = Impl::mantissa(other);
    mulPow10(x, scale - m_scale);
    mulPow10(y, scale - other.m_scale);
    const int c = compareWide(x, y);
    return aNegative ? -c : c;
}

int Decimal::digits(std::array<char, MaxDigits>& out) const {
    // 2^96 < 10^29, so at most four groups of nine digits.
    Wide n = Impl::mantissa(*this);
    std::uint32_t groups[4];
    int count = 0;
    while (n.len != 0)
        groups[count++] = divSmall(n, Pow10[9]);
    if (count == 0) return 0;
    int written = 0;
    char top[10];
    int topDigits = 0;
    for (std::uint32_t g = groups[count - 1]; g != 0; g /= 10)
        top[topDigits++] = char('0' + g % 10);
    while (topDigits > 0)
        out[written++] = top[--topDigits];
    for (int k = count - 2; k >= 0; --k) {
        std::uint32_t g = groups[k];
        for (int pos = 8; pos >= 0; --pos) {
            out[written + pos] = char('0' + g % 10);
            g /= 10;
        }
        written += 9;
    }
    return written;
}

namespace {

// Writes the value as plain digits ("-12.50") into `out`, returning the length; `out` must hold
// MaxDigits + 3 characters (sign, leading zero, separator).
template <typename Char>
int writePlain(const std::array<char, Decimal::MaxDigits>& digits, int count, int scale, bool negative,
               Char separator, Char* out) {
    int pos = 0;
    if (negative) out[pos++] = Char('-');
    const int integerDigits = count - scale;
    if (integerDigits <= 0) out[pos++] = Char('0');
    for (int k = 0; k < integerDigits; ++k)
        out[pos++] = Char(digits[k]);
    if (scale > 0) {
        out[pos++] = separator;
        for (int k = count - scale; k < count; ++k)
            out[pos++] = k < 0 ? Char('0') : Char(digits[k]);
    }
    return pos;
}

} // namespace

QString Decimal::toString(QChar decimalSep) const {
    std::array<char, MaxDigits> digitBuffer;
    const int count = digits(digitBuffer);
    char16_t text[MaxDigits + 3];
    const int length = writePlain(digitBuffer, count, m_scale, isNegative(), decimalSep.unicode(), text);
    return QString(reinterpret_cast<const QChar*>(text), length);
}

double Decimal::toDouble() const {
    // Through text so the result is the correctly rounded double, not the product of two rounded
    // conversions.
    std::array<char, MaxDigits> digitBuffer;
    const int count = digits(digitBuffer);
    char text[MaxDigits + 3];
    const int length = writePlain(digitBuffer, count, m_scale, isNegative(), '.', text);
    double value = 0.0;
    std::from_chars(text, text + length, value);
    return value;
}

std::optional<std::int64_t> Decimal::toInt64() const {
    Wide n = Impl::mantissa(*this);
    Tail ignored = Tail::Zero;
    shiftDown(n, m_scale, ignored);
    if (n.len > 2) return std::nullopt;
    const std::uint64_t magnitude = (std::uint64_t(n.w[1]) << 32) | n.w[0];
    constexpr std::uint64_t Limit = std::uint64_t(1) << 63;
    if (isNegative()) {
        if (magnitude > Limit) return std::nullopt;
        return magnitude == Limit ? std::numeric_limits<std::int64_t>::min() : -std::int64_t(magnitude);
    }
    if (magnitude >= Limit) return std::nullopt;
    return std::int64_t(magnitude);
}
