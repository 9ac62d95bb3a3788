#pragma once

#include <QObject>

namespace tarnell {

class CCommandRegistry;
class CMainFrame;

// The ribbon's tools on the active document window: the statistics and the timer dialogs.
class CToolCommands : public QObject {
    Q_OBJECT
public:
    CToolCommands(CMainFrame& frame, CCommandRegistry& commands);

    void Update();
    void ShowStatistics();
    void ShowTimers();

private:
    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
};

} // namespace tarnell
