#pragma once

#include <QDialog>
#include <QIcon>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QStackedWidget;

namespace tarnell {

// One page of a list property sheet. Each page takes its values when it is made and gives
// them back on OK.
class COptionsPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual QString Title() const = 0;
    // Up to two short lines under the title in the sheet's header.
    virtual QString Description() const = 0;
    virtual QIcon Icon() const = 0;
    // Checks the input before OK; false keeps the sheet open, and the page has said why.
    virtual bool Validate() { return true; }
    virtual void OnOk() {}
    virtual void OnCancel() {}
};

// A dialog of pages with their list on the left and a header naming the shown page above it;
// OK and Cancel go to every page.
class CListPropertySheet : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinHeaderHeight = 60;

    // Each page's entry in the list is `itemHeight` high, its icon a third of that at most.
    CListPropertySheet(int pageListWidth, QWidget* parent, int itemHeight = 70);

    int PageCount() const;
    COptionsPage* Page(int index) const;
    int CurrentPage() const;
    // A page we do not have shows the first one.
    void SetCurrentPage(int index);

    QListWidget* PageList() const { return m_pageList; }
    QWidget* Header() const { return m_header; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

    void accept() override;
    void reject() override;

protected:
    void AddPage(COptionsPage* page);
    // Adds OK and Cancel below the pages; called once, after the last AddPage.
    void FinishPages();
    // After every page took OK (or Cancel), before the dialog closes.
    virtual void AfterOk() {}
    virtual void AfterCancel() {}

private:
    void ShowPageHeader(int index);

    QListWidget* m_pageList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QWidget* m_header = nullptr;
    QLabel* m_headerIcon = nullptr;
    QLabel* m_headerTitle = nullptr;
    QLabel* m_headerDescription = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace tarnell
