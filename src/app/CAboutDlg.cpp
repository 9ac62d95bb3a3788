#include "CAboutDlg.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

namespace {

constexpr int kIconSize = 64;
constexpr int kMargin = 12;
constexpr int kTitleBand = 48;

} // namespace

CAboutCtrl::CAboutCtrl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("aboutCtrl"));
    setFont(TextFont());
    m_lines = {
        tr("Version %1").arg(QStringLiteral(TARNELL_VERSION)),
        tr("Service lists and settings of Octagon SF 1018 and SF 1028 receivers"),
        QString(),
        tr("Thanks to every receiver owner who shared a list and tested the transfers."),
        tr("Built with Qt %1, running on Qt %2.")
            .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())),
    };
}

QFont CAboutCtrl::TextFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QSize CAboutCtrl::sizeHint() const {
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : m_lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int textHeight = static_cast<int>(m_lines.size()) * metrics.lineSpacing();
    return {kIconSize + 2 * kMargin + width + kMargin,
            std::max(kIconSize, textHeight) + 2 * kMargin};
}

void CAboutCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The program's own icon: drawn from the SVG, so that it stays sharp at any scale.
    const QIcon icon = QGuiApplication::windowIcon().isNull()
                           ? QIcon(QStringLiteral(":/icons/tarnell1018.png"))
                           : QGuiApplication::windowIcon();
    icon.paint(&painter, QRect(kMargin, kMargin, kIconSize, kIconSize));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    int y = kMargin + metrics.ascent();
    const int x = kIconSize + 2 * kMargin;
    for (int i = 0; i < m_lines.size(); ++i) {
        // The version line stands out a little.
        QFont lineFont = font();
        lineFont.setBold(i == 0);
        painter.setFont(lineFont);
        painter.drawText(x, y, m_lines[i]);
        y += metrics.lineSpacing();
    }
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Tarnell 1018"));
    m_control = new CAboutCtrl(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin + kTitleBand, kMargin, kMargin);
    layout->addWidget(m_control, 1);
    layout->addWidget(buttons);
    // Never narrower than the title above it.
    const QFontMetrics title(TitleFont());
    m_control->setMinimumWidth(title.horizontalAdvance(TitleText()) + 2 * kMargin);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::TitleText() {
    return QStringLiteral("Tarnell 1018");
}

QFont CAboutDlg::TitleFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(kTitlePixels);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QRect CAboutDlg::TitleRect() const {
    return {0, kMargin, width(), kTitleBand};
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(TitleFont());
    painter.setPen(QColor(0x1e, 0x3f, 0x73));
    painter.drawText(TitleRect(), Qt::AlignHCenter | Qt::AlignVCenter, TitleText());
}

} // namespace tarnell
