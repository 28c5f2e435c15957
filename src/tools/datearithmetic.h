#pragma once
// The date calculator's arithmetic, apart from any window: dates written and read in the run's
// order, the mask of a date field, the 29 February days and the working days between two dates, the
// span of typed amounts, its breakdown into years, months, weeks and days, and the lines the tape
// receives. A month counts as 30 days; a year as 365 days plus the 29 February days inside it.

#include "core/decimal.h"

#include <QChar>
#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace DateArithmetic {

// Before 1753 a date written in Brazil, Portugal or the English-speaking world may be in either the
// Julian or the Gregorian calendar, so the span between two such dates would not mean what the user
// means; four-digit fields end in 9999.
inline constexpr int FirstYear = 1753;
inline constexpr int LastYear = 9999;
inline QDate firstDate() {
    return QDate(FirstYear, 1, 1);
}
inline QDate lastDate() {
    return QDate(LastYear, 12, 31);
}

// What a date field's text is when the field is left.
enum class Reading { Date, Empty, Invalid, OutOfRange };
struct ReadDate {
    Reading reading = Reading::Empty;
    QDate date;
};

// Dates in the locale's order, day or month first ("dd/mm/yyyy", "mm/dd/yyyy"), always ten
// characters with the locale's separator; a field that lacks digits shows "_" in their place.
class DateText {
  public:
    static constexpr int Length = 10;

    DateText(const QString& pattern, QChar separator);
    // The locale's date separator: the first mark that is no digit in its short date.
    static QChar separatorOf(const QLocale& locale);

    QChar separator() const { return m_separator; }
    QString emptyMask() const { return m_mask; }
    QString format(const QDate& date) const;
    // A complete text (every digit typed) of a date of the calendar.
    std::optional<QDate> read(const QString& text) const;
    // A field being left: "_" is a blank, the blanks around a part do not count, a missing year is
    // `currentYear`, a year of one or two digits is between 1930 and 2029.
    ReadDate readLeaving(const QString& text, int currentYear) const;

    // A field's text after the user changed it. When its length changed, what stands before the
    // cursor is kept (its digits laid into the mask's places) and the rest becomes the empty mask
    // again; a cursor that then stands before a separator after typing steps over it. Whatever
    // else is no digit becomes "_".
    struct Edited {
        QString text;
        int cursor = 0;
    };
    Edited afterEdit(const QString& text, int cursor) const;

  private:
    bool isSeparatorPlace(int position) const { return position == 2 || position == 5; }
    QString layOut(const QString& typed) const;

    bool m_dayFirst = true;
    QChar m_separator;
    QString m_mask;
};

// The 29 February days after `from` up to and including `to` (none when `to` is earlier).
int leapDaysBetween(const QDate& from, const QDate& to);
// Monday to Friday days after `from` up to and including `to`.
qint64 workingDaysBetween(const QDate& from, const QDate& to);

// Years, months, weeks and days as typed; a text that is no number counts as nothing.
using Amounts = std::array<QString, 4>;
enum Amount { Years, Months, Weeks, Days };
// The value of a typed amount: "," and "." both mark the decimals; nothing for what is no number.
std::optional<Decimal> amountValue(const QString& text);
// years × 365 + months × 30 + weeks × 7 + days, rounded to a whole day (half to even) after each
// addition. Nothing when the span is longer than the calendar.
std::optional<qint64> spanDays(const Amounts& amounts);

// One calculation of the window. The breakdown starts with years (mode 0, and 4: the final date
// from the span), months (1), weeks (2), or gives days only (3); years, months and weeks below the
// first are broken out only when ticked.
struct Calculation {
    QDate start;
    std::optional<QDate> final; // when the final-date field holds a date, it wins over the amounts
    Amounts amounts;
    std::array<bool, 3> ticked{true, true, true};
    int mode = 0;
};
enum class Failure {
    None,
    NoFinalDate,      // neither a final date nor a span
    FinalBeforeStart, // the final date is earlier than the start
    OutOfCalendar,    // the span takes the final date past the calendar's last day
};
struct Result {
    Failure failure = Failure::None;
    QDate final;
    std::array<qint64, 4> amounts{}; // years, months, weeks, days
    std::array<bool, 3> ticked{};
    int leapDays = 0;
};
Result calculate(const Calculation& calculation);

// The lines the tape receives when the window closes: the two dates and the span, each 24
// characters wide, and a separator; "" unless both texts are dates that differ and the amounts add
// up to something. English words in English, Portuguese words in every other language.
QString tapeReport(const DateText& dates, const QString& startText, const QString& finalText,
                   const Amounts& amounts, bool english);

} // namespace DateArithmetic
