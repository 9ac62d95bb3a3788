#include "CPieChartWnd.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace tarnell {

namespace {

constexpr int kFullCircle = 360 * 16;
constexpr int kHalfCircle = 180 * 16;
constexpr QRgb kEdgeColour = 0xFFB4B4B4;
constexpr QRgb kLegendBackground = 0xFFDCDCC8;
// The disc leans back by up to 80 degrees; its side is this part of its radius high.
constexpr double kDegreesPerTilt = 4.0;
constexpr double kDepth = 0.35;

QPointF OnEllipse(const QRectF& rect, int angle16) {
    const double radians = angle16 / 16.0 * std::numbers::pi / 180.0;
    return {rect.center().x() + rect.width() / 2 * std::cos(radians),
            rect.center().y() - rect.height() / 2 * std::sin(radians)};
}

} // namespace

CPieChartWnd::CPieChartWnd(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CPieChartWnd::SetTitle(const QString& title) {
    m_title = title;
    update();
}

void CPieChartWnd::AddSlice(const QString& label, double value, const QColor& colour) {
    m_slices.push_back({label, std::max(value, 0.0), colour});
    update();
}

void CPieChartWnd::SetRotation(int degrees) {
    m_rotation = std::clamp(degrees, 0, 360);
    update();
}

void CPieChartWnd::SetTilt(int tilt) {
    m_tilt = std::clamp(tilt, 0, kMaxTilt);
    update();
}

std::vector<CPieChartWnd::Angles> CPieChartWnd::SliceAngles(const std::vector<double>& values,
                                                            int rotationDegrees) {
    std::vector<Angles> angles;
    angles.reserve(values.size());
    const double total = std::accumulate(values.begin(), values.end(), 0.0);
    double sum = 0;
    int previous = 0;
    for (const double value : values) {
        sum += std::max(value, 0.0);
        const int end = total > 0 ? static_cast<int>(std::lround(sum / total * kFullCircle)) : 0;
        angles.push_back({rotationDegrees * 16 + previous, end - previous});
        previous = end;
    }
    return angles;
}

QString CPieChartWnd::ShareText(double value, double total) {
    return QString::asprintf("%.2f%%", total > 0 ? value / total * 100.0 : 0.0);
}

void CPieChartWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, rect());
}

void CPieChartWnd::Paint(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, palette().color(QPalette::Button));
    const QFontMetricsF metrics(painter.font());
    QRectF body = area.adjusted(8, 8, -8, -8);
    if (!m_title.isEmpty()) {
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(palette().color(QPalette::ButtonText));
        const QRectF titleRect(body.left(), body.top(), body.width(), metrics.height() * 1.5);
        painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignTop, m_title);
        painter.setFont(font());
        body.setTop(titleRect.bottom());
    }
    const double legendWidth = std::min(LegendWidth(), body.width() / 2);
    PaintPie(painter,
             QRectF(body.left(), body.top(), body.width() - legendWidth - 8, body.height()));
    PaintLegend(painter,
                QRectF(body.right() - legendWidth, body.top(), legendWidth, body.height()));
    painter.restore();
}

void CPieChartWnd::PaintPie(QPainter& painter, const QRectF& area) const {
    const double lean = m_tilt * kDegreesPerTilt * std::numbers::pi / 180.0;
    const double squash = std::cos(lean);
    const double depthPart = kDepth * std::sin(lean);
    const double radius =
        std::max(0.0, std::min(area.width() / 2, area.height() / (2 * squash + depthPart)));
    const double depth = radius * depthPart;
    const QRectF top(area.center().x() - radius, area.center().y() - (radius * squash + depth / 2),
                     2 * radius, 2 * radius * squash);
    const QRectF bottom = top.translated(0, depth);

    std::vector<double> values;
    for (const auto& slice : m_slices) {
        values.push_back(slice.value);
    }
    const auto angles = SliceAngles(values, m_rotation);
    const QColor edge = QColor::fromRgba(kEdgeColour);

    // The side walls: only the front half of the rim is seen.
    if (depth > 0.5) {
        for (size_t i = 0; i < m_slices.size(); ++i) {
            int from = ((angles[i].start % kFullCircle) + kFullCircle) % kFullCircle;
            const int to = from + angles[i].span;
            while (from < to) {
                const int half = from / kHalfCircle;
                const int until = std::min(to, (half + 1) * kHalfCircle);
                if (half % 2 == 1) {
                    QPainterPath wall(OnEllipse(bottom, from));
                    wall.arcTo(bottom, from / 16.0, (until - from) / 16.0);
                    wall.lineTo(OnEllipse(top, until));
                    wall.arcTo(top, until / 16.0, -(until - from) / 16.0);
                    wall.closeSubpath();
                    // Lit from the front left: the rim darkens towards the right.
                    QLinearGradient shade(top.left(), 0, top.right(), 0);
                    shade.setColorAt(0, m_slices[i].colour.darker(115));
                    shade.setColorAt(1, m_slices[i].colour.darker(175));
                    painter.setPen(QPen(edge.darker(140), 1));
                    painter.setBrush(shade);
                    painter.drawPath(wall);
                }
                from = until;
            }
        }
    }
    painter.setPen(QPen(edge.lighter(110), 1));
    for (size_t i = 0; i < m_slices.size(); ++i) {
        if (angles[i].span == 0) {
            continue;
        }
        painter.setBrush(m_slices[i].colour);
        if (angles[i].span >= kFullCircle) {
            painter.drawEllipse(top);
        } else {
            painter.drawPie(top, angles[i].start, angles[i].span);
        }
    }
}

double CPieChartWnd::LegendWidth() const {
    const QFontMetricsF metrics(font());
    double labels = 0;
    for (const auto& slice : m_slices) {
        labels = std::max(labels, metrics.horizontalAdvance(slice.label));
    }
    const double box = metrics.height();
    return box + labels + metrics.horizontalAdvance(QStringLiteral("100.00%")) + 4 * box;
}

void CPieChartWnd::PaintLegend(QPainter& painter, const QRectF& area) const {
    if (m_slices.empty()) {
        return;
    }
    const QFontMetricsF metrics(painter.font());
    const double row = metrics.height() * 1.4;
    const double box = metrics.height() * 0.8;
    const double height = row * static_cast<double>(m_slices.size()) + row / 2;
    const QRectF legend(area.left(), area.center().y() - height / 2, area.width(), height);
    painter.setPen(QPen(QColor::fromRgba(kEdgeColour).darker(140), 1));
    painter.setBrush(QColor::fromRgba(kLegendBackground));
    painter.drawRect(legend);

    double total = 0;
    for (const auto& slice : m_slices) {
        total += slice.value;
    }
    const double shareWidth = metrics.horizontalAdvance(QStringLiteral("100.00%"));
    double y = legend.top() + row / 4;
    for (const auto& slice : m_slices) {
        const QRectF boxRect(legend.left() + box / 2, y + (row - box) / 2, box, box);
        painter.setPen(Qt::black);
        painter.setBrush(slice.colour);
        painter.drawRect(boxRect);
        const QRectF labelRect(boxRect.right() + box / 2, y,
                               legend.right() - boxRect.right() - shareWidth - 1.5 * box, row);
        painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(slice.label, Qt::ElideRight, labelRect.width()));
        // Right-aligned in a column as wide as "100.00%", so shares below 10 line up too.
        const QRectF shareRect(legend.right() - shareWidth - box / 2, y, shareWidth, row);
        painter.drawText(shareRect, Qt::AlignRight | Qt::AlignVCenter,
                         ShareText(slice.value, total));
        y += row;
    }
}

} // namespace tarnell
