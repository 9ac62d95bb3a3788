#pragma once

#include "ListFill.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>

#include <cstdint>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPaintDevice;

namespace tarnell {

class CChannelData;
class CSettingsFile;

// The printed channel list: the channels of the tree's selection and the shown kind, in table
// order, a header, column titles, the rows and a footer with the page number on every page.
// One painter serves printing, the preview and the PDF export.
class CDrucken {
    Q_DECLARE_TR_FUNCTIONS(CDrucken)
public:
    // Logical units; a page is 4892 wide and 6950 high, scaled to the device.
    static constexpr int kLeftMargin = 250;
    static constexpr int kTopMargin = 400;
    static constexpr double kPageWidth = 4892.0;
    static constexpr double kPageHeight = 6950.0;

    struct Metrics {
        int linesPerPage = 1;
        int lineHeight = 1;
        double xScale = 1;
        double yScale = 1;
        int headerTop = 0;
        int columnTitleTop = 0;
        int rowsTop = 0;
        int footerTop = 0;
    };

    // What a page says about where its channels come from, and whose list it is.
    struct Headline {
        QString selection;    // "Favourite list: Sport", or "All channels"
        QString documentName; // the document's title, in the footer
    };

    CDrucken(const CSettingsFile& file, const ListFill& fill, uint32_t configOptionFlag,
             Headline headline);

    // The lines a page of `verticalPixels` holds with text `lineHeight` pixels high: at least 1,
    // and never more than fit between the header and the footer.
    static int LinesPerPage(int verticalPixels, int lineHeight);
    // Where everything stands on a page of that many pixels, in those pixels.
    static Metrics Layout(int horizontalPixels, int verticalPixels, int lineHeight);
    void SetFont(const QFont& font) { m_font = font; }
    // Favourite lists numbered in sequence print their positions, as the list shows them.
    void SetFavouriteSequence(bool on) { m_favouriteSequence = on; }
    // Lays the job out for the device; afterwards PageCount() and PaintPage() use its units.
    void Begin(QPaintDevice& device);
    const Metrics& GetMetrics() const { return m_metrics; }
    // The channel table index of the first channel of every page; empty when nothing is printed.
    const std::vector<size_t>& PageStartTable() const { return m_pageStarts; }
    // At least 1: an empty selection prints one page saying so.
    int PageCount() const;
    size_t ChannelCount() const { return m_channels.size(); }
    void PaintPage(QPainter& painter, int page) const;
    // Begins and prints pages fromPage to toPage (from 1; 0 and 0 for all) on the device. False
    // when the device could not be painted on.
    bool Print(QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

    static QFont DefaultFont();

private:
    void PaintHeader(QPainter& painter) const;
    void PaintRow(QPainter& painter, const CChannelData& channel, int position, int y) const;
    void PaintFooter(QPainter& painter, int page) const;
    int X(int logical) const;
    // Text left-aligned at `left` (logical), cut to fit before `right`.
    void DrawLeft(QPainter& painter, int left, int right, int y, const QString& text) const;
    // Text right-aligned ending at `right` (logical).
    void DrawRight(QPainter& painter, int right, int y, const QString& text) const;

    const CSettingsFile& m_file;
    ListFill m_fill;
    uint32_t m_configOptionFlag;
    bool m_favouriteSequence = false;
    Headline m_headline;
    std::vector<const CChannelData*> m_channels;
    std::vector<size_t> m_channelTableIndex;
    std::vector<size_t> m_pageStarts;
    Metrics m_metrics;
    QFont m_font;
};

} // namespace tarnell
