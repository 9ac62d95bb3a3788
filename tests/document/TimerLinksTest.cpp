// Timers follow their channel through moves and deletes when the file is stored.
#include "ByteOrder.h"
#include "CTarnell1018Doc.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

// A document with 12 TV and 6 radio channels and timers on the given (tv, position) pairs,
// followed by the receiver's two own records.
std::unique_ptr<CTarnell1018Doc> WithTimers(const std::vector<std::pair<bool, uint16_t>>& timers) {
    test::SampleOptions o;
    o.tvChannels = 12;
    o.radioChannels = 6;
    o.timers = static_cast<int>(timers.size()) + 2;
    auto file = test::MakeSample(o);
    for (size_t i = 0; i < timers.size(); ++i) {
        CAlarmData& t = *file->m_timers.At(i);
        t.SetChannelPosition(timers[i].second);
        t.Record()[16] = timers[i].first ? 0x10 : 0x11;
        WriteLE16(t.Record().data() + 2, static_cast<uint16_t>(60000 + i));
    }
    for (size_t i = timers.size(); i < timers.size() + 2; ++i) {
        file->m_timers.At(i)->SetChannelPosition(4); // the receiver's own: never listed or cleared
        WriteLE16(file->m_timers.At(i)->Record().data() + 2, 61000);
    }
    auto doc = std::make_unique<CTarnell1018Doc>();
    doc->LoadFromBytes(file->Store());
    return doc;
}

// Position of a channel among those of its kind.
int PositionOf(const CTarnell1018Doc& doc, const CChannelData* channel) {
    int position = 0;
    for (const auto& c : doc.File().m_channels.Items()) {
        if (c.get() == channel) {
            return position;
        }
        position += c->IsTv() == channel->IsTv() ? 1 : 0;
    }
    return -1;
}

const CChannelData* NthOfKind(const CTarnell1018Doc& doc, bool tv, int n) {
    for (const auto& c : doc.File().m_channels.Items()) {
        if (c->IsTv() == tv && n-- == 0) {
            return c.get();
        }
    }
    return nullptr;
}

} // namespace

TEST(TimerLinks, TimerFollowsAMovedChannel) {
    auto doc = WithTimers({{true, 4}, {false, 2}});
    const CChannelData* fifthTv = NthOfKind(*doc, true, 4);
    const CChannelData* thirdRadio = NthOfKind(*doc, false, 2);
    doc->MoveChannel(4, 0);
    doc->MoveChannel(doc->File().m_channels.IndexOf(thirdRadio), 0);
    doc->StoreToBytes();
    const auto& timers = doc->File().m_timers;
    EXPECT_EQ(timers.At(0)->GetChannelPosition(), PositionOf(*doc, fifthTv));
    EXPECT_EQ(timers.At(0)->GetChannelPosition(), 0);
    EXPECT_EQ(timers.At(1)->GetChannelPosition(), 0);
    // The receiver's own records are not linked, but on the same channel they move along.
    EXPECT_EQ(timers.At(2)->GetChannelPosition(), 0);
    EXPECT_EQ(timers.At(3)->GetChannelPosition(), 0);
}

TEST(TimerLinks, TwoTimersOfOneChannelAreBothRetargeted) {
    auto doc = WithTimers({{true, 6}, {true, 6}, {true, 7}});
    const CChannelData* seventh = NthOfKind(*doc, true, 6);
    const CChannelData* eighth = NthOfKind(*doc, true, 7);
    doc->MoveChannel(doc->File().m_channels.IndexOf(seventh), 0);
    doc->StoreToBytes();
    const auto& timers = doc->File().m_timers;
    EXPECT_EQ(timers.At(0)->GetChannelPosition(), 0);
    EXPECT_EQ(timers.At(1)->GetChannelPosition(), 0);
    EXPECT_EQ(timers.At(2)->GetChannelPosition(), PositionOf(*doc, eighth));
}

TEST(TimerLinks, TimerOfADeletedChannelIsCleared) {
    auto doc = WithTimers({{true, 1}, {true, 3}, {true, 5}});
    doc->DeleteChannels({NthOfKind(*doc, true, 3)});
    doc->StoreToBytes();
    const auto& timers = doc->File().m_timers;
    EXPECT_EQ(timers.At(1)->GetStartDay(), 0);
    EXPECT_EQ(timers.At(1)->Record()[8], 0xFF);
    EXPECT_EQ(doc->File().m_timerInfos.At(1)->Record(), (std::array<uint8_t, 24>{}));
    EXPECT_EQ(timers.At(0)->GetChannelPosition(), 1);
    EXPECT_EQ(timers.At(2)->GetChannelPosition(), 4) << "the channel behind moved up";
    EXPECT_EQ(doc->File().m_timerInfos.At(2)->GetText(), "Timer 2");
}

TEST(TimerLinks, FirstTimerIsClearedToo) {
    // Left alone it would record whichever channel moved into the position.
    auto doc = WithTimers({{true, 2}, {true, 5}});
    doc->DeleteChannels({NthOfKind(*doc, true, 2)});
    doc->StoreToBytes();
    EXPECT_EQ(doc->File().m_timers.At(0)->GetStartDay(), 0);
    EXPECT_EQ(doc->File().m_timers.At(1)->GetChannelPosition(), 4);
}

TEST(TimerLinks, AMovedTimerIsNotMistakenForADeletedOne) {
    // Timer 0's channel moves to position 5; timer 1's channel, at 5, is deleted.
    auto doc = WithTimers({{true, 3}, {true, 5}});
    const CChannelData* fourth = NthOfKind(*doc, true, 3);
    const CChannelData* sixth = NthOfKind(*doc, true, 5);
    doc->DeleteChannels({sixth});
    doc->MoveChannel(doc->File().m_channels.IndexOf(fourth),
                     doc->File().m_channels.IndexOf(NthOfKind(*doc, true, 5)));
    ASSERT_EQ(PositionOf(*doc, fourth), 5);
    doc->StoreToBytes();
    const auto& timers = doc->File().m_timers;
    EXPECT_EQ(timers.At(0)->GetStartDay(), 60000);
    EXPECT_EQ(timers.At(0)->GetChannelPosition(), 5);
    EXPECT_EQ(timers.At(1)->GetStartDay(), 0);
}

TEST(TimerLinks, StoringTwiceChangesNothingMore) {
    auto doc = WithTimers({{true, 4}, {true, 8}});
    doc->MoveChannel(4, 0);
    const auto first = doc->StoreToBytes();
    // After the store a new channel sits where timer 0 pointed before; it must not be taken.
    EXPECT_EQ(doc->StoreToBytes(), first);
    doc->DeleteChannels({NthOfKind(*doc, true, 3)});
    doc->StoreToBytes();
    EXPECT_EQ(doc->File().m_timers.At(0)->GetChannelPosition(), 0);
    EXPECT_EQ(doc->File().m_timers.At(0)->GetStartDay(), 60000);
}

TEST(TimerLinks, LastTwoRecordsAreNeverLinked) {
    auto doc = WithTimers({{true, 4}});
    EXPECT_EQ(doc->TimerLinks().Links().size(), 1u);
    EXPECT_EQ(doc->File().m_timers.CountActive(), 1u);
    // Deleting the channel of the receiver's own records does not clear them.
    doc->DeleteChannels({NthOfKind(*doc, true, 4)});
    doc->StoreToBytes();
    EXPECT_EQ(doc->File().m_timers.At(1)->GetStartDay(), 61000);
    EXPECT_EQ(doc->File().m_timers.At(2)->GetStartDay(), 61000);
}
