#include "CDesktopAlert.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tarnell {

namespace {

constexpr int kSlideMs = 300;
constexpr int kMargin = 16;

} // namespace

CDesktopAlert::CDesktopAlert(const QString& title, const QString& body, QWidget* parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("desktopAlert"));
    setStyleSheet(QStringLiteral("#desktopAlert { background: #f3f5f8; border: 1px solid #2b579a; }"
                                 "#desktopAlertTitle { background: #2b579a; color: white;"
                                 " font-weight: bold; padding: 3px 6px; }"
                                 "#desktopAlertBody { padding: 8px; }"));
    setWindowOpacity(kOpacity);
    setMinimumWidth(300);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("desktopAlertTitle"));
    layout->addWidget(m_title);
    m_body = new QLabel(body, this);
    m_body->setObjectName(QStringLiteral("desktopAlertBody"));
    m_body->setWordWrap(true);
    layout->addWidget(m_body);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(kLifetimeMs);
    connect(m_closeTimer, &QTimer::timeout, this, &QWidget::close);
}

QString CDesktopAlert::Title() const {
    return m_title->text();
}

QString CDesktopAlert::Body() const {
    return m_body->text();
}

void CDesktopAlert::Popup() {
    adjustSize();
    QRect area(0, 0, 800, 600);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    const QPoint shown(area.right() - width() - kMargin, area.bottom() - height() - kMargin);
    const QPoint hidden(shown.x(), area.bottom());
    move(hidden);
    show();
    auto* slide = new QPropertyAnimation(this, "pos", this);
    slide->setDuration(kSlideMs);
    slide->setStartValue(hidden);
    slide->setEndValue(shown);
    slide->setEasingCurve(QEasingCurve::OutCubic);
    slide->start(QAbstractAnimation::DeleteWhenStopped);
    m_closeTimer->start();
}

} // namespace tarnell
