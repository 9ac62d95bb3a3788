// Fetch and send against the receiver simulator: what arrives on each side, and what stays
// untouched when something fails.
#include "ReceiverTransfer.h"
#include "FileIo.h"
#include "ReceiverSimulator.h"
#include "SectionIds.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Bytes(size_t n, uint8_t fill) {
    return std::vector<uint8_t>(n, fill);
}

// A settings file as the receiver keeps it: the service part and its own configuration file.
struct ReceiverFiles {
    std::vector<uint8_t> service;
    std::vector<uint8_t> config;
};

ReceiverFiles MakeReceiverFiles(int configLength, int tvChannels = 20) {
    test::SampleOptions o;
    o.configLength = configLength;
    o.tvChannels = tvChannels;
    const auto image = test::MakeSample(o)->Store(ConfigLayout::Receiver);
    return {{image.begin(), image.begin() + kServicePartSize},
            {image.begin() + kServicePartSize, image.end()}};
}

bool HasMessage(const LinkResult& r, const std::string& caption, const std::string& part = {}) {
    for (const auto& m : r.messages) {
        if (m.caption == caption && (m.Text() + m.Detail()).find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string Messages(const LinkResult& r) {
    std::string all;
    for (const auto& m : r.messages) {
        all += m.OneLine() + "\n";
    }
    return all;
}

class ReceiverTransferTest : public ::testing::Test {
protected:
    void SetUp() override { Begin({}); }
    void TearDown() override {
        m_sim.reset();
        fs::remove_all(m_dir);
    }
    // Starts the simulator afresh with other habits.
    void Begin(const test::SimulatorOptions& options) {
        m_sim.reset();
        m_dir = test::FreshTestFolder("tarnell-link");
        m_sim = std::make_unique<test::ReceiverSimulator>(m_dir / "receiver", options);
        const auto error = m_sim->Start();
        ASSERT_TRUE(error.empty()) << error;
        m_options.backupFolder = m_dir / "backups";
        m_options.timeouts.transfer = std::chrono::seconds(20);
    }
    void PutReceiverFiles(const ReceiverFiles& files, bool withConfig = true) {
        m_sim->PutRemote(kRemoteServicePath, files.service);
        if (withConfig) {
            m_sim->PutRemote(kRemoteConfigPath, files.config);
        }
    }
    // A document of its own to send, different from what the receiver holds.
    std::unique_ptr<CTarnell1018Doc> DocumentToSend(int configLength) {
        test::SampleOptions o;
        o.configLength = configLength;
        o.tvChannels = 33;
        auto doc = std::make_unique<CTarnell1018Doc>();
        doc->LoadFromBytes(test::MakeSample(o)->Store());
        return doc;
    }
    std::vector<fs::path> Backups() const {
        std::vector<fs::path> folders;
        if (fs::exists(m_options.backupFolder)) {
            for (const auto& e : fs::directory_iterator(m_options.backupFolder)) {
                folders.push_back(e.path());
            }
        }
        return folders;
    }

    fs::path m_dir;
    std::unique_ptr<test::ReceiverSimulator> m_sim;
    LinkOptions m_options;
};

} // namespace

// --- fetch

TEST_F(ReceiverTransferTest, FetchGivesAModifiedDocumentOfTheServiceList) {
    const auto files = MakeReceiverFiles(900);
    PutReceiverFiles(files);
    auto result = FetchFromReceiver(m_sim->Profile(), false, m_options);
    ASSERT_TRUE(result.ok) << Messages(result);
    EXPECT_TRUE(result.messages.empty()) << Messages(result);
    ASSERT_NE(result.document, nullptr);
    EXPECT_TRUE(result.document->IsModified());
    EXPECT_FALSE(result.document->IsConfigPresent());
    EXPECT_EQ(result.document->File().m_channels.Size(), 28u);
    EXPECT_EQ(result.document->StoreToBytes(), files.service);
}

TEST_F(ReceiverTransferTest, FetchWithConfigurationReadsTheReceiversLayout) {
    const auto files = MakeReceiverFiles(900);
    PutReceiverFiles(files);
    auto result = FetchFromReceiver(m_sim->Profile(), true, m_options);
    ASSERT_TRUE(result.ok) << Messages(result);
    ASSERT_TRUE(result.document->IsConfigPresent());
    EXPECT_EQ(result.document->File().m_configuration.Length(), 900u);
    result.document->SetReceiverLayout(true);
    const auto image = result.document->StoreToBytes();
    EXPECT_EQ(std::vector<uint8_t>(image.begin() + kServicePartSize, image.end()), files.config);
}

TEST_F(ReceiverTransferTest, MissingConfigurationStillFetchesTheServiceListSilently) {
    PutReceiverFiles(MakeReceiverFiles(900), false);
    auto result = FetchFromReceiver(m_sim->Profile(), true, m_options);
    ASSERT_TRUE(result.ok) << Messages(result);
    EXPECT_TRUE(result.messages.empty()) << Messages(result);
    EXPECT_FALSE(result.document->IsConfigPresent());
}

TEST_F(ReceiverTransferTest, ServiceFilesThatAreNoListGiveTheirMessageAndNoDocument) {
    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> service; // nothing: the file is missing
        const char* caption;
        const char* part;
    };
    const Case cases[] = {
        {"missing", std::nullopt, link_text::kNoDataCaption, "has no"},
        {"empty", std::vector<uint8_t>{}, link_text::kNoDataEmptyCaption, "empty"},
        {"not a settings file", Bytes(kServicePartSize, 0x41), link_text::kErrorCaption,
         "not a settings file"},
        {"too large", Bytes(kMaxServiceFileBytes + 1, 0), link_text::kErrorCaption,
         "larger than 200000"},
        {"cut short", Bytes(0, 0), link_text::kErrorCaption,
         "The service list on the receiver is damaged: "},
    };
    // A list cut short names what it lost and the copy kept before the last send.
    const auto kept = m_options.backupFolder / "2024-05-01_10-00-00";
    fs::create_directories(kept);
    m_sim->PutRemote(kRemoteServicePath, test::MakeSample()->Store());
    fs::copy_file(m_sim->Remote(kRemoteServicePath), kept / "_service.fdu");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(m_sim->Remote(kRemoteServicePath));
        auto service = c.service;
        if (service && service->empty() && std::string(c.name) == "cut short") {
            service = ReadWholeFile(kept / "_service.fdu");
            service->resize(7000);
        }
        if (service) {
            m_sim->PutRemote(kRemoteServicePath, *service);
        }
        auto result = FetchFromReceiver(m_sim->Profile(), true, m_options);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.document, nullptr);
        EXPECT_TRUE(HasMessage(result, c.caption, c.part)) << Messages(result);
        if (std::string(c.name) == "cut short") {
            EXPECT_TRUE(HasMessage(result, c.caption, kept.string())) << Messages(result);
        }
    }
}

TEST_F(ReceiverTransferTest, ServiceFileIsReadToItsEndUpTo200000Bytes) {
    // The service part followed by bytes nobody reads still opens; nothing is cut short.
    auto service = MakeReceiverFiles(0).service;
    service.resize(kMaxServiceFileBytes, 0);
    m_sim->PutRemote(kRemoteServicePath, service);
    auto result = FetchFromReceiver(m_sim->Profile(), false, m_options);
    ASSERT_TRUE(result.ok) << Messages(result);
    EXPECT_EQ(result.document->File().m_channels.Size(), 28u);
}

TEST_F(ReceiverTransferTest, OversizedConfigurationIsRefusedButTheListArrives) {
    const auto files = MakeReceiverFiles(900);
    m_sim->PutRemote(kRemoteServicePath, files.service);
    m_sim->PutRemote(kRemoteConfigPath, Bytes(kMaxConfigFileBytes + 1, 0));
    auto result = FetchFromReceiver(m_sim->Profile(), true, m_options);
    ASSERT_NE(result.document, nullptr);
    EXPECT_FALSE(result.document->IsConfigPresent());
    EXPECT_TRUE(HasMessage(result, link_text::kErrorCaption, "larger than 2048"))
        << Messages(result);
}

TEST_F(ReceiverTransferTest, LoginFailuresAreConnectionErrors) {
    PutReceiverFiles(MakeReceiverFiles(900));
    auto wrongPassword = m_sim->Profile();
    wrongPassword.m_password = "wrong";
    auto refused = m_sim->Profile();
    refused.m_port = test::UnusedPort();
    auto noAddress = m_sim->Profile();
    noAddress.m_address = 0; // the Default profile's; on Linux it would reach this machine
    auto injected = m_sim->Profile();
    injected.m_password = "secret\r\nDELE /var/etc/_service.fdu";
    for (const auto* profile : {&wrongPassword, &refused, &noAddress, &injected}) {
        SCOPED_TRACE(profile->m_password + " port " + std::to_string(profile->m_port));
        auto fetched = FetchFromReceiver(*profile, true, m_options);
        EXPECT_EQ(fetched.document, nullptr);
        EXPECT_TRUE(HasMessage(fetched, link_text::kConnectionErrorCaption)) << Messages(fetched);
        auto doc = DocumentToSend(900);
        auto sent = SendToReceiver(*doc, *profile, m_options);
        EXPECT_FALSE(sent.ok);
        EXPECT_TRUE(HasMessage(sent, link_text::kConnectionErrorCaption)) << Messages(sent);
    }
    CNetworkProfileArray none;
    EXPECT_TRUE(HasMessage(FetchFromReceiver(none, false, m_options),
                           link_text::kConnectionErrorCaption, "no network profile"));

    EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath), MakeReceiverFiles(900).service);
    EXPECT_TRUE(Backups().empty());
}

TEST_F(ReceiverTransferTest, FtpTestReportsLoginOrItsFailure) {
    const auto passed = TestFtpConnection(m_sim->Profile(), m_options);
    EXPECT_TRUE(passed.ok);
    EXPECT_TRUE(HasMessage(passed, link_text::kFtpTestCaption));
    auto wrong = m_sim->Profile();
    wrong.m_user = "guest";
    const auto failed = TestFtpConnection(wrong, m_options);
    EXPECT_FALSE(failed.ok);
    EXPECT_TRUE(HasMessage(failed, link_text::kConnectionErrorCaption));
}

// --- send

TEST_F(ReceiverTransferTest, SendWritesTheServicePartAndTheReceiversConfiguration) {
    const auto old = MakeReceiverFiles(900);
    PutReceiverFiles(old);
    auto doc = DocumentToSend(950);
    doc->SetModifiedFlag(true);
    auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
    ASSERT_TRUE(result.ok) << Messages(result);
    EXPECT_TRUE(result.messages.empty()) << Messages(result);
    EXPECT_TRUE(result.configurationSent);

    doc->SetReceiverLayout(true);
    const auto image = doc->StoreToBytes();
    const auto service = m_sim->GetRemote(kRemoteServicePath);
    ASSERT_EQ(service.size(), kServicePartSize);
    EXPECT_TRUE(std::equal(service.begin(), service.end(), image.begin()));
    EXPECT_EQ(m_sim->GetRemote(kRemoteConfigPath),
              std::vector<uint8_t>(image.begin() + kServicePartSize, image.end()));
    EXPECT_EQ(m_sim->RemoteNames(), (std::vector<std::string>{"_config.fdu", "_service.fdu"}));

    // The document stays as it was: open, modified, file layout for a later save.
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->GetReceiverLayout());

    // The receiver's previous files are kept, and said where.
    ASSERT_EQ(Backups(), std::vector<fs::path>{result.backupFolder});
    EXPECT_EQ(ReadWholeFile(result.backupFolder / "_service.fdu"), old.service);
    EXPECT_EQ(ReadWholeFile(result.backupFolder / "_config.fdu"), old.config);
}

TEST_F(ReceiverTransferTest, ConfigurationGoesOnlyWhereBothSidesHaveOne) {
    const auto old = MakeReceiverFiles(900);
    {
        SCOPED_TRACE("receiver without _config.fdu");
        PutReceiverFiles(old, false);
        auto doc = DocumentToSend(950);
        auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
        ASSERT_TRUE(result.ok) << Messages(result);
        EXPECT_TRUE(result.messages.empty()) << Messages(result);
        EXPECT_FALSE(result.configurationSent);
        EXPECT_EQ(m_sim->RemoteNames(), std::vector<std::string>{"_service.fdu"});
        EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath).size(), kServicePartSize);
    }
    {
        SCOPED_TRACE("document without configuration");
        PutReceiverFiles(old, true);
        auto doc = DocumentToSend(0);
        auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
        ASSERT_TRUE(result.ok) << Messages(result);
        EXPECT_FALSE(result.configurationSent);
        EXPECT_NE(m_sim->GetRemote(kRemoteServicePath), old.service);
        EXPECT_EQ(m_sim->GetRemote(kRemoteConfigPath), old.config);
    }
}

TEST_F(ReceiverTransferTest, NothingIsWrittenToAReceiverWithoutServiceFile) {
    m_sim->PutRemote(kRemoteConfigPath, MakeReceiverFiles(900).config);
    auto doc = DocumentToSend(950);
    auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(HasMessage(result, link_text::kNoDataCaption, "nothing was sent"))
        << Messages(result);
    EXPECT_EQ(m_sim->RemoteNames(), std::vector<std::string>{"_config.fdu"});
    EXPECT_EQ(m_sim->GetRemote(kRemoteConfigPath), MakeReceiverFiles(900).config);
    EXPECT_TRUE(Backups().empty());
}

TEST_F(ReceiverTransferTest, ServersWithoutRenameOrNewFilesAreWrittenInPlace) {
    for (const bool denyRename : {true, false}) {
        SCOPED_TRACE(denyRename ? "no rename" : "no new files");
        test::SimulatorOptions o;
        o.denyRename = denyRename;
        o.noNewFiles = !denyRename;
        Begin(o);
        PutReceiverFiles(MakeReceiverFiles(900));
        auto doc = DocumentToSend(950);
        auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
        ASSERT_TRUE(result.ok) << Messages(result);
        EXPECT_TRUE(result.configurationSent);
        doc->SetReceiverLayout(true);
        const auto image = doc->StoreToBytes();
        EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath),
                  std::vector<uint8_t>(image.begin(), image.begin() + kServicePartSize));
        EXPECT_EQ(m_sim->RemoteNames(), (std::vector<std::string>{"_config.fdu", "_service.fdu"}));
    }
}

TEST_F(ReceiverTransferTest, AnUploadBrokenOffSaysWhatTheReceiverHasLeft) {
    for (const bool noNewFiles : {false, true}) {
        SCOPED_TRACE(noNewFiles ? "written in place" : "written beside and renamed");
        test::SimulatorOptions o;
        o.diskFullAfter = 50000;
        o.noNewFiles = noNewFiles;
        Begin(o);
        const auto old = MakeReceiverFiles(900);
        PutReceiverFiles(old);
        auto doc = DocumentToSend(950);
        auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
        EXPECT_FALSE(result.ok);
        ASSERT_FALSE(result.backupFolder.empty());
        EXPECT_EQ(ReadWholeFile(result.backupFolder / "_service.fdu"), old.service);
        EXPECT_EQ(ReadWholeFile(result.backupFolder / "_config.fdu"), old.config);
        EXPECT_EQ(m_sim->RemoteNames(), (std::vector<std::string>{"_config.fdu", "_service.fdu"}));
        EXPECT_EQ(m_sim->GetRemote(kRemoteConfigPath), old.config);
        if (noNewFiles) {
            EXPECT_TRUE(HasMessage(result, link_text::kErrorCaption, result.backupFolder.string()))
                << Messages(result);
        } else {
            EXPECT_TRUE(HasMessage(result, link_text::kErrorCaption, "keeps its previous file"))
                << Messages(result);
            EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath), old.service);
        }
    }
}

TEST_F(ReceiverTransferTest, NoBackupNoSend) {
    PutReceiverFiles(MakeReceiverFiles(900));
    // A file where the backup folder should be.
    WriteFileAtomically(m_dir / "blocked", Bytes(1, 0));
    m_options.backupFolder = m_dir / "blocked";
    auto doc = DocumentToSend(950);
    auto result = SendToReceiver(*doc, m_sim->Profile(), m_options);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(HasMessage(result, link_text::kErrorCaption, "nothing was sent"))
        << Messages(result);
    EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath), MakeReceiverFiles(900).service);
}

TEST_F(ReceiverTransferTest, PreviewSeesTheReceiversListAndNoLeavesItUntouched) {
    const auto old = MakeReceiverFiles(900);
    PutReceiverFiles(old);
    auto doc = DocumentToSend(950);
    std::vector<uint8_t> shown;
    auto result = SendToReceiver(*doc, m_sim->Profile(), m_options,
                                 [&shown](std::span<const uint8_t> current) {
                                     shown.assign(current.begin(), current.end());
                                     return false;
                                 });
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.declined);
    EXPECT_TRUE(result.messages.empty()) << Messages(result);
    EXPECT_EQ(shown, old.service);
    EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath), old.service);
    EXPECT_EQ(m_sim->GetRemote(kRemoteConfigPath), old.config);
    EXPECT_TRUE(Backups().empty()) << "a send that did not happen keeps no backup";
    result = SendToReceiver(*doc, m_sim->Profile(), m_options,
                            [](std::span<const uint8_t>) { return true; });
    EXPECT_TRUE(result.ok) << Messages(result);
    EXPECT_NE(m_sim->GetRemote(kRemoteServicePath), old.service);
}
