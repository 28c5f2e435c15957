#include "shell/windowgeometry.h"

#include "shell/confkeys.h"
#include "shell/settingsstore.h"

#include <algorithm>
#include <climits>
#include <cmath>

// Sums in 64 bits: a stored measure near the int limits must clamp, not overflow.
int clampTop(int top, int height, int screenHeight, bool compact) {
    if (compact || top < 0 || qint64(top) + height > screenHeight) return 0;
    return top;
}

int clampLeft(int left, int width, int screenWidth) {
    if (left < 0 || qint64(left) + width > screenWidth) return 0;
    return left;
}

int defaultLeft(int screenWidth, int windowWidth) {
    return screenWidth - windowWidth - 360;
}

int twipsPerPixel(int dpi) {
    if (dpi <= 0) dpi = 96;
    return std::max(1, int(std::lround(double(TwipsPerInch) / dpi)));
}

int pixelsToTwips(int pixels, int dpi) {
    return int(std::clamp(qint64(pixels) * twipsPerPixel(dpi), qint64(INT_MIN), qint64(INT_MAX)));
}

int twipsToPixels(double twips, int dpi) {
    if (!std::isfinite(twips)) return 0;
    const double pixels = std::round(twips / twipsPerPixel(dpi));
    return int(std::clamp(pixels, double(INT_MIN), double(INT_MAX)));
}

QList<QPair<QString, QString>> closeSaveEntries(const CloseState& state, const QLocale& locale) {
    QList<QPair<QString, QString>> entries;
    const auto add = [&entries](const conf::Key& key, const QString& text) {
        entries.append({QString::fromUtf8(key.name), text});
    };
    if (state.mode != CloseState::Mode::Full) {
        if (!state.minimized) {
            add(conf::MiniHeight, fromMeasure(state.height, locale));
            add(conf::CalcLeft, fromMeasure(state.left, locale));
        }
        return entries;
    }
    add(conf::CalcEnter, fromBool(state.calcEnter));
    add(conf::Oculte, fromBool(state.keypadHidden));
    add(conf::Backup, fromBool(state.backup));
    add(conf::Idioma, QString::number(state.language));
    add(conf::HotKey, fromBool(state.hotKey));
    if (!state.minimized) {
        add(conf::CalcHeight, fromMeasure(state.height, locale));
        add(conf::CalcTop, fromMeasure(state.top, locale));
        add(conf::CalcLeft, fromMeasure(state.left, locale));
        add(conf::Letrona, fromBool(state.largeFont));
    }
    return entries;
}

void saveOnClose(SettingsStore& store, const CloseState& state, const QLocale& locale) {
    const QString section = QString::fromUtf8(conf::Section);
    for (const auto& [key, text] : closeSaveEntries(state, locale))
        store.write(section, key, text);
}
