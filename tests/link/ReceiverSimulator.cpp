#include "ReceiverSimulator.h"

#include "FileIo.h"

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <thread>

extern char** environ;

namespace tarnell::test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

ReceiverSimulator::ReceiverSimulator(fs::path folder, SimulatorOptions options)
    : m_folder(std::move(folder)), m_options(std::move(options)) {
    fs::create_directories(m_folder / "root" / "var" / "etc");
}

std::string ReceiverSimulator::Start() {
    int out[2];
    if (pipe(out) != 0) {
        return "no pipe";
    }
    std::vector<std::string> args = {TARNELL_PYTHON, TARNELL_SIMULATOR,
                                     "--root",       (m_folder / "root").string(),
                                     "--record",     (m_folder / "restart.bin").string(),
                                     "--user",       m_options.user,
                                     "--password",   m_options.password};
    if (m_options.denyRename) {
        args.push_back("--deny-rename");
    }
    if (m_options.noNewFiles) {
        args.push_back("--no-new-files");
    }
    if (m_options.diskFullAfter) {
        args.push_back("--disk-full-after");
        args.push_back(std::to_string(*m_options.diskFullAfter));
    }
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        m_pid = -1;
        return std::string("cannot start ") + TARNELL_PYTHON;
    }
    // Python and pyftpdlib take a moment to start on a busy machine.
    std::string line;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (line.find('\n') == std::string::npos && Clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) {
            continue;
        }
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof(buffer));
        if (n <= 0) {
            break; // it ended before it was ready
        }
        line.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    if (std::sscanf(line.c_str(), "ftp=%d restart=%d", &m_ftpPort, &m_restartPort) != 2) {
        return "the receiver simulator did not start (is python3-pyftpdlib installed?): \"" + line +
               "\"";
    }
    return {};
}

ReceiverSimulator::~ReceiverSimulator() {
    if (m_pid <= 0) {
        return;
    }
    kill(m_pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < deadline) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
}

fs::path ReceiverSimulator::Remote(const std::string& path) const {
    return m_folder / "root" / fs::path(path).relative_path();
}

void ReceiverSimulator::PutRemote(const std::string& path,
                                  const std::vector<uint8_t>& bytes) const {
    WriteFileAtomically(Remote(path), bytes);
}

std::vector<uint8_t> ReceiverSimulator::GetRemote(const std::string& path) const {
    return ReadWholeFile(Remote(path));
}

std::vector<std::string> ReceiverSimulator::RemoteNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder / "root" / "var" / "etc")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<uint8_t> ReceiverSimulator::RestartBytes(size_t expected) const {
    const auto path = m_folder / "restart.bin";
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    std::vector<uint8_t> bytes;
    do {
        std::error_code ec;
        if (fs::exists(path, ec)) {
            bytes = ReadWholeFile(path);
        }
        if (bytes.size() >= expected) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (Clock::now() < deadline);
    return bytes;
}

CNetworkProfileData ReceiverSimulator::Profile() const {
    CNetworkProfileData p;
    p.m_name = "Simulator";
    p.m_address = 0x7F000001;
    p.m_port = m_ftpPort;
    p.m_user = m_options.user;
    p.m_password = m_options.password;
    return p;
}

int UnusedPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(a);
    bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length);
    close(fd);
    return ntohs(a.sin_port);
}

fs::path FreshTestFolder(const std::string& prefix) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto folder =
        fs::temp_directory_path() / (prefix + "-" + test->name() + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

} // namespace tarnell::test
