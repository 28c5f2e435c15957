// The tray window that owns the process: its menu follows the calculator's language.

#include "ui/frmsystray.h"
#include "settings/settingsstore.h"
#include "support/testcontext.h"

#include <QAction>
#include <QtTest>

class TestFrmSysTray : public QObject {
    Q_OBJECT

  private slots:
    void trayMenuFollowsTheLanguage() {
        TestContext run;
        SettingsStore settings(run.dir.filePath(QStringLiteral("Tabulora.ini")));
        frmSysTray tray(run.context, &settings);
        QVERIFY(tray.load());
        QVERIFY(tray.calculator());
        auto* quit = tray.findChild<QAction*>(QStringLiteral("mnuSair"));
        QVERIFY(quit);
        QCOMPARE(quit->text(), MessageCatalog::message(87, Language::Portuguese));
        tray.controller()->run(CommandId::French);
        QCOMPARE(quit->text(), MessageCatalog::message(87, Language::French));
        QVERIFY(quit->text() != MessageCatalog::message(87, Language::Portuguese));
    }
};

QTEST_MAIN(TestFrmSysTray)
#include "tst_frmsystray.moc"
