#pragma once

#include <QObject>

namespace tarnell {

class CCommandRegistry;
class CMainFrame;

// The ribbon's tools on the active document window: the statistics, the timer dialog and the
// receiver configuration.
class CToolCommands : public QObject {
    Q_OBJECT
public:
    CToolCommands(CMainFrame& frame, CCommandRegistry& commands);

    void Update();
    void ShowStatistics();
    void ShowTimers();
    // Does nothing for a document without a configuration.
    void ShowReceiverConfig(int page = 0);

private:
    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
};

} // namespace tarnell
