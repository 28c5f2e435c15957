#include "i18n/menucaptions.h"

#include "i18n/messagecatalog.h"

namespace {

MenuCaption captioned(const QString& name, const QString& caption) {
    return {name, caption, std::nullopt};
}

} // namespace

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
