#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CAppPreferences.h"
#include "CChannelEditCommands.h"
#include "CChannelListCommands.h"
#include "CChannelSearchCommands.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CCompareCommands.h"
#include "CDesktopAlert.h"
#include "CDockPanes.h"
#include "CDocumentCommands.h"
#include "CDocumentWindows.h"
#include "CFavouriteColours.h"
#include "CImportCommands.h"
#include "CLeftView.h"
#include "CNetworkProfileArray.h"
#include "COptionsPropSheet.h"
#include "CPrintCommands.h"
#include "CPropertyPanes.h"
#include "CReceiverCommands.h"
#include "CRibbonBar.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CToolCommands.h"
#include "CommandDescriptions.h"
#include "CommandIds.h"
#include "FileIo.h"
#include "HelpTopic.h"
#include "IUserDialogs.h"
#include "LanguagePacks.h"
#include "LinkMessageTexts.h"
#include "UserConfigFolder.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>
#include <filesystem>

namespace tarnell {

namespace {

const QString kProgramTitle = QStringLiteral("Tarnell 1018");
const QString kGeometryKey = QStringLiteral("Workspace/WindowGeometry");
// Where the panes are docked and whether they show.
const QString kWindowStateKey = QStringLiteral("Workspace/WindowState");

} // namespace

CMainFrame::CMainFrame(CAppPreferences& preferences, IUserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_preferences(preferences), m_dialogs(dialogs) {
    SetHelpTopic(this, "index");
    setWindowTitle(kProgramTitle);
    setAcceptDrops(true);
    resize(1200, 760);

    m_commands = new CCommandRegistry(this);
    RegisterCommands();
    m_panes = new CDockPanes(*this, *m_commands);
    m_documentCommands = new CDocumentCommands(*this, *m_commands, m_dialogs);
    m_editCommands = new CChannelEditCommands(*this, *m_commands, m_dialogs, m_preferences);
    m_favouriteColours = new CFavouriteColours(*this, m_preferences, m_dialogs);
    m_receiver = new CReceiverCommands(*this, *m_commands, m_dialogs);
    m_tools = new CToolCommands(*this, *m_commands);
    m_compare = new CCompareCommands(*this, *m_commands, m_dialogs);
    connect(m_receiver, &CReceiverCommands::TransferFinished, m_compare,
            [this] { m_compare->Update(); });
    m_print = new CPrintCommands(*this, *m_commands, m_dialogs);
    RegisterStyleCommands();
    RegisterHelpCommands();

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setDocumentMode(true);
    m_mdiArea->setTabsClosable(true);
    m_mdiArea->setTabsMovable(true);
    if (auto* tabs = m_mdiArea->findChild<QTabBar*>()) {
        tabs->setExpanding(false);
        tabs->setElideMode(Qt::ElideMiddle);
    }
    auto* centre = new QWidget(this);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    centreLayout->addWidget(BuildCaptionBar());
    centreLayout->addWidget(m_mdiArea, 1);
    setCentralWidget(centre);
    m_windows = new CDocumentWindows(*m_mdiArea);
    connect(m_windows, &CDocumentWindows::ActiveChanged, this, &CMainFrame::OnActiveChildChanged);
    new CChannelSearchCommands(*this, *m_commands);
    new CImportCommands(*this, *m_commands, m_dialogs);
    new CPropertyPanes(*this);

    BuildRibbon();
    BuildStatusBar();
    m_listCommands = new CChannelListCommands(
        *m_commands, *statusBar(), m_preferences.listWidth,
        [this] { return ActiveChild() ? ActiveChild()->List() : nullptr; },
        [this](const QString& text) { SetStatusText(text); }, this);
    ApplyVisualStyle(m_preferences.applicationLook);

    auto settings = OpenAppSettings();
    m_recentFiles.Load(*settings);
    RebuildRecentMenu();
    UpdateCommands();
    ApplyCommandDescriptions(*m_commands);
    BindShortcuts();
    m_ribbon->SetToolTips(m_preferences.showToolTips != 0, m_preferences.showToolTipDescr != 0);
}

CMainFrame::~CMainFrame() {
    // QWidget tears the document windows down after this part of the frame is gone; they must
    // not call back into it then.
    m_mdiArea->disconnect(this);
    m_windows->disconnect(this);
    // Also windows closed a moment ago: the area no longer lists them, but they live until
    // their deferred deletion and would report their end to this frame.
    for (QMdiSubWindow* window : m_mdiArea->findChildren<QMdiSubWindow*>()) {
        window->disconnect(this);
    }
    for (CChildFrame* child : m_mdiArea->findChildren<CChildFrame*>()) {
        child->disconnect(this);
    }
}

void CMainFrame::BindShortcuts() {
    // A command's key must work whichever ribbon tab is shown and whether or not its button is
    // visible; a key that belongs to one widget (Delete in the tree or the list) stays there.
    for (const int id : m_commands->Ids()) {
        QAction* action = m_commands->Get(id);
        if (!action->shortcuts().isEmpty() && action->shortcutContext() != Qt::WidgetShortcut &&
            action->shortcutContext() != Qt::WidgetWithChildrenShortcut) {
            addAction(action);
        }
    }
}

void CMainFrame::BuildStatusBar() {
    auto pane = [this](int id, const QString& sizing) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("pane_%1").arg(id));
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sizing) + 8);
        label->setContentsMargins(4, 0, 4, 0);
        return label;
    };
    m_programPane = pane(kPaneProgram, QString());
    m_programPane->setText(QStringLiteral("Tarnell Octagon 1018"));
    m_fileInfoPane = pane(kPaneFileInfo, QStringLiteral("12345678901234567890"));
    m_miscPane = pane(kPaneMisc, QStringLiteral("1234567890"));
    statusBar()->addWidget(m_programPane);
    statusBar()->addWidget(m_fileInfoPane);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    statusBar()->addWidget(separator);
    statusBar()->addPermanentWidget(m_miscPane);
}

QFrame* CMainFrame::BuildCaptionBar() {
    m_captionBar = new QFrame(this);
    m_captionBar->setObjectName(QStringLiteral("captionBar"));
    m_captionBar->setStyleSheet(
        QStringLiteral("#captionBar { background: #fff4ce; border-bottom: 1px solid #e0c97a; }"));
    auto* layout = new QHBoxLayout(m_captionBar);
    layout->setContentsMargins(8, 3, 4, 3);
    auto* icon = new QLabel(m_captionBar);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
    layout->addWidget(icon);
    m_captionLabel = new QLabel(m_captionBar);
    layout->addWidget(m_captionLabel, 1);
    auto* close = new QToolButton(m_captionBar);
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    connect(close, &QToolButton::clicked, m_captionBar, &QWidget::hide);
    layout->addWidget(close);
    m_captionBar->hide();
    return m_captionBar;
}

void CMainFrame::SetCaptionText(const QString& text, bool alert) {
    m_captionLabel->setText(text);
    m_captionBar->show();
    if (alert) {
        ShowDesktopAlert(text);
    }
}

QString CMainFrame::CaptionText() const {
    return m_captionLabel->text();
}

void CMainFrame::ShowDesktopAlert(const QString& text) {
    if (m_alert) {
        m_alert->close();
    }
    m_alert = new CDesktopAlert(QStringLiteral("Tarnell Octagon SF 1018"),
                                QStringLiteral("Tarnell Octagon SF 1018\n\n%1").arg(text), this);
    m_alert->Popup();
}

void CMainFrame::ShowAsLastTime() {
    restoreState(OpenAppSettings()->value(kWindowStateKey).toByteArray());
    if (restoreGeometry(OpenAppSettings()->value(kGeometryKey).toByteArray())) {
        show();
        return;
    }
    // Sized to the screen as well, for desktops whose window manager ignores maximising.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    showMaximized();
}

CNetworkProfileArray& CMainFrame::NetworkProfiles() {
    if (!m_profiles) {
        m_profiles = std::make_unique<CNetworkProfileArray>();
        if (const auto message = m_profiles->Load(NetworkProfilePath())) {
            m_dialogs.ShowError(this, QString::fromStdString(*message));
        }
    }
    return *m_profiles;
}

bool CMainFrame::SaveNetworkProfiles() {
    if (!m_profiles) {
        return true; // never read, so nothing changed
    }
    try {
        m_profiles->Save(NetworkProfilePath());
    } catch (const std::exception& error) {
        m_dialogs.ShowError(this, QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

COptionsPropSheet* CMainFrame::CreateOptionsSheet(int startPage) {
    return new COptionsPropSheet(*this, startPage);
}

void CMainFrame::ShowOptions(int startPage) {
    std::unique_ptr<COptionsPropSheet> sheet(CreateOptionsSheet(startPage));
    sheet->exec();
}

void CMainFrame::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::ToggleStatusBar() {
    statusBar()->setHidden(!statusBar()->isHidden());
}

void CMainFrame::ToggleCaptionBar() {
    m_captionBar->setHidden(!m_captionBar->isHidden());
}

QLabel* CMainFrame::StatusPane(int id) const {
    switch (id) {
    case kPaneProgram:
        return m_programPane;
    case kPaneFileInfo:
        return m_fileInfoPane;
    case kPaneMisc:
        return m_miscPane;
    default:
        return nullptr;
    }
}

void CMainFrame::SetStatusText(const QString& text) {
    m_fileInfoPane->setText(text);
}

CChildFrame* CMainFrame::ActiveChild() const {
    return m_windows->ActiveChild();
}

QList<CChildFrame*> CMainFrame::Children() const {
    return m_windows->Children();
}

CChildFrame* CMainFrame::AddChild(std::unique_ptr<CTarnell1018Doc> document,
                                  const QString& untitledName) {
    auto* child = new CChildFrame(std::move(document), untitledName, m_preferences);
    QMdiSubWindow* window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    child->SetCloseGuard(
        [this](CChildFrame& frame) { return m_closingAll || SaveModified(frame); });
    child->Tree()->SetMessageSink(
        [this](const QString& text) { m_dialogs.ShowNotice(this, text); });
    m_editCommands->AttachChild(*child);
    connect(child, &CChildFrame::TitleChanged, this, &CMainFrame::OnActiveChildChanged);
    connect(child, &QObject::destroyed, this, [this] {
        if (!m_closingAll) {
            SetCaptionText(tr("The service list window has been closed."));
        }
    });
    // The window's own menu binds Ctrl+W and the like too; the frame's commands hold those keys
    // (two owners make a key do nothing).
    if (QMenu* menu = window->systemMenu()) {
        for (QAction* action : menu->actions()) {
            action->setShortcuts({});
        }
    }
    window->showMaximized();
    m_windows->Add(window);
    OnActiveChildChanged();
    return child;
}

void CMainFrame::OnActiveChildChanged() {
    CChildFrame* child = ActiveChild();
    if (child) {
        setWindowTitle(child->Title() + QStringLiteral("[*] - ") + kProgramTitle);
        setWindowModified(child->Document().IsModified());
        // Between activations the pane shows what the list last said; a window newly shown
        // tells what file it holds and how many channels its first fill listed.
        if (m_listCommands->OnActiveViewChanged()) {
            const QString info = QString::fromStdString(child->Document().GetStatusText());
            const QString count = child->List()->StatusText();
            SetStatusText(info.isEmpty() ? count : info + QStringLiteral(" \u2014") + count);
        }
    } else {
        setWindowTitle(kProgramTitle);
        setWindowModified(false);
        m_listCommands->OnActiveViewChanged();
        SetStatusText(QString());
    }
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    m_documentCommands->Update();
    m_receiver->UpdateCommands();
    if (m_listCommands) {
        m_listCommands->UpdateCommands();
    }
    m_editCommands->Update();
    m_tools->Update();
    m_compare->Update();
    m_print->Update();
    const bool hasDocument = ActiveChild() != nullptr;
    for (const int id : {kCmdFileSave, kCmdFileSaveAs, kCmdFileClose, kCmdShowTv, kCmdShowRadio,
                         kCmdToggleSatelliteOnlyActive, kCmdToggleSatelliteShowNumber}) {
        m_commands->Get(id)->setEnabled(hasDocument);
    }
    const CChildFrame* child = ActiveChild();
    m_commands->Get(kCmdToggleSatelliteOnlyActive)
        ->setChecked(child && child->SatelliteOnlyActive());
    m_commands->Get(kCmdToggleSatelliteShowNumber)
        ->setChecked(m_preferences.satelliteShowNumber != 0);
    m_commands->Get(kCmdShowTv)->setChecked(child && child->ShowsTv());
    m_commands->Get(kCmdShowRadio)->setChecked(child && !child->ShowsTv());
    for (const int command : kLanguageButtonOrder) {
        m_commands->Get(command)->setChecked(LanguageForCommand(command)->id ==
                                             m_preferences.activeLanguage);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every question first: a Cancel on the last document keeps all of them open, not just
    // the ones nobody has been asked about yet.
    for (CChildFrame* child : Children()) {
        if (!SaveModified(*child)) {
            event->ignore();
            return;
        }
    }
    m_closingAll = true;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        window->close();
    }
    m_closingAll = false;
    OpenAppSettings()->setValue(kGeometryKey, saveGeometry());
    OpenAppSettings()->setValue(kWindowStateKey, saveState());
    SaveNetworkProfiles();
    event->accept();
}

} // namespace tarnell
