#pragma once
// The text colours of the design: values in blue, negative ones in red.

#include <QColor>
#include <QPalette>
#include <QWidget>

inline const QColor Blue(0x00, 0x00, 0xFF);
inline const QColor Red(0xFF, 0x00, 0x00);

// Paints the text of a label or of an edit field alike.
inline void setTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}
