#include "tools/unitconverter.h"

#include <QFile>
#include <QStringList>
#include <QtDebug>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A name as the search compares it: capitals gone, accents dropped ("Pés" reads "pes").
QString searchKey(const QString& text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    return folded.toCaseFolded();
}

// "v * 14.50377 * 6.8948" into its steps; std::nullopt when it does not read.
std::optional<QList<ConversionStep>> parseFormula(const QString& formula) {
    const QStringList tokens = formula.simplified().split(QLatin1Char(' '));
    if (tokens.size() % 2 == 0 || tokens.first() != QLatin1String("v")) return std::nullopt;
    QList<ConversionStep> steps;
    for (qsizetype i = 1; i < tokens.size(); i += 2) {
        const QString& op = tokens.at(i);
        bool ok = false;
        const double constant = tokens.at(i + 1).toDouble(&ok);
        if (op.size() != 1 || !QStringLiteral("*/+-").contains(op) || !ok || !std::isfinite(constant) ||
            (op == QLatin1String("/") && constant == 0))
            return std::nullopt;
        steps.append({char(op.at(0).unicode()), constant});
    }
    return steps;
}

// Adds one to a string of decimal digits, carrying to the left; may grow by one digit.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

double Conversion::apply(double value) const {
    for (const ConversionStep& s : steps) {
        switch (s.op) {
        case '*':
            value *= s.constant;
            break;
        case '/':
            value /= s.constant;
            break;
        case '+':
            value += s.constant;
            break;
        default:
            value -= s.constant;
            break;
        }
    }
    return value;
}

const UnitTable& UnitTable::shipped() {
    static const UnitTable table = [] {
        QFile file(QStringLiteral(":/units.tsv"));
        if (!file.open(QIODevice::ReadOnly)) qWarning("The unit table is missing from the program");
        return parse(file.readAll());
    }();
    return table;
}

UnitTable UnitTable::parse(const QByteArray& tsv) {
    UnitTable table;
    int lineNumber = 0;
    for (const QByteArray& raw : tsv.split('\n')) {
        ++lineNumber;
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        const auto steps = fields.size() == 3 ? parseFormula(fields.at(2)) : std::nullopt;
        if (!steps || fields.at(0).trimmed().isEmpty() || fields.at(1).trimmed().isEmpty()) {
            qWarning("Unit table, line %d: not \"source TAB result TAB formula\"", lineNumber);
            continue;
        }
        const QString source = fields.at(0).trimmed();
        if (table.m_units.isEmpty() || table.m_units.last().name != source) {
            const bool seen = std::any_of(table.m_units.cbegin(), table.m_units.cend(),
                                          [&](const SourceUnit& u) { return u.name == source; });
            if (seen) {
                qWarning("Unit table, line %d: the lines of \"%s\" are not together", lineNumber,
                         qPrintable(source));
                continue;
            }
            table.m_units.append({source, {}});
            table.m_searchKeys.append(searchKey(source));
        }
        QList<Conversion>& results = table.m_units.last().results;
        if (results.size() == MaxResults) {
            qWarning("Unit table, line %d: \"%s\" has more than %d results", lineNumber, qPrintable(source),
                     MaxResults);
            continue;
        }
        results.append({fields.at(1).trimmed(), *steps});
    }
    return table;
}

QList<int> UnitTable::matching(const QString& search) const {
    const QString key = searchKey(search.trimmed());
    QList<int> found;
    for (int i = 0; i < m_searchKeys.size(); ++i)
        if (m_searchKeys.at(i).contains(key)) found.append(i);
    return found;
}

namespace UnitConverter {

std::optional<double> parseValue(const QString& text, const Separators& seps) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t.remove(0, 1);
    } else if (t.endsWith(QLatin1Char('-'))) {
        negative = true;
        t.chop(1);
    }
    QByteArray plain;
    bool point = false, digit = false;
    for (const QChar c : t) {
        if (c.isDigit() && c.unicode() < 128) {
            plain += char(c.unicode());
            digit = true;
        } else if (c == seps.decimal && !point) {
            plain += '.';
            point = true;
        } else if (c != seps.group || point) {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    const double value = std::strtod(plain.constData(), nullptr);
    return negative ? -value : value;
}

QString format(double value, const Separators& seps) {
    if (!std::isfinite(value)) return {};
    // 15 significant digits: d.dddddddddddddde±x
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    const std::string mantissa = std::string(1, text[0]) + std::string(text + 2, 14);
    const int point = std::atoi(std::strchr(text, 'e') + 1) + 1; // digits before the decimal point
    std::string integer, fraction;
    if (point <= 0) {
        integer = "0";
        fraction = std::string(-point, '0') + mantissa;
    } else if (point >= int(mantissa.size())) {
        integer = mantissa + std::string(point - mantissa.size(), '0');
    } else {
        integer = mantissa.substr(0, point);
        fraction = mantissa.substr(point);
    }
    constexpr std::size_t MaxDecimals = 10;
    if (fraction.size() > MaxDecimals) { // half away from zero
        const bool up = fraction[MaxDecimals] >= '5';
        fraction.resize(MaxDecimals);
        if (up) {
            std::string all = integer + fraction;
            incrementDigits(all);
            integer = all.substr(0, all.size() - MaxDecimals);
            fraction = all.substr(all.size() - MaxDecimals);
        }
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const std::size_t firstDigit = std::min(integer.find_first_not_of('0'), integer.size() - 1);
    integer.erase(0, firstDigit);

    QString out;
    if (value < 0 && (integer != "0" || !fraction.empty())) out += QLatin1Char('-');
    for (std::size_t k = 0; k < integer.size(); ++k) {
        if (k > 0 && (integer.size() - k) % 3 == 0) out += seps.group;
        out += QLatin1Char(integer[k]);
    }
    if (!fraction.empty())
        out += seps.decimal + QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
    return out;
}

QString reformat(const QString& text, const Separators& seps) {
    const auto value = parseValue(text, seps);
    return value && std::isfinite(*value) ? format(*value, seps) : text;
}

QList<ConvertedRow> convert(const SourceUnit& unit, double value, const Separators& seps) {
    QList<ConvertedRow> rows;
    rows.reserve(unit.results.size());
    for (const Conversion& c : unit.results) {
        const double result = c.apply(value);
        rows.append({c.unit, format(result, seps), !std::isfinite(result)});
    }
    return rows;
}

QString copyText(const QString& valueText, const QString& source, const ConvertedRow& row) {
    return valueText + QLatin1Char(' ') + source + QStringLiteral(" = ") + row.value + QLatin1Char(' ') +
           row.unit;
}

} // namespace UnitConverter
