// The clipboard monitor: what a copied text gives, and what the calculator does with copies of other
// programs and with its own.

#include "settings/settingsstore.h"
#include "shell/calculatorcontroller.h"
#include "shell/clipboardmonitor.h"
#include "support/isolatedhome.h"
#include "support/testcontext.h"

#include <QtTest>

class TestClipboardMonitor : public QObject {
    Q_OBJECT

  private slots:
    // Brazilian separators. Entries are joined by "|"; the products keep their CR LF.
    void readsCopiedText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("timeMode");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("products");
        auto row = [](const char* name, const QString& text, const QString& entries,
                      const QString& products = {}, int format = 2, bool time = false) {
            QTest::newRow(name) << text << format << time << entries << products;
        };
        row("a number", "10", "10");
        row("currency and groups", " R$ 1.234,56 ", "1234,56");
        row("sign before the currency", "-R$ 5,00", "-5,00");
        row("currency after", "12 €", "12");
        row("no-break spaces", u"1\u00a0234,5"_qs, "1234,5");
        row("another locale's decimal", "1.5", "");
        row("another locale's groups", "1,234.56", "");
        row("groups out of place", "1.23.456", "");
        row("two columns", "2\t3\r\n4\t5", "6,00|20,00", "6,00\r\n20,00");
        row("two columns, LF", "2\t3\n4\t5\n", "6,00|20,00", "6,00\r\n20,00");
        row("products rounded to cents", "2,5\t1,333", "3,33", "3,33");
        row("heading and a half row", "Preço\tQtd\n2,50\t4\n10,00\t\n", "10,00", "10,00");
        row("a label beside", "Aluguel\t1.200,00\nLuz\t80", "1200,00|80");
        row("three columns", "1\t2\t3", "");
        row("words", "abc", "");
        row("binary or nothing", "", "");
        row("digits typed in cents", "10", "10,00", {}, 1);
        row("wider than the display", "1234567890123456789012", "");
        row("durations", "1:30\n0:45:10\n90", "13000|04510|90", {}, 2, true);
        row("no decimals in durations", "1,5\n2:75", "", {}, 2, true);
    }
    void readsCopiedText() {
        QFETCH(QString, text);
        QFETCH(int, format);
        QFETCH(bool, timeMode);
        const ClipboardMonitor::Reading r = ClipboardMonitor::read(text, Separators{}, format, timeMode);
        QTEST(r.entries.join(u'|'), "entries");
        QTEST(r.products, "products");
    }

    // The monitor in a calculator: copies of another program, one after the other, and the running
    // total and the clipboard they leave. "own: keys" types keys into the calculator first (its total
    // goes to the clipboard); "tape" copies from the tape; the warning is message 20.
    void addsWhatOtherProgramsCopy_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("copies");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("warnings");
        const QStringList twoColumns{"2\t3\r\n4\t5"};
        QTest::newRow("once") << "" << QStringList{"10", "10"} << "10"
                              << "10" << 0;
        QTest::newRow("same value, other form") << "" << QStringList{"10", "10,00"} << "10"
                                                << "10,00" << 0;
        QTest::newRow("again after another") << "" << QStringList{"10", "5", "10"} << "25"
                                             << "10" << 0;
        QTest::newRow("products, not taken again") << "" << twoColumns << "26"
                                                   << "6,00\r\n20,00" << 0;
        QTest::newRow("its own total") << "own: 5+5=" << QStringList{"3"} << "3"
                                       << "3" << 0;
        QTest::newRow("amount in words") << "" << QStringList{"(dez reais)"} << "0"
                                         << "(dez reais)" << 0;
        QTest::newRow("no number") << "" << QStringList{"abc", "abc"} << "0"
                                   << "abc" << 1;
        QTest::newRow("copied from the tape") << "tape" << QStringList{"10"} << "0"
                                              << "10" << 0;
        QTest::newRow("monitor off") << "off" << QStringList{"10"} << "0"
                                     << "10" << 0;
        QTest::newRow("closed to the tray") << "closed" << QStringList{"10"} << "0"
                                            << "10" << 0;
        QTest::newRow("second calculator") << "aux" << QStringList{"10"} << "0"
                                           << "10" << 0;
        // F6 switches the monitor on, without a word: the second calculator's totals reach this one.
        QTest::newRow("switched on by F6") << "F6" << QStringList{"1.234,50"} << "1.234,5"
                                           << "1.234,50" << 0;
    }
    void addsWhatOtherProgramsCopy() {
        QFETCH(QString, setup);
        QFETCH(QStringList, copies);
        IsolatedHome home;
        TestContext run;
        SettingsStore store(run.dir.filePath("Tabulora.ini"));
        CalculatorController c(run.context, &store,
                               setup == "aux" ? WindowMode::Auxiliary : WindowMode::Full);
        c.load();
        c.firstActivation(7350);
        run.clipboard.setText("99");
        if (setup != "off") c.run(setup == "F6" ? CommandId::AnotherCalculator : CommandId::ClipboardMonitor);
        QCOMPARE(run.clipboard.text(), setup == "off" ? "99" : ""); // switching on clears it
        if (setup.startsWith("own: "))
            for (QChar k : setup.mid(5))
                c.engine().keyPress(k.unicode());
        c.setTapeSelected(setup == "tape");
        if (setup == "closed") c.windowClosing({});
        if (setup == "F6") QVERIFY(run.dialogs.shown.isEmpty());
        run.dialogs.shown.clear();
        for (const QString& copy : copies)
            run.clipboard.copyElsewhere(copy);
        QTEST(c.engine().total(), "total");
        QTEST(run.clipboard.text(), "clipboard");
        QFETCH(int, warnings);
        QCOMPARE(run.dialogs.shown.size(), warnings);
        if (warnings) QCOMPARE(run.dialogs.shown[0].text, run.messages.text(20));
        QCOMPARE(store.read("Conf", "Monitor", "-"), setup == "off" ? "-" : "True");
    }
};

QTEST_GUILESS_MAIN(TestClipboardMonitor)
#include "tst_clipboardmonitor.moc"
