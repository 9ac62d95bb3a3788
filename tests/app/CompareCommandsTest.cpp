// Compare, reference order, duplicates and the receiver's backups from the main window, on the
// factory list.
#include "CAppPreferences.h"
#include "CBackupDlg.h"
#include "CChannelInfo.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CCompareDlg.h"
#include "CMainFrame.h"
#include "CReceiverCommands.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"
#include "FileIo.h"
#include "GuiTestSupport.h"
#include "ListDifference.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class CompareCommands : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
        saved = sandbox.WriteFactoryList(QStringLiteral("saved.fdu"));
        auto document = std::make_unique<CTarnell1018Doc>();
        document->Open(saved.toStdString());
        child = frame->OpenAsNew(std::move(document));
    }
    void Trigger(int id) {
        QAction* action = frame->Commands().Get(id);
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
    }
    CTarnell1018Doc& Document() { return child->Document(); }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
    QString saved;
    CChildFrame* child = nullptr;
};

} // namespace

TEST_F(CompareCommands, CompareWithTheSavedFileShowsTheMovesAndFilters) {
    Document().ApplySortTemplate();
    dialogs.pathAnswers = {saved};
    Trigger(kCmdCompareWithFile);
    auto* dialog = frame->findChild<CCompareDlg*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Summary()->text().startsWith(QStringLiteral("Channels: ")))
        << dialog->Summary()->text().toStdString();
    EXPECT_FALSE(dialog->Summary()->text().contains(QStringLiteral("removed")));
    const int all = dialog->VisibleChanges();
    dialog->Filter()->setText(QStringLiteral("zdf"));
    EXPECT_GT(dialog->VisibleChanges(), 0);
    EXPECT_LT(dialog->VisibleChanges(), all);
    dialog->Filter()->clear();
    dialog->Group()->setCurrentIndex(1); // the channels alone
    EXPECT_EQ(dialog->VisibleChanges(), 73);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CompareCommands, ReferenceOrderBringsTheSavedOrderBackInOneStep) {
    CTarnell1018Doc original;
    original.Open(saved.toStdString());
    Document().ApplySortTemplate();
    dialogs.pathAnswers = {saved};
    dialogs.yesNoAnswers = {false}; // the favourite lists stay
    Trigger(kCmdApplyReferenceOrder);
    ASSERT_EQ(dialogs.reports.size(), 1);
    EXPECT_TRUE(dialogs.reports[0].startsWith(QStringLiteral("325 channels")))
        << dialogs.reports[0].toStdString();
    EXPECT_TRUE(CompareLists(original.File(), Document().File(), 6).Empty());
    EXPECT_EQ(Document().UndoName(), "Apply a reference order");
    // A names list that orders two channels: the user puts the others before them.
    const QString names = sandbox.Path(QStringLiteral("two.txt"));
    QFile file(names);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("arte HD\nZDF HD\n");
    file.close();
    dialogs.pathAnswers = {names};
    dialogs.yesNoAnswers = {true};
    Trigger(kCmdApplyReferenceOrder);
    const auto& table = Document().File().m_channels.Items();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 2); // the first run's favourite lists, then this
    EXPECT_TRUE(dialogs.yesNoAsked.back().contains(QString::number(table.size() - 2)));
    const auto name = [&](size_t i) {
        const CSettingsFile& f = Document().File();
        return f.m_channelNames.At(table[i]->GetNameIndex())->GetDisplayName();
    };
    EXPECT_EQ(name(table.size() - 2), "arte HD");
    EXPECT_EQ(name(table.size() - 1), "ZDF HD");
    // A reference that is no list says so and changes nothing.
    const auto before = Document().StoreToBytes();
    dialogs.pathAnswers = {sandbox.Path(QStringLiteral("missing.txt"))};
    Trigger(kCmdApplyReferenceOrder);
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(Document().StoreToBytes(), before);
}

TEST_F(CompareCommands, DuplicatesAreSelectedInTheList) {
    dialogs.informations.clear();
    Trigger(kCmdSelectDuplicates);
    EXPECT_EQ(dialogs.informations.size(), 1) << "the factory list has none";
    const CChannelData& first = *Document().File().m_channels.At(0);
    ASSERT_TRUE(first.IsTv());
    Document().File().m_channels.Add(std::make_unique<CChannelData>(first.Record(), true));
    Trigger(kCmdSelectDuplicates);
    const auto selected = child->List()->SelectedChannels();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0], Document().File().m_channels.Items().back().get());
}

TEST_F(CompareCommands, BackupOpensAsANewModifiedDocument) {
    const auto root = std::filesystem::path(sandbox.Path(QStringLiteral("backups")).toStdString());
    LinkOptions options = frame->ReceiverCommands().GetLinkOptions();
    options.backupFolder = root;
    frame->ReceiverCommands().SetLinkOptions(options);
    // Two kept lists, the older one the saved list, the newer one not a list at all.
    std::filesystem::create_directories(root / "2026-01-01_10-00-00");
    std::filesystem::copy_file(saved.toStdString(), root / "2026-01-01_10-00-00" / "_service.fdu");
    std::filesystem::create_directories(root / "2026-02-01_10-00-00");
    WriteFileAtomically(root / "2026-02-01_10-00-00" / "_service.fdu", std::vector<uint8_t>(9, 1));
    Document().ApplySortTemplate();
    int rows = 0;
    QString difference;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CBackupDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        rows = dialog->Backups()->topLevelItemCount();
        // The newest that can be read is chosen: the older one.
        difference = dialog->Backups()->topLevelItem(1)->text(2);
        EXPECT_TRUE(dialog->Backups()->topLevelItem(0)->isDisabled());
        dialog->Backups()->setCurrentItem(dialog->Backups()->topLevelItem(1));
        dialog->OpenButton()->click();
    });
    Trigger(kCmdRestoreBackup);
    EXPECT_EQ(rows, 2);
    EXPECT_TRUE(difference.startsWith(QStringLiteral("Channels: "))) << difference.toStdString();
    ASSERT_EQ(frame->Children().size(), 2);
    CTarnell1018Doc& restored = frame->ActiveChild()->Document();
    EXPECT_TRUE(restored.IsModified());
    EXPECT_TRUE(restored.GetPathName().empty());
    CTarnell1018Doc original;
    original.Open(saved.toStdString());
    EXPECT_TRUE(CompareLists(original.File(), restored.File(), 6).Empty());
}
