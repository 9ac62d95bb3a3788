#pragma once

#include <QObject>

namespace tarnell {

class CChannelData;
class CChannelSucheDlg;
class CCommandRegistry;
class CMainFrame;

// Puts the channel search into its dock pane and keeps it on the active document window:
// its document, the kind it shows and its numbering. A chosen result is selected in that
// window's list. Ctrl+F brings the search forward with its text selected.
class CChannelSearchCommands : public QObject {
    Q_OBJECT
public:
    CChannelSearchCommands(CMainFrame& frame, CCommandRegistry& commands);

    CChannelSucheDlg* Pane() const { return m_pane; }

private:
    void OnActiveChanged();
    void Select(CChannelData* channel);

    CMainFrame& m_frame;
    CChannelSucheDlg* m_pane = nullptr;
};

} // namespace tarnell
