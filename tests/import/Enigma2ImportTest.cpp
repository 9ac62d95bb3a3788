// The Enigma2 service database read into a settings file.
#include "CEnigma2ImportManager.h"
#include "CSettingsFile.h"
#include "CodePage.h"
#include "ImportMerge.h"
#include "KeyIndexMap.h"

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

// An empty list with free transponder slots and one satellite at 19.2E, as after the merge
// emptied a base file.
std::unique_ptr<CSettingsFile> Target(size_t slots = 100) {
    auto file = std::make_unique<CSettingsFile>();
    file->m_fduInfo.SetText("FDU v1.2");
    file->m_lnbs.Add(std::make_unique<CSatelliteData>());
    std::array<uint8_t, CSatelliteInfo::kRecordSize> astra{'A', 's', 't', 'r', 'a'};
    astra[32] = 192;
    file->m_satellites.AddSatellite(astra);
    for (size_t i = 0; i < slots; ++i) {
        file->m_transponders.Add(std::make_unique<CTransponderData>());
    }
    return file;
}

struct Imported {
    std::unique_ptr<CSettingsFile> file;
    ImportReport report;
    bool ok = false;
};

Imported Import(const std::string& lamedb, size_t slots = 100) {
    Imported r;
    r.file = Target(slots);
    r.ok = CEnigma2ImportManager().ImportServicesText(lamedb, *r.file, r.report);
    return r;
}

std::string Name(const CSettingsFile& f, const CChannelData& c) {
    return c.GetNameIndex() < f.m_channelNames.Size()
               ? f.m_channelNames.At(c.GetNameIndex())->GetDisplayName()
               : "";
}

} // namespace

TEST(Enigma2Import, TranspondersAndSatellites) {
    const auto r = Import("eDVB services /4/\n"
                          "transponders\n"
                          "00c00000:0401:0001\n"
                          "\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n"
                          "/\n"
                          "ff7e0000:0001:0002\n" // 13.0 W, twice at a new position
                          "\ts 11000000:27500000:1:3:-130:2:0:0:0:0:0\n"
                          "\ts 11100000:27500000:2:3:-130:2:0:0:0:0:0\n"
                          "/\n"
                          "00500000:0003:0004\n"
                          "\ts 12000000:27500000:1:3:50:2:0\n" // 7 fields, DVB-S
                          "/\n"
                          "ffff0000:0005:0006\n"
                          "\tc 346000:6900000:2:5:3:0:0\n"
                          "/\n"
                          "ffff0000:0007:0006\n"
                          "\tc 354000:6900000:2:5:3:0:0\n"
                          "/\n"
                          "eeee0000:0008:0009\n"
                          "\tt 594000000:0:5:5:3:2:4:4:2:0:0:0\n"
                          "\tx 1:2:3\n" // a kind nobody knows
                          "/\n"
                          "end\n"
                          "services\n"
                          "end\n");
    ASSERT_TRUE(r.ok);
    const auto& f = *r.file;
    ASSERT_EQ(f.m_satellites.Size(), 5u);
    EXPECT_EQ(f.m_satellites.At(1)->GetPosition(), 3470);
    EXPECT_EQ(f.m_satellites.At(1)->GetDisplayName(), "Imp 13.0 \xC2\xB0W");
    EXPECT_EQ(f.m_satellites.At(2)->GetDisplayName(), "Imp 5.0 \xC2\xB0"
                                                      "E");
    EXPECT_EQ(f.m_satellites.At(3)->GetDisplayName(), "Cable");
    EXPECT_EQ(f.m_satellites.At(3)->GetPosition(), 0);
    EXPECT_EQ(f.m_satellites.At(4)->GetDisplayName(), "Terrestrial");
    EXPECT_EQ(r.report.satellitesAdded, 4);

    const auto& t = f.m_transponders;
    EXPECT_EQ(t.CountUsed(), 7u);
    EXPECT_EQ(t.At(0)->GetLabel(), "11494 H 22000");
    EXPECT_EQ(t.At(0)->GetSatelliteIndex(), 0) << "19.2E matches the satellite there";
    EXPECT_EQ(t.At(0)->GetNamespace(), 0xC00000u);
    EXPECT_EQ(t.At(1)->GetPolarisation(), 0) << "only field value 0 is horizontal";
    EXPECT_EQ(t.At(2)->GetSatelliteIndex(), 1);
    EXPECT_EQ(t.At(4)->GetSatelliteIndex(), 3);
    EXPECT_EQ(t.At(5)->GetSatelliteIndex(), 3) << "cable transponders share one satellite";
    EXPECT_EQ(t.At(4)->GetPolarisationLetter(), "C");
    EXPECT_EQ(t.At(6)->GetFrequency(), 594) << "terrestrial frequencies are in Hz";
    EXPECT_EQ(t.At(7)->GetFrequency(), 0) << "the unknown line added nothing";
}

TEST(Enigma2Import, ServicesByType) {
    const auto r = Import("eDVB services /4/\ntransponders\n"
                          "00c00000:0401:0001\n\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n/\nend\n"
                          "services\n"
                          "283d:00c00000:0401:0001:1:0\nDas Erste HD\np:ARD,c:000065,f:40\n"
                          "2b66:00c00000:0401:0001:25:0:0\nZDF HD\np:ZDFvision\n"
                          "1234:00c00000:0401:0001:31:0\nUHD only\np:X\n"
                          "2b67:00c00000:0401:0001:2:7\nBayern 3\np:BR\n"
                          "1111:00c00000:9999:0001:1:0\nNowhere\np:\n"
                          "2222:00c00000:0401:0001:22:0\n\np:\n"
                          "broken line\n"
                          "3333:00c00000:0401:0001:4:0\r\nNDR\r\np:\r\n"
                          "4444:c00000:401:1:1:0\nShort key\np:\n"
                          "end\nHave a lot of bugs!\n");
    ASSERT_TRUE(r.ok);
    const auto& f = *r.file;
    ASSERT_EQ(f.m_channels.Size(), 7u);
    EXPECT_EQ(Name(f, *f.m_channels.At(0)), "Das Erste HD");
    EXPECT_EQ(f.m_channels.At(0)->GetServiceId(), 0x283D);
    EXPECT_EQ(f.m_channels.At(0)->GetStoredNumber(), 1);
    EXPECT_TRUE(f.m_channels.At(1)->IsHd());
    EXPECT_TRUE(f.m_channels.At(1)->IsTv());
    EXPECT_EQ(Name(f, *f.m_channels.At(2)), "Bayern 3")
        << "type 31 is skipped, the next still read";
    EXPECT_FALSE(f.m_channels.At(2)->IsTv());
    EXPECT_EQ(f.m_channels.At(2)->GetStoredNumber(), 8);
    EXPECT_EQ(f.m_channels.At(3)->GetTransponderIndex(), 0xFFFF);
    EXPECT_EQ(f.m_channels.At(4)->GetNameIndex(), 0xFFFF) << "an empty name gives no name";
    EXPECT_EQ(Name(f, *f.m_channels.At(5)), "NDR") << "CR LF lines";
    EXPECT_EQ(f.m_channels.At(6)->GetTransponderIndex(), 0) << "keys without leading zeros";
    EXPECT_EQ(f.m_channels.At(6)->GetServiceId(), 0x4444);
    EXPECT_EQ(r.report.droppedServiceType, 1);
    EXPECT_EQ(r.report.tvChannels, 6);
    EXPECT_EQ(r.report.radioChannels, 1);
    EXPECT_EQ(r.report.channelsWithoutTransponder, 1);
}

TEST(Enigma2Import, ProvidersAndCachedPids) {
    const auto r = Import(
        "eDVB services /4/\ntransponders\n"
        "00c00000:0401:0001\n\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n/\n"
        "00c00000:0402:0001\n\ts 11523000:22000000:0:2:192:2:0:1:2:0:2\n/\nend\nservices\n"
        "0001:00c00000:0401:0001:1:0\nA\np:ZDFvision,c:000064,c:010065,c:030064,c:050001,f:40\n"
        "0002:00c00000:0401:0001:1:0\nB\np:Other,c:000066,c:040068,c:031fff\n"
        "0003:00c00000:0401:0001:1:0\nC\np:ZDFvision,c:00zz00,c:0100\n"
        "0004:00c00000:0402:0001:2:0\nD\np:ZDFvision\nend\n");
    ASSERT_TRUE(r.ok);
    const auto& f = *r.file;
    // Each transponder takes the provider most of its services name; the name is added once.
    ASSERT_EQ(f.m_providerNames.Size(), 1u);
    EXPECT_EQ(f.m_providerNames.At(0)->GetDisplayName(), "ZDFvision");
    for (const size_t channel : {0, 3}) {
        const auto t = f.m_channels.At(channel)->GetTransponderIndex();
        EXPECT_EQ(f.m_transponders.At(t)->GetProviderIndex(), 0) << channel;
    }
    const struct {
        int video, audio, pcr, videoType, audioType;
    } pids[] = {{0x64, 0x65, 0x64, 0x1B, 0x03}, // H.264, MPEG audio
                {0x66, 0x68, 0, 0, 0x81},       // AC-3 only; 0x1FFF is no PCR
                {0, 0, 0, 0, 0}};               // a cache nobody can read
    for (size_t i = 0; i < std::size(pids); ++i) {
        const CChannelData& c = *f.m_channels.At(i);
        EXPECT_EQ(c.GetVideoPid(), pids[i].video) << i;
        EXPECT_EQ(c.GetAudioPid(), pids[i].audio) << i;
        EXPECT_EQ(c.GetPcrPid(), pids[i].pcr) << i;
        EXPECT_EQ(c.GetVideoType(), pids[i].videoType) << i;
        EXPECT_EQ(c.GetAudioType(), pids[i].audioType) << i;
    }
}

TEST(Enigma2Import, NamesKeepTheirScript) {
    const auto r =
        Import("eDVB services /4/\ntransponders\nend\nservices\n"
               "0001:0:1:1:1:0\n\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9\np:\n" // Первый
               "0002:0:1:1:1:0\n\xCE\x95\xCE\xA1\xCE\xA4\np:\n"                         // ΕΡΤ
               "0003:0:1:1:1:0\nTRT T\xC3\xBCrk \xC5\x9Fi\np:\n" // TRT Türk şi
               "0004:0:1:1:1:0\nM6 S\xC3\xA9ries\np:\n"
               "0005:0:1:1:1:0\nPolsat \xC5\x81\xC3\xB3\xC5\xBA\np:\n"
               "end\n");
    ASSERT_TRUE(r.ok);
    const auto& f = *r.file;
    ASSERT_EQ(f.m_channelNames.Size(), 5u);
    EXPECT_EQ(f.m_channelNames.At(0)->GetCodePageCode(), 1u);
    EXPECT_EQ(Name(f, *f.m_channels.At(0)), "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9");
    EXPECT_EQ(f.m_channelNames.At(1)->GetCodePageCode(), 3u);
    EXPECT_EQ(Name(f, *f.m_channels.At(1)), "\xCE\x95\xCE\xA1\xCE\xA4");
    EXPECT_EQ(Name(f, *f.m_channels.At(2)), "TRT T\xC3\xBCrk \xC5\x9Fi");
    // A name Windows-1252 holds is stored in it, without a table byte.
    EXPECT_EQ(f.m_channelNames.At(3)->GetCodePageCode(), 0u);
    EXPECT_EQ(f.m_channelNames.At(3)->StoredForm(),
              (std::vector<uint8_t>{'M', '6', ' ', 'S', 0xE9, 'r', 'i', 'e', 's', 0}));
    EXPECT_EQ(f.m_channelNames.At(4)->GetCodePageCode(), 0u);
    EXPECT_EQ(Name(f, *f.m_channels.At(4)), "Polsat \xC5\x81\xC3\xB3\xC5\xBA")
        << "ISO 8859-2 needs no byte";
}

TEST(Enigma2Import, VersionsReadTheSameFields) {
    const std::string v3 = "eDVB services /3/\ntransponders\n00c00000:0401:0001\n"
                           "\ts 11494000:22000000:0:2:192:2:0:1:2:0\n/\nend\nservices\nend\n";
    std::string v4 = v3;
    v4.replace(v4.find("/3/"), 3, "/4/");
    v4.replace(v4.find(":1:2:0\n"), 7, ":1:2:0:2\n");
    auto a = Import(v3);
    auto b = Import(v4);
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_EQ(a.file->Store(), b.file->Store());
}

TEST(Enigma2Import, MalformedFilesSayWhy) {
    for (const std::string& text :
         {std::string(""), std::string("eDVB services\ntransponders\n"),
          std::string("eDVB services /4/\ntransponder\n"),
          std::string("eDVB services /4/\ntransponders\nend\n"),
          std::string("eDVB services /4/\ntransponders\nend\nservice\n")}) {
        const auto r = Import(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.report.messages, std::vector<std::string>{"Fehler beim Lesen des Datenfiles!"});
    }
    ImportReport report;
    auto file = Target();
    EXPECT_FALSE(CEnigma2ImportManager().ImportServices("/nonexistent/lamedb", *file, report));
    EXPECT_EQ(report.messages,
              std::vector<std::string>{"Datenfile nicht gefunden, oder Datenfile in Gebrauch!"});
}

TEST(Enigma2Import, Limits) {
    std::string text = "eDVB services /4/\ntransponders\n";
    for (int i = 0; i < 300; ++i) {
        char line[160];
        std::snprintf(line, sizeof(line),
                      "%08x:%04x:0001\n\ts 11000000:27500000:0:3:%d:2:0:0:0:0:0\n/\n", i << 16, i,
                      i * 10 % 3600);
        text += line;
    }
    text += "end\nservices\n";
    for (int i = 0; i < 10010; ++i) {
        char line[160];
        std::snprintf(line, sizeof(line), "%04x:%08x:%04x:0001:1:0\nC%d\np:\n", i + 1,
                      (i % 300) << 16, i % 300, i);
        text += line;
    }
    text += "end\n";
    const auto r = Import(text, 280);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.file->m_satellites.Size(), 255u);
    EXPECT_GT(r.report.droppedSatelliteLimit, 0);
    EXPECT_EQ(r.report.droppedNoFreeSlot, 20);
    EXPECT_EQ(r.file->m_channels.Size(), 10000u);
    EXPECT_EQ(r.report.droppedChannelLimit, 10);
    // Services on the dropped transponders have none.
    EXPECT_EQ(r.file->m_channels.At(295)->GetTransponderIndex(), 0xFFFF);
}

TEST(Enigma2Import, Version5MatchesVersion4) {
    const std::string v4 =
        "eDVB services /4/\ntransponders\n00c00000:0401:0001\n"
        "\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n/\nffff0000:0005:0006\n"
        "\tc 346000:6900000:2:5:3:0:0\n/\nend\nservices\n"
        "283d:00c00000:0401:0001:1:0:0\nDas \"Erste\", HD\np:ARD,c:0000a3,c:010062,f:40\n"
        "0001:ffff0000:0005:0006:2:3:0\nRadio\np:\nend\n";
    const std::string v5 =
        "eDVB services /5/\n# comment\n"
        "s:283d:00c00000:0401:0001:1:0:0,\"Das \"Erste\", HD\",p:ARD,c:0000a3,c:010062,f:40\n"
        "t:00c00000:0401:0001,s:11494000:22000000:0:2:192:2:0:1:2:0:2\n"
        "t:ffff0000:0005:0006,c:346000:6900000:2:5:3:0:0\n"
        "s:0001:ffff0000:0005:0006:2:3:0,\"Radio\"\n";
    auto a = Import(v4);
    auto b = Import(v5);
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_EQ(Name(*b.file, *b.file->m_channels.At(0)), "Das \"Erste\", HD");
    EXPECT_EQ(a.file->Store(), b.file->Store());
}

TEST(Enigma2Import, TransponderIndexKeepsTheFirstSlotOfAKeyAsItGrows) {
    KeyIndexMap map;
    for (int i = 0; i < 3000; ++i) {
        map.Insert(static_cast<uint64_t>(i) << 16, i);
    }
    map.Insert(uint64_t{7} << 16, 9999);
    EXPECT_EQ(map.Find(uint64_t{7} << 16), 7);
    EXPECT_EQ(map.Find(uint64_t{2999} << 16), 2999);
    EXPECT_EQ(map.Find(uint64_t{3000} << 16), -1);
    EXPECT_EQ(KeyIndexMap().Find(0), -1);
}
