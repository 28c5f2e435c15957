#include "settings/windowgeometry.h"

#include "settings/confkeys.h"
#include "settings/settingsstore.h"

#include <QStringList>

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

QList<QPair<QString, QString>> closeSaveEntries(WindowMode mode, bool minimized, const Options& options,
                                                const WindowMeasures& measures, const QLocale& locale) {
    QList<QPair<QString, QString>> entries;
    if (mode != WindowMode::Full) {
        if (!minimized) {
            entries.append({QLatin1String(conf::MiniHeight), fromMeasure(measures.height, locale)});
            entries.append({QLatin1String(conf::CalcLeft), fromMeasure(measures.left, locale)});
        }
        return entries;
    }
    for (Option option :
         {Option::EnterAdds, Option::KeypadHidden, Option::Backup, Option::Language, Option::Hotkeys})
        entries.append({optionKey(option), optionText(options, option)});
    if (!minimized) {
        entries.append({QLatin1String(conf::CalcHeight), fromMeasure(measures.height, locale)});
        entries.append({QLatin1String(conf::CalcTop), fromMeasure(measures.top, locale)});
        entries.append({QLatin1String(conf::CalcLeft), fromMeasure(measures.left, locale)});
        entries.append({optionKey(Option::LargeFont), optionText(options, Option::LargeFont)});
    }
    return entries;
}

void saveOnClose(SettingsStore& store, WindowMode mode, bool minimized, const Options& options,
                 const WindowMeasures& measures, const QLocale& locale) {
    const QString section = QLatin1String(conf::Section);
    for (const auto& [key, text] : closeSaveEntries(mode, minimized, options, measures, locale))
        store.write(section, key, text);
}

QPoint besideFrame(const QRect& first, const QSize& own, const QRect& screen) {
    constexpr int Gap = 8;
    const int top = qBound(screen.top(), first.top(), qMax(screen.top(), screen.bottom() + 1 - own.height()));
    if (first.right() + Gap + own.width() <= screen.right() + 1) return {first.right() + 1 + Gap, top};
    if (first.left() - Gap - own.width() >= screen.left()) return {first.left() - Gap - own.width(), top};
    const QPoint step = first.topLeft() + QPoint(40, 40);
    return {qBound(screen.left(), step.x(), qMax(screen.left(), screen.right() + 1 - own.width())),
            qBound(screen.top(), step.y(), qMax(screen.top(), screen.bottom() + 1 - own.height()))};
}

QRect frameFromText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return {};
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return {};
    }
    return v[2] > 0 && v[3] > 0 ? QRect(v[0], v[1], v[2], v[3]) : QRect();
}

QString frameToText(const QRect& frame) {
    return QStringLiteral("%1,%2,%3,%4").arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height());
}

QPoint reachablePosition(const QRect& frame, int titleHeight, const QList<QRect>& screens) {
    const QRect title(frame.topLeft(), QSize(frame.width(), qMax(1, titleHeight)));
    for (const QRect& s : screens)
        if (s.contains(title.topLeft()) && s.intersects(title)) return frame.topLeft();
    if (screens.isEmpty()) return frame.topLeft();
    // Onto the screen nearest to where it was, as far as it fits.
    const QRect* best = &screens.first();
    int bestDistance = INT_MAX;
    for (const QRect& s : screens) {
        const int d = (s.center() - frame.topLeft()).manhattanLength();
        if (d < bestDistance) {
            bestDistance = d;
            best = &s;
        }
    }
    return {qBound(best->left(), frame.left(), qMax(best->left(), best->right() + 1 - frame.width())),
            qBound(best->top(), frame.top(), qMax(best->top(), best->bottom() + 1 - frame.height()))};
}
