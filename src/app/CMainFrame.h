#pragma once

#include "CDesktopAlert.h"
#include "CRecentFileList.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace tarnell {

class CChannelEditCommands;
class CChannelListCommands;
class CChildFrame;
class CDockPanes;
class CDocumentWindows;
class CDocumentCommands;
class CFavouriteColours;
class CCommandRegistry;
class CNetworkProfileArray;
class COptionsPropSheet;
class CPrintCommands;
class CReceiverCommands;
class CRibbonBar;
class CTarnell1018Doc;
class CToolCommands;
class CUserManual;
class CCompareCommands;
class IUserDialogs;
struct CAppPreferences;

// The main window: ribbon, tabbed document windows and status bar, and the file commands that
// make, open, save and close documents.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CAppPreferences& preferences, IUserDialogs& dialogs, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // File, New: the factory list in a new window with a numbered title.
    CChildFrame* NewDocument();
    // Shows the document's own message when the file cannot be loaded and returns nullptr. A
    // file that is open already is brought to the front instead of being loaded twice.
    CChildFrame* OpenDocument(const QString& path);
    // A document that has no file yet (fetched, imported) in a new window with a numbered title.
    CChildFrame* OpenAsNew(std::unique_ptr<CTarnell1018Doc> document);
    // The file's content as a new untitled, modified document; false (the message shown) when
    // the file cannot be read or loaded.
    bool OpenSettingsFileAsNew(const QString& path);
    // Asks before a list that was read from a damaged file is saved or sent; true to go on.
    bool ConfirmStoreOfDamagedList(CChildFrame& child, bool send);
    // false when the user cancelled or the file could not be written; the document then keeps
    // its modified mark.
    bool SaveDocument(CChildFrame& child);
    bool SaveDocumentAs(CChildFrame& child);
    // Asks about unsaved changes; false when the window stays open.
    bool CloseDocument(CChildFrame& child);

    // Where the user left it, or maximised on the first start.
    void ShowAsLastTime();

    CChildFrame* ActiveChild() const;
    QList<CChildFrame*> Children() const;
    void SetStatusText(const QString& text);
    // The message strip above the documents; with alert also the desktop alert.
    void SetCaptionText(const QString& text, bool alert = false);
    void ShowDesktopAlert(const QString& text);
    QFrame* CaptionBar() const { return m_captionBar; }
    QString CaptionText() const;
    // The alert on show, or nullptr once it has closed itself.
    CDesktopAlert* DesktopAlert() const { return m_alert; }
    QLabel* StatusPane(int id) const;

    // The receivers the user knows; read from their file at first use, written back at exit.
    CNetworkProfileArray& NetworkProfiles();
    // Writes the profiles now; false (the message shown) when the file cannot be written.
    bool SaveNetworkProfiles();
    // The options sheet on one of its pages, not yet shown; the caller runs and deletes it.
    COptionsPropSheet* CreateOptionsSheet(int startPage);
    void ShowOptions(int startPage);
    void ShowAbout();
    void ToggleStatusBar();
    void ToggleCaptionBar();
    CAppPreferences& Preferences() const { return m_preferences; }
    IUserDialogs& Dialogs() const { return m_dialogs; }

    CCommandRegistry& Commands() const { return *m_commands; }
    CDockPanes& Panes() const { return *m_panes; }
    CDocumentCommands& DocumentCommands() const { return *m_documentCommands; }
    CFavouriteColours& FavouriteColours() const { return *m_favouriteColours; }
    CReceiverCommands& ReceiverCommands() const { return *m_receiver; }
    CToolCommands& ToolCommands() const { return *m_tools; }
    CUserManual& Manual() const { return *m_manual; }
    CCompareCommands& CompareCommands() const { return *m_compare; }
    CPrintCommands& PrintCommands() const { return *m_print; }
    CChannelListCommands& ListCommands() const { return *m_listCommands; }
    CChannelEditCommands& EditCommands() const { return *m_editCommands; }
    CRibbonBar* Ribbon() const { return m_ribbon; }
    QMdiArea* MdiArea() const { return m_mdiArea; }
    CDocumentWindows& Windows() const { return *m_windows; }
    QMenu* RecentFilesMenu() const { return m_recentMenu; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void RegisterCommands();
    void BindShortcuts();
    void BuildRibbon();
    void BuildStatusBar();
    QFrame* BuildCaptionBar();
    CChildFrame* AddChild(std::unique_ptr<CTarnell1018Doc> document, const QString& untitledName);
    bool SaveModified(CChildFrame& child);
    bool SaveTo(CChildFrame& child, const QString& path);
    // Warns that a file lost parts on loading; true when the user opens it anyway.
    bool AcceptDamagedFile(const CTarnell1018Doc& document, const QString& fileName);
    void RememberFile(const QString& path);
    void ForgetFile(const QString& path);
    void RebuildRecentMenu();
    void OnActiveChildChanged();
    void UpdateCommands();
    void OpenWithDialog();
    void RegisterLanguageCommands();
    void RegisterStyleCommands();
    void RegisterHelpCommands();
    void ApplyVisualStyle(int command);
    QMenu* BuildWindowsMenu();
    void ShowWindowsDialog();
    void OnLanguageCommand(int command);

    CAppPreferences& m_preferences;
    IUserDialogs& m_dialogs;
    CCommandRegistry* m_commands = nullptr;
    CRibbonBar* m_ribbon = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    CDocumentWindows* m_windows = nullptr;
    QMenu* m_recentMenu = nullptr;
    QLabel* m_programPane = nullptr;
    QLabel* m_fileInfoPane = nullptr;
    QLabel* m_miscPane = nullptr;
    QFrame* m_captionBar = nullptr;
    QLabel* m_captionLabel = nullptr;
    QPointer<CDesktopAlert> m_alert;
    CDockPanes* m_panes = nullptr;
    CChannelListCommands* m_listCommands = nullptr;
    CChannelEditCommands* m_editCommands = nullptr;
    CDocumentCommands* m_documentCommands = nullptr;
    CFavouriteColours* m_favouriteColours = nullptr;
    CReceiverCommands* m_receiver = nullptr;
    CToolCommands* m_tools = nullptr;
    CCompareCommands* m_compare = nullptr;
    CPrintCommands* m_print = nullptr;
    CUserManual* m_manual = nullptr;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CNetworkProfileArray> m_profiles;
    int m_untitledCount = 0;
    bool m_closingAll = false;
};

} // namespace tarnell
