// The tray window that owns the process: its menu, in every language, shared with the calculator.

#include "settings/settingsstore.h"
#include "support/testcontext.h"
#include "ui/frmsystray.h"

#include <QAction>
#include <QMenu>
#include <QtTest>
#include <functional>

class TestFrmSysTray : public QObject {
    Q_OBJECT

  private slots:
    // The tray menu in its order, every entry captioned in each language; the calculator's
    // Utilities entry opens the very same submenu.
    void trayMenuInItsOrderAndLanguages_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("command");
        QTest::newRow("pt") << int(Language::Portuguese) << int(CommandId::Portuguese);
        QTest::newRow("en") << int(Language::English) << int(CommandId::English);
        QTest::newRow("es") << int(Language::Spanish) << int(CommandId::Spanish);
        QTest::newRow("fr") << int(Language::French) << int(CommandId::French);
    }
    void trayMenuInItsOrderAndLanguages() {
        QFETCH(int, language);
        QFETCH(int, command);
        TestContext run;
        SettingsStore settings(run.dir.filePath(QStringLiteral("Tabulora.ini")));
        frmSysTray tray(run.context, &settings);
        QVERIFY(tray.load());
        tray.controller()->run(CommandId(command));
        QString order, uncaptioned;
        std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
            for (const QAction* a : menu->actions()) {
                order += a->isSeparator() ? QStringLiteral("-") : a->objectName();
                if (!a->isSeparator() && a->text().trimmed().isEmpty()) uncaptioned += a->objectName();
                if (a->menu()) {
                    order += '[';
                    walk(a->menu());
                    order += ']';
                }
                order += ' ';
            }
        };
        walk(tray.trayMenu());
        QCOMPARE(order, "mnuSystray - mnuUtil[mnuAlarme(0) mnuDesligar mnuProteger - mnuAtalho ] - mnuSair ");
        QCOMPARE(uncaptioned, QString());
        const QList<QAction*> show = tray.trayMenu()->actions();
        QCOMPARE(show[0]->text(), MessageCatalog::message(81, language, "   Ctrl+Shift+C"));
        QCOMPARE(show.last()->text(), MessageCatalog::message(87, language));
        QCOMPARE(tray.trayMenu()->defaultAction(), show[0]);
        auto* options = tray.calculator()->findChild<QMenu*>(QStringLiteral("mnu1"));
        QVERIFY(options->actions().contains(show[2]));
        QVERIFY(show[2]->isEnabled());
    }
};

QTEST_MAIN(TestFrmSysTray)
#include "tst_frmsystray.moc"
