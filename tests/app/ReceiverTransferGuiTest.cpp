// Fetch, send and restart from the main window against the receiver simulator, and a settings
// file opened as a new document.
#include "CAppPreferences.h"
#include "CChannelListModel.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CNetworkProfileArray.h"
#include "CReceiverCommands.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "FileIo.h"
#include "GuiTestSupport.h"
#include "ReceiverSimulator.h"
#include "ReceiverTransfer.h"
#include "SectionIds.h"
#include "SettingsFileBuilder.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnell;
namespace fs = std::filesystem;
using Message = test::FakeDialogs::Message;

namespace {

const QString kRestartQuestion = QString::fromLatin1(link_text::kRestartQuestion);

std::vector<uint8_t> SampleImage(int configLength, int tvChannels) {
    test::SampleOptions o;
    o.configLength = configLength;
    o.tvChannels = tvChannels;
    return test::MakeSample(o)->Store(ConfigLayout::Receiver);
}

std::vector<uint8_t> ServicePart(const std::vector<uint8_t>& image) {
    return {image.begin(), image.begin() + static_cast<ptrdiff_t>(kServicePartSize)};
}

std::vector<uint8_t> ConfigPart(const std::vector<uint8_t>& image) {
    return {image.begin() + static_cast<ptrdiff_t>(kServicePartSize), image.end()};
}

// The restart script as the receiver's shell sees it.
std::vector<uint8_t> RestartLines(const std::string& user, const std::string& password,
                                  const std::string& command) {
    std::string all;
    for (const auto& line : {user, password, command, std::string("exit 0")}) {
        all += line;
        all += std::string("\r\0", 2);
    }
    return {all.begin(), all.end()};
}

std::string Describe(const std::vector<Message>& messages) {
    std::string all;
    for (const auto& m : messages) {
        all += (m.caption + QStringLiteral(" / ") + m.text).toStdString() + "\n";
    }
    return all;
}

class ReceiverTransferGui : public ::testing::Test {
protected:
    void SetUp() override {
        prefs.sendPreview = 0; // the preview's question has a test of its own
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
        dir = test::FreshTestFolder("tarnell-gui-link");
        sim = std::make_unique<test::ReceiverSimulator>(dir / "receiver");
        const auto error = sim->Start();
        ASSERT_TRUE(error.empty()) << error;
        UseProfile(sim->Profile());
        LinkOptions options;
        options.restartPort = sim->RestartPort();
        options.backupFolder = dir / "backups";
        options.timeouts.transfer = std::chrono::seconds(20);
        Receiver().SetLinkOptions(options);
    }
    void TearDown() override {
        frame.reset();
        sim.reset();
        fs::remove_all(dir);
    }

    void UseProfile(const CNetworkProfileData& profile) {
        auto& profiles = frame->NetworkProfiles();
        profiles.RemoveAll();
        auto* added =
            profiles.AddProfile(profile.m_name, profile.m_address, profile.m_port, profile.m_user,
                                profile.m_password, profile.m_forcedReboot);
        profiles.SetActiveIndex(static_cast<int32_t>(profiles.IndexOf(added)));
    }

    CReceiverCommands& Receiver() const { return frame->ReceiverCommands(); }
    QAction* Command(int id) const { return frame->Commands().Get(id); }

    // Runs the command and lets its transfer finish, as the running program would.
    bool RunToEnd(int id) const {
        Command(id)->trigger();
        return WaitUntilIdle();
    }
    // Lets the worker finish and its result arrive, as the running program would.
    bool WaitUntilIdle() const {
        QElapsedTimer clock;
        clock.start();
        while (Receiver().IsBusy() && clock.elapsed() < 60000) {
            QTest::qWait(10);
        }
        return !Receiver().IsBusy();
    }

    void PutReceiverFiles(const std::vector<uint8_t>& image, bool withConfig = true) const {
        sim->PutRemote(kRemoteServicePath, ServicePart(image));
        if (withConfig) {
            sim->PutRemote(kRemoteConfigPath, ConfigPart(image));
        }
    }

    // A window of its own to send: a list with a configuration, unlike the receiver's.
    CChildFrame* DocumentToSend(int configLength) {
        test::SampleOptions o;
        o.configLength = configLength;
        o.tvChannels = 33;
        auto document = std::make_unique<CTarnell1018Doc>();
        document->LoadFromBytes(test::MakeSample(o)->Store());
        document->SetModifiedFlag(true);
        return frame->OpenAsNew(std::move(document));
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
    fs::path dir;
    std::unique_ptr<test::ReceiverSimulator> sim;
};

} // namespace

// --- fetch

TEST_F(ReceiverTransferGui, FetchOpensTheReceiversListInANewModifiedWindow) {
    const auto image = SampleImage(900, 20);
    PutReceiverFiles(image);
    CChildFrame* before = frame->NewDocument();
    const auto untouched = before->Document().StoreToBytes();

    Command(kCmdFetchList)->trigger();
    // The window stays usable while the worker fetches; the commands wait for it.
    ASSERT_TRUE(Receiver().IsBusy());
    EXPECT_FALSE(Command(kCmdFetchList)->isEnabled());
    EXPECT_FALSE(Command(kCmdFetchListAndConfig)->isEnabled());
    EXPECT_FALSE(Command(kCmdSendToReceiver)->isEnabled());
    ASSERT_NE(Receiver().Progress(), nullptr);
    EXPECT_TRUE(Receiver().Progress()->isVisible());
    EXPECT_TRUE(Receiver().Progress()->labelText().contains(QStringLiteral("127.0.0.1")));
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    EXPECT_EQ(Receiver().Progress(), nullptr);
    EXPECT_TRUE(Command(kCmdFetchList)->isEnabled());
    EXPECT_TRUE(Command(kCmdSendToReceiver)->isEnabled());
    ASSERT_EQ(frame->Children().size(), 2);
    CChildFrame* fetched = frame->ActiveChild();
    ASSERT_NE(fetched, before);
    EXPECT_EQ(fetched->Title(), QStringLiteral("Service list 2"));
    EXPECT_TRUE(fetched->Document().GetPathName().empty());
    EXPECT_TRUE(fetched->Document().IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Service list 2[*] - Tarnell 1018"));
    EXPECT_EQ(fetched->Document().File().m_channels.Size(), 28u);
    // 33021 leaves the receiver's configuration where it is.
    EXPECT_FALSE(fetched->Document().IsConfigPresent());
    fetched->Document().SetReceiverLayout(true);
    EXPECT_EQ(fetched->Document().StoreToBytes(), ServicePart(image));
    EXPECT_EQ(before->Document().StoreToBytes(), untouched);

    // Fetching with the configuration brings it along, into the document.
    ASSERT_TRUE(RunToEnd(kCmdFetchListAndConfig));
    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    ASSERT_EQ(frame->Children().size(), 3);
    CTarnell1018Doc& withConfig = frame->ActiveChild()->Document();
    ASSERT_TRUE(withConfig.IsConfigPresent());
    EXPECT_TRUE(withConfig.IsModified());
    withConfig.SetReceiverLayout(true);
    EXPECT_EQ(withConfig.StoreToBytes(), image);
}

TEST_F(ReceiverTransferGui, FailedFetchesShowTheirMessageAndOpenNothing) {
    CChildFrame* before = frame->NewDocument();
    const auto untouched = before->Document().StoreToBytes();
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString caption;
        QString text;
    } cases[] = {
        {"receiver unreachable",
         [&] {
             auto profile = sim->Profile();
             profile.m_port = test::UnusedPort();
             UseProfile(profile);
         },
         QStringLiteral("ftp Connection Error"), QString::fromLatin1(link_text::kCannotConnect)},
        {"login refused",
         [&] {
             auto profile = sim->Profile();
             profile.m_password = "wrong";
             UseProfile(profile);
         },
         QStringLiteral("ftp Connection Error"), QString::fromLatin1(link_text::kCannotConnect)},
        {"no service list", [&] { UseProfile(sim->Profile()); }, QStringLiteral("No Data"),
         QString::fromLatin1(link_text::kNoServiceList)},
        {"empty service list", [&] { sim->PutRemote(kRemoteServicePath, {}); },
         QStringLiteral("No Data 0"), QString::fromLatin1(link_text::kNoServiceList)},
        {"damaged service list",
         [&] { sim->PutRemote(kRemoteServicePath, std::vector<uint8_t>(5000, 0x42)); },
         QStringLiteral("Error"), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        dialogs.messages.clear();
        ASSERT_TRUE(RunToEnd(kCmdFetchListAndConfig));
        ASSERT_EQ(dialogs.messages.size(), 1u) << Describe(dialogs.messages);
        EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(dialogs.messages[0].caption, c.caption);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(c.text)) << Describe(dialogs.messages);
        EXPECT_EQ(frame->Children().size(), 1);
        EXPECT_EQ(frame->ActiveChild(), before);
        EXPECT_TRUE(Command(kCmdFetchList)->isEnabled());
    }
    EXPECT_EQ(before->Document().StoreToBytes(), untouched);
}

TEST_F(ReceiverTransferGui, OneTransferAtATime) {
    PutReceiverFiles(SampleImage(900, 20));
    CChildFrame* open = DocumentToSend(0);
    const auto receiverBefore = sim->GetRemote(kRemoteServicePath);

    Command(kCmdFetchList)->trigger();
    ASSERT_TRUE(Receiver().IsBusy());
    // Straight calls, past the disabled commands: both are turned away.
    Receiver().FetchFromReceiver(true);
    Receiver().SendToReceiver();
    EXPECT_EQ(Receiver().Running(), CReceiverCommands::Transfer::Fetch);
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    EXPECT_TRUE(dialogs.yesNoAsked.isEmpty());
    ASSERT_EQ(frame->Children().size(), 2);
    EXPECT_FALSE(frame->ActiveChild()->Document().IsConfigPresent()); // the first fetch only
    EXPECT_EQ(sim->GetRemote(kRemoteServicePath), receiverBefore);
    EXPECT_NE(frame->ActiveChild(), open);
}

TEST_F(ReceiverTransferGui, CancelledFetchOpensNothing) {
    PutReceiverFiles(SampleImage(900, 20));
    Command(kCmdFetchList)->trigger();
    ASSERT_NE(Receiver().Progress(), nullptr);
    auto* cancel = Receiver().Progress()->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    // The link finishes on its own; until then no other transfer starts.
    EXPECT_TRUE(Receiver().IsBusy() ? !Command(kCmdFetchList)->isEnabled() : true);
    ASSERT_TRUE(WaitUntilIdle());
    EXPECT_TRUE(frame->Children().isEmpty());
    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    EXPECT_TRUE(frame->CaptionText().contains(QStringLiteral("cancelled")));
    EXPECT_TRUE(Command(kCmdFetchList)->isEnabled());
}

// --- send

TEST_F(ReceiverTransferGui, SendAfterThePreviewWritesExactlyWhatTheDocumentStores) {
    const auto old = SampleImage(900, 20);
    PutReceiverFiles(old);
    EXPECT_FALSE(Command(kCmdSendToReceiver)->isEnabled()); // no document yet
    CChildFrame* child = DocumentToSend(900);
    ASSERT_TRUE(Command(kCmdSendToReceiver)->isEnabled());

    // The preview shows the changes; No leaves the receiver alone.
    prefs.sendPreview = 1;
    dialogs.yesNoAnswers = {false};
    ASSERT_TRUE(RunToEnd(kCmdSendToReceiver));
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains(QStringLiteral("Channels: ")))
        << dialogs.yesNoAsked[0].toStdString();
    // Each change can be read in the details, under its group.
    ASSERT_EQ(dialogs.yesNoDetails.size(), 1);
    EXPECT_TRUE(dialogs.yesNoDetails[0].startsWith(QStringLiteral("Channels\n  ")))
        << dialogs.yesNoDetails[0].left(200).toStdString();
    EXPECT_TRUE(dialogs.yesNoDetails[0].contains(QStringLiteral("  TV: ")));
    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    EXPECT_EQ(sim->GetRemote(kRemoteServicePath), ServicePart(old));
    EXPECT_EQ(sim->GetRemote(kRemoteConfigPath), ConfigPart(old));
    EXPECT_TRUE(frame->CaptionText().contains(QStringLiteral("Nothing was sent")));

    prefs.sendPreview = 0;
    dialogs.yesNoAsked.clear();
    dialogs.yesNoAnswers = {false};
    Command(kCmdSendToReceiver)->trigger();
    ASSERT_TRUE(Receiver().IsBusy());
    EXPECT_FALSE(Command(kCmdFetchList)->isEnabled());
    ASSERT_TRUE(WaitUntilIdle());

    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    CTarnell1018Doc& document = child->Document();
    EXPECT_TRUE(document.IsModified());
    document.SetReceiverLayout(true);
    const auto expected = document.StoreToBytes();
    ASSERT_GT(expected.size(), kServicePartSize);
    EXPECT_EQ(sim->GetRemote(kRemoteServicePath), ServicePart(expected));
    EXPECT_EQ(sim->GetRemote(kRemoteConfigPath), ConfigPart(expected));
    EXPECT_EQ(sim->RemoteNames(), (std::vector<std::string>{"_config.fdu", "_service.fdu"}));
    EXPECT_TRUE(frame->CaptionText().contains(QStringLiteral("configuration were sent")));
    EXPECT_TRUE(frame->CaptionBar()->isVisible());

    // The restart is offered, and No leaves the receiver alone.
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1);
    EXPECT_EQ(dialogs.yesNoAsked[0], QString::fromLatin1(link_text::kRestartCaption) +
                                         QStringLiteral(": ") + kRestartQuestion);
    EXPECT_FALSE(Receiver().IsBusy());
    EXPECT_TRUE(sim->RestartBytes(0).empty());
}

TEST_F(ReceiverTransferGui, SendWithoutConfigurationWritesTheServiceFileOnly) {
    const auto old = SampleImage(900, 20);
    PutReceiverFiles(old);
    CChildFrame* child = frame->NewDocument(); // the factory list has no configuration
    dialogs.yesNoAnswers = {false};
    ASSERT_TRUE(RunToEnd(kCmdSendToReceiver));

    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    child->Document().SetReceiverLayout(true);
    EXPECT_EQ(sim->GetRemote(kRemoteServicePath), child->Document().StoreToBytes());
    EXPECT_EQ(sim->GetRemote(kRemoteConfigPath), ConfigPart(old));
    EXPECT_FALSE(child->Document().IsModified());
}

TEST_F(ReceiverTransferGui, FailedSendLeavesTheReceiverAndTheDocumentAsTheyWere) {
    const auto old = SampleImage(900, 20);
    PutReceiverFiles(old);
    CChildFrame* child = DocumentToSend(900);
    const auto documentBefore = child->Document().StoreToBytes();
    auto profile = sim->Profile();
    profile.m_port = test::UnusedPort();
    UseProfile(profile);

    ASSERT_TRUE(RunToEnd(kCmdSendToReceiver));
    ASSERT_EQ(dialogs.messages.size(), 1u) << Describe(dialogs.messages);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ftp Connection Error"));
    EXPECT_TRUE(dialogs.yesNoAsked.isEmpty());
    EXPECT_EQ(sim->GetRemote(kRemoteServicePath), ServicePart(old));
    EXPECT_EQ(sim->GetRemote(kRemoteConfigPath), ConfigPart(old));
    EXPECT_EQ(child->Document().StoreToBytes(), documentBefore);
    EXPECT_TRUE(child->Document().IsModified());

    // A receiver without a service file is not one we fill: nothing is written.
    UseProfile(sim->Profile());
    fs::remove(sim->Remote(kRemoteServicePath));
    dialogs.messages.clear();
    ASSERT_TRUE(RunToEnd(kCmdSendToReceiver));
    EXPECT_TRUE(dialogs.yesNoAsked.isEmpty());
    EXPECT_EQ(sim->RemoteNames(), (std::vector<std::string>{"_config.fdu"}));
}

TEST_F(ReceiverTransferGui, YesRestartsWithTheActiveProfilesRebootStyleOrSaysWhyNot) {
    PutReceiverFiles(SampleImage(900, 20));
    auto profile = sim->Profile();
    profile.m_forcedReboot = 0;
    UseProfile(profile);
    DocumentToSend(0);
    dialogs.yesNoAnswers = {true};

    ASSERT_TRUE(RunToEnd(kCmdSendToReceiver));

    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    EXPECT_EQ(dialogs.yesNoAsked.size(), 1);
    const auto expected = RestartLines(profile.m_user, profile.m_password, "reboot");
    EXPECT_EQ(sim->RestartBytes(expected.size()), expected);
    EXPECT_TRUE(frame->CaptionText().contains(QStringLiteral("restart")));
    EXPECT_TRUE(Command(kCmdSendToReceiver)->isEnabled());

    // A restart that cannot reach the receiver is said, not claimed.
    auto options = Receiver().GetLinkOptions();
    options.restartPort = test::UnusedPort();
    Receiver().SetLinkOptions(options);
    dialogs.yesNoAnswers = {true};
    ASSERT_TRUE(RunToEnd(kCmdSendToReceiver));
    ASSERT_EQ(dialogs.messages.size(), 1u) << Describe(dialogs.messages);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Kein Connect")));
    EXPECT_FALSE(frame->CaptionText().contains(QStringLiteral("restart")));
}

// --- settings file as a new document

TEST_F(ReceiverTransferGui, SettingsFileOpensAsANewUntitledDocument) {
    test::SampleOptions o;
    o.configLength = 900;
    const auto bytes = test::MakeSample(o)->Store();
    ASSERT_GT(bytes.size(), kServicePartSize);
    const QString path = sandbox.Path(QStringLiteral("base.sys"));
    WriteFileAtomically(path.toStdString(), bytes);

    ASSERT_TRUE(frame->OpenSettingsFileAsNew(path));
    EXPECT_TRUE(dialogs.messages.empty()) << Describe(dialogs.messages);
    ASSERT_EQ(frame->Children().size(), 1);
    CChildFrame* child = frame->ActiveChild();
    EXPECT_EQ(child->Title(), QStringLiteral("Service list 1"));
    EXPECT_TRUE(child->Document().GetPathName().empty());
    EXPECT_TRUE(child->Document().IsModified());
    EXPECT_TRUE(child->Document().IsConfigPresent());
    EXPECT_EQ(child->Document().StoreToBytes(), bytes);
    // Not a file of the recent list: it was not opened as itself.
    EXPECT_TRUE(frame->RecentFiles().Files().isEmpty());
}

TEST_F(ReceiverTransferGui, SettingsFileThatCannotBeReadOrLoadedOpensNothing) {
    EXPECT_FALSE(frame->OpenSettingsFileAsNew(sandbox.Path(QStringLiteral("missing.fdu"))));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("No Data"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("missing.fdu")));
    EXPECT_TRUE(frame->Children().isEmpty());

    const QString damaged = sandbox.Path(QStringLiteral("damaged.fdu"));
    WriteFileAtomically(damaged.toStdString(), std::vector<uint8_t>(kServicePartSize, 0x33));
    dialogs.messages.clear();
    EXPECT_FALSE(frame->OpenSettingsFileAsNew(damaged));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Error"));
    ASSERT_NE(frame->DesktopAlert(), nullptr);
    EXPECT_TRUE(frame->Children().isEmpty());
}
