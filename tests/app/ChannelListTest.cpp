// The channel list: what each fill lists, every column's text, numbers, sorting, styles,
// colours, the stored column layout, and the selection driving the document's current records.
#include "CAppPreferences.h"
#include "CChannelListCommands.h"
#include "CChannelListModel.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "ChannelListTexts.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "SettingsFileBuilder.h"

#include <QAbstractItemModelTester>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnell;
using ChannelList::Comparison;
namespace col = ChannelList;

namespace {

// Records the hints a document sends.
// The status text as the loaded language pack words it (none in most tests).
QString Status(int rows) {
    return QLatin1Char(' ') + CTarnell1018View::tr("%n channel(s)", nullptr, rows);
}

struct HintRecorder : IDocumentListener {
    std::vector<std::pair<int, const void*>> hints;
    void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void* object) override {
        hints.emplace_back(hint, object);
    }
};

class ChannelListTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::SampleOptions o;
        o.tvChannels = 20;
        o.radioChannels = 8;
        document.LoadFromBytes(test::MakeSample(o)->Store());
        iniPath = dir.filePath(QStringLiteral("list.ini"));
        qRegisterMetaType<CChannelData*>();
    }

    std::unique_ptr<CTarnell1018View> MakeView() {
        auto view = std::make_unique<CTarnell1018View>(
            document, [this] { return options; },
            [this] { return std::make_unique<QSettings>(iniPath, QSettings::IniFormat); });
        view->resize(900, 400);
        return view;
    }

    QSettings Settings() const { return QSettings(iniPath, QSettings::IniFormat); }

    CSettingsFile& File() { return document.File(); }
    // The sample's channel i by its service ID; the load puts the radio channels last.
    CChannelData* Channel(int i) {
        for (const auto& c : File().m_channels.Items()) {
            if (c->GetServiceId() == 100 + i) {
                return c.get();
            }
        }
        ADD_FAILURE() << "no channel " << i;
        return nullptr;
    }

    static QStringList Column(const CChannelListModel& model, int column) {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row) {
            texts.append(model.Text(row, column));
        }
        return texts;
    }

    QTemporaryDir dir;
    QString iniPath;
    CTarnell1018Doc document;
    ChannelListOptions options;
};

// In the sample, channel i has service ID 100 + i, stored number i + 1, transponder i % 12
// (frequency 10700 + 10t, symbol rate 22000 + t, satellite t % 3, provider t % 4, polarisation
// t % 2) and favourite list i % 4. Channels 2, 5, ... 23 are radio channels, all others TV.

TEST_F(ChannelListTest, EveryColumnOfACraftedChannel) {
    const CSettingsFile& file = File();
    CChannelData* c = Channel(0);
    c->SetServiceId(99);
    c->SetVideoPid(9000);
    c->SetAudioPid(0x123);
    c->SetPcrPid(7);
    c->SetServiceValue4(65535);
    c->SetFlagByte(0x80 | 0x08 | 0x10 | 0x04);
    c->Record()[35] = 0x03;
    auto text = [&](int column) { return col::CellText(file, *c, column, 17); };
    // Every column in its order, name first and provider last.
    const QStringList cells = QString::fromUtf8("Channel 0|17|TV|Sat 0|10700|V|22000|   99| 8191|"
                                                "  291|    7|65535|X|X|X|€|X|X|Provider 0")
                                  .split(QLatin1Char('|'));
    ASSERT_EQ(cells.size(), col::kColumnCount);
    for (int column = 0; column < col::kColumnCount; ++column) {
        EXPECT_EQ(text(column), cells[column]) << column;
    }

    // Each mark on its own bit; none set gives empty strings, not blanks.
    const std::pair<int, uint8_t> byte26[] = {{col::kColHd, 0x80},
                                              {col::kColScrambled, 0x08},
                                              {col::kColMark10, 0x10},
                                              {col::kColMark04, 0x04}};
    for (const auto& [column, bit] : byte26) {
        c->SetFlagByte(static_cast<uint8_t>(~bit));
        EXPECT_EQ(text(column), QString()) << column;
    }
    c->Record()[35] = 0x01;
    EXPECT_EQ(text(col::kColT1), QStringLiteral("X"));
    EXPECT_EQ(text(col::kColT2), QString());
    c->SetVideoPid(8190);
    EXPECT_EQ(text(col::kColVideoPid), QStringLiteral(" 8190"));
    EXPECT_EQ(col::CellText(file, *Channel(2), col::kColKind, 0), QStringLiteral("Radio"));
    EXPECT_EQ(col::CellText(file, *Channel(1), col::kColPolarisation, 0), QStringLiteral("H"));
}

TEST_F(ChannelListTest, NamesWithoutMarksOrFallingBackToTheServiceId) {
    CChannelData* c = Channel(0);
    document.RenameChannel(c, "<ARD> Das Erste");
    EXPECT_EQ(col::ChannelName(File(), *c), QStringLiteral("ARD Das Erste"));
    c->SetNameIndex(CChannelData::kNone);
    EXPECT_EQ(col::ChannelName(File(), *c), QStringLiteral("SVC_100 Service"));
    c->SetNameIndex(static_cast<uint16_t>(File().m_channelNames.Size()));
    EXPECT_EQ(col::ChannelName(File(), *c), QStringLiteral("SVC_100 Service"));
    document.RenameChannel(c, "");
    EXPECT_EQ(col::ChannelName(File(), *c), QStringLiteral("SVC_100 Service"));
    EXPECT_EQ(col::CompactText(7, QStringLiteral("ZDF")), QStringLiteral("   7 ZDF"));
    EXPECT_EQ(col::CompactText(12345, QStringLiteral("ZDF")), QStringLiteral("12345 ZDF"));
}

TEST_F(ChannelListTest, RightToLeftWindowsShowEachCellInItsOwnDirection) {
    auto view = MakeView();
    view->Fill({ListMode::AllChannels, 0, true});
    const QModelIndex name = view->Model()->index(0, col::kColName);
    const QString plain = view->Model()->data(name).toString();
    ASSERT_FALSE(plain.isEmpty());
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const QString isolated = view->Model()->data(name).toString();
    // Back to the direction the language packs decide.
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    // "HD+" must not turn into "+HD": the cell is isolated, its text untouched.
    EXPECT_EQ(isolated, QChar(0x2068) + plain + QChar(0x2069));
    EXPECT_EQ(view->Model()->data(name).toString(), plain);
}

TEST_F(ChannelListTest, TransponderColumnsStayEmptyWithoutAUsableTransponder) {
    CChannelData* c = Channel(0);
    const int transponderColumns[] = {col::kColSatellite, col::kColFrequency, col::kColPolarisation,
                                      col::kColSymbolRate, col::kColProvider};
    // Out of the table, and a free slot within it.
    for (const uint16_t index : {uint16_t{0xFFFF}, uint16_t{40}, uint16_t{30}}) {
        c->SetTransponderIndex(index);
        for (const int column : transponderColumns) {
            EXPECT_EQ(col::CellText(File(), *c, column, 1), QString()) << index << " " << column;
        }
        EXPECT_EQ(col::CellText(File(), *c, col::kColServiceId, 1), QStringLiteral("  100"));
    }

    c->SetTransponderIndex(0);
    CTransponderData* t = File().m_transponders.At(0);
    // A satellite index equal to the count names no satellite.
    t->SetSatelliteIndex(static_cast<uint16_t>(File().m_satellites.Size()));
    t->SetProviderIndex(static_cast<uint16_t>(File().m_providerNames.Size()));
    EXPECT_EQ(col::CellText(File(), *c, col::kColSatellite, 1), QString());
    EXPECT_EQ(col::CellText(File(), *c, col::kColProvider, 1), QString());
    EXPECT_EQ(col::CellText(File(), *c, col::kColFrequency, 1), QStringLiteral("10700"));

    const std::pair<int, const char*> letters[] = {{0, "V"}, {1, "H"}, {2, "A"},
                                                   {5, "C"}, {3, ""},  {4, ""}};
    for (const auto& [code, letter] : letters) {
        t->SetPolarisation(code);
        EXPECT_EQ(col::CellText(File(), *c, col::kColPolarisation, 1), QLatin1String(letter));
    }
}

TEST_F(ChannelListTest, EachFillListsItsChannelsInTableOrder) {
    auto rows = [this](ListFill fill, bool restrict = true) {
        std::vector<int> sids;
        for (const CChannelData* c : col::SelectChannels(File(), fill, restrict)) {
            sids.push_back(c->GetServiceId() - 100);
        }
        return sids;
    };
    EXPECT_EQ(rows({ListMode::AllChannels, 0, false}).size(), 20u);
    EXPECT_EQ(rows({ListMode::AllChannels, 1, true}),
              (std::vector<int>{2, 5, 8, 11, 14, 17, 20, 23}));
    // Satellite 1 holds transponders 1, 4, 7, 10.
    const std::vector<int> satellite1{1, 4, 7, 10, 13, 16, 19, 22, 25};
    EXPECT_EQ(rows({ListMode::Satellite, 1, true}), satellite1);
    EXPECT_EQ(rows({ListMode::Satellite, 1, false}), (std::vector<int>{}));
    EXPECT_EQ(rows({ListMode::Satellite, 1, false}, false), satellite1);
    EXPECT_EQ(rows({ListMode::Transponder, 2, true}, true), (std::vector<int>{26}));
    EXPECT_EQ(rows({ListMode::Transponder, 2, false}), (std::vector<int>{2, 14}));
    // Table order: the load put the radio channels behind the TV ones.
    EXPECT_EQ(rows({ListMode::Transponder, 2, true}, false), (std::vector<int>{26, 2, 14}));
    // Provider 3: transponders 3, 7, 11.
    EXPECT_EQ(rows({ListMode::Provider, 3, true}), (std::vector<int>{3, 7, 15, 19, 27}));
    // Favourite list 1 in radio: only radio members, whatever the restriction says.
    EXPECT_EQ(rows({ListMode::Favourite, 1, false}, false), (std::vector<int>{5, 17}));
    EXPECT_EQ(rows({ListMode::Favourite, 1, true}), (std::vector<int>{1, 9, 13, 21, 25}));
}

TEST_F(ChannelListTest, HeaderClicksSortAndEveryFillSortsAscendingAgain) {
    Channel(0)->SetServiceId(100);
    Channel(1)->SetServiceId(99);
    auto view = MakeView();
    QAbstractItemModelTester tester(view->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    view->Fill({ListMode::AllChannels, 0, true});
    const CChannelListModel& model = *view->Model();
    ASSERT_EQ(model.rowCount(), 20);
    // Sorted by number after the fill.
    EXPECT_EQ(model.Text(0, col::kColNumber), QStringLiteral("1"));
    EXPECT_EQ(model.Text(19, col::kColNumber), QStringLiteral("20"));
    EXPECT_EQ(model.SortColumn(), col::kColNumber);

    view->ClickHeader(col::kColServiceId);
    EXPECT_EQ(model.Text(0, col::kColServiceId), QStringLiteral("   99"));
    EXPECT_EQ(model.Text(1, col::kColServiceId), QStringLiteral("  100"));
    QHeaderView* header = view->Table()->horizontalHeader();
    EXPECT_EQ(header->sortIndicatorSection(), col::kColServiceId);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

    view->ClickHeader(col::kColServiceId);
    EXPECT_FALSE(model.SortAscending());
    EXPECT_EQ(model.Text(19, col::kColServiceId), QStringLiteral("   99"));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    // Another column starts ascending; so does every fill.
    view->ClickHeader(col::kColName);
    view->ClickHeader(col::kColName);
    EXPECT_EQ(model.Text(0, col::kColName), QStringLiteral("Channel 9"));
    view->Fill({ListMode::AllChannels, 0, true});
    EXPECT_TRUE(model.SortAscending());
    EXPECT_EQ(model.SortColumn(), col::kColName);
    // The name sort stays a name sort after the fill.
    EXPECT_EQ(Column(model, col::kColName).mid(0, 3),
              (QStringList{QStringLiteral("Channel 0"), QStringLiteral("Channel 1"),
                           QStringLiteral("Channel 10")}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

    // Text columns compare in capitals.
    document.RenameChannel(Channel(3), "alpha");
    view->OnUpdate(kHintChannelChanged, Channel(3));
    view->ClickHeader(col::kColProvider);
    view->ClickHeader(col::kColName);
    EXPECT_EQ(model.Text(0, col::kColName), QStringLiteral("alpha"));
}

TEST_F(ChannelListTest, PaddedAndTextKeys) {
    EXPECT_LT(col::PaddedKey(QStringLiteral("99")), col::PaddedKey(QStringLiteral("100")));
    EXPECT_LT(col::PaddedKey(QStringLiteral("   99")), col::PaddedKey(QStringLiteral("  100")));
    EXPECT_EQ(col::PaddedKey(QStringLiteral("7")).size(), 20);
    const QString longText(25, QLatin1Char('z'));
    EXPECT_EQ(col::PaddedKey(longText), longText);
    EXPECT_EQ(col::TextKey(QStringLiteral("Arte")), col::TextKey(QStringLiteral("ARTE")));

    // The numbers the sort uses order the rows as the padded texts do, empty cells included.
    Channel(0)->SetTransponderIndex(CChannelData::kNone);
    Channel(1)->SetVideoPid(9000);
    Channel(2)->SetVideoPid(8191);
    Channel(3)->SetServiceId(0);
    const auto& channels = File().m_channels.Items();
    for (const int column :
         {col::kColNumber, col::kColFrequency, col::kColSymbolRate, col::kColServiceId,
          col::kColVideoPid, col::kColAudioPid, col::kColPcrPid, col::kColValue4}) {
        for (size_t a = 0; a < channels.size(); ++a) {
            for (size_t b = 0; b < channels.size(); ++b) {
                const int na = static_cast<int>(a * 7 % 40);
                const int nb = static_cast<int>(b * 7 % 40);
                const int64_t ka = col::NumericKey(File(), *channels[a], column, na);
                const int64_t kb = col::NumericKey(File(), *channels[b], column, nb);
                const int texts = QString::compare(
                    col::PaddedKey(col::CellText(File(), *channels[a], column, na)),
                    col::PaddedKey(col::CellText(File(), *channels[b], column, nb)));
                ASSERT_EQ((ka > kb) - (ka < kb), (texts > 0) - (texts < 0))
                    << column << " " << a << " " << b;
            }
        }
    }
    EXPECT_EQ(col::NumericKey(File(), *channels[0], col::kColName, 1), -1);
    EXPECT_EQ(col::NumericKey(File(), *channels[0], col::kColHd, 1), -1);
}

TEST_F(ChannelListTest, NumberColumnFollowsStoredNumbersAndFavouriteSequence) {
    for (int i = 0; i < 28; ++i) {
        Channel(i)->SetStoredNumber(static_cast<uint16_t>(500 - i));
    }
    auto view = MakeView();
    const CChannelListModel& model = *view->Model();
    view->Fill({ListMode::AllChannels, 0, true});
    EXPECT_EQ(model.Text(0, col::kColNumber), QStringLiteral("1"));

    document.ToggleConfigOption();
    ASSERT_EQ(document.GetConfigOptionFlag(), 1u);
    view->OnUpdate(kHintRenumberChannels, nullptr);
    // Stored numbers, sorted by them.
    EXPECT_EQ(model.Text(0, col::kColNumber), QStringLiteral("473"));
    EXPECT_EQ(model.ChannelAt(0), Channel(27));

    // A favourite list in sequence shows 1, 2, 3 in row order whatever the flag says.
    view->Fill({ListMode::Favourite, 0, true});
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(Column(model, col::kColNumber),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                           QStringLiteral("4"), QStringLiteral("5")}));
    EXPECT_EQ(model.ChannelAt(0), Channel(0));

    view->SetFavouriteSequenceNumbering(false);
    EXPECT_EQ(model.Text(0, col::kColNumber), QStringLiteral("476"));
    document.ToggleConfigOption();
    view->OnUpdate(kHintRenumberChannels, nullptr);
    EXPECT_EQ(model.Text(0, col::kColNumber), QString::number(Channel(0)->GetRunningNumber()));

    // The options page's change arrives as a hint.
    options.favSeqNum = true;
    view->OnUpdate(kHintFavouriteNumbering, nullptr);
    EXPECT_TRUE(view->FavouriteSequenceNumbering());
    EXPECT_EQ(model.Text(4, col::kColNumber), QStringLiteral("5"));
}

TEST_F(ChannelListTest, ColumnsStartWithTheNumberAndKeepTheUsersLayout) {
    {
        auto view = MakeView();
        const QHeaderView* header = view->Table()->horizontalHeader();
        EXPECT_EQ(header->logicalIndex(0), col::kColNumber);
        EXPECT_EQ(header->logicalIndex(1), col::kColName);
        EXPECT_EQ(header->logicalIndex(2), col::kColKind);
        EXPECT_FALSE(Settings().contains(QStringLiteral("Header/Order/Column00")));

        // The user moves the provider to the front and widens the name.
        view->Table()->horizontalHeader()->moveSection(header->visualIndex(col::kColProvider), 0);
        view->Table()->horizontalHeader()->resizeSection(col::kColName, 222);
    }
    QSettings settings = Settings();
    EXPECT_EQ(settings.value(QStringLiteral("Header/Order/Column00")).toInt(), col::kColProvider);
    EXPECT_EQ(settings.value(QStringLiteral("Header/Width/Column00")).toInt(), 222);

    auto view = MakeView();
    const QHeaderView* header = view->Table()->horizontalHeader();
    EXPECT_EQ(header->logicalIndex(0), col::kColProvider);
    EXPECT_EQ(header->logicalIndex(1), col::kColNumber);
    EXPECT_EQ(header->logicalIndex(2), col::kColName);
    EXPECT_EQ(header->sectionSize(col::kColName), 222);

    // A damaged order keeps what it can and never loses a column.
    settings.setValue(QStringLiteral("Header/Order/Column00"), 99);
    settings.setValue(QStringLiteral("Header/Order/Column01"), col::kColName);
    settings.setValue(QStringLiteral("Header/Order/Column02"), col::kColName);
    settings.sync();
    auto damaged = MakeView();
    const QHeaderView* fixed = damaged->Table()->horizontalHeader();
    EXPECT_EQ(fixed->logicalIndex(0), col::kColName);
    std::vector<bool> seen(col::kColumnCount, false);
    for (int visual = 0; visual < col::kColumnCount; ++visual) {
        seen[static_cast<size_t>(fixed->logicalIndex(visual))] = true;
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](bool b) { return b; }));
}

TEST_F(ChannelListTest, CompactStyleNumbersTheNamesAndSortsNamesWithoutTheNumber) {
    auto view = MakeView();
    CChannelListModel& model = *view->Model();
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    document.RenameChannel(Channel(0), "Beta");
    document.RenameChannel(Channel(1), "Alpha");
    view->Fill({ListMode::AllChannels, 0, true});
    QSignalSpy styles(view.get(), &CTarnell1018View::StyleChanged);
    view->SetCompact(true);
    EXPECT_EQ(styles.count(), 1);
    EXPECT_TRUE(view->IsCompact());
    EXPECT_EQ(view->ItemView(), view->CompactList());
    EXPECT_EQ(model.Text(0, col::kColName), QStringLiteral("   1 Beta"));
    EXPECT_EQ(model.Text(1, col::kColName), QStringLiteral("   2 Alpha"));

    // A name sort compares the names alone, not the last digit of the number.
    model.SortRows(col::kColName, Comparison::Text, true);
    EXPECT_EQ(model.Text(0, col::kColName), QStringLiteral("   2 Alpha"));
    EXPECT_EQ(model.Text(1, col::kColName), QStringLiteral("   1 Beta"));
    // A number sort compares the whole number.
    model.SortRows(col::kColName, Comparison::Padded, false);
    EXPECT_EQ(model.Text(0, col::kColName).trimmed(), QStringLiteral("20 Channel 27"));
    // Renumbering sorts by number, ascending.
    view->Renumber();
    EXPECT_EQ(model.Text(0, col::kColName), QStringLiteral("   1 Beta"));

    view->SetCompactColumnWidth(180);
    EXPECT_EQ(view->CompactList()->gridSize().width(), 180);
    view->SetCompact(false);
    EXPECT_EQ(model.Text(0, col::kColName), QStringLiteral("Beta"));
    EXPECT_EQ(view->ItemView(), view->Table());
}

TEST_F(ChannelListTest, SelectionMakesTheChannelItsTransponderAndSatelliteCurrent) {
    auto view = MakeView();
    HintRecorder recorder;
    document.AddListener(&recorder);
    QSignalSpy current(view.get(), &CTarnell1018View::CurrentChannelChanged);
    view->Fill({ListMode::AllChannels, 0, true});
    // Channel 4: transponder 4, satellite 1.
    const int row = view->Model()->RowOf(Channel(4));
    view->Table()->selectRow(row);
    EXPECT_EQ(document.GetCurrentChannel(), Channel(4));
    EXPECT_EQ(document.GetCurrentTransponder(), File().m_transponders.At(4));
    EXPECT_EQ(document.GetCurrentSatellite(), File().m_satellites.At(1));
    ASSERT_FALSE(recorder.hints.empty());
    EXPECT_EQ(recorder.hints.back(),
              std::make_pair(int{kHintChannelChanged}, static_cast<const void*>(Channel(4))));
    EXPECT_EQ(current.count(), 1);

    // A refill with all channels selects the current channel again.
    view->Fill({ListMode::Satellite, 0, true});
    view->Fill({ListMode::AllChannels, 0, true});
    EXPECT_EQ(view->SelectedChannels(), std::vector<CChannelData*>{Channel(4)});

    view->Table()->clearSelection();
    EXPECT_EQ(document.GetCurrentChannel(), nullptr);
    EXPECT_EQ(current.last().at(0).value<CChannelData*>(), nullptr);

    view->SelectAll();
    EXPECT_EQ(view->SelectedRows().size(), 20u);
    EXPECT_EQ(document.GetCurrentChannel(), view->Model()->ChannelAt(0));
    document.RemoveListener(&recorder);
}

TEST_F(ChannelListTest, MarkedFavouriteListInItsColours) {
    options.favouriteTextColor = 0x112233;
    options.favouriteBackColor = 0x445566;
    options.channelTextColor = 0xABCDEF;
    auto view = MakeView();
    view->Fill({ListMode::AllChannels, 0, true});
    const CChannelListModel& model = *view->Model();
    const QModelIndex member = model.index(model.RowOf(Channel(1)), col::kColSatellite);
    const QModelIndex other = model.index(model.RowOf(Channel(0)), col::kColSatellite);
    // Unmarked rows are painted with the view's palette.
    EXPECT_EQ(view->Table()->palette().color(QPalette::Text), QColor(0xAB, 0xCD, 0xEF));
    EXPECT_FALSE(member.data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(member.data(Qt::BackgroundRole).isValid());

    view->SetMarkedFavourite(1);
    EXPECT_EQ(member.data(Qt::ForegroundRole).value<QColor>(), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(member.data(Qt::BackgroundRole).value<QColor>(), QColor(0x44, 0x55, 0x66));
    EXPECT_FALSE(other.data(Qt::ForegroundRole).isValid());
    view->SetMarkedFavourite(-1);
    EXPECT_FALSE(member.data(Qt::BackgroundRole).isValid());

    options.channelBackColor = 0x010203;
    view->ApplyColours();
    EXPECT_EQ(view->Table()->palette().color(QPalette::Base), QColor(1, 2, 3));
}

TEST_F(ChannelListTest, ContextMenuWithTheFavouriteLists) {
    auto view = MakeView();
    view->Fill({ListMode::AllChannels, 0, true});
    view->Table()->selectRow(view->Model()->RowOf(Channel(1)));
    std::unique_ptr<QMenu> menu(view->BuildContextMenu(nullptr));
    const QList<QAction*> actions = menu->actions();
    ASSERT_GT(actions.size(), 7);
    EXPECT_EQ(actions.at(2)->text(), QStringLiteral("Delete Channels"));
    EXPECT_EQ(actions.at(7)->text(), QStringLiteral("New TV Channel"));
    QMenu* favourites = menu->findChild<QMenu*>(QStringLiteral("favouritesMenu"));
    ASSERT_NE(favourites, nullptr);
    const QList<QAction*> lists = favourites->actions();
    ASSERT_EQ(lists.size(), 2 + 4);
    EXPECT_EQ(lists.at(0)->data().toInt(), kCmdRemoveFromAllFavourites);
    EXPECT_TRUE(lists.at(1)->isSeparator());
    EXPECT_EQ(lists.at(2)->text(), QStringLiteral("Fav 0"));
    EXPECT_EQ(lists.at(3)->data().toInt(), kCmdFirstFavouriteList + 1);
    EXPECT_FALSE(lists.at(2)->isChecked());
    EXPECT_TRUE(lists.at(3)->isChecked());
    // The editing commands come later: shown, disabled.
    EXPECT_FALSE(actions.at(2)->isEnabled());
    EXPECT_FALSE(lists.at(3)->isEnabled());

    // With two rows selected nothing is checked; a favourite list shows its own delete text.
    view->SelectAll();
    view->Fill({ListMode::Favourite, 1, true});
    view->SelectAll();
    std::unique_ptr<QMenu> second(view->BuildContextMenu(nullptr));
    EXPECT_EQ(second->actions().at(2)->text(), QStringLiteral("Remove from Favourite List"));
    for (QAction* list : second->findChild<QMenu*>(QStringLiteral("favouritesMenu"))->actions()) {
        EXPECT_FALSE(list->isChecked());
    }
}

TEST_F(ChannelListTest, StatusTextCountsTheRowsAndAnUnknownKindSaysSoOnce) {
    auto view = MakeView();
    QSignalSpy status(view.get(), &CTarnell1018View::StatusTextChanged);
    QSignalSpy messages(view.get(), &CTarnell1018View::MessageRequested);
    view->Fill({ListMode::AllChannels, 1, false});
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), Status(8));
    view->Fill({ListMode::Transponder, 0, true});
    EXPECT_EQ(status.last().at(0).toString(), Status(3));
    Channel(14)->SetTransponderIndex(CChannelData::kNone);
    view->Fill({ListMode::Transponder, 2, false});
    EXPECT_EQ(status.last().at(0).toString(), Status(1));

    view->Fill({ListMode::AllChannels, 2, true});
    EXPECT_EQ(view->Model()->rowCount(), 0);
    EXPECT_EQ(messages.count(), 0);
    view->Fill({ListMode::AllChannels, 7, true});
    EXPECT_EQ(view->Model()->rowCount(), 0);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.at(0).at(0).toString(),
              QStringLiteral("Hier sollten Sie eigentlich nie hinkommen..."));
}

TEST_F(ChannelListTest, HintsKeepTheRowsInStepWithTheDocument) {
    auto view = MakeView();
    struct Forward : IDocumentListener {
        CTarnell1018View* view;
        void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void* object) override {
            view->OnUpdate(hint, object);
        }
    } forward;
    forward.view = view.get();
    document.AddListener(&forward);
    const CChannelListModel& model = *view->Model();

    view->Fill({ListMode::AllChannels, 0, true});
    document.RenameChannel(Channel(0), "Umbenannt");
    EXPECT_EQ(model.Text(model.RowOf(Channel(0)), col::kColName), QStringLiteral("Umbenannt"));

    // Leaving the shown favourite list takes the row away; joining it adds one.
    view->Fill({ListMode::Favourite, 0, true});
    EXPECT_EQ(model.rowCount(), 5);
    document.SetFavourite(Channel(0), 1, false);
    EXPECT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.RowOf(Channel(0)), -1);
    document.SetFavourite(Channel(1), 1, true);
    EXPECT_EQ(model.rowCount(), 5);
    // Selecting a row tells every view, the list too; its order and numbers stay.
    view->ClickHeader(col::kColNumber);
    view->Table()->selectRow(0);
    EXPECT_EQ(document.GetCurrentChannel(), model.ChannelAt(0));
    EXPECT_FALSE(model.SortAscending());
    EXPECT_EQ(model.Text(0, col::kColNumber), QStringLiteral("5"));

    // Deleted channels and a replaced model never stay behind as rows.
    view->Fill({ListMode::AllChannels, 0, true});
    document.DeleteChannels({Channel(0)});
    EXPECT_EQ(model.rowCount(), 19);
    document.Undo();
    EXPECT_EQ(model.rowCount(), 20);
    for (int row = 0; row < model.rowCount(); ++row) {
        EXPECT_GE(File().m_channels.IndexOf(model.ChannelAt(row)), 0);
    }

    QSignalSpy clears(view.get(), &CTarnell1018View::PanesClearRequested);
    document.UpdateAllViews(kHintClearTransponderPanes);
    EXPECT_EQ(clears.count(), 1);
    view->SetShowTv(false);
    document.UpdateAllViews(kHintRefillAllChannels);
    EXPECT_EQ(model.rowCount(), 8);
    document.RemoveListener(&forward);
}

TEST_F(ChannelListTest, ModelPassesTheTesterThroughFillsSortsAndStyles) {
    CChannelListModel model;
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    model.SetRows(&File(), col::SelectChannels(File(), {ListMode::AllChannels, 0, true}, true));
    model.Renumber(false, 0);
    // The model's own texts, with their kept names, are the columns' texts.
    File().m_transponders.At(3)->SetSatelliteIndex(0xFFFF);
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < col::kColumnCount; ++column) {
            ASSERT_EQ(model.Text(row, column),
                      col::CellText(File(), *model.ChannelAt(row), column, model.NumberAt(row)))
                << row << " " << column;
        }
    }
    File().m_satellites.At(0)->SetName("Neu");
    model.InvalidateTexts();
    EXPECT_EQ(model.Text(model.RowOf(Channel(0)), col::kColSatellite), QStringLiteral("Neu"));
    for (int column = 0; column < col::kColumnCount; ++column) {
        model.sort(column, column % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    model.SetCompact(true);
    model.Renumber(true, 0);
    model.SetMarkedFavourite(2);
    const int row = model.RowOf(Channel(0));
    model.RelabelChannel(Channel(0), true, 1);
    EXPECT_EQ(model.NumberAt(row), row + 1);
    model.RelabelChannel(Channel(0), false, 1);
    EXPECT_EQ(model.NumberAt(row), 1);
    EXPECT_FALSE(model.index(0, 0).data(CChannelListModel::kChannelRole).isNull());
    EXPECT_EQ(model.ChannelAt(-1), nullptr);
    EXPECT_EQ(model.ChannelAt(20), nullptr);
    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace

namespace {

class ChannelListCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }

    QAction* Command(int id) const { return frame->Commands().Get(id); }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ChannelListCommandsTest, StylesAndTheWidthSliderFollowTheActiveWindow) {
    EXPECT_FALSE(Command(kCmdViewList)->isEnabled());
    CChildFrame* first = frame->NewDocument();
    CChannelListCommands& commands = frame->ListCommands();
    EXPECT_TRUE(Command(kCmdViewDetails)->isChecked());
    EXPECT_FALSE(Command(kCmdViewList)->isChecked());
    EXPECT_FALSE(commands.WidthSliderShown());

    Command(kCmdViewList)->trigger();
    EXPECT_TRUE(first->List()->IsCompact());
    EXPECT_TRUE(Command(kCmdViewList)->isChecked());
    ASSERT_TRUE(commands.WidthSliderShown());
    EXPECT_TRUE(commands.WidthSlider()->isVisible());
    EXPECT_EQ(commands.WidthSlider()->minimum(), 50);
    EXPECT_EQ(commands.WidthSlider()->maximum(), 250);
    EXPECT_EQ(commands.WidthPane()->text(), QStringLiteral("100%"));
    commands.WidthSlider()->setValue(160);
    EXPECT_EQ(commands.WidthPane()->text(), QStringLiteral("160%"));
    EXPECT_EQ(first->List()->CompactColumnWidth(), 160);
    // The list still shows the whole list after the style change.
    EXPECT_EQ(first->ListModel()->rowCount(), 128);

    // A window in the details style takes the slider away and keeps the width.
    CChildFrame* second = frame->NewDocument();
    EXPECT_FALSE(commands.WidthSliderShown());
    EXPECT_EQ(prefs.listWidth, 160);
    EXPECT_TRUE(Command(kCmdViewDetails)->isChecked());
    Command(kCmdToggleListDetails)->trigger();
    EXPECT_TRUE(second->List()->IsCompact());
    EXPECT_TRUE(commands.WidthSliderShown());
    EXPECT_EQ(second->List()->CompactColumnWidth(), 160);
    Command(kCmdToggleListDetails)->trigger();
    EXPECT_FALSE(second->List()->IsCompact());
    EXPECT_FALSE(commands.WidthSliderShown());

    frame->MdiArea()->setActiveSubWindow(frame->MdiArea()->subWindowList().front());
    EXPECT_TRUE(commands.WidthSliderShown());
    EXPECT_TRUE(Command(kCmdViewList)->isChecked());

    Command(kCmdEditSelectAll)->trigger();
    EXPECT_EQ(first->List()->SelectedRows().size(), 128u);
}

TEST_F(ChannelListCommandsTest, StatusPaneCountsTheRowsAfterAFill) {
    // The pane's first text, file and count, is the ribbon tests' to check.
    CChildFrame* child = frame->NewDocument();
    Command(kCmdShowRadio)->trigger();
    EXPECT_EQ(child->ListModel()->rowCount(), 197);
    EXPECT_EQ(frame->StatusPane(kPaneFileInfo)->text(), Status(197));
}

TEST_F(ChannelListCommandsTest, EnterAndDoubleClickAskForTheChannelPaneOnceItExists) {
    CChildFrame* child = frame->NewDocument();
    CTarnell1018View* view = child->List();
    QSignalSpy pane(view, &CTarnell1018View::ChannelPaneRequested);
    view->Table()->selectRow(2);
    const QRect cell = view->Table()->visualRect(view->Model()->index(2, col::kColName));
    for (const bool available : {false, true}) {
        view->SetChannelPaneAvailable(available);
        QTest::keyClick(view->Table(), Qt::Key_Return);
        // A double click is a press, a release and the double click on the same row.
        QTest::mouseClick(view->Table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->Table()->viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_EQ(pane.count(), available ? 2 : 0);
    }
}

} // namespace
