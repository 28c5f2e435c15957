// The installment tools' searches on the largest figures a person types: a loan of a billion in 250
// months at 5 % a month (the installment from the rate, then the rate from that installment), and a
// cheque of a billion at 10 % a month for 730 days, about eight million passes walked one by one.
// Each is timed as the window runs it and as the plain pass-by-pass walk, in the same run; the
// window's must stay under 100 ms.

#include "tools/installments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The median of a few runs, in milliseconds, and the last result.
double timed(const std::function<SearchResult()>& search, int runs, SearchResult& result) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        result = search();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

void compare(const char* name, const std::function<SearchResult(SearchSpeed)>& search, int plainRuns) {
    SearchResult fast, plain;
    const double fastMs = timed([&] { return search(SearchSpeed::Fast); }, 21, fast);
    const double plainMs = timed([&] { return search(SearchSpeed::PassByPass); }, plainRuns, plain);
    std::printf("%-34s %10lld passes  fast %9.3f ms  pass by pass %10.1f ms  ratio %8.0fx  %s\n", name,
                static_cast<long long>(fast.passes), fastMs, plainMs, plainMs / std::max(fastMs, 1e-6),
                fast.value == plain.value && fast.passes == plain.passes ? "same result" : "RESULTS DIFFER");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Loan loan{1e9, 250, 30, {}, {}};
    const double installment = findInstallment(loan, 5).value;
    std::printf("installment of 1,000,000,000 in 250 months at 5 %%: %.2f\n", installment);
    compare(
        "installment from 5 % (V = 1e9)", [&](SearchSpeed s) { return findInstallment(loan, 5, s); }, 5);
    compare(
        "rate from that installment", [&](SearchSpeed s) { return findRate(loan, installment, s); }, 5);
    compare(
        "cheque 1e9 at 10 % for 730 days", [](SearchSpeed s) { return discountCheque(1e9, 10, 730, s); }, 1);
    return 0;
}
