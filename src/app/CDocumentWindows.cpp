#include "CDocumentWindows.h"

#include "CChildFrame.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTabBar>

namespace tarnell {

CDocumentWindows::CDocumentWindows(QMdiArea& area) : QObject(&area), m_area(area) {
    connect(&m_area, &QMdiArea::subWindowActivated, this, &CDocumentWindows::OnSubWindowActivated);
    // Focus coming back from another program or a dialog may change what QMdiArea reports,
    // never what the user sees; looking again costs nothing when nothing changed.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &CDocumentWindows::Check);
    WatchTabBar();
}

QMdiSubWindow* CDocumentWindows::ActiveWindow() const {
    const QList<QMdiSubWindow*> windows = m_area.subWindowList();
    if (windows.isEmpty()) {
        return nullptr;
    }
    if (m_area.viewMode() == QMdiArea::TabbedView) {
        // The area keeps its window list in tab order, also after tabs were dragged.
        if (auto* tabs = m_area.findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)) {
            const int index = tabs->currentIndex();
            if (index >= 0 && index < windows.size()) {
                return windows[index];
            }
        }
    }
    if (QMdiSubWindow* window = m_area.activeSubWindow()) {
        return window;
    }
    if (m_lastActivated && windows.contains(m_lastActivated.data())) {
        return m_lastActivated;
    }
    if (QMdiSubWindow* window = m_area.currentSubWindow()) {
        return window;
    }
    return m_area.subWindowList(QMdiArea::StackingOrder).constLast();
}

CChildFrame* CDocumentWindows::ActiveChild() const {
    QMdiSubWindow* window = ActiveWindow();
    return window ? qobject_cast<CChildFrame*>(window->widget()) : nullptr;
}

QList<CChildFrame*> CDocumentWindows::Children() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : m_area.subWindowList()) {
        if (auto* child = qobject_cast<CChildFrame*>(window->widget())) {
            children.append(child);
        }
    }
    return children;
}

void CDocumentWindows::Add(QMdiSubWindow* window) {
    // Closing the last window leaves none active and the area says nothing.
    connect(window, &QObject::destroyed, this, &CDocumentWindows::Check, Qt::QueuedConnection);
    Activate(window);
}

void CDocumentWindows::Activate(QMdiSubWindow* window) {
    if (!window) {
        return;
    }
    m_lastActivated = window;
    m_area.setActiveSubWindow(window);
    if (QWidget* widget = window->widget()) {
        // The area does not always pass the focus on in the tabbed view; keys must reach the
        // window the user now sees.
        if (!widget->isAncestorOf(QApplication::focusWidget())) {
            widget->setFocus(Qt::OtherFocusReason);
        }
    }
    Check();
}

void CDocumentWindows::Activate(CChildFrame& child) {
    Activate(qobject_cast<QMdiSubWindow*>(child.parentWidget()));
}

void CDocumentWindows::SetViewMode(QMdiArea::ViewMode mode) {
    QMdiSubWindow* active = ActiveWindow();
    m_area.setViewMode(mode);
    // The area makes a new tab bar each time it turns to tabs.
    WatchTabBar();
    Activate(active);
}

void CDocumentWindows::OnSubWindowActivated(QMdiSubWindow* window) {
    if (window) {
        m_lastActivated = window;
    }
    Check();
}

void CDocumentWindows::WatchTabBar() {
    disconnect(m_tabConnection);
    if (auto* tabs = m_area.findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        m_tabConnection = connect(tabs, &QTabBar::currentChanged, this, &CDocumentWindows::Check);
    }
}

void CDocumentWindows::Check() {
    QMdiSubWindow* active = ActiveWindow();
    if (active == m_reported.data() && (active != nullptr || m_reportedNone)) {
        return;
    }
    m_reported = active;
    m_reportedNone = active == nullptr;
    emit ActiveChanged();
}

} // namespace tarnell
