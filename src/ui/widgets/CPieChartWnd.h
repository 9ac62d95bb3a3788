#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace tarnell {

// A tilted, three-dimensional pie with a legend, turned and tilted by the statistics dialog's
// sliders. Painting goes through Paint(), so an image can be drawn the same way as the widget.
class CPieChartWnd : public QWidget {
    Q_OBJECT
public:
    struct Slice {
        QString label;
        double value = 0;
        QColor colour;
    };
    // Where a slice lies on the disc, in 1/16 degree counter-clockwise from three o'clock.
    struct Angles {
        int start = 0;
        int span = 0;
    };
    static constexpr int kMaxTilt = 20;

    explicit CPieChartWnd(QWidget* parent = nullptr);

    void SetTitle(const QString& title);
    void AddSlice(const QString& label, double value, const QColor& colour);
    const std::vector<Slice>& Slices() const { return m_slices; }
    // Degrees from 0 to 360 where the first slice starts.
    void SetRotation(int degrees);
    // 0 looks at the disc from straight above, kMaxTilt from nearly its side.
    void SetTilt(int tilt);

    // The slices' places from the rounded running sum, so that they always close the circle and
    // a slice of 0 takes no room. All spans are 0 when every value is 0.
    static std::vector<Angles> SliceAngles(const std::vector<double>& values, int rotationDegrees);
    // "12.34%": the legend's share of one slice, 0.00% when there is nothing to share.
    static QString ShareText(double value, double total);

    void Paint(QPainter& painter, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintPie(QPainter& painter, const QRectF& area) const;
    void PaintLegend(QPainter& painter, const QRectF& area) const;
    double LegendWidth() const;

    QString m_title;
    std::vector<Slice> m_slices;
    int m_rotation = 70;
    int m_tilt = 7;
};

} // namespace tarnell
