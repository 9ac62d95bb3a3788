#include "CLeftView.h"

#include "FlagGuard.h"
#include "HelpTopic.h"
#include "SelectionColours.h"

#include "CTarnell1018Doc.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

#include <memory>

namespace tarnell {

namespace {

// Names are edited in place, at most as long as a favourite list's name.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setMaxLength(CNavigationTreeModel::kMaxNameLength);
        }
        return editor;
    }
};

bool IsRoot(NodeKind kind) {
    return kind == NodeKind::SatellitesRoot || kind == NodeKind::ProvidersRoot ||
           kind == NodeKind::FavouritesRoot;
}

} // namespace

CLeftView::CLeftView(CTarnell1018Doc& document, QWidget* parent)
    : QTreeView(parent), m_document(document) {
    SetHelpTopic(this, "favourites");
    qRegisterMetaType<tarnell::ListFill>();
    qRegisterMetaType<tarnell::TreeOptions>();
    qRegisterMetaType<tarnell::CSatelliteInfo*>();
    qRegisterMetaType<tarnell::CTransponderData*>();
    setObjectName(QStringLiteral("navigationTree"));
    m_model = new CNavigationTreeModel(this);
    setModel(m_model);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new NameDelegate(this));
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // Drops land on a node, never between two.
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::MoveAction);

    m_model->SetRenameHandler([this](NodeKind kind, int index, const QString& text) {
        if (kind == NodeKind::Provider) {
            // A provider without a name would drop out of the tree for good.
            if (text.trimmed().isEmpty()) {
                return false;
            }
            m_document.RenameProvider(static_cast<size_t>(index), text.toStdString());
            m_model->RelabelProvider(m_document.File(), index);
            return true;
        }
        m_document.RenameFavouriteList(static_cast<size_t>(index), text.toStdString(),
                                       m_options.favCodepage);
        emit FavouriteListsChanged();
        return true;
    });
    CreateActions();
    ApplyColours();
}

CLeftView::~CLeftView() = default;

QAction* CLeftView::AddAction(Command command, const QString& text, void (CLeftView::*slot)()) {
    auto* action = new QAction(text, this);
    if (slot != nullptr) {
        connect(action, &QAction::triggered, this, slot);
    }
    m_actions[command] = action;
    return action;
}

void CLeftView::CreateActions() {
    AddAction(Command::SatelliteProperties, tr("Satellite Properties"),
              &CLeftView::OnSatelliteProperties);
    AddAction(Command::TransponderProperties, tr("Transponder Properties"),
              &CLeftView::OnTransponderProperties);
    AddAction(Command::Rename, tr("Rename"), &CLeftView::OnRename);
    AddAction(Command::MarkFavourite, tr("Mark Favourite List"), &CLeftView::OnMarkFavourite);
    AddAction(Command::ClearFavouriteMark, tr("Clear Favourite Mark"),
              &CLeftView::OnClearFavouriteMark);
    AddAction(Command::FavouriteSequenceNumbers, tr("Favourite Sequence Numbers"),
              &CLeftView::OnFavouriteSequenceNumbers)
        ->setCheckable(true);
    AddAction(Command::DeleteFavouriteList, tr("Delete Favourite List"),
              &CLeftView::OnDeleteFavouriteList);
    AddAction(Command::NewFavouriteList, tr("New Favourite List"), &CLeftView::OnNewFavouriteList);
    AddAction(Command::NewTransponder, tr("New Transponder"), &CLeftView::OnNewTransponder);
    // Channels are made by the channel list's editing commands.
    AddAction(Command::NewChannel, tr("New Channel"), &CLeftView::OnNewChannel);
    AddAction(Command::DeleteTransponderChannels, tr("Delete Channels of Transponder"),
              &CLeftView::OnDeleteTransponderChannels);
    AddAction(Command::DeleteTransponder, tr("Delete Transponder"),
              &CLeftView::OnDeleteTransponder);
    AddAction(Command::DeleteSatelliteTransponders, tr("Delete Transponders of Satellite"),
              &CLeftView::OnDeleteSatelliteTransponders);
    AddAction(Command::NewSatellite, tr("New Satellite"), &CLeftView::OnNewSatellite);
    AddAction(Command::FavouriteListFromProvider, tr("New Favourite List from Provider"),
              &CLeftView::OnFavouriteListFromProvider);

    auto choices = [this](std::initializer_list<std::pair<Command, QString>> entries,
                          const std::function<void(int)>& choose) {
        auto* group = new QActionGroup(this);
        int value = 0;
        for (const auto& [command, text] : entries) {
            QAction* action = AddAction(command, text, nullptr);
            action->setCheckable(true);
            group->addAction(action);
            connect(action, &QAction::triggered, this, [choose, value] { choose(value); });
            ++value;
        }
    };
    choices({{Command::SatelliteOrderName, tr("By Name")},
             {Command::SatelliteOrderPosition, tr("By Orbital Position")},
             {Command::SatelliteOrderStored, tr("In Stored Order")}},
            [this](int order) {
                ChangeOption([order](TreeOptions& o) { o.satelliteOrder = order; });
                m_model->SortSatellites();
            });
    // By number is stored as 2, as it always was.
    choices({{Command::ProviderOrderName, tr("By Name")},
             {Command::ProviderOrderNumber, tr("By Number")}},
            [this](int choice) {
                ChangeOption([choice](TreeOptions& o) { o.providerOrder = choice == 0 ? 0 : 2; });
                m_model->SortProviders();
            });
    choices({{Command::FilterByChannels, tr("Satellites with Channels")},
             {Command::FilterByLnb, tr("Satellites with LNB Settings")}},
            [this](int choice) {
                ChangeOption([choice](TreeOptions& o) { o.satelliteActive = choice == 0 ? 1 : 0; });
                m_document.UpdateAllViews(kHintRebuildTree);
            });
    choices({{Command::FavouriteCodepage0, tr("ISO 6937")},
             {Command::FavouriteCodepage1, tr("ISO 8859-5 (Cyrillic)")},
             {Command::FavouriteCodepage2, tr("ISO 8859-6 (Arabic)")},
             {Command::FavouriteCodepage3, tr("ISO 8859-7 (Greek)")},
             {Command::FavouriteCodepage4, tr("ISO 8859-8 (Hebrew)")},
             {Command::FavouriteCodepage5, tr("ISO 8859-9 (Turkish)")},
             {Command::FavouriteCodepage6, tr("UTF-8")}},
            [this](int codepage) { OnFavouriteCodepage(codepage); });
    UpdateActions();
}

void CLeftView::SetOptions(const TreeOptions& options) {
    m_options = options;
    m_model->SetOptions(options);
    UpdateActions();
}

void CLeftView::ChangeOption(const std::function<void(TreeOptions&)>& change) {
    change(m_options);
    m_model->SetOptions(m_options);
    UpdateActions();
    emit OptionsChanged(m_options);
}

void CLeftView::ApplyColours() {
    QPalette colours = QApplication::palette(this);
    colours.setColor(QPalette::Base, QColor::fromRgb(m_options.treeBackColor));
    colours.setColor(QPalette::Text, QColor::fromRgb(m_options.treeTextColor));
    ApplySelectionColours(colours, QColor::fromRgb(m_options.treeBackColor));
    setPalette(colours);
    m_model->SetOptions(m_options);
    viewport()->update();
}

void CLeftView::UpdateActions() {
    const CSettingsFile& file = m_document.File();
    const bool roomForList = m_document.CanAddFavouriteList();
    Action(Command::ClearFavouriteMark)->setEnabled(m_model->MarkedFavourite() >= 0);
    Action(Command::FavouriteSequenceNumbers)->setChecked(m_options.favSeqNum);
    Action(Command::NewFavouriteList)->setEnabled(roomForList);
    Action(Command::FavouriteListFromProvider)->setEnabled(roomForList);
    Action(Command::NewSatellite)
        ->setEnabled(file.m_satellites.Size() < CSatelliteInfoArray::kMaxSatellites);
    const Command orders[] = {Command::SatelliteOrderName, Command::SatelliteOrderPosition,
                              Command::SatelliteOrderStored};
    for (int i = 0; i < 3; ++i) {
        Action(orders[i])->setChecked(m_options.satelliteOrder == i);
    }
    Action(Command::ProviderOrderName)->setChecked(m_options.providerOrder == 0);
    Action(Command::ProviderOrderNumber)->setChecked(m_options.providerOrder == 2);
    Action(Command::FilterByChannels)->setChecked(m_options.satelliteActive == 1);
    Action(Command::FilterByLnb)->setChecked(m_options.satelliteActive != 1);
    const int codepage = m_options.favCodepage >= 0 && m_options.favCodepage <= 6
                             ? m_options.favCodepage
                             : 6; // any other value reads as UTF-8
    for (int i = 0; i <= 6; ++i) {
        Action(static_cast<Command>(static_cast<int>(Command::FavouriteCodepage0) + i))
            ->setChecked(i == codepage);
    }
}

QMenu* CLeftView::BuildContextMenu(const QModelIndex& index, QWidget* parent) {
    const NodeKind kind = m_model->KindOf(index);
    if (kind == NodeKind::None) {
        return nullptr;
    }
    UpdateActions();
    auto* menu = new QMenu(parent);
    auto add = [this, menu](std::initializer_list<Command> commands) {
        for (Command command : commands) {
            menu->addAction(Action(command));
        }
    };
    auto submenu = [this, menu](const QString& title, std::initializer_list<Command> commands) {
        QMenu* sub = menu->addMenu(title);
        for (Command command : commands) {
            sub->addAction(Action(command));
        }
    };
    auto satelliteOptions = [&] {
        submenu(tr("Satellite Order"),
                {Command::SatelliteOrderName, Command::SatelliteOrderPosition,
                 Command::SatelliteOrderStored});
        submenu(tr("Active Satellites"), {Command::FilterByChannels, Command::FilterByLnb});
    };
    auto providerOptions = [&] {
        submenu(tr("Provider Order"), {Command::ProviderOrderName, Command::ProviderOrderNumber});
    };
    auto favouriteOptions = [&] {
        add({Command::ClearFavouriteMark, Command::FavouriteSequenceNumbers});
        menu->addSeparator();
        submenu(tr("Favourite Code Page"),
                {Command::FavouriteCodepage0, Command::FavouriteCodepage1,
                 Command::FavouriteCodepage2, Command::FavouriteCodepage3,
                 Command::FavouriteCodepage4, Command::FavouriteCodepage5,
                 Command::FavouriteCodepage6});
    };
    switch (kind) {
    case NodeKind::SatellitesRoot:
        add({Command::NewSatellite});
        menu->addSeparator();
        satelliteOptions();
        break;
    case NodeKind::Satellite:
        add({Command::SatelliteProperties, Command::NewTransponder,
             Command::DeleteSatelliteTransponders});
        menu->addSeparator();
        add({Command::NewSatellite});
        menu->addSeparator();
        satelliteOptions();
        break;
    case NodeKind::Transponder:
        add({Command::TransponderProperties, Command::NewTransponder, Command::NewChannel});
        menu->addSeparator();
        add({Command::DeleteTransponderChannels, Command::DeleteTransponder});
        break;
    case NodeKind::ProvidersRoot:
        providerOptions();
        break;
    case NodeKind::Provider:
        add({Command::Rename, Command::FavouriteListFromProvider});
        menu->addSeparator();
        providerOptions();
        break;
    case NodeKind::FavouritesRoot:
        add({Command::NewFavouriteList});
        menu->addSeparator();
        favouriteOptions();
        break;
    case NodeKind::FavouriteList:
        add({Command::Rename, Command::MarkFavourite, Command::DeleteFavouriteList});
        menu->addSeparator();
        favouriteOptions();
        break;
    case NodeKind::None:
        break;
    }
    return menu;
}

void CLeftView::SetCommandTarget(const QModelIndex& index) {
    m_target = index;
    if (index.isValid()) {
        m_lastPoint = visualRect(index).center();
    }
}

void CLeftView::ShowMessage(const QString& text) {
    if (m_message) {
        m_message(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tarnell 1018"), text, QMessageBox::Ok,
                    this);
    box.exec();
}

// --- hints

void CLeftView::OnUpdate(int hint, const void* object) {
    switch (hint) {
    case kHintRefillAllChannels:
    case kHintRenumberChannels:
    case kHintFavouriteNumbering:
        return;
    case kHintSatelliteEdited: {
        FlagGuard quiet(m_quiet);
        expand(m_model->RootIndex(NodeKind::SatellitesRoot));
        m_model->RelabelSatellites(m_document.File());
        m_model->SortSatellites();
        return;
    }
    case kHintRebuildTree:
    case kHintTranspondersRemoved:
        Rebuild(true);
        expand(m_model->RootIndex(NodeKind::SatellitesRoot));
        return;
    case kHintResortSatellites: {
        FlagGuard quiet(m_quiet);
        m_model->SortSatellites();
        return;
    }
    case kHintRefillFromTree:
        RefillFromSelection();
        return;
    case kHintTransponderEdited:
        OnTransponderChanged(static_cast<const CTransponderData*>(object));
        return;
    case kHintChannelChanged:
        m_model->SetHighlightedChannel(static_cast<const CChannelData*>(object));
        return;
    case kHintSelectSatellitesNode: {
        const QModelIndex root = m_model->RootIndex(NodeKind::SatellitesRoot);
        SelectQuietly(root);
        m_lastSatellite = QModelIndex();
        m_lastTransponder = QModelIndex();
        ApplySelection(root);
        return;
    }
    case kHintRelabelFavourites: {
        FlagGuard quiet(m_quiet);
        m_model->RelabelFavourites(m_document.File());
        if (m_model->MarkedFavourite() >= static_cast<int>(m_document.File().m_favourites.Size())) {
            SetMarked(-1);
        }
        UpdateActions();
        return;
    }
    default:
        // The initial update, a replaced model and anything else: build afresh.
        Rebuild(false);
        SelectQuietly(m_model->RootIndex(NodeKind::FavouritesRoot));
        scrollTo(m_model->RootIndex(NodeKind::SatellitesRoot), QAbstractItemView::PositionAtTop);
        if (hint == kHintModelReplaced) {
            RefillFromSelection();
        }
        return;
    }
}

void CLeftView::Rebuild(bool keepState) {
    FlagGuard quiet(m_quiet);
    // Only roots and satellites have children; satellites are found by record afterwards.
    std::vector<const void*> expandedSatellites;
    std::vector<NodeKind> expandedRoots;
    NodeKind selectedKind = NodeKind::None;
    const void* selectedRecord = nullptr;
    if (keepState) {
        for (NodeKind root :
             {NodeKind::SatellitesRoot, NodeKind::ProvidersRoot, NodeKind::FavouritesRoot}) {
            const QModelIndex index = m_model->RootIndex(root);
            if (isExpanded(index)) {
                expandedRoots.push_back(root);
            }
        }
        const QModelIndex satellites = m_model->RootIndex(NodeKind::SatellitesRoot);
        for (int row = 0; row < m_model->rowCount(satellites); ++row) {
            const QModelIndex index = m_model->index(row, 0, satellites);
            if (isExpanded(index)) {
                expandedSatellites.push_back(m_model->RecordOf(index));
            }
        }
        selectedKind = m_model->KindOf(currentIndex());
        selectedRecord = m_model->RecordOf(currentIndex());
    }

    m_model->Rebuild(&m_document.File(), m_options);
    m_lastSatellite = QModelIndex();
    m_lastTransponder = QModelIndex();

    for (NodeKind root : expandedRoots) {
        expand(m_model->RootIndex(root));
    }
    if (!expandedSatellites.empty()) {
        const QModelIndex satellites = m_model->RootIndex(NodeKind::SatellitesRoot);
        for (int row = 0; row < m_model->rowCount(satellites); ++row) {
            const QModelIndex index = m_model->index(row, 0, satellites);
            if (std::find(expandedSatellites.begin(), expandedSatellites.end(),
                          m_model->RecordOf(index)) != expandedSatellites.end()) {
                expand(index);
            }
        }
    }
    expand(m_model->RootIndex(NodeKind::SatellitesRoot));
    expand(m_model->RootIndex(NodeKind::FavouritesRoot));
    if (selectedKind != NodeKind::None) {
        SelectQuietly(selectedRecord ? m_model->IndexOfRecord(selectedRecord)
                                     : m_model->RootIndex(selectedKind));
    }
    if (m_model->MarkedFavourite() >= static_cast<int>(m_document.File().m_favourites.Size())) {
        SetMarked(-1);
    }
    UpdateActions();
}

void CLeftView::OnTransponderChanged(const CTransponderData* transponder) {
    const QModelIndex node = m_model->IndexOfRecord(transponder);
    if (!node.isValid()) {
        return;
    }
    {
        FlagGuard quiet(m_quiet);
        m_model->RelabelTransponder(m_document.File(), node);
        m_model->SortTransponders(node.parent());
    }
    RefillFromSelection();
}

void CLeftView::OnSatelliteChanged(const CSatelliteInfo* satellite) {
    if (m_document.File().m_satellites.IndexOf(satellite) < 0) {
        return;
    }
    {
        FlagGuard quiet(m_quiet);
        m_model->RelabelSatellites(m_document.File());
    }
    RefillFromSelection();
    emit TransponderPaneRequested(m_document.GetCurrentTransponder());
    FlagGuard quiet(m_quiet);
    m_model->SortSatellites();
}

// --- selection

void CLeftView::SelectQuietly(const QModelIndex& index) {
    FlagGuard quiet(m_quiet);
    if (!index.isValid()) {
        return;
    }
    setCurrentIndex(index);
    scrollTo(index);
}

void CLeftView::SelectNode(const QModelIndex& index) {
    SelectQuietly(index);
    ApplySelection(index);
}

void CLeftView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (!m_quiet && current.isValid()) {
        ApplySelection(current);
    }
}

void CLeftView::ApplySelection(const QModelIndex& index) {
    CSettingsFile& file = m_document.File();
    const NodeKind kind = m_model->KindOf(index);
    const int table = m_model->TableIndexOf(index);
    if (IsRoot(kind)) {
        m_document.SetCurrentSatellite(nullptr);
        m_document.SetCurrentTransponder(nullptr);
        m_document.SetCurrentChannel(nullptr);
        emit SatellitePaneRequested(nullptr);
        emit TransponderPaneRequested(nullptr);
        emit ChannelPaneCleared();
    } else if (kind == NodeKind::Satellite &&
               static_cast<size_t>(table) < file.m_satellites.Size()) {
        CSatelliteInfo* satellite = file.m_satellites.At(static_cast<size_t>(table));
        m_lastSatellite = index;
        m_document.SetCurrentSatellite(satellite);
        m_document.SetCurrentTransponder(nullptr);
        m_document.SetCurrentChannel(nullptr);
        emit SatellitePaneRequested(satellite);
        emit TransponderPaneRequested(nullptr);
        emit ChannelPaneCleared();
    } else if (kind == NodeKind::Transponder &&
               static_cast<size_t>(table) < file.m_transponders.Size()) {
        CTransponderData* transponder = file.m_transponders.At(static_cast<size_t>(table));
        m_lastTransponder = index;
        m_document.SetCurrentTransponder(transponder);
        emit TransponderPaneRequested(transponder);
        const uint16_t satellite = transponder->GetSatelliteIndex();
        if (satellite < file.m_satellites.Size()) {
            m_document.SetCurrentSatellite(file.m_satellites.At(satellite));
            emit SatellitePaneRequested(file.m_satellites.At(satellite));
        }
        m_document.SetCurrentChannel(nullptr);
        emit ChannelPaneCleared();
    }
    RefillFromSelection();
}

ListFill CLeftView::FillFor(const QModelIndex& index) const {
    ListFill fill;
    fill.tv = m_tv;
    switch (m_model->KindOf(index)) {
    case NodeKind::Satellite:
        fill.mode = ListMode::Satellite;
        break;
    case NodeKind::Transponder:
        fill.mode = ListMode::Transponder;
        break;
    case NodeKind::Provider:
        fill.mode = ListMode::Provider;
        break;
    case NodeKind::FavouriteList:
        fill.mode = ListMode::Favourite;
        break;
    default:
        fill.mode = ListMode::AllChannels;
        fill.index = m_tv ? 0 : 1;
        return fill;
    }
    fill.index = m_model->TableIndexOf(index);
    return fill;
}

void CLeftView::RefillFromSelection() {
    QModelIndex node = currentIndex();
    if (!node.isValid()) {
        node = indexAt(m_lastPoint);
    }
    if (node.isValid()) {
        emit FillRequested(FillFor(node));
        if (m_model->KindOf(node) == NodeKind::FavouriteList) {
            emit FavouriteSequenceNumberingChanged(m_options.favSeqNum);
        }
    }
    m_model->SetHighlightedChannel(nullptr);
}

// --- mouse, menu, drag and drop

void CLeftView::mousePressEvent(QMouseEvent* event) {
    m_lastPoint = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_target = indexAt(m_lastPoint);
    }
    QTreeView::mousePressEvent(event);
}

void CLeftView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint point = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid()) {
        point = visualRect(currentIndex()).center();
    }
    m_lastPoint = point;
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) {
        return;
    }
    SetCommandTarget(index);
    const std::unique_ptr<QMenu> menu(BuildContextMenu(index, window()));
    if (menu) {
        menu->exec(viewport()->mapToGlobal(point));
    }
}

} // namespace tarnell
