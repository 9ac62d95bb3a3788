#include "CTarnell1018Doc.h"

#include "ByteOrder.h"
#include "ChannelTextExport.h"
#include "FactoryImage.h"
#include "FileError.h"
#include "FileIo.h"
#include "ModelSnapshot.h"
#include "SortTemplate.h"

#include <algorithm>

namespace tarnell {

CTarnell1018Doc::CTarnell1018Doc() : m_file(std::make_unique<CSettingsFile>()) {}

void CTarnell1018Doc::OnNewDocument(bool loadFactoryImage) {
    if (loadFactoryImage) {
        LoadFromBytes(FactoryImage());
    }
    m_path.clear();
    SetModifiedFlag(false);
}

std::vector<std::string> CTarnell1018Doc::LoadFromBytes(std::span<const uint8_t> bytes) {
    // Loaded aside, so that a failed load leaves the document as it was.
    auto file = std::make_unique<CSettingsFile>();
    auto messages = file->Load(bytes);
    m_file = std::move(file);
    m_lost = m_file->LostSections();
    m_currentSatellite = nullptr;
    m_currentTransponder = nullptr;
    m_currentChannel = nullptr;
    AfterLoad();
    m_history.Clear();
    m_forcedModified = false;
    UpdateAllViews(kHintModelReplaced);
    return messages;
}

void CTarnell1018Doc::AfterLoad() {
    // The has-channels marks and running numbers come with the model's own load.
    m_timerLinks.Rebuild(*m_file);
    TakeConfigurationFlags();
}

void CTarnell1018Doc::TakeConfigurationFlags() {
    m_configPresent = m_file->m_configuration.IsValid();
    if (m_configPresent) {
        m_configOptionFlag = m_file->m_configuration.GetWord(CConfigurationData::kOptionWordOffset);
    }
}

std::vector<std::string> CTarnell1018Doc::Open(const std::filesystem::path& path) {
    auto messages = LoadFromBytes(ReadWholeFile(path));
    m_path = path;
    return messages;
}

std::vector<uint8_t> CTarnell1018Doc::StoreToBytes() {
    m_timerLinks.Apply(*m_file);
    const bool receiver = m_receiverLayout;
    m_receiverLayout = false;
    auto bytes = m_file->Store(receiver ? ConfigLayout::Receiver : ConfigLayout::File);
    // The stored timers are the new reference: linking again from old positions would move
    // timers that already point at their channel.
    m_timerLinks.Rebuild(*m_file);
    return bytes;
}

void CTarnell1018Doc::Save(const std::filesystem::path& path) {
    const auto bytes = StoreToBytes();
    WriteFileAtomically(path, bytes);
    m_path = path;
    m_lost.clear();
    SetModifiedFlag(false);
}

std::vector<std::string> CTarnell1018Doc::LoadConfiguration(std::span<const uint8_t> bytes) {
    std::vector<std::string> messages;
    if (auto message = m_file->m_configuration.ReadConfiguration(bytes)) {
        messages.push_back(*message);
    }
    TakeConfigurationFlags();
    return messages;
}

std::string CTarnell1018Doc::GetTitle() const {
    return m_path.empty() ? std::string() : m_path.filename().string();
}

void CTarnell1018Doc::SetModifiedFlag(bool modified) {
    m_forcedModified = modified;
    if (!modified) {
        m_history.MarkClean();
    }
}

void CTarnell1018Doc::AddListener(IDocumentListener* listener) {
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
        m_listeners.push_back(listener);
    }
}

void CTarnell1018Doc::RemoveListener(IDocumentListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                      m_listeners.end());
}

void CTarnell1018Doc::UpdateAllViews(int hint, const void* object) {
    // A listener may remove itself while being told.
    const auto listeners = m_listeners;
    for (auto* listener : listeners) {
        listener->OnDocumentUpdate(*this, hint, object);
    }
}

std::vector<uint8_t> CTarnell1018Doc::TakeState() const {
    auto state = ModelSnapshot::Take(*m_file);
    auto put = [&state](uint32_t v) {
        uint8_t raw[4];
        WriteLE32(raw, v);
        state.insert(state.end(), raw, raw + 4);
    };
    for (const auto& link : m_timerLinks.Links()) {
        put(link.position | (link.tv ? 0x10000u : 0) | (link.hasChannel ? 0x20000u : 0));
        put(link.storedNumber);
    }
    put(static_cast<uint32_t>(m_timerLinks.Links().size()));
    put(m_configOptionFlag);
    put(m_configPresent ? 1 : 0);
    return state;
}

void CTarnell1018Doc::RestoreState(std::span<const uint8_t> state) {
    // Document fields sit at the end, behind the model snapshot.
    auto take = [&state]() {
        const uint32_t v = ReadLE32(state.data() + state.size() - 4);
        state = state.first(state.size() - 4);
        return v;
    };
    m_configPresent = take() != 0;
    m_configOptionFlag = take();
    auto& links = m_timerLinks.Links();
    links.resize(take());
    for (auto it = links.rbegin(); it != links.rend(); ++it) {
        it->storedNumber = static_cast<uint16_t>(take());
        const uint32_t packed = take();
        it->position = static_cast<uint16_t>(packed);
        it->tv = (packed & 0x10000u) != 0;
        it->hasChannel = (packed & 0x20000u) != 0;
    }
    ModelSnapshot::Restore(*m_file, state);
    // Every record is a new object now.
    m_currentSatellite = nullptr;
    m_currentTransponder = nullptr;
    m_currentChannel = nullptr;
}

void CTarnell1018Doc::Edit(std::string_view name, const std::function<void(CSettingsFile&)>& change,
                           int hint, const void* object) {
    auto before = TakeState();
    change(*m_file);
    DropStaleCurrentRecords();
    m_history.Push(std::string(name), std::move(before));
    UpdateAllViews(hint, object);
}

void CTarnell1018Doc::Undo() {
    if (!m_history.CanUndo()) {
        return;
    }
    const auto state = m_history.Undo(TakeState());
    RestoreState(state);
    UpdateAllViews(kHintModelReplaced);
}

void CTarnell1018Doc::Redo() {
    if (!m_history.CanRedo()) {
        return;
    }
    const auto state = m_history.Redo(TakeState());
    RestoreState(state);
    UpdateAllViews(kHintModelReplaced);
}

void CTarnell1018Doc::RepairChannelNameReferences() {
    Edit("Repair channel names", [](CSettingsFile& f) {
        const size_t names = f.m_channelNames.Size();
        for (auto& c : f.m_channels.Items()) {
            // An index equal to the count is left alone, as the receiver does.
            if (c->GetNameIndex() != CChannelData::kNone && c->GetNameIndex() > names) {
                c->SetNameIndex(CChannelData::kNone);
            }
        }
    });
}

bool CTarnell1018Doc::CanAddFavouriteList() const {
    return m_file->m_favourites.Size() < static_cast<size_t>(kMaxFavouriteLists);
}

bool CTarnell1018Doc::AddFavouriteList(std::string_view name, int favCodepage) {
    if (!CanAddFavouriteList()) {
        return false;
    }
    Edit(
        "New favourite list",
        [&](CSettingsFile& f) { f.m_favourites.AddFavouriteList(name, favCodepage); },
        kHintRelabelFavourites);
    return true;
}

int CTarnell1018Doc::RemoveUnreferencedTransponders() {
    int removed = 0;
    Edit(
        "Remove unused transponders",
        [&removed](CSettingsFile& f) {
            std::vector<bool> used(f.m_transponders.Size(), false);
            for (const auto& c : f.m_channels.Items()) {
                if (c->GetTransponderIndex() < used.size()) {
                    used[c->GetTransponderIndex()] = true;
                }
            }
            std::vector<const CTransponderData*> doomed;
            for (size_t k = 0; k < used.size(); ++k) {
                if (!used[k]) {
                    doomed.push_back(f.m_transponders.At(k));
                    removed += f.m_transponders.At(k)->IsFree() ? 0 : 1;
                }
            }
            f.DeleteTransponders(doomed);
            f.UpdateHasChannels();
        },
        kHintTranspondersRemoved);
    UpdateAllViews(kHintSelectSatellitesNode);
    return removed;
}

void CTarnell1018Doc::ToggleConfigOption() {
    Edit(
        "Channel numbering",
        [this](CSettingsFile& f) {
            m_configOptionFlag ^= 1u;
            if (m_configPresent) {
                f.m_configuration.SetWord(CConfigurationData::kOptionWordOffset,
                                          m_configOptionFlag);
            }
        },
        kHintRenumberChannels);
}

void CTarnell1018Doc::ChangeConfiguration(const std::vector<ReceiverConfig::Change>& changes) {
    if (!m_configPresent) {
        return;
    }
    const uint32_t flagBefore = m_configOptionFlag;
    Edit(
        "Receiver configuration",
        [this, &changes](CSettingsFile& f) {
            for (const auto& change : changes) {
                ReceiverConfig::Write(f, change);
            }
            m_configOptionFlag = f.m_configuration.GetWord(CConfigurationData::kOptionWordOffset);
        },
        kHintRefillFromTree);
    if (m_configOptionFlag != flagBefore) {
        UpdateAllViews(kHintRenumberChannels);
    }
}

void CTarnell1018Doc::RenumberChannels() {
    m_file->m_channels.AssignRunningNumbers();
    UpdateAllViews(kHintRenumberChannels);
}

int CTarnell1018Doc::ApplySortTemplate() {
    int placed = 0;
    Edit(
        "Sort by template",
        [&placed](CSettingsFile& f) {
            placed = tarnell::ApplySortTemplate(f);
            f.m_channels.AssignRunningNumbers();
        },
        kHintRefillFromTree);
    return placed;
}

std::vector<uint8_t> CTarnell1018Doc::ExportChannelText(bool tv, CodePage codePage) const {
    return tarnell::ExportChannelText(*m_file, tv, codePage);
}

bool CTarnell1018Doc::ChannelTextFits(bool tv, CodePage codePage) const {
    return tarnell::ChannelTextFits(*m_file, tv, codePage);
}

void CTarnell1018Doc::MoveChannel(size_t from, size_t to) {
    auto& channels = m_file->m_channels;
    if (from >= channels.Size() || to >= channels.Size() || from == to) {
        return;
    }
    Edit(
        "Move channel",
        [from, to](CSettingsFile& f) {
            auto record = f.m_channels.TakeAt(from);
            f.m_channels.InsertAt(to, std::move(record));
            f.m_channels.AssignRunningNumbers();
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::DeleteChannels(const std::vector<const CChannelData*>& channels,
                                     std::string_view verb) {
    if (channels.empty()) {
        return;
    }
    Edit(
        CountedName(verb, channels.size()),
        [&channels](CSettingsFile& f) {
            f.DeleteChannels(channels);
            f.m_channels.AssignRunningNumbers();
            f.UpdateHasChannels();
        },
        kHintRefillFromTree);
}

void CTarnell1018Doc::RenameChannel(CChannelData* channel, std::string_view utf8) {
    Edit(
        "Rename channel",
        [channel, utf8](CSettingsFile& f) {
            // Names are not shared: a rename gets a name record of its own.
            CChannelInfo name;
            const uint16_t old = channel->GetNameIndex();
            if (old < f.m_channelNames.Size()) {
                name.SetCodePageCode(f.m_channelNames.At(old)->GetCodePageCode());
            }
            name.SetDisplayName(utf8);
            f.m_channelNames.Add(std::make_unique<CChannelInfo>(name));
            channel->SetNameIndex(static_cast<uint16_t>(f.m_channelNames.Size() - 1));
        },
        kHintChannelChanged, channel);
}

void CTarnell1018Doc::SetFavourite(CChannelData* channel, int listNumber, bool on) {
    Edit(
        on ? "Add to favourites" : "Remove from favourites",
        [channel, listNumber, on](CSettingsFile&) { channel->SetFavourite(listNumber, on); },
        kHintChannelChanged, channel);
}

} // namespace tarnell
