// The satellite, transponder and channel panes on the real main frame: values typed through the
// grid's editors land in the records as one named step each, refusals change nothing, the
// shared-LNB copy, and undo stores byte for byte what was there before.
#include "CAppPreferences.h"
#include "CChannelListModel.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CNavigationTreeModel.h"
#include "CPropertiesWnd.h"
#include "CPropertyGrid.h"
#include "CPropertyPanes.h"
#include "CSatelliteWnd.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CTransponderWnd.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "SettingsFileBuilder.h"

#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class PropertyPanesTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
        panes = frame->findChild<CPropertyPanes*>();
        ASSERT_NE(panes, nullptr);
        child = Open();
        before = Bytes();
    }

    CChildFrame* Open(const test::SampleOptions& o = {}) {
        auto document = std::make_unique<CTarnell1018Doc>();
        document->LoadFromBytes(test::MakeSample(o)->Store());
        return frame->OpenAsNew(std::move(document));
    }
    std::vector<uint8_t> Bytes() const { return child->Document().File().Store(); }
    CSettingsFile& File() const { return child->Document().File(); }

    void SelectRecord(const void* record) {
        const QModelIndex node = child->Tree()->Model()->IndexOfRecord(record);
        ASSERT_TRUE(node.isValid());
        child->Tree()->SelectNode(node);
    }
    void SelectRow(int row) {
        QTableView* table = child->List()->Table();
        table->selectionModel()->setCurrentIndex(child->List()->Model()->index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }

    // Types into the row's editor and presses Enter, as a user would.
    static void Type(CPropertyGrid& grid, int id, const QString& text) {
        QTreeView* view = grid.View();
        const QModelIndex value = grid.Model().IndexOf(id);
        ASSERT_TRUE(grid.Model().IsEditable(id)) << id;
        view->setCurrentIndex(value);
        view->edit(value);
        auto* edit = qobject_cast<QLineEdit*>(view->indexWidget(value));
        ASSERT_NE(edit, nullptr) << id;
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits queued
        if (view->indexWidget(value)) {
            QTest::keyClick(view->indexWidget(value), Qt::Key_Escape); // refused
        }
    }
    static void Choose(CPropertyGrid& grid, int id, int optionValue) {
        QTreeView* view = grid.View();
        const QModelIndex value = grid.Model().IndexOf(id);
        ASSERT_TRUE(grid.Model().IsEditable(id)) << id;
        view->setCurrentIndex(value);
        view->edit(value);
        auto* combo = qobject_cast<QComboBox*>(view->indexWidget(value));
        ASSERT_NE(combo, nullptr) << id;
        combo->setCurrentIndex(combo->findData(optionValue));
        emit combo->activated(combo->currentIndex());
        QCoreApplication::processEvents();
    }
    static void Tick(CPropertyGrid& grid, int id, bool on) {
        ASSERT_TRUE(grid.Model().setData(grid.Model().IndexOf(id), on ? Qt::Checked : Qt::Unchecked,
                                         Qt::CheckStateRole));
    }
    size_t Steps() const { return child->Document().History().Steps(); }
    void UndoAll() {
        while (child->Document().CanUndo()) {
            child->Document().Undo();
        }
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
    CPropertyPanes* panes = nullptr;
    CChildFrame* child = nullptr;
    std::vector<uint8_t> before;
};

TEST_F(PropertyPanesTest, TransponderEditsRelabelTheTreeAndOutOfRangeValuesAreRefused) {
    CTransponderWnd& pane = *panes->TransponderPane();
    CPropertyGrid& grid = pane.Grid();
    CTransponderData* t = File().m_transponders.At(0);
    SelectRecord(t);
    ASSERT_EQ(pane.Transponder(), t);
    EXPECT_EQ(grid.Value(CTransponderWnd::kFrequency), 10700);
    EXPECT_FALSE(grid.Model().IsEditable(CTransponderWnd::kSatellite)) << "shown, not changed";

    // 70000 would keep only its low 16 bits; 0 would turn the slot free.
    for (const char* refused : {"70000", "0"}) {
        Type(grid, CTransponderWnd::kFrequency, QString::fromLatin1(refused));
    }
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Steps(), 0u);

    Type(grid, CTransponderWnd::kFrequency, QStringLiteral("12999"));
    Choose(grid, CTransponderWnd::kPolarisation, 1);
    EXPECT_EQ(t->GetFrequency(), 12999);
    EXPECT_EQ(t->GetPolarisation(), 1);
    EXPECT_EQ(t->GetFlagWord() & 0x60u, 0x60u) << "the other flag bits stay";
    EXPECT_EQ(Steps(), 2u);
    EXPECT_EQ(child->Document().UndoName(), "Edit transponder");
    EXPECT_TRUE(child->Document().IsModified());
    const QModelIndex node = child->Tree()->Model()->IndexOfRecord(t);
    EXPECT_TRUE(node.data().toString().startsWith(QStringLiteral("12999 H "))) << "relabelled";

    // Selecting a satellite empties the pane.
    SelectRecord(File().m_satellites.At(0));
    EXPECT_EQ(pane.Transponder(), nullptr);
    EXPECT_FALSE(grid.Value(CTransponderWnd::kFrequency).isValid());

    UndoAll();
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(child->Document().IsModified());
}

TEST_F(PropertyPanesTest, ChannelEditsLandInTheRecordAndUndoByteForByte) {
    CPropertiesWnd& pane = *panes->ChannelPane();
    CPropertyGrid& grid = pane.Grid();
    File().NewSatellite(); // one without transponders
    SelectRow(0);
    CChannelData* channel = pane.Channel();
    ASSERT_NE(channel, nullptr);
    EXPECT_TRUE(frame->Commands().Get(kCmdChannelProperties)->isEnabled());
    const uint16_t audioBits = channel->GetAudioWord() & 0x7;
    channel->SetFavouriteMask(0x4); // list 3 (set without a step, as loaded)
    before = Bytes();
    pane.Refresh();

    // PIDs above 8191, a service ID above 65535: refused, nothing written.
    Type(grid, CPropertiesWnd::kAudioPid, QStringLiteral("8192"));
    Type(grid, CPropertiesWnd::kVideoPid, QStringLiteral("9000"));
    Type(grid, CPropertiesWnd::kServiceId, QStringLiteral("65536"));
    Type(grid, CPropertiesWnd::kName, QString(100, QLatin1Char('x')));
    EXPECT_EQ(Bytes(), before);

    Type(grid, CPropertiesWnd::kAudioPid, QStringLiteral("100"));
    EXPECT_EQ(channel->GetAudioWord(), 800 + audioBits);
    Tick(grid, CPropertiesWnd::kFirstFavourite + 2, false);
    EXPECT_EQ(channel->GetFavouriteMask() & 0x4u, 0u);
    Type(grid, CPropertiesWnd::kName, QStringLiteral("Neuer Name"));
    EXPECT_EQ(File().m_channelNames.At(channel->GetNameIndex())->GetDisplayName(), "Neuer Name");
    EXPECT_TRUE(channel->GetFlagByte() & 0x20) << "the name's edited mark";
    EXPECT_EQ(child->List()->Model()->index(0, 0).data().toString(), QStringLiteral("Neuer Name"));
    Choose(grid, CPropertiesWnd::kVolume, 2);
    EXPECT_EQ((channel->GetSoundWord() >> 3) & 0x3u, 2u);
    EXPECT_EQ(Steps(), 4u);

    // A satellite without transponders leaves the channel where it is.
    const uint16_t transponder = channel->GetTransponderIndex();
    Choose(grid, CPropertiesWnd::kSatellite, static_cast<int>(File().m_satellites.Size() - 1));
    EXPECT_EQ(channel->GetTransponderIndex(), transponder);
    EXPECT_EQ(Steps(), 4u);

    UndoAll();
    EXPECT_EQ(Bytes(), before);
}

TEST_F(PropertyPanesTest, SatelliteEditsCopyASharedLnbAndKeepPositionsInRange) {
    CSatelliteWnd& pane = *panes->SatellitePane();
    CPropertyGrid& grid = pane.Grid();
    CSatelliteInfo* edited = File().m_satellites.At(0); // shares LNB record 0 with satellite 2
    CSatelliteInfo* other = File().m_satellites.At(2);
    SelectRecord(edited);
    ASSERT_EQ(pane.Satellite(), edited);
    EXPECT_EQ(grid.Value(CSatelliteWnd::kLofLow), 9750);

    Type(grid, CSatelliteWnd::kPosition, QStringLiteral("190"));
    Type(grid, CSatelliteWnd::kLofLow, QStringLiteral("99999"));
    EXPECT_EQ(Bytes(), before);

    Type(grid, CSatelliteWnd::kLofLow, QStringLiteral("9600"));
    EXPECT_NE(edited->GetLnbIndex(0), 0);
    EXPECT_EQ(File().m_lnbs.At(edited->GetLnbIndex(0))->GetLofLow(), 9600);
    EXPECT_EQ(File().m_lnbs.At(other->GetLnbIndex(0))->GetLofLow(), 9750);
    EXPECT_EQ(File().m_lnbs.At(edited->GetLnbIndex(0))->GetLofHigh(), 10600) << "copied";

    Type(grid, CSatelliteWnd::kPosition, QStringLiteral("13,0"));
    Choose(grid, CSatelliteWnd::kSide, 1);
    EXPECT_EQ(edited->GetPosition(), 3470);
    Type(grid, CSatelliteWnd::kPosition, QStringLiteral("180"));
    EXPECT_EQ(edited->GetPosition(), 1800);

    // The LNB type decides which fields apply; UNICABLE opens the single-cable group.
    struct Enabled {
        int type;
        bool single, high, diseqc, tone, unicable;
    };
    for (const Enabled& e : std::vector<Enabled>{{0, true, false, true, true, false},
                                                 {1, false, true, true, false, false},
                                                 {2, false, true, false, false, true}}) {
        Choose(grid, CSatelliteWnd::kLnbType, e.type);
        const auto& m = grid.Model();
        EXPECT_EQ(m.IsEditable(CSatelliteWnd::kSingleLof), e.single) << e.type;
        EXPECT_EQ(m.IsEditable(CSatelliteWnd::kLofHigh), e.high) << e.type;
        EXPECT_EQ(m.IsEditable(CSatelliteWnd::kDiseqc10), e.diseqc) << e.type;
        EXPECT_EQ(m.IsEditable(CSatelliteWnd::kTone), e.tone) << e.type;
        EXPECT_EQ(m.IsEditable(CSatelliteWnd::kUserBand), e.unicable) << e.type;
    }
    // Without a configuration the tuner mode cannot be set; input 2 has no record here.
    EXPECT_FALSE(grid.Model().IsEditable(CSatelliteWnd::kTunerMode));
    Choose(grid, CSatelliteWnd::kTunerInput, 1);
    EXPECT_EQ(child->TunerInput(), 1);
    EXPECT_FALSE(grid.Value(CSatelliteWnd::kLofLow).isValid());

    UndoAll();
    EXPECT_EQ(Bytes(), before);

    // With a configuration: loop-through feeds both tuners from the first input.
    test::SampleOptions withConfig;
    withConfig.configLength = 848;
    child = Open(withConfig);
    SelectRecord(File().m_satellites.At(0));
    Choose(grid, CSatelliteWnd::kTunerMode, 0);
    Choose(grid, CSatelliteWnd::kTunerInput, 1);
    Choose(grid, CSatelliteWnd::kTunerMode, 1);
    EXPECT_EQ(File().m_configuration.GetWord(CSatelliteWnd::kTunerModeOffset), 1u);
    EXPECT_EQ(child->TunerInput(), 0);
    EXPECT_FALSE(grid.Model().IsEditable(CSatelliteWnd::kTunerInput));
}

TEST_F(PropertyPanesTest, PanesFollowTheActiveWindowAndTheCommandsShowThem) {
    SelectRow(1);
    CChannelData* shown = panes->ChannelPane()->Channel();
    ASSERT_NE(shown, nullptr);
    QDockWidget* dock = frame->Panes().Pane(kPaneChannel);
    EXPECT_TRUE(dock->isHidden());
    frame->Commands().Get(kCmdChannelProperties)->trigger();
    EXPECT_FALSE(dock->isHidden());

    CChildFrame* second = Open();
    EXPECT_EQ(panes->ChannelPane()->Document(), &second->Document());
    EXPECT_EQ(panes->ChannelPane()->Channel(), nullptr);
    ASSERT_TRUE(frame->CloseDocument(*second));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(panes->ChannelPane()->Document(), &child->Document());
}

} // namespace
