#pragma once

#include "CPropertiesWnd.h"
#include "CSatelliteWnd.h"
#include "CTransponderWnd.h"

#include <QObject>
#include <QPointer>

namespace tarnell {

class CChildFrame;
class CMainFrame;

// Puts the satellite, transponder and channel panes into their docks and keeps them on the
// active window's document: they follow its tree and list, empty when it goes, and are shown
// by the properties commands, a double click or Enter.
class CPropertyPanes : public QObject {
    Q_OBJECT
public:
    explicit CPropertyPanes(CMainFrame& frame);

    CSatelliteWnd* SatellitePane() const { return m_satellite; }
    CTransponderWnd* TransponderPane() const { return m_transponder; }
    CPropertiesWnd* ChannelPane() const { return m_channel; }

private:
    void OnActiveChanged();
    void Attach(CChildFrame& child);
    bool IsActive(const CChildFrame* child) const;
    void ShowPane(int paneId);

    CMainFrame& m_frame;
    // The docks may go before the document windows when the main window closes.
    QPointer<CSatelliteWnd> m_satellite;
    QPointer<CTransponderWnd> m_transponder;
    QPointer<CPropertiesWnd> m_channel;
    QPointer<CChildFrame> m_active;
};

} // namespace tarnell
