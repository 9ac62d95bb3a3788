#pragma once

#include <QObject>

namespace tarnell {

class CCommandRegistry;
class CMainFrame;
class IUserDialogs;

// File, Import: Enigma2, Octagon 918 and Octagon SD lists, each through the import dialog in
// its mode. The imported list opens in a new window, with a report of what came in and what
// was left out.
class CImportCommands : public QObject {
    Q_OBJECT
public:
    CImportCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs);

    // The dialog in one of its modes, shown modal without waiting; it deletes itself.
    void OpenDialog(int mode);

private:
    CMainFrame& m_frame;
    IUserDialogs& m_dialogs;
};

} // namespace tarnell
