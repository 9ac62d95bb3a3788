#include "CImportCommands.h"

#include "CAppPreferences.h"
#include "CCommandRegistry.h"
#include "CImportDlg.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "IUserDialogs.h"

#include <QAction>
#include <QApplication>

namespace tarnell {

CImportCommands::CImportCommands(CMainFrame& frame, CCommandRegistry& commands,
                                 IUserDialogs& dialogs)
    : QObject(&frame), m_frame(frame), m_dialogs(dialogs) {
    const std::pair<int, int> modes[] = {{kCmdImportEnigma2, CImportDlg::kEnigma2},
                                         {kCmdImportOctagon918, CImportDlg::kUdb},
                                         {kCmdImportOctagonSd, CImportDlg::kBin}};
    for (const auto& [command, mode] : modes) {
        QAction* action = commands.Get(command);
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this, m = mode] { OpenDialog(m); });
    }
}

void CImportCommands::OpenDialog(int mode) {
    CImportDlg::Services services;
    services.askPath = [this](const QString& caption, const QStringList& filters,
                              const QString& current, bool folder) {
        QWidget* parent = QApplication::activeModalWidget();
        return m_dialogs.AskFileToRead(parent ? parent : &m_frame, caption, filters, current,
                                       folder);
    };
    services.showMessage = [this](QMessageBox::Icon icon, const QString& caption,
                                  const QString& text) {
        QWidget* parent = QApplication::activeModalWidget();
        m_dialogs.ShowMessage(parent ? parent : &m_frame, icon, caption, text);
    };
    services.open = [this](std::unique_ptr<CTarnell1018Doc> document, const QString& report) {
        m_frame.OpenAsNew(std::move(document));
        m_dialogs.ShowReport(&m_frame, CImportDlg::ReportCaption(), report);
    };
    services.favCodepage = m_frame.Preferences().favCodepage;
    auto* dialog = new CImportDlg(mode, std::move(services), &m_frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace tarnell
