// The channel list's edits on the model: paste between files, moves, marks, undo.
#include "CTarnell1018Doc.h"
#include "ChannelClipboardBlock.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;
using Stop = ChannelEdits::PasteResult::Stop;

namespace {

std::vector<uint8_t> Bytes(const CTarnell1018Doc& doc) {
    return const_cast<CSettingsFile&>(doc.File()).Store();
}

void Load(CTarnell1018Doc& doc, const test::SampleOptions& o = {}) {
    doc.LoadFromBytes(test::MakeSample(o)->Store());
}

// The sample's channel "Channel k" (a loaded file holds the TV channels first).
CChannelData* Sample(const CTarnell1018Doc& doc, int k) {
    for (const auto& c : doc.File().m_channels.Items()) {
        if (c->GetServiceId() == 100 + k) {
            return c.get();
        }
    }
    return nullptr;
}

std::vector<ClipboardChannel> Copy(const CTarnell1018Doc& doc, std::vector<int> samples) {
    std::vector<const CChannelData*> channels;
    for (int k : samples) {
        channels.push_back(Sample(doc, k));
    }
    // Through the bytes, as between two programs.
    auto decoded = ChannelClipboardBlock::Decode(
        ChannelClipboardBlock::Encode(ChannelClipboardBlock::Collect(doc.File(), channels)));
    return decoded ? decoded->channels : std::vector<ClipboardChannel>{};
}

std::vector<std::string> Names(const CTarnell1018Doc& doc, size_t from, size_t count) {
    std::vector<std::string> names;
    for (size_t i = from; i < from + count; ++i) {
        const uint16_t n = doc.File().m_channels.At(i)->GetNameIndex();
        names.push_back(doc.File().m_channelNames.At(n)->GetDisplayName());
    }
    return names;
}

} // namespace

TEST(ChannelPaste, ThreeChannelsOfOneTransponderCreateItOnceAndUndoRestoresTheFile) {
    CTarnell1018Doc source;
    Load(source);
    // Channels 0, 12 and 24 are TV channels of transponder 0 (of 12 in use).
    ASSERT_EQ(Sample(source, 24)->GetTransponderIndex(), Sample(source, 0)->GetTransponderIndex());
    Sample(source, 24)->SetNameIndex(CChannelData::kNone);
    const auto clip = Copy(source, {0, 12, 24});
    ASSERT_EQ(clip.size(), 3u);
    EXPECT_EQ(clip[2].name, "SVC_124 Service");

    CTarnell1018Doc target;
    test::SampleOptions o;
    o.usedTransponders = 0; // the satellites are there, the transponders are not
    Load(target, o);
    const auto before = Bytes(target);
    const size_t count = target.File().m_channels.Size();
    const auto result = target.PasteChannels(clip, true, nullptr, false);
    ASSERT_EQ(result.stop, Stop::None);
    ASSERT_EQ(result.inserted.size(), 3u);
    EXPECT_EQ(target.File().m_transponders.CountUsed(), 1u);
    EXPECT_EQ(target.File().m_satellites.Size(), 3u);
    // No row selected: at the end, in clipboard order.
    EXPECT_EQ(Names(target, count, 3),
              (std::vector<std::string>{"Channel 0", "Channel 12", "SVC_124 Service"}));
    EXPECT_EQ(target.UndoName(), "Paste 3 channels");
    target.Undo();
    EXPECT_EQ(Bytes(target), before);
}

TEST(ChannelPaste, StopsAtTheFirstChannelWithoutRoomAndLeavesOneStep) {
    CTarnell1018Doc source;
    Load(source);
    auto clip = Copy(source, {0, 1, 2}); // TV, TV, radio
    CTarnell1018Doc target;
    const auto before = [&] {
        test::SampleOptions o;
        o.transponderSlots = 12; // every slot in use
        Load(target, o);
        return Bytes(target);
    }();
    // A channel on a transponder the target lacks, a radio channel, and one that fits.
    clip[0].transponder[0] = 0x99;
    struct Case {
        const char* what;
        std::vector<ClipboardChannel> channels;
        bool listTv;
        Stop stop;
        size_t inserted;
    } cases[] = {
        {"radio into a TV list is refused before any insert",
         {clip[1], clip[2]},
         true,
         Stop::WrongKind,
         0},
        {"the last fits, the first finds no transponder slot",
         {clip[0], clip[1]},
         true,
         Stop::NoTransponderSlot,
         1},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        const size_t steps = target.History().Steps();
        const auto result = target.PasteChannels(k.channels, k.listTv, nullptr, false);
        EXPECT_EQ(result.stop, k.stop);
        EXPECT_EQ(result.inserted.size(), k.inserted);
        EXPECT_EQ(target.History().Steps(), steps + (k.inserted ? 1 : 0));
        if (k.inserted) {
            target.Undo();
        }
        EXPECT_EQ(Bytes(target), before);
    }
}

TEST(ChannelPaste, At255SatellitesStopsWithoutAddingAnything) {
    CTarnell1018Doc source;
    Load(source);
    auto clip = Copy(source, {0});
    clip[0].satellite[32] = 0x22; // a position the target does not have
    CTarnell1018Doc target;
    test::SampleOptions o;
    o.satellites = 255;
    Load(target, o);
    const auto before = Bytes(target);
    const auto result = target.PasteChannels(clip, true, nullptr, false);
    EXPECT_EQ(result.stop, Stop::SatellitesFull);
    EXPECT_FALSE(target.CanUndo());
    EXPECT_EQ(Bytes(target), before);
}

TEST(ChannelPaste, BeforeTheSelectedChannelAndWithoutFavourites) {
    CTarnell1018Doc doc;
    Load(doc);
    auto clip = Copy(doc, {0, 1});
    CChannelData* anchor = doc.File().m_channels.At(5); // "Channel 7"
    const auto result = doc.PasteChannels(clip, true, anchor, true);
    ASSERT_EQ(result.inserted.size(), 2u);
    EXPECT_EQ(Names(doc, 5, 3), (std::vector<std::string>{"Channel 0", "Channel 1", "Channel 7"}));
    EXPECT_EQ(result.inserted[0]->GetFavouriteMask(), 0u);
    EXPECT_EQ(doc.File().m_channels.At(5)->GetTransponderIndex(),
              doc.File().m_channels.At(0)->GetTransponderIndex());
}

TEST(ChannelClipboardBlock, DamagedBytesAreRefusedWithoutReadingPastTheEnd) {
    CTarnell1018Doc doc;
    Load(doc);
    const auto good = ChannelClipboardBlock::Encode(ChannelClipboardBlock::Collect(
        doc.File(), {doc.File().m_channels.At(0), doc.File().m_channels.At(1)}));
    // Every cut short form: refused, or (cut behind the four tables) read as another
    // program's block.
    for (size_t n = 0; n < good.size(); ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<ptrdiff_t>(n));
        const auto decoded = ChannelClipboardBlock::Decode(cut);
        if (decoded) {
            EXPECT_FALSE(decoded->channels.at(0).tv.has_value()) << n;
        }
    }
    auto huge = good;
    huge[0] = 0xFF; // a count far beyond the bytes
    huge[3] = 0x7F;
    auto uneven = good;
    uneven[4 + 2 * 48] = 1; // one satellite for two channels
    for (const auto& bytes : {huge, uneven}) {
        EXPECT_FALSE(ChannelClipboardBlock::Decode(bytes).has_value());
    }
    const std::vector<uint8_t> empty(16, 0);
    const auto none = ChannelClipboardBlock::Decode(empty);
    ASSERT_TRUE(none.has_value());
    EXPECT_FALSE(none->usable);
}

TEST(ChannelEdits, MoveToPositionAmongTheChannelsOfOneKind) {
    struct Case {
        std::vector<int> tvRanks; // running numbers of the moved TV channels
        int position;
        std::vector<int> expected; // their running numbers afterwards
    } cases[] = {
        {{5, 9}, 1, {1, 2}},
        {{1, 2}, 4, {4, 5}},
        {{3}, 20, {20}},
        {{3}, 300, {20}}, // past the end: the last
    };
    for (const auto& k : cases) {
        CTarnell1018Doc doc;
        Load(doc);
        std::vector<CChannelData*> moved;
        for (int rank : k.tvRanks) {
            for (const auto& c : doc.File().m_channels.Items()) {
                if (c->IsTv() && c->GetRunningNumber() == rank) {
                    moved.push_back(c.get());
                }
            }
        }
        const size_t radio = doc.File().m_channels.CountKind(false);
        doc.MoveChannelsToPosition(moved, true, k.position);
        std::vector<int> got;
        for (const CChannelData* c : moved) {
            got.push_back(c->GetRunningNumber());
        }
        EXPECT_EQ(got, k.expected) << "to " << k.position;
        EXPECT_EQ(doc.File().m_channels.CountKind(false), radio);
        EXPECT_EQ(doc.File().m_channels.Size(), 28u);
    }
}

TEST(ChannelEdits, StoredNumbersFlagsFavouritesNewChannelAndAdoptedOrder) {
    CTarnell1018Doc doc;
    Load(doc);
    auto& channels = doc.File().m_channels;
    CChannelData* a = channels.At(0);
    CChannelData* b = channels.At(1);
    const std::vector<CChannelData*> both{b, a};

    doc.ToggleConfigOption();
    ASSERT_EQ(doc.GetConfigOptionFlag(), 1u);
    doc.MoveChannelsToPosition(both, true, 40);
    EXPECT_EQ(b->GetStoredNumber(), 40);
    EXPECT_EQ(a->GetStoredNumber(), 41);
    EXPECT_EQ(channels.At(0), a) << "numbering moves nothing";

    doc.ChangeChannelFlags(both, ChannelEdits::FlagEdit::SetT2);
    doc.ChangeChannelFlags(both, ChannelEdits::FlagEdit::CopyT2ToT1);
    doc.ChangeChannelFlags(both, ChannelEdits::FlagEdit::SetM1);
    EXPECT_EQ(a->Record()[35] & 0x03, 0x03);
    EXPECT_EQ(a->GetFlagByte() & 0x10, 0x10);
    doc.ChangeChannelFlags({a}, ChannelEdits::FlagEdit::ClearT1);
    doc.ChangeChannelFlags({a}, ChannelEdits::FlagEdit::CopyT1ToT2);
    EXPECT_EQ(a->Record()[35] & 0x03, 0x00);
    EXPECT_EQ(b->Record()[35] & 0x03, 0x03);

    doc.SetFavourites(both, 3, true);
    doc.RemoveFromFavouriteList({a}, 3);
    EXPECT_TRUE(b->IsInFavourite(3));
    EXPECT_FALSE(a->IsInFavourite(3));
    doc.RemoveFromAllFavouriteLists(both);
    EXPECT_EQ(b->GetFavouriteMask(), 0u);

    CChannelData* added = doc.NewChannel(true, 2, a);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(channels.At(1), added);
    EXPECT_EQ(added->GetStoredNumber(), 42) << "one above the highest TV number";
    EXPECT_EQ(doc.UndoName(), "New TV channel");

    // Rows sorted the other way round become the table's order; radio stays behind.
    std::vector<CChannelData*> rows;
    for (const auto& c : channels.Items()) {
        if (c->IsTv()) {
            rows.insert(rows.begin(), c.get());
        }
    }
    doc.AdoptListOrder(rows);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(channels.At(i), rows[i]);
    }
    EXPECT_EQ(doc.History().Steps(), 12u);
}
