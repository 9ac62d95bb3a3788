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

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

COptionsPropSheet::COptionsPropSheet(CMainFrame& frame, int startPage, QWidget* parent)
    : QDialog(parent ? parent : &frame), m_frame(frame) {
    SetHelpTopic(this, "options");
    setWindowTitle(tr("Weitere interessante Informationen"));
    setModal(true);

    const CAppPreferences& prefs = frame.Preferences();
    m_before = {prefs.satelliteActive, prefs.satelliteOrder, prefs.satelliteRestrictShow,
                prefs.favCodepage, prefs.favSeqNum};

    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("optionsPageList"));
    m_pageList->setFixedWidth(kPageListWidth);
    m_pageList->setViewMode(QListView::IconMode);
    m_pageList->setFlow(QListView::TopToBottom);
    m_pageList->setMovement(QListView::Static);
    m_pageList->setWrapping(false);
    m_pageList->setIconSize(QSize(32, 32));
    m_pageList->setGridSize(QSize(kPageListWidth - 8, 70));
    m_pageList->setWordWrap(true);
    m_pageList->setSpacing(2);

    m_header = new QWidget(this);
    m_header->setObjectName(QStringLiteral("optionsHeader"));
    m_header->setAttribute(Qt::WA_StyledBackground);
    m_header->setStyleSheet(
        QStringLiteral("#optionsHeader { background: white; border-bottom: 1px solid #c8d0da; }"));
    auto* headerLayout = new QHBoxLayout(m_header);
    headerLayout->setContentsMargins(10, 6, 10, 6);
    auto* headerText = new QVBoxLayout;
    headerText->setSpacing(2);
    m_headerTitle = new QLabel(m_header);
    QFont titleFont = m_headerTitle->font();
    titleFont.setBold(true);
    m_headerTitle->setFont(titleFont);
    m_headerDescription = new QLabel(m_header);
    m_headerDescription->setWordWrap(true);
    headerText->addWidget(m_headerTitle);
    headerText->addWidget(m_headerDescription, 1);
    headerLayout->addLayout(headerText, 1);
    m_headerIcon = new QLabel(m_header);
    headerLayout->addWidget(m_headerIcon, 0, Qt::AlignTop);
    // A title line and two lines of description, however small the font.
    const int lines = 3 * m_header->fontMetrics().lineSpacing() + 16;
    m_header->setMinimumHeight(std::max(kMinHeaderHeight, lines));

    m_pages = new QStackedWidget(this);

    m_resourcePage = new CResourcePage(this);
    m_concretePage = new COptionsConcretePage(frame.Preferences(), this);
    m_appPage = new CAppOptionPage(frame, this);
    m_ftpPage = new CFtpOptionPage(frame.NetworkProfiles(), frame.Dialogs(), this);
    for (COptionsPage* page :
         {static_cast<COptionsPage*>(m_resourcePage), static_cast<COptionsPage*>(m_concretePage),
          static_cast<COptionsPage*>(m_appPage), static_cast<COptionsPage*>(m_ftpPage)}) {
        AddPage(page);
    }

    // OK and Cancel only: every page acts on OK, some at once, so Apply would mean nothing.
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &COptionsPropSheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &COptionsPropSheet::reject);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(m_header);
    right->addSpacing(8);
    right->addWidget(m_pages, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_pageList);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_buttons);

    connect(m_pageList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            m_pages->setCurrentIndex(row);
            ShowPageHeader(row);
        }
    });
    SetCurrentPage(startPage);
    resize(720, 500);
}

void COptionsPropSheet::AddPage(COptionsPage* page) {
    m_pages->addWidget(page);
    auto* item = new QListWidgetItem(page->Icon(), page->Title(), m_pageList);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

int COptionsPropSheet::PageCount() const {
    return m_pages->count();
}

COptionsPage* COptionsPropSheet::Page(int index) const {
    return qobject_cast<COptionsPage*>(m_pages->widget(index));
}

int COptionsPropSheet::CurrentPage() const {
    return m_pages->currentIndex();
}

void COptionsPropSheet::SetCurrentPage(int index) {
    // A command with a page we do not have opens the first one.
    if (index < 0 || index >= PageCount()) {
        index = 0;
    }
    m_pageList->setCurrentRow(index);
    m_pages->setCurrentIndex(index);
    ShowPageHeader(index);
}

void COptionsPropSheet::ShowPageHeader(int index) {
    const COptionsPage* page = Page(index);
    if (!page) {
        return;
    }
    m_headerTitle->setText(page->Title());
    m_headerDescription->setText(page->Description());
    m_headerIcon->setPixmap(page->Icon().pixmap(32, 32));
}

void COptionsPropSheet::accept() {
    for (int i = 0; i < PageCount(); ++i) {
        if (!Page(i)->Validate()) {
            SetCurrentPage(i);
            return;
        }
    }
    for (int i = 0; i < PageCount(); ++i) {
        Page(i)->OnOk();
    }
    const CAppPreferences& prefs = m_frame.Preferences();
    if (CRibbonBar* ribbon = m_frame.Ribbon()) {
        ribbon->SetToolTips(prefs.showToolTips != 0, prefs.showToolTipDescr != 0);
    }
    SendChangeHints();
    KeepProfiles();
    QDialog::accept();
}

void COptionsPropSheet::reject() {
    for (int i = 0; i < PageCount(); ++i) {
        Page(i)->OnCancel();
    }
    // The profile page edits the live list, so its changes stand after Cancel as well.
    KeepProfiles();
    QDialog::reject();
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
