// The calculator window driven like a person: keys typed into it, buttons clicked, labels and the
// tape read back by their object names.

#include "ui/frmcalcula.h"
#include "core/tapestate.h"
#include "support/testcontext.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

class TestFrmCalcula : public QObject {
    Q_OBJECT

    TestContext m_run;
    std::unique_ptr<CalculatorController> m_controller;
    std::unique_ptr<frmCalcula> m_window;

    template <typename T> T* child(const QString& name) {
        T* w = m_window->findChild<T*>(name);
        if (!w) qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString label(const QString& name) { return child<QLabel>(name)->text(); }
    QString tapeText() { return child<QPlainTextEdit>(QStringLiteral("txtFita"))->toPlainText(); }
    void type(const QString& keys) { QTest::keyClicks(child<QLineEdit>(QStringLiteral("txtEntrada")), keys); }
    void click(const QString& name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    // Opens a menu of the menu bar with the mouse and clicks one of its entries (none: leaves it open).
    void chooseFromMenu(const QString& menuName, const QString& entry) {
        QMenuBar* bar = m_window->menuBar();
        QMenu* menu = child<QMenu>(menuName);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        if (entry.isEmpty()) return;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(m_window->action(entry)).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    // A calculator as the program opens it: loaded from its data folder, not shown yet.
    void openLoaded(const QString& dataDir) {
        m_window.reset();
        m_run.context.facts.dataDir = m_run.dir.filePath(dataDir);
        m_controller = std::make_unique<CalculatorController>(m_run.context, nullptr, WindowMode::Full);
        m_window = std::make_unique<frmCalcula>(*m_controller);
        m_window->load();
    }

private slots:
    void init() {
        m_run.messages.setLanguage(1);
        m_run.dialogs.shown.clear();
        m_run.clipboard.setText(QString());
        m_run.desktop.started.clear();
        m_run.context.facts.dataDir = m_run.dir.path() + QLatin1Char('/');
        m_controller = std::make_unique<CalculatorController>(m_run.context, nullptr, WindowMode::Full);
        m_window = std::make_unique<frmCalcula>(*m_controller);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        child<QLineEdit>(QStringLiteral("txtEntrada"))->setFocus();
    }

    void cleanup() {
        m_window.reset();
        m_controller.reset();
    }


    void typedCalculationShowsOnDisplayAndTape() {
        type(QStringLiteral("12,5+7,25"));
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("7,25"));
        QCOMPARE(label(QStringLiteral("lblTotal")), QStringLiteral("12,5"));
        QCOMPARE(label(QStringLiteral("lblVisor(1)")), QStringLiteral("001"));
        QTest::keyClick(child<QLineEdit>(QStringLiteral("txtEntrada")), Qt::Key_Return);
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("19,75"));
        QCOMPARE(m_run.clipboard.text(), QStringLiteral("19,75"));
        QCOMPARE(tapeText(), QStringLiteral("                    12,5 +\n"
                                            "                    7,25 =\n"
                                            " 002                      \n"
                                            "                   19,75 T\n"
                                            " =========================\n"));
    }

    void keypadButtonsAreTheSameKeys() {
        for (const char* b : {"chkNum(4)", "chkVirgula", "chkNum(5)", "chkVezes", "chkNum(2)", "chkIgual"})
            click(QLatin1String(b));
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("9"));
        QVERIFY(child<QLineEdit>(QStringLiteral("txtEntrada"))->hasFocus());
    }

    void negativeDisplayIsRed() {
        type(QStringLiteral("3-5="));
        QLabel* visor = child<QLabel>(QStringLiteral("lblVisor(0)"));
        QCOMPARE(visor->text(), QStringLiteral("-2"));
        QCOMPARE(visor->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        type(QStringLiteral("4"));
        QCOMPARE(visor->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void memoryShowsInTheKeypadFrame() {
        type(QStringLiteral("5"));
        QTest::keyClick(child<QLineEdit>(QStringLiteral("txtEntrada")), Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(child<QGroupBox>(QStringLiteral("fraTeclado"))->title(), QStringLiteral("5"));
        QCOMPARE(child<QGroupBox>(QStringLiteral("fraTeclado"))->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::keyClick(child<QLineEdit>(QStringLiteral("txtEntrada")), Qt::Key_Delete);
        type(QStringLiteral("8"));
        click(QStringLiteral("Mmenos"));
        QGroupBox* frame = child<QGroupBox>(QStringLiteral("fraTeclado"));
        QCOMPARE(frame->title(), QStringLiteral("-3"));
        QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void enterAddsModeFromTheMenu() {
        m_window->action(QStringLiteral("mnuEnter"))->trigger();
        QCOMPARE(m_run.dialogs.shown.size(), 1);
        QCOMPARE(child<QAbstractButton>(QStringLiteral("chkMais"))->toolTip(), QStringLiteral(" Enter "));
        QCOMPARE(child<QAbstractButton>(QStringLiteral("chkIgual"))->toolTip(), QStringLiteral(" NumLock "));
        // "+" grows; "-" stays in sight beside it.
        QAbstractButton* plus = child<QAbstractButton>(QStringLiteral("chkMais"));
        QAbstractButton* minus = child<QAbstractButton>(QStringLiteral("chkMenos"));
        QTRY_VERIFY(plus->height() > minus->height());
        QVERIFY(minus->isVisible() && !minus->geometry().intersects(plus->geometry()));
        type(QStringLiteral("5\r3\r="));
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("8"));
        m_window->action(QStringLiteral("mnuIgual"))->trigger();
        QCOMPARE(child<QAbstractButton>(QStringLiteral("chkMais"))->text(), QStringLiteral("+"));
    }

    // The menus follow a switch of language, the tools of Portuguese alone included.
    void switchingLanguageRecaptionsTheMenus() {
        m_window->action(QStringLiteral("mnuEnglish"))->trigger();
        QCOMPARE(m_window->action(QStringLiteral("mnuLimpar"))->text(), QStringLiteral("Clean (erase ca&lculations)"));
        QVERIFY(!m_window->action(QStringLiteral("mnuCheque"))->isVisible());
        QVERIFY(m_window->action(QStringLiteral("mnuEnglish"))->isChecked());
        m_window->action(QStringLiteral("mnuPortuguese"))->trigger();
        QCOMPARE(m_window->action(QStringLiteral("mnuLimpar"))->text(), QStringLiteral("&Limpar (apagar cálculos)"));
        QVERIFY(m_window->action(QStringLiteral("mnuCheque"))->isVisible());
    }

    void formatMenuReformatsTheDisplay() {
        type(QStringLiteral("2,5"));
        m_window->action(QStringLiteral("mnuNumeral(0)"))->trigger();
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("2,50"));
        QVERIFY(m_window->action(QStringLiteral("mnuNumeral(0)"))->isChecked());
        QVERIFY(!m_window->action(QStringLiteral("mnuNumeral(2)"))->isChecked());
    }

    void tapeFollowsAnEngineThatOnlyAppends() {
        // A long tape, then one more total: the widget must hold exactly the engine's text.
        for (int i = 0; i < 200; ++i) type(QStringLiteral("1+"));
        type(QStringLiteral("="));
        QString expected = m_window->engine().tape().text();
        expected.remove(QLatin1Char('\r'));
        QCOMPARE(tapeText(), expected);
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("200"));
    }

    void doubleClickReentersATapeNumber() {
        type(QStringLiteral("125+3="));
        auto* tape = child<QPlainTextEdit>(QStringLiteral("txtFita"));
        QTextCursor c(tape->document()->findBlockByNumber(0));
        c.movePosition(QTextCursor::EndOfBlock);
        c.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, 4); // inside "125"
        const QPoint at = tape->cursorRect(c).center();
        QTest::mouseDClick(tape->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(label(QStringLiteral("lblTotal")), QStringLiteral("125"));
        QCOMPARE(label(QStringLiteral("lblVisor(1)")), QStringLiteral("001"));
        QCOMPARE(tape->textCursor().selectedText(), QStringLiteral("                     125 +"));
    }

    void doubleClickOnTheDateEntersNothing() {
        m_window->engine().clearTape();
        auto* tape = child<QPlainTextEdit>(QStringLiteral("txtFita"));
        QTextCursor c(tape->document()->findBlockByNumber(0));
        c.setPosition(c.position() + 5); // inside "05/12/2026"
        QTest::mouseDClick(tape->viewport(), Qt::LeftButton, {}, tape->cursorRect(c).center());
        QCOMPARE(label(QStringLiteral("lblVisor(1)")), QStringLiteral("000"));
        QCOMPARE(label(QStringLiteral("lblTotal")), QStringLiteral("0"));
    }

    void findGoesOnFromTheCaretTheUserPlaced() {
        type(QStringLiteral("12+512+125="));
        auto* tape = child<QPlainTextEdit>(QStringLiteral("txtFita"));
        m_run.dialogs.inputs = {QStringLiteral("12"), QStringLiteral("12")};
        m_window->action(QStringLiteral("mnuLocalizar"))->trigger();
        QCOMPARE(tape->textCursor().blockNumber(), 0);
        // The user clicks at the start of the third line: the next "12" is there, not on the second.
        QTest::mouseClick(tape->viewport(), Qt::LeftButton, {},
                          tape->cursorRect(QTextCursor(tape->document()->findBlockByNumber(2))).center());
        m_window->action(QStringLiteral("mnuLocalizar"))->trigger();
        QCOMPARE(tape->textCursor().blockNumber(), 2);
        QCOMPARE(tape->textCursor().selectedText(), QStringLiteral("12"));
    }

    void undoAndRedoMenusFollowTheHistory() {
        QAction* undo = m_window->action(QStringLiteral("mnuUndo"));
        QAction* redo = m_window->action(QStringLiteral("mnuRedo"));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        type(QStringLiteral("5+3+"));
        QVERIFY(undo->isEnabled());
        QTest::keyClick(child<QLineEdit>(QStringLiteral("txtEntrada")), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(label(QStringLiteral("lblTotal")), QStringLiteral("5"));
        QVERIFY(redo->isEnabled());
        QTest::keyClick(child<QLineEdit>(QStringLiteral("txtEntrada")), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(label(QStringLiteral("lblTotal")), QStringLiteral("8"));
        QVERIFY(!redo->isEnabled());
        QCOMPARE(tapeText(), QStringLiteral("                       5 +\n                       3 +\n"));
    }

    void editModeMakesTheTapeEditable() {
        auto* tape = child<QPlainTextEdit>(QStringLiteral("txtFita"));
        type(QStringLiteral("5+"));
        m_window->action(QStringLiteral("mnuEditar"))->trigger();
        QVERIFY(tape->isReadOnly());
        QCOMPARE(m_run.dialogs.shown.size(), 1);
        type(QStringLiteral("="));
        m_window->action(QStringLiteral("mnuEditar"))->trigger();
        QVERIFY(!tape->isReadOnly());
        QVERIFY(tape->palette().color(QPalette::Text) != QColor(0, 0, 255));
        QTest::keyClicks(tape, QStringLiteral("OK"));
        QTest::keyClick(tape, Qt::Key_Return);
        QVERIFY2(tape->toPlainText().contains(QStringLiteral(" OK                       \n")), qPrintable(tape->toPlainText()));
        m_window->action(QStringLiteral("mnuEditar"))->trigger();
        QVERIFY(tape->isReadOnly());
        QCOMPARE(tape->palette().color(QPalette::Text), QColor(0, 0, 255));
        QVERIFY(m_window->engine().tape().text().endsWith(QStringLiteral(" OK                       \r\n =========================\r\n")));
        type(QStringLiteral("2+2="));
        QCOMPARE(m_run.clipboard.text(), QStringLiteral("4"));
    }

    // Editing is ended by another control of the calculator or F2, not by a menu, a pop-up, a
    // keypad button or another window; meanwhile the keypad does nothing.
    void editingSurvivesMenusKeypadAndOtherWindows() {
        auto* tape = child<QPlainTextEdit>(QStringLiteral("txtFita"));
        type(QStringLiteral("5+3="));
        const QString before = m_window->engine().tape().text();
        chooseFromMenu(QStringLiteral("mnuFita"), QStringLiteral("mnuEditar"));
        QVERIFY(!tape->isReadOnly());
        QVERIFY(tape->hasFocus());
        // The tape's own context menu comes and goes.
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), tape->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tape->viewport(), &menu);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QApplication::activePopupWidget()->close();
        QTRY_VERIFY(tape->hasFocus());
        QVERIFY(!tape->isReadOnly());
        click(QStringLiteral("chkCE"));
        click(QStringLiteral("chkCE"));
        click(QStringLiteral("chkNum(7)"));
        QVERIFY(!tape->isReadOnly());
        QVERIFY(m_window->engine().tape().text().startsWith(before));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(!tape->isReadOnly());
        // Choosing "Editar" again ends it.
        chooseFromMenu(QStringLiteral("mnuFita"), QStringLiteral("mnuEditar"));
        QVERIFY(tape->isReadOnly());
        QVERIFY(m_window->engine().tape().text().endsWith(QStringLiteral(" =========================\r\n")));
        QCOMPARE(label(QStringLiteral("lblVisor(0)")), QStringLiteral("8"));
    }

    void helpShowsTheManualInAWindow() {
        m_run.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes, Dialogs::Answer::Yes, Dialogs::Answer::Yes};
        m_window->action(QStringLiteral("mnuAjuda"))->trigger();
        auto* manual = m_window->findChild<QTextBrowser*>(QStringLiteral("txtManual"));
        QVERIFY(manual && manual->isVisible());
        QVERIFY(manual->toPlainText().size() > 1000);
    }

    // Nothing moves while typing: not for a long total, the memory caption or time mode.
    void layoutStaysPutWhileTyping() {
        auto where = [this](const char* name) {
            QWidget* w = child<QWidget>(QLatin1String(name));
            return QRect(w->mapTo(m_window.get(), QPoint()), w->size());
        };
        const QSize window = m_window->size();
        const QRect seven = where("chkNum(7)"), tape = where("txtFita"), display = where("lblVisor(0)");
        m_window->action(QStringLiteral("mnuNumeral(10)"))->trigger();
        type(QStringLiteral("999999999999*999999999="));
        QTest::keyClick(child<QLineEdit>(QStringLiteral("txtEntrada")), Qt::Key_A, Qt::ShiftModifier);
        QCOMPARE(child<QGroupBox>(QStringLiteral("fraTeclado"))->title(), QStringLiteral("99999999899900000"));
        m_window->action(QStringLiteral("mnuTempo"))->trigger();
        type(QStringLiteral("1234567"));
        QCOMPARE(m_window->size(), window);
        QCOMPARE(where("chkNum(7)"), seven);
        QCOMPARE(where("txtFita"), tape);
        QCOMPARE(where("lblVisor(2)"), display);
        // The roll is as wide as its 26 columns and its scroll bar, not more.
        auto* roll = child<QPlainTextEdit>(QStringLiteral("txtFita"));
        const int text = roll->fontMetrics().horizontalAdvance(QString(26, QLatin1Char('0')));
        QVERIFY(roll->viewport()->width() >= text);
        QVERIFY(roll->viewport()->width() < text + 3 * roll->fontMetrics().horizontalAdvance(QLatin1Char('0')));
    }

    void timeModeShowsTheTimeDisplay() {
        m_window->action(QStringLiteral("mnuTempo"))->trigger();
        QVERIFY(child<QLabel>(QStringLiteral("lblVisor(2)"))->isVisibleTo(m_window.get()));
        QVERIFY(!child<QLabel>(QStringLiteral("lblVisor(0)"))->isVisibleTo(m_window.get()));
        for (const char* b : {"chkVirgula", "MC", "MR", "Mmais", "Mmenos"})
            QVERIFY2(!child<QAbstractButton>(QLatin1String(b))->isEnabled(), b);
        type(QStringLiteral("10000-20000="));
        QLabel* time = child<QLabel>(QStringLiteral("lblVisor(2)"));
        QCOMPARE(time->text(), QStringLiteral("-01:00:00"));
        QCOMPARE(time->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        m_window->action(QStringLiteral("mnuTempo"))->trigger();
        QVERIFY(child<QAbstractButton>(QStringLiteral("MC"))->isEnabled());
        QVERIFY(child<QLabel>(QStringLiteral("lblVisor(0)"))->isVisibleTo(m_window.get()));
    }

    void aStateFileThatCannotBeWrittenIsToldOnce_data() {
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("blocker"); // a folder when it ends in "/", else a file
        QTest::newRow("a folder in its place") << "taken/"
                                               << "taken/calc1.fita/";
        QTest::newRow("data folder under a file") << "file/Tabulora/"
                                                  << "file";
    }
    void aStateFileThatCannotBeWrittenIsToldOnce() {
        QFETCH(QString, dataDir);
        QFETCH(QString, blocker);
        const QString blockerPath = m_run.dir.filePath(blocker);
        auto block = [&] {
            if (blocker.endsWith(u'/')) return QDir().mkpath(blockerPath);
            QFile f(blockerPath);
            return f.open(QIODevice::WriteOnly);
        };
        auto unblock = [&] {
            return QFileInfo(blockerPath).isDir() ? QDir(blockerPath).removeRecursively()
                                                  : QFile::remove(blockerPath);
        };
        QVERIFY(block());
        openLoaded(dataDir);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const QString stateFile = QDir::toNativeSeparators(TapeStateFile::path(m_run.context.facts.dataDir, QStringLiteral("1")));
        auto toldAbout = [&] {
            int count = 0;
            for (const auto& said : m_run.dialogs.shown)
                count += said.text.startsWith(m_run.messages.text(240).left(20)) && said.text.contains(stateFile);
            return count;
        };
        type(QStringLiteral("5+3="));
        QTRY_COMPARE(toldAbout(), 1);
        QCOMPARE(m_run.dialogs.shown.size(), 1);
        QVERIFY2(m_run.dialogs.shown.at(0).text.size() > m_run.messages.text(240, stateFile).size(), "the system's reason");
        type(QStringLiteral("2+2="));
        QCOMPARE(m_run.clipboard.text(), QStringLiteral("4"));
        QCOMPARE(m_run.dialogs.shown.size(), 1);
        QVERIFY(unblock());
        type(QStringLiteral("1+1="));
        const auto kept = TapeStateFile::readStateFile(TapeStateFile::path(m_run.context.facts.dataDir, QStringLiteral("1")));
        QVERIFY(kept && kept->state.tape.contains(QStringLiteral("                       4 T\r\n")));
        QVERIFY(QFile::remove(TapeStateFile::path(m_run.context.facts.dataDir, QStringLiteral("1"))) && QDir(blockerPath).removeRecursively() && block());
        type(QStringLiteral("1+2="));
        QCOMPARE(toldAbout(), 2);
        QCOMPARE(m_run.clipboard.text(), QStringLiteral("3"));
    }

    // A state file cut short gives back the tape lines it holds whole, and the window says where
    // the damaged file went, once it is in front.
    void aDamagedStateFileIsToldWhenTheWindowIsShown() {
        QFile damaged(m_run.dir.filePath(QStringLiteral("damaged/calc1.fita")));
        QVERIFY(QDir().mkpath(m_run.dir.filePath(QStringLiteral("damaged"))) &&
                damaged.open(QIODevice::WriteOnly));
        damaged.write("\"" + m_run.now.date().toString("dd/MM/yyyy").toLatin1() +
                      "\",\"                      12 +\r\n                       3 +\r\n             ");
        damaged.close();
        openLoaded(QStringLiteral("damaged/"));
        QVERIFY(m_run.dialogs.shown.isEmpty());
        m_window->show();
        m_window->activateWindow();
        QTRY_COMPARE(m_run.dialogs.shown.size(), 1);
        QVERIFY2(m_run.dialogs.shown.at(0).text.startsWith(m_run.messages.text(242).left(30)) &&
                     m_run.dialogs.shown.at(0).text.contains(QStringLiteral("calc1.fita.damaged-")),
                 qPrintable(m_run.dialogs.shown.at(0).text));
        QCOMPARE(tapeText(), QStringLiteral("                      12 +\n                       3 +\n"
                                            " =========================\n"));
    }
};

QTEST_MAIN(TestFrmCalcula)
#include "tst_frmcalcula.moc"
