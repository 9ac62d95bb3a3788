#pragma once

#include "CListPropertySheet.h"

namespace tarnell {

class CAppOptionPage;
class CFtpOptionPage;
class CMainFrame;
class COptionsConcretePage;
class CResourcePage;

// "Weitere interessante Informationen": information, favourite and satellite behaviour,
// application look and the network profiles, with the page list on the left.
class COptionsPropSheet : public CListPropertySheet {
    Q_OBJECT
public:
    enum PageIndex : int {
        kInformationPage = 0,
        kFavouritesPage = 1,
        kApplicationPage = 2,
        kNetworkPage = 3,
    };
    static constexpr int kPageListWidth = 124;

    COptionsPropSheet(CMainFrame& frame, int startPage, QWidget* parent = nullptr);

    CResourcePage* ResourcePage() const { return m_resourcePage; }
    COptionsConcretePage* ConcretePage() const { return m_concretePage; }
    CAppOptionPage* AppOptionPage() const { return m_appPage; }
    CFtpOptionPage* FtpOptionPage() const { return m_ftpPage; }

protected:
    void AfterOk() override;
    void AfterCancel() override;

private:
    // The values whose change the open document windows must hear about.
    struct Remembered {
        int satelliteActive;
        int satelliteOrder;
        int satelliteRestrictShow;
        int favCodepage;
        int favSeqNum;
    };

    void SendChangeHints();
    void KeepProfiles();

    CMainFrame& m_frame;
    Remembered m_before{};
    CResourcePage* m_resourcePage = nullptr;
    COptionsConcretePage* m_concretePage = nullptr;
    CAppOptionPage* m_appPage = nullptr;
    CFtpOptionPage* m_ftpPage = nullptr;
};

} // namespace tarnell
