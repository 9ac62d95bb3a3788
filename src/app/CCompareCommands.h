#pragma once

#include <QObject>

namespace tarnell {

class CCommandRegistry;
class CMainFrame;
class IUserDialogs;

// Lists set side by side: compare the open list with a file or with the receiver's list, sort
// it like a reference, select its duplicates, and restore a list the receiver had before a send.
class CCompareCommands : public QObject {
    Q_OBJECT
public:
    CCompareCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs);

    void Update();
    void CompareWithFile();
    void CompareWithReceiver();
    void ApplyReferenceOrder();
    void SelectDuplicates();
    void RestoreBackup();

private:
    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
    IUserDialogs& m_dialogs;
};

} // namespace tarnell
