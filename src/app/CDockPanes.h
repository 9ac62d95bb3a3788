#pragma once

#include <QObject>

#include <map>

class QDockWidget;
class QMainWindow;
class QMenu;

namespace tarnell {

class CCommandRegistry;

// The dockable panes of the main window: satellite, transponder and channel properties and the
// channel search. Each can dock on any side, float or be tabbed with the others; a command per
// pane shows or hides it. Their contents are set by the panes' own classes.
class CDockPanes : public QObject {
    Q_OBJECT
public:
    CDockPanes(QMainWindow& frame, CCommandRegistry& commands);

    // One of the PaneId values; nullptr for any other number.
    QDockWidget* Pane(int paneId) const;
    // The toggle commands of the panes, for a menu.
    void AddToggles(QMenu& menu) const;

private:
    QDockWidget* MakePane(int paneId, int command, const QString& title, const QString& hint);

    QMainWindow& m_frame;
    CCommandRegistry& m_commands;
    std::map<int, QDockWidget*> m_panes;
    std::map<int, int> m_commandOfPane;
};

} // namespace tarnell
