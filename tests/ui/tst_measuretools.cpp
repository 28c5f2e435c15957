// The unit converter's and the ideal weight's windows driven like a person: keys typed into the
// focused control, buttons clicked, controls read back by their names. Their arithmetic is tested
// without a window (tests/tools).

#include "ui/frmcalcula.h"
#include "ui/frmconverte.h"
#include "ui/frmpeso.h"

#include "support/testcontext.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestMeasureTools : public QObject {
    Q_OBJECT

    TestContext m_run;
    std::unique_ptr<CalculatorController> m_controller;
    QPointer<QWidget> m_window;

    template <typename T = QLineEdit> T* child(const QString& name) {
        T* w = m_window->findChild<T*>(name);
        return w ? w : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QString text(const QString& name) { return child<QLineEdit>(name)->text(); }
    QString focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Keys typed where the focus is, as a person types them.
    void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(QApplication::focusWidget(), k, m); }
    // The converter's four rows: "unit=value" joined by "|", an empty row as "=".
    QString rows() {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << child<QLabel>(QStringLiteral("lblResult(%1)").arg(i))->text() + u'=' +
                       text(QStringLiteral("txtResult(%1)").arg(i));
        return out.join(u'|');
    }
    template <typename W> void open() {
        m_window = new W(*m_controller);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

  private slots:
    void init() {
        m_run.messages.setLanguage(Language::Portuguese);
        m_run.dialogs.shown.clear();
        m_controller = std::make_unique<CalculatorController>(m_run.context, nullptr, WindowMode::Full);
    }
    void cleanup() { delete m_window; }

    // Value first, the unit from the list (which the search narrows), results at once; Enter walks
    // the form and copies a result.
    void converter() {
        open<frmConverte>();
        QCOMPARE(focused(), "txtValor1");
        type("1a.2,5");
        QCOMPARE(text("txtValor1"), "1,25");
        QCOMPARE(rows(), "=|=|=|="); // no unit chosen yet
        key(Qt::Key_Home);
        type("-");
        key(Qt::Key_Return);
        QCOMPARE(focused() + ' ' + text("txtValor1"), "txtProcura -1,25");
        key(Qt::Key_Tab);
        QCOMPARE(rows(), "PSI=-18,1297125|KiloPascal (Kpa)=-125,000741745|Pascal (Pa)=-125.000,741745|=");
        key(Qt::Key_Down);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Return);
        const QString copied = "-1,25 Bar/M = -124,998608025 Kpa/M";
        QCOMPARE(m_run.clipboard.text(), copied);
        QCOMPARE(m_run.dialogs.shown.value(0).text,
                 copied + "\n\nCopiado para Área de Transferência do Windows (use Colar: Ctrl+V)");
        key(Qt::Key_Tab);
        key(Qt::Key_Return); // an empty row: on to the next control
        QCOMPARE(focused() + ' ' + QString::number(m_run.dialogs.shown.size()), "txtResult(3) 1");

        child("txtProcura")->setText("celsius");
        QCOMPARE(child<QListWidget>("lstTipo")->currentItem()->text(), "Graus Celsius");
        QCOMPARE(rows(), "Graus Fahrenheit=29,75|=|=|=");
        child("txtProcura")->setText("xyz");
        QCOMPARE(rows(), "=|=|=|=");
        child("txtProcura")->clear();
        child<QListWidget>("lstTipo")->setCurrentRow(36); // Toneladas Métricas
        child("txtValor1")->setText("15" + QString(304, u'0'));
        QCOMPARE(text("txtResult(0)") + '/' + child("txtResult(0)")->placeholderText(), "/grande demais");
        QVERIFY(text("txtResult(2)").startsWith("150.000.000."));
        child("txtValor1")->setText("1234,5");
        child("txtValor1")->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(text("txtValor1"), "1.234,5");
        key(Qt::Key_Escape);
        QTRY_VERIFY(!m_window);
    }

    // The calculation, the advice cleared by a new weight, the refusals, and the report on closing.
    void idealWeight() {
        open<frmPeso>();
        QCOMPARE(focused(), "txtAltura");
        type("170");
        key(Qt::Key_Return);
        type("68.06");
        key(Qt::Key_Return);
        QCOMPARE(focused(), "Option1");
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        QCOMPARE(child<QGroupBox>("Frame1")->title() + ' ' + text("txtAltura") + ' ' + text("txtMagro") +
                     ' ' + text("txtIdeal") + ' ' + text("txtObeso") + ' ' +
                     child<QLabel>("lblResultado")->text(),
                 "Resultado = NORMAL 1,7 59,82 68,06 89,88 Parabéns!\nVocê está dentro do peso normal");
        const int arrowAtMedium = child<QLabel>("imgSeta")->x();
        child<QRadioButton>("Option2")->click();
        QCOMPARE(child<QGroupBox>("Frame1")->title() + ' ' + text("txtObeso"), "Resultado = NORMAL 92,48");
        QVERIFY(child<QLabel>("imgSeta")->x() > arrowAtMedium);
        child("txtPeso")->setFocus();
        type("0");
        QCOMPARE(child<QLabel>("lblResultado")->text(), ""); // a changed weight has no advice yet

        child("txtAltura")->setText("3,01");
        child<QPushButton>("cmdHomem")->click();
        QCOMPARE(m_run.dialogs.shown.value(0).text,
                 "Digite sua altura em metros, Ex.: 1,70 (um metro e setenta)");
        QCOMPARE(focused() + ' ' + text("txtIdeal"), "txtAltura 62,86");

        m_controller->engine().keyPress('5');
        m_controller->engine().keyPress('+');
        m_window->close(); // without advice: nothing on the tape
        QCOMPARE(m_controller->engine().tape().text(), "                       5 +\r\n");
        open<frmPeso>();
        child("txtAltura")->setText("1,70");
        child("txtPeso")->setText("95");
        child<QRadioButton>("Option2")->click();
        m_window->close();
        QVERIFY(m_controller->engine().tape().text().contains(
            " CÁLCULO PESO - (Mulher)\r\n Sua Altura  = 1,70m\r\n Seu Peso    = 95Kg\r\n"));
        QCOMPARE(m_controller->engine().entry(), "22,75");
    }

    // English elsewhere than in Portuguese, with no Portuguese extras.
    void idealWeightInEnglish() {
        m_run.messages.setLanguage(Language::French);
        open<frmPeso>();
        child("txtAltura")->setText("1,70");
        child("txtPeso")->setText("400");
        child<QPushButton>("cmdHomem")->click();
        QCOMPARE(m_window->windowTitle() + '|' + m_run.dialogs.shown.value(0).text + '|' +
                     child<QRadioButton>("Option2")->text(),
                 " Ideal Weight|Weight Invalid!|&Woman");
        QVERIFY(child<QLabel>("lbl8")->isHidden());
    }

    // The shortcuts and the command word open each window once; closing the calculator closes them,
    // and the weight's report is on the tape it keeps.
    void fromTheCalculator() {
        frmCalcula calculator(*m_controller);
        calculator.show();
        calculator.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&calculator));
        QTest::keyClick(&calculator, Qt::Key_O, Qt::ControlModifier);
        calculator.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&calculator));
        QTest::keyClick(&calculator, Qt::Key_F5, Qt::ShiftModifier);
        QVERIFY(m_controller->runWord("peso"));
        QCOMPARE(calculator.findChildren<frmConverte*>().size() +
                     10 * calculator.findChildren<frmPeso*>().size(),
                 11);
        m_window = calculator.findChild<frmPeso*>();
        child("txtAltura")->setText("1,7");
        child("txtPeso")->setText("50");
        child<QPushButton>("cmdHomem")->click();
        calculator.close();
        QVERIFY(!m_window || !m_window->isVisible());
        QVERIFY(m_controller->engine().tape().text().contains(" Result. = Ganhar 9,82Kg\r\n"));
    }
};

QTEST_MAIN(TestMeasureTools)
#include "tst_measuretools.moc"
