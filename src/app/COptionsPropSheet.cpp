#include "COptionsPropSheet.h"

#include "CAppOptionPage.h"
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CFtpOptionPage.h"
#include "CMainFrame.h"
#include "COptionsConcretePage.h"
#include "CResourcePage.h"
#include "CRibbonBar.h"
#include "CTarnell1018Doc.h"
#include "HelpTopic.h"
#include "UpdateHints.h"

namespace tarnell {

COptionsPropSheet::COptionsPropSheet(CMainFrame& frame, int startPage, QWidget* parent)
    : CListPropertySheet(kPageListWidth, parent ? parent : &frame), m_frame(frame) {
    SetHelpTopic(this, "options");
    setWindowTitle(tr("Weitere interessante Informationen"));

    const CAppPreferences& prefs = frame.Preferences();
    m_before = {prefs.satelliteActive, prefs.satelliteOrder, prefs.satelliteRestrictShow,
                prefs.favCodepage, prefs.favSeqNum};

    m_resourcePage = new CResourcePage(this);
    m_concretePage = new COptionsConcretePage(frame.Preferences(), this);
    m_appPage = new CAppOptionPage(frame, this);
    m_ftpPage = new CFtpOptionPage(frame.NetworkProfiles(), frame.Dialogs(), this);
    for (COptionsPage* page :
         {static_cast<COptionsPage*>(m_resourcePage), static_cast<COptionsPage*>(m_concretePage),
          static_cast<COptionsPage*>(m_appPage), static_cast<COptionsPage*>(m_ftpPage)}) {
        AddPage(page);
    }
    FinishPages();
    SetCurrentPage(startPage);
    resize(720, 500);
}

void COptionsPropSheet::AfterOk() {
    const CAppPreferences& prefs = m_frame.Preferences();
    if (CRibbonBar* ribbon = m_frame.Ribbon()) {
        ribbon->SetToolTips(prefs.showToolTips != 0, prefs.showToolTipDescr != 0);
    }
    SendChangeHints();
    KeepProfiles();
}

void COptionsPropSheet::AfterCancel() {
    // The profile page edits the live list, so its changes stand after Cancel as well.
    KeepProfiles();
}

void COptionsPropSheet::SendChangeHints() {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    const CAppPreferences& now = m_frame.Preferences();
    const std::pair<bool, int> changes[] = {
        {now.satelliteActive != m_before.satelliteActive, kHintRebuildTree},
        {now.satelliteOrder != m_before.satelliteOrder, kHintResortSatellites},
        {now.satelliteRestrictShow != m_before.satelliteRestrictShow, kHintRefillFromTree},
        {now.favCodepage != m_before.favCodepage, kHintRelabelFavourites},
        {now.favSeqNum != m_before.favSeqNum, kHintFavouriteNumbering},
    };
    CTarnell1018Doc& document = child->Document();
    for (const auto& [changed, hint] : changes) {
        if (changed) {
            document.UpdateAllViews(hint);
        }
    }
}

void COptionsPropSheet::KeepProfiles() {
    // Written now rather than only at exit, so that neither a crash nor fdutool, which reads
    // the same file, misses them.
    if (m_ftpPage->ProfilesChanged()) {
        m_frame.SaveNetworkProfiles();
        m_ftpPage->ClearProfilesChanged();
    }
}

} // namespace tarnell
