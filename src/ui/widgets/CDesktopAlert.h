#pragma once

#include <QFrame>

class QLabel;
class QTimer;

namespace tarnell {

// A small translucent note that slides in at the bottom right of the screen and closes itself.
class CDesktopAlert : public QFrame {
    Q_OBJECT
public:
    static constexpr int kLifetimeMs = 5000;
    static constexpr qreal kOpacity = 200.0 / 255.0;

    CDesktopAlert(const QString& title, const QString& body, QWidget* parent = nullptr);

    // Slides in and starts the countdown.
    void Popup();
    QString Title() const;
    QString Body() const;
    const QTimer* CloseTimer() const { return m_closeTimer; }

private:
    QLabel* m_title = nullptr;
    QLabel* m_body = nullptr;
    QTimer* m_closeTimer = nullptr;
};

} // namespace tarnell
