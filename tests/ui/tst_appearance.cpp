// The calculator window's looks and sounds as its widgets show them: the colour schemes on the real
// palettes, the large layout, and the notes its keys send (a held key's repeats included).

#include "ui/frmcalcula.h"

#include "support/testcontext.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

class TestAppearance : public QObject {
    Q_OBJECT

    std::unique_ptr<TestContext> m_run;
    std::unique_ptr<CalculatorController> m_controller;
    std::unique_ptr<frmCalcula> m_window;

    QWidget* child(const char* name) {
        QWidget* w = m_window->objectName() == QLatin1String(name)
                         ? m_window.get()
                         : m_window->findChild<QWidget*>(QLatin1String(name));
        return w ? w : (qFatal("no control %s", name), nullptr);
    }
    QString colour(const char* name, QPalette::ColorRole role) {
        const QColor c = child(name)->palette().color(role);
        return c == QApplication::palette().color(QPalette::Button) ? "face" : c.name().mid(1);
    }
    void send(QEvent::Type type, Qt::Key key, bool autoRepeat, Qt::KeyboardModifiers m = {}) {
        QKeyEvent e(type, key, m, QString(QChar(key)), autoRepeat);
        QApplication::sendEvent(child("txtEntrada"), &e);
    }
    QString heard() {
        QStringList out;
        for (std::uint32_t m : m_run->midi.sent)
            out << QString((m >> 16) ? "on%1" : "off%1").arg((m >> 8) & 0xFF);
        return out.join(' ');
    }

  private slots:
    void init() {
        m_run = std::make_unique<TestContext>();
        m_controller = std::make_unique<CalculatorController>(m_run->context, nullptr, WindowMode::Full);
        m_window = std::make_unique<frmCalcula>(*m_controller);
        m_window->load();
    }
    void cleanup() {
        m_window.reset();
        m_controller.reset();
        m_run.reset();
    }

    // Window, keypad frame, tape, an operator key at rest and under the mouse, the display.
    void colourSchemesPaintTheirParts_data() {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("colours");
        QTest::newRow("standard") << QList<int>{1} << "e0e0e0 face ffffff c0c0c0 c0c0c0 c0ffff";
        QTest::newRow("green") << QList<int>{3} << "ffff00 c0ffc0 c0ffc0 80ffff 80ffff 80ff80";
        QTest::newRow("pink") << QList<int>{4} << "ffc0ff ff80ff ffffc0 ffc080 ffe0c0 ffffff";
        QTest::newRow("green, then brown: tape and display only")
            << QList<int>{3, 2} << "ffff00 c0ffc0 ffc080 80ffff 80ffff ffe0c0";
        QTest::newRow("pink, then standard") << QList<int>{4, 1} << "e0e0e0 face ffffff c0c0c0 c0c0c0 c0ffff";
    }
    void colourSchemesPaintTheirParts() {
        QFETCH(QList<int>, chosen);
        for (int scheme : chosen)
            m_window->action(QStringLiteral("mnuCor%1").arg(scheme))->trigger();
        const QString atRest = colour("chkMais", QPalette::Button);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child("chkMais"), &enter);
        const QStringList seen{
            colour("frmCalcula", QPalette::Window), colour("fraTeclado", QPalette::Window),
            colour("txtFita", QPalette::Base),      atRest,
            colour("chkMais", QPalette::Button),    colour("lblVisor(0)", QPalette::Window)};
        QTEST(seen.join(' '), "colours");
        for (const char* key : {"chkDividir", "chkVezes", "chkMenos"})
            QCOMPARE(colour(key, QPalette::Button), atRest);
        QVERIFY(m_window->action(QStringLiteral("mnuCor%1").arg(chosen.last()))->isChecked());
    }

    // The large layout grows the keypad, the display and the tape together, and back.
    void theLargeLayoutRescalesTogether() {
        const auto sizes = [this] {
            return QList<int>{child("fraTeclado")->font().pointSize(), child("lblVisor(0)")->height(),
                              child("txtFita")->width()};
        };
        const QList<int> large = sizes();
        m_window->action("mnuGrande")->trigger();
        const QList<int> normal = sizes();
        for (int i = 0; i < 3; ++i)
            QVERIFY2(normal[i] < large[i], qPrintable(QString::number(i)));
        m_window->action("mnuGrande")->trigger();
        QCOMPARE(sizes(), large);
    }

    // The keys typed into the calculator sound; a held key's repeats (each a release and a press)
    // sound nothing more, and the note stops when it is let go. The key still does its sum.
    void keysSoundAsTheyAreTyped() {
        m_run->dialogs.inputs = {"0"};
        m_window->action("mnuSom")->trigger();
        m_run->midi.sent.clear();
        send(QEvent::KeyPress, Qt::Key_7, false);
        for (int i = 0; i < 3; ++i) {
            send(QEvent::KeyRelease, Qt::Key_7, true);
            send(QEvent::KeyPress, Qt::Key_7, true);
        }
        send(QEvent::KeyRelease, Qt::Key_7, false);
        QTest::keyClick(child("txtEntrada"), Qt::Key_1, Qt::KeypadModifier);
        QCOMPARE(heard(), "on93 off93 on72 off72");
        QCOMPARE(m_window->engine().entry(), "77771");
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
