#pragma once

#include "CPropertyPane.h"

#include <cstddef>
#include <functional>

namespace tarnell {

class CChannelData;

// The channel pane: the channel chosen in the list with its satellite and transponder, name and
// character table, service ID and PIDs, types and sound, marks, stored number and favourite
// lists. The list relabels the row after each edit.
class CPropertiesWnd : public CPropertyPane {
    Q_OBJECT
public:
    enum Property {
        kName = 11,
        kServiceId = 12,
        kTransponder = 13,
        kSatellite = 14,
        kFlag3 = 21,
        kFlag4 = 22,
        kFlag2 = 23,
        kVideoPid = 24,
        kAudioPid = 25,
        kPcrPid = 26,
        kServiceValue4 = 27,
        kVideoType = 28,
        kAudioType = 29,
        kHd = 30,
        kT1 = 31,
        kT2 = 32,
        kCharacterTable = 33,
        kAudioMode = 34,
        kVolume = 35,
        kNameEdited = 36,
        kStoredNumber = 38,
        kFirstFavourite = 81, // list n is 80 + n
    };
    enum Group {
        kGroupPlace = 106,
        kGroupChannel = 127,
        kGroupNumber = 439,
        kGroupFavourites = 129
    };
    static constexpr int kMaxPid = 8191;

    explicit CPropertiesWnd(QWidget* parent = nullptr);

    // nullptr empties the pane.
    void SetChannel(CChannelData* channel);
    // The code page of the favourite list names (the preference), asked at every refresh.
    void SetFavouriteCodepageSource(std::function<int()> source);
    CChannelData* Channel() const { return m_channel; }
    void Refresh() override;

protected:
    void OnDocumentSwitched() override;
    void OnHint(int hint, const void* object) override;
    void OnCommitted(int id, const QVariant& value) override;

private:
    QString CheckName(const QString& text) const;
    void Clear();
    void RebuildFavourites();
    void FillTransponders(int satellite);
    void WriteChannel(const char* name, const std::function<void(CChannelData&)>& set);

    CChannelData* m_channel = nullptr;
    std::ptrdiff_t m_index = -1;
    int m_favourites = 0; // favourite rows on show
    std::function<int()> m_favCodepage;
};

} // namespace tarnell
