#include "tools/datearithmetic.h"

#include <QRegularExpression>
#include <QStringList>

namespace DateArithmetic {

namespace {

const QChar Blank = QLatin1Char('_');

// The 29 February days on or before `date`, counted from year 1 of the proleptic calendar.
qint64 leapDaysUpTo(const QDate& date) {
    const qint64 y = date.year() - 1;
    qint64 n = y / 4 - y / 100 + y / 400;
    if (QDate::isLeapYear(date.year()) && date >= QDate(date.year(), 2, 29)) ++n;
    return n;
}

// Monday to Friday days among the first `days` days after a day of the week (1 Monday .. 7 Sunday).
qint64 workingDaysAfter(int weekday, qint64 days) {
    qint64 n = days / 7 * 5;
    for (qint64 i = 1; i <= days % 7; ++i)
        if ((weekday - 1 + i) % 7 < 5) ++n;
    return n;
}

std::optional<int> number(const QString& part) {
    if (part.isEmpty()) return std::nullopt;
    for (QChar c : part)
        if (!c.isDigit() || c.unicode() > 127) return std::nullopt;
    return part.toInt();
}

std::optional<qint64> roundedDays(const Decimal& value) {
    return value.rounded(0, Decimal::Rounding::HalfEven).toInt64();
}

} // namespace

// --- dates as text ------------------------------------------------------------------------------

DateText::DateText(const QString& pattern, QChar separator)
    : m_dayFirst(!pattern.startsWith(QLatin1String("mm"))), m_separator(separator) {
    m_mask = QString(2, Blank) + separator + QString(2, Blank) + separator + QString(4, Blank);
}

QChar DateText::separatorOf(const QLocale& locale) {
    for (QChar c : locale.toString(QDate(2003, 12, 15), QLocale::ShortFormat))
        if (!c.isDigit()) return c;
    return QLatin1Char('/');
}

QString DateText::format(const QDate& date) const {
    const QString day = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    return (m_dayFirst ? day : month) + m_separator + (m_dayFirst ? month : day) + m_separator +
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> DateText::read(const QString& text) const {
    if (text.size() != Length || text.at(2) != m_separator || text.at(5) != m_separator) return std::nullopt;
    const auto first = number(text.mid(0, 2)), second = number(text.mid(3, 2)), year = number(text.mid(6, 4));
    if (!first || !second || !year) return std::nullopt;
    const QDate date(*year, m_dayFirst ? *second : *first, m_dayFirst ? *first : *second);
    if (!date.isValid() || date < firstDate() || date > lastDate()) return std::nullopt;
    return date;
}

ReadDate DateText::readLeaving(const QString& text, int currentYear) const {
    QString plain = text;
    plain.replace(Blank, QLatin1Char(' '));
    if (plain.trimmed().isEmpty() || plain == QString(m_mask).replace(Blank, QLatin1Char(' ')))
        return {Reading::Empty, {}};
    const QStringList parts = plain.split(m_separator);
    if (parts.size() != 3) return {Reading::Invalid, {}};
    const auto first = number(parts.at(0).trimmed()), second = number(parts.at(1).trimmed());
    if (!first || !second || parts.at(0).trimmed().size() > 2 || parts.at(1).trimmed().size() > 2)
        return {Reading::Invalid, {}};
    const QString yearText = parts.at(2).trimmed();
    int year = currentYear;
    if (!yearText.isEmpty()) {
        const auto y = number(yearText);
        if (!y) return {Reading::Invalid, {}};
        year = *y;
        // Two digits name a year near today, as the desktop's short dates do.
        if (yearText.size() <= 2) year += year < 30 ? 2000 : 1900;
    }
    const int day = m_dayFirst ? *first : *second, month = m_dayFirst ? *second : *first;
    if (!QDate::isValid(year < 1 ? 2000 : year, month, day)) return {Reading::Invalid, {}};
    const QDate date(year, month, day);
    if (year < FirstYear || year > LastYear) return {Reading::OutOfRange, date};
    return {Reading::Date, date};
}

QString DateText::layOut(const QString& typed) const {
    QString out;
    for (QChar c : typed) {
        if (out.size() >= Length) break;
        if (c == m_separator) {
            if (isSeparatorPlace(int(out.size()))) out += m_separator;
            continue;
        }
        if (!(c.isDigit() && c.unicode() < 128) && c != Blank) continue;
        if (isSeparatorPlace(int(out.size()))) out += m_separator;
        out += c;
    }
    return out;
}

DateText::Edited DateText::afterEdit(const QString& text, int cursor) const {
    if (text.size() == Length) {
        // Typed over a selection of the same length: only what is no digit is put right.
        const QString laid = layOut(text);
        return {laid + m_mask.mid(laid.size()), qBound(0, cursor, Length)};
    }
    const QString kept = layOut(text.left(qMax(0, cursor)));
    int at = int(kept.size());
    if (text.size() > Length && at < Length && isSeparatorPlace(at)) ++at;
    return {kept + m_mask.mid(kept.size()), at};
}

// --- counting days ------------------------------------------------------------------------------

int leapDaysBetween(const QDate& from, const QDate& to) {
    if (to <= from) return 0;
    return int(leapDaysUpTo(to) - leapDaysUpTo(from));
}

qint64 workingDaysBetween(const QDate& from, const QDate& to) {
    if (to <= from) return 0;
    return workingDaysAfter(from.dayOfWeek(), from.daysTo(to));
}

std::optional<Decimal> amountValue(const QString& text) {
    QString t = text.trimmed();
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return Decimal::parse(t, QLatin1Char(','), QChar(u'\x01'));
}

std::optional<qint64> spanDays(const Amounts& amounts) {
    static const int DaysPer[] = {365, 30, 7, 1};
    // A number with more digits than a decimal holds is no span of the calendar either.
    static const QRegularExpression Digits(QStringLiteral("^\\s*-?\\d+([.,]\\d*)?\\s*$"));
    const qint64 longest = firstDate().daysTo(lastDate());
    Decimal sum;
    for (int i = 0; i < 4; ++i) {
        const auto parsed = amountValue(amounts[i]);
        if (!parsed && Digits.match(amounts[i]).hasMatch()) return std::nullopt;
        const Decimal value = parsed.value_or(Decimal());
        const auto part = value.multiply(Decimal::fromInt(DaysPer[i]));
        const auto added = part ? sum.add(*part) : std::nullopt;
        if (!added) return std::nullopt;
        sum = added->rounded(0, Decimal::Rounding::HalfEven);
    }
    const auto days = roundedDays(sum);
    if (!days || *days > longest || *days < -longest) return std::nullopt;
    return days;
}

// --- the calculation ----------------------------------------------------------------------------

Result calculate(const Calculation& c) {
    Result r;
    r.ticked = c.ticked;
    QDate final = c.final.value_or(QDate());
    bool yearsTyped = false;
    if (!c.final) {
        const auto span = spanDays(c.amounts);
        if (!span) {
            r.failure = Failure::OutOfCalendar;
            return r;
        }
        if (*span != 0) {
            final = c.start.addDays(*span);
            if (final > lastDate()) {
                r.failure = Failure::OutOfCalendar;
                return r;
            }
        }
        const auto years = amountValue(c.amounts[Years]);
        yearsTyped = years && !years->isZero();
    }
    if (!final.isValid()) {
        r.failure = Failure::NoFinalDate;
        return r;
    }
    if (final < c.start) {
        r.failure = Failure::FinalBeforeStart;
        return r;
    }

    qint64 days = c.start.daysTo(final);
    const int mode = c.mode == 4 ? 0 : c.mode;
    if (mode == 0) {
        for (;;) {
            r.leapDays = days >= 365 ? leapDaysBetween(c.start, final) : 0;
            if (!yearsTyped) break;
            // Whole years typed land on the same calendar day: the final date moves on by the
            // 29 February days that the span crosses, and the new span is broken down.
            yearsTyped = false;
            final = c.start.addDays(days + r.leapDays);
            if (final > lastDate()) {
                r.failure = Failure::OutOfCalendar;
                return r;
            }
            days = c.start.daysTo(final);
        }
        days -= r.leapDays;
        r.ticked[0] = true;
        r.amounts[Years] = days / 365;
        days -= 365 * r.amounts[Years];
    } else if (mode == 1) {
        r.ticked[1] = true;
    } else if (mode == 2) {
        r.ticked[2] = true;
    }
    if ((mode == 0 || mode == 1) && r.ticked[1]) {
        // 360 to 364 days read as eleven months and some days rather than twelve months less.
        const qint64 monthDays = days >= 360 && days <= 364 ? 31 : 30;
        r.amounts[Months] = days / monthDays;
        days -= 30 * r.amounts[Months];
    }
    if (mode <= 2 && r.ticked[2]) {
        r.amounts[Weeks] = days / 7;
        days -= 7 * r.amounts[Weeks];
    }
    r.amounts[Days] = days;
    r.final = final;
    return r;
}

// --- the tape's lines ---------------------------------------------------------------------------

QString tapeReport(const DateText& dates, const QString& startText, const QString& finalText,
                   const Amounts& amounts, bool english) {
    if (!dates.read(startText) || !dates.read(finalText) || startText == finalText) return {};
    Decimal sum;
    for (const QString& a : amounts)
        sum = sum.add(amountValue(a).value_or(Decimal())).value_or(sum);
    if (sum.isZero()) return {};

    const QString crLf = QStringLiteral("\r\n");
    const QString indent(9, QLatin1Char(' '));
    QString report = indent + QLatin1Char('[') + finalText + QStringLiteral("] - ") + crLf;
    report += indent + QLatin1Char('[') + startText + QStringLiteral("] = ") + crLf;
    struct Line {
        int width;
        const char* portuguese;
        const char* english;
    };
    static const Line lines[] = {{15, "  anos: ", " years: "},
                                 {14, "  meses: ", " months: "},
                                 {13, " semanas: ", "   weeks: "},
                                 {16, " dias: ", " days: "}};
    for (int i = 0; i < 4; ++i) {
        const auto value = amountValue(amounts[i]);
        if (!value || value->isZero()) continue;
        const QString text = amounts[i].trimmed();
        report += QString(qMax<qsizetype>(0, lines[i].width - text.size()), QLatin1Char(' ')) +
                  QLatin1String(english ? lines[i].english : lines[i].portuguese) + text + QLatin1Char(' ') +
                  crLf;
    }
    return report + QLatin1Char(' ') + QString(25, QLatin1Char('=')) + crLf;
}

} // namespace DateArithmetic
