#include "i18n/menucaptions.h"

#include "i18n/messagecatalog.h"

namespace {

struct Entry {
    const char* name;
    int message;
};

constexpr Entry kMainMenu[] = {
    {"mnu1", 88},
    {"mnuOutra", 89},
    {"mnuWindows", 90},
    {"mnuData", 91},
    {"mnuTempo", 92},
    {"mnuJuro", 93},
    {"mnuRegra", 177},
    {"mnuCopiar", 94},
    {"mnuUndo", 217},
    {"mnuRedo", 219},
    {"mnuUtil", 83},
    {"mnuFita", 96},
    {"mnuEditar", 97},
    {"mnuLocalizar", 98},
    {"mnuLimpar", 99},
    {"mnuAgrupar", 174},
    {"mnuBackup", 170},
    {"mnuMostraBack", 169},
    {"mnuImprimir(0)", 100},
    {"mnuImprimir(1)", 101},
    {"mnuImprimir(2)", 102},
    {"mnuMatricial", 175},
    {"mnuConfig", 103},
    {"mnuOcultar", 104},
    {"mnuGrande", 214},
    {"mnuFicar", 105},
    {"mnuSystray", 11},
    {"mnuNumLock", 216},
    {"mnuMonit", 106},
    {"mnuVisivel", 107},
    {"mnuForm", 108},
    {"mnuNumeral(0)", 109},
    {"mnuNumeral(1)", 110},
    {"mnuNumeral(2)", 111},
    {"mnuEsquema", 112},
    {"mnuCor1", 113},
    {"mnuCor2", 114},
    {"mnuCor3", 115},
    {"mnuCor4", 116},
    {"mnuSomEscolher", 117},
    {"mnuSemSom", 118},
    {"mnuSom", 120},
    {"mnuIdioma", 121},
    {"mnu4", 122},
    {"mnuEnter", 123},
    {"mnuIgual", 124},
    {"mnuAjuda", 125},
    {"mnuCalc", 126},
    {"mnuEmail", 128},
};

constexpr const char* kPortugueseOnlyTools[] = {"mnuCheque", "mnuPromissoria", "mnuExtenso", "mnuConverte"};

// Entries whose translations were never made; other languages share the English caption.
struct FixedPair {
    const char* name;
    const char* portuguese;
    const char* english;
};
constexpr FixedPair kPortugueseOrEnglish[] = {
    {"mnuPeso", "Calcular Peso Ideal (IMC)", "Ideal Weight"},
    {"mnuInserir", "&Inserir Texto Durante o Cálculo", "&Insert Text While Calculate"},
    {"mnuColar", "Colar no &Visor", "&Paste"},
    {"mnuHotKey", "&HotKeys (CTRL + Teclado Numérico)", "&HotKeys (CTRL + Numeric Keyboard)"},
};

// Each language's entry carries its own name in its own language, whatever the current one is.
struct LanguageEntry {
    const char* name;
    int language;
    const char* caption;
};
constexpr LanguageEntry kLanguageEntries[] = {
    {"mnuPortuguese", Language::Portuguese, "&Português"},
    {"mnuEnglish", Language::English, "&English"},
    {"mnuSpanish", Language::Spanish, "E&spañol"},
    {"mnuFrench", Language::French, "&Français"},
};

MenuCaption captioned(const QString& name, const QString& caption) {
    return {name, caption, std::nullopt};
}

} // namespace

QList<MenuCaption> mainMenuCaptions(int language, QChar sepDecimal) {
    QList<MenuCaption> list;
    for (const Entry& e : kMainMenu)
        list.append(captioned(QLatin1String(e.name), MessageCatalog::message(e.message, language)));
    list.append(captioned(QStringLiteral("mnuSalvar"), u'&' + MessageCatalog::message(208, language)));

    // mnuNumeral(3) .. (10): one to eight fixed decimals, shown as zero in that format.
    for (int decimals = 1; decimals <= 8; ++decimals)
        list.append(captioned(QStringLiteral("mnuNumeral(%1)").arg(decimals + 2),
                              u'0' + QString(sepDecimal) + QString(decimals, u'0')));

    list.append(captioned(QStringLiteral("mnu9"), QStringLiteral("?")));
    list.append(captioned(QStringLiteral("mnuBeep"), QStringLiteral("&Beep, Beep...")));
    list.append(captioned(QStringLiteral("mnuXP"), QStringLiteral("Office &XP menu")));
    for (const LanguageEntry& e : kLanguageEntries)
        list.append(captioned(QLatin1String(e.name), QString::fromUtf8(e.caption)));

    const bool portuguese = language == Language::Portuguese;
    for (const char* name : kPortugueseOnlyTools)
        list.append({QLatin1String(name), std::nullopt, portuguese});
    for (const FixedPair& f : kPortugueseOrEnglish)
        list.append(
            captioned(QLatin1String(f.name), QString::fromUtf8(portuguese ? f.portuguese : f.english)));
    return list;
}

QList<MenuCaption> trayMenuCaptions(int language) {
    const auto msg = [language](int number) { return MessageCatalog::message(number, language); };
    return {
        captioned(QStringLiteral("mnuSystray"),
                  MessageCatalog::message(81, language, QStringLiteral("   Ctrl+Shift+C"))),
        captioned(QStringLiteral("mnuUtil"), msg(83)),
        captioned(QStringLiteral("mnuAlarme(0)"), msg(67).trimmed()),
        captioned(QStringLiteral("mnuDesligar"), msg(70).trimmed()),
        captioned(QStringLiteral("mnuProteger"), msg(84)),
        captioned(QStringLiteral("mnuAtalho"), msg(85)),
        captioned(QStringLiteral("mnuSair"), msg(87)),
    };
}

QString languageMenuName(int language) {
    for (const LanguageEntry& e : kLanguageEntries)
        if (e.language == language) return QLatin1String(e.name);
    return {};
}

int languageOfMenu(const QString& objectName) {
    for (const LanguageEntry& e : kLanguageEntries)
        if (objectName == QLatin1String(e.name)) return e.language;
    return 0;
}
