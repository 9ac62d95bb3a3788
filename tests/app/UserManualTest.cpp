// F1 on the real main window: the manual opens at the page of what has the focus, in the
// language of the interface, also from a dialog; without a manual the short help text shows.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CMainFrame.h"
#include "CUserManual.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "HelpTopic.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class UserManual : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* page :
             {"en/index", "en/search", "en/import", "en/channels", "de/index", "de/search"}) {
            const QString path =
                folder.filePath(QStringLiteral("manual/%1.html").arg(QLatin1String(page)));
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->Manual().SetFolders({folder.path()});
        frame->Manual().SetOpener([this](const QUrl& url) {
            opened << QDir(folder.path()).relativeFilePath(url.toLocalFile());
            return true;
        });
        frame->show();
        child = frame->NewDocument();
    }
    void PressHelp() { frame->Commands().Get(kCmdHelp)->trigger(); }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    QTemporaryDir folder;
    std::unique_ptr<CMainFrame> frame;
    CChildFrame* child = nullptr;
    QStringList opened;
};

TEST_F(UserManual, OpensThePageOfWhatHasTheFocusInTheInterfaceLanguage) {
    frame->Commands().Get(kCmdSearchPane)->trigger();
    auto* search = frame->Panes().Pane(kPaneSearch)->findChild<QLineEdit*>();
    ASSERT_NE(search, nullptr);
    frame->Manual().OpenForFocus(search);
    // A page that is missing: the contents stand in for it.
    QWidget unwritten;
    SetHelpTopic(&unwritten, "printing");
    frame->Manual().OpenForFocus(&unwritten);
    frame->Manual().SetLanguage(QStringLiteral("de"));
    frame->Manual().OpenForFocus(search);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("manual/en/search.html"),
                                   QStringLiteral("manual/en/index.html"),
                                   QStringLiteral("manual/de/search.html")}));
    // The command opens the manual rather than the short text; with the focus on no page of
    // its own, at the page of the document window in front.
    frame->Manual().SetLanguage(QStringLiteral("en"));
    PressHelp();
    EXPECT_EQ(opened.back(), QStringLiteral("manual/en/channels.html"));
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(UserManual, F1InADialogOpensTheDialogsPage) {
    QDialog dialog(frame.get());
    SetHelpTopic(&dialog, "import");
    auto* edit = new QLineEdit(&dialog);
    QTimer::singleShot(0, &dialog, [&] {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F1);
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(opened, QStringList{QStringLiteral("manual/en/import.html")});
}

TEST_F(UserManual, WithoutAManualHelpShowsTheShortText) {
    frame->Manual().SetFolders({folder.filePath(QStringLiteral("nowhere"))});
    PressHelp();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.front().contains(QStringLiteral("F1")) ||
                dialogs.informations.front().contains(QStringLiteral("Ctrl")));
    frame->Commands().Get(kCmdUserManual)->trigger();
    EXPECT_EQ(dialogs.errors.size(), 1);
}

} // namespace
