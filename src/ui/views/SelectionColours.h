#pragma once

#include <QColor>
#include <QPalette>

#include <cmath>

namespace tarnell {

// The user picks the list's background, the look picks the selection; the two may be nearly
// the same colour (the default dark blue list under the Blue look). The selection then keeps
// the look's hue but moves to the other end of the lightness scale, so selected rows always
// stand out, and its text follows.
inline void ApplySelectionColours(QPalette& palette, const QColor& back) {
    const QColor look = palette.color(QPalette::Active, QPalette::Highlight);
    auto lightness = [](const QColor& c) {
        return (0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF());
    };
    QColor highlight = look;
    if (std::abs(lightness(look) - lightness(back)) < 0.3) {
        const bool darkBack = lightness(back) < 0.5;
        const float hue = look.hslHueF() < 0 ? 0.6f : look.hslHueF();
        highlight = QColor::fromHslF(hue, 0.75f, darkBack ? 0.78f : 0.32f);
    }
    const QColor text = lightness(highlight) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, text);
    }
}

} // namespace tarnell
