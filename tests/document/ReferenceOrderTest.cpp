// Sorting a list like a reference: identities, names, what is left over, bad references.
#include "ReferenceOrder.h"
#include "CTarnell1018Doc.h"
#include "FileError.h"
#include "ListDifference.h"

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

std::vector<std::string> Names(const CTarnell1018Doc& doc) {
    std::vector<std::string> names;
    for (const auto& e : ChannelEntries(doc.File())) {
        names.push_back(e.name);
    }
    return names;
}

void Factory(CTarnell1018Doc& doc) {
    doc.OnNewDocument();
}

} // namespace

TEST(ReferenceOrder, NamesMatchWithoutCaseAndQualityMarkUnmatchedStayBehind) {
    CTarnell1018Doc doc;
    Factory(doc);
    const auto before = Names(doc);
    ASSERT_EQ(std::count(before.begin(), before.end(), "NDR FS SH"), 0);
    const auto reference =
        ReferenceFromNames("  zdf\r\n\nndr fs sh\nNo Such Channel\n", "names.txt");
    const auto report = doc.ApplyReferenceOrder(reference, {});
    EXPECT_EQ(report.byName, 2u);
    EXPECT_EQ(report.notInList, (std::vector<std::string>{"No Such Channel"}));
    EXPECT_EQ(report.notInReference.size(), before.size() - 2);
    const auto after = Names(doc);
    EXPECT_EQ(after[0], "ZDF") << "an exact name before a quality variant";
    EXPECT_EQ(after[1], "NDR FS SH HD");
    // The rest keep their relative order.
    std::vector<std::string> rest;
    for (const auto& n : before) {
        if (n != "ZDF" && n != "NDR FS SH HD") {
            rest.push_back(n);
        }
    }
    EXPECT_TRUE(std::equal(rest.begin(), rest.end(), after.begin() + 2));
    EXPECT_EQ(doc.UndoName(), "Apply a reference order");
    doc.Undo();
    EXPECT_EQ(Names(doc), before) << "one step undoes it all";
}

TEST(ReferenceOrder, AnotherSettingsFileGivesItsOrderAndFavouritesBack) {
    CTarnell1018Doc original;
    Factory(original);
    CTarnell1018Doc doc;
    doc.LoadFromBytes(original.StoreToBytes());
    doc.ApplySortTemplate();
    doc.File().MoveFavouriteList(0, 1);
    doc.File().m_channels.At(0)->SetFavouriteMask(0);
    ReferenceOrderOptions o;
    o.rebuildFavourites = true;
    const auto report = doc.ApplyReferenceOrder(ReferenceFromSettings(original.File(), 6), o);
    EXPECT_EQ(report.byIdentity, original.File().m_channels.Size());
    // The lists keep their places; their members are the reference's again.
    const auto d = CompareLists(original.File(), doc.File(), 6);
    for (const auto& item : d.items) {
        EXPECT_EQ(item.area, DiffArea::FavouriteLists) << item.name;
    }
}

TEST(ReferenceOrder, BadReferencesChangeNothing) {
    CTarnell1018Doc doc;
    Factory(doc);
    const auto before = doc.StoreToBytes();
    EXPECT_THROW(ReferenceFromNames("\n  \n", "empty.txt"), FileError);
    EXPECT_THROW(ReferenceFromNames(std::string("PK\x03\x04\0\0", 6), "x.zip"), FileError);
    try {
        doc.ApplyReferenceOrder(ReferenceFromNames("Nowhere TV\nNothing FM\n", "n.txt"), {});
        FAIL() << "no match must be refused";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("None of the 2 channels"), std::string::npos);
    }
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.StoreToBytes(), before);
}
