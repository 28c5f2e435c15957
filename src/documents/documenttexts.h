#pragma once
// What the program itself writes into the fields of a cheque and a promissory note: the date of the
// cheque, the note's number and due date (in figures or in words), and where the files that go with
// the forms live.

#include "documents/documentstart.h"
#include "platform/atomicfile.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

struct DateFields {
    QString day;
    QString month;
    QString year;
    friend bool operator==(const DateFields&, const DateFields&) = default;
};

namespace ChequeTexts {
// Day "05", month "DEZEMBRO" (the locale's name, in capitals), year "2026" or "26".
DateFields date(const QDate& day, const QLocale& locale, bool fourDigitYear);
} // namespace ChequeTexts

namespace PromissoryTexts {
// The number proposed when the window opens: a stored number plus one, in five digits ("00041"
// gives "00042"); a stored text that is no number is proposed as it is.
QString nextNumber(const QString& stored);
// The due date in figures ("15", "01", "27": the year as its last two typed characters) or with the
// month's name ("15", "janeiro", "2027").
DateFields dueDate(const DocumentStart::DueDate& due, const QLocale& locale, bool inFigures);
// "QUINZE DIAS DO MÊS DE JANEIRO DO ANO DE DOIS MIL E VINTE E SETE " followed by the filler.
QString dueDateInWords(const QDate& date, const QLocale& locale);
QString filler(); // 23 asterisks separated by blanks
// A month field of two characters means the due date was last shown in figures ("TipoMês" = 2).
inline bool inFigures(int monthLength) {
    return monthLength == 2;
}
// Narrower than 800 pixels, the whole note cannot be seen (message 947).
inline bool screenTooNarrow(int screenWidth) {
    return screenWidth < 800;
}
} // namespace PromissoryTexts

// The payees printed on cheques: "favorecidos.txt" in the data folder, one per line in capitals, in
// the order they were first printed. The program adds to it but never deletes from it.
namespace PayeeList {
QString path(const QString& dataDir);
QStringList read(const QString& path);
// Adds `payee` as a new last line unless it is empty or already a line of the file.
FileWriteResult add(const QString& path, const QString& payee);
// The first payee that begins with the typed text in capitals, or -1.
int match(const QStringList& payees, const QString& typed);
} // namespace PayeeList

// The promissory note's background picture, "IMAGEM.BMP" in the data folder (any case); "" when
// there is none.
QString backgroundImagePath(const QString& dataDir);
