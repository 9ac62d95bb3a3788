#include "CChannelSearchCommands.h"

#include "CChannelData.h"
#include "CChannelListModel.h"
#include "CChannelSucheDlg.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CDocumentWindows.h"
#include "CMainFrame.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"

#include <QAction>
#include <QDockWidget>
#include <QPointer>

namespace tarnell {

CChannelSearchCommands::CChannelSearchCommands(CMainFrame& frame, CCommandRegistry& commands)
    : QObject(&frame), m_frame(frame) {
    m_pane = new CChannelSucheDlg;
    m_pane->setObjectName(QStringLiteral("channelSearch"));
    frame.Panes().Pane(kPaneSearch)->setWidget(m_pane);
    commands.Get(kCmdSearchPane)
        ->setShortcuts(CCommandRegistry::Keys(Qt::CTRL | Qt::Key_F, QKeySequence::Find));
    connect(&frame.Windows(), &CDocumentWindows::ActiveChanged, this,
            &CChannelSearchCommands::OnActiveChanged);
    // The numbering switch sends no hint of its own.
    connect(commands.Get(kCmdToggleNumbering), &QAction::triggered, m_pane,
            &CChannelSucheDlg::Search);
    connect(m_pane, &CChannelSucheDlg::ChannelChosen, this, &CChannelSearchCommands::Select);
}

void CChannelSearchCommands::OnActiveChanged() {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        m_pane->Clear();
        return;
    }
    QPointer<CChildFrame> window(child);
    m_pane->SetSource(child->Document(), child, [window] {
        return window ? CChannelSucheDlg::View{window->ShowsTv(), window->Numbering()}
                      : CChannelSucheDlg::View{};
    });
}

void CChannelSearchCommands::Select(CChannelData* channel) {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child || &child->Document() != m_pane->Document()) {
        return;
    }
    CTarnell1018View* list = child->List();
    // The list may show a satellite or a favourite list without it: show the whole kind.
    if (list->Model()->RowOf(channel) < 0) {
        const bool tv = child->ShowsTv();
        list->Fill({ListMode::AllChannels, tv ? 0 : 1, tv});
    }
    list->SelectChannels({channel});
    list->ScrollSelectionToMiddle();
}

} // namespace tarnell
