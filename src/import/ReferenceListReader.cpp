#include "ReferenceListReader.h"

#include "CE2ImportBouquet.h"
#include "CSettingsFile.h"
#include "FileError.h"
#include "FileIo.h"

#include <set>
#include <string_view>

namespace tarnell {

namespace {

constexpr size_t kMaxReferenceBytes = 16u << 20;
// Enigma2 puts the orbital position in the upper half of a satellite namespace; positions past
// a full circle are cable and terrestrial networks.
constexpr uint32_t kMaxPosition = 3600;

bool LooksLikeBouquet(std::string_view text) {
    return text.starts_with("#NAME") || text.find("\n#SERVICE") != std::string_view::npos ||
           text.starts_with("#SERVICE");
}

} // namespace

ReferenceList ReferenceFromBouquet(const std::filesystem::path& path) {
    CE2ImportBouquetArray bouquets;
    std::set<std::filesystem::path> visited;
    ParseBouquetFile(path, bouquets, path.extension() != ".radio", visited);
    ReferenceList reference;
    for (const auto& bouquet : bouquets.Items()) {
        ReferenceFavourite favourite;
        favourite.name = bouquet->name;
        for (const auto& entry : bouquet->entries) {
            const uint32_t position = entry.nameSpace >> 16;
            if (position >= kMaxPosition) {
                continue;
            }
            ServiceKey service;
            service.position = static_cast<uint16_t>(position);
            service.serviceId = static_cast<uint16_t>(entry.serviceId);
            service.transportStreamId = static_cast<uint16_t>(entry.transportStreamId);
            service.originalNetworkId = static_cast<uint16_t>(entry.originalNetworkId);
            favourite.entries.push_back(reference.entries.size());
            reference.entries.push_back({std::nullopt, service, {}});
        }
        if (!favourite.entries.empty()) {
            reference.favourites.push_back(std::move(favourite));
        }
    }
    if (reference.entries.empty()) {
        throw FileError(path.string() +
                        " names no satellite channel of its own. Nothing was changed.");
    }
    return reference;
}

ReferenceList ReadReferenceList(const std::filesystem::path& path, int favCodepage) {
    const auto bytes = ReadWholeFile(path, kMaxReferenceBytes);
    if (bytes.empty()) {
        throw FileError(path.string() + " is empty. Nothing was changed.");
    }
    {
        CSettingsFile file;
        bool isSettings = true;
        try {
            file.Load(bytes);
        } catch (const FileError&) {
            isSettings = false;
        }
        if (isSettings) {
            if (file.m_channels.Empty()) {
                throw FileError(path.string() + " holds no channels. Nothing was changed.");
            }
            return ReferenceFromSettings(file, favCodepage);
        }
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (LooksLikeBouquet(text)) {
        return ReferenceFromBouquet(path);
    }
    return ReferenceFromNames(text, path.string());
}

} // namespace tarnell
