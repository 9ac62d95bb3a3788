// The main window's own commands: visual styles, docking panes, the windows dialog, help, and
// the commands acting on the active document as a whole (undo, stored numbers, text export,
// sort template, unused transponders).
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CDocumentCommands.h"
#include "CFavouriteColours.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CWindowsDialog.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QPalette>
#include <QSettings>

#include <gtest/gtest.h>

#include <cmath>

using namespace tarnell;

namespace {

class ShellCommands : public ::testing::Test {
protected:
    void SetUp() override { MakeFrame(); }

    void MakeFrame() {
        frame.reset();
        prefs = CAppPreferences{};
        prefs.Load(*OpenAppSettings());
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }

    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QAction* Command(int id) const { return frame->Commands().Get(id); }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ShellCommands, VisualStyleIsAppliedStoredAndRestoredAtTheNextStart) {
    EXPECT_TRUE(Command(210)->isChecked()) << "a first start uses the default look";
    for (int id = 210; id <= 219; ++id) {
        EXPECT_TRUE(Command(id)->isEnabled()) << id;
    }
    const QColor lightWindow = QApplication::palette().color(QPalette::Window);
    Command(217)->trigger();
    EXPECT_TRUE(Command(217)->isChecked());
    EXPECT_FALSE(Command(210)->isChecked()) << "one look at a time";
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightness(), lightWindow.lightness());

    MakeFrame();
    EXPECT_TRUE(Command(217)->isChecked());

    // A stored value nobody knows falls back to the default rather than to no look at all.
    OpenAppSettings()->setValue(QStringLiteral("Workspace/ApplicationLook"), 999);
    MakeFrame();
    EXPECT_TRUE(Command(210)->isChecked());
}

TEST_F(ShellCommands, EachPaneHasACommandThatFollowsItsVisibility) {
    const std::pair<int, int> panes[] = {{kPaneSatellite, kCmdSatellitePane},
                                         {kPaneTransponder, kCmdTransponderPane},
                                         {kPaneChannel, kCmdChannelPane},
                                         {kPaneSearch, kCmdSearchPane}};
    for (const auto& [paneId, command] : panes) {
        QDockWidget* pane = frame->Panes().Pane(paneId);
        ASSERT_NE(pane, nullptr) << paneId;
        EXPECT_EQ(pane->allowedAreas(), Qt::AllDockWidgetAreas);
        EXPECT_TRUE(pane->isHidden());
        EXPECT_FALSE(Command(command)->isChecked());

        Command(command)->trigger();
        EXPECT_FALSE(pane->isHidden()) << paneId;
        EXPECT_TRUE(Command(command)->isChecked());
        // Closed by its own button: the command must not stay checked.
        pane->close();
        QCoreApplication::processEvents();
        EXPECT_FALSE(Command(command)->isChecked()) << paneId;
    }
    EXPECT_EQ(frame->Panes().Pane(12345), nullptr);
}

TEST_F(ShellCommands, DocumentCommandsNeedADocumentAndFollowIt) {
    for (const int id :
         {kCmdEditUndo, kCmdEditRedo, kCmdToggleConfigOption, kCmdRenumber, kCmdRepairNames,
          kCmdTextExport, kCmdSortTemplate, kCmdRemoveUnusedTransponders, kCmdToggleNumbering}) {
        EXPECT_FALSE(Command(id)->isEnabled()) << id;
        Command(id)->trigger(); // nothing to act on, nothing happens
    }
    CChildFrame* child = frame->NewDocument();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(Command(kCmdToggleConfigOption)->isEnabled());
    EXPECT_FALSE(Command(kCmdEditUndo)->isEnabled()) << "a new document has nothing to undo";

    const bool stored = child->Document().GetConfigOptionFlag() != 0;
    EXPECT_EQ(Command(kCmdToggleConfigOption)->isChecked(), stored);
    Command(kCmdToggleConfigOption)->trigger();
    EXPECT_EQ(child->Document().GetConfigOptionFlag() != 0, !stored);
    EXPECT_EQ(Command(kCmdToggleConfigOption)->isChecked(), !stored);

    EXPECT_TRUE(Command(kCmdToggleNumbering)->isChecked());
    Command(kCmdToggleNumbering)->trigger();
    EXPECT_FALSE(child->Numbering());
    EXPECT_FALSE(Command(kCmdToggleNumbering)->isChecked());
}

TEST_F(ShellCommands, UndoAndRedoAnEditThroughTheRibbon) {
    CChildFrame* child = frame->NewDocument();
    auto& document = child->Document();
    const auto before = document.StoreToBytes();
    document.RenameChannel(document.File().m_channels.At(0), "Umbenannt");
    QCoreApplication::processEvents();
    ASSERT_TRUE(Command(kCmdEditUndo)->isEnabled());

    Command(kCmdEditUndo)->trigger();
    EXPECT_EQ(document.StoreToBytes(), before);
    EXPECT_TRUE(Command(kCmdEditRedo)->isEnabled());
    Command(kCmdEditRedo)->trigger();
    EXPECT_NE(document.StoreToBytes(), before);
}

TEST_F(ShellCommands, TextExportWritesTheShownKindAndReportsFailures) {
    const QString listPath = sandbox.WriteFactoryList(QStringLiteral("liste.fdu"));
    CChildFrame* child = frame->OpenDocument(listPath);
    ASSERT_NE(child, nullptr);
    const QString base = sandbox.Path(QStringLiteral("liste"));
    dialogs.exportAnswers.push_back({base, std::nullopt});
    Command(kCmdTextExport)->trigger();
    ASSERT_EQ(dialogs.exportAsked.size(), 1u);
    EXPECT_EQ(dialogs.exportAsked[0].suggestion, base + QStringLiteral(".txt"))
        << "the settings file's ending gives way to .txt";
    EXPECT_FALSE(dialogs.exportAsked[0].proposeUtf8) << "every factory name fits Windows-1252";
    QFile tv(base + QStringLiteral(".txt"));
    ASSERT_TRUE(tv.open(QIODevice::ReadOnly)) << "a name without an ending gets .txt";
    const QByteArray tvText = tv.readAll();
    EXPECT_TRUE(tvText.contains("\"BR S\xFC"
                                "d HD\""))
        << "Windows-1252 unless asked otherwise";
    EXPECT_TRUE(frame->CaptionText().contains(QStringLiteral("liste.txt")));

    child->SetShowTv(false);
    dialogs.exportAnswers.push_back({sandbox.Path(QStringLiteral("radio.txt")), std::nullopt});
    Command(kCmdTextExport)->trigger();
    QFile radio(sandbox.Path(QStringLiteral("radio.txt")));
    ASSERT_TRUE(radio.open(QIODevice::ReadOnly));
    EXPECT_NE(radio.readAll(), tvText) << "the radio export lists other channels";

    // Cancelled: nothing written, nothing said.
    Command(kCmdTextExport)->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty());

    dialogs.exportAnswers.push_back(
        {sandbox.Path(QStringLiteral("missing/folder/x.txt")), std::nullopt});
    Command(kCmdTextExport)->trigger();
    EXPECT_EQ(dialogs.errors.size(), 1) << "a failed export must not pass for a good one";
}

TEST_F(ShellCommands, TextExportProposesUtf8WhenANameNeedsIt) {
    CChildFrame* child = frame->NewDocument();
    auto& file = child->Document().File();
    CChannelInfo* name = file.m_channelNames.At(file.m_channels.At(0)->GetNameIndex());
    name->SetCodePageCode(1); // ISO 8859-5
    name->SetDisplayName("Первый канал");
    // Proposed and taken: the name as it is. Windows-1252 stays available, with "?" for it.
    for (const bool utf8 : {true, false}) {
        const QString path = sandbox.Path(utf8 ? QStringLiteral("u.txt") : QStringLiteral("a.txt"));
        dialogs.exportAnswers.push_back({path, utf8});
        Command(kCmdTextExport)->trigger();
        EXPECT_TRUE(dialogs.exportAsked.back().proposeUtf8);
        EXPECT_EQ(dialogs.exportAsked.back().suggestion,
                  QDir::home().filePath(child->Title() + QStringLiteral(".txt")));
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        EXPECT_EQ(text.contains("\"\xD0\x9F\xD0\xB5\xD1\x80"), utf8);
        EXPECT_EQ(text.contains("\"?????? ?????\""), !utf8);
        EXPECT_EQ(text.contains("\"BR S\xC3\xBC"
                                "d HD\""),
                  utf8);
    }
}

TEST_F(ShellCommands, SortTemplateAndRenumberReportInTheCaptionBar) {
    CChildFrame* child = frame->NewDocument();
    Command(kCmdSortTemplate)->trigger();
    EXPECT_FALSE(frame->CaptionText().isEmpty());
    EXPECT_TRUE(frame->CaptionBar()->isVisibleTo(frame.get()));
    frame->CaptionBar()->hide();
    Command(kCmdRenumber)->trigger();
    EXPECT_TRUE(frame->CaptionBar()->isVisibleTo(frame.get()));
    EXPECT_EQ(child->Document().File().m_channels.At(0)->GetRunningNumber(), 1);
}

TEST_F(ShellCommands, WindowsDialogActivatesAndClosesTheChosenWindows) {
    CChildFrame* first = frame->NewDocument();
    CChildFrame* second = frame->NewDocument();
    ASSERT_EQ(frame->ActiveChild(), second);

    {
        CWindowsDialog dialog(*frame);
        ASSERT_EQ(dialog.List()->count(), 2);
        EXPECT_TRUE(dialog.List()->item(1)->isSelected()) << "the active window is preselected";
        dialog.List()->clearSelection();
        dialog.List()->item(0)->setSelected(true);
        dialog.ActivateSelected();
    }
    EXPECT_EQ(frame->ActiveChild(), first);

    second->Document().SetModifiedFlag(true);
    dialogs.saveAnswers.push_back(IUserDialogs::SaveChoice::Cancel);
    {
        CWindowsDialog dialog(*frame);
        dialog.List()->selectAll();
        dialog.CloseSelected();
        EXPECT_EQ(dialogs.askedToSave.size(), 1);
    }
    Settle();
    // The saved one closed; Cancel on the unsaved one keeps it (and would stop the rest).
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(frame->Children().front(), second);
    EXPECT_FALSE(frame->CaptionText().isEmpty()) << "closing a window says so";
}

TEST_F(ShellCommands, TheFrameMayGoWhileAClosedWindowAwaitsItsDeletion) {
    // Quitting right after a close: the window's end must not reach the half-destroyed frame
    // (the sanitizers catch the call).
    frame->CloseDocument(*frame->NewDocument());
    frame.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ShellCommands, FavouriteColoursAreStoredEvenWithoutADocument) {
    frame->FavouriteColours().Choose(kCmdFavouriteTextColour, QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(prefs.favouriteTextColor, 0x112233u);
    EXPECT_EQ(OpenAppSettings()->value(QStringLiteral("Einstellungen/FavoritenTextFarbe")).toInt(),
              0x112233);

    frame->NewDocument();
    dialogs.colourAnswers.push_back(QColor(0xAB, 0xCD, 0xEF));
    Command(kCmdFavouriteBackColour)->trigger();
    EXPECT_EQ(prefs.favouriteBackColor, 0xABCDEFu);
    EXPECT_EQ(OpenAppSettings()->value(QStringLiteral("Einstellungen/FavoritenBackFarbe")).toInt(),
              0xABCDEF);
    // Cancelled: the colour stays.
    Command(kCmdFavouriteBackColour)->trigger();
    EXPECT_EQ(prefs.favouriteBackColor, 0xABCDEFu);
}

TEST_F(ShellCommands, HelpAndStyleMenusSitOnTheTabRow) {
    Command(kCmdHelp)->trigger();
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(Command(kCmdCommunityPage)->isEnabled());
    EXPECT_NE(frame->Commands().Find(kCmdStyleMenu), nullptr);
}

TEST_F(ShellCommands, EveryRibbonCommandHasADescriptionForItsTooltip) {
    for (const int id : frame->Commands().Ids()) {
        const bool look = id >= 210 && id <= 219;
        if (!look) {
            EXPECT_FALSE(Command(id)->statusTip().isEmpty()) << id;
        }
    }
}

} // namespace

TEST_F(ShellCommands, PromisedKeysAreBoundWhateverTheDesktopsKeyScheme) {
    const std::pair<int, QKeyCombination> promised[] = {
        {kCmdFileNew, Qt::CTRL | Qt::Key_N},
        {kCmdFileOpen, Qt::CTRL | Qt::Key_O},
        {kCmdFileSave, Qt::CTRL | Qt::Key_S},
        {kCmdFileSaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {kCmdFileClose, Qt::CTRL | Qt::Key_W},
        {kCmdAppExit, Qt::CTRL | Qt::Key_Q},
        {kCmdEditUndo, Qt::CTRL | Qt::Key_Z},
        {kCmdEditRedo, Qt::CTRL | Qt::Key_Y},
        {kCmdEditSelectAll, Qt::CTRL | Qt::Key_A},
        {kCmdHelp, QKeyCombination(Qt::Key_F1)},
        {kCmdContextHelp, Qt::SHIFT | Qt::Key_F1},
    };
    for (const auto& [id, key] : promised) {
        QAction* action = Command(id);
        EXPECT_TRUE(action->shortcuts().contains(QKeySequence(key))) << id;
        // Bound on the frame itself, so the key works whichever ribbon tab is shown.
        EXPECT_TRUE(frame->actions().contains(action)) << id;
    }
}

TEST_F(ShellCommands, TheListStyleMenuReachesBothStyles) {
    frame->NewDocument();
    for (const int id : {kCmdViewList, kCmdViewDetails}) {
        EXPECT_TRUE(Command(id)->isVisible() && Command(id)->isEnabled()) << id;
    }
    Command(kCmdViewList)->trigger();
    EXPECT_TRUE(frame->ActiveChild()->List()->IsCompact());
}

TEST_F(ShellCommands, SelectedRowsStandOutInEveryLook) {
    CChildFrame* child = frame->NewDocument();
    auto lightness = [](const QColor& c) {
        return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
    };
    for (int look = 210; look <= 219; ++look) {
        Command(look)->trigger();
        for (QWidget* view :
             {static_cast<QWidget*>(child->List()), static_cast<QWidget*>(child->Tree())}) {
            const QPalette& colours = view->palette();
            for (const auto group : {QPalette::Active, QPalette::Inactive}) {
                const QColor back = colours.color(group, QPalette::Base);
                const QColor selected = colours.color(group, QPalette::Highlight);
                const QColor text = colours.color(group, QPalette::HighlightedText);
                EXPECT_GE(std::abs(lightness(selected) - lightness(back)), 0.25) << look;
                EXPECT_GE(std::abs(lightness(selected) - lightness(text)), 0.4) << look;
            }
        }
    }
}
