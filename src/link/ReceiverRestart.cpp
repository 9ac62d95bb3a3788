#include "ReceiverRestart.h"

#include "CodePage.h"
#include "ReceiverTransfer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <thread>

namespace tarnell {

namespace {

using namespace link_text;
using std::chrono::milliseconds;

// Carriage return and NUL: the telnet form of a bare CR (RFC 854), not CR LF.
constexpr std::string_view kLineEnd{"\r\0", 2};

class Socket {
public:
    Socket() : m_fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (m_fd >= 0) {
            close(m_fd);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

// Connects within the timeout; the error number on failure, 0 on success.
int ConnectWithin(int fd, uint32_t address, int port, milliseconds timeout) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(address);
    const int flags = fcntl(fd, F_GETFL, 0);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof(to)) != 0) {
        if (errno != EINPROGRESS) {
            return errno;
        }
        pollfd p{fd, POLLOUT, 0};
        const int ready = poll(&p, 1, static_cast<int>(timeout.count()));
        if (ready <= 0) {
            return ready == 0 ? ETIMEDOUT : errno;
        }
        int error = 0;
        socklen_t length = sizeof(error);
        getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length);
        if (error != 0) {
            return error;
        }
    }
    fcntl(fd, F_SETFL, flags);
    return 0;
}

bool SendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string Ansi(const std::string& utf8) {
    const auto bytes = EncodeText(utf8, CodePage::Windows1252);
    return {bytes.begin(), bytes.end()};
}

void Wait(int ms) {
    std::this_thread::sleep_for(milliseconds(ms));
}

} // namespace

LinkResult RebootReceiver(const CNetworkProfileData& profile, const LinkOptions& options) {
    LinkResult result;
    auto fail = [&result](const char* text, std::string detail,
                          std::vector<std::string> args = {}) {
        result.Add({"", text, MessageIcon::Stop, std::move(detail), false, std::move(args)});
        return result;
    };
    Socket socket;
    if (socket.Fd() < 0) {
        const std::string detail = std::strerror(errno);
        fail(kSocketFailed, detail);
        return fail(kNoConnect, detail);
    }
    // 0.0.0.0 would reach this very machine on Linux.
    if (profile.m_address == 0) {
        return fail(kNoConnect, kNoAddress, {profile.m_name});
    }
    if (const int error = ConnectWithin(socket.Fd(), profile.m_address, options.restartPort,
                                        options.restartConnectTimeout)) {
        return fail(kNoConnect, profile.ServerText() + ":" + std::to_string(options.restartPort) +
                                    ": " + std::strerror(error));
    }
    timeval sendTimeout{};
    sendTimeout.tv_sec = static_cast<time_t>(options.restartSendTimeout.count() / 1000);
    sendTimeout.tv_usec =
        static_cast<suseconds_t>(options.restartSendTimeout.count() % 1000 * 1000);
    setsockopt(socket.Fd(), SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof(sendTimeout));

    const int fd = socket.Fd();
    int sendError = 0;
    auto line = [fd, &sendError](std::string_view text) {
        if (sendError == 0 && !(SendAll(fd, text) && SendAll(fd, kLineEnd))) {
            sendError = errno;
        }
    };
    // The receiver's shell needs its time between the lines; these waits are what it is used to.
    Wait(800);
    line(Ansi(profile.m_user));
    Wait(100);
    line(Ansi(profile.m_password));
    Wait(100);
    Wait(500);
    line(profile.m_forcedReboot != 0 ? "reboot -f" : "reboot");
    if (sendError != 0) {
        return fail(kNoConnect, kConnectionClosed, {std::strerror(sendError)});
    }
    Wait(10);
    // A receiver already going down may not take this line any more; that is fine.
    line("exit 0");
    Wait(800);
    result.ok = true;
    return result;
}

LinkResult RebootReceiver(const CNetworkProfileArray& profiles, const LinkOptions& options) {
    return WithActiveProfile<LinkResult>(profiles, [&](const CNetworkProfileData& profile) {
        return RebootReceiver(profile, options);
    });
}

} // namespace tarnell
