#pragma once

#include "CNetworkProfileData.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

// The receivers the user knows, one of them active; kept in "NetworkProfileData.i2k".
class CNetworkProfileArray {
public:
    static constexpr const char* kFileName = "NetworkProfileData.i2k";
    static constexpr const char* kDefaultName = "Default";

    size_t Size() const { return m_items.size(); }
    CNetworkProfileData* At(size_t i) const { return m_items[i].get(); }
    ptrdiff_t IndexOf(const CNetworkProfileData* record) const;
    // The first profile of that name, or -1.
    ptrdiff_t Find(std::string_view name) const;

    int32_t GetActiveIndex() const { return m_activeIndex; }
    void SetActiveIndex(int32_t index) { m_activeIndex = index; }
    // The active profile; when the index names none, the first one, so that a stale index
    // never sends a transfer to an empty address. Null only when the list is empty.
    const CNetworkProfileData* GetActiveProfile() const;

    CNetworkProfileData* AddProfile(std::string_view name, uint32_t address = 0,
                                    int32_t port = CNetworkProfileData::kDefaultPort,
                                    std::string_view user = CNetworkProfileData::kDefaultUser,
                                    std::string_view password = {}, int32_t forcedReboot = 1);
    void RemoveAll();
    // Refuses to remove the last profile. The active index follows its profile; when that
    // profile goes, the first one becomes active.
    bool RemoveProfile(size_t index);
    // Takes the record out of its place and inserts it at newIndex; the active index stays.
    void MoveProfile(const CNetworkProfileData* record, size_t newIndex);

    // The archive: active index, count, then each profile.
    std::vector<uint8_t> ToBytes() const;
    // Replaces the list by the archive's. Throws FileError on a damaged archive and leaves the
    // list as it was then.
    void FromBytes(std::span<const uint8_t> bytes);

    // Fills the list from the file (never through a symbolic link). A missing (or empty) file
    // gives one "Default" profile silently; a damaged or unreadable one gives it too, and the
    // message saying so, and is never overwritten by Save.
    std::optional<std::string> Load(const std::filesystem::path& path);
    // Writes atomically, readable by the owner only (it holds passwords). Throws FileError.
    void Save(const std::filesystem::path& path) const;

private:
    std::vector<std::unique_ptr<CNetworkProfileData>> m_items;
    int32_t m_activeIndex = -1;
    std::filesystem::path m_unreadable; // the file Load could not read
};

} // namespace tarnell
