#pragma once

#include "CSettingsFile.h"
#include "CTimerLinks.h"
#include "ChannelEdits.h"
#include "CodePage.h"
#include "DocumentStatistics.h"
#include "ReceiverConfigFields.h"
#include "ReferenceOrder.h"
#include "UndoHistory.h"
#include "UpdateHints.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnell {

// One open settings file: its model, where it lives, whether it changed, its undo history, and
// the views listening to it. Every change of the model goes through Edit().
class CTarnell1018Doc {
public:
    static constexpr int kMaxFavouriteLists = 32;

    CTarnell1018Doc();
    CTarnell1018Doc(const CTarnell1018Doc&) = delete;
    CTarnell1018Doc& operator=(const CTarnell1018Doc&) = delete;

    // --- lifecycle
    // A new document: the built-in factory list, or nothing for a creator that fills it itself.
    void OnNewDocument(bool loadFactoryImage = true);
    // Replaces the model by the file's content. Throws FileError; the document is unchanged
    // then. Returns the messages for the user (a damaged configuration, for instance).
    std::vector<std::string> LoadFromBytes(std::span<const uint8_t> bytes);
    std::vector<std::string> Open(const std::filesystem::path& path);
    // The file as the receiver reads it: timer links applied, configuration in file layout, or
    // in the receiver's own layout when receiverLayout is set (which the store clears).
    std::vector<uint8_t> StoreToBytes();
    // Writes atomically; afterwards the document is unmodified and has that path, and what
    // its file lacked is no longer a loss to warn about.
    void Save(const std::filesystem::path& path);
    // The parts the loaded file could not give whole; a store would go on without them.
    const std::vector<LostSection>& LostSections() const { return m_lost; }
    std::string LostSectionsText() const { return DescribeLostSections(m_lost); }
    // Reads the receiver's own configuration file into this document.
    std::vector<std::string> LoadConfiguration(std::span<const uint8_t> bytes);

    CSettingsFile& File() { return *m_file; }
    const CSettingsFile& File() const { return *m_file; }
    const std::filesystem::path& GetPathName() const { return m_path; }
    std::string GetTitle() const;
    std::string GetStatusText() const { return m_file->m_fduInfo.GetText(); }

    bool IsModified() const { return m_forcedModified || !m_history.IsClean(); }
    void SetModifiedFlag(bool modified = true);

    uint32_t GetConfigOptionFlag() const { return m_configOptionFlag; }
    bool IsConfigPresent() const { return m_configPresent; }
    bool GetReceiverLayout() const { return m_receiverLayout; }
    void SetReceiverLayout(bool on) { m_receiverLayout = on; }

    // --- views
    void AddListener(IDocumentListener* listener);
    void RemoveListener(IDocumentListener* listener);
    void UpdateAllViews(int hint, const void* object = nullptr);

    // --- edits and their history
    // Runs one named, undoable change of the model and tells the views with `hint`.
    void Edit(std::string_view name, const std::function<void(CSettingsFile&)>& change,
              int hint = kHintModelReplaced, const void* object = nullptr);
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    std::string UndoName() const { return m_history.UndoName(); }
    std::string RedoName() const { return m_history.RedoName(); }
    void Undo();
    void Redo();
    const UndoHistory& History() const { return m_history; }
    // A step's name for `count` channels: "Delete 12 channels", "Delete 1 channel".
    static std::string CountedName(std::string_view verb, size_t count, std::string_view tail = {});

    // --- document commands
    void RepairChannelNameReferences();
    bool CanAddFavouriteList() const;
    bool AddFavouriteList(std::string_view name = "New", int favCodepage = 6);
    DocumentStatistics GetStatistics() const { return DocumentStatistics::Count(*m_file); }
    // Returns how many transponders in use were removed.
    int RemoveUnreferencedTransponders();
    void RebuildTimerLinks() { m_timerLinks.Rebuild(*m_file); }
    const CTimerLinks& TimerLinks() const { return m_timerLinks; }
    void ToggleConfigOption();
    // The receiver configuration's OK (and fdutool's config --set): one step even when nothing
    // changed, so the document counts as modified; the channel numbering follows the option
    // word. Does nothing without a configuration.
    void ChangeConfiguration(const std::vector<ReceiverConfig::Change>& changes);
    void RenumberChannels();
    int ApplySortTemplate();
    // Takes the reference's order (and, when asked, its favourite lists) as one step. Throws
    // FileError with nothing changed when the reference matches no channel.
    ReferenceOrderReport ApplyReferenceOrder(const ReferenceList& reference,
                                             const ReferenceOrderOptions& options);
    // The same with a plan made on this document's file and not changed since.
    ReferenceOrderReport ApplyReferenceOrder(ReferenceOrderPlan plan);
    std::vector<uint8_t> ExportChannelText(bool tv,
                                           CodePage codePage = CodePage::Windows1252) const;
    bool ChannelTextFits(bool tv, CodePage codePage) const;

    // --- the timer dialog's edits; each is one step of the history
    // Follows moved channels with the timers and links them afresh, as a store does, so that
    // the timers name the channels they were set for.
    void PrepareTimers();
    // Table indices of the timers the dialog lists: those in use, the receiver's last two left
    // out.
    std::vector<size_t> ListedTimers() const;
    // Clears these timers (any order, repeats allowed); indices of no listed timer are left.
    void DeleteTimers(std::vector<size_t> indices);
    // Clears every listed timer and its text.
    void DeleteAllTimers();
    enum class TimerFlag { Flag10, Flag0C };
    void SetTimerFlag(size_t index, TimerFlag flag, bool on);
    // false (nothing changed) when the text does not fit the record.
    bool SetTimerText(size_t index, std::string_view utf8);
    void SetTimerCodePage(size_t index, uint8_t code);
    // The channel a timer records: the (position + 1)-th of its kind; nullptr when none.
    const CChannelData* TimerChannel(size_t index) const;

    // --- the records the views and panes act on (borrowed; cleared when their record goes)
    CSatelliteInfo* GetCurrentSatellite() const { return m_currentSatellite; }
    void SetCurrentSatellite(CSatelliteInfo* satellite) { m_currentSatellite = satellite; }
    CTransponderData* GetCurrentTransponder() const { return m_currentTransponder; }
    void SetCurrentTransponder(CTransponderData* t) { m_currentTransponder = t; }
    CChannelData* GetCurrentChannel() const { return m_currentChannel; }
    void SetCurrentChannel(CChannelData* channel) { m_currentChannel = channel; }

    // --- structure edits of the navigation tree
    // A satellite named "New"; nullptr when the list is full.
    CSatelliteInfo* NewSatellite();
    // A placeholder transponder (1 H 1) in the first free slot; nullptr when none is free or
    // the satellite index is out of range.
    CTransponderData* NewTransponder(size_t satelliteIndex);
    void DeleteTransponderChannels(const CTransponderData* transponder);
    void DeleteTransponders(const std::vector<const CTransponderData*>& transponders);
    void RenameProvider(size_t index, std::string_view utf8);
    void RenameFavouriteList(size_t index, std::string_view utf8, int favCodepage);
    void DeleteFavouriteList(size_t index);
    // The new list's index, or -1 when 32 lists exist or there is no such provider.
    int AddFavouriteListFromProvider(size_t providerIndex, int favCodepage);
    void MoveFavouriteList(size_t from, size_t to);
    void MoveSatellite(size_t from, size_t to);

    // --- channel edits used by the views and the command-line tool
    void MoveChannel(size_t from, size_t to);
    // `verb` names the step: "Delete 12 channels", "Cut 3 channels".
    void DeleteChannels(const std::vector<const CChannelData*>& channels,
                        std::string_view verb = "Delete");
    void RenameChannel(CChannelData* channel, std::string_view utf8);
    void SetFavourite(CChannelData* channel, int listNumber, bool on);

    // --- the channel list's editing commands; each is one step of the history, named for
    // what the user did, and refills the list from the tree. Empty selections change nothing.
    using ChannelSelection = std::vector<CChannelData*>;
    void RemoveFromFavouriteList(const ChannelSelection& channels, int list);
    void RemoveFromAllFavouriteLists(const ChannelSelection& channels);
    void SetFavourites(const ChannelSelection& channels, int list, bool on);
    void ChangeChannelFlags(const ChannelSelection& channels, ChannelEdits::FlagEdit edit);
    // With the stored numbers on (configOptionFlag 1) the channels are numbered from
    // `position`; otherwise they move there among the channels of kind `tv`.
    void MoveChannelsToPosition(const ChannelSelection& channels, bool tv, int position);
    // Moves them in the table whatever the numbering (a row up or down, for instance).
    void MoveChannelsInTable(const ChannelSelection& channels, bool tv, int position);
    void AdoptListOrder(const ChannelSelection& rows);
    // nullptr when 10,000 channels exist.
    CChannelData* NewChannel(bool tv, uint16_t transponderIndex, const CChannelData* after);
    // One step however far it got; no step when nothing was inserted.
    ChannelEdits::PasteResult PasteChannels(const std::vector<ClipboardChannel>& channels,
                                            bool listTv, const CChannelData* before,
                                            bool clearFavourites);

private:
    std::vector<uint8_t> TakeState() const;
    void RestoreState(std::span<const uint8_t> state);
    void AfterLoad();
    void TakeConfigurationFlags();
    // Forgets current records that are no longer in the model.
    void DropStaleCurrentRecords();

    std::unique_ptr<CSettingsFile> m_file;
    CTimerLinks m_timerLinks;
    UndoHistory m_history;
    std::vector<IDocumentListener*> m_listeners;
    std::filesystem::path m_path;
    std::vector<LostSection> m_lost;
    uint32_t m_configOptionFlag = 0;
    bool m_configPresent = false;
    bool m_receiverLayout = false;
    bool m_forcedModified = false;
    CSatelliteInfo* m_currentSatellite = nullptr;
    CTransponderData* m_currentTransponder = nullptr;
    CChannelData* m_currentChannel = nullptr;
};

} // namespace tarnell
