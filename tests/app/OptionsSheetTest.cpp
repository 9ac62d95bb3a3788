// The options sheet with its four pages, the ribbon's tooltip switch and the about box.
#include "CAboutDlg.h"
#include "CAppOptionPage.h"
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CFtpOptionPage.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CNetworkProfileArray.h"
#include "COptionsConcretePage.h"
#include "COptionsPropSheet.h"
#include "CResourcePage.h"
#include "CRibbonBar.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "LinkMessage.h"
#include "ReceiverSimulator.h"
#include "UserConfigFolder.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

using namespace tarnell;

namespace {

class HintRecorder : public IDocumentListener {
public:
    explicit HintRecorder(CTarnell1018Doc& document) : m_document(document) {
        document.AddListener(this);
    }
    ~HintRecorder() override { m_document.RemoveListener(this); }
    void OnDocumentUpdate(CTarnell1018Doc&, int hint, const void*) override {
        hints.push_back(hint);
    }
    std::vector<int> hints;

private:
    CTarnell1018Doc& m_document;
};

// Runs the command; the modal dialog it opens is handed to `check` and then closed.
bool WithModalDialog(QAction* command, const std::function<void(QWidget*)>& check) {
    auto seen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [seen, check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *seen = true;
            check(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        }
    });
    command->trigger();
    // No dialog opened: the timer fires here and finds none.
    QCoreApplication::processEvents();
    return *seen;
}

QColor BaseColour(const QWidget* view) {
    return view->palette().color(QPalette::Base);
}

QColor TextColour(const QWidget* view) {
    return view->palette().color(QPalette::Text);
}

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

class OptionsSheet : public ::testing::Test {
protected:
    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame = std::make_unique<CMainFrame>(prefs, dialogs);

    std::unique_ptr<COptionsPropSheet> Open(int page) {
        std::unique_ptr<COptionsPropSheet> sheet(frame->CreateOptionsSheet(page));
        sheet->show();
        return sheet;
    }
    std::filesystem::path ProfileFile() const {
        return std::filesystem::path(sandbox.ConfigFolder().toStdString()) /
               CNetworkProfileArray::kFileName;
    }
};

TEST_F(OptionsSheet, EachCommandOpensItsPageOrTheAboutBox) {
    const std::pair<int, int> commands[] = {
        {kCmdOptions, 0}, {kCmdOptionsFavourites, 1}, {kCmdOptionsNetwork, 3}, {kCmdAppAbout, -1}};
    for (const auto& [command, page] : commands) {
        QAction* action = frame->Commands().Get(command);
        ASSERT_TRUE(action->isEnabled()) << command;
        int shown = -2;
        EXPECT_TRUE(WithModalDialog(action, [&shown](QWidget* modal) {
            if (auto* sheet = qobject_cast<COptionsPropSheet*>(modal)) {
                shown = sheet->CurrentPage();
            } else if (qobject_cast<CAboutDlg*>(modal)) {
                shown = -1;
            }
        })) << command;
        EXPECT_EQ(shown, page) << command;
    }
    // Four pages to pick from; a page we do not have falls back to the first.
    auto sheet = Open(9);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Weitere interessante Informationen"));
    ASSERT_EQ(sheet->PageList()->count(), 4);
    EXPECT_EQ(sheet->CurrentPage(), 0);
    sheet->PageList()->setCurrentRow(2);
    EXPECT_EQ(sheet->CurrentPage(), 2);
}

TEST_F(OptionsSheet, OkCopiesTheChoicesCancelCopiesNothing) {
    const CAppPreferences before = prefs;
    auto choose = [](COptionsPropSheet& sheet) {
        COptionsConcretePage* page = sheet.ConcretePage();
        page->Box(COptionsConcretePage::kFavHoldSelection)->setCurrentIndex(0);
        page->Box(COptionsConcretePage::kFavCodepage)->setCurrentIndex(3);
        page->Box(COptionsConcretePage::kSatelliteActive)->setCurrentIndex(0);
        page->Box(COptionsConcretePage::kSatelliteRestrictShow)->setCurrentIndex(0);
        page->Box(COptionsConcretePage::kSatelliteOrder)->setCurrentIndex(2);
        page->Box(COptionsConcretePage::kFavSeqNum)->setCurrentIndex(0);
        page->Box(COptionsConcretePage::kFavDelChSelection)->setCurrentIndex(1);
        sheet.AppOptionPage()->ToolTipsBox()->setChecked(false);
        sheet.AppOptionPage()->DescriptionBox()->setChecked(false);
    };

    auto cancelled = Open(COptionsPropSheet::kFavouritesPage);
    // The boxes start at the stored values.
    const QComboBox* codepage = cancelled->ConcretePage()->Box(COptionsConcretePage::kFavCodepage);
    EXPECT_EQ(codepage->currentIndex(), 6);
    EXPECT_EQ(codepage->count(), 7);
    EXPECT_TRUE(codepage->itemText(1).contains(QStringLiteral("28595")));
    EXPECT_EQ(cancelled->ConcretePage()->Box(COptionsConcretePage::kSatelliteOrder)->currentIndex(),
              1);
    choose(*cancelled);
    cancelled->reject();
    EXPECT_EQ(prefs, before);

    auto confirmed = Open(COptionsPropSheet::kFavouritesPage);
    choose(*confirmed);
    confirmed->accept();
    EXPECT_EQ(confirmed->result(), QDialog::Accepted);
    EXPECT_EQ(prefs.favHoldSelection, 0);
    EXPECT_EQ(prefs.favCodepage, 3);
    EXPECT_EQ(prefs.satelliteActive, 0);
    EXPECT_EQ(prefs.satelliteRestrictShow, 0);
    EXPECT_EQ(prefs.satelliteOrder, 2);
    EXPECT_EQ(prefs.favSeqNum, 0);
    EXPECT_EQ(prefs.favDelChSelection, 1);
    EXPECT_EQ(prefs.showToolTips, 0);
    EXPECT_EQ(prefs.showToolTipDescr, 0);
}

TEST_F(OptionsSheet, StoredValuesWithoutAnEntry) {
    // Any code page past the list is UTF-8; other unknown values are kept as they are.
    prefs.favCodepage = 42;
    prefs.satelliteOrder = 7;
    auto sheet = Open(COptionsPropSheet::kFavouritesPage);
    EXPECT_EQ(sheet->ConcretePage()->Box(COptionsConcretePage::kFavCodepage)->currentIndex(), 6);
    EXPECT_EQ(sheet->ConcretePage()->Box(COptionsConcretePage::kSatelliteOrder)->currentIndex(),
              -1);
    sheet->accept();
    EXPECT_EQ(prefs.favCodepage, 6);
    EXPECT_EQ(prefs.satelliteOrder, 7);
}

TEST_F(OptionsSheet, OkTellsTheActiveDocumentWhatChangedInOrder) {
    frame->show();
    CChildFrame* child = frame->NewDocument();
    ASSERT_NE(child, nullptr);
    HintRecorder recorder(child->Document());

    // Every remembered value changed, and one that has no hint.
    auto all = Open(COptionsPropSheet::kFavouritesPage);
    COptionsConcretePage* page = all->ConcretePage();
    page->Box(COptionsConcretePage::kFavSeqNum)->setCurrentIndex(0);
    page->Box(COptionsConcretePage::kFavCodepage)->setCurrentIndex(1);
    page->Box(COptionsConcretePage::kSatelliteRestrictShow)->setCurrentIndex(0);
    page->Box(COptionsConcretePage::kSatelliteOrder)->setCurrentIndex(0);
    page->Box(COptionsConcretePage::kSatelliteActive)->setCurrentIndex(0);
    page->Box(COptionsConcretePage::kFavHoldSelection)->setCurrentIndex(0);
    all->accept();
    EXPECT_EQ(recorder.hints,
              (std::vector<int>{kHintRebuildTree, kHintResortSatellites, kHintRefillFromTree,
                                kHintRelabelFavourites, kHintFavouriteNumbering}));

    // Only what changed; a value set back to where it was is no change.
    recorder.hints.clear();
    auto some = Open(COptionsPropSheet::kFavouritesPage);
    some->ConcretePage()->Box(COptionsConcretePage::kFavSeqNum)->setCurrentIndex(1);
    some->ConcretePage()->Box(COptionsConcretePage::kSatelliteOrder)->setCurrentIndex(2);
    some->ConcretePage()->Box(COptionsConcretePage::kFavCodepage)->setCurrentIndex(5);
    some->ConcretePage()->Box(COptionsConcretePage::kFavCodepage)->setCurrentIndex(1);
    some->accept();
    EXPECT_EQ(recorder.hints, (std::vector<int>{kHintResortSatellites, kHintFavouriteNumbering}));

    // OK without changes and Cancel with them say nothing.
    recorder.hints.clear();
    Open(COptionsPropSheet::kFavouritesPage)->accept();
    auto cancelled = Open(COptionsPropSheet::kFavouritesPage);
    cancelled->ConcretePage()->Box(COptionsConcretePage::kSatelliteActive)->setCurrentIndex(1);
    cancelled->reject();
    EXPECT_TRUE(recorder.hints.empty());
}

TEST_F(OptionsSheet, OkSwitchesTheRibbonTooltips) {
    QAction* open = frame->Commands().Get(kCmdFileOpen);
    open->setStatusTip(QStringLiteral("Opens a settings file <from disk>"));
    CRibbonBar* ribbon = frame->Ribbon();
    // As stored at start: name and description.
    EXPECT_TRUE(ribbon->ToolTipText(open).contains(QStringLiteral("&lt;from disk&gt;")));

    auto withoutDescription = Open(COptionsPropSheet::kApplicationPage);
    withoutDescription->AppOptionPage()->DescriptionBox()->setChecked(false);
    withoutDescription->accept();
    EXPECT_EQ(ribbon->ToolTipText(open), open->toolTip());

    auto off = Open(COptionsPropSheet::kApplicationPage);
    EXPECT_FALSE(off->AppOptionPage()->DescriptionBox()->isChecked());
    off->AppOptionPage()->ToolTipsBox()->setChecked(false);
    EXPECT_FALSE(off->AppOptionPage()->DescriptionBox()->isEnabled());
    off->accept();
    EXPECT_TRUE(ribbon->ToolTipText(open).isEmpty());

    // A button's tooltip event is taken by the ribbon, so Qt shows nothing of its own.
    QToolButton* button = nullptr;
    for (QToolButton* candidate : ribbon->findChildren<QToolButton*>()) {
        if (candidate->defaultAction() == open) {
            button = candidate;
        }
    }
    ASSERT_NE(button, nullptr);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    EXPECT_TRUE(QApplication::sendEvent(button, &help));

    auto on = Open(COptionsPropSheet::kApplicationPage);
    on->AppOptionPage()->ToolTipsBox()->setChecked(true);
    on->AppOptionPage()->DescriptionBox()->setChecked(true);
    on->reject();
    EXPECT_TRUE(ribbon->ToolTipText(open).isEmpty());
}

TEST_F(OptionsSheet, BarsToggleAtOnce) {
    auto sheet = Open(COptionsPropSheet::kApplicationPage);
    CAppOptionPage* page = sheet->AppOptionPage();
    const bool statusHidden = frame->statusBar()->isHidden();
    const bool captionHidden = frame->CaptionBar()->isHidden();
    page->StatusBarButton()->click();
    EXPECT_EQ(frame->statusBar()->isHidden(), !statusHidden);
    page->CaptionBarButton()->click();
    EXPECT_EQ(frame->CaptionBar()->isHidden(), !captionHidden);
    // Cancel takes back only the colours.
    sheet->reject();
    EXPECT_EQ(frame->statusBar()->isHidden(), !statusHidden);
    frame->ToggleStatusBar();
    frame->ToggleCaptionBar();
    EXPECT_EQ(frame->statusBar()->isHidden(), statusHidden);
    EXPECT_EQ(frame->CaptionBar()->isHidden(), captionHidden);
}

TEST_F(OptionsSheet, ColoursChangeAtOnceInEveryWindowAndCancelRestoresThem) {
    frame->show();
    CChildFrame* first = frame->NewDocument();
    CChildFrame* second = frame->NewDocument();
    ASSERT_TRUE(first && second);
    prefs.treeTextColor = 0xFF0000;
    const CAppPreferences opened = prefs;

    auto sheet = Open(COptionsPropSheet::kApplicationPage);
    CAppOptionPage* page = sheet->AppOptionPage();
    QToolButton* channelBack = page->ColourButton(CAppOptionPage::kChannelBack);
    const QList<QAction*> entries = channelBack->menu()->actions();
    ASSERT_EQ(entries.size(), 2);

    // "More colours": the colour dialog's choice, in both windows at once.
    dialogs.colourAnswers.push_back(QColor(0x12, 0x34, 0x56));
    entries.at(1)->trigger();
    EXPECT_EQ(prefs.channelBackColor, 0x123456u);
    EXPECT_EQ(BaseColour(first->List()), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(BaseColour(second->List()), QColor(0x12, 0x34, 0x56));

    // The dialog cancelled changes nothing.
    page->ChooseOther(CAppOptionPage::kChannelText);
    EXPECT_EQ(dialogs.coloursAsked, 2);
    EXPECT_EQ(prefs.channelTextColor, opened.channelTextColor);

    // "Automatic" is the program's default colour.
    page->ColourButton(CAppOptionPage::kTreeText)->menu()->actions().at(0)->trigger();
    EXPECT_EQ(prefs.treeTextColor, 0x000000u);
    EXPECT_EQ(TextColour(first->Tree()), QColor(Qt::black));
    dialogs.colourAnswers.push_back(QColor(0xAB, 0xCD, 0xEF));
    page->ChooseOther(CAppOptionPage::kTreeBack);
    EXPECT_EQ(BaseColour(second->Tree()), QColor(0xAB, 0xCD, 0xEF));

    sheet->reject();
    EXPECT_EQ(prefs.channelBackColor, opened.channelBackColor);
    EXPECT_EQ(prefs.treeBackColor, opened.treeBackColor);
    EXPECT_EQ(prefs.treeTextColor, 0xFF0000u);
    for (CChildFrame* child : {first, second}) {
        EXPECT_EQ(BaseColour(child->List()), CAppPreferences::ToColor(opened.channelBackColor));
        EXPECT_EQ(BaseColour(child->Tree()), CAppPreferences::ToColor(opened.treeBackColor));
        EXPECT_EQ(TextColour(child->Tree()), QColor(Qt::red));
    }

    // OK keeps them.
    auto kept = Open(COptionsPropSheet::kApplicationPage);
    kept->AppOptionPage()->ChooseAutomatic(CAppOptionPage::kChannelBack);
    kept->accept();
    EXPECT_EQ(prefs.channelBackColor,
              CAppOptionPage::AutomaticColour(CAppOptionPage::kChannelBack));
}

TEST_F(OptionsSheet, ProfilesEditedInTheListReachTheProfileFile) {
    ASSERT_FALSE(std::filesystem::exists(ProfileFile()));
    auto sheet = Open(COptionsPropSheet::kNetworkPage);
    CFtpOptionPage* page = sheet->FtpOptionPage();
    QAbstractItemModelTester tester(page->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);

    // A first start: the one default profile.
    ASSERT_EQ(page->Model()->rowCount(), 1);
    EXPECT_EQ(page->Model()->index(0).data().toString(), QStringLiteral("Default"));
    EXPECT_EQ(page->PortEdit()->text(), QStringLiteral("21"));
    EXPECT_EQ(page->UserEdit()->text(), QStringLiteral("root"));
    EXPECT_FALSE(page->DeleteButton()->isEnabled());

    // New: default values, active, and its name open for typing.
    page->NewButton()->click();
    ASSERT_EQ(page->Model()->rowCount(), 2);
    EXPECT_EQ(page->Model()->ActiveRow(), 1);
    EXPECT_EQ(page->ProfileList()->currentIndex().row(), 1);
    EXPECT_EQ(page->PortEdit()->text(), QStringLiteral("21"));
    auto* editor = page->ProfileList()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    TypeInto(editor, QStringLiteral("Living room"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the list commits the name after the key
    EXPECT_EQ(page->Model()->index(1).data().toString(), QStringLiteral("Living room"));
    TypeInto(page->AddressEdit(), QStringLiteral("192.168.0.10"));
    TypeInto(page->PasswordEdit(), QStringLiteral("secret"));
    QTest::mouseClick(page->ForcedRebootBox(), Qt::LeftButton);
    CNetworkProfileArray& live = frame->NetworkProfiles();
    EXPECT_EQ(live.At(1)->m_address, 0xC0A8000Au);
    EXPECT_EQ(live.At(1)->m_password, "secret");
    EXPECT_EQ(live.At(1)->m_forcedReboot, 0);
    EXPECT_EQ(live.At(0)->m_address, 0u);

    // Names pick one profile: neither empty nor taken.
    EXPECT_FALSE(
        page->Model()->setData(page->Model()->index(1), QStringLiteral("  "), Qt::EditRole));
    EXPECT_FALSE(
        page->Model()->setData(page->Model()->index(1), QStringLiteral("Default"), Qt::EditRole));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.errors.size(), 2);
    EXPECT_EQ(live.At(1)->m_name, "Living room");
    // A second new one gets a name of its own.
    page->NewButton()->click();
    page->NewButton()->click();
    EXPECT_NE(live.At(2)->m_name, live.At(3)->m_name);
    page->DeleteButton()->click();
    ASSERT_EQ(page->Model()->rowCount(), 3);

    // Up: the moved profile stays the active one, its fields stay on the page.
    page->ProfileList()->setCurrentIndex(page->Model()->index(1));
    page->UpButton()->click();
    EXPECT_EQ(live.At(0)->m_name, "Living room");
    EXPECT_EQ(page->Model()->ActiveRow(), 0);
    EXPECT_EQ(page->ProfileList()->currentIndex().row(), 0);
    EXPECT_EQ(page->AddressEdit()->text(), QStringLiteral("192.168.0.10"));
    EXPECT_FALSE(page->UpButton()->isEnabled());
    page->DownButton()->click();
    page->DownButton()->click();
    EXPECT_EQ(live.At(2)->m_name, "Living room");
    EXPECT_EQ(page->Model()->ActiveRow(), 2);
    EXPECT_FALSE(page->DownButton()->isEnabled());
    page->UpButton()->click();
    EXPECT_EQ(page->Model()->ActiveRow(), 1);

    // Removing stops at one.
    page->ProfileList()->setCurrentIndex(page->Model()->index(2));
    page->DeleteButton()->click();
    ASSERT_EQ(page->Model()->rowCount(), 2);

    sheet->accept();
    CNetworkProfileArray stored;
    EXPECT_EQ(stored.Load(ProfileFile()), std::nullopt);
    ASSERT_EQ(stored.Size(), 2u);
    EXPECT_EQ(stored.At(0)->m_name, "Default");
    EXPECT_EQ(stored.At(1)->m_name, "Living room");
    EXPECT_EQ(stored.At(1)->m_address, 0xC0A8000Au);
    EXPECT_EQ(stored.At(1)->m_forcedReboot, 0);
    EXPECT_EQ(stored.GetActiveIndex(), 1);
}

TEST_F(OptionsSheet, ProfileChangesStandAfterCancel) {
    auto sheet = Open(COptionsPropSheet::kNetworkPage);
    CFtpOptionPage* page = sheet->FtpOptionPage();
    page->NewButton()->click();
    page->Model()->setData(page->Model()->index(1), QStringLiteral("Bedroom"), Qt::EditRole);
    page->ProfileList()->setCurrentIndex(page->Model()->index(0));
    sheet->reject();

    CNetworkProfileArray stored;
    stored.Load(ProfileFile());
    ASSERT_EQ(stored.Size(), 2u);
    EXPECT_EQ(stored.At(1)->m_name, "Bedroom");
    EXPECT_EQ(stored.GetActiveIndex(), 0);

    // The next sheet shows them as left, the active one selected.
    auto again = Open(COptionsPropSheet::kNetworkPage);
    EXPECT_EQ(again->FtpOptionPage()->Model()->rowCount(), 2);
    EXPECT_EQ(again->FtpOptionPage()->ProfileList()->currentIndex().row(), 0);
}

TEST_F(OptionsSheet, ProfileFileProblemsAreSaid) {
    // A damaged file: said once, and the default profile to go on with.
    std::filesystem::create_directories(ProfileFile().parent_path());
    {
        std::ofstream damaged(ProfileFile(), std::ios::binary);
        damaged << "not a profile file at all";
    }
    auto sheet = Open(COptionsPropSheet::kNetworkPage);
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("Default")));
    EXPECT_EQ(sheet->FtpOptionPage()->Model()->rowCount(), 1);

    // Changes are never saved over it: the sheet closes all the same, with the reason, and the
    // file stays as it was.
    sheet->FtpOptionPage()->NewButton()->click();
    sheet->accept();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    ASSERT_EQ(dialogs.errors.size(), 2);
    EXPECT_TRUE(dialogs.errors.back().contains(QStringLiteral("not overwritten")));
    std::ifstream kept(ProfileFile(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "not a profile file at all");
}

TEST_F(OptionsSheet, PortAndAddressAreChecked) {
    auto sheet = Open(COptionsPropSheet::kNetworkPage);
    CFtpOptionPage* page = sheet->FtpOptionPage();
    CNetworkProfileArray& live = frame->NetworkProfiles();
    sheet->SetCurrentPage(COptionsPropSheet::kInformationPage);

    for (const QString& bad : {QStringLiteral("0"), QStringLiteral("65536"), QString()}) {
        TypeInto(page->PortEdit(), bad);
        // The profile keeps the last good port on the way ("6553" on the way to "65536").
        EXPECT_GE(live.At(0)->m_port, 1) << bad.toStdString();
        EXPECT_LE(live.At(0)->m_port, 65535) << bad.toStdString();
        dialogs.errors.clear();
        sheet->Buttons()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(sheet->isVisible()) << bad.toStdString();
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors.front().contains(QStringLiteral("65535")));
        // OK shows the page with the mistake.
        EXPECT_EQ(sheet->CurrentPage(), COptionsPropSheet::kNetworkPage);
    }
    // Letters never get in.
    TypeInto(page->PortEdit(), QStringLiteral("2x1"));
    EXPECT_EQ(page->PortEdit()->text(), QStringLiteral("21"));

    TypeInto(page->PortEdit(), QStringLiteral("65535"));
    TypeInto(page->AddressEdit(), QStringLiteral("192.168.300.1"));
    dialogs.errors.clear();
    page->RunFtpTest();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
    TypeInto(page->AddressEdit(), QStringLiteral("10.0.0.1"));
    sheet->Buttons()->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(live.At(0)->m_port, 65535);
    EXPECT_EQ(live.At(0)->m_address, 0x0A000001u);
}

TEST_F(OptionsSheet, AnUntouchedBadProfileDoesNotBlockOk) {
    // A port from a hand-edited file is the user's business until they edit it here.
    frame->NetworkProfiles().At(0)->m_port = 0;
    auto sheet = Open(COptionsPropSheet::kInformationPage);
    sheet->accept();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(OptionsSheet, FtpTestKeepsTheWindowAliveWhileTheReceiverIsSilent) {
    // A server that takes the connection and never greets: the login waits for its timeout.
    // The kernel completes the connection from the listen queue; nobody ever answers.
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(silent, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(silent, 4), 0);
    ASSERT_EQ(::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const int silentPort = ntohs(address.sin_port);
    auto sheet = Open(COptionsPropSheet::kNetworkPage);
    CFtpOptionPage* page = sheet->FtpOptionPage();
    LinkOptions options;
    options.timeouts.connect = std::chrono::milliseconds(2000);
    options.timeouts.response = std::chrono::milliseconds(700);
    page->SetLinkOptions(options);
    TypeInto(page->AddressEdit(), QStringLiteral("127.0.0.1"));
    TypeInto(page->PortEdit(), QString::number(silentPort));

    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
    clock.start(20);
    page->RunFtpTest();
    clock.stop();
    EXPECT_GE(ticks, 10) << "the window's events must keep running during the login";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, QStringLiteral("ftp Connection Error"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(sheet->findChild<QProgressDialog*>()) << "the busy dialog goes with the login";
    ::close(silent);
}

TEST_F(OptionsSheet, FtpTestAgainstTheReceiver) {
    test::ReceiverSimulator receiver(test::FreshTestFolder("options_ftp_test"));
    const std::string started = receiver.Start();
    ASSERT_TRUE(started.empty()) << started;

    auto sheet = Open(COptionsPropSheet::kNetworkPage);
    CFtpOptionPage* page = sheet->FtpOptionPage();
    // The values on the page count, whatever the profile holds; no address at all is never
    // this machine.
    const struct {
        const char* address;
        int port;
        const char* password;
        bool passes;
        QString textStart;
    } cases[] = {
        {"127.0.0.1", receiver.FtpPort(), "secret", true,
         QString::fromUtf8(link_text::kFtpTestPassed)},
        {"127.0.0.1", receiver.FtpPort(), "wrong", false, {}},
        {"127.0.0.1", test::UnusedPort(), "secret", false,
         QString::fromUtf8(link_text::kCannotConnect)},
        {"0.0.0.0", receiver.FtpPort(), "secret", false, {}},
    };
    for (const auto& c : cases) {
        TypeInto(page->AddressEdit(), QString::fromLatin1(c.address));
        TypeInto(page->PortEdit(), QString::number(c.port));
        TypeInto(page->PasswordEdit(), QString::fromLatin1(c.password));
        dialogs.messages.clear();
        QTest::mouseClick(page->TestButton(), Qt::LeftButton);
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.address << " " << c.password;
        const auto& said = dialogs.messages.front();
        EXPECT_EQ(said.caption,
                  c.passes ? QStringLiteral("ftp Test") : QStringLiteral("ftp Connection Error"));
        EXPECT_EQ(said.icon, c.passes ? QMessageBox::Information : QMessageBox::Critical);
        EXPECT_TRUE(said.text.startsWith(c.textStart)) << said.text.toStdString();
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST(AboutBox, TitleCentredAndVersionsShown) {
    CAboutDlg about;
    EXPECT_EQ(CAboutDlg::TitleText(), QStringLiteral("Tarnell 1018"));
    const QString lines = about.Control()->Lines().join(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QString::fromLatin1(qVersion())));
    EXPECT_TRUE(lines.contains(QStringLiteral("Version ")));

    // The title is painted, and as far from the left edge as from the right.
    about.show();
    const QImage image = about.grab().toImage();
    const QRect band = about.TitleRect();
    const QRgb background = image.pixel(1, band.center().y());
    int left = image.width();
    int right = -1;
    for (int y = band.top(); y <= band.bottom() && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, 0) << "no title painted";
    EXPECT_GT(right - left, 100);
    // Italic letters lean out a little to the right.
    EXPECT_LE(std::abs(left - (image.width() - 1 - right)), 6);
}
