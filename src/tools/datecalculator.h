#pragma once
// The date calculator as its window shows it, without the window: the two date fields, the four
// amounts, the three tick boxes, the leap-day count, the line under the calendar and the rules that
// tie them together (what a key in a field clears, what leaving a field checks, when a calculation
// follows). The window binds its controls to this and mirrors it after changed(); messages go
// through the context's dialogs, titled with the window's caption.

#include "platform/context.h"
#include "tools/datearithmetic.h"

#include <QObject>

class DateCalculator : public QObject {
    Q_OBJECT
  public:
    enum DateField { Start, Final };
    // The fields that can be asked to take the focus.
    enum class Field { Start, Final, Years, Months, Weeks, Days };

    explicit DateCalculator(const Context& context, QObject* parent = nullptr);

    // --- what the window shows ---------------------------------------------------------------------
    QString caption() const;
    const QString& dateText(int field) const { return m_dates[field]; }
    // The weekday of a field's date, "" while it holds none.
    QString weekday(int field) const;
    const QString& amount(int which) const { return m_amounts[which]; }
    bool ticked(int which) const { return m_ticked[which]; }
    // The leap-day count, shown (with its caption) only when it is not zero.
    int leapDays() const { return m_leapDays; }
    // Monday to Friday days after the start up to the final date; "" unless both are dates in order.
    QString workingDaysText() const;
    // Under the calendar: today's date, or the warning that months are counted as 30 days.
    QString todayText() const;
    bool monthsWarning() const { return m_monthsWarning; }
    // The date field drawn in blue, the one the calendar writes into.
    int activeField() const { return m_active; }
    // The calendar shows the blue field's date, or the last one it showed while that field has none.
    QDate calendarDate() const { return date(m_active).value_or(m_calendarDate); }
    // The difference buttons need two dates; the final date from a span needs only the start.
    bool differenceEnabled() const { return date(Start) && date(Final); }
    std::optional<QDate> date(int field) const { return m_text.read(m_dates[field]); }
    const DateArithmetic::DateText& dates() const { return m_text; }

    // --- what the user does ------------------------------------------------------------------------
    // A character typed into a date field, before it reaches the text: false when it is refused.
    bool dateKey(int field, QChar key);
    // The date field's text after an edit; returns where its cursor goes.
    int dateEdited(int field, const QString& text, int cursor);
    void enterDateField(int field);
    // False when the text was refused: the field has been told and wants the focus back.
    bool leaveDateField(int field);
    // A character typed into an amount field, before it reaches the text: nothing when it is refused,
    // else the character to insert (the decimal key gives the locale's separator). `fieldEmpty`: no
    // text would stay beside the key (a minus sign only starts a field).
    std::optional<QChar> amountKey(int which, QChar key, bool fieldEmpty);
    void amountEdited(int which, const QString& text);
    void setTicked(int which, bool on);
    void calendarClicked(const QDate& date);
    // Enter in a date field (true when a calculation follows; else the focus moves on) or in an
    // amount field.
    bool enterInDateField();
    bool enterInAmountField();
    // A calculation starting with years (0), months (1), weeks (2), days only (3), or the final
    // date from the span (4); false when it failed and the user was told.
    bool calculate(int mode);
    // The mode of a recalculation: the first ticked box, or days only.
    int tickedMode() const;
    // The lines for the tape when the window closes; "" when there is nothing to report.
    QString tapeReport() const;

  signals:
    void changed();
    void focusRequested(DateCalculator::Field field);

  private:
    void warn(int message, const QString& p1 = {}, const QString& p2 = {});
    void clearAmounts();
    void setDate(int field, const QDate& date);
    QDate today() const;
    QString number(qint64 value) const { return QString::number(value); }

    const Context& m_context;
    DateArithmetic::DateText m_text;
    QString m_dates[2];
    DateArithmetic::Amounts m_amounts;
    std::array<bool, 3> m_ticked{false, false, false};
    int m_leapDays = 0;
    bool m_monthsWarning = false;
    int m_active = Start;
    QDate m_calendarDate;
};
