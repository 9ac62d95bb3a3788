#include "CDockPanes.h"

#include "CCommandRegistry.h"
#include "CommandIcons.h"
#include "CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

namespace tarnell {

CDockPanes::CDockPanes(QMainWindow& frame, CCommandRegistry& commands)
    : QObject(&frame), m_frame(frame), m_commands(commands) {
    m_frame.setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks |
                           QMainWindow::AllowTabbedDocks);
    QDockWidget* satellite = MakePane(kPaneSatellite, kCmdSatellitePane, tr("Satellite"),
                                      tr("Select a satellite in the tree to edit it here."));
    QDockWidget* transponder = MakePane(kPaneTransponder, kCmdTransponderPane, tr("Transponder"),
                                        tr("Select a transponder in the tree to edit it here."));
    QDockWidget* channel = MakePane(kPaneChannel, kCmdChannelPane, tr("Channel"),
                                    tr("Select a channel in the list to edit it here."));
    QDockWidget* search = MakePane(kPaneSearch, kCmdSearchPane, tr("Channel Search"),
                                   tr("Type part of a channel name to find it."));
    m_frame.addDockWidget(Qt::RightDockWidgetArea, satellite);
    m_frame.tabifyDockWidget(satellite, transponder);
    m_frame.tabifyDockWidget(transponder, channel);
    m_frame.addDockWidget(Qt::BottomDockWidgetArea, search);
    // Out of the way until the user asks for them; the window remembers them from then on.
    for (const auto& [id, pane] : m_panes) {
        pane->hide();
    }
}

QDockWidget* CDockPanes::MakePane(int paneId, int command, const QString& title,
                                  const QString& hint) {
    auto* pane = new QDockWidget(title, &m_frame);
    pane->setObjectName(QStringLiteral("pane_%1").arg(paneId));
    pane->setAllowedAreas(Qt::AllDockWidgetAreas);
    pane->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                      QDockWidget::DockWidgetFloatable);
    auto* placeholder = new QLabel(hint, pane);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setWordWrap(true);
    placeholder->setMargin(12);
    placeholder->setEnabled(false);
    pane->setWidget(placeholder);

    QAction* toggle = m_commands.Add(command, title, CommandIcon(command));
    toggle->setCheckable(true);
    const bool search = paneId == kPaneSearch;
    connect(toggle, &QAction::triggered, pane, [pane, toggle, search](bool on) {
        // The search's key (Ctrl+F) must bring it to the user wherever the focus is; it hides
        // the pane only from inside it.
        const QWidget* focus = QApplication::focusWidget();
        if (search && !on && !(focus && pane->isAncestorOf(focus))) {
            toggle->setChecked(true);
            on = true;
        }
        pane->setVisible(on);
        if (on) {
            pane->raise();
            if (QWidget* content = pane->widget(); content && content->isEnabled()) {
                content->setFocus(Qt::ShortcutFocusReason);
            }
        }
    });
    connect(pane, &QDockWidget::visibilityChanged, toggle,
            [pane, toggle] { toggle->setChecked(!pane->isHidden()); });
    m_panes[paneId] = pane;
    m_commandOfPane[paneId] = command;
    return pane;
}

QDockWidget* CDockPanes::Pane(int paneId) const {
    const auto found = m_panes.find(paneId);
    return found == m_panes.end() ? nullptr : found->second;
}

void CDockPanes::AddToggles(QMenu& menu) const {
    for (const int paneId : {kPaneSatellite, kPaneTransponder, kPaneChannel, kPaneSearch}) {
        menu.addAction(m_commands.Get(m_commandOfPane.at(paneId)));
    }
}

} // namespace tarnell
