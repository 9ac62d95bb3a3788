// The timer dialog on the real main frame: the columns of the awkward timers, deleting
// selected rows, short tables, text edits, and the channel a click shows.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CPropertyGrid.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CTimerDlg.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "SettingsFileBuilder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

CAlarmData Timer(int kind, int startDay, int startHour, int startMinute, int endDay, int endHour,
                 int endMinute, uint8_t weekdays = 0) {
    std::array<uint8_t, CAlarmData::kRecordSize> r{};
    r[0] = static_cast<uint8_t>(startMinute);
    r[1] = static_cast<uint8_t>(startHour);
    WriteLE16(r.data() + 2, static_cast<uint16_t>(startDay));
    r[4] = static_cast<uint8_t>(endMinute);
    r[5] = static_cast<uint8_t>(endHour);
    WriteLE16(r.data() + 6, static_cast<uint16_t>(endDay));
    r[16] = static_cast<uint8_t>(kind << 4);
    r[18] = weekdays;
    return CAlarmData(r);
}

class TimerDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }

    // The sample's 20 TV channels with `timers` timer records (the last two the receiver's).
    CChildFrame* Open(int timers) {
        auto document = std::make_unique<CTarnell1018Doc>();
        document->LoadFromBytes(test::MakeSample({.timers = timers})->Store());
        return frame->OpenAsNew(std::move(document));
    }

    CTimerDlg* ShowTimers() {
        frame->Commands().Get(kCmdTimers)->trigger();
        return qobject_cast<CTimerDlg*>(QApplication::activeModalWidget());
    }

    static std::vector<size_t> RowTimers(const CTimerDlg& dialog) {
        std::vector<size_t> timers;
        for (int row = 0; row < dialog.List()->topLevelItemCount(); ++row) {
            timers.push_back(dialog.List()->topLevelItem(row)->data(0, Qt::UserRole).toUInt());
        }
        return timers;
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

} // namespace

TEST(TimerTexts, DatesDurationsAndWeekdays) {
    // Timer days are Modified Julian Dates.
    EXPECT_EQ(CTimerDlg::DateOfDay(56000), QDate(2012, 3, 14));
    EXPECT_EQ(CTimerDlg::DateOfDay(0), QDate(1858, 11, 17));

    struct Case {
        CAlarmData timer;
        QString duration;
        QString date;
    };
    const Case cases[] = {
        // Over midnight: 45 minutes, ending at a quarter past.
        {Timer(1, 56000, 23, 30, 56001, 0, 15), QStringLiteral("00:45 (00:15)"),
         QLocale().toString(QDate(2012, 3, 14), QLocale::ShortFormat)},
        {Timer(3, 56000, 20, 15, 56000, 22, 0, 0x3E), QStringLiteral("01:45 (22:00)"),
         QStringLiteral("Mo.Di.Mi.Do.Fr.")},
        // Bit 0 is no day.
        {Timer(3, 56000, 6, 0, 56000, 7, 0, 0xC1), QStringLiteral("01:00 (07:00)"),
         QStringLiteral("Sa.So.")},
        // An end before the start still gives a time of day, not a negative one.
        {Timer(2, 56001, 10, 0, 56000, 9, 30), QStringLiteral("23:30 (09:30)"), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CTimerDlg::DurationText(c.timer), c.duration);
        EXPECT_EQ(CTimerDlg::DateText(c.timer), c.date);
    }
    // The two named weekly masks have their own texts.
    EXPECT_NE(CTimerDlg::RepetitionText(cases[1].timer),
              CTimerDlg::RepetitionText(Timer(3, 1, 0, 0, 1, 0, 0, 0x06)));
    EXPECT_NE(CTimerDlg::RepetitionText(Timer(3, 1, 0, 0, 1, 0, 0, 0xC0)),
              CTimerDlg::RepetitionText(Timer(3, 1, 0, 0, 1, 0, 0, 0x06)));
}

TEST_F(TimerDialogTest, DeletingAdjacentRowsClearsThoseTimersInOneStep) {
    CChildFrame* child = Open(8); // timers 0-5 listed, 6 and 7 the receiver's
    auto& timers = child->Document().File().m_timers;
    timers.At(1)->Clear();                               // unused: no row
    WriteLE16(timers.At(6)->Record().data() + 2, 60006); // in use, but the receiver's own
    const auto before = child->Document().File().Store();
    CTimerDlg* dialog = ShowTimers();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(RowTimers(*dialog), (std::vector<size_t>{0, 2, 3, 4, 5}));
    EXPECT_FALSE(child->Document().IsModified());

    // Rows 2 and 3 (timers 3 and 4) selected together.
    dialog->List()->topLevelItem(2)->setSelected(true);
    dialog->List()->topLevelItem(3)->setSelected(true);
    dialog->List()->topLevelItem(0)->setSelected(false);
    ASSERT_TRUE(dialog->DeleteAction()->isEnabled());
    dialog->DeleteAction()->trigger();
    EXPECT_EQ(RowTimers(*dialog), (std::vector<size_t>{0, 2, 5}));
    EXPECT_FALSE(timers.At(3)->IsInUse());
    EXPECT_FALSE(timers.At(4)->IsInUse());
    EXPECT_TRUE(timers.At(5)->IsInUse());
    EXPECT_EQ(child->Document().UndoName(), "Delete 2 timers");
    EXPECT_TRUE(child->Document().IsModified());
    // The row after the deleted ones is the current one.
    EXPECT_EQ(dialog->List()->currentItem(), dialog->List()->topLevelItem(2));

    dialog->DeleteAllAction()->trigger();
    EXPECT_EQ(dialog->List()->topLevelItemCount(), 0);
    EXPECT_TRUE(timers.At(6)->IsInUse()); // the receiver's own stay
    dialog->reject();
    child->Document().Undo();
    child->Document().Undo();
    EXPECT_EQ(child->Document().File().Store(), before);
}

TEST_F(TimerDialogTest, ShortTablesListNothingAndSelectNothing) {
    for (const int records : {0, 1, 2, 3}) {
        CChildFrame* child = Open(records);
        CTimerDlg* dialog = ShowTimers();
        ASSERT_NE(dialog, nullptr) << records;
        const int rows = records == 3 ? 1 : 0;
        EXPECT_EQ(dialog->List()->topLevelItemCount(), rows) << records;
        EXPECT_EQ(dialog->List()->currentItem() != nullptr, rows > 0);
        EXPECT_EQ(dialog->Properties()->Model().IsPropertyEnabled(CTimerDlg::kPropText), rows > 0);
        EXPECT_EQ(dialog->DeleteAllAction()->isEnabled(), rows > 0);
        dialog->DeleteSelected();
        dialog->DeleteAll();
        EXPECT_EQ(dialog->List()->topLevelItemCount(), 0);
        EXPECT_EQ(child->Document().IsModified(), rows > 0);
        dialog->reject();
        QCoreApplication::processEvents();
    }
}

TEST_F(TimerDialogTest, ATooLongTextIsCutVisiblyAndAClickShowsTheChannel) {
    CChildFrame* child = Open(6);
    CTimerDlg* dialog = ShowTimers();
    ASSERT_NE(dialog, nullptr);
    // The first timer records the first TV channel; clicking the third row shows the third.
    const auto* third = child->Document().TimerChannel(2);
    ASSERT_NE(third, nullptr);
    dialog->List()->setCurrentItem(dialog->List()->topLevelItem(2));
    ASSERT_EQ(child->List()->SelectedChannels().size(), 1u);
    EXPECT_EQ(child->List()->SelectedChannels().front(), third);

    CPropertyGrid* grid = dialog->Properties();
    grid->Model().Commit(CTimerDlg::kPropText,
                         QStringLiteral("A text far longer than the timer holds"));
    const std::string stored = child->Document().File().m_timerInfos.At(2)->GetText();
    EXPECT_EQ(stored, "A text far longer than");
    EXPECT_EQ(grid->Value(CTimerDlg::kPropText).toString(), QString::fromStdString(stored));
    EXPECT_TRUE(grid->DescriptionText().contains(QStringLiteral("22")))
        << grid->DescriptionText().toStdString();
    EXPECT_EQ(dialog->List()->topLevelItem(2)->text(CTimerDlg::kColText),
              QString::fromStdString(stored));
    EXPECT_EQ(child->Document().History().Steps(), 1u);
    EXPECT_EQ(child->Document().UndoName(), "Change timer text");

    // A double click closes the dialog.
    emit dialog->List()->itemActivated(dialog->List()->topLevelItem(2), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
