#pragma once

#include <QGuiApplication>
#include <QString>

namespace tarnell {

// In a right-to-left window every shown name keeps the direction of its own first strong
// letter, so that "HD+" or "ORF SPORT+" do not show as "+HD" or "+ORF SPORT". Only for
// display: edited and compared texts stay as they are.
inline QString IsolatedForLayout(const QString& text) {
    if (text.isEmpty() || QGuiApplication::layoutDirection() != Qt::RightToLeft) {
        return text;
    }
    return QChar(0x2068) + text + QChar(0x2069); // first strong isolate ... pop isolate
}

} // namespace tarnell
