#include "CStatistikDlg.h"

#include "CPieChartWnd.h"
#include "HelpTopic.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

namespace {

// Tables that contradict each other can make a difference negative; nobody has -3 channels.
QString Count(int value) {
    return QString::number(std::max(value, 0));
}

QSlider* MakeSlider(const QString& name, int maximum, int position, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(0, maximum);
    slider->setValue(position);
    return slider;
}

} // namespace

CStatistikDlg::CStatistikDlg(const DocumentStatistics& s, QWidget* parent) : QDialog(parent) {
    SetHelpTopic(this, "statistics");
    setObjectName(QStringLiteral("statisticsDialog"));
    setWindowTitle(tr("Statistics"));
    setSizeGripEnabled(true);

    m_chart = new CPieChartWnd(this);
    m_chart->setObjectName(QStringLiteral("pieChart"));
    m_chart->SetTitle(tr("Channels by kind"));
    const QString tv = tr("TV");
    const QString radio = tr("Radio");
    const auto slices = s.PieSlices();
    const std::pair<QString, QRgb> looks[DocumentStatistics::kSliceCount] = {
        {QStringLiteral("%1 SD fta").arg(tv), 0xFF6495ED},
        {QStringLiteral("%1 HD fta ").arg(tv), 0xFF9ACD32},
        {QStringLiteral("%1 SD \u20AC").arg(tv), 0xFF006400},
        {QStringLiteral("%1 HD \u20AC").arg(tv), 0xFFB0C4DE},
        {radio, 0xFFCD5C5C},
        {QStringLiteral("%1 \u20AC").arg(radio), 0xFFDC143C},
    };
    for (size_t i = 0; i < slices.size(); ++i) {
        m_chart->AddSlice(looks[i].first, slices[i], QColor::fromRgba(looks[i].second));
    }

    auto* counts = new QGroupBox(tr("Service list"), this);
    auto* form = new QFormLayout(counts);
    const auto addRow = [form, counts](const QString& label, const QString& value,
                                       const char* name) {
        auto* text = new QLabel(value, counts);
        text->setObjectName(QLatin1String(name));
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, text);
    };
    addRow(tr("TV channels:"), Count(s.tv), "tvCount");
    addRow(tr("Radio channels:"), Count(s.radio), "radioCount");
    addRow(tr("All channels:"), Count(std::max(s.tv, 0) + std::max(s.radio, 0)), "channelCount");
    addRow(tr("Used transponders:"), Count(s.usedTransponders), "transponderCount");
    addRow(tr("Satellites:"), Count(s.satellites), "satelliteCount");
    addRow(tr("Timers:"), Count(s.timers), "timerCount");
    addRow(tr("File:"), QString::fromStdString(s.text), "fileText");

    m_rotation = MakeSlider(QStringLiteral("slider_1114"), 360, kInitialRotation, this);
    m_tilt = MakeSlider(QStringLiteral("slider_1115"), CPieChartWnd::kMaxTilt, kInitialTilt, this);
    m_chart->SetRotation(kInitialRotation);
    m_chart->SetTilt(kInitialTilt);
    connect(m_rotation, &QSlider::valueChanged, m_chart, &CPieChartWnd::SetRotation);
    connect(m_tilt, &QSlider::valueChanged, m_chart, &CPieChartWnd::SetTilt);
    auto* sliders = new QFormLayout;
    sliders->addRow(tr("Rotation:"), m_rotation);
    sliders->addRow(tr("Tilt:"), m_tilt);

    auto* side = new QVBoxLayout;
    side->addWidget(counts);
    side->addLayout(sliders);
    side->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(buttons);

    // The chart takes the room left of the counts and grows with the dialog.
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_chart, 1);
    layout->addLayout(side);
    resize(860, 440);
}

} // namespace tarnell
