// The printed channel list: how many lines a page holds on any device, and the PDF export's
// pages for lists around a page boundary, read back with poppler's tools.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDrucken.h"
#include "CMainFrame.h"
#include "CPrintCommands.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "RunCommand.h"
#include "SettingsFileBuilder.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

int PdfPages(const QString& path) {
    const auto run = test::RunCommand("pdfinfo '" + path.toStdString() + "'");
    const auto at = run.out.find("Pages:");
    return run.status == 0 && at != std::string::npos ? std::stoi(run.out.substr(at + 6)) : -1;
}

std::string PdfText(const QString& path, int page) {
    const auto p = std::to_string(page);
    return test::RunCommand("pdftotext -layout -f " + p + " -l " + p + " '" + path.toStdString() +
                            "' -")
        .out;
}

} // namespace

TEST(Printing, EveryPageHoldsAtLeastOneLineAndNoneRunsOff) {
    EXPECT_EQ(CDrucken::LinesPerPage(6800, 100), 59);
    struct Case {
        int vertical, lineHeight;
    };
    // A common page, a low-resolution one, a line taller than the page, and broken metrics.
    for (const auto& c : {Case{6800, 100}, Case{842, 14}, Case{400, 120}, Case{100, 500},
                          Case{0, 0}, Case{14032, 40}}) {
        const auto m = CDrucken::Layout(4000, c.vertical, c.lineHeight);
        EXPECT_GE(m.linesPerPage, 1) << c.vertical << "/" << c.lineHeight;
        if (m.linesPerPage > 1) {
            EXPECT_LE(m.rowsTop + m.linesPerPage * m.lineHeight, m.footerTop)
                << c.vertical << "/" << c.lineHeight;
            EXPECT_LE(m.footerTop + m.lineHeight, c.vertical);
        }
    }
    // A 1200 dpi page with a large font, and a 72 dpi one with a huge font, laid out for real.
    for (const auto& [dpi, points] : {std::pair{1200, 28}, std::pair{72, 200}}) {
        auto file = test::MakeSample({.tvChannels = 30});
        CDrucken job(*file, {ListMode::AllChannels, 0, true}, 0, {});
        QFont font = CDrucken::DefaultFont();
        font.setPointSize(points);
        job.SetFont(font);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(dpi);
        ASSERT_TRUE(job.Print(writer));
        const auto& m = job.GetMetrics();
        EXPECT_GE(m.lineHeight, points * dpi / 72);
        EXPECT_EQ(job.PageCount(), (30 + m.linesPerPage - 1) / m.linesPerPage) << dpi;
        if (m.linesPerPage > 1) {
            EXPECT_LE(m.rowsTop + m.linesPerPage * m.lineHeight, writer.height()) << dpi;
        }
    }
}

class PdfExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(prefs, dialogs);
        frame->show();
    }

    // A window whose list shows `tv` TV channels, named "Channel 0" on.
    CChildFrame* Open(int tv) {
        auto document = std::make_unique<CTarnell1018Doc>();
        document->LoadFromBytes(test::MakeSample({.tvChannels = tv, .radioChannels = 0})->Store());
        CChildFrame* child = frame->OpenAsNew(std::move(document));
        child->List()->Fill({ListMode::AllChannels, 0, true});
        return child;
    }

    // The lines per page of the export's pages.
    int LinesPerPage(CChildFrame* child) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(frame->PrintCommands().Printer().pageLayout());
        auto job = frame->PrintCommands().MakeJob(*child);
        job->Begin(writer);
        return job->GetMetrics().linesPerPage;
    }

    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PdfExportTest, ListsAroundAPageBoundaryGiveTheirPages) {
    const int lpp = LinesPerPage(Open(1));
    ASSERT_GT(lpp, 10);
    struct Case {
        int channels;
        int pages;
    };
    for (const auto& c :
         {Case{0, 1}, Case{1, 1}, Case{lpp, 1}, Case{2 * lpp, 2}, Case{2 * lpp + 1, 3}}) {
        Open(c.channels);
        const QString path = sandbox.Path(QStringLiteral("list%1.pdf").arg(c.channels));
        dialogs.pdfAnswers.push_back(path);
        ASSERT_TRUE(frame->Commands().Get(kCmdFileExportPdf)->isEnabled());
        frame->Commands().Get(kCmdFileExportPdf)->trigger();
        ASSERT_EQ(PdfPages(path), c.pages) << c.channels << " channels";
        const std::string last = PdfText(path, c.pages);
        EXPECT_NE(last.find("Page: " + std::to_string(c.pages)), std::string::npos) << last;
        if (c.channels == 0) {
            EXPECT_NE(last.find("no channels"), std::string::npos) << last;
            continue;
        }
        // The last channel closes the last page.
        EXPECT_NE(last.find("Channel " + std::to_string(c.channels - 1) + " "), std::string::npos)
            << last;
        if (c.pages > 1) {
            const std::string first = PdfText(path, 1);
            EXPECT_NE(first.find("Channel " + std::to_string(lpp - 1) + " "), std::string::npos);
            EXPECT_EQ(first.find("Channel " + std::to_string(lpp) + " "), std::string::npos);
        }
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PdfExportTest, AFileThatCannotBeWrittenIsReportedAndNothingElseChanges) {
    Open(5);
    dialogs.pdfAnswers.push_back(sandbox.Path(QStringLiteral("missing/folder/list.pdf")));
    frame->Commands().Get(kCmdFileExportPdf)->trigger();
    EXPECT_EQ(dialogs.errors.size(), 1);
    // Cancel writes nothing and says nothing.
    frame->Commands().Get(kCmdFileExportPdf)->trigger();
    EXPECT_EQ(dialogs.errors.size(), 1);
}
