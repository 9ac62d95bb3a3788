#include "CFtpConnection.h"

#include "LinkMessage.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tarnell {

namespace {

// libcurl wants one global set-up before the first handle and one tear-down at exit.
struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlGlobal() { curl_global_cleanup(); }
};

CURL* Handle(void* p) {
    return static_cast<CURL*>(p);
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

std::string PercentEncode(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : path) {
        if (std::isalnum(c) != 0 || std::strchr("-._~/", c) != nullptr) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace

// What one command moves, seen from the curl callbacks.
struct CFtpConnection::Transfer {
    std::vector<uint8_t>* sink = nullptr;
    size_t maxBytes = 0;
    bool tooLarge = false;
    std::span<const uint8_t> source;
    size_t sent = 0;

    static size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }
    static size_t Receive(char* data, size_t size, size_t count, void* user) {
        auto* t = static_cast<Transfer*>(user);
        const size_t n = size * count;
        if (t->sink->size() + n > t->maxBytes) {
            t->tooLarge = true;
            return 0; // makes curl stop with a write error
        }
        t->sink->insert(t->sink->end(), data, data + n);
        return n;
    }
    static size_t Send(char* data, size_t size, size_t count, void* user) {
        auto* t = static_cast<Transfer*>(user);
        const size_t n = std::min(size * count, t->source.size() - t->sent);
        std::memcpy(data, t->source.data() + t->sent, n);
        t->sent += n;
        return n;
    }
};

CFtpConnection::CFtpConnection(FtpEndpoint endpoint, FtpTimeouts timeouts)
    : m_endpoint(std::move(endpoint)), m_timeouts(timeouts) {
    static const CurlGlobal global;
    m_curl = curl_easy_init();
}

CFtpConnection::~CFtpConnection() {
    if (m_curl != nullptr) {
        curl_easy_cleanup(Handle(m_curl));
    }
}

size_t CFtpConnection::OnReply(char* data, size_t size, size_t count, void* user) {
    const size_t n = size * count;
    std::string line(data, n);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.pop_back();
    }
    // Server replies, as opposed to the header lines curl makes up: 4xx and 5xx refuse.
    if (line.size() >= 3 && (line[0] == '4' || line[0] == '5') && std::isdigit(line[1] & 0xFF) &&
        std::isdigit(line[2] & 0xFF)) {
        static_cast<CFtpConnection*>(user)->m_lastRefusal = line;
    }
    return n;
}

std::string CFtpConnection::Url(const std::string& path) const {
    // "%2F" makes the path absolute instead of relative to the login folder.
    std::string url = "ftp://" + m_endpoint.server + ":" + std::to_string(m_endpoint.port) + "/";
    if (!path.empty()) {
        url += "%2F" + PercentEncode(path.front() == '/' ? path.substr(1) : path);
    }
    return url;
}

void CFtpConnection::Prepare(const std::string& path) {
    CURL* c = Handle(m_curl);
    curl_easy_reset(c); // keeps the open connection
    m_errorBuffer[0] = '\0';
    const auto ms = [](std::chrono::milliseconds d) { return static_cast<long>(d.count()); };
    curl_easy_setopt(c, CURLOPT_URL, Url(path).c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_USERNAME, m_endpoint.user.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, m_endpoint.password.c_str());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, m_errorBuffer);
    // Without a body curl still reports size and time like HTTP headers; nobody wants them.
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Transfer::Discard);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &CFtpConnection::OnReply);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, this);
    m_lastRefusal.clear();
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    // Active mode, as the receiver has always been spoken to; plain PORT, which every
    // receiver firmware knows.
    curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(c, CURLOPT_FTP_USE_EPRT, 0L);
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, ms(m_timeouts.connect));
    curl_easy_setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, ms(m_timeouts.accept));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, ms(m_timeouts.transfer));
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(m_timeouts.response).count();
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(seconds));
}

void CFtpConnection::Perform(FtpError::Kind onError) {
    const int code = curl_easy_perform(Handle(m_curl));
    if (code != CURLE_OK) {
        Fail(code, onError);
    }
}

void CFtpConnection::Fail(int result, FtpError::Kind onError) {
    const auto code = static_cast<CURLcode>(result);
    std::string text = curl_easy_strerror(code);
    // The server's own words say most; curl's buffer keeps only its first complaint, which
    // may be a harmless one from earlier in the command.
    if (!m_lastRefusal.empty()) {
        text += ": " + m_lastRefusal;
    } else if (m_errorBuffer[0] != '\0' && std::strstr(m_errorBuffer, "inet_ntop") == nullptr) {
        // (inet_ntop complaints are curl's own, about a local address, and no help to anyone.)
        text += ": ";
        text += m_errorBuffer;
    }
    FtpError::Kind kind = onError;
    if (onError != FtpError::Kind::Connection) {
        curl_off_t uploaded = 0;
        curl_easy_getinfo(Handle(m_curl), CURLINFO_SIZE_UPLOAD_T, &uploaded);
        switch (code) {
        case CURLE_FILESIZE_EXCEEDED:
            kind = FtpError::Kind::TooLarge;
            break;
        case CURLE_QUOTE_ERROR:
        case CURLE_REMOTE_ACCESS_DENIED:
            kind = FtpError::Kind::Refused;
            break;
        case CURLE_UPLOAD_FAILED:
            // Declined before anything was written, or broken off part-way.
            kind = uploaded == 0 ? FtpError::Kind::Refused : FtpError::Kind::Transfer;
            break;
        default:
            break;
        }
    }
    throw FtpError(kind, text);
}

void CFtpConnection::Open() {
    if (m_curl == nullptr) {
        throw FtpError(FtpError::Kind::Connection, link_text::kClientNotSetUp);
    }
    if (m_endpoint.server.empty() || m_endpoint.port < 1 || m_endpoint.port > 65535) {
        throw FtpError(FtpError::Kind::Connection, link_text::kNoEndpoint);
    }
    // Each would end the command line early and start another one on the server.
    if (HasLineBreak(m_endpoint.user) || HasLineBreak(m_endpoint.password)) {
        throw FtpError(FtpError::Kind::Connection, link_text::kLineBreakInLogin);
    }
    Prepare("");
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    Perform(FtpError::Kind::Connection);
}

bool CFtpConnection::Exists(const std::string& path) {
    Prepare(path);
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(Handle(m_curl), CURLOPT_FILETIME, 1L);
    const CURLcode code = curl_easy_perform(Handle(m_curl));
    // The server's own answer "no such file" is an answer, not a failure.
    if (code == CURLE_REMOTE_FILE_NOT_FOUND) {
        return false;
    }
    if (code != CURLE_OK) {
        Fail(code, FtpError::Kind::Transfer);
    }
    return true;
}

std::optional<uint64_t> CFtpConnection::Size(const std::string& path) {
    Prepare(path);
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    Perform(FtpError::Kind::Transfer);
    curl_off_t length = -1;
    curl_easy_getinfo(Handle(m_curl), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (length < 0) {
        return std::nullopt;
    }
    return static_cast<uint64_t>(length);
}

std::vector<uint8_t> CFtpConnection::Read(const std::string& path, size_t maxBytes) {
    std::vector<uint8_t> bytes;
    Transfer t;
    t.sink = &bytes;
    t.maxBytes = maxBytes;
    Prepare(path);
    CURL* c = Handle(m_curl);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Transfer::Receive);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
    try {
        Perform(FtpError::Kind::Transfer);
    } catch (const FtpError& e) {
        if (t.tooLarge) {
            throw FtpError(FtpError::Kind::TooLarge, e.what());
        }
        throw;
    }
    return bytes;
}

void CFtpConnection::Write(const std::string& path, std::span<const uint8_t> bytes) {
    Transfer t;
    t.source = bytes;
    Prepare(path);
    CURL* c = Handle(m_curl);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &Transfer::Send);
    curl_easy_setopt(c, CURLOPT_READDATA, &t);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(bytes.size()));
    Perform(FtpError::Kind::Transfer);
}

void CFtpConnection::RunCommands(const std::vector<std::string>& commands) {
    Prepare("");
    curl_slist* list = nullptr;
    for (const auto& command : commands) {
        list = curl_slist_append(list, command.c_str());
    }
    curl_easy_setopt(Handle(m_curl), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(Handle(m_curl), CURLOPT_QUOTE, list);
    try {
        Perform(FtpError::Kind::Transfer);
    } catch (...) {
        curl_slist_free_all(list);
        throw;
    }
    curl_slist_free_all(list);
}

void CFtpConnection::Rename(const std::string& from, const std::string& to) {
    RunCommands({"RNFR " + from, "RNTO " + to});
}

void CFtpConnection::Delete(const std::string& path) {
    RunCommands({"DELE " + path});
}

} // namespace tarnell
