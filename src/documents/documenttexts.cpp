#include "documents/documenttexts.h"

#include "documents/amountinwords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString plainWords(int n) {
    return AmountInWords::write(Decimal::fromInt(n), false).value_or(QString());
}

} // namespace

namespace ChequeTexts {

DateFields date(const QDate& day, const QLocale& locale, bool fourDigitYear) {
    return {twoDigits(day.day()), locale.monthName(day.month(), QLocale::LongFormat).toUpper(),
            fourDigitYear ? QString::number(day.year()) : twoDigits(day.year() % 100)};
}

} // namespace ChequeTexts

namespace PromissoryTexts {

QString nextNumber(const QString& stored) {
    static const QRegularExpression number(QStringLiteral("^\\s*\\d{1,9}\\s*$"));
    if (!number.match(stored).hasMatch()) return stored;
    return QStringLiteral("%1").arg(stored.trimmed().toLongLong() + 1, 5, 10, QLatin1Char('0'));
}

DateFields dueDate(const DocumentStart::DueDate& due, const QLocale& locale, bool inFigures) {
    if (inFigures) return {twoDigits(due.date.day()), twoDigits(due.date.month()), due.typed.right(2)};
    return {twoDigits(due.date.day()), locale.monthName(due.date.month(), QLocale::LongFormat),
            QString::number(due.date.year())};
}

QString dueDateInWords(const QDate& date, const QLocale& locale) {
    const QString day = date.day() == 1 ? QString::fromUtf8("PRIMEIRO DIA DO MÊS DE ")
                                        : plainWords(date.day()) + QString::fromUtf8("DIAS DO MÊS DE ");
    return day + locale.monthName(date.month(), QLocale::LongFormat).toUpper() +
           QStringLiteral(" DO ANO DE ") + plainWords(date.year()) + filler();
}

QString filler() {
    QString f = QStringLiteral("* ").repeated(23);
    f.chop(1);
    return f;
}

} // namespace PromissoryTexts

namespace PayeeList {

QString path(const QString& dataDir) {
    return dataDir + QStringLiteral("favorecidos.txt");
}

QStringList read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")));
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

FileWriteResult add(const QString& path, const QString& payee) {
    if (payee.isEmpty()) return {};
    QStringList lines = read(path);
    if (lines.contains(payee)) return {};
    lines << payee;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return AtomicFile::write(path, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

int match(const QStringList& payees, const QString& typed) {
    const QString start = typed.toUpper();
    for (int i = 0; i < payees.size(); ++i)
        if (payees[i].startsWith(start)) return i;
    return -1;
}

} // namespace PayeeList

QString backgroundImagePath(const QString& dataDir) {
    const QStringList found =
        QDir(dataDir).entryList({QStringLiteral("imagem.bmp")}, QDir::Files | QDir::Readable, QDir::Name);
    return found.isEmpty() ? QString() : QDir(dataDir).filePath(found.constFirst());
}
