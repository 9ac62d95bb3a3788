// The receiver configuration's fields: typed values as the pages and fdutool take them, the
// words they store, the refusals, and OK as one step of the document.
#include "CEtcStringData.h"
#include "CTarnell1018Doc.h"
#include "ReceiverConfigFields.h"
#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;
namespace rc = tarnell::ReceiverConfig;

namespace {

std::unique_ptr<CSettingsFile> WithConfiguration() {
    test::SampleOptions o;
    o.configLength = 900;
    auto file = test::MakeSample(o);
    file->m_etcStrings.Add(std::make_unique<CEtcStringData>());
    return file;
}

std::vector<uint8_t> Bytes(const CSettingsFile& file, size_t offset, size_t count) {
    const auto s = file.m_configuration.Structure();
    return {s.begin() + static_cast<std::ptrdiff_t>(offset),
            s.begin() + static_cast<std::ptrdiff_t>(offset + count)};
}

} // namespace

TEST(ReceiverConfig, TypedValuesStoreTheirFullWordBigEndian) {
    struct Case {
        const char* field;
        const char* typed;
        size_t offset;
        std::vector<uint8_t> stored;
    };
    const Case cases[] = {
        {"aspect-ratio", "16 : 10", 236, {0, 0, 0, 3}},
        {"time-zone", "+ 5:30", 324, {0, 0, 0x01, 0x4A}},
        {"time-zone", "- 3:30", 324, {0xFF, 0xFF, 0xFF, 0x2E}},
        {"video-output", "YC", 244, {0, 0, 0, 4}},
        // Values past one byte keep every byte.
        {"timeshift-length", "10 min", 656, {0, 0, 0x02, 0x58}},
        {"timeshift-length", "Unlimited", 656, {0, 0, 0xFF, 0xFF}},
        {"epg-buffer", "maximum", 792, {0, 0, 0x01, 0x00}},
        {"menu-language", "19", 268, {0, 0, 0, 19}},
        {"audio-delay", "400", 688, {0, 0, 0x01, 0x90}},
        {"brightness", "-10", 320, {0xFF, 0xFF, 0xFF, 0xF6}},
        {"ip-address", "192.168.0.10", 588, {192, 168, 0, 10}},
        {"pin-code", "0815", 328, {'0', '8', '1', '5'}},
        {"longitude", "19.2E", 424, {0, 0, 0x4B, 0x00}},
        {"longitude", "0.5 W", 424, {0, 0x05, 0x7C, 0x4C}},
        {"latitude", "48.1", 428, {0, 0, 0xBB, 0xE4}},
        // The one-byte fields leave their neighbours alone.
        {"margin-before", "15 min", 530, {(0x5A + 530 * 7) & 0xFF, 15, (0x5A + 532 * 7) & 0xFF}},
    };
    for (const auto& c : cases) {
        auto file = WithConfiguration();
        rc::Change change;
        ASSERT_FALSE(rc::Parse(*file, *rc::FindField(c.field), c.typed, change))
            << c.field << " " << c.typed;
        rc::Write(*file, change);
        EXPECT_EQ(Bytes(*file, c.offset, c.stored.size()), c.stored) << c.field << " " << c.typed;
    }
}

TEST(ReceiverConfig, RefusesWhatThePagesRefuse) {
    auto file = WithConfiguration();
    const std::pair<const char*, std::string> cases[] = {
        {"pin-code", "12"},          {"pin-code", "12a4"},
        {"longitude", "999.999"},    {"longitude", "180.001E"},
        {"latitude", "90.001 S"},    {"latitude", "45.1234"},
        {"ip-address", "256.1.1.1"}, {"ip-address", "1.2.3"},
        {"ip-address", "1.2.3.4.5"}, {"audio-delay", "410"},
        {"audio-delay", "30"},       {"brightness", "11"},
        {"resolution", "3"},         {"aspect-ratio", "5"},
        {"time-zone", "+ 5:45"},     {"text-1", std::string(128, 'x')},
        {"text-1", "\xE6\x97\xA5"},
    };
    for (const auto& [field, typed] : cases) {
        rc::Change change;
        EXPECT_TRUE(rc::Parse(*file, *rc::FindField(field), typed, change))
            << field << " " << typed;
    }
    rc::Change longest;
    EXPECT_FALSE(rc::Parse(*file, *rc::FindField("text-1"), std::string(127, 'x'), longest));
}

TEST(ReceiverConfig, MeaningsFollowTheStoredValues) {
    auto file = WithConfiguration();
    CConfigurationData& config = file->m_configuration;
    config.SetWord(236, 1);
    config.SetWord(232, 1);
    config.SetWord(568, 2);
    config.SetWord(648, 7);
    config.SetWord(424, 360000 - 30500);
    EXPECT_EQ(rc::Meaning(*file, *rc::FindField("aspect-ratio")), "16 : 9");
    EXPECT_EQ(rc::Meaning(*file, *rc::FindField("resolution")), "480i");
    EXPECT_EQ(rc::OptionsOf(*file, *rc::FindField("resolution")).back().text,
              std::string("Auto (NTSC System)"));
    // The inverted list shows its first entry for anything but 0.
    EXPECT_EQ(rc::Meaning(*file, *rc::FindField("video-option")), "Off");
    EXPECT_EQ(rc::Meaning(*file, *rc::FindField("longitude")), "30.500° W");
    EXPECT_EQ(rc::Meaning(*file, *rc::FindField("menu-transparency")), "no entry of the list");
}

TEST(ReceiverConfig, OkIsOneStepAndTheNumberingFollowsTheOptionWord) {
    CTarnell1018Doc doc;
    doc.LoadFromBytes(WithConfiguration()->Store());
    struct Recorder : IDocumentListener {
        std::vector<int> hints;
        void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void*) override {
            hints.push_back(hint);
        }
    } views;
    doc.AddListener(&views);
    const auto before = doc.StoreToBytes();

    doc.ChangeConfiguration({});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoName(), "Receiver configuration");
    EXPECT_EQ(doc.StoreToBytes(), before);

    rc::Change numbering;
    ASSERT_FALSE(rc::Parse(doc.File(), *rc::FindField("stored-numbers"), "On", numbering));
    views.hints.clear();
    doc.ChangeConfiguration({numbering});
    EXPECT_EQ(doc.GetConfigOptionFlag(), 1u);
    EXPECT_EQ(views.hints, (std::vector<int>{kHintRefillFromTree, kHintRenumberChannels}));
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(doc.GetConfigOptionFlag(), doc.File().m_configuration.GetWord(616));
    EXPECT_EQ(doc.StoreToBytes(), before);
    doc.RemoveListener(&views);
}
