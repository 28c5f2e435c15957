// The date calculator and the rule of three opened from the calculator's keys and used from the
// keyboard: focus, Tab order, Enter, Esc, the date report on the tape, the window's face printed.

#include "platform/qt/qtprinter.h"
#include "support/testcontext.h"
#include "ui/frmcalcula.h"
#include "ui/frmregra.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

class TestRuleAndDate : public QObject {
    Q_OBJECT

    TestContext m_run;
    std::unique_ptr<CalculatorController> m_controller;
    std::unique_ptr<frmCalcula> m_window;

    QWidget* open(QKeyCombination key, const QString& name) {
        QTest::keyClick(m_window.get(), key.key(), key.keyboardModifiers());
        QWidget* tool = nullptr;
        [&] { QTRY_VERIFY((tool = m_window->findChild<QWidget*>(name)) && tool->isActiveWindow()); }();
        return tool;
    }
    static QString focused() { return QApplication::focusWidget()->objectName(); }
    static void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

  private slots:
    void init() {
        m_controller = std::make_unique<CalculatorController>(m_run.context, nullptr, WindowMode::Full);
        m_window = std::make_unique<frmCalcula>(*m_controller);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
    }
    void cleanup() {
        m_window.reset();
        m_controller.reset();
    }

    void tabOrder_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("frmData") << QKeyCombination(Qt::Key_F5)
                                 << QStringList{"txtData(0)",    "txtData(1)",    "txtAnos",
                                                "txtMeses",      "txtSemanas",    "txtDias",
                                                "cmdCalcula(0)", "cmdCalcula(1)", "cmdCalcula(2)",
                                                "cmdCalcula(3)", "cmdCalcula(4)", "Check1(0)"};
        QTest::newRow("frmRegra") << QKeyCombination(Qt::ControlModifier, Qt::Key_T)
                                  << QStringList{"txtValor(0)", "txtCond(0)", "cmdCalcular", "cmdExemplo",
                                                 "txtProporcao"};
    }
    void tabOrder() {
        QFETCH(QKeyCombination, key);
        QFETCH(QStringList, order);
        QWidget* tool = open(key, QTest::currentDataTag());
        QVERIFY(tool->isModal());
        for (const QString& name : order) {
            QCOMPARE(focused(), name);
            press(Qt::Key_Tab);
        }
        press(Qt::Key_Escape);
        QTRY_VERIFY(!m_window->findChild<QWidget*>(QTest::currentDataTag()));
    }

    // A calculation in progress is totalled first; the span of two typed dates goes on the tape at Esc.
    void dateReportOnTheTape() {
        QTest::keyClicks(m_window->findChild<QLineEdit*>("txtEntrada"), "10+5");
        open(Qt::Key_F5, "frmData");
        type("01012000");
        press(Qt::Key_Tab);
        type("01012004");
        press(Qt::Key_Return);
        QCOMPARE(m_window->findChild<QLineEdit*>("txtAnos")->text(), QStringLiteral("4"));
        press(Qt::Key_Escape);
        QTRY_VERIFY(m_window->isActiveWindow());
        const QString tape = m_controller->engine().tape().text();
        QVERIFY(tape.contains(
            " 15 T\r\n =========================\r\n         [01/01/2004] - \r\n"
            "         [01/01/2000] = \r\n                anos: 4 \r\n =========================\r\n"));
    }

    // "." types the decimal comma, once; Enter moves on; the solved face goes to the printer.
    void ruleOfThreeKeysAndPrint() {
        auto* tool =
            static_cast<frmRegra*>(open(QKeyCombination(Qt::ControlModifier, Qt::Key_T), "frmRegra"));
        type("1.5.0");
        QCOMPARE(tool->model().text(0, RuleOfThree::Field::Value), QStringLiteral("1,50"));
        press(Qt::Key_Return);
        QCOMPARE(focused(), QStringLiteral("txtCond(0)"));
        tool->model().runFirstExample();
        m_run.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes, Dialogs::Answer::Yes};
        press(Qt::Key_Return);
        QCOMPARE(tool->findChild<QLineEdit*>("txtProporcao")->text(),
                 QStringLiteral("12 × 5/8 × 10/5 × 8/6 = 20"));
        const QString pdf = m_run.dir.filePath("face.pdf");
        QtPrinter printer(pdf);
        m_run.context.printer = &printer;
        tool->findChild<QWidget*>("cmdImprimir")->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(m_run.dialogs.shown.last().text, m_run.messages.text(16));
        QVERIFY(QFileInfo(pdf).size() > 10000);
        m_run.context.printer = &m_run.printer;
    }
};

QTEST_MAIN(TestRuleAndDate)
#include "tst_ruleanddate.moc"
