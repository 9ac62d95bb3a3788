#pragma once

#include <QString>

#include <vector>

class QApplication;
class QWidget;

namespace tarnell {

// The looks of the style menu (commands 210 to 219): Qt's Fusion style under a palette of our
// own, with a ribbon coloured to match, and the desktop's own style as one of them.
class CVisualStyle {
public:
    static constexpr int kFirstCommand = 210;
    static constexpr int kLastCommand = 219;
    static constexpr int kDefaultCommand = 210;

    struct Look {
        int command;
        const char* name; // English; shown through tr()
        unsigned accent;  // tab row, 0xRRGGBB
        unsigned accentDark;
        unsigned window; // ribbon pages and window background
        bool dark;
        bool native; // the desktop's own style and palette
    };

    static const std::vector<Look>& Looks();
    // The look of a command; the default look for anything else, so a stale stored value
    // cannot leave the program without one.
    static const Look& ForCommand(int command);
    static QString DisplayName(const Look& look);

    // Style and palette for the whole program, and the style sheet for the ribbon.
    static void Apply(const Look& look, QWidget* ribbon);
    static QString RibbonStyleSheet(const Look& look);
};

} // namespace tarnell
