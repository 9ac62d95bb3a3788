// The text export's bytes and the sort template's order.
#include "CTarnell1018Doc.h"
#include "SortTemplate.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarnell;

namespace {

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Names(const CTarnell1018Doc& doc, size_t n) {
    std::vector<std::string> names;
    for (size_t i = 0; i < n && i < doc.File().m_channels.Size(); ++i) {
        const auto* c = doc.File().m_channels.At(i);
        names.push_back(doc.File().m_channelNames.At(c->GetNameIndex())->GetDisplayName());
    }
    return names;
}

CSatelliteInfo& Astra(CTarnell1018Doc& doc) {
    return *doc.File().m_satellites.At(0);
}

} // namespace

TEST(SortTemplate, PutsTheTemplateChannelsFirstInOrder) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    EXPECT_NE(Names(doc, 1)[0], "Das Erste HD");
    EXPECT_EQ(doc.ApplySortTemplate(), 81);
    const auto names = Names(doc, 81);
    const auto entries = SortTemplateEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(names[i], entries[i].name) << i;
    }
    EXPECT_EQ(doc.File().m_channels.At(0)->GetRunningNumber(), 1);
    const auto once = doc.StoreToBytes();
    doc.ApplySortTemplate();
    EXPECT_EQ(doc.StoreToBytes(), once) << "a second run changes nothing";
}

TEST(SortTemplate, KeepsTheOthersInTheirOrder) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    std::vector<const CChannelData*> others;
    for (const auto& c : doc.File().m_channels.Items()) {
        const auto name = doc.File().m_channelNames.At(c->GetNameIndex())->GetDisplayName();
        bool inTemplate = false;
        for (const auto& e : SortTemplateEntries()) {
            inTemplate |= name == e.name;
        }
        if (!inTemplate) {
            others.push_back(c.get());
        }
    }
    doc.ApplySortTemplate();
    for (size_t i = 0; i < others.size(); ++i) {
        EXPECT_EQ(doc.File().m_channels.At(81 + i), others[i]);
    }
}

TEST(SortTemplate, NeedsTheTemplateSatellite) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    Astra(doc).SetName("Astra 19.2E");
    const auto before = doc.File().m_channels.At(0);
    EXPECT_EQ(doc.ApplySortTemplate(), 0);
    EXPECT_EQ(doc.File().m_channels.At(0), before);

    Astra(doc).SetName("Astra 1F 1M");
    Astra(doc).SetPosition(3600 - 192); // 19.2 W
    EXPECT_EQ(doc.ApplySortTemplate(), 0);
}

TEST(SortTemplate, FrequencyTolerance) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    auto& f = doc.File();
    // The transponder of "Das Erste HD" (11494 H 22000).
    const int t = f.m_transponders.FindTransponderNear(0, 11494, 1, 22000, 0);
    ASSERT_GE(t, 0);
    for (const int frequency : {11493, 11499}) {
        f.m_transponders.At(static_cast<size_t>(t))->SetFrequency(frequency);
        doc.ApplySortTemplate();
        EXPECT_EQ(Names(doc, 1)[0], "Das Erste HD") << frequency;
    }
    f.m_transponders.At(static_cast<size_t>(t))->SetFrequency(11500);
    doc.ApplySortTemplate();
    EXPECT_EQ(Names(doc, 1)[0], "ZDF HD");
}

TEST(TextExport, LineFormat) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    doc.ApplySortTemplate();
    const auto text = Text(doc.ExportChannelText(true));
    const std::string first = "\"Das Erste HD\",\t10301,\t19.2,\t11494,\t1,\t22000,\r\n";
    EXPECT_EQ(text.substr(0, first.size()), first);
    // BR Süd HD in Windows-1252.
    EXPECT_NE(text.find("\"BR S\xFC"
                        "d HD\",\t10325,\t19.2,\t11581,\t1,\t22000,\r\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 5), "\r\n325") << "ends with the records walked";
    size_t lines = 0;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 128u);
}

TEST(TextExport, RadioNamelessAndOrphanChannels) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    auto& f = doc.File();
    const auto radio = Text(doc.ExportChannelText(false));
    size_t lines = 0;
    for (size_t p = radio.find("\r\n"); p != std::string::npos; p = radio.find("\r\n", p + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 197u);

    f.m_channels.At(0)->SetNameIndex(0xFFFF);
    f.m_channels.At(1)->SetTransponderIndex(0xFFFF);
    const auto west = f.m_channels.At(2);
    f.m_transponders.At(west->GetTransponderIndex())->SetSatelliteIndex(500);
    const auto tv = Text(doc.ExportChannelText(true));
    EXPECT_EQ(tv.find("tagesschau24"), std::string::npos) << "no name, no line";
    EXPECT_NE(tv.find("\"Einsfestival\",\t28722,\t,\t,\t,\t,\r\n"), std::string::npos);
    EXPECT_NE(tv.find(",\t,\t10744,\t1,\t21999,\r\n"), std::string::npos) << "satellite missing";
}

TEST(TextExport, WestPositionsAreFolded) {
    CTarnell1018Doc doc;
    doc.OnNewDocument();
    Astra(doc).SetPosition(3300);
    const auto text = Text(doc.ExportChannelText(true));
    EXPECT_NE(text.find(",\t30.0,\t"), std::string::npos);
}
