#include "platform/qt/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QtClipboard::QtClipboard() {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Clipboard::changed);
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}
