// New, open, save, save as, close and quit with the save-changes question, recent files and
// dropped files, on the real main window.
#include "CAppPreferences.h"
#include "CChannelListModel.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "FileError.h"
#include "FileIo.h"
#include "GuiTestSupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QSplitter>
#include <QTableView>
#include <QUrl>

#include <gtest/gtest.h>

using namespace tarnell;
using Choice = IUserDialogs::SaveChoice;

namespace {

class FileHandling : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }

    // Closed windows go away with deferred deletion.
    static void Settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static void Edit(CChildFrame& child) {
        child.Document().RenameChannel(child.Document().File().m_channels.At(0), "Geändert");
    }

    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST_F(FileHandling, NewShowsTheFactoryListInNumberedTabsAndEditsMarkIt) {
    CChildFrame* first = frame->NewDocument();
    CChildFrame* second = frame->NewDocument();
    EXPECT_EQ(frame->MdiArea()->viewMode(), QMdiArea::TabbedView);
    ASSERT_EQ(frame->Children().size(), 2);
    EXPECT_EQ(first->Title(), QStringLiteral("Service list 1"));
    EXPECT_EQ(second->Title(), QStringLiteral("Service list 2"));
    EXPECT_FALSE(first->Document().IsModified());
    EXPECT_FALSE(second->Document().IsModified());
    EXPECT_EQ(frame->ActiveChild(), second);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Service list 2[*] - Tarnell 1018"));

    EXPECT_EQ(second->ListModel()->rowCount(), 128);
    // The tree it shows has tests of its own.
    EXPECT_EQ(second->Splitter()->widget(0), second->Tree());

    // An edit marks the window and reaches the list; undo takes both back.
    Edit(*second);
    EXPECT_TRUE(second->isWindowModified());
    EXPECT_TRUE(frame->isWindowModified());
    const auto name = [second] {
        return second->ListModel()->index(0, CChannelListModel::kColumnName).data().toString();
    };
    EXPECT_EQ(name(), QStringLiteral("Geändert"));
    second->Document().Undo();
    EXPECT_FALSE(second->isWindowModified());
    EXPECT_NE(name(), QStringLiteral("Geändert"));
}

TEST_F(FileHandling, OpenShowsTheFileAndRemembersIt) {
    const QString path = sandbox.WriteFactoryList(QStringLiteral("liste.sys"));
    CChildFrame* child = frame->OpenDocument(path);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Title(), QStringLiteral("liste.sys"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("liste.sys[*] - Tarnell 1018"));
    EXPECT_EQ(frame->StatusPane(kPaneFileInfo)->text(),
              QStringLiteral("FDU v1.2 \u2014 128 channel(s)"));
    EXPECT_EQ(frame->RecentFiles().Files().front(), path);
    EXPECT_EQ(frame->RecentFilesMenu()->actions().size(), 1);

    // Opening it again shows the window that has it.
    frame->NewDocument();
    EXPECT_EQ(frame->OpenDocument(path), child);
    EXPECT_EQ(frame->ActiveChild(), child);
    EXPECT_EQ(frame->Children().size(), 2);

    // The command asks for files; several open at once, a cancel opens nothing.
    dialogs.openAnswers.push_back({sandbox.WriteFactoryList(QStringLiteral("a.fdu")),
                                   sandbox.WriteFactoryList(QStringLiteral("b.fdu"))});
    frame->Commands().Get(kCmdFileOpen)->trigger();
    EXPECT_EQ(frame->Children().size(), 4);
    frame->Commands().Get(kCmdFileOpen)->trigger();
    EXPECT_EQ(frame->Children().size(), 4);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FileHandling, AFailedOpenShowsTheDocumentsMessage) {
    const QString path = sandbox.Path(QStringLiteral("kaputt.fdu"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2000, 'x'));
    file.close();

    std::string expected;
    try {
        CTarnell1018Doc().Open(path.toStdString());
    } catch (const std::exception& error) {
        expected = error.what();
    }
    ASSERT_FALSE(expected.empty());

    EXPECT_EQ(frame->OpenDocument(path), nullptr);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromStdString(expected)});
    EXPECT_TRUE(frame->Children().isEmpty());
    EXPECT_FALSE(frame->RecentFiles().Files().contains(path));
}

TEST_F(FileHandling, SavingANewDocumentAsksForAName) {
    CChildFrame* child = frame->NewDocument();
    Edit(*child);
    const QString path = sandbox.Path(QStringLiteral("neu.fdu"));
    dialogs.saveAsAnswers.push_back(path);
    frame->Commands().Get(kCmdFileSave)->trigger();
    EXPECT_EQ(dialogs.saveAsAsked, 1);
    EXPECT_FALSE(child->Document().IsModified());
    EXPECT_EQ(child->Title(), QStringLiteral("neu.fdu"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("neu.fdu[*] - Tarnell 1018"));
    EXPECT_EQ(frame->RecentFiles().Files().front(), path);

    CTarnell1018Doc reread;
    reread.Open(path.toStdString());
    EXPECT_EQ(Bytes(path), QByteArray(reinterpret_cast<const char*>(reread.StoreToBytes().data()),
                                      static_cast<qsizetype>(reread.StoreToBytes().size())));

    // Now it has a name: Save writes there without asking.
    Edit(*child);
    frame->Commands().Get(kCmdFileSave)->trigger();
    EXPECT_EQ(dialogs.saveAsAsked, 1);
    EXPECT_FALSE(child->Document().IsModified());
}

TEST_F(FileHandling, AFailedSaveKeepsTheChangesAndSaysWhy) {
    const QString path = sandbox.WriteFactoryList(QStringLiteral("alt.fdu"));
    const QByteArray before = Bytes(path);
    CChildFrame* child = frame->OpenDocument(path);
    ASSERT_NE(child, nullptr);
    Edit(*child);

    dialogs.saveAsAnswers.push_back(sandbox.Path(QStringLiteral("no-such-folder/x.fdu")));
    EXPECT_FALSE(frame->SaveDocumentAs(*child));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(child->Document().IsModified());
    EXPECT_EQ(child->Title(), QStringLiteral("alt.fdu"));
    EXPECT_EQ(Bytes(path), before);

    // Cancelling the dialog is no failure to report.
    EXPECT_FALSE(frame->SaveDocumentAs(*child));
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(child->Document().IsModified());
}

TEST_F(FileHandling, ClosingAsksToSaveOnlyWhenChangedAndSavesFirst) {
    CChildFrame* unchanged = frame->NewDocument();
    EXPECT_TRUE(frame->CloseDocument(*unchanged));
    EXPECT_TRUE(dialogs.askedToSave.isEmpty());
    Settle();
    EXPECT_TRUE(frame->Children().isEmpty());

    CChildFrame* child = frame->NewDocument();
    Edit(*child);
    dialogs.saveAnswers = {Choice::Cancel};
    EXPECT_FALSE(frame->CloseDocument(*child));
    EXPECT_EQ(dialogs.askedToSave, QStringList{QStringLiteral("Service list 2")});
    EXPECT_EQ(frame->Children().size(), 1);

    // Save writes first, and a save that does not happen keeps the window.
    dialogs.saveAnswers = {Choice::Save};
    dialogs.saveAsAnswers = {QString()};
    EXPECT_FALSE(frame->CloseDocument(*child));
    EXPECT_EQ(frame->Children().size(), 1);
    const QString path = sandbox.Path(QStringLiteral("beim-schliessen.fdu"));
    dialogs.saveAnswers = {Choice::Save};
    dialogs.saveAsAnswers = {path};
    EXPECT_TRUE(frame->CloseDocument(*child));
    Settle();
    EXPECT_TRUE(QFileInfo::exists(path));

    child = frame->NewDocument();
    Edit(*child);
    dialogs.saveAnswers = {Choice::Discard};
    EXPECT_TRUE(frame->CloseDocument(*child));
    Settle();
    EXPECT_TRUE(frame->Children().isEmpty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tarnell 1018"));
    EXPECT_TRUE(frame->StatusPane(kPaneFileInfo)->text().isEmpty());
}

TEST_F(FileHandling, QuittingAsksForEveryChangedDocumentAndACancelKeepsThemAll) {
    Edit(*frame->NewDocument());
    frame->NewDocument();
    Edit(*frame->NewDocument());

    dialogs.saveAnswers = {Choice::Discard, Choice::Cancel};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(dialogs.askedToSave.size(), 2);
    Settle();
    EXPECT_EQ(frame->Children().size(), 3);

    dialogs.saveAnswers = {Choice::Discard, Choice::Discard};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(dialogs.askedToSave.size(), 4);
    Settle();
    EXPECT_TRUE(frame->Children().isEmpty());
}

TEST_F(FileHandling, RecentFilesReopenAndComeBackNextTime) {
    const QString path = sandbox.WriteFactoryList(QStringLiteral("zuletzt.fdu"));
    ASSERT_NE(frame->OpenDocument(path), nullptr);
    EXPECT_TRUE(frame->CloseDocument(*frame->ActiveChild()));
    Settle();

    CMainFrame next(prefs, dialogs);
    ASSERT_EQ(next.RecentFilesMenu()->actions().size(), 1);
    QAction* entry = next.RecentFilesMenu()->actions().front();
    EXPECT_TRUE(entry->text().endsWith(path));
    entry->trigger();
    ASSERT_EQ(next.Children().size(), 1);
    EXPECT_EQ(next.Children().front()->Title(), QStringLiteral("zuletzt.fdu"));

    // A recent file that has gone is reported and leaves the list.
    QFile::remove(path);
    CMainFrame third(prefs, dialogs);
    third.RecentFilesMenu()->actions().front()->trigger();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(third.RecentFiles().Files().isEmpty());
    EXPECT_FALSE(third.RecentFilesMenu()->isEnabled());
}

TEST_F(FileHandling, DroppedFilesAreOpened) {
    const QString path = sandbox.WriteFactoryList(QStringLiteral("gezogen.fdu"));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame.get(), &drop);
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(frame->Children().front()->Title(), QStringLiteral("gezogen.fdu"));

    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/list.fdu"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(FileHandling, TheTvRadioSwitchBelongsToEachWindow) {
    struct Listener : IDocumentListener {
        std::vector<int> hints;
        void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void*) override {
            hints.push_back(hint);
        }
    };
    QAction* tv = frame->Commands().Get(kCmdShowTv);
    QAction* radio = frame->Commands().Get(kCmdShowRadio);
    EXPECT_FALSE(tv->isEnabled());

    CChildFrame* first = frame->NewDocument();
    Listener listener;
    first->Document().AddListener(&listener);
    EXPECT_TRUE(tv->isChecked());
    EXPECT_FALSE(radio->isChecked());

    radio->trigger();
    EXPECT_FALSE(first->ShowsTv());
    EXPECT_EQ(first->ListModel()->rowCount(), 197);
    EXPECT_EQ(listener.hints, std::vector<int>{kHintRefillFromTree});
    EXPECT_TRUE(radio->isChecked());
    EXPECT_FALSE(tv->isChecked());

    // A new window starts with TV, and the buttons follow the window shown.
    CChildFrame* second = frame->NewDocument();
    EXPECT_EQ(second->ListModel()->rowCount(), 128);
    EXPECT_TRUE(tv->isChecked());
    frame->MdiArea()->setActiveSubWindow(frame->MdiArea()->subWindowList().front());
    EXPECT_TRUE(radio->isChecked());
    first->Document().RemoveListener(&listener);
}

TEST_F(FileHandling, ATruncatedFileOpensOnlyAfterAWarningAndSavingItAsksFirst) {
    const QString intact = sandbox.WriteFactoryList(QStringLiteral("ganz.fdu"));
    const QString path = sandbox.Path(QStringLiteral("halb.fdu"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes(intact).left(20000));
    file.close();

    // No: nothing opens, and the file stays as it is.
    dialogs.yesNoAnswers.push_back(false);
    EXPECT_EQ(frame->OpenDocument(path), nullptr);
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains(QStringLiteral("halb.fdu")));
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains(QStringLiteral("channel names")))
        << dialogs.yesNoAsked[0].toStdString();
    EXPECT_TRUE(frame->Children().isEmpty());

    // Yes: it opens; a save asks again, and No leaves the file alone.
    dialogs.yesNoAnswers = {true, false};
    CChildFrame* child = frame->OpenDocument(path);
    ASSERT_NE(child, nullptr);
    const QByteArray before = Bytes(path);
    EXPECT_FALSE(frame->SaveDocument(*child));
    EXPECT_EQ(dialogs.yesNoAsked.size(), 3);
    EXPECT_EQ(Bytes(path), before);

    // An intact file opens without a word.
    ASSERT_NE(frame->OpenDocument(intact), nullptr);
    EXPECT_EQ(dialogs.yesNoAsked.size(), 3);
}
