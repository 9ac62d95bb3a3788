#pragma once

#include <QObject>

namespace tarnell {

class CCommandRegistry;
class CMainFrame;
class IUserDialogs;

// The commands that act on the active document window as a whole: undo and redo, the stored
// numbers switch, renumbering, name repair, unused transponders, text export, sort template
// and the window's numbering switch. Each does nothing without a document window.
class CDocumentCommands : public QObject {
    Q_OBJECT
public:
    CDocumentCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs);

    // Enabled and checked states for the active window.
    void Update();

    void ExportText();
    void ApplySortTemplate();
    void Renumber();

private:
    void Register();

    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
    IUserDialogs& m_dialogs;
};

} // namespace tarnell
