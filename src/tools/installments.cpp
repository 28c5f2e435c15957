#include "tools/installments.h"

#include "tools/moneytext.h"

#include <cmath>

using PhaseSearch::Move;
using PhaseSearch::Probe;
using PhaseSearch::Sign;

namespace {

constexpr int Stop = Move::Stop;

// The rate in millionths of a percent, from 15 %: down by 10 while the loan ends above zero, then
// back and forth with steps ten times finer each turn.
const PhaseSearch::Table RateTable{
    8,
    {{{-10'000'000, 0},
      {-100'000, 2},
      {-100'000, 2},
      {-1'000, 4},
      {-1'000, 4},
      {-10, 6},
      {-10, 6},
      {0, Stop}}},
    {{{1'000'000, 1}, {1'000'000, 1}, {10'000, 3}, {10'000, 3}, {100, 5}, {100, 5}, {1, 7}, {1, 7}}},
};
constexpr qint64 RateUnits = 1'000'000;
constexpr qint64 LowestRate = -100 * RateUnits; // nothing is left of a balance below this
constexpr qint64 HighestRate = 1'000'000 * RateUnits;

// The installment (and the cheque's net value) in cents: up by 1000 while money is left over, then
// back and forth down to the cent.
const PhaseSearch::Table CentsTable{
    6,
    {{{100'000, 0}, {1'000, 2}, {1'000, 2}, {10, 4}, {10, 4}, {0, Stop}}},
    {{{-10'000, 1}, {-10'000, 1}, {-100, 3}, {-100, 3}, {-1, 5}, {-1, 5}}},
};
constexpr qint64 CentsLimit = 1'000'000'000'000'000; // ten trillion: far past any amount a field takes

Sign signOf(double residual) {
    if (!std::isfinite(residual)) return Sign::Failed;
    return residual > 0 ? Sign::Positive : residual < 0 ? Sign::Negative : Sign::Zero;
}

PhaseSearch::Outcome walk(const PhaseSearch::Walk& w, SearchSpeed speed) {
    return speed == SearchSpeed::Fast ? PhaseSearch::walkFast(w) : PhaseSearch::walkPassByPass(w);
}

} // namespace

double Loan::periodRate(int i, double rate) const {
    if (i == 1) return firstDays != 30 ? rate / 30 * firstDays : rate;
    const int k = i - 2;
    return k < periodDays.size() ? rate / 30 * periodDays[k] : rate;
}

double Loan::payment(int i, double installment) const {
    return i == 1 && firstPayment ? *firstPayment : installment;
}

double Loan::finalBalance(double rate, double installment, QList<double>* balances) const {
    double b = initial;
    if (balances) *balances = {b};
    for (int i = 1; i <= count; ++i) {
        b = b * (1 + periodRate(i, rate) / 100) - payment(i, installment);
        if (balances) balances->append(b);
    }
    return b;
}

bool settles(const Loan& loan, double finalBalance) {
    return loan.count == 1 || finalBalance <= loan.initial * 0.01;
}

SearchResult findRate(const Loan& loan, double installment, SearchSpeed speed,
                      const SearchProgress& progress) {
    const auto rateAt = [](qint64 units) { return double(units) / RateUnits; };
    PhaseSearch::Walk w;
    w.table = &RateTable;
    w.start = 15 * RateUnits;
    w.lowest = LowestRate;
    w.highest = HighestRate;
    // The final balance rises with the rate wherever no balance before the last is negative and no
    // period's factor is: then it rises for every higher rate too.
    w.probe = [&](qint64 units) {
        const double rate = rateAt(units);
        double b = loan.initial;
        bool rising = true;
        for (int i = 1; i <= loan.count; ++i) {
            const double factor = 1 + loan.periodRate(i, rate) / 100;
            if (b < 0 || !(factor > 0)) rising = false;
            b = b * factor - loan.payment(i, installment);
        }
        const Sign s = signOf(b);
        return Probe{s, rising && s != Sign::Failed};
    };
    if (progress) w.keepGoing = [&](qint64 units) { return progress(rateAt(units)); };
    const PhaseSearch::Outcome o = walk(w, speed);
    const double rate = rateAt(o.position);
    return {o.end, rate, loan.finalBalance(rate, installment), o.passes};
}

SearchResult findInstallment(const Loan& loan, double rate, SearchSpeed speed,
                             const SearchProgress& progress) {
    const auto start = MoneyText::cents(loan.initial / loan.count);
    if (!start || loan.count < 1) return {};
    const double first = double(*start) / 100;
    if (loan.count == 1) {
        const double p = first + loan.finalBalance(rate, first);
        return {std::isfinite(p) ? PhaseSearch::End::Found : PhaseSearch::End::Failed, p,
                loan.finalBalance(rate, p), 1};
    }
    bool positiveFactors = true;
    for (int i = 1; i <= loan.count; ++i)
        positiveFactors = positiveFactors && 1 + loan.periodRate(i, rate) / 100 > 0;
    PhaseSearch::Walk w;
    w.table = &CentsTable;
    w.start = *start;
    w.lowest = -CentsLimit;
    w.highest = CentsLimit;
    // With positive factors the final balance falls as the installment grows, everywhere.
    w.probe = [&](qint64 cents) {
        const Sign s = signOf(loan.finalBalance(rate, double(cents) / 100));
        return Probe{s, positiveFactors && s != Sign::Failed};
    };
    if (progress) w.keepGoing = [&](qint64 cents) { return progress(double(cents) / 100); };
    const PhaseSearch::Outcome o = walk(w, speed);
    const double p = double(o.position) / 100;
    return {o.end, p, loan.finalBalance(rate, p), o.passes};
}

double capitalised(double amount, double rate, int days) {
    const int months = days / 30;
    const int rest = days - 30 * months;
    for (int k = 0; k < months; ++k)
        amount = amount * (1 + rate / 100);
    if (rest != 0) amount = amount + amount * (rest * rate / 30) / 100;
    return amount;
}

SearchResult discountCheque(double value, double rate, int days, SearchSpeed speed,
                            const SearchProgress& progress) {
    const double start = value - value * rate / 100;
    const auto netAt = [start](qint64 cents) { return start + double(cents) / 100; };
    // What is left of the cheque when the net value is capitalised and rounded to the cent, as the
    // savings show it.
    const auto difference = [&](double net) -> double {
        const auto c = MoneyText::cents(capitalised(net, rate, days));
        return c ? value - double(*c) / 100 : qQNaN();
    };
    PhaseSearch::Walk w;
    w.table = &CentsTable;
    w.start = 0;
    w.lowest = -CentsLimit;
    w.highest = CentsLimit;
    // Capitalising multiplies by positive factors and rounds, which never reverses an order.
    const bool rising = 1 + rate / 100 > 0;
    w.probe = [&](qint64 cents) {
        const Sign s = signOf(difference(netAt(cents)));
        return Probe{s, rising && s != Sign::Failed};
    };
    if (progress) w.keepGoing = [&](qint64 cents) { return progress(netAt(cents)); };
    const PhaseSearch::Outcome o = walk(w, speed);
    const double net = netAt(o.position);
    return {o.end, net, difference(net), o.passes};
}

QList<QDate> dueDates(const QDate& today, int firstDays, int count, int dueDay) {
    QList<QDate> dates;
    if (count < 1) return dates;
    dates.append(today.addDays(firstDays));
    for (int i = 2; i <= count; ++i) {
        const QDate previous = dates.last();
        if (dueDay < 1) {
            dates.append(dates.first().addDays(30LL * (i - 1)));
            continue;
        }
        // The following month: 40 days on from an early day, 20 from a late one.
        const QDate month = previous.addDays(previous.day() < 15 ? 40 : 20);
        dates.append(QDate(month.year(), month.month(), dueDay));
    }
    return dates;
}

QList<int> periodDaysOf(const QList<QDate>& dueDates) {
    QList<int> days;
    for (qsizetype i = 1; i < dueDates.size(); ++i)
        days.append(int(dueDates[i - 1].daysTo(dueDates[i])));
    return days;
}

QList<ScheduleRow> schedule(const Loan& loan, double rate, double installment, const QList<QDate>& dueDates) {
    QList<ScheduleRow> rows;
    double b = loan.initial;
    for (int i = 1; i <= loan.count; ++i) {
        ScheduleRow row;
        row.due = i - 1 < dueDates.size() ? dueDates[i - 1] : QDate();
        row.payment = loan.payment(i, installment);
        row.interest = b * (loan.periodRate(i, rate) / 100);
        row.principal = row.payment - row.interest;
        b = b * (1 + loan.periodRate(i, rate) / 100) - row.payment;
        row.balance = b;
        rows.append(row);
    }
    return rows;
}
