#include "tools/phasesearch.h"

#include <QElapsedTimer>
#include <algorithm>
#include <optional>

namespace PhaseSearch {

namespace {

// Asks the caller whether to go on at most every 10 ms, which keeps a window that lets its events
// through in that call answering well within the 20 ms a person notices.
class Pacer {
  public:
    explicit Pacer(const std::function<bool(qint64)>& keepGoing) : m_keepGoing(keepGoing) { m_clock.start(); }
    bool goOn(qint64 position) {
        if (!m_keepGoing || m_clock.elapsed() < 10) return true;
        m_clock.restart();
        return m_keepGoing(position);
    }

  private:
    const std::function<bool(qint64)>& m_keepGoing;
    QElapsedTimer m_clock;
};

const Move& moveFor(const Table& table, int phase, Sign sign) {
    return sign == Sign::Positive ? table.whenPositive[phase] : table.whenNegative[phase];
}

bool inRange(const Walk& w, qint64 x) {
    return x >= w.lowest && x <= w.highest;
}

// Where a run of one repeated step ends: the first index i >= 1 (position x0 + i * step) at which the
// sign differs from the sign at x0, with the probe there; no probe when that position is out of range.
struct RunEnd {
    qint64 index = 0;
    std::optional<Probe> probe;
    bool cancelled = false;
};

RunEnd endOfRun(const Walk& w, qint64 x0, qint64 step, const Probe& p0, Pacer& pacer) {
    const auto at = [&](qint64 i) { return x0 + i * step; };
    const auto same = [&](const Probe& q) { return q.sign == p0.sign; };
    const qint64 last = step > 0 ? (w.highest - x0) / step : (x0 - w.lowest) / -step;
    qint64 lo = 0;
    Probe atLo = p0;
    qint64 stride = 1;
    for (;;) {
        if (lo == last) return {last + 1, std::nullopt, false};
        if (!pacer.goOn(at(lo))) return {lo, atLo, true};
        qint64 hi = std::min(lo + stride, last);
        Probe atHi = w.probe(at(hi));
        // The stretch between lo and hi is monotone when the probe at its lower position says so.
        const Probe& lower = step > 0 ? atLo : atHi;
        if (!lower.monotoneAbove) {
            for (qint64 i = lo + 1; i <= hi; ++i) {
                if (!pacer.goOn(at(i))) return {i, std::nullopt, true};
                const Probe q = i == hi ? atHi : w.probe(at(i));
                if (!same(q)) return {i, q, false};
            }
            lo = hi;
            atLo = atHi;
            stride = 1;
            continue;
        }
        if (same(atHi)) {
            lo = hi;
            atLo = atHi;
            stride *= 2;
            continue;
        }
        while (hi - lo > 1) {
            const qint64 mid = lo + (hi - lo) / 2;
            const Probe atMid = w.probe(at(mid));
            if (same(atMid)) {
                lo = mid;
            } else {
                hi = mid;
                atHi = atMid;
            }
        }
        return {hi, atHi, false};
    }
}

} // namespace

Outcome walkPassByPass(const Walk& w) {
    Pacer pacer(w.keepGoing);
    qint64 x = w.start;
    qint64 passes = 0;
    for (int phase = 0;;) {
        if (!inRange(w, x)) return {End::NoConvergence, x, passes};
        if (!pacer.goOn(x)) return {End::Cancelled, x, passes};
        const Probe p = w.probe(x);
        ++passes;
        if (p.sign == Sign::Failed) return {End::Failed, x, passes};
        if (p.sign == Sign::Zero) return {End::Found, x, passes};
        const Move& m = moveFor(*w.table, phase, p.sign);
        if (m.next == Move::Stop) return {End::Found, x, passes};
        x += m.step;
        phase = m.next;
    }
}

Outcome walkFast(const Walk& w) {
    Pacer pacer(w.keepGoing);
    qint64 x = w.start;
    qint64 passes = 0;
    std::optional<Probe> known; // the probe at x, when the run that led here made it already
    for (int phase = 0;;) {
        if (!inRange(w, x)) return {End::NoConvergence, x, passes};
        if (!pacer.goOn(x)) return {End::Cancelled, x, passes};
        const Probe p = known ? *known : w.probe(x);
        known.reset();
        ++passes;
        if (p.sign == Sign::Failed) return {End::Failed, x, passes};
        if (p.sign == Sign::Zero) return {End::Found, x, passes};
        const Move& m = moveFor(*w.table, phase, p.sign);
        if (m.next == Move::Stop) return {End::Found, x, passes};
        if (m.next != phase) {
            x += m.step;
            phase = m.next;
            continue;
        }
        // The phase repeats its step while the sign holds: the passes in between change nothing
        // but the position, so they are counted, not made.
        const RunEnd run = endOfRun(w, x, m.step, p, pacer);
        passes += run.index - 1;
        x += run.index * m.step;
        if (run.cancelled) return {End::Cancelled, x, passes};
        known = run.probe;
    }
}

} // namespace PhaseSearch
