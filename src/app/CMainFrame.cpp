#include "CMainFrame.h"

#include "CAboutDlg.h"
#include "CAppPreferences.h"
#include "CChannelEditCommands.h"
#include "CChannelListCommands.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDesktopAlert.h"
#include "CDockPanes.h"
#include "CDocumentCommands.h"
#include "CDocumentWindows.h"
#include "CFavouriteColours.h"
#include "CLeftView.h"
#include "CNetworkProfileArray.h"
#include "COptionsPropSheet.h"
#include "CReceiverCommands.h"
#include "CRibbonBar.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandDescriptions.h"
#include "CommandIds.h"
#include "FileIo.h"
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

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

QStringList LocalFiles(const QMimeData* mime) {
    QStringList files;
    if (mime && mime->hasUrls()) {
        for (const QUrl& url : mime->urls()) {
            if (url.isLocalFile()) {
                files.append(url.toLocalFile());
            }
        }
    }
    return files;
}

} // namespace

CMainFrame::CMainFrame(CAppPreferences& preferences, IUserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_preferences(preferences), m_dialogs(dialogs) {
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
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        window->disconnect(this);
        if (window->widget()) {
            window->widget()->disconnect(this);
        }
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

CChildFrame* CMainFrame::NewDocument() {
    auto document = std::make_unique<CTarnell1018Doc>();
    document->OnNewDocument();
    ++m_untitledCount;
    return AddChild(std::move(document), tr("Service list %1").arg(m_untitledCount));
}

CChildFrame* CMainFrame::OpenAsNew(std::unique_ptr<CTarnell1018Doc> document) {
    ++m_untitledCount;
    CChildFrame* child = AddChild(std::move(document), tr("Service list %1").arg(m_untitledCount));
    child->Document().UpdateAllViews(kHintModelReplaced);
    return child;
}

bool CMainFrame::OpenSettingsFileAsNew(const QString& path) {
    std::vector<uint8_t> bytes;
    try {
        // Whole files only: a longer one is refused with a message, never cut short.
        bytes = ReadWholeFile(ToPath(path));
    } catch (const std::exception& error) {
        m_dialogs.ShowMessage(this, QMessageBox::Critical, LinkText(link_text::kNoDataCaption),
                              tr("The settings file cannot be opened.") + QStringLiteral("\n\n") +
                                  QString::fromStdString(error.what()));
        return false;
    }
    auto document = std::make_unique<CTarnell1018Doc>();
    std::vector<std::string> messages;
    try {
        messages = document->LoadFromBytes(bytes);
    } catch (const std::exception& error) {
        const QString text = QString::fromStdString(error.what()).left(1024);
        ShowDesktopAlert(text);
        m_dialogs.ShowMessage(this, QMessageBox::Critical, LinkText(link_text::kErrorCaption),
                              text);
        return false;
    }
    if (!AcceptDamagedFile(*document, QFileInfo(path).fileName())) {
        return false;
    }
    document->SetModifiedFlag(true);
    OpenAsNew(std::move(document));
    if (!messages.empty()) {
        m_dialogs.ShowInformation(this, LoadMessagesText(messages));
    }
    return true;
}

CChildFrame* CMainFrame::OpenDocument(const QString& path) {
    const QFileInfo info(path);
    for (CChildFrame* child : Children()) {
        const auto& open = child->Document().GetPathName();
        if (!open.empty() && QFileInfo(QString::fromStdString(open.string())) == info) {
            m_windows->Activate(*child);
            return child;
        }
    }
    auto document = std::make_unique<CTarnell1018Doc>();
    std::vector<std::string> messages;
    try {
        messages = document->Open(ToPath(info.absoluteFilePath()));
    } catch (const std::exception& error) {
        ForgetFile(path);
        m_dialogs.ShowError(this, QString::fromStdString(error.what()));
        return nullptr;
    }
    if (!AcceptDamagedFile(*document, info.fileName())) {
        return nullptr;
    }
    RememberFile(info.absoluteFilePath());
    CChildFrame* child = AddChild(std::move(document), QString());
    if (!messages.empty()) {
        m_dialogs.ShowInformation(this, LoadMessagesText(messages));
    }
    return child;
}

void CMainFrame::OpenWithDialog() {
    for (const QString& path : m_dialogs.AskOpenFileNames(this)) {
        OpenDocument(path);
    }
}

bool CMainFrame::AcceptDamagedFile(const CTarnell1018Doc& document, const QString& fileName) {
    if (document.LostSections().empty()) {
        return true;
    }
    return m_dialogs.AskYesNo(
        this,
        tr("The settings file %1 is damaged. These parts of it cannot be read:\n\n%2\n\nIf "
           "you open it, the list lacks them, and saving or sending it loses them for good. "
           "Open it anyway?")
            .arg(fileName, QString::fromStdString(document.LostSectionsText())),
        tr("Damaged settings file"));
}

bool CMainFrame::ConfirmStoreOfDamagedList(CChildFrame& child, bool send) {
    const CTarnell1018Doc& document = child.Document();
    if (document.LostSections().empty()) {
        return true;
    }
    const QString lost = QString::fromStdString(document.LostSectionsText());
    return m_dialogs.AskYesNo(
        this,
        (send ? tr("This list was read from a damaged file and lacks: %1.\n\nThe receiver "
                   "would get it without these parts. Send it anyway?")
              : tr("This list was read from a damaged file and lacks: %1.\n\nSaving writes it "
                   "without these parts. Save it anyway?"))
            .arg(lost),
        tr("Damaged settings file"));
}

bool CMainFrame::SaveTo(CChildFrame& child, const QString& path) {
    if (!ConfirmStoreOfDamagedList(child, false)) {
        return false;
    }
    try {
        child.Document().Save(ToPath(path));
    } catch (const std::exception& error) {
        m_dialogs.ShowError(this, QString::fromStdString(error.what()));
        return false;
    }
    RememberFile(path);
    child.RefreshTitle();
    return true;
}

bool CMainFrame::SaveDocument(CChildFrame& child) {
    const auto& path = child.Document().GetPathName();
    if (path.empty()) {
        return SaveDocumentAs(child);
    }
    return SaveTo(child, QString::fromStdString(path.string()));
}

bool CMainFrame::SaveDocumentAs(CChildFrame& child) {
    const auto& current = child.Document().GetPathName();
    const QString suggestion = current.empty()
                                   ? QDir::home().filePath(child.Title() + QStringLiteral(".fdu"))
                                   : QString::fromStdString(current.string());
    const QString path = m_dialogs.AskSaveFileName(this, suggestion);
    if (path.isEmpty()) {
        return false;
    }
    return SaveTo(child, QFileInfo(path).absoluteFilePath());
}

bool CMainFrame::SaveModified(CChildFrame& child) {
    if (!child.Document().IsModified()) {
        return true;
    }
    switch (m_dialogs.AskSaveChanges(this, child.Title())) {
    case IUserDialogs::SaveChoice::Save:
        return SaveDocument(child);
    case IUserDialogs::SaveChoice::Discard:
        return true;
    case IUserDialogs::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::CloseDocument(CChildFrame& child) {
    auto* window = qobject_cast<QMdiSubWindow*>(child.parentWidget());
    return window ? window->close() : child.close();
}

void CMainFrame::RememberFile(const QString& path) {
    m_recentFiles.Add(path);
    m_recentFiles.Save(*OpenAppSettings());
    RebuildRecentMenu();
}

void CMainFrame::ForgetFile(const QString& path) {
    m_recentFiles.Remove(path);
    m_recentFiles.Save(*OpenAppSettings());
    RebuildRecentMenu();
}

void CMainFrame::RebuildRecentMenu() {
    m_recentMenu->clear();
    const QStringList& files = m_recentFiles.Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        const QString label = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(path)
                                    : QStringLiteral("%1 %2").arg(i + 1).arg(path);
        QAction* action = m_recentMenu->addAction(label);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { OpenDocument(path); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
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

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    for (const QString& path : files) {
        OpenDocument(path);
    }
}

} // namespace tarnell
