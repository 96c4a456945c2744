#pragma once

#include <QFont>
#include <QObject>
#include <QString>

namespace tavo::ui::parts {

// The layout's fonts are given in pixels.
inline QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Gives a new widget or action its object name and returns it.
template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace tavo::ui::parts
