// fdutool fetch, send, reboot and profiles as a user runs them, against the simulator.
#include "CNetworkProfileArray.h"
#include "FileIo.h"
#include "ReceiverSimulator.h"
#include "ReceiverTransfer.h"
#include "RunCommand.h"
#include "SectionIds.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

using ToolRun = test::CommandRun;

class FdutoolLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::FreshTestFolder("tarnell-cli-link");
        m_sim = std::make_unique<test::ReceiverSimulator>(m_dir / "receiver");
        const auto error = m_sim->Start();
        ASSERT_TRUE(error.empty()) << error;

        test::SampleOptions o;
        o.configLength = 900;
        o.timers = 4;
        const auto image = test::MakeSample(o)->Store(ConfigLayout::Receiver);
        m_service.assign(image.begin(), image.begin() + kServicePartSize);
        m_config.assign(image.begin() + kServicePartSize, image.end());
        m_sim->PutRemote(kRemoteServicePath, m_service);
        m_sim->PutRemote(kRemoteConfigPath, m_config);
    }
    void TearDown() override {
        m_sim.reset();
        fs::remove_all(m_dir);
    }

    ToolRun Fdutool(const std::string& args) const {
        const std::string command =
            "TARNELL_CONFIG_DIR=" + Q(m_dir / "config") +
            " TARNELL_RESTART_PORT=" + std::to_string(m_sim->RestartPort()) +
            " " TARNELL_FDUTOOL " " + args + " 2>&1";
        return test::RunCommand(command);
    }
    static std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }
    void AddSimulatorProfile() {
        const auto run =
            Fdutool("profiles add sim --address 127.0.0.1 --port " +
                    std::to_string(m_sim->FtpPort()) + " --password secret --activate");
        ASSERT_EQ(run.status, 0) << run.out;
    }

    fs::path m_dir;
    std::unique_ptr<test::ReceiverSimulator> m_sim;
    std::vector<uint8_t> m_service;
    std::vector<uint8_t> m_config;
};

} // namespace

TEST_F(FdutoolLinkTest, FetchEditSendRebootRoundTripIsByteExact) {
    AddSimulatorProfile();
    const auto sys = m_dir / "fetched.sys";
    auto run = Fdutool("fetch --config -o " + Q(sys));
    ASSERT_EQ(run.status, 0) << run.out;

    // Put something else on the receiver, then send the fetched file back.
    m_sim->PutRemote(kRemoteServicePath, std::vector<uint8_t>(kServicePartSize, 0));
    run = Fdutool("send " + Q(sys) + " --reboot");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("service list and configuration"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ReceiverBackups"), std::string::npos) << run.out;
    EXPECT_EQ(m_sim->GetRemote(kRemoteServicePath), m_service);
    EXPECT_EQ(m_sim->GetRemote(kRemoteConfigPath), m_config);

    const std::vector<uint8_t> script = {'r', 'o',  'o', 't', '\r', 0,   's', 'e', 'c', 'r',  'e',
                                         't', '\r', 0,   'r', 'e',  'b', 'o', 'o', 't', ' ',  '-',
                                         'f', '\r', 0,   'e', 'x',  'i', 't', ' ', '0', '\r', 0};
    EXPECT_EQ(m_sim->RestartBytes(script.size()), script);

    // Without the configuration the file is the receiver's service file as it stands.
    const auto fdu = m_dir / "fetched.fdu";
    ASSERT_EQ(Fdutool("fetch -o " + Q(fdu)).status, 0);
    EXPECT_EQ(ReadWholeFile(fdu), m_service);
}

TEST_F(FdutoolLinkTest, FailuresExitWithOneAndTouchNothing) {
    AddSimulatorProfile();
    const auto out = m_dir / "out.sys";
    WriteFileAtomically(out, std::vector<uint8_t>{1, 2, 3});

    ASSERT_EQ(Fdutool("profiles add locked --address 127.0.0.1 --port " +
                      std::to_string(m_sim->FtpPort()) + " --password nope")
                  .status,
              0);
    auto run = Fdutool("fetch -o " + Q(out) + " --profile locked");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("ftp Connection Error"), std::string::npos) << run.out;
    EXPECT_EQ(ReadWholeFile(out), (std::vector<uint8_t>{1, 2, 3}));

    fs::remove(m_sim->Remote(kRemoteServicePath));
    run = Fdutool("fetch -o " + Q(out));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("No Data"), std::string::npos) << run.out;
    EXPECT_EQ(ReadWholeFile(out), (std::vector<uint8_t>{1, 2, 3}));

    const auto sys = m_dir / "send.sys";
    test::SampleOptions o;
    WriteFileAtomically(sys, test::MakeSample(o)->Store());
    run = Fdutool("send " + Q(sys));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("nothing was sent"), std::string::npos) << run.out;
    EXPECT_EQ(m_sim->RemoteNames(), std::vector<std::string>{"_config.fdu"});

    run = Fdutool("fetch -o " + Q(out) + " --profile nosuch");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("nosuch"), std::string::npos) << run.out;
}

TEST_F(FdutoolLinkTest, ProfilesAreListedAddedActivatedAndRemoved) {
    auto run = Fdutool("profiles list");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "* Default\t0.0.0.0:21\tuser root\treboot -f\n");

    ASSERT_EQ(Fdutool("profiles add box --address 192.168.1.20 --user admin --password pw "
                      "--normal-reboot")
                  .status,
              0);
    EXPECT_EQ(Fdutool("profiles add box").status, 1) << "names are unique";
    EXPECT_EQ(Fdutool("profiles add odd --address 300.1.1.1").status, 2);
    EXPECT_EQ(Fdutool("profiles add odd --port 0").status, 2);
    ASSERT_EQ(Fdutool("profiles activate box").status, 0);
    run = Fdutool("profiles list");
    EXPECT_EQ(run.out, "  Default\t0.0.0.0:21\tuser root\treboot -f\n"
                       "* box\t192.168.1.20:21\tuser admin\treboot\n");
    EXPECT_EQ(run.out.find("pw"), std::string::npos) << "passwords are not shown";

    ASSERT_EQ(Fdutool("profiles remove Default").status, 0);
    run = Fdutool("profiles remove box");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("last"), std::string::npos) << run.out;
    EXPECT_EQ(Fdutool("profiles activate nosuch").status, 1);

    CNetworkProfileArray saved;
    ASSERT_EQ(saved.Load(m_dir / "config" / CNetworkProfileArray::kFileName), std::nullopt);
    ASSERT_EQ(saved.Size(), 1u);
    EXPECT_EQ(saved.GetActiveProfile()->m_password, "pw");
}

TEST_F(FdutoolLinkTest, ADamagedProfileFileIsNeverOverwritten) {
    const auto file = m_dir / "config" / CNetworkProfileArray::kFileName;
    fs::create_directories(file.parent_path());
    const std::vector<uint8_t> damaged = {0, 0, 0, 0, 9, 0, 0, 0, 0xFF};
    WriteFileAtomically(file, damaged);
    auto run = Fdutool("profiles list");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("cannot be read"), std::string::npos) << run.out;
    run = Fdutool("profiles add box --address 10.0.0.1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ReadWholeFile(file), damaged);
}
