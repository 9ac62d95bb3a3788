#pragma once

#include <QList>
#include <QMdiArea>
#include <QObject>
#include <QPointer>

class QMdiSubWindow;

namespace tarnell {

class CChildFrame;

// Knows which document window the user is working in. QMdiArea's own answer cannot be trusted:
// in the tabbed view (Qt 6.4) it forgets the current window as soon as the application window
// is activated, and it has none while another program has the focus. Here the shown tab
// decides in the tabbed view, and the last activated window otherwise.
class CDocumentWindows : public QObject {
    Q_OBJECT
public:
    explicit CDocumentWindows(QMdiArea& area);

    QMdiSubWindow* ActiveWindow() const;
    CChildFrame* ActiveChild() const;
    // In the order of their tabs.
    QList<CChildFrame*> Children() const;
    // A window just added to the area, made the active one.
    void Add(QMdiSubWindow* window);
    // Shows the window and gives it the keyboard.
    void Activate(QMdiSubWindow* window);
    void Activate(CChildFrame& child);
    void SetViewMode(QMdiArea::ViewMode mode);

signals:
    // The active document window changed (or the last one closed).
    void ActiveChanged();

private:
    void OnSubWindowActivated(QMdiSubWindow* window);
    void WatchTabBar();
    void Check();

    QMdiArea& m_area;
    QPointer<QMdiSubWindow> m_lastActivated;
    QPointer<QMdiSubWindow> m_reported;
    QMetaObject::Connection m_tabConnection;
    bool m_reportedNone = true;
};

} // namespace tarnell
