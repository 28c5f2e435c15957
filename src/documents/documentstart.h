#pragma once
// What the calculator's menu does before a printed document opens: the displayed value is checked
// and written out in words, and the promissory note asks for its due date. Each step tells the user
// through the context's dialogs why it stops.

#include "platform/context.h"

#include <QDate>
#include <QString>
#include <optional>

namespace DocumentStart {

// Ctrl+E: "(" + the displayed value in words + ")" goes to the clipboard, and a box says so. False
// when the value was refused (the box said why) or there is no clipboard.
bool copyAmountInWords(const Context& context, const QString& display);

// The value of a cheque or a note, as the form's fields take it.
struct Amount {
    QString figures; // "***1.234,56"
    QString words;   // "(UM MIL ... CENTAVOS)"
};
// Nothing when the display holds no amount between 0,01 and 999.999.999.999,99 (message 900).
std::optional<Amount> amountOf(const Context& context, const QString& display);

// A due date as the user typed it: day, month and year in the locale's order, separated by "/",
// "-" or "."; a year of two digits is of this century.
struct DueDate {
    QDate date;
    QString typed;
};
std::optional<DueDate> parseDate(const QString& text, const QString& datePattern);
// A date written in the locale's order with four-digit years ("05/01/2027").
QString dateText(const QDate& date, const QString& datePattern);
// Asks for the due date (today plus 30 days proposed) until it is a date; nothing on cancel.
std::optional<DueDate> askDueDate(const Context& context, const QString& title);

} // namespace DocumentStart
