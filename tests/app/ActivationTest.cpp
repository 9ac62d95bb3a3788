// Commands reach the document the user sees once the window manager has activated the window,
// after dialogs close, after tabs change and after the application lost and regained the focus.
#include "CAppPreferences.h"
#include "CChannelSucheDlg.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CDocumentWindows.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class Activation : public ::testing::Test {
protected:
    // As the program starts: the files opened first, then the window shown and activated by
    // the window manager.
    void Start(std::initializer_list<const char*> names) {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        for (const char* name : names) {
            children.push_back(
                frame->OpenDocument(sandbox.WriteFactoryList(QString::fromUtf8(name))));
            ASSERT_NE(children.back(), nullptr);
        }
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override {
        if (!frame) {
            return;
        }
        for (CChildFrame* child : frame->Children()) {
            child->Document().SetModifiedFlag(false);
        }
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The key goes where the desktop sends it: to the widget that has the focus.
    void Press(int key, Qt::KeyboardModifiers modifiers) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget has the focus";
        ASSERT_EQ(target->window(), frame.get()) << "the focus is outside the main window";
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }

    static QTabBar* Tabs(CMainFrame& frame) {
        return frame.MdiArea()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    }

    static qint64 Size(const QString& path) { return QFile(path).size(); }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
    std::vector<CChildFrame*> children;
};

} // namespace

TEST_F(Activation, KeysActOnTheShownTabAfterTheWindowWasActivated) {
    ASSERT_NO_FATAL_FAILURE(Start({"a.fdu", "b.fdu"}));
    CChildFrame* first = children[0];
    CChildFrame* second = children[1];
    EXPECT_EQ(frame->ActiveChild(), second);

    // The tab the user clicks decides, whatever QMdiArea thinks is current.
    QTabBar* tabs = Tabs(*frame);
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->ActiveChild(), first);

    // Save As on the first document only.
    const QString copy = sandbox.Path(QStringLiteral("copy.fdu"));
    dialogs.saveAsAnswers.push_back(copy);
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs.saveAsAsked, 1);
    EXPECT_GT(Size(copy), 0);
    EXPECT_EQ(QString::fromStdString(first->Document().GetPathName().string()), copy);

    // Radio switches the shown list and leaves the ribbon's document commands enabled.
    QAction* radio = frame->Commands().Get(kCmdShowRadio);
    radio->trigger();
    EXPECT_FALSE(first->ShowsTv());
    EXPECT_TRUE(second->ShowsTv());
    for (const int id : {kCmdFileSave, kCmdShowTv, kCmdShowRadio, kCmdRenumber}) {
        EXPECT_TRUE(frame->Commands().Get(id)->isEnabled()) << id;
    }

    // Undo on the second tab after a keyboard tab switch.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QCoreApplication::processEvents();
    ASSERT_EQ(frame->ActiveChild(), second);
    second->Document().RenameChannel(second->Document().File().m_channels.At(0), "Edited");
    ASSERT_TRUE(second->Document().IsModified());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(second->Document().IsModified());
}

TEST_F(Activation, CommandsKeepTheirDocumentAcrossDialogsAndFocusChanges) {
    ASSERT_NO_FATAL_FAILURE(Start({"a.fdu", "b.fdu"}));
    CChildFrame* first = children[0];
    CChildFrame* second = children[1];
    frame->Windows().Activate(*first);
    ASSERT_EQ(frame->ActiveChild(), first);

    // A modal dialog comes and goes.
    QDialog dialog(frame.get());
    QTimer::singleShot(0, &dialog, [&dialog] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.accept();
    });
    dialog.exec();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_EQ(frame->ActiveChild(), first);

    // Another window takes the focus and gives it back.
    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(frame->ActiveChild(), first);
    EXPECT_TRUE(frame->Commands().Get(kCmdFileSave)->isEnabled());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_EQ(frame->ActiveChild(), first);

    // Ctrl+S writes the shown document only.
    const QString firstPath = QString::fromStdString(first->Document().GetPathName().string());
    const QString secondPath = QString::fromStdString(second->Document().GetPathName().string());
    QFile::remove(firstPath);
    QFile::remove(secondPath);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(firstPath));
    EXPECT_FALSE(QFile::exists(secondPath));

    // Ctrl+W closes it, and the other one becomes the active document.
    Press(Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ASSERT_EQ(frame->Children().size(), 1);
    EXPECT_EQ(frame->ActiveChild(), second);
    EXPECT_TRUE(frame->Commands().Get(kCmdFileSave)->isEnabled());
}

TEST_F(Activation, WindowModesKeepTheActiveDocument) {
    ASSERT_NO_FATAL_FAILURE(Start({"a.fdu", "b.fdu"}));
    CChildFrame* first = children[0];
    CChildFrame* second = children[1];
    frame->Windows().Activate(*first);
    frame->Windows().SetViewMode(QMdiArea::SubWindowView);
    EXPECT_EQ(frame->ActiveChild(), first);
    frame->Windows().Activate(*second);
    frame->Windows().SetViewMode(QMdiArea::TabbedView);
    EXPECT_EQ(frame->ActiveChild(), second);
    EXPECT_EQ(Tabs(*frame)->currentIndex(), 1);
}

TEST_F(Activation, CtrlFBringsTheSearchForwardWithItsTextSelectedWhereverTheFocusIs) {
    ASSERT_NO_FATAL_FAILURE(Start({"a.fdu"}));
    QDockWidget* dock = frame->Panes().Pane(kPaneSearch);
    auto* search = qobject_cast<CChannelSucheDlg*>(dock->widget());
    ASSERT_NE(search, nullptr);
    search->SearchEdit()->setText(QStringLiteral("zdf"));
    for (int round = 0; round < 2; ++round) {
        // From the list, with the pane hidden and then with it shown: it comes forward.
        children[0]->List()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return children[0]->List()->hasFocus() ||
                   children[0]->List()->isAncestorOf(QApplication::focusWidget());
        }));
        Press(Qt::Key_F, Qt::ControlModifier);
        EXPECT_TRUE(dock->isVisible()) << round;
        EXPECT_TRUE(frame->Commands().Get(kCmdSearchPane)->isChecked());
        ASSERT_TRUE(QTest::qWaitFor([&] { return search->SearchEdit()->hasFocus(); })) << round;
        EXPECT_EQ(search->SearchEdit()->selectedText(), QStringLiteral("zdf"));
        EXPECT_EQ(search->Model()->rowCount(), 7);
    }
    // From inside the search the key puts it away.
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(dock->isVisible());
}
