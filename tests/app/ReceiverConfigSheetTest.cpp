// The receiver configuration sheet: opened by its command and by the satellite pane, OK writing
// exactly what the user changed as one step, refusals keeping the sheet open.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CIpAddressEdit.h"
#include "CMainFrame.h"
#include "CPropertyPanes.h"
#include "CReceiverConfigPage.h"
#include "CSatelliteWnd.h"
#include "CSettingsOptionsPropSheet.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "SettingsFileBuilder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarnell;
using Sheet = CSettingsOptionsPropSheet;

namespace {

// A configuration whose structure bytes match no list (the builder's fill), with some fields
// set to values the lists offer.
std::unique_ptr<CTarnell1018Doc> Configured() {
    test::SampleOptions o;
    o.configLength = 900;
    auto file = test::MakeSample(o);
    CConfigurationData& config = file->m_configuration;
    config.SetWord(232, 1);  // NTSC
    config.SetWord(236, 1);  // 16 : 9
    config.SetWord(324, 60); // + 1:00
    config.SetWord(588, 0xC0A8000A);
    config.SetWord(584, 0);   // addresses typed in
    config.SetWord(688, 600); // past the slider's end
    auto doc = std::make_unique<CTarnell1018Doc>();
    doc->LoadFromBytes(file->Store());
    return doc;
}

class ReceiverConfigSheet : public ::testing::Test {
protected:
    Sheet* Open(std::unique_ptr<CTarnell1018Doc> doc) {
        document = doc.get();
        frame.show();
        frame.OpenAsNew(std::move(doc));
        before = document->StoreToBytes();
        frame.Commands().Get(kCmdReceiverConfig)->trigger();
        return qobject_cast<Sheet*>(QApplication::activeModalWidget());
    }
    template <class T> T* Editor(Sheet* sheet, int page, size_t offset) {
        return qobject_cast<T*>(sheet->ConfigPage(page)->Editor(offset));
    }
    // The structure bytes, with the words at these offsets left out.
    static std::vector<uint8_t> Others(std::span<const uint8_t> bytes,
                                       const std::vector<size_t>& changed) {
        std::vector<uint8_t> kept(bytes.begin(), bytes.end());
        for (size_t offset : changed) {
            std::fill_n(kept.begin() + static_cast<std::ptrdiff_t>(offset), 4, 0);
        }
        return kept;
    }
    uint32_t Word(size_t offset) const { return document->File().m_configuration.GetWord(offset); }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    CMainFrame frame{prefs, dialogs};
    CTarnell1018Doc* document = nullptr;
    std::vector<uint8_t> before;
};

} // namespace

TEST_F(ReceiverConfigSheet, OkWithoutChangesStoresTheSameBytesAsOneStep) {
    frame.show();
    frame.Commands().Get(kCmdFileNew)->trigger();
    EXPECT_FALSE(frame.Commands().Get(kCmdReceiverConfig)->isEnabled()) << "no configuration";

    Sheet* sheet = Open(Configured());
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(frame.Commands().Get(kCmdReceiverConfig)->isEnabled());
    ASSERT_EQ(sheet->PageCount(), 10);
    EXPECT_EQ(sheet->PageList()->width(), Sheet::kPageListWidth);
    EXPECT_GE(sheet->Header()->minimumHeight(), Sheet::kMinHeaderHeight);
    const char* order[] = {"language",  "recording", "parental-control", "display",    "time",
                           "av-output", "network",   "service-list",     "positioner", "epg"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(sheet->Page(i)->objectName(), QString::fromLatin1(order[i]));
    }
    EXPECT_EQ(sheet->CurrentPage(), Sheet::kLanguagePage);
    // A stored value no list offers leaves its list without a choice.
    EXPECT_EQ(Editor<QComboBox>(sheet, Sheet::kLanguagePage, 268)->currentIndex(), -1);
    EXPECT_EQ(Editor<QComboBox>(sheet, Sheet::kAvOutputPage, 236)->currentText(),
              QStringLiteral("16 : 9"));
    // The resolution list follows the TV system, NTSC here.
    auto* resolution = Editor<QComboBox>(sheet, Sheet::kAvOutputPage, 568);
    EXPECT_EQ(resolution->itemText(0), QStringLiteral("480i"));
    EXPECT_FALSE(resolution->isEnabled());

    sheet->accept();
    EXPECT_EQ(document->StoreToBytes(), before);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->UndoName(), "Receiver configuration");
}

TEST_F(ReceiverConfigSheet, OkWritesExactlyTheFieldsTheUserChanged) {
    Sheet* sheet = Open(Configured());
    ASSERT_NE(sheet, nullptr);
    const auto structureBefore =
        std::vector<uint8_t>(document->File().m_configuration.Structure().begin(),
                             document->File().m_configuration.Structure().end());

    auto* aspect = Editor<QComboBox>(sheet, Sheet::kAvOutputPage, 236);
    aspect->setCurrentIndex(aspect->findText(QStringLiteral("16 : 10")));
    auto* zone = Editor<QComboBox>(sheet, Sheet::kTimePage, 324);
    zone->setCurrentIndex(zone->findText(QStringLiteral("+ 5:30")));
    auto* output = Editor<QComboBox>(sheet, Sheet::kAvOutputPage, 244);
    EXPECT_FALSE(output->isEnabled());
    output->setCurrentIndex(output->findText(QStringLiteral("YC")));
    auto* system = Editor<QComboBox>(sheet, Sheet::kAvOutputPage, 232);
    system->setCurrentIndex(0);
    EXPECT_EQ(Editor<QComboBox>(sheet, Sheet::kAvOutputPage, 568)->itemText(0),
              QStringLiteral("576i"));
    system->setCurrentIndex(1);
    auto* address = Editor<CIpAddressEdit>(sheet, Sheet::kNetworkPage, 588);
    address->selectAll();
    QTest::keyClicks(address, QStringLiteral("10.0.0.7"));
    auto* brightness = Editor<QSlider>(sheet, Sheet::kDisplayPage, 320);
    brightness->setValue(-4);

    sheet->accept();
    ASSERT_FALSE(sheet->isVisible());
    EXPECT_EQ(Word(236), 3u);
    EXPECT_EQ(Word(324), 330u);
    EXPECT_EQ(Word(244), 4u);
    EXPECT_EQ(Word(588), 0x0A000007u);
    EXPECT_EQ(Word(320), static_cast<uint32_t>(-4));
    // The sound delay slider was not touched: 600 stays, though the slider ends at 400.
    EXPECT_EQ(Word(688), 600u);
    const auto after = document->File().m_configuration.Structure();
    EXPECT_EQ(Others(after, {236, 324, 244, 588, 320}),
              Others(structureBefore, {236, 324, 244, 588, 320}));
}

TEST_F(ReceiverConfigSheet, RefusedValuesKeepTheSheetOpenAndCancelWritesNothing) {
    Sheet* sheet = Open(Configured());
    ASSERT_NE(sheet, nullptr);
    struct Case {
        int page;
        size_t offset;
        const char* typed;
    };
    const Case refused[] = {
        {Sheet::kParentalControlPage, 328, "12"},
        {Sheet::kPositionerPage, 424, "999.999"},
        {Sheet::kPositionerPage, 428, "90.5"},
        {Sheet::kNetworkPage, 592, "255.255.0"},
    };
    for (const auto& c : refused) {
        auto* edit = Editor<QLineEdit>(sheet, c.page, c.offset);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        sheet->SetCurrentPage(Sheet::kLanguagePage);
        sheet->accept();
        EXPECT_TRUE(sheet->isVisible()) << c.typed;
        EXPECT_EQ(sheet->CurrentPage(), c.page) << c.typed;
        EXPECT_FALSE(sheet->ConfigPage(c.page)->Problem()->isHidden()) << c.typed;
        edit->setModified(false);
    }
    auto* code = Editor<QLineEdit>(sheet, Sheet::kParentalControlPage, 328);
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("4711"));
    sheet->reject();
    EXPECT_EQ(document->StoreToBytes(), before);
    EXPECT_FALSE(document->CanUndo());
}

TEST_F(ReceiverConfigSheet, TheSatellitePaneOpensThePositionerPage) {
    frame.show();
    frame.OpenAsNew(Configured());
    auto* panes = frame.findChild<CPropertyPanes*>();
    ASSERT_NE(panes, nullptr);
    QPushButton* site = panes->SatellitePane()->SiteButton();
    ASSERT_TRUE(site->isEnabled());
    site->click();
    auto* sheet = qobject_cast<Sheet*>(QApplication::activeModalWidget());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->CurrentPage(), Sheet::kPositionerPage);
    sheet->reject();
}

TEST_F(ReceiverConfigSheet, TabLeadsFromThePageListIntoThePageBeforeTheButtons) {
    Sheet* sheet = Open(Configured());
    ASSERT_NE(sheet, nullptr);
    sheet->SetCurrentPage(Sheet::kTimePage);
    QWidget* next = sheet->PageList()->nextInFocusChain();
    while (!next->isVisibleTo(sheet) || !(next->focusPolicy() & Qt::TabFocus)) {
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(next, sheet->ConfigPage(Sheet::kTimePage)->Editor(208));
    sheet->reject();
}
