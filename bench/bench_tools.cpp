// The date calculator and the rule of three: the median time of one calculation over 100,000 random
// inputs each. Opening their windows is measured with the other tools' in bench_toolwindows.

#include "benchsupport.h"
#include "tools/datearithmetic.h"
#include "tools/ruleofthree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Calls = 100000;

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// Half of the calculations have two dates anywhere in the calendar, half a typed span of up to a
// century from a start date; the breakdown's mode is random.
double dateBreakdownMicroseconds() {
    using namespace DateArithmetic;
    QRandomGenerator rng(13);
    const qint64 first = firstDate().toJulianDay(), days = firstDate().daysTo(lastDate());
    std::vector<double> us;
    us.reserve(Calls);
    qint64 sink = 0;
    for (int i = 0; i < Calls; ++i) {
        Calculation c;
        const qint64 start = first + rng.bounded(days);
        c.start = QDate::fromJulianDay(start);
        if (i % 2) {
            c.final = QDate::fromJulianDay(start + rng.bounded(first + days - start + 1));
        } else {
            c.amounts = {QString::number(rng.bounded(100)), QString::number(rng.bounded(12)),
                         QString::number(rng.bounded(5)), QString::number(rng.bounded(31))};
        }
        c.mode = rng.bounded(5);
        QElapsedTimer t;
        t.start();
        const Result r = calculate(c);
        us.push_back(t.nsecsElapsed() / 1e3);
        sink += r.amounts[Days];
    }
    return sink == -1 ? 0 : median(us);
}

// Two to six quantities of random values (cents included), a random unknown, every answer Yes.
double ruleOfThreeMicroseconds(const Context& context) {
    QRandomGenerator rng(3);
    RuleOfThree rule(context);
    std::vector<double> us;
    us.reserve(Calls);
    auto value = [&rng] { return QStringLiteral("%1,%2").arg(1 + rng.bounded(99999)).arg(rng.bounded(100)); };
    for (int i = 0; i < Calls; ++i) {
        const int rows = 2 + rng.bounded(5);
        for (int r = 0; r < RuleOfThree::RowCount; ++r) {
            rule.setText(r, RuleOfThree::Field::Value, r < rows ? value() : QString());
            rule.setText(r, RuleOfThree::Field::Description,
                         r < rows ? QStringLiteral("q%1").arg(r) : QString());
            rule.setText(r, RuleOfThree::Field::NewValue, r < rows ? value() : QStringLiteral("0"));
        }
        rule.markUnknown(rng.bounded(rows));
        QElapsedTimer t;
        t.start();
        rule.calculate();
        us.push_back(t.nsecsElapsed() / 1e3);
    }
    return median(us);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    AnsweringDialogs dialogs(Dialogs::Answer::Yes);
    BenchContext run(clipboard, dialogs, dir.path());

    std::printf("tools: one date breakdown, median of %d random inputs: %.3f us (target well under 10 us)\n",
                Calls, dateBreakdownMicroseconds());
    std::printf("tools: one rule of three, median of %d random inputs: %.3f us (target well under 10 us)\n",
                Calls, ruleOfThreeMicroseconds(run.context));
    return 0;
}
