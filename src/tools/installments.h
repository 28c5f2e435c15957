#pragma once
// The loan of the installment calculator, in double precision: an initial value V paid back in n
// monthly installments, the first after D days. The first period accrues simple daily interest at a
// thirtieth of the monthly rate per day (D = 0: none, D = 30: the full rate); every later period the
// monthly rate, or, in the dated plan with a fixed due day, a thirtieth of it per real day between
// two due dates. The balance B(i) = B(i-1) * (1 + r(i) / 100) - payment i, from B(0) = V, is zero
// after the last installment when the loan is settled.
//
// The searches find the rate from the installment or the installment from the rate by the stepwise
// walks of the classic calculator (see PhaseSearch), so that they land on the same figures; the
// savings and the cheque discount capitalise month by month.

#include "tools/phasesearch.h"

#include <QDate>
#include <QList>
#include <optional>

struct Loan {
    double initial = 0; // V
    int count = 1;      // n, 1 to 250
    int firstDays = 30; // D
    // The dated plan: the first installment's own value (none: the same as the others), and the
    // days of periods 2..n when every installment falls on a fixed day of the month (empty: 30-day
    // periods at the monthly rate).
    std::optional<double> firstPayment;
    QList<int> periodDays;

    static constexpr int MaxCount = 250;

    // r(i) in percent, i from 1.
    double periodRate(int i, double rate) const;
    double payment(int i, double installment) const;
    // B(n), or every B(i) from B(0) when `balances` is given.
    double finalBalance(double rate, double installment, QList<double>* balances = nullptr) const;
};

enum class SearchSpeed { Fast, PassByPass };

struct SearchResult {
    PhaseSearch::End end = PhaseSearch::End::Failed;
    double value = 0;   // the rate (percent), the installment or the net value found
    double balance = 0; // the residual at that value: B(n), or the cheque's remaining difference
    qint64 passes = 0;
    bool found() const { return end == PhaseSearch::End::Found; }
};

// Called between passes with the value reached; false cancels.
using SearchProgress = std::function<bool(double value)>;

// The rate that settles the loan with this installment, from 15 % down in steps of 10 and finer.
SearchResult findRate(const Loan& loan, double installment, SearchSpeed speed = SearchSpeed::Fast,
                      const SearchProgress& progress = {});
// The installment that settles the loan at this rate, from V / n in steps of 1000 and finer; one
// installment is V with one period's interest.
SearchResult findInstallment(const Loan& loan, double rate, SearchSpeed speed = SearchSpeed::Fast,
                             const SearchProgress& progress = {});
// The loan's residual is acceptable: one installment, or a final balance of at most 1 % of V.
bool settles(const Loan& loan, double finalBalance);

// The amount after `days` at a monthly rate: compound per whole month of 30 days, then simple daily
// interest for the rest. Unrounded.
double capitalised(double amount, double rate, int days);
// The net value of a cheque of `value` due in `days`: the amount that capitalises to it, walked
// from value - value * rate / 100 in the installment search's steps.
SearchResult discountCheque(double value, double rate, int days, SearchSpeed speed = SearchSpeed::Fast,
                            const SearchProgress& progress = {});

// The due dates of the dated plan: the first `firstDays` after `today`; the next ones 30 days apart,
// or on day `dueDay` (1 to 28) of each following month.
QList<QDate> dueDates(const QDate& today, int firstDays, int count, int dueDay = 0);
// The days of periods 2..n between those dates (what Loan::periodDays takes).
QList<int> periodDaysOf(const QList<QDate>& dueDates);

// One line of the dated plan's schedule: what is due when, and how it splits into the period's
// interest and the principal it pays off.
struct ScheduleRow {
    QDate due;
    double payment = 0;
    double interest = 0;
    double principal = 0;
    double balance = 0; // after this payment
};
QList<ScheduleRow> schedule(const Loan& loan, double rate, double installment, const QList<QDate>& dueDates);
