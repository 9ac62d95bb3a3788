#pragma once

#include "DocumentStatistics.h"

#include <QDialog>

class QSlider;

namespace tarnell {

class CPieChartWnd;

// The counts of a settings file and the pie of its channels: free and scrambled, SD and HD, TV
// and radio. Shows; changes nothing.
class CStatistikDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kInitialRotation = 70;
    static constexpr int kInitialTilt = 7;

    explicit CStatistikDlg(const DocumentStatistics& statistics, QWidget* parent = nullptr);

    CPieChartWnd* Chart() const { return m_chart; }
    QSlider* RotationSlider() const { return m_rotation; }
    QSlider* TiltSlider() const { return m_tilt; }

private:
    CPieChartWnd* m_chart = nullptr;
    QSlider* m_rotation = nullptr;
    QSlider* m_tilt = nullptr;
};

} // namespace tarnell
