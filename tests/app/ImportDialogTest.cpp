// The import dialog on the real main window: its states per mode, the bouquet order that makes
// the favourite lists, and what a failed or a successful import leaves behind.
#include "CAppPreferences.h"
#include "CChannelSucheDlg.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CImportDlg.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

class ImportDialog : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
        base = sandbox.WriteFactoryList(QStringLiteral("base.fdu"));
    }
    void TearDown() override {
        if (auto* dialog = Dialog()) {
            delete dialog;
        }
    }
    void Write(const QString& name, const QByteArray& text) {
        QFile file(sandbox.Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // An Enigma2 folder: one transponder, a TV service per bouquet, 40 TV and 5 radio
    // bouquets each holding its own service.
    QString WriteEnigma2Folder() {
        QByteArray services;
        QByteArray tvTop = "#NAME User - bouquets (TV)\n";
        QByteArray radioTop = "#NAME User - bouquets (Radio)\n";
        for (int i = 0; i < 45; ++i) {
            const bool tv = i < 40;
            const QByteArray sid = QByteArray::number(0x100 + i, 16);
            const QByteArray file =
                "userbouquet.b" + QByteArray::number(i) + (tv ? ".tv" : ".radio");
            services += sid + ":00c00000:0401:0001:" + (tv ? "1" : "2") + ":0\nChannel " +
                        QByteArray::number(i) + "\np:\n";
            (tv ? tvTop : radioTop) +=
                "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"" + file + "\" ORDER BY bouquet\n";
            Write(QString::fromLatin1(file), "#NAME B" + QByteArray::number(i) +
                                                 "\n#SERVICE 1:0:" + (tv ? "1" : "2") + ":" + sid +
                                                 ":401:1:C00000:0:0:0:\n");
        }
        Write(QStringLiteral("lamedb"), "eDVB services /4/\ntransponders\n00c00000:0401:0001\n"
                                        "\ts 11494000:22000000:0:2:192:2:0:1:2:0:2\n/\nend\n"
                                        "services\n" +
                                            services + "end\n");
        Write(QStringLiteral("bouquets.tv"), tvTop);
        Write(QStringLiteral("bouquets.radio"), radioTop);
        return sandbox.Path(QString());
    }
    CImportDlg* Open(int command) {
        frame->Commands().Get(command)->trigger();
        return Dialog();
    }
    CImportDlg* Dialog() const { return frame->findChild<CImportDlg*>(); }
    static QStringList Items(QListWidget* list) {
        QStringList items;
        for (int row = 0; row < list->count(); ++row) {
            items << list->item(row)->text();
        }
        return items;
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
    QString base;
};

} // namespace

TEST_F(ImportDialog, EachModeOffersItsSourceAndStartsOnlyWithBothPaths) {
    struct Case {
        int command;
        QString title;
        bool lists;
    };
    const Case cases[] = {
        {kCmdImportEnigma2, QStringLiteral("Enigma2 -> FDU"), true},
        {kCmdImportOctagon918, QStringLiteral("Octagon 918 HD Differenze UDB -> FDU"), false},
        {kCmdImportOctagonSd, QStringLiteral("Octagon SD x18 BIN -> FDU"), false},
    };
    WriteEnigma2Folder();
    for (const auto& c : cases) {
        ASSERT_TRUE(frame->Commands().Get(c.command)->isEnabled());
        CImportDlg* dialog = Open(c.command);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), c.title);
        EXPECT_TRUE(dialog->isModal());
        for (const bool tv : {true, false}) {
            EXPECT_EQ(dialog->BouquetList(tv)->isEnabled(), c.lists) << c.title.toStdString();
        }
        EXPECT_FALSE(dialog->StartButton()->isEnabled());
        dialog->SourceEdit()->setText(sandbox.Path(QString()));
        EXPECT_FALSE(dialog->StartButton()->isEnabled()) << "no base file yet";
        dialog->TargetEdit()->setText(base);
        EXPECT_TRUE(dialog->StartButton()->isEnabled());
        dialog->SourceEdit()->clear();
        EXPECT_FALSE(dialog->StartButton()->isEnabled());
        // A folder is offered for Enigma2 only; the chosen path takes its bouquets at once.
        dialogs.pathAnswers = {sandbox.Path(QString())};
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        EXPECT_EQ(dialog->SourceEdit()->text(), sandbox.Path(QString()));
        EXPECT_EQ(dialog->BouquetList(true)->count(), c.lists ? 40 : 0);
        EXPECT_EQ(dialog->BouquetList(false)->count(), c.lists ? 5 : 0);
        delete dialog;
    }
}

TEST_F(ImportDialog, BouquetsAreReadWhenTypingPausesAndTheirOrderMakesTheLists) {
    const QString folder = WriteEnigma2Folder();
    CImportDlg* dialog = Open(kCmdImportEnigma2);
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->SourceEdit(), folder);
    EXPECT_EQ(dialog->BouquetList(true)->count(), 0) << "read on every keystroke";
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->BouquetList(true)->count() == 40; }, 3000));
    QListWidget* tv = dialog->BouquetList(true);
    EXPECT_EQ(tv->item(0)->text(), QStringLiteral("B0 (1)"));
    EXPECT_EQ(dialog->BouquetList(false)->item(0)->text(), QStringLiteral("B40 (1)"));

    // B2 goes first, B0 is left out: the lists are numbered as made, so B1 becomes list 3.
    tv->setCurrentRow(2);
    dialog->ListButton(true, 0)->click();
    dialog->ListButton(true, 0)->click();
    EXPECT_FALSE(dialog->ListButton(true, 0)->isEnabled()) << "the first cannot go higher";
    tv->setCurrentRow(1);
    dialog->ListButton(true, 2)->click();
    EXPECT_EQ(Items(tv).mid(0, 3), (QStringList{QStringLiteral("B2 (1)"), QStringLiteral("B1 (1)"),
                                                QStringLiteral("B3 (1)")}));

    CChildFrame* before = frame->ActiveChild();
    dialog->TargetEdit()->setText(base);
    dialog->StartButton()->click();
    CChildFrame* child = frame->ActiveChild();
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child, before);
    EXPECT_FALSE(dialog->isVisible());
    const CSettingsFile& file = child->Document().File();
    EXPECT_TRUE(child->Document().IsModified());
    EXPECT_TRUE(child->Document().GetPathName().empty());
    ASSERT_EQ(file.m_favourites.Size(), 32u) << "39 TV bouquets left, at most 32 lists";
    EXPECT_EQ(file.m_favourites.At(0)->GetName(6), "B2");
    EXPECT_EQ(file.m_favourites.At(1)->GetName(6), "B1");
    EXPECT_EQ(file.m_favourites.At(31)->GetName(6), "B32") << "no radio bouquet made it";
    // "Channel 1" is marked in list 2, the one its bouquet made; the left-out B0's channel in
    // none.
    for (const auto& channel : file.m_channels.Items()) {
        if (channel->GetServiceId() == 0x101) {
            EXPECT_EQ(channel->GetFavourites(), std::vector<int>{1});
        } else if (channel->GetServiceId() == 0x100) {
            EXPECT_TRUE(channel->GetFavourites().empty());
        }
    }
    ASSERT_EQ(dialogs.reports.size(), 1);
    EXPECT_TRUE(dialogs.reports[0].contains(QStringLiteral("40 TV and 5 radio channels")))
        << dialogs.reports[0].toStdString();
    // The search follows the new window.
    auto* search = qobject_cast<CChannelSucheDlg*>(frame->Panes().Pane(kPaneSearch)->widget());
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(search->Document(), &child->Document());
}

TEST_F(ImportDialog, AFailedImportLeavesNoWindowAndTheBaseUntouched) {
    QFile original(base);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    Write(QStringLiteral("broken.udb"), QByteArray(1000, 'x'));
    struct Case {
        int command;
        QString source;
    };
    const Case cases[] = {
        {kCmdImportEnigma2, sandbox.Path(QStringLiteral("nothing-here"))},
        {kCmdImportOctagon918, sandbox.Path(QStringLiteral("broken.udb"))},
        {kCmdImportOctagonSd, sandbox.Path(QStringLiteral("broken.udb"))},
    };
    for (const auto& c : cases) {
        CImportDlg* dialog = Open(c.command);
        ASSERT_NE(dialog, nullptr);
        dialog->SourceEdit()->setText(c.source);
        dialog->TargetEdit()->setText(base);
        dialog->StartButton()->click();
        EXPECT_TRUE(frame->Children().isEmpty()) << c.command;
        EXPECT_TRUE(dialog->isVisible()) << "stays open for the paths to be corrected";
        EXPECT_TRUE(dialog->StartButton()->isEnabled());
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_EQ(dialogs.messages.back().icon, QMessageBox::Critical);
        EXPECT_EQ(dialogs.messages.back().text, QStringLiteral("Please check files"));
        EXPECT_FALSE(dialog->Details()->toPlainText().isEmpty()) << "the reasons, to read";
        delete dialog;
    }
    EXPECT_TRUE(dialogs.askedToSave.isEmpty());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), bytes);
}
