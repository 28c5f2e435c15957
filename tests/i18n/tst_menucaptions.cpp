#include "i18n/menucaptions.h"

#include <QTest>
#include <algorithm>

namespace {
const MenuCaption* find(const QList<MenuCaption>& list, const QString& name) {
    const auto it = std::find_if(list.begin(), list.end(), [&](auto& c) { return c.objectName == name; });
    return it == list.end() ? nullptr : &*it;
}
} // namespace

class TestMenuCaptions : public QObject {
    Q_OBJECT

  private slots:
    void wellFormed_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= 4; ++language)
            QTest::addRow("%d", language) << language;
    }
    // Every entry says something, once: a missing catalogue text would blank a menu. The tools that
    // exist only in Portuguese show in Portuguese alone; each language has its entry.
    void wellFormed() {
        QFETCH(int, language);
        const QList<MenuCaption> main = mainMenuCaptions(language, u',');
        for (const QList<MenuCaption>& list : {main, trayMenuCaptions(language)}) {
            QStringList names;
            for (const auto& [name, caption, visible] : list) {
                names << name;
                QVERIFY2(caption ? !caption->trimmed().isEmpty() : visible.has_value(), qPrintable(name));
            }
            QCOMPARE(names.removeDuplicates(), 0);
        }
        for (const char* tool : {"mnuCheque", "mnuPromissoria", "mnuExtenso", "mnuConverte"})
            QVERIFY2(find(main, tool) && find(main, tool)->visible == (language == 1), tool);
        QVERIFY(find(main, languageMenuName(language)));
        QCOMPARE(languageOfMenu(languageMenuName(language)), language);
    }

    // The names "tray:..." are entries of the tray menu. The English rows use a decimal point.
    void captions_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption"); // "<none>": no such entry or it keeps its caption
        QTest::newRow("catalogue, fr") << 4 << u"mnuUndo"_qs << u"&Défaire"_qs;
        QTest::newRow("fixed, pt") << 1 << u"mnuColar"_qs << u"Colar no &Visor"_qs;
        QTest::newRow("fixed, English for fr") << 4 << u"mnuColar"_qs << u"&Paste"_qs;
        QTest::newRow("own language name, es") << 3 << u"mnuFrench"_qs << u"&Français"_qs;
        QTest::newRow("decimals, comma") << 1 << u"mnuNumeral(4)"_qs << u"0,00"_qs;
        QTest::newRow("decimals, point") << 2 << u"mnuNumeral(10)"_qs << u"0.00000000"_qs;
        QTest::newRow("tray show, fr")
            << 4 << u"tray:mnuSystray"_qs << u"Afficher la calculatrice    Ctrl+Shift+C"_qs;
        QTest::newRow("tray trimmed, es") << 3 << u"tray:mnuAlarme(0)"_qs << u"Hora para la Alarma"_qs;
    }
    void captions() {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        const QList<MenuCaption> list = name.startsWith("tray:")
                                            ? trayMenuCaptions(language)
                                            : mainMenuCaptions(language, language == 2 ? u'.' : u',');
        const MenuCaption* entry = find(list, name.remove("tray:"));
        QCOMPARE(entry && entry->caption ? *entry->caption : u"<none>"_qs, caption);
    }
};

QTEST_GUILESS_MAIN(TestMenuCaptions)
#include "tst_menucaptions.moc"
