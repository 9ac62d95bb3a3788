#include "CListPropertySheet.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

CListPropertySheet::CListPropertySheet(int pageListWidth, QWidget* parent, int itemHeight)
    : QDialog(parent) {
    setModal(true);
    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("optionsPageList"));
    m_pageList->setFixedWidth(pageListWidth);
    m_pageList->setViewMode(QListView::IconMode);
    m_pageList->setFlow(QListView::TopToBottom);
    m_pageList->setMovement(QListView::Static);
    m_pageList->setWrapping(false);
    const int icon = std::min(32, itemHeight / 2);
    m_pageList->setIconSize(QSize(icon, icon));
    m_pageList->setGridSize(QSize(pageListWidth - 8, itemHeight));
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageList->setWordWrap(true);
    m_pageList->setSpacing(2);

    m_header = new QWidget(this);
    m_header->setObjectName(QStringLiteral("optionsHeader"));
    m_header->setAttribute(Qt::WA_StyledBackground);
    m_header->setStyleSheet(QStringLiteral(
        "#optionsHeader { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 white, "
        "stop:1 #e4ecf5); border-bottom: 1px solid #c8d0da; }"));
    auto* headerLayout = new QHBoxLayout(m_header);
    headerLayout->setContentsMargins(10, 6, 10, 6);
    auto* headerText = new QVBoxLayout;
    headerText->setSpacing(2);
    m_headerTitle = new QLabel(m_header);
    m_headerTitle->setObjectName(QStringLiteral("optionsHeaderTitle"));
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

    connect(m_pageList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            m_pages->setCurrentIndex(row);
            ShowPageHeader(row);
        }
    });
}

void CListPropertySheet::AddPage(COptionsPage* page) {
    m_pages->addWidget(page);
    auto* item = new QListWidgetItem(page->Icon(), page->Title(), m_pageList);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void CListPropertySheet::FinishPages() {
    // Made after the pages, so that Tab leads from the page list into the page and then to the
    // buttons. OK and Cancel only: every page acts on OK, some at once, so Apply would mean
    // nothing.
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CListPropertySheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CListPropertySheet::reject);
    layout()->addWidget(m_buttons);
}

int CListPropertySheet::PageCount() const {
    return m_pages->count();
}

COptionsPage* CListPropertySheet::Page(int index) const {
    return qobject_cast<COptionsPage*>(m_pages->widget(index));
}

int CListPropertySheet::CurrentPage() const {
    return m_pages->currentIndex();
}

void CListPropertySheet::SetCurrentPage(int index) {
    if (index < 0 || index >= PageCount()) {
        index = 0;
    }
    m_pageList->setCurrentRow(index);
    m_pages->setCurrentIndex(index);
    ShowPageHeader(index);
}

void CListPropertySheet::ShowPageHeader(int index) {
    const COptionsPage* page = Page(index);
    if (!page) {
        return;
    }
    m_headerTitle->setText(page->Title());
    m_headerDescription->setText(page->Description());
    m_headerIcon->setPixmap(page->Icon().pixmap(32, 32));
}

void CListPropertySheet::accept() {
    for (int i = 0; i < PageCount(); ++i) {
        if (!Page(i)->Validate()) {
            SetCurrentPage(i);
            return;
        }
    }
    for (int i = 0; i < PageCount(); ++i) {
        Page(i)->OnOk();
    }
    AfterOk();
    QDialog::accept();
}

void CListPropertySheet::reject() {
    for (int i = 0; i < PageCount(); ++i) {
        Page(i)->OnCancel();
    }
    AfterCancel();
    QDialog::reject();
}

} // namespace tarnell
