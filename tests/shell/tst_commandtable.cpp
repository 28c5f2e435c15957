// The command table: every control says something in every language, once, with its own shortcut
// and hotkeys; and the tray menu's captions.

#include "i18n/menucaptions.h"
#include "shell/commandtable.h"

#include <QTest>

class TestCommandTable : public QObject {
    Q_OBJECT

  private slots:
    // A missing catalogue text would blank a menu or the tray's; a name, shortcut or hotkey given
    // twice would make one of the two unreachable.
    void wellFormed() {
        QStringList names, keys;
        for (const Command& c : CommandTable::all()) {
            if (c.kind == CommandKind::Separator || c.kind == CommandKind::Hotkey) continue;
            names << c.objectName;
            if (c.shortcut.key() != Qt::Key_unknown) keys << QString::number(c.shortcut.toCombined());
            for (int lang = 1; lang <= 4; ++lang)
                QVERIFY2(!CommandTable::caption(c, lang, u',').trimmed().isEmpty(), qPrintable(c.objectName));
        }
        for (const GlobalHotkeys::Hotkey& h : CommandTable::hotkeys())
            keys << QString("%1+%2").arg(int(h.modifiers)).arg(h.keysym);
        for (int lang = 1; lang <= 4; ++lang)
            for (const MenuCaption& c : trayMenuCaptions(lang))
                QVERIFY2(!c.caption.value_or(QString()).trimmed().isEmpty(), qPrintable(c.objectName));
        QCOMPARE(names.removeDuplicates() + keys.removeDuplicates(), 0);
    }

    // Rows "language name": the names "tray:..." are entries of the tray menu; the English rows use a
    // decimal point.
    void captions_data() {
        QTest::addColumn<QString>("caption");
        QTest::newRow("4 mnuUndo") << u"&Défaire"_qs;         // from the catalogue
        QTest::newRow("1 mnuColar") << u"Colar no &Visor"_qs; // fixed
        QTest::newRow("4 mnuColar") << u"&Paste"_qs;          // the English one for every other language
        QTest::newRow("3 mnuFrench") << u"&Français"_qs;      // each language in its own words
        QTest::newRow("1 mnuNumeral(4)") << u"0,00"_qs;
        QTest::newRow("2 mnuNumeral(10)") << u"0.00000000"_qs;
        QTest::newRow("2 mnuSalvar") << u"&Save in File"_qs; // with its access key
        QTest::newRow("2 chkVirgula") << u"."_qs;
        QTest::newRow("4 tray:mnuSystray") << u"Afficher la calculatrice    Ctrl+Shift+C"_qs;
        QTest::newRow("3 tray:mnuAlarme(0)") << u"Hora para la Alarma"_qs; // trimmed
    }
    void captions() {
        const QString row = QTest::currentDataTag(), name = row.mid(2);
        const int lang = row.front().digitValue();
        QString caption;
        for (const MenuCaption& c : trayMenuCaptions(lang))
            if ("tray:" + c.objectName == name) caption = c.caption.value_or(QString());
        for (const Command& c : CommandTable::all())
            if (c.objectName == name) caption = CommandTable::caption(c, lang, lang == 2 ? u'.' : u',');
        QTEST(caption, "caption");
    }
};

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
