// The unit converter's arithmetic: one value converted into all the rows of a unit and formatted as
// the window shows them, for every unit of the list; the median per unit (over 2000 batches of 10),
// and the slowest unit's median.

#include "tools/unitconverter.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

} // namespace

int main() {
    const Separators brazil;
    const QList<SourceUnit>& units = UnitTable::shipped().units();
    const double values[] = {1, 1234.5678, -0.000123, 98765432.1};
    std::vector<double> perUnit;
    QString slowest;
    double worst = 0;
    qsizetype sink = 0;
    for (const SourceUnit& unit : units) {
        std::vector<double> us;
        for (int batch = 0; batch < 2000; ++batch) {
            QElapsedTimer t;
            t.start();
            for (int i = 0; i < 10; ++i)
                sink += UnitConverter::convert(unit, values[(batch + i) % 4], brazil).size();
            us.push_back(t.nsecsElapsed() / 1e3 / 10);
        }
        const double m = median(us);
        perUnit.push_back(m);
        if (m > worst) worst = m, slowest = unit.name;
    }
    std::printf(
        "converter: one value into all the rows of a unit, formatted; median per unit over %zu units: "
        "%.3f us, slowest unit (%s) %.3f us (target well under 10 us)%s\n",
        perUnit.size(), median(perUnit), qPrintable(slowest), worst, sink ? "" : " ");
    return 0;
}
