#include "shell/menucaptions.h"

#include <QSet>
#include <QtTest>

namespace {
const MenuCaption* find(const QList<MenuCaption>& list, const QString& name) {
    for (const MenuCaption& c : list)
        if (c.objectName == name) return &c;
    return nullptr;
}

QString captionOf(const QList<MenuCaption>& list, const QString& name) {
    const MenuCaption* c = find(list, name);
    return c && c->caption ? *c->caption : QStringLiteral("<none>");
}

const QStringList kPortugueseOnly{"mnuCheque", "mnuPromissoria", "mnuExtenso", "mnuConverte"};
} // namespace

class TestMenuCaptions : public QObject {
    Q_OBJECT
  private slots:
    void wellFormed_data();
    void wellFormed();
    void captions_data();
    void captions();
    void switchingShowsOrHidesTools_data();
    void switchingShowsOrHidesTools();
    void numerals_data();
    void numerals();
    void tray_data();
    void tray();
    void languageEntries();
};

void TestMenuCaptions::wellFormed_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("tray");
    for (int language = 1; language <= 4; ++language) {
        QTest::addRow("main %d", language) << language << false;
        QTest::addRow("tray %d", language) << language << true;
    }
}

// Every entry must say something, once: a missing catalogue text would blank a menu.
void TestMenuCaptions::wellFormed() {
    QFETCH(int, language);
    QFETCH(bool, tray);
    const QList<MenuCaption> list = tray ? trayMenuCaptions(language) : mainMenuCaptions(language, u',');
    QSet<QString> names;
    for (const MenuCaption& c : list) {
        QVERIFY2(!names.contains(c.objectName), qPrintable(c.objectName));
        names.insert(c.objectName);
        QVERIFY2(c.caption || c.visible, qPrintable(c.objectName));
        if (c.caption) QVERIFY2(!c.caption->trimmed().isEmpty(), qPrintable(c.objectName));
    }
}

void TestMenuCaptions::captions_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    QTest::newRow("options pt") << 1 << "mnu1"
                                << "&Opções";
    QTest::newRow("undo fr") << 4 << "mnuUndo"
                             << "&Défaire";
    QTest::newRow("tray option es") << 3 << "mnuSystray"
                                    << "Fijar en la Barra de &Herramientas";
    QTest::newRow("quoted NumLock en") << 2 << "mnuNumLock"
                                       << "\"N&umLock\" always ON";
    QTest::newRow("indexed print es") << 3 << "mnuImprimir(1)"
                                      << "Imprimir con Letra &Mediana";
    QTest::newRow("save pt") << 1 << "mnuSalvar"
                             << "&Salvar em Arquivo";
    QTest::newRow("save en") << 2 << "mnuSalvar"
                             << "&Save in File";
    QTest::newRow("save fr") << 4 << "mnuSalvar"
                             << "&Sauvegarder sur Archive";
    QTest::newRow("help title") << 3 << "mnu9"
                                << "?";
    QTest::newRow("beep") << 4 << "mnuBeep"
                          << "&Beep, Beep...";
    QTest::newRow("xp") << 1 << "mnuXP"
                        << "Office &XP menu";
    QTest::newRow("Português in English") << 2 << "mnuPortuguese"
                                          << "&Português";
    QTest::newRow("English in Portuguese") << 1 << "mnuEnglish"
                                           << "&English";
    QTest::newRow("Español in French") << 4 << "mnuSpanish"
                                       << "E&spañol";
    QTest::newRow("Français in Spanish") << 3 << "mnuFrench"
                                         << "&Français";
    QTest::newRow("weight pt") << 1 << "mnuPeso"
                               << "Calcular Peso Ideal (IMC)";
    QTest::newRow("insert pt") << 1 << "mnuInserir"
                               << "&Inserir Texto Durante o Cálculo";
    QTest::newRow("paste pt") << 1 << "mnuColar"
                              << "Colar no &Visor";
    QTest::newRow("hotkeys pt") << 1 << "mnuHotKey"
                                << "&HotKeys (CTRL + Teclado Numérico)";
    for (int language = 2; language <= 4; ++language) {
        QTest::addRow("weight %d", language) << language << "mnuPeso"
                                             << "Ideal Weight";
        QTest::addRow("insert %d", language) << language << "mnuInserir"
                                             << "&Insert Text While Calculate";
        QTest::addRow("paste %d", language) << language << "mnuColar"
                                            << "&Paste";
        QTest::addRow("hotkeys %d", language) << language << "mnuHotKey"
                                              << "&HotKeys (CTRL + Numeric Keyboard)";
    }
}

void TestMenuCaptions::captions() {
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(captionOf(mainMenuCaptions(language, u','), name), caption);
}

void TestMenuCaptions::switchingShowsOrHidesTools_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("visible");
    QTest::newRow("Português") << 1 << true;
    QTest::newRow("English") << 2 << false;
    QTest::newRow("Español") << 3 << false;
    QTest::newRow("Français") << 4 << false;
}

// Switching to another language hides them, switching back shows them; their captions stay
// the designed Portuguese ones.
void TestMenuCaptions::switchingShowsOrHidesTools() {
    QFETCH(int, language);
    QFETCH(bool, visible);
    const QList<MenuCaption> list = mainMenuCaptions(language, u',');
    for (const QString& name : kPortugueseOnly) {
        const MenuCaption* c = find(list, name);
        QVERIFY2(c, qPrintable(name));
        QVERIFY(!c->caption);
        QCOMPARE(c->visible, std::optional<bool>(visible));
    }
}

void TestMenuCaptions::numerals_data() {
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::newRow("comma, one decimal") << QChar(u',') << 3 << "0,0";
    QTest::newRow("comma, two decimals") << QChar(u',') << 4 << "0,00";
    QTest::newRow("comma, eight decimals") << QChar(u',') << 10 << "0,00000000";
    QTest::newRow("point, one decimal") << QChar(u'.') << 3 << "0.0";
    QTest::newRow("point, five decimals") << QChar(u'.') << 7 << "0.00000";
    QTest::newRow("point, eight decimals") << QChar(u'.') << 10 << "0.00000000";
}

void TestMenuCaptions::numerals() {
    QFETCH(QChar, sep);
    QFETCH(int, index);
    QFETCH(QString, caption);
    const QList<MenuCaption> list = mainMenuCaptions(2, sep);
    QCOMPARE(captionOf(list, QStringLiteral("mnuNumeral(%1)").arg(index)), caption);
    QVERIFY(!find(list, "mnuNumeral(11)"));
}

void TestMenuCaptions::tray_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("show pt") << 1 << "mnuSystray"
                             << "Exibir Calculadora    Ctrl+Shift+C";
    QTest::newRow("show en") << 2 << "mnuSystray"
                             << "Show Calculator    Ctrl+Shift+C";
    QTest::newRow("show fr") << 4 << "mnuSystray"
                             << "Afficher la calculatrice    Ctrl+Shift+C";
    QTest::newRow("alarm trimmed pt") << 1 << "mnuAlarme(0)"
                                      << "Agendar Horário para Alarme";
    QTest::newRow("alarm trimmed es") << 3 << "mnuAlarme(0)"
                                      << "Hora para la Alarma";
    QTest::newRow("shutdown trimmed fr") << 4 << "mnuDesligar"
                                         << "Programmez l'horaire d'arrêt du PC";
    QTest::newRow("tools en") << 2 << "mnuUtil"
                              << "Tool&s";
    QTest::newRow("protect es") << 3 << "mnuProteger"
                                << "Proteger configuraciones de Windows";
    QTest::newRow("shortcut fr") << 4 << "mnuAtalho"
                                 << "Créer raccourci dans le menu Démarrer du Windows";
    QTest::newRow("exit es") << 3 << "mnuSair"
                             << "Salir";
}

void TestMenuCaptions::tray() {
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(captionOf(trayMenuCaptions(language), name), caption);
}

void TestMenuCaptions::languageEntries() {
    for (int language = 1; language <= 4; ++language) {
        const QString name = languageMenuName(language);
        QVERIFY(find(mainMenuCaptions(language, u','), name));
        QCOMPARE(languageOfMenu(name), language);
    }
    QCOMPARE(languageMenuName(0), QString());
    QCOMPARE(languageMenuName(5), QString());
    QCOMPARE(languageOfMenu("mnuIdioma"), 0);
}

QTEST_GUILESS_MAIN(TestMenuCaptions)
#include "tst_menucaptions.moc"
