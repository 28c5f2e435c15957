// The unit converter's table and arithmetic, without a window. The shipped table is checked row by
// row against formulas written out here, so a wrong constant, a step out of order or a unit in the
// wrong place in the file fails.

#include "tools/numberentry.h"
#include "tools/unitconverter.h"

#include <QtTest>
#include <cmath>

namespace {

using Formula = double (*)(double);
struct Expected {
    const char* unit;
    Formula formula;
};
using Results = QList<Expected>;

const Separators Brazil;

// The rows as the window shows them: "unit=value", "unit=!" for an overflow, joined by "|"; a very
// long value is cut after 39 characters.
QString shown(const QList<ConvertedRow>& rows) {
    QStringList out;
    for (const ConvertedRow& r : rows)
        out << r.unit + u'=' +
                   (r.overflow            ? QStringLiteral("!")
                    : r.value.size() > 40 ? r.value.left(39) + u'…'
                                          : r.value);
    return out.join(u'|');
}

const SourceUnit& unit(const QString& name) {
    for (const SourceUnit& u : UnitTable::shipped().units())
        if (u.name == name) return u;
    qFatal("no unit %s", qPrintable(name));
}

} // namespace

Q_DECLARE_METATYPE(Results)

class TestUnitConverter : public QObject {
    Q_OBJECT
  private slots:
    void shippedTable_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<Results>("results");
        int index = 0;
        const auto row = [&](const char* unit, Results results) {
            QTest::newRow(unit) << index++ << results;
        };
        // clang-format off
        row("Bar", {{"PSI", [](double v) { return v * 14.50377; }}, {"KiloPascal (Kpa)", [](double v) { return v * 14.50377 * 6.8948; }}, {"Pascal (Pa)", [](double v) { return v * 14.50377 * 6894.8; }}});
        row("Bar/M", {{"PSI/Pés", [](double v) { return v * 4.4207; }}, {"Kpa/M", [](double v) { return v * 4.4207 * 22.6206; }}});
        row("Barris", {{"Litros", [](double v) { return v * 158.987; }}, {"Metros Cúbicos", [](double v) { return v / 6.2898; }}, {"Galões", [](double v) { return v * 158.987 / 3.7854; }}});
        row("Barris/Pés", {{"Litros/Metro", [](double v) { return v * 521.612; }}, {"Metros Cúbicos/Metro", [](double v) { return v / 1.917; }}});
        row("Barris/Stroke", {{"Metros Cúbicos/Stroke", [](double v) { return v * 0.158987; }}, {"Litros/Stroke", [](double v) { return v / 0.00629; }}});
        row("Centímetros (cm)", {{"Polegadas", [](double v) { return v / 2.54; }}, {"Milímetros (mm)", [](double v) { return v * 10; }}, {"Pés (feet)", [](double v) { return v / 30.48; }}});
        row("Decanewtons", {{"Libras", [](double v) { return v / 0.444482; }}, {"Kilos", [](double v) { return v / 0.444482 / 2.2046; }}, {"Toneladas Métricas", [](double v) { return v / 0.444482 / 2204.6; }}});
        row("Galões", {{"Litros", [](double v) { return v * 3.7854; }}, {"Metros Cúbicos", [](double v) { return v / 264.173; }}, {"Barris", [](double v) { return v * 3.7854 / 158.987; }}});
        row("Graus Celsius", {{"Graus Fahrenheit", [](double v) { return v * 1.8 + 32; }}});
        row("Graus Fahrenheit", {{"Graus Celsius", [](double v) { return (v - 32) / 1.8; }}});
        row("KiloPascal (Kpa)", {{"PSI", [](double v) { return v / 6.8948; }}, {"Bar", [](double v) { return v / 6.8948 / 14.50377; }}, {"Pascal (Pa)", [](double v) { return v * 1000; }}});
        row("Kilos", {{"Libras", [](double v) { return v * 2.2046; }}, {"Decanewtons", [](double v) { return v * 2.2046 * 0.444482; }}, {"Toneladas Métricas", [](double v) { return v / 1000; }}});
        row("Kilos/Litro", {{"Mud Weight PPG", [](double v) { return v * 8.3454; }}, {"Kilos/Metros Cúbicos", [](double v) { return v * 8.3454 * 119.826; }}, {"Libras/Barril", [](double v) { return v * 8.3454 * 119.826 / 2.85307; }}, {"Libras/Pés Cúbicos", [](double v) { return v * 8.3454 * 6.24276; }}});
        row("Kilos/Metro", {{"Libras/Pés", [](double v) { return v / 1.4882; }}});
        row("Kilos/Metros Cúbico", {{"Libras/Barril", [](double v) { return v / 2.85307; }}, {"Libras/Pés Cúbicos", [](double v) { return v * 6.24276; }}, {"Mud Weight PPG", [](double v) { return v / 119.826; }}, {"Kilo/Litro", [](double v) { return v / 119.826 / 8.3454; }}});
        row("Kpa/M", {{"PSI/Pés", [](double v) { return v / 22.6206; }}, {"Bar/M", [](double v) { return v / 22.6206 / 4.4207; }}});
        row("Libras", {{"Decanewtons", [](double v) { return v * 0.444482; }}, {"Kilos", [](double v) { return v / 2.2046; }}, {"Toneladas Métricas", [](double v) { return v / 2204.6; }}});
        row("Libras/Barril", {{"Kilos/Metro Cúbico", [](double v) { return v * 2.85307; }}, {"Mud Weight PPG", [](double v) { return v * 2.85307 / 119.826; }}, {"Libras/Pés Cúbicos", [](double v) { return v * 2.85307 * 6.24276; }}, {"Kilo/Litro", [](double v) { return v * 2.85307 / 119.826 / 8.3454; }}});
        row("Libras/Pés", {{"Kilos/Metro", [](double v) { return v * 1.4882; }}});
        row("Libras/Pés Cúbicos", {{"Kilos/Metros Cúbicos", [](double v) { return v / 6.24276; }}, {"Mud Weight PPG", [](double v) { return v / 6.24276 / 119.826; }}, {"Libras/Barril", [](double v) { return v / 6.24276 / 2.85307; }}, {"Kilo/Litro", [](double v) { return v / 6.24276 / 119.826 / 8.3454; }}});
        row("Litros", {{"Barris", [](double v) { return v / 158.987; }}, {"Galões", [](double v) { return v / 3.7854; }}, {"Metros Cúbicos", [](double v) { return v / 1000; }}});
        row("Litros/Metro", {{"Barris/Pés", [](double v) { return v / 521.612; }}, {"Metros Cúbicos/Metro", [](double v) { return v / 521.612 / 1.917; }}});
        row("Litros/Stroke", {{"Barris/Stroke", [](double v) { return v * 0.00629; }}, {"Metros Cúbicos/Stroke", [](double v) { return v * 0.00629 * 0.158987; }}});
        row("Metros (M)", {{"Pés (feet)", [](double v) { return v / 0.3048; }}});
        row("Metros Cúbicos", {{"Barris", [](double v) { return v * 6.2898; }}, {"Galões", [](double v) { return v * 264.173; }}, {"Litros", [](double v) { return v * 1000; }}});
        row("Metros Cúbicos/Metro", {{"Barris/Pés", [](double v) { return v * 1.917; }}, {"Litros/Metro", [](double v) { return v * 1.917 * 521.612; }}});
        row("Metros Cúbicos/Stroke", {{"Barris/Stroke", [](double v) { return v / 0.158987; }}, {"Litros/Stroke", [](double v) { return v / 0.158987 / 0.00629; }}});
        row("Milhas", {{"Quilômetros", [](double v) { return v * 1.609; }}});
        row("Milímetros (mm)", {{"Polegadas", [](double v) { return v / 25.4; }}, {"Centímetros (cm)", [](double v) { return v / 10; }}, {"Pés (feet)", [](double v) { return v / 304.8; }}});
        row("Mud Weight PPG", {{"Kilos/Metros Cúbicos", [](double v) { return v * 119.826; }}, {"Kilo/Litro", [](double v) { return v / 8.3454; }}, {"Libras/Barril", [](double v) { return v * 119.826 / 2.85307; }}, {"Libras/Pés Cúbicos", [](double v) { return v * 119.826 * 6.24276; }}});
        row("Pascal (Pa)", {{"PSI", [](double v) { return v / 6894.8; }}, {"Bar", [](double v) { return v / 6894.8 / 14.50377; }}, {"KiloPascal (Kpa)", [](double v) { return v / 1000; }}});
        row("Pés (feet)", {{"Metros (M)", [](double v) { return v * 0.3048; }}, {"Centímetros (cm)", [](double v) { return v * 30.48; }}, {"Milímetros (mm)", [](double v) { return v * 304.8; }}});
        row("Polegadas", {{"Metros (M)", [](double v) { return v * 0.0254; }}, {"Centímetros (cm)", [](double v) { return v * 2.54; }}, {"Milímetros (mm)", [](double v) { return v * 25.4; }}, {"Pés (feet)", [](double v) { return v * 2.54 / 30.48; }}});
        row("PSI", {{"Bar", [](double v) { return v / 14.50377; }}, {"KiloPascal (Kpa)", [](double v) { return v * 6.8948; }}, {"Pascal (Pa)", [](double v) { return v * 6894.8; }}});
        row("PSI/Pés", {{"Kpa/M", [](double v) { return v * 22.6206; }}, {"Bar/M", [](double v) { return v / 4.4207; }}});
        row("Quilômetros", {{"Milhas", [](double v) { return v / 1.609; }}});
        row("Toneladas Métricas", {{"Libras", [](double v) { return v * 2204.6; }}, {"Decanewtons", [](double v) { return v * 2204.6 * 0.444482; }}, {"Kilos", [](double v) { return v * 1000; }}});
        // clang-format on
    }
    // Every unit in the list's order, with its results in order, each equal to its formula.
    void shippedTable() {
        QFETCH(int, index);
        QFETCH(Results, results);
        const QList<SourceUnit>& units = UnitTable::shipped().units();
        QCOMPARE(units.size(), 37);
        QCOMPARE(units.at(index).name, QString::fromUtf8(QTest::currentDataTag()));
        const QList<Conversion>& rows = units.at(index).results;
        QCOMPARE(rows.size(), results.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows.at(i).unit, QString::fromUtf8(results.at(i).unit));
            for (double v : {1.0, -2.5, 1234.5678, 0.001, 1e300})
                QVERIFY2(rows.at(i).apply(v) == results.at(i).formula(v) ||
                             std::isinf(results.at(i).formula(v)),
                         qPrintable(QStringLiteral("%1 of %2").arg(rows.at(i).unit).arg(v)));
        }
    }

    // What the window shows for a unit and a typed value.
    void converting_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("rows");
        // clang-format off
        QTest::newRow("products of the constants") << "Bar" << "1" << "PSI=14,50377|KiloPascal (Kpa)=100,000593396|Pascal (Pa)=100.000,593396";
        QTest::newRow("boiling water") << "Graus Celsius" << "100" << "Graus Fahrenheit=212";
        QTest::newRow("and back") << "Graus Fahrenheit" << "212" << "Graus Celsius=100";
        QTest::newRow("below zero") << "Graus Celsius" << "-40" << "Graus Fahrenheit=-40";
        QTest::newRow("minus at the end") << "Graus Celsius" << "40-" << "Graus Fahrenheit=-40";
        QTest::newRow("thousands typed") << "Kilos" << "1.234,5" << "Libras=2.721,5787|Decanewtons=1.209,6927437334|Toneladas Métricas=1,2345";
        QTest::newRow("two rows") << "Kpa/M" << "22,6206" << "PSI/Pés=1|Bar/M=0,226208519";
        QTest::newRow("ten decimals at most") << "Milhas" << "0,000000001" << "Quilômetros=0,0000000016";
        QTest::newRow("rounded up to a whole") << "Centímetros (cm)" << "2,539999999999" << "Polegadas=1|Milímetros (mm)=25,4|Pés (feet)=0,0833333333";
        QTest::newRow("a tiny negative is zero") << "Graus Fahrenheit" << "31,9999999999999" << "Graus Celsius=0";
        QTest::newRow("too large for a row") << "Toneladas Métricas" << "15" + QString(304, u'0') << "Libras=!|Decanewtons=!|Kilos=150.000.000.000.000.000.000.000.000.000…";
        QTest::newRow("too large to read") << "Milhas" << QString(320, u'9') << "Quilômetros=!";
        QTest::newRow("empty") << "Bar" << "" << "";
        QTest::newRow("only a minus") << "Bar" << "-" << "";
        QTest::newRow("a minus inside") << "Bar" << "1-2" << "";
        QTest::newRow("two decimal separators") << "Bar" << "1,2,3" << "";
        QTest::newRow("letters") << "Bar" << "12a" << "";
        // clang-format on
    }
    void converting() {
        QFETCH(QString, unit);
        QFETCH(QString, value);
        QFETCH(QString, rows);
        const auto v = UnitConverter::parseValue(value, Brazil);
        QCOMPARE(v ? shown(UnitConverter::convert(::unit(unit), *v, Brazil)) : QString(), rows);
    }

    // A table read from text: what a line that does not read leaves out.
    void readingATable_data() {
        QTest::addColumn<QString>("tsv");
        QTest::addColumn<QString>("units");
        // clang-format off
        QTest::newRow("comments and blanks") << "# note\n\nA\tB\tv * 2\r\n" << "A:B";
        QTest::newRow("two fields") << "A\tB\nA\tC\tv + 1" << "A:C";
        QTest::newRow("no v") << "A\tB\t2 * v\nA\tC\tv - 1" << "A:C";
        QTest::newRow("division by zero") << "A\tB\tv / 0\nA\tC\tv / 2" << "A:C";
        QTest::newRow("a step without a number") << "A\tB\tv *\nA\tC\tv * x\nA\tD\tv ^ 2" << "";
        QTest::newRow("a fifth result") << "A\t1\tv\nA\t2\tv\nA\t3\tv\nA\t4\tv\nA\t5\tv\nB\t6\tv" << "A:1,2,3,4;B:6";
        QTest::newRow("a unit split apart") << "A\tB\tv\nC\tD\tv\nA\tE\tv" << "A:B;C:D";
        // clang-format on
    }
    void readingATable() {
        QFETCH(QString, tsv);
        QFETCH(QString, units);
        QStringList read;
        const UnitTable table = UnitTable::parse(tsv.toUtf8());
        for (const SourceUnit& u : table.units()) {
            QStringList results;
            for (const Conversion& c : u.results)
                results << c.unit;
            read << u.name + u':' + results.join(u',');
        }
        QCOMPARE(read.join(u';'), units);
    }

    void search_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("units");
        // clang-format off
        QTest::newRow("accents and capitals ignored") << "pes" << "Barris/Pés|Libras/Pés|Libras/Pés Cúbicos|Pés (feet)|PSI/Pés";
        QTest::newRow("an accented search") << "QUILÔ" << "Quilômetros";
        QTest::newRow("within a name") << " fahr " << "Graus Fahrenheit";
        QTest::newRow("nothing") << "xyz" << "";
        // clang-format on
    }
    void search() {
        QFETCH(QString, search);
        QFETCH(QString, units);
        QStringList found;
        for (int i : UnitTable::shipped().matching(search))
            found << UnitTable::shipped().units().at(i).name;
        QCOMPARE(found.join(u'|'), units);
        QCOMPARE(UnitTable::shipped().matching(QString()).size(), 37);
    }

    // What a key typed into a number field becomes ("" when it is discarded).
    void numberKeys_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("minusAllowed");
        QTest::addColumn<QString>("typed");
        // clang-format off
        QTest::newRow("a digit") << "7" << "12" << false << "7";
        QTest::newRow("a point is the decimal comma") << "." << "12" << false << ",";
        QTest::newRow("a second separator") << "," << "1,2" << true << "";
        QTest::newRow("over a selected separator") << "." << "12" << true << ",";
        QTest::newRow("a minus where it is taken") << "-" << "12" << true << "-";
        QTest::newRow("a minus elsewhere") << "-" << "" << false << "";
        QTest::newRow("a letter") << "e" << "" << true << "";
        QTest::newRow("another script's digit") << "\u0663" << "" << true << "";
        // clang-format on
    }
    void numberKeys() {
        QFETCH(QString, key);
        QFETCH(QString, kept);
        QFETCH(bool, minusAllowed);
        QFETCH(QString, typed);
        const auto c = admitNumberKey(key.at(0), kept, u',', minusAllowed);
        QCOMPARE(c ? QString(*c) : QString(), typed);
    }

    // A copied result, and the value field once the user leaves it.
    void copyAndReformat() {
        QCOMPARE(UnitConverter::copyText("1", "Bar", {"PSI", "14,50377", false}), "1 Bar = 14,50377 PSI");
        QCOMPARE(UnitConverter::reformat("1234567,125", Brazil), "1.234.567,125");
        QCOMPARE(UnitConverter::reformat("12-3", Brazil), "12-3");
        QCOMPARE(UnitConverter::format(1.0 / 3, {u'.', u','}), "0.3333333333");
    }
};

QTEST_GUILESS_MAIN(TestUnitConverter)
#include "tst_unitconverter.moc"
