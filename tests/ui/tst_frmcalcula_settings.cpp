// The calculator window and its settings: what a first start looks like, what a later start
// restores, what closing writes, and the language switch.

#include "ui/frmcalcula.h"
#include "i18n/messagecatalog.h"
#include "settings/settingsstore.h"
#include "support/fakeclipboard.h"
#include "support/fakedialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TestFrmCalculaSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeClipboard m_clipboard;
    FakeDialogs m_dialogs;
    std::unique_ptr<SettingsStore> m_store;

    std::unique_ptr<frmCalcula> open(frmCalcula::Mode mode = frmCalcula::Mode::Full) {
        EngineEnvironment env;
        env.clipboard = &m_clipboard;
        env.dialogs = &m_dialogs;
        env.dataDir = m_dir.path() + QStringLiteral("/data/");
        env.separators = {QLatin1Char(','), QLatin1Char('.')};
        auto w = std::make_unique<frmCalcula>(env);
        w->load(mode, m_store.get());
        return w;
    }
    bool checked(frmCalcula& w, const char* name) { return w.action(QLatin1String(name))->isChecked(); }
    QString stored(const char* key) { return m_store->read(QStringLiteral("Conf"), QLatin1String(key), QStringLiteral("<none>")); }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8() + "/config");
        m_store = std::make_unique<SettingsStore>(m_dir.path() + QStringLiteral("/Tabulora.ini"));
        setCurrentLanguage(1);
    }
    void cleanup() {
        m_store.reset();
        QFile::remove(m_dir.path() + QStringLiteral("/Tabulora.ini"));
    }

    void firstStartWithAnEmptyStore() {
        auto w = open();
        QVERIFY(checked(*w, "mnuNumeral(2)"));
        QVERIFY(checked(*w, "mnuIgual"));
        QVERIFY(!checked(*w, "mnuEnter"));
        QVERIFY(checked(*w, "mnuGrande"));
        QVERIFY(!checked(*w, "mnuOcultar"));
        QVERIFY(checked(*w, "mnuHotKey"));
        QVERIFY(checked(*w, "mnuSystray"));
        QVERIFY(checked(*w, "mnuVisivel"));
        QVERIFY(checked(*w, "mnuBackup"));
        QVERIFY(!checked(*w, "mnuNumLock"));
        QVERIFY(!checked(*w, "mnuInserir"));
        QVERIFY(checked(*w, "mnuPortuguese"));
        QCOMPARE(w->y() - w->screen()->availableGeometry().top(), 0);
        // At the right edge, 360 twips (24 pixels) from it.
        QCOMPARE(w->screen()->availableGeometry().right() + 1 - (w->x() + w->width()), 24);
        QVERIFY2(!QFile::exists(m_store->filePath()), "nothing is written at first start");
    }

    void storedOptionsComeBack() {
        for (auto [k, v] : {std::pair{"Formato", "0"}, {"CalcEnter", "True"}, {"Oculte", "True"}, {"Backup", "False"},
                            {"InserirTexto", "True"}, {"mnuSystray", "False"}, {"NumLock", "1"}, {"Letrona", "False"},
                            {"CalcTop", "1500"}, {"CalcLeft", "600"}, {"CalcHeight", "6000"}})
            m_store->write(QStringLiteral("Conf"), QLatin1String(k), QLatin1String(v));
        auto w = open();
        QVERIFY(checked(*w, "mnuNumeral(0)"));
        QVERIFY(checked(*w, "mnuEnter"));
        QVERIFY(w->engine().enterAdds());
        QVERIFY(checked(*w, "mnuOcultar"));
        QVERIFY(!w->engine().backup());
        QVERIFY(w->engine().insertText());
        QVERIFY(!checked(*w, "mnuSystray"));
        QVERIFY(checked(*w, "mnuNumLock"));
        QVERIFY(!checked(*w, "mnuGrande"));
        QCOMPARE(w->height(), 400);
        QCOMPARE(w->pos() - w->screen()->availableGeometry().topLeft(), QPoint(40, 100));
        QCOMPARE(m_dialogs.shown.size(), 0); // the Enter-adds announcement is for a user's click
    }

    void storedFormat_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("format");
        QTest::newRow("a format") << "4" << 4;
        QTest::newRow("not a number keeps the designed one") << "abc" << 2;
        QTest::newRow("out of range keeps the designed one") << "11" << 2;
    }
    void storedFormat() {
        QFETCH(QString, stored);
        m_store->write(QStringLiteral("Conf"), QStringLiteral("Formato"), stored);
        auto w = open();
        QTEST(w->engine().formatIndex(), "format");
    }

    void positionOffTheScreenStartsAtTheEdge_data() {
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::newRow("negative") << "-300" << "-15";
        QTest::newRow("below and beyond") << "900000" << "900000";
        QTest::newRow("not a number") << "abc" << "x";
        QTest::newRow("beyond any int") << "3,4E+38" << "-3,4E+38";
    }
    void positionOffTheScreenStartsAtTheEdge() {
        QFETCH(QString, top);
        QFETCH(QString, left);
        m_store->write(QStringLiteral("Conf"), QStringLiteral("CalcTop"), top);
        m_store->write(QStringLiteral("Conf"), QStringLiteral("CalcLeft"), left);
        auto w = open();
        QCOMPARE(w->pos() - w->screen()->availableGeometry().topLeft(), QPoint(0, 0));
    }

    void closingSavesTheFullCalculator() {
        auto w = open();
        w->show();
        w->move(w->screen()->availableGeometry().topLeft() + QPoint(40, 60));
        w->action(QStringLiteral("mnuEnter"))->trigger();
        w->action(QStringLiteral("mnuOcultar"))->trigger();
        w->chooseLanguage(3);
        w->close();
        QCOMPARE(stored("CalcEnter"), QStringLiteral("True"));
        QCOMPARE(stored("Oculte"), QStringLiteral("True"));
        QCOMPARE(stored("Idioma"), QStringLiteral("3"));
        QCOMPARE(stored("Backup"), QStringLiteral("True"));
        QCOMPARE(stored("CalcLeft"), QStringLiteral("600"));
        QCOMPARE(stored("CalcTop"), QStringLiteral("900"));
        QCOMPARE(stored("Letrona"), QStringLiteral("True"));
    }

    void togglesAreWrittenAtOnce() {
        auto w = open();
        w->action(QStringLiteral("mnuVisivel"))->trigger();
        w->action(QStringLiteral("mnuInserir"))->trigger();
        QCOMPARE(stored("Visivel"), QStringLiteral("False"));
        QCOMPARE(stored("InserirTexto"), QStringLiteral("True"));
        QCOMPARE(stored("CalcEnter"), QStringLiteral("<none>"));
        w->action(QStringLiteral("mnuNumeral(5)"))->trigger();
        w->action(QStringLiteral("mnuEnter"))->trigger();
        QCOMPARE(stored("Formato"), QStringLiteral("5"));
        QCOMPARE(stored("CalcEnter"), QStringLiteral("True"));
    }

    void auxiliaryCalculatorSavesOnlyItsHeightAndLeft() {
        auto w = open(frmCalcula::Mode::Auxiliary);
        QCOMPARE(w->windowTitle(), QStringLiteral("Calculadora [Aux]"));
        QVERIFY(!w->action(QStringLiteral("mnu1"))->isEnabled());
        QVERIFY(!w->action(QStringLiteral("mnuConfig"))->isEnabled());
        w->show();
        w->close();
        QCOMPARE(stored("MiniHeight"), QString::number(w->height() * 15));
        QCOMPARE(stored("CalcEnter"), QStringLiteral("<none>"));
        QCOMPARE(stored("Idioma"), QStringLiteral("<none>"));
    }

    void switchingLanguageRecaptionsTheMenus() {
        auto w = open();
        const QStringList portugueseOnly = {QStringLiteral("mnuCheque"), QStringLiteral("mnuPromissoria"),
                                            QStringLiteral("mnuExtenso"), QStringLiteral("mnuConverte")};
        w->action(QStringLiteral("mnuEnglish"))->trigger();
        QCOMPARE(currentLanguage(), 2);
        QCOMPARE(w->action(QStringLiteral("mnuLimpar"))->text(), QStringLiteral("Clean (erase ca&lculations)"));
        QCOMPARE(w->action(QStringLiteral("mnuColar"))->text(), QStringLiteral("&Paste"));
        for (const QString& n : portugueseOnly) QVERIFY2(!w->action(n)->isVisible(), qPrintable(n));
        w->action(QStringLiteral("mnuPortuguese"))->trigger();
        QCOMPARE(w->action(QStringLiteral("mnuLimpar"))->text(), QStringLiteral("&Limpar (apagar cálculos)"));
        QCOMPARE(w->action(QStringLiteral("mnuNumeral(4)"))->text(), QStringLiteral("0,00"));
        for (const QString& n : portugueseOnly) QVERIFY2(w->action(n)->isVisible(), qPrintable(n));
    }

    void storedLanguageIsAppliedAtLoad() {
        setCurrentLanguage(4);
        auto w = open();
        QVERIFY(checked(*w, "mnuFrench"));
        QCOMPARE(w->action(QStringLiteral("mnuFita"))->text(), QStringLiteral("&Liste des Calculs (Bande)"));
    }

    void startWithTheSessionFollowsTheMenu() {
        auto w = open();
        const QString entry = m_dir.path() + QStringLiteral("/config/autostart/tabulora.desktop");
        w->action(QStringLiteral("mnuFicar"))->trigger();
        QVERIFY(QFile::exists(entry));
        QVERIFY(checked(*w, "mnuFicar"));
        w->action(QStringLiteral("mnuFicar"))->trigger();
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!checked(*w, "mnuFicar"));
    }
};

QTEST_MAIN(TestFrmCalculaSettings)
#include "tst_frmcalcula_settings.moc"
