#include "CNetworkProfileArray.h"

#include "ArchiveStream.h"
#include "FileError.h"
#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace tarnell {

namespace {

// Three empty strings and three integers.
constexpr size_t kSmallestRecord = 3 + 3 * 4;
constexpr size_t kLargestFile = 1u << 20;

[[noreturn]] void CannotOpen(const std::filesystem::path& path, int error) {
    throw FileError("File could not be opened " + std::to_string(error) + ": \"" + path.string() +
                    "\": " + std::strerror(error));
}

} // namespace

ptrdiff_t CNetworkProfileArray::IndexOf(const CNetworkProfileData* record) const {
    auto it = std::find_if(m_items.begin(), m_items.end(),
                           [record](const auto& p) { return p.get() == record; });
    return it == m_items.end() ? -1 : it - m_items.begin();
}

ptrdiff_t CNetworkProfileArray::Find(std::string_view name) const {
    auto it = std::find_if(m_items.begin(), m_items.end(),
                           [name](const auto& p) { return p->m_name == name; });
    return it == m_items.end() ? -1 : it - m_items.begin();
}

const CNetworkProfileData* CNetworkProfileArray::GetActiveProfile() const {
    if (m_activeIndex >= 0 && static_cast<size_t>(m_activeIndex) < m_items.size()) {
        return m_items[static_cast<size_t>(m_activeIndex)].get();
    }
    return m_items.empty() ? nullptr : m_items.front().get();
}

CNetworkProfileData* CNetworkProfileArray::AddProfile(std::string_view name, uint32_t address,
                                                      int32_t port, std::string_view user,
                                                      std::string_view password,
                                                      int32_t forcedReboot) {
    auto profile = std::make_unique<CNetworkProfileData>();
    profile->m_name = name;
    profile->m_address = address;
    profile->m_port = port;
    profile->m_user = user;
    profile->m_password = password;
    profile->m_forcedReboot = forcedReboot;
    m_items.push_back(std::move(profile));
    return m_items.back().get();
}

void CNetworkProfileArray::RemoveAll() {
    m_items.clear();
    m_activeIndex = -1;
}

bool CNetworkProfileArray::RemoveProfile(size_t index) {
    if (index >= m_items.size() || m_items.size() == 1) {
        return false;
    }
    m_items.erase(m_items.begin() + static_cast<ptrdiff_t>(index));
    const auto removed = static_cast<int32_t>(index);
    if (m_activeIndex == removed) {
        m_activeIndex = 0;
    } else if (m_activeIndex > removed) {
        --m_activeIndex;
    }
    return true;
}

void CNetworkProfileArray::MoveProfile(const CNetworkProfileData* record, size_t newIndex) {
    const ptrdiff_t from = IndexOf(record);
    if (from < 0) {
        return;
    }
    auto item = std::move(m_items[static_cast<size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    newIndex = std::min(newIndex, m_items.size());
    m_items.insert(m_items.begin() + static_cast<ptrdiff_t>(newIndex), std::move(item));
}

std::vector<uint8_t> CNetworkProfileArray::ToBytes() const {
    ArchiveWriter out;
    out.Int32(m_activeIndex);
    out.Int32(static_cast<int32_t>(m_items.size()));
    for (const auto& p : m_items) {
        out.String(p->m_name);
        out.UInt32(p->m_address);
        out.Int32(p->m_port);
        out.String(p->m_user);
        out.String(p->m_password);
        out.Int32(p->m_forcedReboot);
    }
    return out.Bytes();
}

void CNetworkProfileArray::FromBytes(std::span<const uint8_t> bytes) {
    ArchiveReader in(bytes);
    int32_t active = 0;
    int32_t count = 0;
    if (!in.Int32(active) || !in.Int32(count)) {
        throw FileError("it ends before the profile count");
    }
    // A count the remaining bytes cannot hold would only make us allocate for nothing.
    if (count < 0 ||
        static_cast<size_t>(count) > (bytes.size() - in.Position()) / kSmallestRecord) {
        throw FileError("it lists " + std::to_string(count) +
                        " profile(s), more than its length can hold");
    }
    std::vector<std::unique_ptr<CNetworkProfileData>> items;
    for (int32_t i = 0; i < count; ++i) {
        auto p = std::make_unique<CNetworkProfileData>();
        if (!in.String(p->m_name) || !in.UInt32(p->m_address) || !in.Int32(p->m_port) ||
            !in.String(p->m_user) || !in.String(p->m_password) || !in.Int32(p->m_forcedReboot)) {
            throw FileError("profile " + std::to_string(i + 1) + " of " + std::to_string(count) +
                            " is cut off");
        }
        items.push_back(std::move(p));
    }
    m_items = std::move(items);
    m_activeIndex = active;
    // A stale index would leave every transfer without an address.
    if (m_activeIndex < 0 || static_cast<size_t>(m_activeIndex) >= m_items.size()) {
        m_activeIndex = m_items.empty() ? -1 : 0;
    }
}

std::optional<std::string> CNetworkProfileArray::Load(const std::filesystem::path& path) {
    RemoveAll();
    m_unreadable.clear();
    std::optional<std::string> message;
    try {
        // Never through a link: the file holds passwords, and a link could lead anywhere.
        const auto bytes = ReadWholeFile(path, kLargestFile, false);
        if (!bytes.empty()) {
            try {
                FromBytes(bytes);
                return std::nullopt;
            } catch (const FileError& e) {
                message = "The network profiles in \"" + path.string() +
                          "\" cannot be read: the file is damaged (" + e.what() + ").";
            }
        }
    } catch (const FileError& e) {
        struct stat st {};
        // Only a file that is not there at all is the first start, which needs no word.
        if (lstat(path.c_str(), &st) == 0 || errno != ENOENT) {
            message = e.what();
            if (message->back() != '.') {
                *message += ".";
            }
        }
    }
    if (message) {
        m_unreadable = path;
        *message += " The profile \"" + std::string(kDefaultName) +
                    "\" stands in for now, and the file is left as it is: no change to the "
                    "profiles is saved until it can be read. Repair it (or its permissions), or "
                    "move it away to start with new profiles.";
    }
    AddProfile(kDefaultName);
    m_activeIndex = 0;
    return message;
}

void CNetworkProfileArray::Save(const std::filesystem::path& path) const {
    if (!m_unreadable.empty() && m_unreadable == path) {
        throw FileError("The network profiles were not saved: \"" + path.string() +
                        "\" could not be read, and it is not overwritten. Repair it or move it "
                        "away, then add the profiles again.");
    }
    const auto folder =
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            CannotOpen(path, ec.value());
        }
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    }
    // The file holds passwords: create it owner-only before the atomic write, which keeps the
    // permissions of the file it replaces. A link in its place is neither followed nor replaced.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                        S_IRUSR | S_IWUSR);
    if (fd < 0) {
        if (errno == ELOOP) {
            throw FileError("\"" + path.string() +
                            "\" is a symbolic link; the network profiles are not written "
                            "through it. Put the file itself in its place.");
        }
        CannotOpen(path, errno);
    }
    struct stat st {};
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const bool narrowed = regular && fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    const int error = errno;
    close(fd);
    if (!regular) {
        throw FileError("\"" + path.string() +
                        "\" is not a file; the network profiles were not written.");
    }
    if (!narrowed) {
        CannotOpen(path, error);
    }
    WriteFileAtomically(path, ToBytes(), false);
}

} // namespace tarnell
