// Preferences in their stored names and groups, the language table and the recent-file list.
#include "CAppPreferences.h"
#include "CRecentFileList.h"
#include "GuiTestSupport.h"
#include "LanguagePacks.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

using namespace tarnell;

TEST(Preferences, AnEmptyStoreGivesTheDefaults) {
    test::Sandbox sandbox;
    CAppPreferences prefs;
    prefs.Load(*OpenAppSettings());
    EXPECT_EQ(prefs.showToolTips, 1);
    EXPECT_EQ(prefs.satelliteShowNumber, 0);
    EXPECT_EQ(prefs.satelliteOrder, 1);
    EXPECT_EQ(prefs.providerOrder, 2);
    EXPECT_EQ(prefs.favDelChSelection, 0);
    EXPECT_EQ(prefs.favCodepage, 6);
    EXPECT_EQ(prefs.listWidth, 100);
    EXPECT_EQ(prefs.channelBackColor, 0x35496Au);
    EXPECT_EQ(prefs.channelTextColor, 0xFFFFFFu);
    EXPECT_EQ(prefs.treeBackColor, 0xBCC7D8u);
    EXPECT_EQ(prefs.treeTextColor, 0x000000u);
    EXPECT_EQ(prefs.favouriteBackColor, 0xD7282Du);
    EXPECT_EQ(prefs.favouriteTextColor, 0xFFFFF5u);
    EXPECT_EQ(prefs.activeLanguage, 0x07);
}

TEST(Preferences, StoredValuesAreReadUnderTheirOwnNames) {
    test::Sandbox sandbox;
    {
        auto settings = OpenAppSettings();
        QSettings& store = *settings;
        store.setValue(QStringLiteral("Workspace/SatelliteOnlyAcitve"), 0);
        store.setValue(QStringLiteral("Workspace/ProviderOrder"), 0);
        store.setValue(QStringLiteral("Workspace/FavCodepage"), 3);
        store.setValue(QStringLiteral("Einstellungen/ChannelBackColor"), 0x112233);
        store.setValue(QStringLiteral("Einstellungen/FavoritenTextFarbe"), 0x445566);
        store.setValue(QStringLiteral("Language/ActiveLanguage"), 0x19);
        store.sync();
    }
    CAppPreferences prefs;
    prefs.Load(*OpenAppSettings());
    EXPECT_EQ(prefs.satelliteOnlyActive, 0);
    EXPECT_EQ(prefs.providerOrder, 0);
    EXPECT_EQ(prefs.favCodepage, 3);
    EXPECT_EQ(prefs.channelBackColor, 0x112233u);
    EXPECT_EQ(prefs.favouriteTextColor, 0x445566u);
    EXPECT_EQ(prefs.activeLanguage, 0x19);
    // 0xRRGGBB: red in the high byte.
    EXPECT_EQ(CAppPreferences::ToColor(prefs.channelBackColor), QColor(0x11, 0x22, 0x33));
}

TEST(Preferences, UnusableValuesFallBack) {
    test::Sandbox sandbox;
    {
        auto settings = OpenAppSettings();
        QSettings& store = *settings;
        store.setValue(QStringLiteral("Workspace/ListWidth"), 251);
        store.setValue(QStringLiteral("Workspace/SatelliteOrder"), QStringLiteral("zwei"));
        store.setValue(QStringLiteral("Einstellungen/TreeTextColor"), 0x7F123456);
        store.sync();
    }
    CAppPreferences prefs;
    prefs.Load(*OpenAppSettings());
    EXPECT_EQ(prefs.listWidth, 100);
    EXPECT_EQ(prefs.satelliteOrder, 1);
    EXPECT_EQ(prefs.treeTextColor, 0x123456u);

    for (const int width : {50, 250}) {
        OpenAppSettings()->setValue(QStringLiteral("Workspace/ListWidth"), width);
        prefs.Load(*OpenAppSettings());
        EXPECT_EQ(prefs.listWidth, width);
    }
}

TEST(Preferences, ShutDownWritesTheWorkspaceAndListColoursOnly) {
    test::Sandbox sandbox;
    CAppPreferences prefs;
    prefs.satelliteOrder = 2;
    prefs.listWidth = 20;
    prefs.treeBackColor = 0x010203;
    prefs.favouriteBackColor = 0x0A0B0C;
    prefs.activeLanguage = 0x09;
    prefs.Save(*OpenAppSettings());

    auto settings = OpenAppSettings();
    QSettings& store = *settings;
    EXPECT_EQ(store.value(QStringLiteral("Workspace/SatelliteOrder")).toInt(), 2);
    EXPECT_EQ(store.value(QStringLiteral("Workspace/ListWidth")).toInt(), 100);
    EXPECT_EQ(store.value(QStringLiteral("Workspace/SatelliteOnlyAcitve")).toInt(), 1);
    EXPECT_EQ(store.value(QStringLiteral("Einstellungen/TreeBackColor")).toInt(), 0x010203);
    EXPECT_FALSE(store.contains(QStringLiteral("Einstellungen/FavoritenBackFarbe")));
    EXPECT_FALSE(store.contains(QStringLiteral("Language/ActiveLanguage")));

    CAppPreferences again;
    again.Load(store);
    EXPECT_EQ(again.satelliteOrder, 2);
    EXPECT_EQ(again.treeBackColor, 0x010203u);
}

TEST(Languages, UnknownIdentifiersFallBackToEnglish) {
    EXPECT_STREQ(LanguageForId(0x07).suffix, "DEU");
    EXPECT_STREQ(LanguageForId(0x0A).suffix, "ESP");
    EXPECT_STREQ(LanguageForId(0x29).suffix, "FAR");
    EXPECT_STREQ(LanguageForId(0x55).suffix, "ENU");
    EXPECT_STREQ(LanguageForId(0).suffix, "ENU");
    EXPECT_EQ(LanguagePackFileName(LanguageForId(0x13)), QStringLiteral("tarnell1018NLD.qm"));
}

TEST(RecentFiles, NewestFirstOnceEachAtMostFifteen) {
    test::Sandbox sandbox;
    CRecentFileList list;
    for (int i = 0; i < 20; ++i) {
        list.Add(sandbox.Path(QStringLiteral("list%1.fdu").arg(i)));
    }
    ASSERT_EQ(list.Files().size(), 15);
    EXPECT_EQ(list.Files().front(), sandbox.Path(QStringLiteral("list19.fdu")));
    EXPECT_EQ(list.Files().back(), sandbox.Path(QStringLiteral("list5.fdu")));

    // The same file under another spelling moves to the front instead of appearing twice.
    const QString existing = sandbox.WriteFactoryList(QStringLiteral("real.fdu"));
    list.Add(existing);
    QDir(sandbox.Path(QStringLiteral("sub"))).mkpath(QStringLiteral("."));
    list.Add(sandbox.Path(QStringLiteral("sub/../real.fdu")));
    EXPECT_EQ(list.Files().count(existing), 1);
    EXPECT_EQ(list.Files().front(), existing);
    EXPECT_EQ(list.Files().size(), 15);

    list.Remove(existing);
    EXPECT_FALSE(list.Files().contains(existing));
}

TEST(RecentFiles, SurviveTheStore) {
    test::Sandbox sandbox;
    CRecentFileList list;
    list.Add(sandbox.Path(QStringLiteral("a.fdu")));
    list.Add(sandbox.Path(QStringLiteral("b.sys")));
    list.Save(*OpenAppSettings());
    EXPECT_EQ(OpenAppSettings()->value(QStringLiteral("Recent File List/File1")).toString(),
              sandbox.Path(QStringLiteral("b.sys")));

    CRecentFileList loaded;
    loaded.Load(*OpenAppSettings());
    EXPECT_EQ(loaded.Files(), list.Files());

    // Fewer files than before leave no stale entries behind.
    CRecentFileList shorter;
    shorter.Add(sandbox.Path(QStringLiteral("c.fdu")));
    shorter.Save(*OpenAppSettings());
    loaded.Load(*OpenAppSettings());
    EXPECT_EQ(loaded.Files(), QStringList{sandbox.Path(QStringLiteral("c.fdu"))});
}
