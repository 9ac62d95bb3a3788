// The channel list's editing commands on the real main frame: what each enables, the clipboard
// between windows, drops, the favourite toggle, move to position, new channel, undo.
#include "CAppPreferences.h"
#include "CChannelClipboard.h"
#include "CChannelEditCommands.h"
#include "CChannelListModel.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CNavigationTreeModel.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CVerschiebenAufPosDlg.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "SettingsFileBuilder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class ChannelEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }

    // The sample (20 TV, 8 radio channels, 4 favourite lists) in a new window.
    CChildFrame* Open(const test::SampleOptions& o = {}) {
        auto document = std::make_unique<CTarnell1018Doc>();
        document->LoadFromBytes(test::MakeSample(o)->Store());
        return frame->OpenAsNew(std::move(document));
    }

    QAction* Command(int id) const { return frame->Commands().Get(id); }
    void Trigger(int id) {
        ASSERT_TRUE(Command(id)->isEnabled()) << "command " << id;
        Command(id)->trigger();
        QCoreApplication::processEvents();
    }
    static void SelectRows(CChildFrame* child, std::initializer_list<int> rows) {
        QTableView* table = child->List()->Table();
        table->clearSelection();
        for (int row : rows) {
            table->selectionModel()->select(child->ListModel()->index(row, 0),
                                            QItemSelectionModel::Select |
                                                QItemSelectionModel::Rows);
        }
    }
    static std::vector<uint8_t> Bytes(CChildFrame* child) {
        return child->Document().File().Store();
    }
    static QModelIndex FavouriteNode(CChildFrame* child, int list) {
        auto* model = child->Tree()->Model();
        return model->index(list, 0, model->RootIndex(NodeKind::FavouritesRoot));
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ChannelEditingTest, CommandStatesFollowTheListAndTheClipboard) {
    CChildFrame* child = Open();
    QGuiApplication::clipboard()->setText(QStringLiteral("not channels"));
    QCoreApplication::processEvents();
    struct Case {
        const char* what;
        bool favourite;
        bool select;
        bool cut, copy, paste, remove;
    } cases[] = {
        {"all channels, nothing selected", false, false, false, false, false, false},
        {"all channels, a row selected", false, true, true, true, false, true},
        {"a favourite list, a row selected", true, true, false, true, false, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        child->Tree()->SelectNode(
            k.favourite ? FavouriteNode(child, 1)
                        : child->Tree()->Model()->RootIndex(NodeKind::SatellitesRoot));
        child->List()->Table()->clearSelection();
        if (k.select) {
            SelectRows(child, {0});
        }
        EXPECT_EQ(Command(kCmdEditCut)->isEnabled(), k.cut);
        EXPECT_EQ(Command(kCmdEditCopy)->isEnabled(), k.copy);
        EXPECT_EQ(Command(kCmdEditPaste)->isEnabled(), k.paste);
        EXPECT_EQ(Command(kCmdDeleteChannels)->isEnabled(), k.remove);
        EXPECT_EQ(Command(kCmdChannelProperties)->isEnabled(), k.select);
    }
    // Our own data enables Paste outside favourite lists only.
    Trigger(kCmdEditCopy);
    EXPECT_FALSE(Command(kCmdEditPaste)->isEnabled());
    child->Tree()->SelectNode(child->Tree()->Model()->RootIndex(NodeKind::SatellitesRoot));
    EXPECT_TRUE(Command(kCmdEditPaste)->isEnabled());
}

TEST_F(ChannelEditingTest, CopyAndPasteBetweenWindowsIsOneStepThatUndoesByteForByte) {
    CChildFrame* source = Open();
    SelectRows(source, {0, 1, 2});
    Trigger(kCmdEditCopy);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << "a title line and one line a row";
    EXPECT_EQ(lines[1].count(QLatin1Char('\t')), lines[0].count(QLatin1Char('\t')));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("Channel 0")));

    test::SampleOptions o;
    o.usedTransponders = 0;
    CChildFrame* target = Open(o);
    const auto before = Bytes(target);
    SelectRows(target, {5});
    CChannelData* anchor = target->List()->SelectedChannels().front();
    Trigger(kCmdEditPaste);
    EXPECT_EQ(target->Document().UndoName(), "Paste 3 channels");
    EXPECT_EQ(Command(kCmdEditUndo)->toolTip(), QStringLiteral("Undo Paste 3 channels"));
    const auto pasted = target->List()->SelectedChannels();
    ASSERT_EQ(pasted.size(), 3u);
    EXPECT_EQ(target->ListModel()->RowOf(anchor), target->ListModel()->RowOf(pasted[2]) + 1);
    EXPECT_TRUE(dialogs.messages.empty());
    Trigger(kCmdEditUndo);
    EXPECT_EQ(Bytes(target), before);
    EXPECT_EQ(Command(kCmdEditRedo)->toolTip(), QStringLiteral("Redo Paste 3 channels"));

    // Cut is the copy and one delete.
    frame->MdiArea()->setActiveSubWindow(frame->MdiArea()->subWindowList().front());
    SelectRows(source, {3, 4});
    const size_t count = source->Document().File().m_channels.Size();
    Trigger(kCmdEditCut);
    EXPECT_EQ(source->Document().File().m_channels.Size(), count - 2);
    EXPECT_EQ(source->Document().UndoName(), "Cut 2 channels");
    EXPECT_EQ(source->List()->SelectedRows(), std::vector<int>{3});
}

TEST_F(ChannelEditingTest, DamagedClipboardDataChangesNothing) {
    CChildFrame* child = Open();
    auto* data = new QMimeData;
    data->setData(CChannelClipboard::MimeType(), QByteArray("\x05\0\0\0garbage", 11));
    QGuiApplication::clipboard()->setMimeData(data);
    QCoreApplication::processEvents();
    Trigger(kCmdEditPaste);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("Falsche Daten..."));
    EXPECT_FALSE(child->Document().CanUndo());
}

TEST_F(ChannelEditingTest, DeleteInAFavouriteListRemovesTheMembershipOnly) {
    CChildFrame* child = Open();
    CTarnell1018Doc& document = child->Document();
    const size_t count = document.File().m_channels.Size();
    child->Tree()->SelectNode(FavouriteNode(child, 1));
    const int members = child->ListModel()->rowCount();
    SelectRows(child, {0});
    CChannelData* member = child->List()->SelectedChannels().front();
    QTest::keyClick(child->List()->Table(), Qt::Key_Delete);
    EXPECT_EQ(document.File().m_channels.Size(), count);
    EXPECT_FALSE(member->IsInFavourite(1));
    EXPECT_EQ(child->ListModel()->rowCount(), members - 1);

    child->Tree()->SelectNode(child->Tree()->Model()->RootIndex(NodeKind::SatellitesRoot));
    SelectRows(child, {1, 2});
    QTest::keyClick(child->List()->Table(), Qt::Key_Delete);
    EXPECT_EQ(document.File().m_channels.Size(), count - 2);
    EXPECT_EQ(document.UndoName(), "Delete 2 channels");
    EXPECT_EQ(child->List()->SelectedRows(), std::vector<int>{1});
}

TEST_F(ChannelEditingTest, FavouriteCommandTogglesASingleMemberAndAddsSeveral) {
    CChildFrame* child = Open();
    // Row 1 is channel 1, a member of list 1 only; row 0 is channel 0, of list 0.
    SelectRows(child, {1});
    CChannelData* one = child->List()->SelectedChannels().front();
    ASSERT_TRUE(one->IsInFavourite(1));
    Trigger(kCmdFirstFavouriteList + 1);
    EXPECT_FALSE(one->IsInFavourite(1));
    SelectRows(child, {0, 1});
    Trigger(kCmdFirstFavouriteList + 1);
    for (CChannelData* c : child->List()->SelectedChannels()) {
        EXPECT_TRUE(c->IsInFavourite(1));
    }
    EXPECT_EQ(child->List()->SelectedRows().size(), 2u) << "FavHoldSelection keeps them";
}

TEST_F(ChannelEditingTest, MoveToPositionAsksWithinTheShownKind) {
    CChildFrame* child = Open();
    child->List()->Table()->clearSelection();
    EXPECT_FALSE(Command(kCmdMoveToPosition)->isEnabled());
    frame->EditCommands().MoveToPosition();
    EXPECT_TRUE(dialogs.positionMaximums.empty()) << "no selection, no dialog";

    SelectRows(child, {10, 11});
    const auto moved = child->List()->SelectedChannels();
    dialogs.positionAnswers.push_back(1);
    Trigger(kCmdMoveToPosition);
    EXPECT_EQ(dialogs.positionMaximums, std::vector<int>{20});
    EXPECT_EQ(moved[0]->GetRunningNumber(), 1);
    EXPECT_EQ(moved[1]->GetRunningNumber(), 2);
    EXPECT_EQ(child->List()->SelectedChannels(), moved);

    // The dialog: 300 cannot be typed with 250 channels, and the spin stops at both ends.
    CVerschiebenAufPosDlg dialog(1, 1, 250);
    QSpinBox* spin = dialog.SpinBox();
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("300"));
    EXPECT_LE(spin->value(), 250);
    spin->setValue(250);
    spin->stepUp();
    EXPECT_EQ(dialog.Value(), 250);
    spin->setValue(1);
    spin->stepDown();
    EXPECT_EQ(dialog.Value(), 1);
}

TEST_F(ChannelEditingTest, DroppedRowsMoveWithinTheListOrJoinAFavouriteList) {
    CChildFrame* child = Open();
    CChannelListModel* model = child->ListModel();
    const size_t count = child->Document().File().m_channels.Size();
    SelectRows(child, {5, 6});
    const auto dragged = child->List()->SelectedChannels();
    std::unique_ptr<QMimeData> rows(
        model->mimeData({model->index(5, 0), model->index(5, 3), model->index(6, 0)}));
    ASSERT_TRUE(model->dropMimeData(rows.get(), Qt::CopyAction, -1, -1, model->index(0, 0)) ==
                false); // the document moves, not the model
    QCoreApplication::processEvents();
    EXPECT_EQ(dragged[0]->GetRunningNumber(), 1);
    EXPECT_EQ(dragged[1]->GetRunningNumber(), 2);
    EXPECT_EQ(child->Document().File().m_channels.Size(), count);

    // Onto favourite list 3's node.
    SelectRows(child, {0, 1});
    std::unique_ptr<QMimeData> again(model->mimeData({model->index(0, 0), model->index(1, 0)}));
    const QModelIndex node = FavouriteNode(child, 3);
    EXPECT_EQ(child->Tree()->ChannelDropList(again.get(), node), 3);
    emit child->Tree()->ChannelsDroppedOnFavourite(3);
    EXPECT_TRUE(dragged[0]->IsInFavourite(3));
    EXPECT_TRUE(dragged[1]->IsInFavourite(3));

    // Another window's rows are not taken; neither while a satellite list mixes the kinds.
    CChildFrame* other = Open();
    EXPECT_EQ(other->Tree()->ChannelDropList(again.get(), FavouriteNode(other, 3)), -1);
    EXPECT_FALSE(other->ListModel()->canDropMimeData(again.get(), Qt::CopyAction, 0, 0, {}));
    prefs.satelliteRestrictShow = 0;
    auto* satellites = child->Tree()->Model();
    child->Tree()->SelectNode(
        satellites->index(0, 0, satellites->RootIndex(NodeKind::SatellitesRoot)));
    EXPECT_FALSE(model->canDropMimeData(again.get(), Qt::CopyAction, 0, 0, {}));
}

TEST_F(ChannelEditingTest, NewChannelBehindTheRowAboveTheSelection) {
    CChildFrame* child = Open();
    SelectRows(child, {4});
    CChannelData* above = child->ListModel()->ChannelAt(3);
    Trigger(kCmdNewChannel);
    const auto selected = child->List()->SelectedChannels();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0]->GetRunningNumber(), above->GetRunningNumber() + 1);
    EXPECT_EQ(child->ListModel()->Text(child->ListModel()->RowOf(selected[0]),
                                       CChannelListModel::kColumnName),
              QStringLiteral("SVC_0 Service"));
    EXPECT_TRUE(frame->CaptionText().contains(QString::number(above->GetRunningNumber() + 1)));
    Trigger(kCmdEditUndo);
    EXPECT_EQ(child->Document().File().m_channels.Size(), 28u);
}

} // namespace
