// Start-up: preferences, the language pack, the command line; shut-down's write-back.
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CTarnell1018App.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs = std::make_shared<test::FakeDialogs>();
        app = std::make_unique<CTarnell1018App>(dialogs);
        app->SetLanguageFolders({QStringLiteral(TARNELL_QM_DIR)});
    }

    bool Start(QStringList arguments = {}) {
        arguments.prepend(QStringLiteral("tarnell1018"));
        return app->InitInstance(arguments);
    }

    void Store(const QString& key, const QVariant& value) {
        OpenAppSettings()->setValue(key, value);
    }

    test::Sandbox sandbox;
    std::shared_ptr<test::FakeDialogs> dialogs;
    std::unique_ptr<CTarnell1018App> app;
};

} // namespace

TEST_F(Startup, FirstStartIsGermanWithDefaultsAndNoDocument) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->Language().id, 0x07);
    EXPECT_TRUE(app->LanguagePackPath().endsWith(QStringLiteral("/tarnell1018DEU.qm")));
    EXPECT_EQ(app->Preferences().channelBackColor, 0x35496Au);
    EXPECT_EQ(app->Preferences().treeBackColor, 0xBCC7D8u);
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(app->MainFrame()->isVisible());
    EXPECT_TRUE(app->MainFrame()->Children().isEmpty());
    EXPECT_EQ(app->MainFrame()->Commands().Get(kCmdFileNew)->text(), QStringLiteral("Neu"));
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(Startup, StoredPreferencesAndLanguageAreUsed) {
    Store(QStringLiteral("Language/ActiveLanguage"), 0x09);
    Store(QStringLiteral("Einstellungen/ChannelBackColor"), 0x102030);
    Store(QStringLiteral("Workspace/SatelliteOrder"), 0);
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->Language().id, 0x09);
    EXPECT_TRUE(app->LanguagePackPath().endsWith(QStringLiteral("/tarnell1018ENU.qm")));
    EXPECT_EQ(app->MainFrame()->Commands().Get(kCmdFileNew)->text(), QStringLiteral("New"));
    EXPECT_EQ(app->Preferences().channelBackColor, 0x102030u);
    EXPECT_EQ(app->Preferences().satelliteOrder, 0);
}

TEST_F(Startup, AnUnknownLanguageFallsBackToEnglishQuietly) {
    Store(QStringLiteral("Language/ActiveLanguage"), 0x55);
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->Language().id, 0x09);
    EXPECT_TRUE(dialogs->errors.isEmpty());
    // The stored value stays for the user to change; only a language command writes it.
    EXPECT_EQ(OpenAppSettings()->value(QStringLiteral("Language/ActiveLanguage")).toInt(), 0x55);
}

TEST_F(Startup, AMissingLanguagePackEndsStartUp) {
    const QString folder = sandbox.Path(QStringLiteral("empty"));
    QDir().mkpath(folder);
    app->SetLanguageFolders({folder, sandbox.Path(QStringLiteral("also-empty"))});
    EXPECT_FALSE(Start());
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_EQ(dialogs->errors.front(),
              QStringLiteral("Failed to load language DLL!\n\nFile: ") + folder +
                  QStringLiteral("/tarnell1018DEU.qm\ndoes not exist\n\nCode: 2"));
    EXPECT_EQ(app->MainFrame(), nullptr);
}

TEST_F(Startup, ADamagedLanguagePackEndsStartUp) {
    const QString pack = sandbox.Path(QStringLiteral("tarnell1018DEU.qm"));
    QFile file(pack);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a translation");
    file.close();
    app->SetLanguageFolders({sandbox.Path(QString())});
    EXPECT_FALSE(Start());
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.front().contains(pack));
    EXPECT_TRUE(dialogs->errors.front().endsWith(QStringLiteral("Code: b")));
    EXPECT_EQ(app->MainFrame(), nullptr);
}

TEST_F(Startup, LaterFoldersAreSearchedToo) {
    app->SetLanguageFolders(
        {sandbox.Path(QStringLiteral("nothing-here")), QStringLiteral(TARNELL_QM_DIR)});
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app->LanguagePackPath().startsWith(QStringLiteral(TARNELL_QM_DIR)));
}

TEST_F(Startup, FilesNamedOnTheCommandLineAreOpened) {
    const QString first = sandbox.WriteFactoryList(QStringLiteral("first.fdu"));
    const QString second = sandbox.WriteFactoryList(QStringLiteral("second.sys"));
    ASSERT_TRUE(Start({first, second}));
    const auto children = app->MainFrame()->Children();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[0]->Title(), QStringLiteral("first.fdu"));
    EXPECT_EQ(children[1]->Title(), QStringLiteral("second.sys"));
}

TEST_F(Startup, NewOpensTheFactoryListAndAMissingFileIsReported) {
    ASSERT_TRUE(Start({QStringLiteral("--new"), sandbox.Path(QStringLiteral("missing.fdu"))}));
    const auto children = app->MainFrame()->Children();
    ASSERT_EQ(children.size(), 1);
    EXPECT_FALSE(children[0]->Document().IsModified());
    EXPECT_EQ(children[0]->Document().File().m_satellites.Size(), 96u);
    ASSERT_EQ(dialogs->errors.size(), 1);
    EXPECT_TRUE(dialogs->errors.front().contains(QStringLiteral("missing.fdu")));
}

TEST_F(Startup, ShutDownWritesThePreferencesBack) {
    ASSERT_TRUE(Start());
    app->Preferences().satelliteShowNumber = 1;
    app->Preferences().treeTextColor = 0x0000FF;
    app->Preferences().favouriteTextColor = 0x00FF00;
    app->ExitInstance();
    auto settings = OpenAppSettings();
    EXPECT_EQ(settings->value(QStringLiteral("Workspace/SatelliteShowNumber")).toInt(), 1);
    EXPECT_EQ(settings->value(QStringLiteral("Einstellungen/TreeTextColor")).toInt(), 0x0000FF);
    EXPECT_FALSE(settings->contains(QStringLiteral("Einstellungen/FavoritenTextFarbe")));
    EXPECT_FALSE(settings->contains(QStringLiteral("Language/ActiveLanguage")));
}

TEST_F(Startup, AChosenLanguageTakesEffectAtTheNextStart) {
    ASSERT_TRUE(Start());
    app->MainFrame()->Commands().Get(32980)->trigger();
    EXPECT_EQ(dialogs->notices.size(), 1);
    // This run stays German.
    EXPECT_EQ(app->MainFrame()->Commands().Get(kCmdFileNew)->text(), QStringLiteral("Neu"));
    app->ExitInstance();
    app.reset();

    CTarnell1018App next(dialogs);
    next.SetLanguageFolders({QStringLiteral(TARNELL_QM_DIR)});
    ASSERT_TRUE(next.InitInstance({QStringLiteral("tarnell1018")}));
    EXPECT_EQ(next.Language().id, 0x09);
    EXPECT_EQ(next.MainFrame()->Commands().Get(kCmdFileNew)->text(), QStringLiteral("New"));
}
