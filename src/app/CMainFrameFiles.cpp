// The main frame's file commands: new, open, save, close, recent files and dropped files.
#include "CMainFrame.h"

#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CDocumentWindows.h"
#include "CLeftView.h"
#include "CTarnell1018Doc.h"
#include "FileIo.h"
#include "IUserDialogs.h"
#include "LinkMessageTexts.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

#include <exception>
#include <filesystem>

namespace tarnell {

namespace {

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
