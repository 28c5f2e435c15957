// The calculator window driven like a person: keys typed into it, buttons and menus clicked, labels
// and the tape read back by their object names. Arithmetic and settings are tested without a window.

#include "ui/frmcalcula.h"
#include "ui/frmpaste.h"

#include "core/tapestate.h"
#include "support/testcontext.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

class TestFrmCalcula : public QObject {
    Q_OBJECT

    TestContext m_run;
    std::unique_ptr<CalculatorController> m_controller;
    std::unique_ptr<frmCalcula> m_window;

    template <typename T = QWidget> T* child(const char* name) {
        T* w = m_window->findChild<T*>(QLatin1String(name));
        return w ? w : (qFatal("no control %s", name), nullptr);
    }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    // The display, the running total and the counter.
    QString labels() { return label("lblVisor(0)") + ' ' + label("lblTotal") + ' ' + label("lblVisor(1)"); }
    // A label's text, or the keypad frame's caption, and its colour.
    QString look(const char* name) {
        return child(name)->property(child(name)->inherits("QGroupBox") ? "title" : "text").toString() + ' ' +
               child(name)->palette().color(QPalette::WindowText).name();
    }
    QAction* action(const char* name) { return m_window->action(QLatin1String(name)); }
    QPlainTextEdit* tape() { return child<QPlainTextEdit>("txtFita"); }
    QString engineTape() { return m_window->engine().tape().text(); }
    void type(const QString& keys) { QTest::keyClicks(child("txtEntrada"), keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(child("txtEntrada"), k, m); }
    template <typename... N> void click(N... n) { (QTest::mouseClick(child(n), Qt::LeftButton), ...); }
    // Where character `column` of tape line `line` is drawn.
    QPoint at(int line, int column) {
        QTextCursor c(tape()->document()->findBlockByNumber(line));
        c.setPosition(c.position() + column);
        return tape()->cursorRect(c).center();
    }
    // A calculator on a data folder below the run's, loaded as the program opens it or not; not shown.
    QWidget* create(const QString& dataDir, bool load) {
        m_window.reset();
        m_run.context.facts.dataDir = m_run.dir.path() + u'/' + dataDir;
        m_controller = std::make_unique<CalculatorController>(m_run.context, nullptr, WindowMode::Full);
        m_window = std::make_unique<frmCalcula>(*m_controller);
        if (load) m_window->load();
        return m_window.get();
    }
    static bool inFront(QWidget* w) { return w->show(), w->activateWindow(), QTest::qWaitForWindowActive(w); }

  private slots:
    void init() {
        m_run.dialogs.shown.clear();
        QVERIFY(inFront(create(QString(), false)));
    }

    // Keys, menu shortcuts and keypad clicks reach the engine; the labels, the menus and the tape
    // mirror it, a long tape and an undone line included.
    void keysAndKeypadReachTheEngine() {
        type(QString("1+").repeated(200) + "12,5+");
        click("chkNum(7)", "chkVirgula", "chkNum(2)", "chkNum(5)");
        QCOMPARE(labels(), "7,25 212,5 201");
        key(Qt::Key_Return);
        QCOMPARE(labels() + ' ' + m_run.clipboard.text(), "219,75 0 000 219,75");
        type("5+3+");
        key(Qt::Key_Z, Qt::ControlModifier); // the calculator's undo, not the entry's
        QVERIFY(action("mnuRedo")->isEnabled() && !action("mnuUtil")->isEnabled() &&
                action("mnuHotKey")->isChecked());
        QCOMPARE(tape()->toPlainText(), QString(engineTape()).remove(u'\r'));
    }

    // Negative values are red, others blue: the display, the memory caption and the time display.
    void negativesAreRed() {
        type("3-5=");
        QCOMPARE(look("lblVisor(0)"), "-2 #ff0000");
        type("4");
        key(Qt::Key_A, Qt::ShiftModifier); // M+
        QCOMPARE(look("lblVisor(0)") + ' ' + look("fraTeclado"), "4 #0000ff 4 #0000ff");
        type("8");
        click("Mmenos");
        QCOMPARE(look("fraTeclado"), "-4 #ff0000");
        action("mnuTempo")->trigger();
        type("10000-20000=");
        QCOMPARE(look("lblVisor(2)"), "-01:00:00 #ff0000");
    }

    // A double-click enters a number of the tape again, not the date of a header; find goes on from
    // where the user then clicks, not from the last "12" found.
    void theTapeAnswersTheMouse() {
        m_window->engine().clearTape();
        QTest::mouseDClick(tape()->viewport(), Qt::LeftButton, {}, at(0, 5));
        QCOMPARE(labels(), "0 0 000");
        type("12+512+125=");
        QTest::mouseDClick(tape()->viewport(), Qt::LeftButton, {}, at(3, 22));
        QCOMPARE(labels() + tape()->textCursor().selectedText(), "512 512 001                     512 +");
        m_run.dialogs.inputs = {"12", "12"};
        action("mnuLocalizar")->trigger(); // in the date
        QTest::mouseClick(tape()->viewport(), Qt::LeftButton, {}, at(4, 0));
        action("mnuLocalizar")->trigger();
        QCOMPARE(tape()->textCursor().blockNumber(), 4);
    }

    // Editing is not ended by keypad clicks, another window or a menu popping up, and the keypad does
    // nothing meanwhile; a new line keeps the tape's columns, and the text becomes the tape.
    void editingTheTape() {
        QPlainTextEdit* roll = tape();
        type("5+3=");
        const QString before = engineTape();
        action("mnuEditar")->trigger();
        QVERIFY(!roll->isReadOnly() && roll->hasFocus() && roll->palette().color(QPalette::Text) != Qt::blue);
        click("chkCE", "chkCE", "chkNum(7)");
        QLineEdit other;
        other.setFocus();
        QVERIFY(inFront(&other) && inFront(m_window.get()));
        QTest::keyClicks(roll, "OK\r");
        QMenuBar* bar = m_window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action("mnuFita")).center());
        QTRY_VERIFY(child("mnuFita")->isVisible());
        QTest::mouseClick(child("mnuFita"), Qt::LeftButton, {},
                          child<QMenu>("mnuFita")->actionGeometry(action("mnuEditar")).center());
        QVERIFY(roll->isReadOnly() && roll->palette().color(QPalette::Text) == Qt::blue);
        QVERIFY(engineTape().startsWith(before) &&
                engineTape().endsWith(" OK                       \r\n =========================\r\n"));
        QVERIFY(labels() == "8 0 000" && child("txtEntrada")->hasFocus());
    }

    // Enter-adds mode: "+" grows and Enter adds; "-" stays in sight beside it.
    void enterAddsModeEnlargesPlus() {
        action("mnuEnter")->trigger();
        QWidget *plus = child("chkMais"), *minus = child("chkMenos");
        QCOMPARE(plus->toolTip() + child("chkIgual")->toolTip(), " Enter  NumLock ");
        QTRY_VERIFY(plus->height() > minus->height() && !minus->geometry().intersects(plus->geometry()));
        QVERIFY(minus->isVisible());
        type("5\r3\r");
        key(Qt::Key_NumLock); // totals
        QCOMPARE(labels(), "8 0 000");
        action("mnuIgual")->trigger();
        QCOMPARE(child<QAbstractButton>("chkMais")->text(), "+");
    }

    // Nothing moves while typing: not for a long total, the memory caption or time mode; the tape is
    // as wide as its 26 columns and its scroll bar.
    void layoutStaysPutWhileTyping() {
        auto at = [this](const char* n) {
            return QRect(child(n)->mapTo(m_window.get(), QPoint()), child(n)->size());
        };
        const QList<QRect> before{at("chkNum(7)"), at("txtFita"), at("lblVisor(0)")};
        action("mnuNumeral(10)")->trigger();
        type("999999999999*999999999=");
        key(Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(look("fraTeclado"), "99999999899900000 #0000ff");
        action("mnuTempo")->trigger();
        QVERIFY(!child("lblVisor(0)")->isVisible() && !child("chkVirgula")->isEnabled());
        type("1234567");
        QCOMPARE((QList<QRect>{at("chkNum(7)"), at("txtFita"), at("lblVisor(2)")}), before);
        const double width =
            tape()->viewport()->width() / QFontMetricsF(tape()->font()).horizontalAdvance('0');
        QVERIFY(width >= 26 && width < 29); // columns
    }

    // A file where the data folder should be, then a folder in the state file's place: each streak of
    // failures is told once, with the system's reason, and the calculator keeps working.
    void aStateFileThatCannotBeWrittenIsToldOncePerStreak() {
        QVERIFY(QFile(m_run.dir.filePath("file")).open(QFile::WriteOnly) &&
                inFront(create("file/Tabulora/", true)));
        const QString state = TapeStateFile::path(m_run.context.facts.dataDir, "1");
        const QString told = m_run.messages.text(240, QDir::toNativeSeparators(state)); // without the reason
        const QList<FakeDialogs::Shown>& shown = m_run.dialogs.shown;
        type("5+3=");
        QTRY_COMPARE(shown.size(), 1);
        QVERIFY(shown[0].text.startsWith(told.left(told.indexOf("Motivo"))) &&
                shown[0].text.size() > told.size());
        type("2+2=");
        QCOMPARE(m_run.clipboard.text() + QString::number(shown.size()), "41");
        QVERIFY(QFile::remove(m_run.dir.filePath("file")));
        type("1+1=");
        QVERIFY(QFile::remove(state) && QDir().mkpath(state));
        type("1+2=");
        QCOMPARE(m_run.clipboard.text() + QString::number(shown.size()), "32");
    }

    // Where a damaged state file went is told once the window is in front.
    void aDamagedStateFileIsToldWhenTheWindowIsShown() {
        QFile damaged(m_run.dir.filePath("damaged/calc1.fita"));
        QVERIFY(QDir(m_run.dir.path()).mkdir("damaged") && damaged.open(QIODevice::WriteOnly));
        QVERIFY(damaged.write("\"05/1") && damaged.flush());
        create("damaged/", true);
        QVERIFY(m_run.dialogs.shown.isEmpty() && inFront(m_window.get()));
        QTRY_COMPARE(m_run.dialogs.shown.size(), 1);
        const QString said = m_run.dialogs.shown[0].text;
        QVERIFY(said.startsWith(m_run.messages.text(242).left(30)) && said.contains("calc1.fita.damaged-"));
    }

    // A right click on the display copies it and opens the paste window, which Esc closes without a
    // key sent (tests/e2e/test_paste.sh pastes with it). Where nothing can type into other programs,
    // the copy is all, and the user is told so once.
    void rightClickOnTheDisplayOpensThePasteWindow_data() {
        QTest::addColumn<bool>("canType");
        QTest::newRow("X11") << true;
        QTest::newRow("no X11") << false;
    }
    void rightClickOnTheDisplayOpensThePasteWindow() {
        QFETCH(bool, canType);
        m_run.keyboard.available = canType;
        m_run.keyboard.pastes = 0;
        type("12,5");
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(child("lblVisor(0)"), Qt::RightButton);
            QCOMPARE(m_run.clipboard.text(), "12,5");
            QPointer<frmPaste> paste = m_window->findChild<frmPaste*>();
            QCOMPARE(bool(paste), canType);
            if (paste) {
                QVERIFY(paste->isVisible() && paste->isModal());
                QTest::keyClick(paste, Qt::Key_Escape);
                QTRY_VERIFY(!paste);
            }
        }
        QCOMPARE(m_run.keyboard.pastes, 0);
        QCOMPARE(m_run.dialogs.shown.size(), canType ? 0 : 1);
        if (!canType) QCOMPARE(m_run.dialogs.shown[0].text, m_run.messages.text(350));
        m_run.keyboard.available = true;
    }

    // The menus follow a switch of language, the tools of Portuguese alone included; F1 then offers
    // the manual at once, without the Portuguese tips, and shows it in a window. Last: a failure
    // here would leave the next tests in English.
    void switchingLanguageRecaptionsTheMenus() {
        action("mnuEnglish")->trigger();
        QCOMPARE(action("mnuLimpar")->text(), "Clean (erase ca&lculations)");
        QVERIFY(!action("mnuCheque")->isVisible() && action("mnuEnglish")->isChecked());
        m_run.dialogs.answers = {Dialogs::Answer::Yes};
        key(Qt::Key_F1);
        QVERIFY(child("txtManual")->isVisible() &&
                child<QTextBrowser>("txtManual")->toPlainText().size() > 1000);
        action("mnuPortuguese")->trigger();
        QCOMPARE(action("mnuLimpar")->text(), "&Limpar (apagar cálculos)");
        QVERIFY(action("mnuCheque")->isVisible() && !action("mnuEnglish")->isChecked());
    }
};

QTEST_MAIN(TestFrmCalcula)
#include "tst_frmcalcula.moc"
