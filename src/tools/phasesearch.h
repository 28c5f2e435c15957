#pragma once
// The stepwise searches of the installment tools. A search walks a quantity (the rate, the
// installment, the cheque's net value) in steps whose size and direction depend on the sign of a
// residual (the loan's final balance) and on the phase it is in; a table of phases says, for each
// sign, which step to take and which phase follows. Every residual computed is one pass.
//
// Walked pass by pass, a search can take millions of passes (a 250-month loan found from the
// installment V / n upwards in steps of 1000). The fast walk gives the same quantity after the same
// count of passes without making them: where a phase repeats one step while the sign holds, it probes
// ahead in growing strides and bisects to the first pass at which the sign changes. That is exact
// whenever the residual is monotone over the stretch it skips; the probe says from where it is
// (see Probe::monotoneAbove), and where it cannot say so, the walk goes pass by pass.
//
// The quantity is a whole number of the search's smallest step (cents, millionths of a percent), so
// that a run of identical steps lands on exactly the value that adding them one by one gives.

#include <QtGlobal>
#include <array>
#include <functional>

namespace PhaseSearch {

enum class Sign { Negative, Zero, Positive, Failed }; // Failed: no finite residual

struct Probe {
    Sign sign = Sign::Failed;
    // The residual is monotone (either way) over every position from this one upwards.
    bool monotoneAbove = false;
};

// One entry of a phase table: the step added to the position and the phase that follows
// (`Stop` ends the search at the current position).
struct Move {
    qint64 step = 0;
    int next = Stop;
    static constexpr int Stop = -1;
};

struct Table {
    int phases = 0;
    std::array<Move, 8> whenPositive{};
    std::array<Move, 8> whenNegative{};
};

enum class End {
    Found,         // the table stopped, or the residual was zero
    NoConvergence, // the position left the range the search may visit
    Failed,        // the residual could not be computed (overflow)
    Cancelled,     // the caller asked to stop
};

struct Outcome {
    End end = End::Failed;
    qint64 position = 0; // where it ended
    qint64 passes = 0;   // residuals the pass-by-pass walk computes to get there
};

struct Walk {
    const Table* table = nullptr;
    qint64 start = 0;
    qint64 lowest = 0; // the range of positions the search may visit
    qint64 highest = 0;
    std::function<Probe(qint64)> probe;
    // Asked between passes, at most every few milliseconds: false stops the search (the window
    // lets its events through here).
    std::function<bool(qint64 position)> keepGoing;
};

Outcome walkPassByPass(const Walk& walk);
Outcome walkFast(const Walk& walk);

} // namespace PhaseSearch
