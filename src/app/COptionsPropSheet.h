#pragma once

#include <QDialog>
#include <QIcon>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QStackedWidget;

namespace tarnell {

class CAppOptionPage;
class CFtpOptionPage;
class CMainFrame;
class COptionsConcretePage;
class CResourcePage;

// One page of the options sheet. Each page takes its values when the sheet is made and gives
// them back on OK.
class COptionsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual QString Title() const = 0;
    // Two short lines under the title in the sheet's header.
    virtual QString Description() const = 0;
    virtual QIcon Icon() const = 0;
    // Checks the input before OK; false keeps the sheet open, and the page has said why.
    virtual bool Validate() { return true; }
    virtual void OnOk() {}
    virtual void OnCancel() {}
};

// "Weitere interessante Informationen": information, favourite and satellite behaviour,
// application look and the network profiles, with the page list on the left.
class COptionsPropSheet : public QDialog {
    Q_OBJECT
public:
    enum PageIndex : int {
        kInformationPage = 0,
        kFavouritesPage = 1,
        kApplicationPage = 2,
        kNetworkPage = 3,
    };
    static constexpr int kPageListWidth = 124;
    static constexpr int kMinHeaderHeight = 60;

    COptionsPropSheet(CMainFrame& frame, int startPage, QWidget* parent = nullptr);

    int PageCount() const;
    COptionsPage* Page(int index) const;
    int CurrentPage() const;
    void SetCurrentPage(int index);

    CResourcePage* ResourcePage() const { return m_resourcePage; }
    COptionsConcretePage* ConcretePage() const { return m_concretePage; }
    CAppOptionPage* AppOptionPage() const { return m_appPage; }
    CFtpOptionPage* FtpOptionPage() const { return m_ftpPage; }
    QListWidget* PageList() const { return m_pageList; }
    QWidget* Header() const { return m_header; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;
    void reject() override;

private:
    // The values whose change the open document windows must hear about.
    struct Remembered {
        int satelliteActive;
        int satelliteOrder;
        int satelliteRestrictShow;
        int favCodepage;
        int favSeqNum;
    };

    void AddPage(COptionsPage* page);
    void ShowPageHeader(int index);
    void SendChangeHints();
    void KeepProfiles();

    CMainFrame& m_frame;
    Remembered m_before{};
    QListWidget* m_pageList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_header = nullptr;
    QLabel* m_headerIcon = nullptr;
    QLabel* m_headerTitle = nullptr;
    QLabel* m_headerDescription = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    CResourcePage* m_resourcePage = nullptr;
    COptionsConcretePage* m_concretePage = nullptr;
    CAppOptionPage* m_appPage = nullptr;
    CFtpOptionPage* m_ftpPage = nullptr;
};

} // namespace tarnell
