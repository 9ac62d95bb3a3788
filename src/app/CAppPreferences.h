#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <memory>

class QSettings;

namespace tarnell {

// The user's display and editing preferences. They live in QSettings under "Brixholm", in the
// groups the receiver editor has always used, so that every value keeps its old name.
struct CAppPreferences {
    static constexpr int kMinListWidth = 50;
    static constexpr int kMaxListWidth = 250;
    static constexpr int kDefaultListWidth = 100;
    static constexpr int kDefaultLanguage = 0x07;

    // Workspace group
    int showToolTips = 1;
    int showToolTipDescr = 1;
    int favHoldSelection = 1;
    int satelliteActive = 1;
    int satelliteRestrictShow = 1;
    int satelliteShowNumber = 0;
    int satelliteOrder = 1;
    int providerOrder = 2;
    int favSeqNum = 1;
    int satelliteOnlyActive = 1;
    int favDelChSelection = 0;
    int favCodepage = 6;
    // Before a send, the difference to the receiver's list and the choice to stop (1), or not.
    int sendPreview = 1;
    int listWidth = kDefaultListWidth;
    // The style menu's look (210 to 219).
    int applicationLook = 210;

    // "Einstellungen", as 0xRRGGBB
    uint32_t channelBackColor = 0x35496A;
    uint32_t channelTextColor = 0xFFFFFF;
    uint32_t treeBackColor = 0xBCC7D8;
    uint32_t treeTextColor = 0x000000;
    uint32_t favouriteBackColor = 0xD7282D;
    uint32_t favouriteTextColor = 0xFFFFF5;

    // "Language"
    int activeLanguage = kDefaultLanguage;

    // Missing or unreadable values keep their defaults; a list width out of range becomes 100.
    void Load(QSettings& settings);
    // What shut-down writes back: the workspace group and the four list and tree colours. The
    // language and the favourite colours are written only by their own commands.
    void Save(QSettings& settings) const;

    static QColor ToColor(uint32_t rrggbb) { return QColor::fromRgb(rrggbb & 0xFFFFFFu); }
    bool operator==(const CAppPreferences&) const = default;
};

// The program's settings store, organisation "Brixholm".
std::unique_ptr<QSettings> OpenAppSettings();

} // namespace tarnell
