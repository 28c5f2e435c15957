#pragma once
// How the main window's stored position and size are restored and saved. Kept apart from the
// window so the rules can be checked without one. Positions and sizes are in twips unless a name
// says pixels; the clamping rules work in any one unit.

#include <QList>
#include <QLocale>
#include <QPair>
#include <QRect>
#include <QString>

#include "settings/options.h"

class SettingsStore;

// The stored top is dropped (0) when it puts the window below the screen's bottom, above its top,
// or the window is the compact calculator, which always opens at the top.
int clampTop(int top, int height, int screenHeight, bool compact);
// The stored left is dropped (0) when the window would stick out on the right or the left.
int clampLeft(int left, int width, int screenWidth);
// Where a window opens the first time: against the right edge, 360 twips (a quarter inch) from it.
int defaultLeft(int screenWidth, int windowWidth);

inline constexpr int TwipsPerInch = 1440;
// Whole twips per pixel, as the stored measures assume: 15 at 96 dpi, 12 at 120 dpi. A
// non-positive dpi counts as 96.
int twipsPerPixel(int dpi = 96);
int pixelsToTwips(int pixels, int dpi = 96);
// Rounded to the nearest pixel; measures beyond the int range (a corrupt file) are clamped.
int twipsToPixels(double twips, int dpi = 96);

// Where the second calculator opens: beside the first one's frame, on its right when it fits on
// the screen, else on its left, else a step down and to the right of it, always inside the screen.
// Pixels.
QPoint besideFrame(const QRect& first, const QSize& own, const QRect& screen);
// The first calculator's frame as the second one receives it ("x,y,width,height"); empty when the
// text is not one.
QRect frameFromText(const QString& text);
QString frameToText(const QRect& frame);

// A frame moved so that its title bar (its top strip of `titleHeight` pixels) lies on one of the
// screens: a window must never open where it cannot be dragged back.
QPoint reachablePosition(const QRect& frame, int titleHeight, const QList<QRect>& screens);

// The main window: the primary calculator, the compact one ("mini") and the second one ("outra").
enum class WindowMode { Full, Compact, Auxiliary };

// Where the window is and how high, in twips.
struct WindowMeasures {
    double height = 0;
    double top = 0;
    double left = 0;
};

// The (key, text) pairs of section "Conf" that closing the main window writes, in writing order:
// the full calculator its options of the moment and, unless minimized, its place and size; the
// compact and second calculators only their height and left, and nothing while minimized.
QList<QPair<QString, QString>> closeSaveEntries(WindowMode mode, bool minimized, const Options& options,
                                                const WindowMeasures& measures, const QLocale& locale);
void saveOnClose(SettingsStore& store, WindowMode mode, bool minimized, const Options& options,
                 const WindowMeasures& measures, const QLocale& locale);
