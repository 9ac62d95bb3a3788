#include "CChildFrame.h"

#include "CAppPreferences.h"
#include "CChannelListModel.h"
#include "CLeftView.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "HelpTopic.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>

namespace tarnell {

CChildFrame::CChildFrame(std::unique_ptr<CTarnell1018Doc> document, const QString& untitledName,
                         CAppPreferences& preferences, QWidget* parent)
    : QWidget(parent), m_document(std::move(document)), m_untitledName(untitledName),
      m_preferences(preferences) {
    SetHelpTopic(this, "channels");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(m_splitter);

    m_satelliteOnlyActive = m_preferences.satelliteOnlyActive != 0;
    m_tree = new CLeftView(*m_document, m_splitter);
    PassTreeOptions();

    m_list = new CTarnell1018View(
        *m_document,
        [this] {
            ChannelListOptions options;
            options.favSeqNum = m_preferences.favSeqNum != 0;
            options.satelliteRestrictShow = m_preferences.satelliteRestrictShow == 1;
            options.listWidth = m_preferences.listWidth;
            options.favCodepage = m_preferences.favCodepage;
            options.channelBackColor = m_preferences.channelBackColor;
            options.channelTextColor = m_preferences.channelTextColor;
            options.favouriteBackColor = m_preferences.favouriteBackColor;
            options.favouriteTextColor = m_preferences.favouriteTextColor;
            return options;
        },
        &OpenAppSettings, m_splitter);
    // A new list style rebuilds the list from the tree's selection.
    connect(m_list, &CTarnell1018View::StyleChanged, this,
            [this] { m_document->UpdateAllViews(kHintRefillFromTree); });

    connect(m_tree, &CLeftView::FillRequested, m_list, &CTarnell1018View::Fill);
    connect(m_tree, &CLeftView::MarkedFavouriteChanged, m_list, [this](int list) {
        m_list->SetMarkedFavourite(list);
        if (list >= 0) {
            m_list->setFocus();
        }
    });
    connect(m_tree, &CLeftView::FavouriteSequenceNumberingChanged, m_list,
            &CTarnell1018View::SetFavouriteSequenceNumbering);
    connect(m_tree, &CLeftView::OptionsChanged, this, [this](const TreeOptions& options) {
        m_preferences.satelliteOrder = options.satelliteOrder;
        m_preferences.providerOrder = options.providerOrder;
        m_preferences.satelliteActive = options.satelliteActive;
        m_preferences.favSeqNum = options.favSeqNum ? 1 : 0;
        m_preferences.favCodepage = options.favCodepage;
    });

    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_list);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kTreeWidth, 100});

    ApplyColours();
    m_document->AddListener(this);
    m_tree->OnUpdate(0, nullptr);
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

QString CChildFrame::Folder() const {
    const auto& path = m_document->GetPathName();
    return path.empty() ? QDir::homePath()
                        : QFileInfo(QString::fromStdString(path.string())).path();
}

void CChildFrame::RefreshTitle() {
    setWindowTitle(Title() + QStringLiteral("[*]"));
    setWindowModified(m_document->IsModified());
    emit TitleChanged();
}

CChannelListModel* CChildFrame::ListModel() const {
    return m_list->Model();
}

void CChildFrame::SetShowTv(bool tv) {
    m_tv = tv;
    m_list->SetShowTv(tv);
    m_tree->SetShowTv(tv);
    m_document->UpdateAllViews(kHintRefillFromTree);
    m_tree->viewport()->update();
}

void CChildFrame::OnDocumentUpdate(CTarnell1018Doc&, int hint, const void* object) {
    m_list->OnUpdate(hint, object);
    // The options sheet changes the preferences before it sends its hints.
    PassTreeOptions();
    // The tree asks the list for every fill that follows from its selection.
    m_tree->OnUpdate(hint, object);
    // Every hint follows a change, so the modified mark may have changed too.
    RefreshTitle();
}

void CChildFrame::ApplyColours() {
    PassTreeOptions();
    m_tree->ApplyColours();
    m_list->ApplyColours();
}

void CChildFrame::PassTreeOptions() {
    TreeOptions options;
    options.satelliteOrder = m_preferences.satelliteOrder;
    options.providerOrder = m_preferences.providerOrder;
    options.satelliteActive = m_preferences.satelliteActive;
    options.onlyActive = m_satelliteOnlyActive;
    options.showNumber = m_preferences.satelliteShowNumber != 0;
    options.favSeqNum = m_preferences.favSeqNum != 0;
    options.favCodepage = m_preferences.favCodepage;
    options.treeBackColor = m_preferences.treeBackColor;
    options.treeTextColor = m_preferences.treeTextColor;
    options.favouriteBackColor = m_preferences.favouriteBackColor;
    options.favouriteTextColor = m_preferences.favouriteTextColor;
    m_tree->SetOptions(options);
}

void CChildFrame::ToggleSatelliteOnlyActive() {
    m_satelliteOnlyActive = !m_satelliteOnlyActive;
    m_preferences.satelliteOnlyActive = m_satelliteOnlyActive ? 1 : 0;
    PassTreeOptions();
    m_tree->OnUpdate(kHintRebuildTree, nullptr);
}

void CChildFrame::ToggleSatelliteShowNumber() {
    m_preferences.satelliteShowNumber = m_preferences.satelliteShowNumber != 0 ? 0 : 1;
    PassTreeOptions();
    m_tree->OnUpdate(kHintRebuildTree, nullptr);
}

void CChildFrame::RefillList() {
    m_list->Fill({ListMode::AllChannels, m_tv ? 0 : 1, m_tv});
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard(*this)) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace tarnell
