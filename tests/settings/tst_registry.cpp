// The emulated registry: key paths and value names are separate addresses even where QSettings would
// take them for one ("/" or "%" in a name, a value named like a sub-key), and removing one value
// leaves its neighbours.

#include "settings/registry.h"
#include "support/isolatedhome.h"

#include <QTest>
#include <utility>

class TestRegistry : public QObject {
    Q_OBJECT

  private slots:
    void addressesAreSeparate() {
        IsolatedHome home;
        const QList<std::pair<QString, QString>> at = {
            {"A\\B", "C"},   {"A", "B\\C"},  {"A\\B\\C", "D"}, {"A/B", "C"},
            {"A\\B", "C/D"}, {"A%2FB", "C"}, {"A\\B", "c%"},   {"\\Posição [Aux]\\", "Ç"}};
        for (int i = 0; i < at.size(); ++i)
            registry::writeNumber(at[i].first, at[i].second, i + 1);
        registry::remove("a\\b", "c"); // names match without regard to case
        for (int i = 0; i < at.size(); ++i)
            QCOMPARE(registry::read(at[i].first, at[i].second), i ? QString::number(i + 1) : QString());
        registry::writeNumber("A\\B", "C/D", 7); // an existing value is replaced, not doubled
        QCOMPARE(registry::read("a\\b", "c/d"), "7");
    }
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
