// The channel search pane on the real main window: what it finds, how it numbers and sorts,
// and that its rows follow the document through edits, undo and window changes.
#include "CAppPreferences.h"
#include "CChannelInfo.h"
#include "CChannelSucheDlg.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace tarnell;

namespace {

class ChannelSearch : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
        pane = qobject_cast<CChannelSucheDlg*>(frame->Panes().Pane(kPaneSearch)->widget());
        ASSERT_NE(pane, nullptr);
        child = frame->NewDocument();
    }
    CTarnell1018Doc& Document() { return child->Document(); }
    QStringList Names() const {
        QStringList names;
        for (int row = 0; row < pane->Model()->rowCount(); ++row) {
            names << pane->Model()->index(row, CChannelSearchModel::kColName).data().toString();
        }
        return names;
    }
    CChannelData* Channel(const std::string& name) {
        const CSettingsFile& file = Document().File();
        for (const auto& channel : file.m_channels.Items()) {
            if (channel->GetNameIndex() < file.m_channelNames.Size() &&
                file.m_channelNames.At(channel->GetNameIndex())->GetDisplayName() == name) {
                return channel.get();
            }
        }
        return nullptr;
    }
    // Every row names a channel the document still holds.
    bool RowsAreLive() {
        std::set<const CChannelData*> live;
        for (const auto& channel : Document().File().m_channels.Items()) {
            live.insert(channel.get());
        }
        for (int row = 0; row < pane->Model()->rowCount(); ++row) {
            if (!live.count(pane->Model()->ChannelAt(row))) {
                return false;
            }
        }
        return true;
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
    CChannelSucheDlg* pane = nullptr;
    CChildFrame* child = nullptr;
};

} // namespace

TEST_F(ChannelSearch, FindsPartsOfNamesInAnyCaseAmongTheShownKind) {
    struct Case {
        QString text;
        bool tv;
        int found;
    };
    const Case cases[] = {
        {QStringLiteral("z"), true, 0},      // one character finds nothing
        {QStringLiteral("zD"), true, 7},     // ZDF, ZDFinfo, zdf_neo, zdf.kultur ...
        {QStringLiteral("zdf hd"), true, 1}, // not "ZDFinfo HD"
        {QStringLiteral("SACHSEN"), true, 1},
        {QStringLiteral("SACHSEN"), false, 3}, // the radio ones, once radio is shown
    };
    for (const auto& c : cases) {
        frame->Commands().Get(c.tv ? kCmdShowTv : kCmdShowRadio)->trigger();
        pane->SearchEdit()->setText(c.text);
        EXPECT_EQ(pane->Model()->rowCount(), c.found) << c.text.toStdString() << " " << c.tv;
        EXPECT_TRUE(pane->Status()->text().startsWith(QString::number(c.found)));
    }
    frame->Commands().Get(kCmdShowTv)->trigger();

    // A channel renamed into another script is found under its new name, in any case.
    pane->SearchEdit()->setText(QStringLiteral("сП"));
    EXPECT_EQ(pane->Model()->rowCount(), 0);
    CChannelData* zdf = Channel("ZDF");
    Document().Edit(
        "Rename",
        [zdf](CSettingsFile& file) {
            auto name = std::make_unique<CChannelInfo>();
            name->SetCodePageCode(1); // ISO 8859-5
            name->SetDisplayName("Спорт");
            file.m_channelNames.Add(std::move(name));
            zdf->SetNameIndex(static_cast<uint16_t>(file.m_channelNames.Size() - 1));
        },
        kHintChannelChanged, zdf);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("Спорт")});

    // A channel without a name record is never listed, though the list shows it by its ID.
    pane->SearchEdit()->setText(QStringLiteral("zdf"));
    ASSERT_EQ(pane->Model()->rowCount(), 6);
    Document().Edit("Lose a name",
                    [this](CSettingsFile&) { Channel("ZDF HD")->SetNameIndex(0xFFFF); });
    EXPECT_EQ(pane->Model()->rowCount(), 5);
}

TEST_F(ChannelSearch, NumbersFollowTheWindowAndRepeatedNumbersSortTheSameWayEveryTime) {
    pane->SearchEdit()->setText(QStringLiteral("zdf"));
    ASSERT_EQ(pane->Model()->rowCount(), 7);
    const CChannelData* first = pane->Model()->ChannelAt(0);
    EXPECT_EQ(pane->Model()->NumberAt(0), first->GetRunningNumber());
    frame->Commands().Get(kCmdToggleNumbering)->trigger();
    size_t position = 0;
    while (Document().File().m_channels.At(position) != first) {
        ++position;
    }
    EXPECT_EQ(pane->Model()->NumberAt(0), static_cast<int>(position) + 1) << "place in the table";

    // Stored numbers, all alike: ties keep the table order in both directions.
    Document().Edit("Same number", [](CSettingsFile& file) {
        for (const auto& channel : file.m_channels.Items()) {
            channel->SetStoredNumber(5);
        }
    });
    if (Document().GetConfigOptionFlag() != 1) {
        frame->Commands().Get(kCmdToggleConfigOption)->trigger();
    }
    const QStringList tableOrder = Names();
    EXPECT_EQ(pane->Model()->NumberAt(0), 5);
    for (const auto order : {Qt::AscendingOrder, Qt::DescendingOrder, Qt::AscendingOrder}) {
        pane->Results()->sortByColumn(CChannelSearchModel::kColNumber, order);
        EXPECT_EQ(Names(), tableOrder) << order;
    }
    pane->Results()->sortByColumn(CChannelSearchModel::kColName, Qt::AscendingOrder);
    EXPECT_EQ(Names().mid(0, 3), (QStringList{QStringLiteral("ZDF"), QStringLiteral("ZDF HD"),
                                              QStringLiteral("zdf.kultur HD")}));
    pane->SearchEdit()->setText(QStringLiteral("zdf_"));
    EXPECT_EQ(Names(), (QStringList{QStringLiteral("zdf_neo"), QStringLiteral("zdf_neo HD")}))
        << "a new search keeps the sort";
}

TEST_F(ChannelSearch, AClickSelectsInTheListAndRowsSurviveEditsUndoAndWindowChanges) {
    pane->SearchEdit()->setText(QStringLiteral("zdf"));
    // A satellite-less list: the chosen channel is not in it until the list shows the kind.
    child->List()->Fill({ListMode::Favourite, 31, true});
    const int row = Names().indexOf(QStringLiteral("ZDF HD"));
    ASSERT_GE(row, 0);
    const QRect cell = pane->Results()->visualRect(pane->Model()->index(row, 1));
    QTest::mouseClick(pane->Results()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(child->List()->SelectedChannels(), std::vector<CChannelData*>{Channel("ZDF HD")});
    EXPECT_EQ(Document().GetCurrentChannel(), Channel("ZDF HD")) << "the panes follow";

    Document().DeleteChannels({Channel("ZDF HD"), Channel("ZDF")});
    EXPECT_EQ(pane->Model()->rowCount(), 5);
    EXPECT_TRUE(RowsAreLive());
    Document().Undo();
    EXPECT_EQ(pane->Model()->rowCount(), 7);
    EXPECT_TRUE(RowsAreLive()) << "undo makes every record anew";

    // Another window: its document is searched with the same text; closing the last clears.
    CChildFrame* second = frame->NewDocument();
    EXPECT_EQ(pane->Document(), &second->Document());
    second->Document().DeleteChannels({second->Document().File().m_channels.At(0)});
    EXPECT_EQ(pane->Model()->rowCount(), 7);
    for (CChildFrame* window : frame->Children()) {
        window->Document().SetModifiedFlag(false);
        frame->CloseDocument(*window);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(pane->Document(), nullptr);
    EXPECT_EQ(pane->Model()->rowCount(), 0);
    EXPECT_TRUE(pane->SearchEdit()->text().isEmpty());
}
