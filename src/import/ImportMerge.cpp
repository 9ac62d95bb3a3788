#include "ImportMerge.h"

#include "CBINImportManager.h"
#include "CEnigma2ImportManager.h"
#include "CTarnell1018Doc.h"
#include "CUDBImportManager.h"
#include "FileError.h"
#include "FileIo.h"
#include "ImportModelOperations.h"

#include <unordered_map>

namespace tarnell {

void EmptyServiceList(CSettingsFile& file) {
    std::vector<const CChannelData*> channels;
    for (const auto& c : file.m_channels.Items()) {
        channels.push_back(c.get());
    }
    // Every channel goes, also those that name no transponder: the list is to be empty.
    file.DeleteChannels(channels);
    std::vector<const CTransponderData*> transponders;
    for (const auto& t : file.m_transponders.Items()) {
        transponders.push_back(t.get());
    }
    file.DeleteTransponders(transponders);
    file.m_favourites.RemoveAll();
    // Timers named channels that are gone. The first one too: kept, it would record whatever
    // channel lands on its position. The last two are the receiver's own.
    const size_t timers = file.m_timers.Size();
    for (size_t i = 0; i + 2 < timers; ++i) {
        file.m_timers.At(i)->Clear();
    }
    for (size_t i = 0; i < file.m_timerInfos.Size() && i + 2 < timers; ++i) {
        file.m_timerInfos.At(i)->Clear();
    }
}

void AddBouquetsAsFavourites(CSettingsFile& file, const std::vector<const CE2ImportBouquet*>& tv,
                             const std::vector<const CE2ImportBouquet*>& radio, int favCodepage,
                             ImportReport& report) {
    ImportIndex index(file);
    // (service ID, transponder) -> channels, so that marking stays linear.
    std::unordered_multimap<uint32_t, CChannelData*> byService;
    for (const auto& c : file.m_channels.Items()) {
        byService.emplace(
            (static_cast<uint32_t>(c->GetServiceId()) << 16) | c->GetTransponderIndex(), c.get());
    }
    std::vector<const CE2ImportBouquet*> all(tv);
    all.insert(all.end(), radio.begin(), radio.end());
    for (size_t i = 0; i < all.size() && i < CFavoritenInfoArray::kMaxLists; ++i) {
        if (file.m_favourites.AddFavouriteList(all[i]->name, favCodepage) == nullptr) {
            break;
        }
        ++report.favouriteLists;
        const int list = static_cast<int>(file.m_favourites.Size());
        for (const auto& entry : all[i]->entries) {
            const int t =
                index.FindTransponder(static_cast<int>(entry.transportStreamId),
                                      static_cast<int>(entry.originalNetworkId), entry.nameSpace);
            if (t < 0) {
                continue;
            }
            const auto range = byService.equal_range(((entry.serviceId & 0xFFFF) << 16) |
                                                     static_cast<uint32_t>(t));
            for (auto it = range.first; it != range.second; ++it) {
                it->second->SetFavourite(list, true);
            }
        }
    }
}

std::unique_ptr<CTarnell1018Doc> ImportIntoNewDocument(const ImportRequest& request,
                                                       ImportReport& report) {
    auto doc = std::make_unique<CTarnell1018Doc>();
    // The base file's own messages (a damaged configuration) go with the report.
    for (auto& message : doc->LoadFromBytes(ReadWholeFile(request.base))) {
        report.messages.push_back(std::move(message));
    }
    // A base without its transponder slots or satellites would turn into odd drops later.
    if (!doc->LostSections().empty() && !request.salvage) {
        throw FileError(request.base.string() + " is damaged; these parts of it cannot be read: " +
                        doc->LostSectionsText() + ". Choose an intact base file.");
    }
    CSettingsFile& file = doc->File();
    EmptyServiceList(file);
    bool ok = false;
    switch (request.kind) {
    case ImportKind::Enigma2:
        ok = CEnigma2ImportManager().ImportServices(request.source, file, report);
        if (ok) {
            AddBouquetsAsFavourites(file, request.tvBouquets, request.radioBouquets,
                                    request.favCodepage, report);
        }
        break;
    case ImportKind::Udb:
        ok = CUDBImportManager().ImportBytes(ReadWholeFile(request.source, 1u << 20), file, report,
                                             request.favCodepage);
        break;
    case ImportKind::Bin:
        ok = CBINImportManager().Import(request.source, file, report, request.favCodepage);
        break;
    }
    if (!ok) {
        throw FileError("Please check files");
    }
    file.UpdateHasChannels();
    file.m_channels.AssignRunningNumbers();
    doc->RebuildTimerLinks();
    doc->SetModifiedFlag(true);
    doc->UpdateAllViews(kHintModelReplaced);
    return doc;
}

} // namespace tarnell
