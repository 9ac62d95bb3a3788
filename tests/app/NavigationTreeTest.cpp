// The navigation tree: its nodes and orders, what a selection asks the channel list to show,
// the structural commands, drag and drop, renaming, colours and the window commands around it.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CNavigationTreeModel.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "SettingsFileBuilder.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

// A tree over its own document, told about every change as the child frame would tell it.
class NavigationTree : public ::testing::Test, public IDocumentListener {
protected:
    void SetUp() override { document.AddListener(this); }
    void TearDown() override {
        tester.reset();
        document.RemoveListener(this);
    }

    void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void* object) override {
        if (tree) {
            tree->OnUpdate(hint, object);
        }
    }

    // Loads the list and builds the tree as a new window does.
    void Open(const CSettingsFile& file) { OpenBytes(const_cast<CSettingsFile&>(file).Store()); }
    // Every model change is checked against Qt's rules for item models.
    void OpenBytes(const std::vector<uint8_t>& bytes) {
        tester.reset();
        tree.reset();
        document.LoadFromBytes(bytes);
        tree = std::make_unique<CLeftView>(document);
        tree->SetOptions(options);
        tree->SetMessageSink([this](const QString& text) { messages.append(text); });
        QObject::connect(tree.get(), &CLeftView::FillRequested,
                         [this](const ListFill& fill) { fills.push_back(fill); });
        tree->OnUpdate(0, nullptr);
        tester = std::make_unique<QAbstractItemModelTester>(
            tree->Model(), QAbstractItemModelTester::FailureReportingMode::Warning);
        tree->resize(300, 600);
        tree->show();
        fills.clear();
    }
    void OpenFactory() {
        tree.reset();
        document.OnNewDocument();
        OpenBytes(document.StoreToBytes());
    }
    void OpenSample(const test::SampleOptions& o = {}) { Open(*test::MakeSample(o)); }

    CSettingsFile& File() { return document.File(); }
    CNavigationTreeModel& Model() { return *tree->Model(); }
    QModelIndex Root(NodeKind kind) { return Model().RootIndex(kind); }
    QModelIndex Child(NodeKind root, int row) { return Model().index(row, 0, Root(root)); }
    QString Text(const QModelIndex& index) { return index.data().toString(); }
    QStringList Texts(const QModelIndex& parent) {
        QStringList texts;
        for (int row = 0; row < Model().rowCount(parent); ++row) {
            texts.append(Text(Model().index(row, 0, parent)));
        }
        return texts;
    }
    void Run(CLeftView::Command command, const QModelIndex& target) {
        tree->SetCommandTarget(target);
        tree->Action(command)->trigger();
    }
    // The satellite records in the order the tree shows them.
    std::vector<const void*> ShownSatellites() {
        std::vector<const void*> shown;
        const QModelIndex root = Root(NodeKind::SatellitesRoot);
        for (int row = 0; row < Model().rowCount(root); ++row) {
            shown.push_back(Model().RecordOf(Model().index(row, 0, root)));
        }
        return shown;
    }

    test::Sandbox sandbox;
    CTarnell1018Doc document;
    TreeOptions options;
    std::unique_ptr<CLeftView> tree;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::vector<ListFill> fills;
    QStringList messages;
};

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TEST_F(NavigationTree, FactoryListShowsSatellitesTranspondersProvidersAndFavourites) {
    OpenFactory();
    const CSettingsFile& f = File();
    EXPECT_EQ(Texts({}), (QStringList{QStringLiteral("Satellites"), QStringLiteral("Providers"),
                                      QStringLiteral("Favourite lists")}));
    EXPECT_TRUE(tree->isExpanded(Root(NodeKind::SatellitesRoot)));
    EXPECT_TRUE(tree->isExpanded(Root(NodeKind::FavouritesRoot)));
    EXPECT_EQ(tree->currentIndex(), Root(NodeKind::FavouritesRoot));

    // Only named satellites with channels (their order is checked on fixed data below), each
    // holding all its used transponders, alphabetically, labelled with their provider.
    const QModelIndex satellites = Root(NodeKind::SatellitesRoot);
    ASSERT_GT(Model().rowCount(satellites), 0);
    auto alphabetical = [](const QStringList& texts) {
        return std::is_sorted(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    };
    int transponders = 0;
    for (int row = 0; row < Model().rowCount(satellites); ++row) {
        const QModelIndex satellite = Model().index(row, 0, satellites);
        const auto* record = static_cast<const CSatelliteInfo*>(Model().RecordOf(satellite));
        EXPECT_TRUE(record->HasChannels() && !record->GetDisplayName().empty());
        EXPECT_TRUE(alphabetical(Texts(satellite))) << Text(satellite).toStdString();
        transponders += Model().rowCount(satellite);
    }
    int used = 0;
    const CTransponderData* withProvider = nullptr;
    for (const auto& t : f.m_transponders.Items()) {
        if (!t->IsFree() && Model().SatelliteNode(t->GetSatelliteIndex()).isValid()) {
            ++used;
            if (!withProvider && t->GetProviderIndex() < f.m_providerNames.Size()) {
                withProvider = t.get();
            }
        }
    }
    EXPECT_EQ(transponders, used);
    ASSERT_NE(withProvider, nullptr);
    EXPECT_EQ(Text(Model().IndexOfRecord(withProvider)),
              Utf8(withProvider->GetLabel()) + QStringLiteral("   ") +
                  Utf8(f.m_providerNames.At(withProvider->GetProviderIndex())->GetDisplayName()));

    const QStringList providers = Texts(Root(NodeKind::ProvidersRoot));
    EXPECT_TRUE(alphabetical(providers));
    EXPECT_EQ(providers.size(),
              std::count_if(f.m_providerNames.Items().begin(), f.m_providerNames.Items().end(),
                            [](const auto& p) { return !p->GetDisplayName().empty(); }));
    const QStringList favourites = Texts(Root(NodeKind::FavouritesRoot));
    ASSERT_EQ(favourites.size(), 16);
    EXPECT_EQ(favourites.front(), QStringLiteral("Sport"));
    EXPECT_EQ(favourites.back(), QStringLiteral("Anwender"));
}

TEST_F(NavigationTree, SelectionTellsTheListWhatToShowAndSetsTheCurrentRecords) {
    OpenSample();
    QSignalSpy satellitePane(tree.get(), &CLeftView::SatellitePaneRequested);
    QSignalSpy numbering(tree.get(), &CLeftView::FavouriteSequenceNumberingChanged);
    const QModelIndex satellite = Child(NodeKind::SatellitesRoot, 0);
    const QModelIndex transponder = Model().index(1, 0, satellite);
    const QModelIndex provider = Child(NodeKind::ProvidersRoot, 2);
    const QModelIndex favourite = Child(NodeKind::FavouritesRoot, 3);
    const int satelliteIndex = Model().TableIndexOf(satellite);
    const int transponderIndex = Model().TableIndexOf(transponder);

    // A click, as the user makes it.
    tree->scrollTo(transponder);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(transponder).center());
    ASSERT_EQ(tree->currentIndex(), transponder);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Transponder, transponderIndex, true}));
    EXPECT_EQ(document.GetCurrentTransponder(), File().m_transponders.At(transponderIndex));
    EXPECT_EQ(
        document.GetCurrentSatellite(),
        File().m_satellites.At(File().m_transponders.At(transponderIndex)->GetSatelliteIndex()));
    EXPECT_EQ(satellitePane.count(), 1);

    tree->setCurrentIndex(satellite);
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Satellite, satelliteIndex, true}));
    EXPECT_EQ(document.GetCurrentSatellite(), File().m_satellites.At(satelliteIndex));
    EXPECT_EQ(document.GetCurrentTransponder(), nullptr);

    tree->setCurrentIndex(provider);
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Provider, Model().TableIndexOf(provider), true}));

    tree->setCurrentIndex(favourite);
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Favourite, 3, true}));
    ASSERT_EQ(numbering.count(), 1) << "a favourite list shows its sequence numbers";
    EXPECT_TRUE(numbering.back().at(0).toBool());

    tree->SetShowTv(false);
    tree->setCurrentIndex(Root(NodeKind::ProvidersRoot));
    EXPECT_EQ(fills.back(), (ListFill{ListMode::AllChannels, 1, false}));
    EXPECT_EQ(document.GetCurrentSatellite(), nullptr);

    // Hint 1507 refills from the selection; 1511 selects the satellites root first.
    fills.clear();
    document.UpdateAllViews(kHintRefillFromTree);
    EXPECT_EQ(fills, (std::vector<ListFill>{{ListMode::AllChannels, 1, false}}));
    tree->setCurrentIndex(satellite);
    document.UpdateAllViews(kHintSelectSatellitesNode);
    EXPECT_EQ(tree->currentIndex(), Root(NodeKind::SatellitesRoot));
    EXPECT_EQ(fills.back().mode, ListMode::AllChannels);
    EXPECT_EQ(document.GetCurrentSatellite(), nullptr);
}

TEST_F(NavigationTree, DraggingASatelliteMovesItWithItsTransponders) {
    test::SampleOptions o;
    o.satellites = 5;
    o.usedTransponders = 30;
    o.tvChannels = 60;
    options.satelliteOrder = 2; // stored order shows the move
    OpenSample(o);
    const QModelIndex first = Child(NodeKind::SatellitesRoot, 0);
    tree->expand(first);
    const auto* moved = static_cast<const CSatelliteInfo*>(Model().RecordOf(first));
    const int transponders = Model().rowCount(first);

    // The table move itself, transponders and sequence numbers, is the model's to test.
    ASSERT_TRUE(tree->DropOn(first, Child(NodeKind::SatellitesRoot, 3)));
    EXPECT_EQ(File().m_satellites.At(3), moved);
    const QModelIndex now = tree->currentIndex();
    EXPECT_EQ(Model().RecordOf(now), moved);
    EXPECT_EQ(now.row(), 3) << "stored order puts it where it was dropped";
    EXPECT_EQ(Model().rowCount(now), transponders);
    EXPECT_TRUE(tree->isExpanded(now)) << "the moved node keeps its children open";
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Satellite, 3, true}));
    EXPECT_TRUE(document.IsModified());

    // Targets that take no satellite: itself, its root, a transponder, a favourite list.
    document.SetModifiedFlag(false);
    const QModelIndex satellite = Child(NodeKind::SatellitesRoot, 1);
    EXPECT_FALSE(tree->DropOn(satellite, satellite));
    EXPECT_FALSE(tree->DropOn(satellite, Root(NodeKind::SatellitesRoot)));
    EXPECT_FALSE(tree->DropOn(satellite, Model().index(0, 0, satellite)));
    EXPECT_FALSE(tree->DropOn(satellite, Child(NodeKind::FavouritesRoot, 0)));
    EXPECT_FALSE(tree->DropOn(Child(NodeKind::FavouritesRoot, 0), satellite));
    EXPECT_FALSE(
        tree->DropOn(Child(NodeKind::ProvidersRoot, 0), Child(NodeKind::ProvidersRoot, 1)));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(NavigationTree, DraggingAFavouriteListMovesItsBitsAndItsMark) {
    test::SampleOptions o;
    o.favourites = 6;
    o.tvChannels = 30;
    OpenSample(o);
    CChannelData* inFirst = File().m_channels.At(0);
    CChannelData* inOthers = File().m_channels.At(1);
    inFirst->SetFavouriteMask(0b000010);
    inOthers->SetFavouriteMask(0b100100);
    QSignalSpy marked(tree.get(), &CLeftView::MarkedFavouriteChanged);
    Run(CLeftView::Command::MarkFavourite, Child(NodeKind::FavouritesRoot, 1));
    ASSERT_EQ(tree->MarkedFavourite(), 1);

    ASSERT_TRUE(
        tree->DropOn(Child(NodeKind::FavouritesRoot, 1), Child(NodeKind::FavouritesRoot, 4)));
    // Bit 1 goes to 4; bits 2, 3, 4 move down by one; 0 and 5 stay.
    EXPECT_EQ(inFirst->GetFavouriteMask(), 0b010000u);
    EXPECT_EQ(inOthers->GetFavouriteMask(), 0b100010u);
    EXPECT_EQ(
        Texts(Root(NodeKind::FavouritesRoot)),
        (QStringList{QStringLiteral("Fav 0"), QStringLiteral("Fav 2"), QStringLiteral("Fav 3"),
                     QStringLiteral("Fav 4"), QStringLiteral("Fav 1"), QStringLiteral("Fav 5")}));
    EXPECT_EQ(tree->currentIndex(), Child(NodeKind::FavouritesRoot, 4));
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Favourite, 4, true}));
    EXPECT_EQ(tree->MarkedFavourite(), 4) << "the mark stays with its list";
    EXPECT_EQ(marked.back().at(0).toInt(), 4);

    // Upwards: the list lands before its target.
    ASSERT_TRUE(
        tree->DropOn(Child(NodeKind::FavouritesRoot, 5), Child(NodeKind::FavouritesRoot, 0)));
    EXPECT_EQ(Text(Child(NodeKind::FavouritesRoot, 0)), QStringLiteral("Fav 5"));
    EXPECT_EQ(tree->MarkedFavourite(), 5);
    EXPECT_EQ(document.History().Steps(), 2u);
}

TEST_F(NavigationTree, DeletingATransponderUpdatesTheTreeAndSelectsItsNeighbour) {
    test::SampleOptions o;
    o.satellites = 2;
    o.usedTransponders = 12;
    o.providers = 12; // one provider per transponder: deleting one removes its provider
    o.tvChannels = 40;
    options.onlyActive = false; // a satellite without transponders stays in view
    OpenSample(o);
    CSettingsFile& f = File();
    const QModelIndex satellite = Child(NodeKind::SatellitesRoot, 0);
    tree->expand(satellite);
    const QModelIndex node = Model().index(2, 0, satellite);
    const auto* doomed = static_cast<const CTransponderData*>(Model().RecordOf(node));
    const auto* previous = Model().RecordOf(Model().index(1, 0, satellite));
    const QString providerName =
        Utf8(f.m_providerNames.At(doomed->GetProviderIndex())->GetDisplayName());
    const int rows = Model().rowCount(satellite);

    // How the tables close their gaps is the model's to test; here the tree follows them.
    Run(CLeftView::Command::DeleteTransponder, node);
    EXPECT_EQ(f.m_providerNames.Size(), 11u);
    EXPECT_FALSE(Texts(Root(NodeKind::ProvidersRoot)).contains(providerName));
    const QModelIndex satelliteNow = Child(NodeKind::SatellitesRoot, 0);
    EXPECT_EQ(Model().rowCount(satelliteNow), rows - 1);
    EXPECT_EQ(Model().RecordOf(tree->currentIndex()), previous);
    EXPECT_EQ(document.GetCurrentTransponder(), previous);
    EXPECT_EQ(fills.back().mode, ListMode::Transponder);
    EXPECT_TRUE(tree->isExpanded(satelliteNow));

    // The first child has no previous sibling: the next one follows; the last alone leaves its
    // satellite selected.
    const auto* next = Model().RecordOf(Model().index(1, 0, satelliteNow));
    Run(CLeftView::Command::DeleteTransponder, Model().index(0, 0, satelliteNow));
    EXPECT_EQ(Model().RecordOf(tree->currentIndex()), next);
    const QModelIndex second = Child(NodeKind::SatellitesRoot, 1);
    const int channelsBefore = static_cast<int>(f.m_channels.Size());
    Run(CLeftView::Command::DeleteSatelliteTransponders, second);
    EXPECT_EQ(Model().rowCount(Child(NodeKind::SatellitesRoot, 1)), 0);
    EXPECT_LT(static_cast<int>(f.m_channels.Size()), channelsBefore);

    // Deleting a transponder's channels keeps the transponder.
    const QModelIndex kept = Model().index(0, 0, Child(NodeKind::SatellitesRoot, 0));
    const auto* keptRecord = static_cast<const CTransponderData*>(Model().RecordOf(kept));
    Run(CLeftView::Command::DeleteTransponderChannels, kept);
    EXPECT_TRUE(
        f.ChannelsOfTransponder(static_cast<size_t>(f.m_transponders.IndexOf(keptRecord))).empty());
    EXPECT_EQ(Model().RecordOf(Model().index(0, 0, Child(NodeKind::SatellitesRoot, 0))),
              keptRecord);
}

TEST_F(NavigationTree, FilterAndOrders) {
    test::SampleOptions o;
    o.satellites = 8;
    o.usedTransponders = 16;
    auto file = test::MakeSample(o);
    const std::pair<const char*, int> satellites[] = {
        {"Hotbird", 130}, {"Astra 1", 192}, {"Thor", 3590}, {"Hispasat", 3300},
        {"Astra 2", 282}, {"Middle", 1800}, {"", 100},      {"NoLnb", 50}};
    for (size_t i = 0; i < 8; ++i) {
        CSatelliteInfo* s = file->m_satellites.At(i);
        s->SetName(satellites[i].first);
        s->SetPosition(static_cast<uint16_t>(satellites[i].second));
        s->SetLnbIndex(0, 0);
    }
    file->m_satellites.At(7)->SetLnbIndex(0, 0xFE);
    file->m_satellites.At(7)->SetLnbIndex(1, 0xFF);
    options.satelliteActive = 0; // by LNB settings
    Open(*file);
    auto names = [this] { return Texts(Root(NodeKind::SatellitesRoot)); };
    const QStringList byPosition{QStringLiteral("Middle"),  QStringLiteral("Astra 2"),
                                 QStringLiteral("Astra 1"), QStringLiteral("Hotbird"),
                                 QStringLiteral("Thor"),    QStringLiteral("Hispasat")};
    EXPECT_EQ(names(), byPosition) << "no empty names, no satellite without LNB settings";
    EXPECT_EQ(Model().SatelliteNode(7), QModelIndex()) << "its transponders are gone with it";

    QSignalSpy changed(tree.get(), &CLeftView::OptionsChanged);
    tree->Action(CLeftView::Command::SatelliteOrderName)->trigger();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Astra 1"), QStringLiteral("Astra 2"),
                                    QStringLiteral("Hispasat"), QStringLiteral("Hotbird"),
                                    QStringLiteral("Middle"), QStringLiteral("Thor")}));
    tree->Action(CLeftView::Command::SatelliteOrderStored)->trigger();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Hotbird"), QStringLiteral("Astra 1"),
                                    QStringLiteral("Thor"), QStringLiteral("Hispasat"),
                                    QStringLiteral("Astra 2"), QStringLiteral("Middle")}));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(tree->Options().satelliteOrder, 2);
    EXPECT_TRUE(tree->Action(CLeftView::Command::SatelliteOrderStored)->isChecked());

    // Only satellites with channels: a satellite whose transponders carry none drops out.
    for (const auto& c : File().m_channels.Items()) {
        const uint16_t t = c->GetTransponderIndex();
        if (File().m_transponders.At(t)->GetSatelliteIndex() == 0) {
            c->SetTransponderIndex(1);
        }
    }
    File().UpdateHasChannels();
    tree->Action(CLeftView::Command::FilterByChannels)->trigger();
    EXPECT_EQ(tree->Options().satelliteActive, 1);
    EXPECT_FALSE(names().contains(QStringLiteral("Hotbird")));
    EXPECT_TRUE(names().contains(QStringLiteral("NoLnb")));
    options = tree->Options();
    options.onlyActive = false;
    tree->SetOptions(options);
    document.UpdateAllViews(kHintRebuildTree);
    EXPECT_EQ(names().size(), 7) << "every named satellite";

    // Providers: a rebuild sorts by name; the commands by name or by number.
    auto providers = [this] { return Root(NodeKind::ProvidersRoot); };
    File().m_providerNames.At(0)->SetDisplayName("zeta");
    File().m_providerNames.At(3)->SetDisplayName("Alpha");
    document.UpdateAllViews(kHintRebuildTree);
    EXPECT_EQ(Texts(providers()),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Provider 1"),
                           QStringLiteral("Provider 2"), QStringLiteral("zeta")}));
    tree->Action(CLeftView::Command::ProviderOrderNumber)->trigger();
    EXPECT_EQ(Texts(providers()),
              (QStringList{QStringLiteral("zeta"), QStringLiteral("Provider 1"),
                           QStringLiteral("Provider 2"), QStringLiteral("Alpha")}));
    EXPECT_EQ(tree->Options().providerOrder, 2);
    tree->Action(CLeftView::Command::ProviderOrderName)->trigger();
    EXPECT_EQ(Text(Model().index(0, 0, providers())), QStringLiteral("Alpha"));
    EXPECT_EQ(tree->Options().providerOrder, 0);
}

TEST_F(NavigationTree, RenamingProvidersAndFavouriteListsOnly) {
    OpenSample();
    const QModelIndex provider = Child(NodeKind::ProvidersRoot, 1);
    const int providerIndex = Model().TableIndexOf(provider);
    tree->setCurrentIndex(provider);
    ASSERT_TRUE(Model().setData(provider, QStringLiteral("Neu <HD>")));
    EXPECT_EQ(File().m_providerNames.At(providerIndex)->GetDisplayName(NameMarks::Keep),
              "Neu <HD>");
    EXPECT_EQ(Text(provider), QStringLiteral("Neu HD"));
    // Transponders name their provider anew.
    bool relabelled = false;
    for (const QString& label : Texts(Child(NodeKind::SatellitesRoot, 0))) {
        relabelled |= label.endsWith(QStringLiteral("   Neu HD"));
    }
    EXPECT_TRUE(relabelled);
    EXPECT_EQ(fills.back(), (ListFill{ListMode::Provider, providerIndex, true}))
        << "the list shows the new name";
    EXPECT_FALSE(Model().setData(provider, QStringLiteral("  "))) << "a provider keeps a name";

    const QModelIndex favourite = Child(NodeKind::FavouritesRoot, 2);
    ASSERT_TRUE(Model().setData(favourite, QStringLiteral("Kinder")));
    EXPECT_EQ(File().m_favourites.At(2)->GetName(6), "Kinder");
    EXPECT_EQ(Text(Child(NodeKind::FavouritesRoot, 2)), QStringLiteral("Kinder"));
    EXPECT_TRUE(document.IsModified());

    // The rename command opens an editor of at most 127 characters on those two kinds only.
    Run(CLeftView::Command::Rename, favourite);
    auto* editor = tree->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->maxLength(), 127);
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(tree->viewport()->findChild<QLineEdit*>(), nullptr);
    for (const QModelIndex& refused :
         {Root(NodeKind::SatellitesRoot), Child(NodeKind::SatellitesRoot, 0),
          Model().index(0, 0, Child(NodeKind::SatellitesRoot, 0)),
          Root(NodeKind::FavouritesRoot)}) {
        Run(CLeftView::Command::Rename, refused);
        EXPECT_EQ(tree->viewport()->findChild<QLineEdit*>(), nullptr);
        EXPECT_FALSE(Model().setData(refused, QStringLiteral("x")));
    }
}

TEST_F(NavigationTree, NewSatelliteAndTransponderAndTheirMessages) {
    test::SampleOptions o;
    o.satellites = 3;
    o.transponderSlots = 13;
    o.usedTransponders = 12;
    options.onlyActive = false;
    OpenSample(o);
    const QModelIndex satellite = Child(NodeKind::SatellitesRoot, 1);
    const auto* record = Model().RecordOf(satellite);

    Run(CLeftView::Command::NewTransponder, satellite);
    const QModelIndex added = tree->currentIndex();
    EXPECT_EQ(Text(added), QStringLiteral("1 H 1"));
    EXPECT_EQ(Model().RecordOf(added.parent()), record);
    EXPECT_EQ(document.GetCurrentTransponder(), Model().RecordOf(added));
    EXPECT_TRUE(messages.isEmpty());

    Run(CLeftView::Command::NewTransponder, added); // from a transponder: its satellite
    EXPECT_EQ(messages,
              QStringList{QStringLiteral("Es konnte kein neuer Transponder erzeugt werden.")});

    // A satellite node whose record left the table behind the tree's back.
    auto gone = File().m_satellites.TakeAt(File().m_satellites.IndexOf(
        static_cast<const CSatelliteInfo*>(Model().RecordOf(Child(NodeKind::SatellitesRoot, 0)))));
    Run(CLeftView::Command::NewTransponder, Child(NodeKind::SatellitesRoot, 0));
    EXPECT_EQ(messages.back(), QStringLiteral("Kein SatArrayPos"));
    File().m_satellites.Add(std::move(gone));
    document.UpdateAllViews(kHintRebuildTree);

    QSignalSpy pane(tree.get(), &CLeftView::SatellitePaneRequested);
    Run(CLeftView::Command::NewSatellite, Root(NodeKind::SatellitesRoot));
    EXPECT_EQ(File().m_satellites.Size(), 4u);
    EXPECT_EQ(Text(tree->currentIndex()), QStringLiteral("New"));
    EXPECT_EQ(document.GetCurrentSatellite(), File().m_satellites.At(3));
    ASSERT_GE(pane.count(), 1);

    // Hidden when only active satellites show, yet current and in the pane.
    options.onlyActive = true;
    tree->SetOptions(options);
    Run(CLeftView::Command::NewSatellite, Root(NodeKind::SatellitesRoot));
    EXPECT_EQ(File().m_satellites.Size(), 5u);
    EXPECT_EQ(Model().IndexOfRecord(File().m_satellites.At(4)), QModelIndex());
    EXPECT_EQ(document.GetCurrentSatellite(), File().m_satellites.At(4));
}

TEST_F(NavigationTree, FavouriteCommandsMarksAndCodePages) {
    test::SampleOptions o;
    o.favourites = 3;
    OpenSample(o);
    CSettingsFile& f = File();
    QSignalSpy marked(tree.get(), &CLeftView::MarkedFavouriteChanged);

    Run(CLeftView::Command::MarkFavourite, Child(NodeKind::FavouritesRoot, 2));
    EXPECT_TRUE(tree->Action(CLeftView::Command::ClearFavouriteMark)->isEnabled());
    // A channel selected in the list paints the lists holding it instead.
    CChannelData* channel = f.m_channels.At(0);
    channel->SetFavouriteMask(0b101);
    document.UpdateAllViews(kHintChannelChanged, channel);
    EXPECT_EQ(Child(NodeKind::FavouritesRoot, 2).data(Qt::BackgroundRole).value<QColor>(),
              CNavigationTreeModel::kHighlightBack);
    EXPECT_FALSE(Child(NodeKind::FavouritesRoot, 1).data(Qt::BackgroundRole).isValid());
    document.UpdateAllViews(kHintChannelChanged, nullptr);
    EXPECT_EQ(Child(NodeKind::FavouritesRoot, 2).data(Qt::BackgroundRole).value<QColor>(),
              QColor::fromRgb(options.favouriteBackColor));

    // Deleting a list below the marked one moves the mark with its list.
    for (auto& c : f.m_channels.Items()) {
        c->SetFavouriteMask(0b110);
    }
    Run(CLeftView::Command::DeleteFavouriteList, Child(NodeKind::FavouritesRoot, 0));
    EXPECT_EQ(Texts(Root(NodeKind::FavouritesRoot)),
              (QStringList{QStringLiteral("Fav 1"), QStringLiteral("Fav 2")}));
    EXPECT_EQ(f.m_channels.At(3)->GetFavouriteMask(), 0b11u);
    EXPECT_EQ(tree->MarkedFavourite(), 1);
    Run(CLeftView::Command::DeleteFavouriteList, Child(NodeKind::FavouritesRoot, 1));
    EXPECT_EQ(tree->MarkedFavourite(), -1) << "the marked list is gone";
    EXPECT_EQ(marked.back().at(0).toInt(), -1);
    EXPECT_FALSE(tree->Action(CLeftView::Command::ClearFavouriteMark)->isEnabled());

    // A list from a provider, up to 32 lists.
    const QModelIndex provider = Child(NodeKind::ProvidersRoot, 0);
    Run(CLeftView::Command::FavouriteListFromProvider, provider);
    EXPECT_EQ(Texts(Root(NodeKind::FavouritesRoot)).back(), Text(provider));
    while (f.m_favourites.Size() < 32) {
        f.m_favourites.AddFavouriteList("Mehr", 6);
    }
    document.UpdateAllViews(kHintRelabelFavourites);
    EXPECT_EQ(Model().rowCount(Root(NodeKind::FavouritesRoot)), 32);
    std::unique_ptr<QMenu> menu(tree->BuildContextMenu(provider, nullptr));
    EXPECT_FALSE(tree->Action(CLeftView::Command::FavouriteListFromProvider)->isEnabled());
    EXPECT_TRUE(
        menu->actions().contains(tree->Action(CLeftView::Command::FavouriteListFromProvider)));

    // The code page decodes the same bytes anew.
    f.m_favourites.At(0)->SetName("Новости", 6);
    document.UpdateAllViews(kHintRelabelFavourites);
    EXPECT_EQ(Text(Child(NodeKind::FavouritesRoot, 0)), QStringLiteral("Новости"));
    QSignalSpy changed(tree.get(), &CLeftView::OptionsChanged);
    tree->Action(CLeftView::Command::FavouriteCodepage1)->trigger();
    EXPECT_EQ(tree->Options().favCodepage, 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Text(Child(NodeKind::FavouritesRoot, 0)), Utf8(f.m_favourites.At(0)->GetName(1)));
    EXPECT_NE(Text(Child(NodeKind::FavouritesRoot, 0)), QStringLiteral("Новости"));

    QSignalSpy numbering(tree.get(), &CLeftView::FavouriteSequenceNumberingChanged);
    tree->Action(CLeftView::Command::FavouriteSequenceNumbers)->trigger();
    ASSERT_EQ(numbering.count(), 1);
    EXPECT_FALSE(numbering.back().at(0).toBool());
    EXPECT_FALSE(tree->Action(CLeftView::Command::FavouriteSequenceNumbers)->isChecked());
}

TEST_F(NavigationTree, ContextMenusFollowTheNodeKind) {
    OpenSample();
    using C = CLeftView::Command;
    const QModelIndex satellite = Child(NodeKind::SatellitesRoot, 0);
    const std::pair<QModelIndex, std::vector<C>> cases[] = {
        {Root(NodeKind::SatellitesRoot), {C::NewSatellite}},
        {satellite,
         {C::SatelliteProperties, C::NewTransponder, C::DeleteSatelliteTransponders,
          C::SatelliteOrderPosition, C::FilterByLnb}},
        {Model().index(0, 0, satellite),
         {C::TransponderProperties, C::NewTransponder, C::NewChannel, C::DeleteTransponderChannels,
          C::DeleteTransponder}},
        {Root(NodeKind::ProvidersRoot), {C::ProviderOrderNumber}},
        {Child(NodeKind::ProvidersRoot, 0), {C::FavouriteListFromProvider}},
        {Root(NodeKind::FavouritesRoot), {C::FavouriteCodepage0}},
        {Child(NodeKind::FavouritesRoot, 0),
         {C::Rename, C::MarkFavourite, C::ClearFavouriteMark, C::FavouriteSequenceNumbers,
          C::DeleteFavouriteList, C::FavouriteCodepage6}},
    };
    for (const auto& [index, commands] : cases) {
        std::unique_ptr<QMenu> menu(tree->BuildContextMenu(index, nullptr));
        QList<QAction*> shown = menu->actions();
        for (const QMenu* sub : menu->findChildren<QMenu*>()) {
            shown += sub->actions();
        }
        for (C c : commands) {
            EXPECT_TRUE(shown.contains(tree->Action(c)))
                << Text(index).toStdString() << " lacks " << static_cast<int>(c);
        }
        if (index.parent() == satellite) {
            EXPECT_TRUE(tree->Action(C::NewChannel)->isEnabled());
        }
    }
    EXPECT_EQ(tree->BuildContextMenu(QModelIndex(), nullptr), nullptr);
}

TEST_F(NavigationTree, HintsResortRelabelAndRebuild) {
    OpenSample();
    CSettingsFile& f = File();
    // A satellite edited in its pane: 1504 relabels and re-sorts.
    f.m_satellites.At(2)->SetName("Erste");
    f.m_satellites.At(2)->SetPosition(1700);
    tree->setCurrentIndex(Child(NodeKind::SatellitesRoot, 1));
    document.UpdateAllViews(kHintSatelliteEdited);
    EXPECT_EQ(Text(Child(NodeKind::SatellitesRoot, 0)), QStringLiteral("Erste"));
    EXPECT_TRUE(tree->currentIndex().isValid()) << "the selection survives the sort";

    // Undo replaces every record: the tree is built anew and the list refilled.
    tree->setCurrentIndex(Child(NodeKind::FavouritesRoot, 1));
    document.RenameFavouriteList(1, "Umbenannt", 6);
    fills.clear();
    document.Undo();
    EXPECT_EQ(Text(Child(NodeKind::FavouritesRoot, 1)), QStringLiteral("Fav 1"));
    EXPECT_EQ(tree->currentIndex(), Root(NodeKind::FavouritesRoot));
    EXPECT_EQ(fills, (std::vector<ListFill>{{ListMode::AllChannels, 0, true}}));

    // The transponder pane's edit: relabel and sort by frequency.
    const QModelIndex satellite = Child(NodeKind::SatellitesRoot, 0);
    const QModelIndex first = Model().index(0, 0, satellite);
    auto* t = f.m_transponders.At(static_cast<size_t>(Model().TableIndexOf(first)));
    document.Edit(
        "Transponder frequency", [t](CSettingsFile&) { t->SetFrequency(12999); },
        kHintTransponderEdited, t);
    const QModelIndex last = Model().index(Model().rowCount(satellite) - 1, 0, satellite);
    EXPECT_TRUE(Text(last).startsWith(QStringLiteral("12999 ")));
    EXPECT_TRUE(document.IsModified());
}

// --- the tree in its window

namespace {

class TreeInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }
    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST_F(TreeInWindow, TheListFollowsTheTreeAndTheCommandsReachTheTree) {
    CChildFrame* child = frame->NewDocument();
    CLeftView* tree = child->Tree();
    CNavigationTreeModel* model = tree->Model();
    const QModelIndex satellites = model->RootIndex(NodeKind::SatellitesRoot);
    const QModelIndex satellite = model->index(0, 0, satellites);

    tree->setCurrentIndex(satellite);
    EXPECT_EQ(child->List()->CurrentFill(),
              (ListFill{ListMode::Satellite, model->TableIndexOf(satellite), true}));
    frame->Commands().Get(kCmdShowRadio)->trigger();
    EXPECT_EQ(child->List()->CurrentFill(),
              (ListFill{ListMode::Satellite, model->TableIndexOf(satellite), false}));

    QAction* onlyActive = frame->Commands().Get(kCmdToggleSatelliteOnlyActive);
    QAction* numbers = frame->Commands().Get(kCmdToggleSatelliteShowNumber);
    EXPECT_TRUE(onlyActive->isChecked());
    const int active = model->rowCount(satellites);
    onlyActive->trigger();
    EXPECT_FALSE(onlyActive->isChecked());
    EXPECT_EQ(prefs.satelliteOnlyActive, 0);
    EXPECT_EQ(model->rowCount(model->RootIndex(NodeKind::SatellitesRoot)), 96);
    EXPECT_LT(active, 96);

    EXPECT_FALSE(numbers->isChecked());
    numbers->trigger();
    EXPECT_TRUE(numbers->isChecked());
    EXPECT_EQ(prefs.satelliteShowNumber, 1);
    const QModelIndex first = model->index(0, 0, model->RootIndex(NodeKind::SatellitesRoot));
    EXPECT_TRUE(first.data().toString().startsWith(QStringLiteral("(")));

    // The tree's options go back into the preferences.
    tree->Action(CLeftView::Command::SatelliteOrderName)->trigger();
    EXPECT_EQ(prefs.satelliteOrder, 0);
    tree->Action(CLeftView::Command::FavouriteCodepage3)->trigger();
    EXPECT_EQ(prefs.favCodepage, 3);

    // Messages go through the program's dialogs.
    auto& slotsLeft = child->Document().File().m_transponders;
    while (CTransponderData* free = slotsLeft.FindFreeTransponder()) {
        free->SetFrequency(1);
    }
    tree->SetCommandTarget(first);
    tree->Action(CLeftView::Command::NewTransponder)->trigger();
    EXPECT_EQ(dialogs.notices,
              QStringList{QStringLiteral("Es konnte kein neuer Transponder erzeugt werden.")});

    dialogs.saveAnswers.push_back(IUserDialogs::SaveChoice::Discard);
    frame->CloseDocument(*child);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(onlyActive->isEnabled());
}
