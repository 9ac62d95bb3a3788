#include "CPropertiesWnd.h"

#include "CPropertyGrid.h"
#include "CTarnell1018Doc.h"
#include "PropertyEdits.h"

namespace tarnell {

namespace {

CComboBoxExProp EmptyOptions() {
    return CComboBoxExProp({{QString(), -1}});
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr uint8_t kBit2 = 0x04;
constexpr uint8_t kBit3 = 0x08;
constexpr uint8_t kBit4 = 0x10;
constexpr uint8_t kBit5 = 0x20;
constexpr uint8_t kBit7 = 0x80;
constexpr uint32_t kT1 = 1u << 24;
constexpr uint32_t kT2 = 1u << 25;

// The properties of the channel group that are a bit of the flag byte.
struct FlagRow {
    int id;
    uint8_t bit;
};
constexpr FlagRow kFlagRows[] = {{CPropertiesWnd::kHd, kBit7},
                                 {CPropertiesWnd::kFlag3, kBit3},
                                 {CPropertiesWnd::kFlag4, kBit4},
                                 {CPropertiesWnd::kFlag2, kBit2},
                                 {CPropertiesWnd::kNameEdited, kBit5}};

uint8_t WithBit(uint8_t byte, uint8_t bit, bool on) {
    return static_cast<uint8_t>(on ? byte | bit : byte & ~bit);
}

} // namespace

CPropertiesWnd::CPropertiesWnd(QWidget* parent) : CPropertyPane(parent) {
    CPropertyGrid& grid = Grid();
    grid.AddGroup(kGroupPlace, tr("Satellite / Transponder"));
    grid.AddGroup(kGroupChannel, tr("Channel"));
    grid.AddGroup(kGroupNumber, tr("Number"));
    grid.AddGroup(kGroupFavourites, tr("Favourite lists"));

    const QString pidRange = tr("0 to %1").arg(kMaxPid);

    grid.AddProperty(kGroupPlace, ChoiceRow(kSatellite, tr("Satellite"),
                                            tr("The channel moves to the first transponder of the "
                                               "satellite chosen.")));
    grid.AddProperty(kGroupPlace, ChoiceRow(kTransponder, tr("Transponder")));
    grid.AddProperty(kGroupChannel,
                     PropertySpec(kName, tr("Name"))
                         .Describe(tr("The channel's name; a part in angle brackets, such as "
                                      "<ARD>, is not shown in the list. A name record holds 100 "
                                      "bytes."))
                         .Validate([this](const QString& text) { return CheckName(text); }));
    grid.AddProperty(kGroupChannel, ChoiceRow(kCharacterTable, tr("Character table")));
    grid.AddProperty(kGroupChannel, CheckRow(kNameEdited, tr("Name edited")));
    grid.AddProperty(kGroupChannel,
                     NumberRow(kServiceId, tr("Service ID"), 65535, tr("0 to 65535")));
    grid.AddProperty(kGroupChannel, ChoiceRow(kVideoType, tr("Video type")));
    grid.AddProperty(kGroupChannel, ChoiceRow(kAudioType, tr("Audio type")));
    grid.AddProperty(kGroupChannel, NumberRow(kVideoPid, tr("Video PID"), kMaxPid, pidRange));
    grid.AddProperty(kGroupChannel, NumberRow(kAudioPid, tr("Audio PID"), kMaxPid, pidRange));
    grid.AddProperty(kGroupChannel, NumberRow(kPcrPid, tr("PCR PID"), kMaxPid, pidRange));
    grid.AddProperty(kGroupChannel,
                     NumberRow(kServiceValue4, tr("Service value 4"), 65535, tr("0 to 65535")));
    grid.AddProperty(kGroupChannel, ChoiceRow(kAudioMode, tr("Audio mode")));
    grid.AddProperty(kGroupChannel, ChoiceRow(kVolume, tr("Volume")));
    grid.AddProperty(kGroupChannel, CheckRow(kHd, QStringLiteral("HD")));
    grid.AddProperty(kGroupChannel, CheckRow(kT1, QStringLiteral("T 1")));
    grid.AddProperty(kGroupChannel, CheckRow(kT2, QStringLiteral("T 2")));
    grid.AddProperty(kGroupChannel, CheckRow(kFlag3, tr("Pay (€)")));
    grid.AddProperty(kGroupChannel, CheckRow(kFlag4, tr("Mark M 1")));
    grid.AddProperty(kGroupChannel, CheckRow(kFlag2, tr("Mark M 2")));
    grid.AddProperty(kGroupNumber,
                     NumberRow(kStoredNumber, tr("Stored number"), 9999,
                               tr("0 to 9999; timers find their channel by this number.")));

    grid.SetOptions(kVideoType, CComboBoxExProp({{QStringLiteral("MPEG-1"), 0},
                                                 {QStringLiteral("MPEG-2"), 2},
                                                 {QStringLiteral("MPEG-4"), 0x1B}}));
    grid.SetOptions(kAudioType, CComboBoxExProp({{QStringLiteral("MPEG-1"), 3},
                                                 {QStringLiteral("MPEG-1"), 0x11},
                                                 {QStringLiteral("MPEG-2"), 4},
                                                 {QStringLiteral("Dolby"), 0x81},
                                                 {QStringLiteral("Dolby"), 0xE0}}));
    grid.SetOptions(kAudioMode, CComboBoxExProp({{QStringLiteral("Stereo"), 0},
                                                 {QStringLiteral("Mono"), 1},
                                                 {QStringLiteral("Left"), 2},
                                                 {QStringLiteral("Right"), 3}}));
    grid.SetOptions(kVolume, CComboBoxExProp({{QStringLiteral("Normal"), 0},
                                              {QStringLiteral("Niedrig (-30%)"), 1},
                                              {QStringLiteral("Hoch (+30%)"), 2},
                                              {QStringLiteral("Aus"), 3}}));
    grid.SetOptions(kCharacterTable,
                    CComboBoxExProp({{QStringLiteral("ISO 8859-2 Central Europe"), 0},
                                     {QStringLiteral("ISO 8859-5 Cyrillic"), 1},
                                     {QStringLiteral("ISO 8859-6 Arabic"), 2},
                                     {QStringLiteral("ISO 8859-7 Greek"), 3},
                                     {QStringLiteral("ISO 8859-8 Hebrew"), 4},
                                     {QStringLiteral("ISO 8859-9 Latin-5"), 5},
                                     {QStringLiteral("ISO 6937-Latin"), 11},
                                     {QStringLiteral("UTF-8"), 16}}));
    Clear();
}

QString CPropertiesWnd::CheckName(const QString& text) const {
    if (!m_channel || !Document()) {
        return {};
    }
    switch (PropertyEdits::CheckChannelName(Document()->File(), *m_channel, text.toStdString())) {
    case PropertyEdits::NameProblem::NotEncodable:
        return tr("The name holds characters its character table cannot store.");
    case PropertyEdits::NameProblem::TooLong:
        return tr("The name is too long: a name record holds 100 bytes.");
    case PropertyEdits::NameProblem::None:
        break;
    }
    return {};
}

void CPropertiesWnd::SetFavouriteCodepageSource(std::function<int()> source) {
    m_favCodepage = std::move(source);
}

void CPropertiesWnd::SetChannel(CChannelData* channel) {
    const bool changed = channel != m_channel;
    m_channel = channel;
    m_index = channel && Document() ? Document()->File().m_channels.IndexOf(channel) : -1;
    ShowRecord(changed);
}

void CPropertiesWnd::Clear() {
    m_channel = nullptr;
    m_index = -1;
    CPropertyGrid& grid = Grid();
    grid.SetOptions(kSatellite, EmptyOptions());
    grid.SetOptions(kTransponder, EmptyOptions());
    for (const int id : grid.Model().PropertiesOf(kGroupPlace)) {
        grid.SetValue(id, QVariant());
        grid.SetPropertyEnabled(id, false);
    }
    for (const int id : grid.Model().PropertiesOf(kGroupChannel)) {
        grid.SetValue(id, QVariant());
        grid.SetPropertyEnabled(id, false);
    }
    grid.SetValue(kStoredNumber, QVariant());
    grid.SetPropertyEnabled(kStoredNumber, false);
    RebuildFavourites();
    grid.ResetOriginalValues();
}

void CPropertiesWnd::FillTransponders(int satellite) {
    CComboBoxExProp options = EmptyOptions();
    const auto& transponders = Document()->File().m_transponders;
    for (size_t k = 0; k < transponders.Size(); ++k) {
        const CTransponderData* t = transponders.At(k);
        if (!t->IsFree() && t->GetSatelliteIndex() == satellite) {
            options.Add(QString::fromStdString(t->GetLabel()), static_cast<int>(k));
        }
    }
    Grid().SetOptions(kTransponder, std::move(options));
}

void CPropertiesWnd::Refresh() {
    CTarnell1018Doc* document = Document();
    if (!document || !m_channel) {
        Clear();
        return;
    }
    const CSettingsFile& file = document->File();
    const CChannelData& c = *m_channel;
    CPropertyGrid& grid = Grid();

    CComboBoxExProp satellites = EmptyOptions();
    for (size_t k = 0; k < file.m_satellites.Size(); ++k) {
        satellites.Add(FromUtf8(file.m_satellites.At(k)->GetDisplayName()), static_cast<int>(k));
    }
    grid.SetOptions(kSatellite, std::move(satellites));
    const bool placed = c.GetTransponderIndex() < file.m_transponders.Size();
    const int satellite =
        placed ? file.m_transponders.At(c.GetTransponderIndex())->GetSatelliteIndex() : -1;
    FillTransponders(satellite);
    grid.SetValue(kSatellite, placed ? QVariant(satellite) : QVariant());
    grid.SetValue(kTransponder, placed ? QVariant(int(c.GetTransponderIndex())) : QVariant());

    const bool named = c.GetNameIndex() < file.m_channelNames.Size();
    const CChannelInfo* name = named ? file.m_channelNames.At(c.GetNameIndex()) : nullptr;
    grid.SetValue(kName, name ? FromUtf8(name->GetDisplayName(NameMarks::Keep)) : QString());
    grid.SetValue(kCharacterTable, name ? QVariant(int(name->GetCodePageCode())) : QVariant());
    grid.SetValue(kServiceId, int(c.GetServiceId()));
    grid.SetValue(kVideoPid, int(c.GetVideoPid()));
    grid.SetValue(kAudioPid, int(c.GetAudioPid()));
    grid.SetValue(kPcrPid, int(c.GetPcrPid()));
    grid.SetValue(kServiceValue4, int(c.GetServiceValue4()));
    grid.SetValue(kStoredNumber, int(c.GetStoredNumber()));
    grid.SetValue(kVideoType, int(c.GetVideoType()));
    grid.SetValue(kAudioType, int(c.GetAudioType()));
    grid.SetValue(kAudioMode, c.GetAudioMode());
    grid.SetValue(kVolume, c.GetVolume());
    for (const FlagRow& row : kFlagRows) {
        grid.SetValue(row.id, (c.GetFlagByte() & row.bit) != 0);
    }
    grid.SetValue(kT1, c.GetFlagT1());
    grid.SetValue(kT2, c.GetFlagT2());

    for (const int id : grid.Model().PropertiesOf(kGroupPlace)) {
        grid.SetPropertyEnabled(id, true);
    }
    for (const int id : grid.Model().PropertiesOf(kGroupChannel)) {
        grid.SetPropertyEnabled(id, true);
    }
    // The table is that of the name record: a channel without one has none to choose.
    grid.SetPropertyEnabled(kCharacterTable, name != nullptr);
    grid.SetPropertyEnabled(kStoredNumber, true);
    RebuildFavourites();
}

void CPropertiesWnd::RebuildFavourites() {
    CPropertyGrid& grid = Grid();
    const CTarnell1018Doc* document = Document();
    const size_t lists = document ? document->File().m_favourites.Size() : 0;
    const int favCodepage = m_favCodepage && lists > 0 ? m_favCodepage() : 6;
    const int wanted = static_cast<int>(std::min<size_t>(lists, 32));
    for (int n = m_favourites; n > wanted; --n) {
        grid.RemoveProperty(kFirstFavourite + n - 1);
    }
    for (int n = m_favourites + 1; n <= wanted; ++n) {
        grid.AddProperty(kGroupFavourites,
                         {kFirstFavourite + n - 1, QString(), PropertyKind::Check});
    }
    m_favourites = wanted;
    for (int n = 1; n <= wanted; ++n) {
        const int id = kFirstFavourite + n - 1;
        const auto* list = document->File().m_favourites.At(static_cast<size_t>(n - 1));
        grid.Model().SetName(id, FromUtf8(list->GetName(favCodepage)));
        grid.SetValue(id, m_channel ? QVariant(m_channel->IsInFavourite(n - 1)) : QVariant());
        grid.SetPropertyEnabled(id, m_channel != nullptr);
    }
}

void CPropertiesWnd::OnDocumentSwitched() {
    SetChannel(Document() ? Document()->GetCurrentChannel() : nullptr);
}

void CPropertiesWnd::OnHint(int hint, const void*) {
    const auto& channels = Document()->File().m_channels;
    switch (hint) {
    case kHintClearChannelPane:
    case kHintClearTransponderPanes:
    case kHintClearSatellitePanes:
        SetChannel(nullptr);
        return;
    case kHintModelReplaced:
        // Undo and redo make every record anew: the one at the same place is the one shown.
        SetChannel(m_index >= 0 && static_cast<size_t>(m_index) < channels.Size()
                       ? channels.At(static_cast<size_t>(m_index))
                       : nullptr);
        return;
    default:
        if (m_channel && channels.IndexOf(m_channel) < 0) {
            SetChannel(nullptr);
        } else {
            Refresh();
        }
        return;
    }
}

void CPropertiesWnd::WriteChannel(const char* name, const std::function<void(CChannelData&)>& set) {
    CChannelData* channel = m_channel;
    Write(
        name, [channel, &set](CSettingsFile&) { set(*channel); }, kHintChannelChanged, channel);
}

void CPropertiesWnd::OnCommitted(int id, const QVariant& value) {
    if (!m_channel || !Document()) {
        return;
    }
    const int v = value.toInt();
    const bool on = value.toBool();
    CChannelData* channel = m_channel;
    if (id >= kFirstFavourite && id < kFirstFavourite + m_favourites) {
        const int list = id - kFirstFavourite + 1;
        WriteChannel(on ? "Add to favourites" : "Remove from favourites",
                     [list, on](CChannelData& c) { c.SetFavourite(list, on); });
        return;
    }
    for (const FlagRow& row : kFlagRows) {
        if (row.id == id) {
            const uint8_t bit = row.bit;
            WriteChannel("Edit channel", [bit, on](CChannelData& c) {
                c.SetFlagByte(WithBit(c.GetFlagByte(), bit, on));
            });
            return;
        }
    }
    switch (id) {
    case kName: {
        const std::string text = value.toString().toStdString();
        Write(
            "Rename channel",
            [channel, text](CSettingsFile& f) { PropertyEdits::SetChannelName(f, *channel, text); },
            kHintChannelChanged, channel);
        return;
    }
    case kCharacterTable: {
        const uint16_t index = channel->GetNameIndex();
        Write(
            "Edit channel",
            [index, v](CSettingsFile& f) {
                if (index < f.m_channelNames.Size()) {
                    f.m_channelNames.At(index)->SetCodePageCode(static_cast<uint32_t>(v));
                }
            },
            kHintChannelChanged, channel);
        return;
    }
    case kSatellite: {
        // A satellite without transponders leaves the channel where it is.
        const auto first =
            PropertyEdits::FirstTransponderOf(Document()->File(), static_cast<size_t>(v));
        if (!first) {
            Refuse(tr("The satellite has no transponder; the channel stays where it is."));
            Refresh();
            return;
        }
        const uint16_t t = *first;
        WriteChannel("Edit channel", [t](CChannelData& c) { c.SetTransponderIndex(t); });
        return;
    }
    case kTransponder:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetTransponderIndex(static_cast<uint16_t>(v)); });
        return;
    case kServiceId:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetServiceId(static_cast<uint16_t>(v)); });
        return;
    case kVideoPid:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetVideoPid(static_cast<uint16_t>(v)); });
        return;
    case kAudioPid:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetAudioPid(static_cast<uint16_t>(v)); });
        return;
    case kPcrPid:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetPcrPid(static_cast<uint16_t>(v)); });
        return;
    case kServiceValue4:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetServiceValue4(static_cast<uint16_t>(v)); });
        return;
    case kStoredNumber:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetStoredNumber(static_cast<uint16_t>(v)); });
        return;
    case kVideoType:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetVideoType(static_cast<uint8_t>(v)); });
        return;
    case kAudioType:
        WriteChannel("Edit channel",
                     [v](CChannelData& c) { c.SetAudioType(static_cast<uint8_t>(v)); });
        return;
    case kAudioMode:
        WriteChannel("Edit channel", [v](CChannelData& c) {
            c.SetSoundWord((c.GetSoundWord() & ~0x7u) | (static_cast<uint32_t>(v) & 0x7u));
        });
        return;
    case kVolume:
        WriteChannel("Edit channel", [v](CChannelData& c) {
            c.SetSoundWord((c.GetSoundWord() & ~0x18u) | ((static_cast<uint32_t>(v) & 0x3u) << 3));
        });
        return;
    case kT1:
    case kT2: {
        const uint32_t bit = id == kT1 ? kT1 : kT2;
        WriteChannel("Edit channel", [bit, on](CChannelData& c) {
            c.SetOptionWord(on ? c.GetOptionWord() | bit : c.GetOptionWord() & ~bit);
        });
        return;
    }
    default:
        return;
    }
}

} // namespace tarnell
