#include "settings/options.h"

#include "settings/confkeys.h"
#include "settings/settingsstore.h"

#include <variant>

namespace {

struct IntRange {
    int Options::*member;
    int min;
    int max;
};

struct Row {
    Option option;
    const char* key;
    std::variant<bool Options::*, IntRange, QString Options::*> member;
};

// clang-format off
const Row kRows[] = {
    {Option::Format,           "Formato",      IntRange{&Options::format, 0, 10}},
    {Option::ColourScheme,     "Cor",          IntRange{&Options::colourScheme, 1, 4}},
    {Option::EnterAdds,        "CalcEnter",    &Options::enterAdds},
    {Option::LargeFont,        "Letrona",      &Options::largeFont},
    {Option::InsertText,       "InserirTexto", &Options::insertText},
    {Option::StayInTray,       "mnuSystray",   &Options::stayInTray},
    {Option::ClipboardMonitor, "Monitor",      &Options::clipboardMonitor},
    {Option::KeypadHidden,     "Oculte",       &Options::keypadHidden},
    {Option::Hotkeys,          "HotKey",       &Options::hotkeys},
    {Option::OfficeMenus,      "MenuXP",       &Options::officeMenus},
    {Option::KeySound,         "Sons",         IntRange{&Options::keySound, 1, 3}},
    {Option::Instrument,       "Instrumento",  IntRange{&Options::instrument, 0, 127}},
    {Option::AlwaysOnTop,      "Visivel",      &Options::alwaysOnTop},
    {Option::Backup,           "Backup",       &Options::backup},
    {Option::NumLockAlways,    "NumLock",      &Options::numLockAlways},
    {Option::Language,         "Idioma",       IntRange{&Options::language, 0, 4}},
    {Option::Protection,       "Segur",        &Options::protection},
    {Option::RollPrinterPort,  "Porta",        &Options::rollPrinterPort},
    {Option::LastSavedFile,    "UltimoArq",    &Options::lastSavedFile},
    {Option::LastSavedFolder,  "UltimoPath",   &Options::lastSavedFolder},
    {Option::PrintDevice,      "ImpDispo",     &Options::printDevice},
};
// clang-format on

const Row& rowOf(Option option) {
    return kRows[int(option)];
}

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

} // namespace

QString optionKey(Option option) {
    return QLatin1String(rowOf(option).key);
}

Options readOptions(const SettingsStore& store) {
    Options options;
    const QString section = QLatin1String(conf::Section);
    for (const Row& row : kRows) {
        // A missing key reads as the default's own text, which converts back to the default.
        const QString key = QLatin1String(row.key);
        std::visit(Overloaded{
                       [&](bool Options::*member) {
                           if (const auto value = toBool(store.read(section, key, fromBool(options.*member))))
                               options.*member = *value;
                       },
                       [&](IntRange range) {
                           bool isNumber = false;
                           const int value = store.read(section, key, QString::number(options.*range.member))
                                                 .trimmed()
                                                 .toInt(&isNumber);
                           if (isNumber && value >= range.min && value <= range.max)
                               options.*range.member = value;
                       },
                       [&](QString Options::*member) {
                           options.*member = store.read(section, key, options.*member);
                       },
                   },
                   row.member);
    }
    return options;
}

QString optionText(const Options& options, Option option) {
    return std::visit(Overloaded{
                          [&](bool Options::*member) { return fromBool(options.*member); },
                          [&](IntRange range) { return QString::number(options.*range.member); },
                          [&](QString Options::*member) { return options.*member; },
                      },
                      rowOf(option).member);
}

void writeOption(SettingsStore& store, const Options& options, Option option) {
    store.write(QLatin1String(conf::Section), optionKey(option), optionText(options, option));
}
