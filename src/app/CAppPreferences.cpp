#include "CAppPreferences.h"

#include <QSettings>

#include <iterator>

namespace tarnell {

namespace {

const QString kWorkspace = QStringLiteral("Workspace");
const QString kSettingsGroup = QStringLiteral("Einstellungen");
const QString kLanguageGroup = QStringLiteral("Language");

struct IntValue {
    const char* name;
    int CAppPreferences::*member;
};

// "SatelliteOnlyAcitve" is spelled as the stored value always was.
constexpr IntValue kWorkspaceValues[] = {
    {"ShowToolTips", &CAppPreferences::showToolTips},
    {"ShowToolTipDescr", &CAppPreferences::showToolTipDescr},
    {"FavHoldSelection", &CAppPreferences::favHoldSelection},
    {"SatelliteActive", &CAppPreferences::satelliteActive},
    {"SatelliteRestrictShow", &CAppPreferences::satelliteRestrictShow},
    {"SatelliteShowNumber", &CAppPreferences::satelliteShowNumber},
    {"SatelliteOrder", &CAppPreferences::satelliteOrder},
    {"ProviderOrder", &CAppPreferences::providerOrder},
    {"FavSeqNum", &CAppPreferences::favSeqNum},
    {"SatelliteOnlyAcitve", &CAppPreferences::satelliteOnlyActive},
    {"FavDelChSelection", &CAppPreferences::favDelChSelection},
    {"FavCodepage", &CAppPreferences::favCodepage},
    {"SendPreview", &CAppPreferences::sendPreview},
    {"ListWidth", &CAppPreferences::listWidth},
    {"ApplicationLook", &CAppPreferences::applicationLook},
};

struct ColourValue {
    const char* name;
    uint32_t CAppPreferences::*member;
    bool writtenAtExit;
};

constexpr ColourValue kColourValues[] = {
    {"ChannelBackColor", &CAppPreferences::channelBackColor, true},
    {"ChannelTextColor", &CAppPreferences::channelTextColor, true},
    {"TreeBackColor", &CAppPreferences::treeBackColor, true},
    {"TreeTextColor", &CAppPreferences::treeTextColor, true},
    {"FavoritenBackFarbe", &CAppPreferences::favouriteBackColor, false},
    {"FavoritenTextFarbe", &CAppPreferences::favouriteTextColor, false},
};

QString Key(const QString& group, const char* name) {
    return group + QLatin1Char('/') + QLatin1String(name);
}

// A value somebody edited into text keeps the default rather than becoming 0.
int ReadInt(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int value = settings.value(key, fallback).toInt(&ok);
    return ok ? value : fallback;
}

int ClampListWidth(int width) {
    return width < CAppPreferences::kMinListWidth || width > CAppPreferences::kMaxListWidth
               ? CAppPreferences::kDefaultListWidth
               : width;
}

} // namespace

void CAppPreferences::Load(QSettings& settings) {
    for (const auto& value : kWorkspaceValues) {
        this->*value.member = ReadInt(settings, Key(kWorkspace, value.name), this->*value.member);
    }
    listWidth = ClampListWidth(listWidth);
    for (const auto& value : kColourValues) {
        const int stored = ReadInt(settings, Key(kSettingsGroup, value.name),
                                   static_cast<int>(this->*value.member));
        this->*value.member = static_cast<uint32_t>(stored) & 0xFFFFFFu;
    }
    activeLanguage = ReadInt(settings, Key(kLanguageGroup, "ActiveLanguage"), activeLanguage);
}

void CAppPreferences::Save(QSettings& settings) const {
    for (const auto& value : kWorkspaceValues) {
        settings.setValue(Key(kWorkspace, value.name), this->*value.member);
    }
    settings.setValue(Key(kWorkspace, "ListWidth"), ClampListWidth(listWidth));
    for (const auto& value : kColourValues) {
        if (value.writtenAtExit) {
            settings.setValue(Key(kSettingsGroup, value.name),
                              static_cast<int>(this->*value.member & 0xFFFFFFu));
        }
    }
    settings.sync();
}

std::unique_ptr<QSettings> OpenAppSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Brixholm"), QStringLiteral("Tarnell1018"));
}

} // namespace tarnell
