// The tray window that owns the process: its menu follows the calculator's language.

#include "ui/frmsystray.h"
#include "i18n/messagecatalog.h"
#include "shell/program.h"
#include "settings/settingsstore.h"
#include "support/fakeclipboard.h"
#include "support/fakedesktop.h"
#include "support/fakedialogs.h"
#include "support/fakeinstancechannel.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

class TestFrmSysTray : public QObject {
    Q_OBJECT

  private slots:
    void trayMenuFollowsTheLanguage() {
        QTemporaryDir dir;
        setCurrentLanguage(1);
        program().CaminhoApp = dir.path() + QLatin1Char('/');
        FakeClipboard clipboard;
        FakeDialogs dialogs;
        FakeDesktop desktop;
        FakeInstanceChannel channel;
        SettingsStore settings(dir.filePath(QStringLiteral("Tabulora.ini")));
        frmSysTray tray({{}, &clipboard, &dialogs, &desktop, &settings, &channel, nullptr});
        QVERIFY(tray.load());
        QVERIFY(tray.calculator());
        auto* quit = tray.findChild<QAction*>(QStringLiteral("mnuSair"));
        QVERIFY(quit);
        QCOMPARE(quit->text(), MessageCatalog::message(87, Language::Portuguese));
        tray.calculator()->chooseLanguage(Language::French);
        QCOMPARE(quit->text(), MessageCatalog::message(87, Language::French));
        QVERIFY(quit->text() != MessageCatalog::message(87, Language::Portuguese));
    }
};

QTEST_MAIN(TestFrmSysTray)
#include "tst_frmsystray.moc"
