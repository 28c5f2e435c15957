#include "i18n/language.h"

#include "i18n/messagecatalog.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace {

struct Primary {
    QLocale::Language language;
    quint16 id;
};

// The Windows primary language identifiers of the languages a user of ours is likely to run.
constexpr Primary kPrimaries[] = {
    {QLocale::Portuguese, 0x16}, {QLocale::Spanish, 0x0a},         {QLocale::French, 0x0c},
    {QLocale::English, 0x09},    {QLocale::German, 0x07},          {QLocale::Italian, 0x10},
    {QLocale::Dutch, 0x13},      {QLocale::Catalan, 0x03},         {QLocale::Galician, 0x56},
    {QLocale::Basque, 0x2d},     {QLocale::Arabic, 0x01},          {QLocale::Chinese, 0x04},
    {QLocale::Japanese, 0x11},   {QLocale::Korean, 0x12},          {QLocale::Russian, 0x19},
    {QLocale::Ukrainian, 0x22},  {QLocale::Polish, 0x15},          {QLocale::Czech, 0x05},
    {QLocale::Hungarian, 0x0e},  {QLocale::Romanian, 0x18},        {QLocale::Greek, 0x08},
    {QLocale::Turkish, 0x1f},    {QLocale::Hebrew, 0x0d},          {QLocale::Swedish, 0x1d},
    {QLocale::Danish, 0x06},     {QLocale::NorwegianBokmal, 0x14}, {QLocale::Finnish, 0x0b},
};

struct Sub {
    QLocale::Language language;
    QLocale::Territory territory;
    quint16 sub;
};

// Sub-languages that differ from 1. Spain is the modern-sort 3 (0x0c0a) that Windows reports.
constexpr Sub kSubs[] = {
    {QLocale::Portuguese, QLocale::Portugal, 2},
    {QLocale::Spanish, QLocale::Mexico, 2},
    {QLocale::Spanish, QLocale::Spain, 3},
    {QLocale::Spanish, QLocale::Guatemala, 4},
    {QLocale::Spanish, QLocale::CostaRica, 5},
    {QLocale::Spanish, QLocale::Panama, 6},
    {QLocale::Spanish, QLocale::DominicanRepublic, 7},
    {QLocale::Spanish, QLocale::Venezuela, 8},
    {QLocale::Spanish, QLocale::Colombia, 9},
    {QLocale::Spanish, QLocale::Peru, 10},
    {QLocale::Spanish, QLocale::Argentina, 11},
    {QLocale::Spanish, QLocale::Ecuador, 12},
    {QLocale::Spanish, QLocale::Chile, 13},
    {QLocale::Spanish, QLocale::Uruguay, 14},
    {QLocale::Spanish, QLocale::Paraguay, 15},
    {QLocale::Spanish, QLocale::Bolivia, 16},
    {QLocale::Spanish, QLocale::ElSalvador, 17},
    {QLocale::Spanish, QLocale::Honduras, 18},
    {QLocale::Spanish, QLocale::Nicaragua, 19},
    {QLocale::Spanish, QLocale::PuertoRico, 20},
    {QLocale::Spanish, QLocale::UnitedStates, 21},
    {QLocale::French, QLocale::Belgium, 2},
    {QLocale::French, QLocale::Canada, 3},
    {QLocale::French, QLocale::Switzerland, 4},
    {QLocale::French, QLocale::Luxembourg, 5},
    {QLocale::French, QLocale::Monaco, 6},
    {QLocale::English, QLocale::UnitedKingdom, 2},
    {QLocale::English, QLocale::Australia, 3},
    {QLocale::English, QLocale::Canada, 4},
    {QLocale::English, QLocale::NewZealand, 5},
    {QLocale::English, QLocale::Ireland, 6},
    {QLocale::English, QLocale::SouthAfrica, 7},
    {QLocale::English, QLocale::Jamaica, 8},
    {QLocale::English, QLocale::Belize, 10},
    {QLocale::English, QLocale::TrinidadAndTobago, 11},
    {QLocale::English, QLocale::Zimbabwe, 12},
    {QLocale::English, QLocale::Philippines, 13},
    {QLocale::English, QLocale::India, 16},
    {QLocale::English, QLocale::Malaysia, 17},
    {QLocale::English, QLocale::Singapore, 18},
    {QLocale::German, QLocale::Switzerland, 2},
    {QLocale::German, QLocale::Austria, 3},
    {QLocale::German, QLocale::Luxembourg, 4},
    {QLocale::German, QLocale::Liechtenstein, 5},
    {QLocale::Italian, QLocale::Switzerland, 2},
};

} // namespace

int languageFromLangId(quint16 langId) {
    // Only the tail of the text counts, so every sub-language of Spanish and French qualifies while
    // Portuguese needs sub-language 1 or 2 exactly.
    const QString tail = QString::number(langId, 16).right(3);
    if (tail == u"416" || tail == u"816") return Language::Portuguese;
    static const QStringList spanish{QStringLiteral("c0a"), QStringLiteral("80a"), QStringLiteral("40a"),
                                     QStringLiteral("00a")};
    if (spanish.contains(tail)) return Language::Spanish;
    static const QStringList french{QStringLiteral("40c"), QStringLiteral("80c"), QStringLiteral("c0c"),
                                    QStringLiteral("00c")};
    if (french.contains(tail)) return Language::French;
    return Language::English;
}

quint16 langIdFor(QLocale::Language language, QLocale::Territory territory) {
    if (language == QLocale::C) return 0x0409;
    quint16 primary = 0;
    for (const Primary& p : kPrimaries)
        if (p.language == language) primary = p.id;
    quint16 sub = 1;
    if (primary != 0)
        for (const Sub& s : kSubs)
            if (s.language == language && s.territory == territory) sub = s.sub;
    return static_cast<quint16>(sub << 10 | primary);
}

quint16 systemLangId() {
    const QLocale system = QLocale::system();
    return langIdFor(system.language(), system.territory());
}

int chooseLanguage(const QString& storedIdioma, quint16 langId) {
    bool ok = false;
    const int stored = storedIdioma.trimmed().toInt(&ok);
    if (ok && stored >= Language::Portuguese && stored <= Language::French) return stored;
    return languageFromLangId(langId);
}

bool applyQtTranslations(int language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    // The application owns the one translator of Qt's texts; a language switch reloads it.
    const QString name = QStringLiteral("qtTranslations");
    auto* translator = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
    if (translator) {
        QCoreApplication::removeTranslator(translator);
    } else {
        translator = new QTranslator(app);
        translator->setObjectName(name);
    }
    static const char* const files[] = {nullptr, "qtbase_pt_BR", nullptr, "qtbase_es", "qtbase_fr"};
    if (language < 1 || language > 4 || !files[language]) return language == Language::English;
    if (!translator->load(QLatin1String(files[language]), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(translator);
}
