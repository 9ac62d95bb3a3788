// The restart session as the receiver's login shell sees it, byte for byte.
#include "ReceiverRestart.h"
#include "ReceiverSimulator.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Lines(std::initializer_list<std::string_view> lines) {
    std::vector<uint8_t> bytes;
    for (const auto line : lines) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back(0x0D);
        bytes.push_back(0x00);
    }
    return bytes;
}

class ReceiverRestartTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::FreshTestFolder("tarnell-restart");
        m_sim = std::make_unique<test::ReceiverSimulator>(m_dir);
        const auto error = m_sim->Start();
        ASSERT_TRUE(error.empty()) << error;
        m_options.restartPort = m_sim->RestartPort();
    }
    void TearDown() override {
        m_sim.reset();
        fs::remove_all(m_dir);
    }
    std::vector<uint8_t> Restart(const CNetworkProfileData& profile, size_t expected) {
        const auto result = RebootReceiver(profile, m_options);
        EXPECT_TRUE(result.ok);
        EXPECT_TRUE(result.messages.empty());
        return m_sim->RestartBytes(expected);
    }

    fs::path m_dir;
    std::unique_ptr<test::ReceiverSimulator> m_sim;
    LinkOptions m_options;
};

} // namespace

TEST_F(ReceiverRestartTest, ForcedRebootSendsTheScriptWithCarriageReturnNul) {
    auto profile = m_sim->Profile();
    profile.m_forcedReboot = 1;
    const auto expected = Lines({"root", "secret", "reboot -f", "exit 0"});
    EXPECT_EQ(Restart(profile, expected.size()), expected);
}

TEST_F(ReceiverRestartTest, PlainRebootAndEmptyLogin) {
    auto profile = m_sim->Profile();
    profile.m_forcedReboot = 0;
    profile.m_user.clear();
    profile.m_password.clear();
    // An empty name sends the line end alone.
    const auto expected = Lines({"", "", "reboot", "exit 0"});
    EXPECT_EQ(Restart(profile, expected.size()), expected);
}

TEST_F(ReceiverRestartTest, LoginIsSentInTheAnsiCodePageOneBytePerCharacter) {
    auto profile = m_sim->Profile();
    profile.m_user = "J\xC3\xBCrgen"; // Jürgen
    profile.m_password = "\xE2\x82\xAC"
                         "5"; // €5
    const auto expected = Lines({"J\xFCrgen",
                                 "\x80"
                                 "5",
                                 "reboot -f", "exit 0"});
    EXPECT_EQ(Restart(profile, expected.size()), expected);
}

TEST_F(ReceiverRestartTest, NoConnectionIsReportedAndSendsNothing) {
    auto profile = m_sim->Profile();
    m_options.restartPort = test::UnusedPort();
    auto refused = RebootReceiver(profile, m_options);
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.messages.size(), 1u);
    EXPECT_EQ(refused.messages[0].text, link_text::kNoConnect);

    profile.m_address = 0; // the Default profile's address
    m_options.restartPort = m_sim->RestartPort();
    auto noAddress = RebootReceiver(profile, m_options);
    EXPECT_FALSE(noAddress.ok);
    EXPECT_EQ(noAddress.messages.at(0).text, link_text::kNoConnect);
    EXPECT_TRUE(m_sim->RestartBytes(0).empty());

    CNetworkProfileArray none;
    EXPECT_FALSE(RebootReceiver(none, m_options).ok);
}

TEST_F(ReceiverRestartTest, AShellThatHangsUpAtOnceIsNoRestart) {
    // A listener that takes the connection and closes it straight away.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(a);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof(a)), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    getsockname(listener, reinterpret_cast<sockaddr*>(&a), &length);
    std::thread hangUp([listener] {
        pollfd p{listener, POLLIN, 0};
        if (poll(&p, 1, 10000) > 0) {
            close(accept(listener, nullptr, nullptr));
        }
    });
    m_options.restartPort = ntohs(a.sin_port);
    const auto result = RebootReceiver(m_sim->Profile(), m_options);
    hangUp.join();
    close(listener);
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].text, link_text::kNoConnect);
}
