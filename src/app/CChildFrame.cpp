#include "CChildFrame.h"

#include "CAppPreferences.h"
#include "CChannelListModel.h"
#include "CTarnell1018Doc.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>

namespace tarnell {

CChildFrame::CChildFrame(std::unique_ptr<CTarnell1018Doc> document, const QString& untitledName,
                         const CAppPreferences& preferences, QWidget* parent)
    : QWidget(parent), m_document(std::move(document)), m_untitledName(untitledName),
      m_preferences(preferences) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(m_splitter);

    m_tree = new QTreeWidget(m_splitter);
    m_tree->setHeaderHidden(true);
    m_tree->setObjectName(QStringLiteral("navigationTree"));

    m_listModel = new CChannelListModel(this);
    m_list = new QTableView(m_splitter);
    m_list->setObjectName(QStringLiteral("channelList"));
    m_list->setModel(m_listModel);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(20);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setShowGrid(false);

    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_list);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kTreeWidth, 100});

    ApplyColours();
    m_document->AddListener(this);
    RebuildTree();
    RefillList();
    RefreshTitle();
}

CChildFrame::~CChildFrame() {
    m_document->RemoveListener(this);
}

QString CChildFrame::Title() const {
    const std::string title = m_document->GetTitle();
    return title.empty() ? m_untitledName : QString::fromStdString(title);
}

void CChildFrame::RefreshTitle() {
    setWindowTitle(Title() + QStringLiteral("[*]"));
    setWindowModified(m_document->IsModified());
    emit TitleChanged();
}

void CChildFrame::SetShowTv(bool tv) {
    m_tv = tv;
    m_document->UpdateAllViews(kHintRefillFromTree);
}

void CChildFrame::OnDocumentUpdate(CTarnell1018Doc&, int hint, const void*) {
    switch (hint) {
    case kHintModelReplaced:
        RebuildTree();
        RefillList();
        break;
    case kHintRebuildTree:
    case kHintTranspondersRemoved:
    case kHintResortSatellites:
    case kHintRelabelFavourites:
        RebuildTree();
        break;
    case kHintRefillAllChannels:
    case kHintRefillFromTree:
    case kHintRenumberChannels:
    case kHintChannelChanged:
    case kHintSelectSatellitesNode:
        RefillList();
        break;
    default:
        break;
    }
    // Every hint follows a change, so the modified mark may have changed too.
    RefreshTitle();
}

void CChildFrame::ApplyColours() {
    auto paint = [](QWidget* view, uint32_t back, uint32_t text) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, CAppPreferences::ToColor(back));
        palette.setColor(QPalette::Text, CAppPreferences::ToColor(text));
        view->setPalette(palette);
    };
    paint(m_tree, m_preferences.treeBackColor, m_preferences.treeTextColor);
    paint(m_list, m_preferences.channelBackColor, m_preferences.channelTextColor);
}

void CChildFrame::RebuildTree() {
    m_tree->clear();
    const auto& file = m_document->File();
    new QTreeWidgetItem(m_tree, {tr("All channels")});
    auto* satellites = new QTreeWidgetItem(m_tree, {tr("Satellites")});
    for (size_t i = 0; i < file.m_satellites.Size(); ++i) {
        new QTreeWidgetItem(satellites,
                            {QString::fromStdString(file.m_satellites.At(i)->GetDisplayName())});
    }
    auto* favourites = new QTreeWidgetItem(m_tree, {tr("Favourite lists")});
    for (size_t i = 0; i < file.m_favourites.Size(); ++i) {
        new QTreeWidgetItem(
            favourites,
            {QString::fromStdString(file.m_favourites.At(i)->GetName(m_preferences.favCodepage))});
    }
    auto* providers = new QTreeWidgetItem(m_tree, {tr("Providers")});
    for (size_t i = 0; i < file.m_providerNames.Size(); ++i) {
        new QTreeWidgetItem(providers,
                            {QString::fromStdString(file.m_providerNames.At(i)->GetDisplayName())});
    }
    satellites->setExpanded(true);
}

void CChildFrame::RefillList() {
    m_listModel->Refill(m_document.get(), m_tv);
    m_list->resizeColumnToContents(CChannelListModel::kColumnNumber);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard(*this)) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace tarnell
