#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnell {

// Where the receiver's FTP server is and how to log in.
struct FtpEndpoint {
    std::string server; // dotted IPv4 address
    int port = 21;
    std::string user;     // bytes as sent (the ANSI code page)
    std::string password; // bytes as sent
};

// No step may hang the program on a receiver that stopped answering.
struct FtpTimeouts {
    std::chrono::milliseconds connect{10000};
    std::chrono::milliseconds response{15000}; // one reply on the control connection
    std::chrono::milliseconds accept{15000};   // the server connecting back (active mode)
    std::chrono::milliseconds transfer{60000}; // one whole command, transfer included
};

class FtpError : public std::runtime_error {
public:
    enum class Kind {
        Connection, // no session: refused, unreachable, login denied
        Refused,    // the server declined the command before any data moved
        TooLarge,   // the remote file is larger than the caller accepts
        Transfer,   // anything else, part-way included
    };
    FtpError(Kind kind, const std::string& text) : std::runtime_error(text), m_kind(kind) {}
    Kind GetKind() const { return m_kind; }

private:
    Kind m_kind;
};

// One FTP session with the receiver over libcurl: active mode, binary transfers, every command
// bounded in time. The session is opened by Open and closed with the object.
class CFtpConnection {
public:
    CFtpConnection(FtpEndpoint endpoint, FtpTimeouts timeouts = {});
    ~CFtpConnection();
    CFtpConnection(const CFtpConnection&) = delete;
    CFtpConnection& operator=(const CFtpConnection&) = delete;

    // Connects and logs in. Throws FtpError (Kind::Connection).
    void Open();
    // Asks the server itself (MDTM/SIZE), so nothing cached can answer.
    bool Exists(const std::string& path);
    std::optional<uint64_t> Size(const std::string& path);
    // Reads the whole file; more than maxBytes throws Kind::TooLarge.
    std::vector<uint8_t> Read(const std::string& path, size_t maxBytes);
    void Write(const std::string& path, std::span<const uint8_t> bytes);
    void Rename(const std::string& from, const std::string& to);
    void Delete(const std::string& path);

private:
    struct Transfer;
    void Prepare(const std::string& path);
    // Runs the prepared command; a failure throws FtpError of the kind `onError` (or a finer
    // one where the cause says so).
    void Perform(FtpError::Kind onError);
    [[noreturn]] void Fail(int curlCode, FtpError::Kind onError);
    void RunCommands(const std::vector<std::string>& commands);
    std::string Url(const std::string& path) const;
    static size_t OnReply(char* data, size_t size, size_t count, void* user);

    FtpEndpoint m_endpoint;
    FtpTimeouts m_timeouts;
    void* m_curl = nullptr;
    char m_errorBuffer[256]{};
    std::string m_lastRefusal; // the server's last 4xx/5xx reply in this command
};

} // namespace tarnell
