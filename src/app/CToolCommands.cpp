#include "CToolCommands.h"

#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CSettingsOptionsPropSheet.h"
#include "CStatistikDlg.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CTimerDlg.h"
#include "CommandIcons.h"
#include "CommandIds.h"

#include <QAction>
#include <QPointer>
#include <QTableView>

namespace tarnell {

CToolCommands::CToolCommands(CMainFrame& frame, CCommandRegistry& commands)
    : QObject(&frame), m_frame(frame), m_commands(commands) {
    connect(m_commands.Add(kCmdStatistics, tr("Statistics"), CommandIcon(kCmdStatistics)),
            &QAction::triggered, this, &CToolCommands::ShowStatistics);
    connect(m_commands.Add(kCmdTimers, tr("Timers"), CommandIcon(kCmdTimers)), &QAction::triggered,
            this, &CToolCommands::ShowTimers);
    connect(m_commands.Get(kCmdReceiverConfig), &QAction::triggered, this,
            [this] { ShowReceiverConfig(); });
    m_commands.Get(kCmdStatistics)->setEnabled(false);
    m_commands.Get(kCmdTimers)->setEnabled(false);
    m_commands.Get(kCmdReceiverConfig)->setEnabled(false);
}

void CToolCommands::Update() {
    const bool hasDocument = m_frame.ActiveChild() != nullptr;
    m_commands.Get(kCmdStatistics)->setEnabled(hasDocument);
    m_commands.Get(kCmdTimers)->setEnabled(hasDocument);
    const CChildFrame* child = m_frame.ActiveChild();
    m_commands.Get(kCmdReceiverConfig)->setEnabled(child && child->Document().IsConfigPresent());
}

void CToolCommands::ShowStatistics() {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    // Opened without a nested event loop; it reads the counts once and changes nothing.
    auto* dialog = new CStatistikDlg(child->Document().GetStatistics(), &m_frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void CToolCommands::ShowTimers() {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    const QPointer<CChildFrame> window(child);
    const auto selectChannel = [window](const CChannelData* channel) {
        if (!window || !channel) {
            return;
        }
        CTarnell1018View* list = window->List();
        auto* target = const_cast<CChannelData*>(channel);
        list->SelectChannels({target});
        // A channel the shown node leaves out is shown among all channels of its kind.
        if (list->SelectedChannels().empty() && channel->IsTv() == window->ShowsTv()) {
            list->Fill({ListMode::AllChannels, channel->IsTv() ? 0 : 1, window->ShowsTv()});
            list->SelectChannels({target});
        }
        list->ScrollSelectionToMiddle();
    };
    auto* dialog = new CTimerDlg(child->Document(), selectChannel, &m_frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The list takes the focus back, on the channel the last click selected.
    connect(dialog, &QDialog::finished, this, [window] {
        if (window) {
            window->List()->Table()->setFocus();
        }
    });
    dialog->open();
}

void CToolCommands::ShowReceiverConfig(int page) {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child || !child->Document().IsConfigPresent()) {
        return;
    }
    const QPointer<CChildFrame> window(child);
    auto* sheet = new CSettingsOptionsPropSheet(child->Document(), page, &m_frame);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [window] {
        if (window) {
            window->List()->Table()->setFocus();
        }
    });
    sheet->open();
}

} // namespace tarnell
