#include "SettingsFileBuilder.h"

#include "ByteOrder.h"
#include "CFDUPrepackaging.h"
#include "ZlibEngine.h"

#include <string>

namespace tarnell::test {

namespace {

std::vector<uint8_t> NameRecord(const std::string& text, int code) {
    std::string record = code != 0 ? std::string(1, static_cast<char>(code)) : std::string();
    record += text;
    return std::vector<uint8_t>(record.c_str(), record.c_str() + record.size() + 1);
}

} // namespace

std::unique_ptr<CSettingsFile> MakeSample(const SampleOptions& o) {
    auto file = std::make_unique<CSettingsFile>();
    if (o.fduInfo) {
        file->m_fduInfo.SetText("FDU v1.2");
    }
    for (int i = 0; i < o.lnbs; ++i) {
        std::array<uint8_t, CSatelliteData::kRecordSize> r{};
        r[0] = 1;
        WriteLE16(r.data() + 4, 9750);
        WriteLE16(r.data() + 6, 10600);
        r[8] = static_cast<uint8_t>(i % 5);
        r[13] = 0x20;
        r[20] = static_cast<uint8_t>(0xA0 + i); // a byte nobody interprets
        file->m_lnbs.Add(std::make_unique<CSatelliteData>(r));
    }
    for (int i = 0; i < o.satellites; ++i) {
        std::array<uint8_t, CSatelliteInfo::kRecordSize> r{};
        const std::string name = "Sat " + std::to_string(i);
        std::copy(name.begin(), name.end(), r.begin());
        WriteLE16(r.data() + 32, static_cast<uint16_t>((192 + 100 * i) % 3600));
        r[34] = 0xFF;
        r[36] = static_cast<uint8_t>(o.lnbs > 0 ? i % o.lnbs : 0xFF);
        r[37] = 0xFE;
        r[38] = static_cast<uint8_t>(i);
        r[44] = 0x77;
        file->m_satellites.AddSatellite(r);
    }
    for (int i = 0; i < o.providers; ++i) {
        file->m_providerNames.AddName(NameRecord("Provider " + std::to_string(i), i % 2 ? 5 : 0));
    }
    auto& slots = file->m_transponders;
    slots.ArrayHeader()[2] = static_cast<uint8_t>(o.transponderRecordSize);
    for (int i = 0; i < o.transponderSlots; ++i) {
        auto t = std::make_unique<CTransponderData>();
        if (i < o.usedTransponders) {
            t->SetFrequency(10700 + 10 * i);
            t->SetSymbolRate(22000 + i);
            t->SetOriginalNetworkId(1);
            t->SetTransportStreamId(1000 + i);
            t->SetSatelliteIndex(static_cast<uint16_t>(o.satellites > 0 ? i % o.satellites : 0));
            t->SetProviderIndex(static_cast<uint16_t>(o.providers > 0 ? i % o.providers : 0xFFFF));
            t->Record()[12] = static_cast<uint8_t>((i % 2) | 0x60);
        }
        slots.Add(std::move(t));
    }
    auto& channels = file->m_channels;
    channels.ArrayHeader()[2] = static_cast<uint8_t>(o.channelRecordSize);
    int tvLeft = o.tvChannels;
    int radioLeft = o.radioChannels;
    for (int i = 0; tvLeft + radioLeft > 0; ++i) {
        const bool tv = radioLeft == 0 || (tvLeft > 0 && i % 3 != 2);
        (tv ? tvLeft : radioLeft)--;
        const uint16_t transponder =
            static_cast<uint16_t>(o.usedTransponders > 0 ? i % o.usedTransponders : 0xFFFF);
        CChannelData* c = channels.AddChannel(tv, transponder, static_cast<uint16_t>(100 + i),
                                              static_cast<uint16_t>(i + 1));
        c->SetPcrPid(static_cast<uint16_t>(200 + i));
        c->SetVideoPid(tv ? static_cast<uint16_t>(300 + i) : 0);
        c->SetAudioPid(static_cast<uint16_t>(400 + i));
        c->Record()[10] |= 0x5; // bits beside the audio PID
        c->SetFavouriteMask(o.favourites > 0 ? (1u << (i % o.favourites)) : 0);
        c->SetFlagByte(static_cast<uint8_t>(i % 7 == 0 ? 0x80 : 0x04));
        c->SetSoundWord(0x1FFF);
        c->SetVideoType(tv ? 0x1B : 0);
        c->SetAudioType(0x04);
        c->Record()[22] = static_cast<uint8_t>(i); // kept bytes
        c->Record()[42] = static_cast<uint8_t>(0xC0 | (i & 0x3F));
        c->SetNameIndex(static_cast<uint16_t>(file->m_channelNames.Size()));
        file->m_channelNames.AddName(
            NameRecord("Channel " + std::to_string(i), i % 4 == 3 ? 1 : 0));
    }
    for (int i = 0; i < o.favourites; ++i) {
        file->m_favourites.AddFavouriteList("Fav " + std::to_string(i), 6);
    }
    if (o.timers > 0) {
        file->m_timers.ArrayHeader()[2] = CAlarmData::kRecordSize;
        for (int i = 0; i < o.timers; ++i) {
            std::array<uint8_t, CAlarmData::kRecordSize> r{};
            r[1] = static_cast<uint8_t>(20 + i % 4);
            WriteLE16(r.data() + 2, static_cast<uint16_t>(i < o.timers - 2 ? 60000 + i : 0));
            WriteLE16(r.data() + 10, static_cast<uint16_t>(i));
            r[25] = 0x33;
            file->m_timers.Add(std::make_unique<CAlarmData>(r));
            auto info = std::make_unique<CAlarmInfo>();
            info->SetText("Timer " + std::to_string(i));
            file->m_timerInfos.Add(std::move(info));
        }
        WriteLE16(file->m_timerInfos.ArrayHeader().data(),
                  static_cast<uint16_t>(CAlarmInfo::kRecordSize * o.timers));
    }
    if (o.configLength > 0) {
        file->m_configuration.ReadConfiguration(ConfigSection(o.configLength));
    }
    file->m_channels.AssignRunningNumbers();
    file->UpdateHasChannels();
    return file;
}

std::unique_ptr<CSettingsFile> MakeRealistic(int channels) {
    SampleOptions o;
    o.satellites = 255;
    o.lnbs = 67;
    o.transponderSlots = 8000;
    o.usedTransponders = channels / 4;
    o.tvChannels = channels * 6 / 10;
    o.radioChannels = channels - o.tvChannels;
    o.providers = 200;
    o.favourites = 32;
    o.timers = 30;
    o.channelRecordSize = 40;
    auto file = MakeSample(o);
    // Shaped like a real scan: a few services per transponder, each transponder repeating the
    // same PID plan, so that the sections compress the way real ones do.
    for (size_t i = 0; i < file->m_channels.Size(); ++i) {
        CChannelData* c = file->m_channels.At(i);
        const auto slot = static_cast<uint16_t>(i % 4);
        c->SetTransponderIndex(static_cast<uint16_t>(i / 4));
        c->SetServiceId(static_cast<uint16_t>(0x100 * (i / 4 % 50) + slot + 1));
        c->SetPcrPid(static_cast<uint16_t>(0x100 + 0x10 * slot));
        c->SetVideoPid(c->IsTv() ? static_cast<uint16_t>(0x100 + 0x10 * slot) : 0);
        c->SetAudioPid(static_cast<uint16_t>(0x101 + 0x10 * slot));
        c->SetFavouriteMask(i % 50 == 0 ? 1u << (i / 50 % 32) : 0);
        c->SetFlagByte(0);
        c->Record()[22] = 0;
    }
    for (int t = 0; t < o.usedTransponders; ++t) {
        file->m_transponders.At(static_cast<size_t>(t))
            ->SetSatelliteIndex(static_cast<uint16_t>(t / 10 % 255));
    }
    file->UpdateHasChannels();
    return file;
}

std::unique_ptr<CSettingsFile> MakeLargest() {
    return MakeRealistic(10000);
}

std::unique_ptr<CSettingsFile> LoadBytes(std::span<const uint8_t> bytes,
                                         std::vector<std::string>* messages) {
    auto file = std::make_unique<CSettingsFile>();
    auto said = file->Load(bytes);
    if (messages != nullptr) {
        *messages = std::move(said);
    }
    return file;
}

std::vector<uint8_t> ConfigSection(int length, uint8_t fill) {
    std::vector<uint8_t> payload(16, 0);
    WriteLE16(payload.data(), static_cast<uint16_t>(length));
    payload[5] = 0x42;
    for (int i = 0; i < length && i < 4096; ++i) {
        payload.push_back(static_cast<uint8_t>(fill + i * 7));
    }
    payload.insert(payload.end(), 3, 0);
    const auto stream = ZlibEngine::Compress(payload, 9);
    SectionHeader h = SectionHeader::Fresh(kIdConfiguration);
    h.SetLengths(static_cast<uint32_t>(stream.bytes.size()), static_cast<uint32_t>(payload.size()));
    auto out = stream.bytes;
    out.insert(out.begin(), h.bytes.begin(), h.bytes.end());
    return out;
}

std::vector<uint8_t> BuildRawFile(const std::vector<RawSection>& sections,
                                  std::optional<uint16_t> count) {
    CFDUPrepackaging assembler;
    for (const auto& s : sections) {
        SectionHeader h = SectionHeader::Fresh(s.id);
        std::copy(s.spare.begin(), s.spare.end(), h.bytes.begin() + 12);
        std::vector<uint8_t> stream;
        if (s.garbageStream) {
            stream.assign(40, 0x5A);
        } else {
            stream = ZlibEngine::Compress(s.payload, 1).bytes;
        }
        h.SetLengths(static_cast<uint32_t>(stream.size()), static_cast<uint32_t>(s.payload.size()));
        assembler.AddSection(h, stream);
    }
    auto image = assembler.WriteServicePart();
    if (count) {
        WriteLE16(image.data() + 0x410, *count);
    }
    return image;
}

std::vector<uint8_t> ArrayHeader16(uint16_t w0, uint16_t w1) {
    std::vector<uint8_t> h(16, 0);
    WriteLE16(h.data(), w0);
    WriteLE16(h.data() + 2, w1);
    return h;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

std::vector<StoredSection> Directory(std::span<const uint8_t> image) {
    std::vector<StoredSection> out;
    const size_t count = ReadLE16(image.data() + 0x410);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = image.data() + kDirectoryBlockSize + i * kDirectoryEntrySize;
        out.push_back(
            {ReadBE32(e), static_cast<size_t>(ReadLE32(e + 4)) + kFileOffsetBias, ReadLE32(e + 8)});
    }
    return out;
}

} // namespace tarnell::test
