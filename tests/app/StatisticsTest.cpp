// The statistics dialog and its pie: the slices of a crafted list, an empty one, and how the
// pie lies on the disc as it is turned.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CPieChartWnd.h"
#include "CStatistikDlg.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>

#include <gtest/gtest.h>

#include <numeric>

using namespace tarnell;

namespace {

// A list of 10 TV channels (4 HD, 1 of them scrambled; 2 SD scrambled) and `radio` radio
// channels, one of them scrambled.
std::unique_ptr<CTarnell1018Doc> Crafted(int tv, int radio) {
    auto doc = std::make_unique<CTarnell1018Doc>();
    doc->OnNewDocument(false);
    for (int i = 0; i < tv + radio; ++i) {
        CChannelData* c = doc->File().m_channels.AddChannel(i < tv, 0, static_cast<uint16_t>(i), 0);
        const bool hd = i < 4;
        const bool scrambled = i == 0 || i == 5 || i == 6 || i == tv;
        c->SetFlagByte(static_cast<uint8_t>((hd && i < tv ? 0x80 : 0) | (scrambled ? 0x08 : 0)));
    }
    return doc;
}

std::vector<double> SliceValues(const CPieChartWnd& chart) {
    std::vector<double> values;
    for (const auto& s : chart.Slices()) {
        values.push_back(s.value);
    }
    return values;
}

} // namespace

TEST(Statistics, TheCommandShowsTheActiveListsSlices) {
    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    CMainFrame frame(prefs, dialogs);
    frame.show();
    EXPECT_FALSE(frame.Commands().Get(kCmdStatistics)->isEnabled());

    struct Case {
        int tv, radio;
        std::vector<double> slices;
    };
    const Case cases[] = {
        // SD free, HD free, SD scrambled, HD scrambled, radio free, radio scrambled.
        {10, 3, {4, 3, 2, 1, 2, 1}},
        {10, 0, {4, 3, 2, 1, 0, 0}},
        {0, 0, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        frame.OpenAsNew(Crafted(c.tv, c.radio));
        frame.Commands().Get(kCmdStatistics)->trigger();
        auto* dialog = qobject_cast<CStatistikDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(SliceValues(*dialog->Chart()), c.slices) << c.tv << " TV, " << c.radio;
        // Turning and tilting repaint from the sliders' places, within their ranges.
        dialog->RotationSlider()->setValue(400);
        dialog->TiltSlider()->setValue(-3);
        EXPECT_EQ(dialog->RotationSlider()->value(), 360);
        EXPECT_EQ(dialog->TiltSlider()->value(), 0);
        dialog->grab();
        dialog->reject();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST(Statistics, SlicesCloseTheCircleAndEmptyListsShareNothing) {
    const auto angles = CPieChartWnd::SliceAngles({4, 3, 0, 2, 1}, 70);
    ASSERT_EQ(angles.size(), 5u);
    EXPECT_EQ(angles[0].start, 70 * 16);
    EXPECT_EQ(angles[2].span, 0);
    int total = 0;
    for (size_t i = 0; i < angles.size(); ++i) {
        total += angles[i].span;
        if (i > 0) {
            EXPECT_EQ(angles[i].start, angles[i - 1].start + angles[i - 1].span);
        }
    }
    EXPECT_EQ(total, 360 * 16);
    // Thirds do not divide 5760 evenly by truncation; rounding the running sum still closes.
    const auto thirds = CPieChartWnd::SliceAngles({1, 1, 1, 1, 1, 1, 1}, 0);
    EXPECT_EQ(thirds.back().start + thirds.back().span, 360 * 16);
    for (const auto& a : CPieChartWnd::SliceAngles({0, 0, 0}, 0)) {
        EXPECT_EQ(a.span, 0);
    }

    EXPECT_EQ(CPieChartWnd::ShareText(0, 0), QStringLiteral("0.00%"));
    EXPECT_EQ(CPieChartWnd::ShareText(1, 3), QStringLiteral("33.33%"));
    EXPECT_EQ(CPieChartWnd::ShareText(7, 7), QStringLiteral("100.00%"));
}

TEST(Statistics, TheFirstSliceStartsAtTheRotation) {
    CPieChartWnd chart;
    chart.AddSlice(QStringLiteral("A"), 1, Qt::red);
    chart.AddSlice(QStringLiteral("B"), 1, Qt::blue);
    chart.SetTilt(0);
    // The pie is drawn in the area left of the legend; sample a little above and below its
    // centre.
    const auto colourAt = [&chart](int rotation, int dy) {
        chart.SetRotation(rotation);
        QImage image(600, 300, QImage::Format_ARGB32);
        QPainter painter(&image);
        chart.Paint(painter, image.rect());
        painter.end();
        int left = 0;
        while (left < image.width() && image.pixel(left, 150 + dy) != QColor(Qt::red).rgb() &&
               image.pixel(left, 150 + dy) != QColor(Qt::blue).rgb()) {
            ++left;
        }
        return left < image.width() ? QColor(image.pixel(left + 20, 150 + dy)) : QColor();
    };
    // Counter-clockwise from three o'clock: at 0 the first half is the upper one.
    EXPECT_EQ(colourAt(0, -40), QColor(Qt::red));
    EXPECT_EQ(colourAt(0, 40), QColor(Qt::blue));
    EXPECT_EQ(colourAt(180, -40), QColor(Qt::blue));
    EXPECT_EQ(colourAt(180, 40), QColor(Qt::red));
}
