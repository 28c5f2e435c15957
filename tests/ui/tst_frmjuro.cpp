// The installment windows driven like a person: keys typed into their fields, buttons pressed,
// messages answered by the scripted dialogs, and the calculator's tape read afterwards.

#include "i18n/messagecatalog.h"
#include "shell/calculatorcontroller.h"
#include "support/testcontext.h"
#include "ui/documentface.h"
#include "ui/documentwindow.h"
#include "ui/frmjuro2.h"
#include "ui/toolwindows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestFrmJuro : public QObject {
    Q_OBJECT

    std::unique_ptr<TestContext> m_run;
    std::unique_ptr<CalculatorController> m_controller;
    QPointer<QWidget> m_window;

    // Opens the window as Ctrl+J does, after `keys` were typed into the calculator.
    void open(int language = Language::Portuguese, const QString& datePattern = "dd/mm/yyyy",
              const QString& keys = {}) {
        m_run = std::make_unique<TestContext>();
        m_run->messages.setLanguage(language);
        m_run->context.facts.datePattern = datePattern;
        m_controller = std::make_unique<CalculatorController>(m_run->context, nullptr, WindowMode::Full);
        for (const QChar c : keys)
            m_controller->engine().keyPress(c.unicode());
        m_window = createToolWindow(CommandId::Installments, *m_controller, nullptr);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    QLineEdit* field(const char* name) { return m_window->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString text(const char* name) { return field(name)->text(); }
    void type(const char* name, const QString& keys) {
        field(name)->setFocus();
        field(name)->selectAll();
        // "|": the window's events are let through there, as between two keys of a typist.
        for (const QString& run : keys.split('|')) {
            QTest::keyClicks(field(name), run);
            QCoreApplication::processEvents();
        }
    }
    void press(const char* name) { m_window->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    QString lastMessage() {
        return m_run->dialogs.shown.isEmpty() ? QString() : m_run->dialogs.shown.last().text;
    }
    static QString message(int n, const QString& p1 = {}, const QString& p2 = {}) {
        return MessageCatalog::message(n, Language::Portuguese, p1, p2);
    }
    const QString& tape() { return m_controller->engine().tape().text(); }

  private slots:
    void cleanup() {
        delete m_window;
        m_controller.reset();
        m_run.reset();
    }

    // Ctrl+J opens the dated plan for a Portuguese user who writes the day first, the plain window
    // otherwise; a calculation in progress is totalled and its total is the initial value.
    void opensTheWindowOfTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("datePattern");
        QTest::addColumn<QString>("window");
        QTest::newRow("Portuguese, day first") << 1 << "dd/mm/yyyy"
                                               << "frmJuro2";
        QTest::newRow("Portuguese, month first") << 1 << "mm/dd/yyyy"
                                                 << "frmJuro";
        QTest::newRow("English") << 2 << "dd/mm/yyyy"
                                 << "frmJuro";
    }
    void opensTheWindowOfTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, datePattern);
        open(language, datePattern, QStringLiteral("1000+500+"));
        QTEST(m_window->objectName(), "window");
        QCOMPARE(text("txtValVista"), QStringLiteral("1.500,00"));
        QVERIFY(tape().contains(QStringLiteral("1.500 T")));
        QCOMPARE(QApplication::focusWidget(), field("txtValVista"));
        QVERIFY(m_controller->isEnabled(CommandId::Installments));
    }

    // Tab and Enter walk the inputs in the order of the form, then the buttons.
    void keyboardWalksTheForm() {
        open(Language::English);
        QStringList walked;
        for (int i = 0; i < 9; ++i) {
            walked << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), i < 6 ? Qt::Key_Return : Qt::Key_Tab);
        }
        QCOMPARE(walked.join(' '),
                 QStringLiteral("txtValVista txtValPrest txtParcelas txtDias chkVista txtJuroAp "
                                "cmdCalcular cmdDescontar cmdCapitalizar"));
    }

    // What typing does to the fields: the decimal key, characters refused, alternatives that
    // clear each other, the limits of the count and the "à vista" option.
    void fieldRules_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown"); // field=text pairs after typing
        QTest::newRow("either decimal key") << "txtJuroAp"
                                            << "1.5,2"
                                            << "txtJuroAp=1,52";
        QTest::newRow("letters and signs refused") << "txtValVista"
                                                   << "-1a2b"
                                                   << "txtValVista=12";
        QTest::newRow("no decimals in a count") << "txtParcelas"
                                                << "1,2"
                                                << "txtParcelas=12";
        QTest::newRow("a rate clears the installment") << "txtJuroAp"
                                                       << "2"
                                                       << "txtValPrest=";
        QTest::newRow("a rate of nothing does not") << "txtJuroAp"
                                                    << "0,004"
                                                    << "txtValPrest=100,00";
        QTest::newRow("typed ahead of the field's selection") << "txtParcelas"
                                                              << "1|0"
                                                              << "txtParcelas=10";
        QTest::newRow("more than 250 installments") << "txtParcelas"
                                                    << "251"
                                                    << "txtParcelas=";
        QTest::newRow("zero days is paid at once") << "txtDias"
                                                   << "0"
                                                   << "chkVista=1";
    }
    void fieldRules() {
        QFETCH(QString, target);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        open(Language::Portuguese, QStringLiteral("mm/dd/yyyy"));
        field("txtValPrest")->setText(QStringLiteral("100,00"));
        type(target.toLatin1().constData(), keys);
        const QString name = shown.section('=', 0, 0);
        const QString value = name == QLatin1String("chkVista")
                                  ? QString::number(m_window->findChild<QCheckBox*>(name)->isChecked())
                                  : text(name.toLatin1().constData());
        QCOMPARE(value, shown.section('=', 1));
    }

    // Calculating: the message of each bad input with the focus where it points, the searches'
    // results, and what goes on the tape when the window closes.
    void calculation_data() {
        QTest::addColumn<QStringList>("fields"); // name=text, typed in this order
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("results"); // installment, rate, total interest, final value
        const auto row = [](const char* name, const char* fields, int message, const char* focus = "",
                            const char* results = "") {
            QTest::newRow(name) << QString::fromUtf8(fields).split(' ') << message
                                << QString::fromLatin1(focus) << QString::fromUtf8(results);
        };
        row("installment from the rate", "txtValVista=1000 txtParcelas=10 txtDias=30 txtJuroAp=1", 0,
            "cmdCalcular", "105,58 1 55,80 1.055,80");
        row("rate from the installment", "txtValVista=1000 txtParcelas=10 txtDias=30 txtValPrest=105,58", 0,
            "cmdCalcular", "105,58 0,999634 55,80 1.055,80");
        row("only a leading zero counts", "txtValVista=0,50 txtParcelas=10 txtJuroAp=1", 22, "txtValVista");
        row("no count", "txtValVista=1000 txtJuroAp=1", 23, "txtParcelas");
        row("no days", "txtValVista=1000 txtParcelas=10 txtDias= txtJuroAp=1", 24, "txtDias");
        row("a rate that rounds to nothing", "txtValVista=1000 txtParcelas=10 txtDias=30 txtJuroAp=0,004", 25,
            "txtValPrest");
        row("an installment not below the value",
            "txtValVista=1000 txtParcelas=2 txtDias=30 txtValPrest=1000", 26, "txtValPrest");
        row("a search that cannot converge", "txtValVista=1000 txtParcelas=1 txtDias=0 txtValPrest=900", 280,
            "", "Erro Erro");
        row("an overflow", "txtValVista=1000000000 txtParcelas=250 txtDias=30 txtJuroAp=999999", 28, "",
            "Erro Erro");
    }
    void calculation() {
        QFETCH(QStringList, fields);
        QFETCH(int, message);
        QFETCH(QString, focus);
        QFETCH(QString, results);
        open(Language::Portuguese, QStringLiteral("mm/dd/yyyy"));
        for (const QString& f : fields)
            type(f.section('=', 0, 0).toLatin1().constData(), f.section('=', 1));
        press("cmdCalcular");
        QCOMPARE(lastMessage(), message ? this->message(message) : QString());
        if (!focus.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (!results.isEmpty())
            QCOMPARE(
                (QStringList{text("txtValPrest"), text("txtJuroAp"), text("txtJuroTot"), text("txtValFinal")})
                    .mid(0, int(results.split(' ').size()))
                    .join(' '),
                results);
        const QString before = tape();
        m_window->close();
        QCOMPARE(tape() != before, message == 0);
        if (message == 0) {
            QVERIFY(tape().contains(QStringLiteral("VALOR FINAL ")));
            QCOMPARE(m_controller->engine().entry(), QStringLiteral("1055,80"));
        }
    }

    // An input edited after the calculation takes the report back.
    void anEditAfterTheCalculationWritesNothing() {
        open(Language::Portuguese, QStringLiteral("mm/dd/yyyy"));
        type("txtValVista", "1000");
        type("txtParcelas", "10");
        type("txtDias", "30");
        type("txtJuroAp", "1");
        press("cmdCalcular");
        QVERIFY(m_run->dialogs.shown.isEmpty());
        type("txtParcelas", "12");
        const QString before = tape();
        m_window->close();
        QCOMPARE(tape(), before);
    }

    // Savings and the cheque: four answers, the result in a message, its report on the tape, its
    // value in the entry; a period of 0 days is refused and writes nothing.
    void savings_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("45 days at 2 %") << QStringList{"100", "2", "05/12/2026", "45"}
                                        << message(29, "103,02", "CENTO E TRÊS REAIS E DOIS CENTAVOS");
        QTest::newRow("to a date") << QStringList{"100", "2", "05/12/2026", "19/01/2027"}
                                   << message(29, "103,02", "CENTO E TRÊS REAIS E DOIS CENTAVOS");
        QTest::newRow("0 days") << QStringList{"100", "2", "05/12/2026", "0"} << message(30);
        QTest::newRow("31 February") << QStringList{"100", "2", "31/02/2026"} << message(30);
        QTest::newRow("a cheque of 103,02")
            << QStringList{"103,02", "2", "05/12/2026", "45"} << message(31, "100,00", "CEM REAIS");
    }
    void savings() {
        QFETCH(QStringList, answers);
        QFETCH(QString, shown);
        open();
        m_run->dialogs.inputs = answers;
        const bool cheque = answers.first() == QLatin1String("103,02");
        press(cheque ? "cmdDescontar" : "cmdCapitalizar");
        QCOMPARE(lastMessage(), shown);
        const bool done = shown != message(30);
        QCOMPARE(tape().contains(QStringLiteral(" 19/01/27         103,02 T")), done);
        const QString entry = cheque ? QStringLiteral("100,00")
                              : done ? QStringLiteral("103,02")
                                     : QStringLiteral("0");
        QCOMPARE(m_controller->engine().entry(), entry);
        QCOMPARE(m_window.isNull() || !m_window->isVisible(), done);
    }

    // The dated plan: the first date within 100 days, the due day up to 28, the schedule copied as
    // tab-separated text, the promissory notes waiting for their window, the way back to the plain one.
    void datedPlan() {
        open();
        press("Command1");
        QCOMPARE(
            lastMessage(),
            QStringLiteral("Primeiro termine o cálculo para depois solicitar impressão das promissórias."));
        QCOMPARE(text("txtDias"), QStringLiteral("30"));
        QCOMPARE(text("txtData1Parcela"), QStringLiteral("04/01/2027"));
        type("txtData1Parcela", "15032027");
        QTest::keyClick(field("txtData1Parcela"), Qt::Key_Tab);
        QTRY_COMPARE(lastMessage().left(25), QStringLiteral("Data Informada Incorreta!"));
        QCOMPARE(text("txtData1Parcela"), QStringLiteral("04/01/2027"));
        type("txtData1Parcela", "15122026");
        QTest::keyClick(field("txtData1Parcela"), Qt::Key_Tab);
        QTRY_COMPARE(text("txtDias"), QStringLiteral("10"));
        type("txtDiaVct", "29");
        QCOMPARE(text("txtDiaVct"), QString());
        type("txtValVista", "1000");
        type("txtParcelas", "3");
        type("txtJuroAp", "1");
        type("txtDiaVct", "0");
        press("cmdCalcular");
        QCOMPARE(lastMessage(), QStringLiteral("Digite o dia do vencimento entre 01 e 28"));
        type("txtDiaVct", "10");
        type("txtJuroAp", "1");
        press("cmdCalcular");
        QCOMPARE(text("txt1Parcela"), text("txtValPrest"));
        press("cmdCopiarTabela");
        const QStringList lines = m_run->clipboard.text().split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("Vencimento\tParcela\tJuro\tAmortização\tSaldo"));
        QCOMPARE(lines.value(1).section('\t', 0, 0), QStringLiteral("15/12/2026"));
        QCOMPARE(lines.value(2).section('\t', 0, 0), QStringLiteral("10/01/2027"));
        // One promissory note per installment, in order, each with its due date and value.
        QStringList notes;
        std::function<void()> closeNote = [&] {
            if (auto* note = qobject_cast<DocumentWindow*>(QApplication::activeModalWidget())) {
                DocumentFace* f = note->face();
                notes << f->text("txtDia") + ' ' + f->text("txtValor") + ' ' + f->text("txtExtenso1").left(9);
                note->reject();
            }
            if (notes.size() < 3) QTimer::singleShot(10, closeNote);
        };
        QTimer::singleShot(10, closeNote);
        press("Command1");
        QCOMPARE(notes.join('|'),
                 QStringLiteral("15 ***337,51 (TREZENTO|10 ***337,51 (TREZENTO|10 ***337,51 (TREZENTO"));
        press("Command2");
        QVERIFY(tape().contains(QStringLiteral(" 15/12/26       1.003,33 -")));
        QTRY_VERIFY(m_window.isNull());
        QWidget* plain = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmJuro") && w->isVisible()) plain = w;
        QVERIFY(plain);
        delete plain;
    }
};

QTEST_MAIN(TestFrmJuro)
#include "tst_frmjuro.moc"
