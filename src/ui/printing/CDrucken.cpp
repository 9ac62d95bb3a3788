#include "CDrucken.h"

#include "CSettingsFile.h"
#include "ChannelListTexts.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tarnell {

namespace {

using namespace ChannelList;

constexpr int kRowsBelowMargin = 150;

// Column titles and where they start, in logical units right of the left margin.
struct ColumnTitle {
    int left;
    const char* fixed; // nullptr: a translated title
};

// Where the value columns end (right-aligned, in logical units) and what they show.
struct ValueColumn {
    int right;
    int column;
};
constexpr ValueColumn kValueColumns[] = {
    {3340, kColServiceId}, {3670, kColVideoPid},  {4000, kColAudioPid},
    {4330, kColPcrPid},    {4440, kColScrambled}, {4550, kColMark10},
};

} // namespace

CDrucken::CDrucken(const CSettingsFile& file, const ListFill& fill, uint32_t configOptionFlag,
                   Headline headline)
    : m_file(file), m_fill(fill), m_configOptionFlag(configOptionFlag),
      m_headline(std::move(headline)), m_font(DefaultFont()) {
    ListFill which = fill;
    if (which.mode == ListMode::AllChannels) {
        which.index = fill.tv ? 0 : 1;
    }
    // Satellite, transponder and provider pages take the shown kind only, as favourite lists do.
    const auto rows = SelectChannels(file, which, true);
    m_channels.assign(rows.begin(), rows.end());
    m_channelTableIndex.reserve(rows.size());
    const auto& table = file.m_channels.Items();
    size_t next = 0;
    for (size_t i = 0; i < table.size() && next < rows.size(); ++i) {
        if (table[i].get() == rows[next]) {
            m_channelTableIndex.push_back(i);
            ++next;
        }
    }
}

QFont CDrucken::DefaultFont() {
    QFont font(QStringLiteral("Sans Serif"), 9);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

CDrucken::Metrics CDrucken::Layout(int horizontalPixels, int verticalPixels, int lineHeight) {
    Metrics m;
    const int h = std::max(lineHeight, 1);
    m.lineHeight = h;
    m.xScale = horizontalPixels / kPageWidth;
    m.yScale = verticalPixels / kPageHeight;
    const int margin = static_cast<int>(kTopMargin * m.yScale);
    m.headerTop = std::max(0, margin - 2 * h);
    m.columnTitleTop = m.headerTop + 2 * h;
    m.rowsTop = std::max(static_cast<int>((kTopMargin + kRowsBelowMargin) * m.yScale),
                         m.columnTitleTop + h + h / 4);
    m.footerTop = std::max(m.rowsTop + h, verticalPixels - h);
    // The lines the page has always held, but never more than fit above the footer, and never
    // none: a large font on a small page would otherwise divide by zero.
    const int classic = (verticalPixels - kTopMargin) / h - 5;
    const int room = (m.footerTop - h / 2 - m.rowsTop) / h;
    m.linesPerPage = std::max(1, std::min(classic, room));
    return m;
}

int CDrucken::LinesPerPage(int verticalPixels, int lineHeight) {
    return Layout(0, verticalPixels, lineHeight).linesPerPage;
}

void CDrucken::Begin(QPaintDevice& device) {
    const QFontMetrics metrics(m_font, &device);
    m_metrics = Layout(device.width(), device.height(), metrics.lineSpacing());
    m_pageStarts.clear();
    for (size_t k = 0; k < m_channels.size(); k += static_cast<size_t>(m_metrics.linesPerPage)) {
        m_pageStarts.push_back(m_channelTableIndex[k]);
    }
}

int CDrucken::PageCount() const {
    return std::max<int>(1, static_cast<int>(m_pageStarts.size()));
}

int CDrucken::X(int logical) const {
    return static_cast<int>((kLeftMargin + logical) * m_metrics.xScale);
}

void CDrucken::DrawLeft(QPainter& painter, int left, int right, int y, const QString& text) const {
    const int width = std::max(1, X(right) - X(left) - m_metrics.lineHeight / 4);
    const QString fitted = painter.fontMetrics().elidedText(text, Qt::ElideRight, width);
    painter.drawText(QRect(X(left), y, width, m_metrics.lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, fitted);
}

void CDrucken::DrawRight(QPainter& painter, int right, int y, const QString& text) const {
    const int width = painter.fontMetrics().horizontalAdvance(text) + 1;
    painter.drawText(QRect(X(right) - width, y, width, m_metrics.lineHeight),
                     Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

void CDrucken::PaintPage(QPainter& painter, int page) const {
    painter.save();
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    PaintHeader(painter);
    if (m_pageStarts.empty()) {
        painter.drawText(X(500 - kLeftMargin), static_cast<int>(500 * m_metrics.yScale),
                         tr("There are no channels to print in this selection."));
    } else {
        const size_t first = static_cast<size_t>(std::max(page - 1, 0)) *
                             static_cast<size_t>(m_metrics.linesPerPage);
        const size_t end =
            std::min(m_channels.size(), first + static_cast<size_t>(m_metrics.linesPerPage));
        for (size_t k = first; k < end; ++k) {
            PaintRow(painter, *m_channels[k], static_cast<int>(k),
                     m_metrics.rowsTop + static_cast<int>(k - first) * m_metrics.lineHeight);
        }
    }
    PaintFooter(painter, page);
    painter.restore();
}

void CDrucken::PaintHeader(QPainter& painter) const {
    QFont bold = m_font;
    bold.setBold(true);
    painter.setFont(bold);
    const QString kind = m_fill.tv ? tr("TV channels") : tr("Radio channels");
    DrawLeft(painter, 0, static_cast<int>(kPageWidth) - 2 * kLeftMargin, m_metrics.headerTop,
             QStringLiteral("%1 \u2013 %2").arg(m_headline.selection, kind));
    const ColumnTitle titles[] = {
        {150, "#"},      {540, nullptr},  {1570, nullptr}, {2260, nullptr},  {3040, "SID"},
        {3370, "V-PID"}, {3700, "A-PID"}, {4030, "P-PID"}, {4360, "\u20AC"}, {4470, "G"},
    };
    const QString translated[] = {tr("Name"), tr("Satellite"), tr("Transponder")};
    int next = 0;
    for (size_t i = 0; i < std::size(titles); ++i) {
        const QString text =
            titles[i].fixed ? QString::fromUtf8(titles[i].fixed) : translated[next++];
        const int right = i + 1 < std::size(titles) ? titles[i + 1].left : 4650;
        DrawLeft(painter, titles[i].left, right, m_metrics.columnTitleTop, text);
    }
    const int lineY = m_metrics.columnTitleTop + m_metrics.lineHeight + m_metrics.lineHeight / 8;
    painter.drawLine(X(0), lineY, X(4650), lineY);
    painter.setFont(m_font);
}

void CDrucken::PaintRow(QPainter& painter, const CChannelData& channel, int position, int y) const {
    const int number =
        ChannelNumber(channel, position, m_favouriteSequence && m_fill.mode == ListMode::Favourite,
                      m_configOptionFlag);
    DrawRight(painter, 450, y, QString::asprintf("%4i", number));
    DrawLeft(painter, 540, 1570, y, ChannelName(m_file, channel));
    if (const CTransponderData* t = UsableTransponder(m_file, channel)) {
        DrawLeft(painter, 1570, 2260, y, SatelliteName(m_file, *t));
        DrawLeft(painter, 2260, 3040, y,
                 QStringLiteral("%1 %2 %3")
                     .arg(CellText(m_file, channel, kColFrequency, number),
                          CellText(m_file, channel, kColPolarisation, number),
                          CellText(m_file, channel, kColSymbolRate, number)));
    }
    for (const auto& value : kValueColumns) {
        DrawRight(painter, value.right, y,
                  CellText(m_file, channel, value.column, number).trimmed());
    }
}

void CDrucken::PaintFooter(QPainter& painter, int page) const {
    const int y = m_metrics.footerTop;
    DrawLeft(painter, 0, 2000, y, QStringLiteral("%1: %2").arg(tr("Page")).arg(page));
    DrawRight(painter, 4650, y, m_headline.documentName);
}

bool CDrucken::Print(QPagedPaintDevice& device, int fromPage, int toPage) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    Begin(device);
    const int last = PageCount();
    const int first = std::clamp(fromPage > 0 ? fromPage : 1, 1, last);
    const int end = toPage > 0 ? std::min(toPage, last) : last;
    for (int page = first; page <= end; ++page) {
        if (page != first) {
            device.newPage();
        }
        PaintPage(painter, page);
    }
    return painter.end();
}

} // namespace tarnell
