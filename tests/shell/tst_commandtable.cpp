// The command table: every control says something in every language, once, with its own shortcut
// and hotkeys; and the tray menu's captions.

#include "i18n/menucaptions.h"
#include "shell/commandtable.h"

#include <QSet>
#include <QTest>

class TestCommandTable : public QObject {
    Q_OBJECT

  private slots:
    void wellFormed_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 4; ++language) QTest::addRow("%d", language) << language;
    }
    // A missing catalogue text would blank a menu; a name, shortcut or hotkey given twice would make
    // one of the two unreachable.
    void wellFormed() {
        QFETCH(int, language);
        QSet<QString> names;
        QSet<int> shortcuts;
        QSet<QPair<quint32, int>> hotkeys;
        for (const Command& c : CommandTable::all()) {
            if (c.kind == CommandKind::Separator || c.kind == CommandKind::Hotkey) continue;
            QVERIFY2(!CommandTable::caption(c, language, u',').trimmed().isEmpty(), qPrintable(c.objectName));
            QVERIFY2(!names.contains(c.objectName), qPrintable(c.objectName));
            names.insert(c.objectName);
            if (c.shortcut.key() != Qt::Key_unknown) {
                QVERIFY2(!shortcuts.contains(c.shortcut.toCombined()), qPrintable(c.objectName));
                shortcuts.insert(c.shortcut.toCombined());
            }
        }
        for (const GlobalHotkeys::Hotkey& h : CommandTable::hotkeys()) {
            QVERIFY(!hotkeys.contains({h.keysym, int(h.modifiers)}));
            hotkeys.insert({h.keysym, int(h.modifiers)});
        }
        for (const MenuCaption& c : trayMenuCaptions(language))
            QVERIFY2(c.caption && !c.caption->trimmed().isEmpty(), qPrintable(c.objectName));
    }

    // The names "tray:..." are entries of the tray menu. The English rows use a decimal point.
    void captions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("catalogue, fr") << 4 << u"mnuUndo"_qs << u"&Défaire"_qs;
        QTest::newRow("fixed, pt") << 1 << u"mnuColar"_qs << u"Colar no &Visor"_qs;
        QTest::newRow("fixed, English for fr") << 4 << u"mnuColar"_qs << u"&Paste"_qs;
        QTest::newRow("own language name, es") << 3 << u"mnuFrench"_qs << u"&Français"_qs;
        QTest::newRow("decimals, comma") << 1 << u"mnuNumeral(4)"_qs << u"0,00"_qs;
        QTest::newRow("decimals, point") << 2 << u"mnuNumeral(10)"_qs << u"0.00000000"_qs;
        QTest::newRow("save, with its access key") << 2 << u"mnuSalvar"_qs << u"&Save in File"_qs;
        QTest::newRow("the separator key") << 2 << u"chkVirgula"_qs << u"."_qs;
        QTest::newRow("tray show, fr") << 4 << u"tray:mnuSystray"_qs << u"Afficher la calculatrice    Ctrl+Shift+C"_qs;
        QTest::newRow("tray trimmed, es") << 3 << u"tray:mnuAlarme(0)"_qs << u"Hora para la Alarma"_qs;
    }
    void captions() {
        QFETCH(int, language);
        QFETCH(QString, name);
        const QChar decimal = language == 2 ? u'.' : u',';
        QString caption;
        if (name.startsWith("tray:")) {
            for (const MenuCaption& c : trayMenuCaptions(language))
                if (c.objectName == name.mid(5)) caption = c.caption.value_or(QString());
        } else {
            for (const Command& c : CommandTable::all())
                if (c.objectName == name) caption = CommandTable::caption(c, language, decimal);
        }
        QTEST(caption, "caption");
    }
};

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
