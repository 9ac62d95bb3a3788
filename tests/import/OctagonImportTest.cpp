// The Octagon 918 UDB and SD x18 BIN readers, on files written here from their layouts.
#include "ByteOrder.h"
#include "CBINImportManager.h"
#include "CSettingsFile.h"
#include "CUDBImportManager.h"
#include "ZlibEngine.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tarnell;

namespace {

std::unique_ptr<CSettingsFile> Target() {
    auto file = std::make_unique<CSettingsFile>();
    for (int i = 0; i < 200; ++i) {
        file->m_transponders.Add(std::make_unique<CTransponderData>());
    }
    return file;
}

std::string Name(const CSettingsFile& f, size_t channel) {
    const auto* c = f.m_channels.At(channel);
    return c->GetNameIndex() < f.m_channelNames.Size()
               ? f.m_channelNames.At(c->GetNameIndex())->GetDisplayName()
               : "";
}

// --- UDB writer
struct UdbChannel {
    std::string name;
    uint16_t number, transponder, sid, vpid, apid, pcr, flags;
    bool hd;
};

std::vector<uint8_t> UdbFile(size_t length, const std::vector<UdbChannel>& tv,
                             const std::vector<UdbChannel>& radio, bool namedLists = false,
                             uint8_t language = 0) {
    std::vector<uint8_t> file(length, 0);
    const size_t channelEnd = length == CUDBImportManager::kFileLength818 ? 327952 : 655632;
    const size_t satellites = channelEnd + 65536;
    const size_t settings =
        satellites + (length == CUDBImportManager::kFileLength918 ? 65536 : 8192);
    auto block = [](const std::vector<UdbChannel>& channels) {
        std::vector<uint8_t> raw;
        for (const auto& c : channels) {
            std::vector<uint8_t> r(76, 0);
            std::memcpy(r.data(), c.name.data(), std::min<size_t>(c.name.size(), 23));
            WriteLE16(r.data() + 24, c.number);
            WriteLE16(r.data() + 26, c.transponder);
            WriteLE16(r.data() + 28, c.sid);
            WriteLE16(r.data() + 30, 77);
            WriteLE16(r.data() + 32, c.vpid);
            WriteLE16(r.data() + 34, c.apid);
            WriteLE16(r.data() + 36, c.pcr);
            WriteLE16(r.data() + 42, c.flags);
            r[47] = c.hd ? 1 : 0;
            raw.insert(raw.end(), r.begin(), r.end());
        }
        return raw.empty() ? raw : ZlibEngine::Compress(raw, 6).bytes;
    };
    const auto tvBlock = block(tv);
    const auto radioBlock = block(radio);
    WriteLE32(file.data() + 272 + 16, static_cast<uint32_t>(tvBlock.size()));
    WriteLE32(file.data() + 272 + 20, static_cast<uint32_t>(radioBlock.size()));
    std::copy(tvBlock.begin(), tvBlock.end(), file.begin() + 308);
    std::copy(radioBlock.begin(), radioBlock.end(),
              file.begin() + 308 + static_cast<std::ptrdiff_t>(tvBlock.size()));
    for (size_t i = 0; i < 3000; ++i) {
        file[channelEnd + 28 + i * 20 + 15] = 0xFF; // unused
    }
    auto transponder = [&](size_t i, uint16_t mhz, uint16_t sr, uint8_t pol, uint8_t sat) {
        uint8_t* t = file.data() + channelEnd + 28 + i * 20;
        WriteLE16(t + 2, mhz);
        WriteLE16(t + 4, sr);
        WriteLE16(t + 8, 1);
        WriteLE16(t + 10, static_cast<uint16_t>(1000 + i));
        t[13] = pol;
        t[15] = sat;
    };
    transponder(0, 11494, 22000, 1, 0);
    transponder(1, 12188, 27500, 1, 0);
    transponder(2, 11000, 27500, 0, 1);
    transponder(4, 10000, 27500, 0, 0xFF);
    auto satellite = [&](size_t i, const char* name, uint32_t tenths, bool west) {
        uint8_t* s = file.data() + satellites + 28 + i * 32;
        std::memcpy(s, name, std::strlen(name));
        WriteLE32(s + 20, (tenths << 18) | (west ? 1u : 0u));
    };
    satellite(0, "Astra 19.2E", 192, false);
    satellite(1, "Thor 0.8W", 8, true);
    if (namedLists) {
        file[settings + 148] = 1;
        for (int i = 0; i < 8; ++i) {
            const std::string name = "Liste " + std::to_string(i + 1);
            std::memcpy(file.data() + settings + 48 + 12 * i, name.data(), name.size());
        }
    }
    file[settings + 172] = language;
    return file;
}

// --- BIN writer
struct BinChannel {
    std::string name;
    uint16_t transponder, sid, vpid, apid, pcr;
    bool tv, valid;
    uint8_t favourites;
};

std::vector<uint8_t> BinFile(bool bigEndian, const std::vector<BinChannel>& channels) {
    std::vector<uint8_t> file(CBINImportManager::kFileLength, 0);
    auto put16 = [bigEndian](uint8_t* p, uint16_t v) {
        if (bigEndian) {
            p[0] = static_cast<uint8_t>(v >> 8);
            p[1] = static_cast<uint8_t>(v);
        } else {
            WriteLE16(p, v);
        }
    };
    auto transponder = [&](size_t i, uint32_t khz, uint16_t sr, uint8_t sat, bool horizontal) {
        uint8_t* t = file.data() + i * 24;
        if (bigEndian) {
            t[1] = static_cast<uint8_t>(khz >> 16);
            t[2] = static_cast<uint8_t>(khz >> 8);
            t[3] = static_cast<uint8_t>(khz);
        } else {
            WriteLE32(t, khz);
        }
        put16(t + 4, sr);
        t[6] = sat;
        t[7] = horizontal ? (bigEndian ? 0x10 : 0x08) : 0;
        put16(t + 16, static_cast<uint16_t>(1000 + i));
        put16(t + 18, 1);
    };
    transponder(0, 11362000, 22000, 0, true);
    transponder(1, 11000000, 27500, 1, false);
    transponder(2, 12000000, 27500, 2, false);
    auto satellite = [&](size_t i, const char* name, uint16_t position) {
        uint8_t* s = file.data() + 32768 + i * 32;
        std::memcpy(s, name, std::strlen(name));
        put16(s + 12, position);
    };
    satellite(0, "Astra", 192);
    satellite(1, "Far West", 1920);
    satellite(2, "SMATV", 0);
    for (int i = 0; i < 32; ++i) {
        const std::string name = "Fav" + std::to_string(i);
        std::memcpy(file.data() + 40960 + i * 512, name.data(), name.size());
    }
    for (size_t i = 0; i < channels.size(); ++i) {
        const auto& c = channels[i];
        uint8_t* r = file.data() + 65536 + i * 40;
        std::memcpy(r, c.name.data(), std::min<size_t>(c.name.size(), 18));
        if (bigEndian) {
            r[24] = static_cast<uint8_t>(c.transponder >> 8);
            r[25] = static_cast<uint8_t>(c.transponder);
            put16(r + 26, static_cast<uint16_t>(c.vpid << 3));
            put16(r + 28, static_cast<uint16_t>(c.apid << 3));
            put16(r + 30, static_cast<uint16_t>(c.pcr << 3));
            r[20] = static_cast<uint8_t>((c.tv ? 0x40 : 0) | (c.valid ? 0x20 : 0) | 0x10);
            r[21] = 0x01;
        } else {
            WriteLE16(r + 24, static_cast<uint16_t>(c.transponder << 4));
            WriteLE16(r + 26, c.vpid);
            WriteLE16(r + 28, c.apid);
            WriteLE16(r + 30, c.pcr);
            r[20] = static_cast<uint8_t>((c.tv ? 0x02 : 0) | (c.valid ? 0x04 : 0) | 0x08);
            r[21] = 0x80;
        }
        put16(r + 34, c.sid);
        r[22] = c.favourites;
    }
    return file;
}

} // namespace

TEST(UdbImport, ModelsAndMapping) {
    const std::vector<UdbChannel> tv = {{"Das Erste", 1, 0, 10301, 5101, 5102, 5101, 0x000A, true},
                                        {"Nord", 2, 2, 77, 100, 101, 100, 0x3001, false},
                                        {"Lost", 3, 4, 78, 100, 101, 100, 0, false}};
    const std::vector<UdbChannel> radio = {{"Bayern 3", 1, 1, 28403, 0, 601, 601, 0x0004, false}};
    for (const size_t length :
         {CUDBImportManager::kFileLength818, CUDBImportManager::kFileLength908,
          CUDBImportManager::kFileLength918}) {
        SCOPED_TRACE(length);
        auto file = Target();
        ImportReport report;
        ASSERT_TRUE(CUDBImportManager().ImportBytes(UdbFile(length, tv, radio), *file, report));
        const auto& f = *file;
        ASSERT_EQ(f.m_satellites.Size(), 2u);
        EXPECT_EQ(f.m_satellites.At(0)->GetPosition(), 190) << "whole degrees";
        EXPECT_EQ(f.m_satellites.At(0)->GetDisplayName(), "Astra 19.2E");
        EXPECT_EQ(f.m_satellites.At(1)->GetPosition(), 3600) << "0.8 W rounds to 0 W";
        EXPECT_EQ(f.m_transponders.CountUsed(), 3u) << "satellite 255 marks an unused record";
        ASSERT_EQ(f.m_channels.Size(), 4u);
        const auto& erste = *f.m_channels.At(0);
        EXPECT_EQ(Name(f, 0), "Das Erste");
        EXPECT_EQ(erste.GetStoredNumber(), 1);
        EXPECT_EQ(erste.GetServiceId(), 10301);
        EXPECT_EQ(erste.GetServiceValue4(), 77);
        EXPECT_EQ(erste.GetAudioPid(), 5102);
        EXPECT_TRUE(erste.IsHd());
        EXPECT_EQ(erste.GetFavourites(), (std::vector<int>{0, 2})) << "bits 1 and 3: lists 1 and 3";
        EXPECT_EQ(f.m_transponders.At(erste.GetTransponderIndex())->GetFrequency(), 11494);
        EXPECT_EQ(f.m_channels.At(1)->GetFlagByte(), 0x08 | 0x10 | 0x04);
        EXPECT_EQ(f.m_satellites
                      .At(f.m_transponders.At(f.m_channels.At(1)->GetTransponderIndex())
                              ->GetSatelliteIndex())
                      ->GetPosition(),
                  3600);
        EXPECT_EQ(f.m_channels.At(2)->GetTransponderIndex(), 0xFFFF)
            << "an unused transponder is none";
        EXPECT_FALSE(f.m_channels.At(3)->IsTv());
        EXPECT_EQ(Name(f, 3), "Bayern 3");
        ASSERT_EQ(f.m_favourites.Size(), 8u);
        EXPECT_EQ(f.m_favourites.At(0)->GetName(6), "Movie");
        EXPECT_EQ(f.m_favourites.At(7)->GetName(6), "Misc.");
    }
}

TEST(UdbImport, ListNamesLanguageAndEmptyBlocks) {
    const std::vector<UdbChannel> radio = {
        {"\xBF\xD5\xE0\xD2\xEB\xD9", 1, 0, 1, 0, 2, 2, 0, false}};
    auto file = Target();
    ImportReport report;
    ASSERT_TRUE(CUDBImportManager().ImportBytes(
        UdbFile(CUDBImportManager::kFileLength918, {}, radio, true, 2), *file, report));
    ASSERT_EQ(file->m_channels.Size(), 1u) << "no TV block, the radio block is still read";
    EXPECT_EQ(Name(*file, 0), "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9")
        << "language 2: ISO 8859-5";
    EXPECT_EQ(file->m_favourites.At(0)->GetName(6), "Liste 1");

    ImportReport bad;
    EXPECT_FALSE(CUDBImportManager().ImportBytes(std::vector<uint8_t>(409871, 0), *file, bad));
    EXPECT_FALSE(bad.messages.empty());
    // Block lengths that run past the channel area are not read.
    auto damaged = UdbFile(CUDBImportManager::kFileLength818, {}, radio);
    WriteLE32(damaged.data() + 272 + 16, 0x7FFFFFF0);
    auto other = Target();
    ImportReport r;
    EXPECT_TRUE(CUDBImportManager().ImportBytes(damaged, *other, r));
    EXPECT_EQ(other->m_channels.Size(), 0u);
}

TEST(BinImport, BothByteOrders) {
    const std::vector<BinChannel> channels = {{"ZDF", 0, 11110, 110, 120, 130, true, true, 0x01},
                                              {"Radio West", 1, 5, 0, 140, 140, false, true, 0x01},
                                              {"Invalid", 0, 6, 1, 2, 3, true, false, 0xFF},
                                              {"Cable One", 2, 7, 1, 2, 3, true, true, 0},
                                              {"Far", 1400, 8, 1, 2, 3, true, true, 0}};
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian);
        const auto bytes = BinFile(bigEndian, channels);
        ASSERT_EQ(bytes[0] == 0, bigEndian);
        auto file = Target();
        ImportReport report;
        CBINImportManager reader;
        ASSERT_TRUE(reader.ImportBytes(bytes, *file, report));
        EXPECT_EQ(reader.IsBigEndian(), bigEndian);
        const auto& f = *file;
        ASSERT_EQ(f.m_satellites.Size(), 3u);
        EXPECT_EQ(f.m_satellites.At(0)->GetPosition(), 190);
        EXPECT_EQ(f.m_satellites.At(1)->GetPosition(), 1920) << "168.0 W";
        EXPECT_EQ(f.m_satellites.At(0)->GetDisplayName(), bigEndian ? "Imp 19.0 \xC2\xB0"
                                                                      "E"
                                                                    : "Astra");
        EXPECT_EQ(f.m_satellites.At(2)->GetDisplayName(), bigEndian ? "Imp 0.0 \xC2\xB0"
                                                                      "E"
                                                                    : "Cable");
        EXPECT_EQ(f.m_transponders.At(0)->GetFrequency(), 11362);
        EXPECT_EQ(f.m_transponders.At(0)->GetPolarisation(), 1);
        EXPECT_EQ(f.m_transponders.At(1)->GetPolarisation(), 0);
        ASSERT_EQ(f.m_channels.Size(), 3u)
            << "invalid records and unknown transponders are skipped";
        const auto& zdf = *f.m_channels.At(0);
        EXPECT_EQ(Name(f, 0), "ZDF");
        EXPECT_EQ(zdf.GetServiceId(), 11110);
        EXPECT_EQ(zdf.GetVideoPid(), 110);
        EXPECT_EQ(zdf.GetAudioPid(), 120);
        EXPECT_EQ(zdf.GetPcrPid(), 130);
        EXPECT_EQ(zdf.GetStoredNumber(), 0);
        EXPECT_EQ(zdf.GetFlagByte(), 0x08 | 0x10) << "marks A and B";
        EXPECT_EQ(zdf.GetFavourites(), std::vector<int>{0});
        EXPECT_FALSE(f.m_channels.At(1)->IsTv());
        EXPECT_EQ(f.m_channels.At(1)->GetFavourites(), std::vector<int>{8}) << "radio list 9";
        ASSERT_EQ(f.m_favourites.Size(), 16u);
        EXPECT_EQ(f.m_favourites.At(0)->GetName(6), "Fav8");
        EXPECT_EQ(f.m_favourites.At(15)->GetName(6), "Fav23");
    }
}

TEST(BinImport, WrongLengthIsAFailure) {
    auto file = Target();
    ImportReport report;
    EXPECT_FALSE(CBINImportManager().ImportBytes(std::vector<uint8_t>(1000, 1), *file, report));
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(file->m_channels.Size(), 0u);
}
