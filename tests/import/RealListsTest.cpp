// The real Enigma2 lists written by others, imported onto the factory list.
#include "CEnigma2ImportManager.h"
#include "CTarnell1018Doc.h"
#include "CodePage.h"
#include "FileIo.h"
#include "ImportMerge.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <sstream>
#include <unistd.h>

using namespace tarnell;
namespace fs = std::filesystem;

namespace {

fs::path TestData() {
    return fs::path(TARNELL_TESTDATA) / "enigma2";
}

// What the lamedb says, read plainly, to check the import against.
struct Expected {
    struct Service {
        bool tv;
        uint16_t sid;
        std::string name;
        std::tuple<uint32_t, int, int> key; // namespace, tsid, onid
    };
    std::vector<Service> services; // of the types the receiver lists, in file order
    std::map<std::tuple<uint32_t, int, int>, std::pair<int, int>> transponders; // MHz, position
};

Expected ReadPlainly(const fs::path& lamedb) {
    Expected e;
    std::istringstream in([&] {
        const auto bytes = ReadWholeFile(lamedb, 64u << 20);
        return std::string(bytes.begin(), bytes.end());
    }());
    std::string line;
    std::getline(in, line);
    std::getline(in, line);
    while (std::getline(in, line) && line != "end") {
        uint32_t ns = 0;
        unsigned tsid = 0;
        unsigned onid = 0;
        if (std::sscanf(line.c_str(), "%x:%x:%x", &ns, &tsid, &onid) != 3) {
            continue;
        }
        std::getline(in, line);
        long f = 0;
        long sr = 0;
        long pol = 0;
        long fec = 0;
        long pos = 0;
        if (line.size() > 3 && line[1] == 's' &&
            std::sscanf(line.c_str() + 3, "%ld:%ld:%ld:%ld:%ld", &f, &sr, &pol, &fec, &pos) == 5) {
            e.transponders.emplace(std::tuple(ns, static_cast<int>(tsid), static_cast<int>(onid)),
                                   std::pair(static_cast<int>(f / 1000),
                                             static_cast<int>(pos < 0 ? pos + 3600 : pos)));
        }
        std::getline(in, line); // "/"
    }
    std::getline(in, line); // services
    while (std::getline(in, line) && line != "end") {
        unsigned sid = 0;
        uint32_t ns = 0;
        unsigned tsid = 0;
        unsigned onid = 0;
        int type = 0;
        int number = 0;
        if (std::sscanf(line.c_str(), "%x:%x:%x:%x:%d:%d", &sid, &ns, &tsid, &onid, &type,
                        &number) != 6) {
            continue;
        }
        std::string name;
        std::string provider;
        std::getline(in, name);
        std::getline(in, provider);
        if (type == 1 || type == 2 || type == 4 || type == 22 || type == 25) {
            e.services.push_back({type != 2, static_cast<uint16_t>(sid), name,
                                  std::tuple(ns, static_cast<int>(tsid), static_cast<int>(onid))});
        }
    }
    return e;
}

class RealLists : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (!fs::exists(TestData() / GetParam() / "lamedb")) {
            GTEST_SKIP() << "no real lists at " << TestData() << " (set TARNELL_TESTDATA)";
        }
    }
};

} // namespace

TEST_P(RealLists, EveryServiceLandsOnItsTransponderWithItsName) {
    const fs::path folder = TestData() / GetParam();
    CTarnell1018Doc base;
    base.OnNewDocument();
    const fs::path basePath = fs::temp_directory_path() / ("tarnell-real-base-" + GetParam() + "-" +
                                                           std::to_string(getpid()) + ".fdu");
    base.Save(basePath);
    const auto baseBytes = ReadWholeFile(basePath);

    CE2ImportBouquetArray bouquets;
    ReadBouquets(bouquets, folder / "lamedb");
    ImportRequest request;
    request.kind = ImportKind::Enigma2;
    request.source = folder / "lamedb";
    request.base = basePath;
    request.tvBouquets = bouquets.Offered(true);
    request.radioBouquets = bouquets.Offered(false);
    ImportReport report;
    auto doc = ImportIntoNewDocument(request, report);
    EXPECT_EQ(ReadWholeFile(basePath), baseBytes) << "the base file is never changed";
    fs::remove(basePath);
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->IsModified());

    const auto expected = ReadPlainly(folder / "lamedb");
    const CSettingsFile& f = doc->File();
    const size_t kept = std::min<size_t>(expected.services.size(), 10000);
    ASSERT_EQ(f.m_channels.Size(), kept);
    EXPECT_EQ(report.droppedChannelLimit, static_cast<int>(expected.services.size() - kept));
    size_t namesChecked = 0;
    size_t tv = 0;
    for (size_t i = 0; i < kept; ++i) {
        const auto& want = expected.services[i];
        const CChannelData& c = *f.m_channels.At(i);
        SCOPED_TRACE(want.name);
        EXPECT_EQ(c.IsTv(), want.tv);
        EXPECT_EQ(c.GetServiceId(), want.sid);
        tv += c.IsTv() ? 1 : 0;
        const auto t = expected.transponders.find(want.key);
        if (t != expected.transponders.end()) {
            ASSERT_LT(c.GetTransponderIndex(), f.m_transponders.Size());
            const CTransponderData& got = *f.m_transponders.At(c.GetTransponderIndex());
            EXPECT_EQ(got.GetFrequency(), t->second.first);
            EXPECT_EQ(f.m_satellites.At(got.GetSatelliteIndex())->GetPosition(), t->second.second);
        }
        if (!want.name.empty() && c.GetNameIndex() < f.m_channelNames.Size()) {
            const CChannelInfo& name = *f.m_channelNames.At(c.GetNameIndex());
            if (CanEncode(want.name, CodePage::Windows1252) &&
                static_cast<uint8_t>(want.name[0]) >= 0x28) {
                // Latin names keep their Windows-1252 bytes, without a table byte.
                auto bytes = EncodeText(want.name, CodePage::Windows1252);
                bytes.resize(std::min<size_t>(bytes.size(), 99));
                bytes.push_back(0);
                EXPECT_EQ(name.StoredForm(), bytes);
            } else {
                // Others read back as they were; DVB emphasis marks show as < and >.
                std::string text = want.name;
                for (const auto& [mark, shown] :
                     {std::pair("\xC2\x86", "<"), std::pair("\xC2\x87", ">")}) {
                    for (size_t p = text.find(mark); p != std::string::npos; p = text.find(mark)) {
                        text.replace(p, 2, shown);
                    }
                }
                if (CanEncode(want.name, CodePage::Iso8859_5) ||
                    CanEncode(want.name, CodePage::Iso8859_7) ||
                    CanEncode(want.name, CodePage::Iso8859_2) ||
                    CanEncode(want.name, CodePage::Iso8859_6) ||
                    CanEncode(want.name, CodePage::Iso8859_9) ||
                    CanEncode(want.name, CodePage::Iso8859_1)) {
                    EXPECT_EQ(name.GetDisplayName(NameMarks::Keep), text);
                }
            }
            ++namesChecked;
        }
    }
    EXPECT_GT(namesChecked, kept * 9 / 10);
    EXPECT_EQ(f.m_channels.At(0)->GetRunningNumber(), 1);

    // Bouquets in order, TV first, at most 32.
    std::vector<const CE2ImportBouquet*> offered = request.tvBouquets;
    offered.insert(offered.end(), request.radioBouquets.begin(), request.radioBouquets.end());
    ASSERT_EQ(f.m_favourites.Size(), std::min<size_t>(offered.size(), 32));
    for (size_t i = 0; i < f.m_favourites.Size(); ++i) {
        const std::string name = f.m_favourites.At(i)->GetName(6);
        EXPECT_EQ(name, offered[i]->name.substr(0, name.size())) << i;
    }
    // Each satellite is in use exactly when a channel is on it.
    std::vector<bool> used(f.m_satellites.Size(), false);
    for (const auto& c : f.m_channels.Items()) {
        if (c->GetTransponderIndex() < f.m_transponders.Size()) {
            used[f.m_transponders.At(c->GetTransponderIndex())->GetSatelliteIndex()] = true;
        }
    }
    for (size_t s = 0; s < used.size(); ++s) {
        EXPECT_EQ(f.m_satellites.At(s)->HasChannels(), used[s]) << s;
    }
    // And it stores as a file the receiver takes.
    const auto image = doc->StoreToBytes();
    CTarnell1018Doc reloaded;
    reloaded.LoadFromBytes(image);
    EXPECT_EQ(reloaded.File().m_channels.Size(), kept);
}

INSTANTIATE_TEST_SUITE_P(Enigma2, RealLists,
                         ::testing::Values("sorys-astra19-small", "ciefp-motor-75e-34w",
                                           "horsti58-4sat-v5", "michy-favorites-nested"),
                         [](const auto& param) {
                             std::string name = param.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(RealListsVersion5, SameResultAsVersion4) {
    const fs::path folder = TestData() / "horsti58-4sat-v5";
    if (!fs::exists(folder / "lamedb5")) {
        GTEST_SKIP() << "no real lists at " << TestData();
    }
    CSettingsFile a;
    CSettingsFile b;
    for (auto* f : {&a, &b}) {
        for (int i = 0; i < 8000; ++i) {
            f->m_transponders.Add(std::make_unique<CTransponderData>());
        }
    }
    ImportReport ra;
    ImportReport rb;
    ASSERT_TRUE(CEnigma2ImportManager().ImportServices(folder / "lamedb", a, ra));
    ASSERT_TRUE(CEnigma2ImportManager().ImportServices(folder / "lamedb5", b, rb));
    EXPECT_GT(a.m_channels.Size(), 3000u);
    // The two files were written at different times: the PIDs the receiver had cached differ.
    for (auto* f : {&a, &b}) {
        for (const auto& c : f->m_channels.Items()) {
            c->SetVideoPid(0);
            c->SetAudioPid(0);
            c->SetPcrPid(0);
            c->SetVideoType(0);
            c->SetAudioType(0);
        }
    }
    EXPECT_EQ(a.Store(), b.Store());
}
