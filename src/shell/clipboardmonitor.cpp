#include "shell/clipboardmonitor.h"

#include "core/displayformat.h"
#include "core/engine.h"
#include "platform/clipboard.h"

namespace {

// Longest first, so that "US$" is not taken for a "$" after "US".
const QStringList CurrencySigns = {QStringLiteral("US$"), QStringLiteral("R$"), QStringLiteral("$"),
                                   QStringLiteral("€"),   QStringLiteral("£"),  QStringLiteral("¥")};
constexpr int DisplayWidth = 22;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool takeSign(QString& s, bool& negative) {
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        negative = s.front() == QLatin1Char('-');
        s.remove(0, 1);
        return true;
    }
    return false;
}

bool takeCurrency(QString& s, bool atEnd) {
    for (const QString& sign : CurrencySigns) {
        if (atEnd ? s.endsWith(sign) : s.startsWith(sign)) {
            s.remove(atEnd ? s.size() - sign.size() : 0, sign.size());
            return true;
        }
    }
    return false;
}

// Digits, grouped by threes when grouped at all, then the decimal separator and its digits.
bool wellFormed(const QString& s, const Separators& seps) {
    const qsizetype point = s.indexOf(seps.decimal);
    const QStringView whole = point < 0 ? QStringView(s) : QStringView(s).left(point);
    const QStringView fraction = point < 0 ? QStringView() : QStringView(s).mid(point + 1);
    if (point >= 0 && fraction.isEmpty()) return false;
    for (QChar c : fraction)
        if (!isDigit(c)) return false;
    if (whole.isEmpty()) return point >= 0;
    const bool grouped = whole.contains(seps.group);
    qsizetype run = 0;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (isDigit(whole[i])) {
            ++run;
            continue;
        }
        if (whole[i] != seps.group) return false;
        // The first group has one to three digits, every later one exactly three.
        if (run == 0 || run > 3 || (i != whole.indexOf(seps.group) && run != 3)) return false;
        run = 0;
    }
    return !grouped || run == 3;
}

// "h:mm" or "h:mm:ss" as the digits typed into the time entry ("1:30" types 13000).
std::optional<QString> typedTime(QString s) {
    bool negative = false;
    takeSign(s, negative);
    const QStringList parts = s.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3 || parts[0].isEmpty() || parts[0].size() > 6)
        return std::nullopt;
    QString digits;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& p = parts[i];
        for (QChar c : p)
            if (!isDigit(c)) return std::nullopt;
        if (i > 0 && (p.size() != 2 || p.toInt() > 59)) return std::nullopt;
        digits += p;
    }
    if (parts.size() == 2) digits += QLatin1String("00");
    return (negative ? QStringLiteral("-") : QString()) + digits;
}

QString withoutBlanks(QStringView cell) {
    QString s;
    s.reserve(cell.size());
    for (QChar c : cell)
        if (!c.isSpace()) s += c;
    return s;
}

// The entry a number becomes: its plain form, with cents written out where digits are typed in
// cents (a plain 10 would show 0,10 there).
QString entryOf(const Decimal& value, const Separators& seps, int formatIndex) {
    QString entry = value.toString(seps.decimal);
    if (formatIndex == DisplayFormat::Fixed && !entry.contains(seps.decimal))
        entry += seps.decimal + QStringLiteral("00");
    return entry;
}

} // namespace

namespace ClipboardMonitor {

std::optional<Decimal> cellNumber(QStringView cell, const Separators& separators) {
    QString s = withoutBlanks(cell);
    bool negative = false;
    takeSign(s, negative);
    if (takeCurrency(s, false)) {
        if (!negative) takeSign(s, negative);
    } else {
        takeCurrency(s, true);
    }
    if (s.isEmpty() || !wellFormed(s, separators)) return std::nullopt;
    const std::optional<Decimal> value = Decimal::parse(s, separators.decimal, separators.group);
    if (!value) return std::nullopt;
    return negative ? value->negated() : *value;
}

Reading read(const QString& text, const Separators& separators, int formatIndex, bool timeMode) {
    const NumberPattern shown(DisplayFormat::pattern(formatIndex));
    static const NumberPattern money(QStringLiteral("#,##0.00"));
    struct Line {
        QString single;              // the entry of a line of one number
        std::optional<Decimal> a, b; // the two numbers of a line of two
    };
    QList<Line> lines;
    bool twoColumns = false;

    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        start = end + 1;
        if (end < text.size() && text[end] == QLatin1Char('\r') && end + 1 < text.size() &&
            text[end + 1] == QLatin1Char('\n'))
            ++start;
        if (line.trimmed().isEmpty()) {
            if (end >= text.size()) break;
            continue;
        }
        QList<Decimal> numbers;
        QString time;
        int cells = 0;
        for (QStringView cell : line.split(QLatin1Char('\t'))) {
            if (timeMode) {
                if (const auto t = typedTime(withoutBlanks(cell))) {
                    time = *t;
                    ++cells;
                } else if (const auto n = cellNumber(cell, separators); n && n->scale() == 0) {
                    time = n->toString();
                    ++cells;
                }
            } else if (const auto n = cellNumber(cell, separators)) {
                numbers.append(*n);
                ++cells;
            }
        }
        if (timeMode) {
            // Durations have no products.
            if (cells == 1) lines.append({time, {}, {}});
        } else if (numbers.size() == 1) {
            if (shown.format(numbers[0], separators).size() <= DisplayWidth)
                lines.append({entryOf(numbers[0], separators, formatIndex), {}, {}});
        } else if (numbers.size() == 2) {
            lines.append({QString(), numbers[0], numbers[1]});
            twoColumns = true;
        }
        if (end >= text.size()) break;
    }

    Reading reading;
    for (const Line& line : lines) {
        if (!line.a) {
            if (!twoColumns) reading.entries.append(line.single);
            continue;
        }
        const std::optional<Decimal> product = line.a->multiply(*line.b);
        if (!product) continue;
        const QString moneyText = money.format(*product, separators);
        const std::optional<Decimal> rounded =
            Decimal::parse(moneyText, separators.decimal, separators.group);
        if (!rounded || moneyText.size() > DisplayWidth) continue;
        if (!reading.products.isEmpty()) reading.products += QLatin1String("\r\n");
        reading.products += moneyText;
        reading.entries.append(entryOf(*rounded, separators, formatIndex));
    }
    return reading;
}

bool leavesAlone(const QString& text, const QString& last, const Separators& separators,
                 const QString& pattern) {
    if (text.isEmpty() || text.startsWith(QLatin1Char('(')) || text == last) return true;
    const std::optional<Decimal> now = Decimal::parse(text, separators.decimal, separators.group);
    const std::optional<Decimal> before = Decimal::parse(last, separators.decimal, separators.group);
    if (!now || !before) return false;
    const NumberPattern shown(pattern);
    return shown.format(*now, separators) == shown.format(*before, separators);
}

Step take(Engine& engine, Clipboard& clipboard) {
    const QString text = clipboard.text();
    const Separators& seps = engine.separators();
    if (leavesAlone(text, engine.lastClipboardText(), seps, DisplayFormat::pattern(engine.formatIndex())))
        return Step::LeftAlone;
    const Reading reading = read(text, seps, engine.formatIndex(), engine.timeMode());
    if (reading.entries.isEmpty()) {
        engine.setLastClipboardText(text);
        return Step::NoNumber;
    }
    if (reading.products.isEmpty()) {
        engine.setLastClipboardText(text);
    } else {
        // The products are this program's own copy: remembered before the clipboard announces them.
        engine.setLastClipboardText(reading.products);
        clipboard.setText(reading.products);
    }
    engine.addNumbers(reading.entries);
    return Step::Added;
}

} // namespace ClipboardMonitor
