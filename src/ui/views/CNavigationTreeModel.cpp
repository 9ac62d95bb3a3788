#include "CNavigationTreeModel.h"

#include "BidiText.h"
#include "CSettingsFile.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>

namespace tarnell {

const QString CNavigationTreeModel::kMimeType =
    QStringLiteral("application/x-tarnell1018-tree-node");
const QColor CNavigationTreeModel::kHighlightBack = QColor(0xF4, 0xF8, 0x89);

struct CNavigationTreeModel::Node {
    NodeKind kind = NodeKind::None;
    const void* record = nullptr;
    int tableIndex = -1;
    QString text;
    Node* parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<Node>> children;

    Node* Add(NodeKind childKind, const void* childRecord, int index, QString childText) {
        auto child = std::make_unique<Node>();
        child->kind = childKind;
        child->record = childRecord;
        child->tableIndex = index;
        child->text = std::move(childText);
        child->parent = this;
        child->row = static_cast<int>(children.size());
        children.push_back(std::move(child));
        return children.back().get();
    }
    void Renumber() {
        for (size_t i = 0; i < children.size(); ++i) {
            children[i]->row = static_cast<int>(i);
        }
    }
};

namespace {

constexpr size_t kSatellitesRoot = 0;
constexpr size_t kProvidersRoot = 1;
constexpr size_t kFavouritesRoot = 2;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsActive(const CSatelliteInfo& s, int criterion) {
    if (criterion == 1) {
        return s.HasChannels();
    }
    return s.GetLnbIndex(0) < 0xFE || s.GetLnbIndex(1) < 0xFE;
}

// East from the largest position down to 0, then west from 0.1° W on.
int PositionKey(int position) {
    return position < 1801 ? 3600 - position : 18000 - position;
}

const CSatelliteInfo& SatelliteOf(const void* record) {
    return *static_cast<const CSatelliteInfo*>(record);
}

bool SatelliteBefore(int order, const CSatelliteInfo& a, const CSatelliteInfo& b) {
    if (order == 0) {
        return FromUtf8(a.GetDisplayName()).toLower() < FromUtf8(b.GetDisplayName()).toLower();
    }
    if (order == 2) {
        return a.GetSequenceNumber() < b.GetSequenceNumber();
    }
    return PositionKey(a.GetPosition()) < PositionKey(b.GetPosition());
}

bool Alphabetical(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

CNavigationTreeModel::CNavigationTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

CNavigationTreeModel::~CNavigationTreeModel() = default;

void CNavigationTreeModel::Rebuild(const CSettingsFile* file, const TreeOptions& options) {
    beginResetModel();
    m_options = options;
    m_roots.clear();
    m_satelliteByTable.clear();
    m_highlighted = nullptr;
    if (file == nullptr) {
        endResetModel();
        return;
    }
    auto root = [this](NodeKind kind, int value, QString text) {
        auto node = std::make_unique<Node>();
        node->kind = kind;
        node->tableIndex = value;
        node->text = std::move(text);
        node->row = static_cast<int>(m_roots.size());
        m_roots.push_back(std::move(node));
        return m_roots.back().get();
    };

    Node* satellites = root(NodeKind::SatellitesRoot, 1, tr("Satellites"));
    const size_t satelliteCount = file->m_satellites.Size();
    m_satelliteByTable.assign(satelliteCount, nullptr);
    for (size_t i = 0; i < satelliteCount; ++i) {
        const CSatelliteInfo* s = file->m_satellites.At(i);
        const std::string name = s->GetDisplayName();
        if (name.empty() || (m_options.onlyActive && !IsActive(*s, m_options.satelliteActive))) {
            continue;
        }
        m_satelliteByTable[i] = satellites->Add(
            NodeKind::Satellite, s, static_cast<int>(i),
            m_options.showNumber ? FromUtf8(s->GetDisplayName(true)) : FromUtf8(name));
    }

    const auto& table = file->m_transponders.Items();
    for (size_t k = 0; k < table.size(); ++k) {
        const CTransponderData& t = *table[k];
        if (t.IsFree() || t.GetSatelliteIndex() >= satelliteCount) {
            continue;
        }
        if (Node* satellite = m_satelliteByTable[t.GetSatelliteIndex()]) {
            satellite->Add(NodeKind::Transponder, &t, static_cast<int>(k),
                           TransponderText(*file, t));
        }
    }
    for (const auto& satellite : satellites->children) {
        std::stable_sort(
            satellite->children.begin(), satellite->children.end(),
            [](const auto& a, const auto& b) { return Alphabetical(a->text, b->text); });
        satellite->Renumber();
    }

    Node* providers = root(NodeKind::ProvidersRoot, 150, tr("Providers"));
    for (size_t p = 0; p < file->m_providerNames.Size(); ++p) {
        const CChannelInfo* name = file->m_providerNames.At(p);
        const QString text = FromUtf8(name->GetDisplayName(NameMarks::Remove));
        if (!text.isEmpty()) {
            providers->Add(NodeKind::Provider, name, static_cast<int>(p), text);
        }
    }
    std::stable_sort(providers->children.begin(), providers->children.end(),
                     [](const auto& a, const auto& b) { return Alphabetical(a->text, b->text); });
    providers->Renumber();

    Node* favourites = root(NodeKind::FavouritesRoot, 200, tr("Favourite lists"));
    for (size_t i = 0; i < file->m_favourites.Size(); ++i) {
        const CFavoritenInfo* list = file->m_favourites.At(i);
        favourites->Add(NodeKind::FavouriteList, list, static_cast<int>(i),
                        FromUtf8(list->GetName(m_options.favCodepage)));
    }

    // Inside the reset the order needs no layout signals.
    const int order = m_options.satelliteOrder;
    std::stable_sort(satellites->children.begin(), satellites->children.end(),
                     [order](const auto& a, const auto& b) {
                         return SatelliteBefore(order, SatelliteOf(a->record),
                                                SatelliteOf(b->record));
                     });
    satellites->Renumber();
    endResetModel();
}

QString CNavigationTreeModel::TransponderText(const CSettingsFile& file,
                                              const CTransponderData& t) const {
    QString text = FromUtf8(t.GetLabel());
    const uint16_t p = t.GetProviderIndex();
    if (p < file.m_providerNames.Size()) {
        const QString provider =
            FromUtf8(file.m_providerNames.At(p)->GetDisplayName(NameMarks::Remove));
        if (!provider.isEmpty()) {
            text += QStringLiteral("   ") + provider;
        }
    }
    return text;
}

void CNavigationTreeModel::SortChildren(
    Node* parent, const std::function<bool(const Node&, const Node&)>& before) {
    if (parent == nullptr || parent->children.size() < 2) {
        return;
    }
    const QModelIndex parentIndex = IndexOf(parent);
    emit layoutAboutToBeChanged({QPersistentModelIndex(parentIndex)},
                                QAbstractItemModel::VerticalSortHint);
    std::stable_sort(parent->children.begin(), parent->children.end(),
                     [&before](const auto& a, const auto& b) { return before(*a, *b); });
    parent->Renumber();
    // Every index names its node, so the persistent ones just take their node's new row.
    const QModelIndexList old = persistentIndexList();
    QModelIndexList now;
    now.reserve(old.size());
    for (const QModelIndex& index : old) {
        const Node* node = NodeOf(index);
        now.append(node ? createIndex(node->row, index.column(), node) : QModelIndex());
    }
    changePersistentIndexList(old, now);
    emit layoutChanged({QPersistentModelIndex(parentIndex)}, QAbstractItemModel::VerticalSortHint);
}

void CNavigationTreeModel::SortSatellites() {
    if (m_roots.empty()) {
        return;
    }
    const int order = m_options.satelliteOrder;
    SortChildren(m_roots[kSatellitesRoot].get(), [order](const Node& a, const Node& b) {
        return SatelliteBefore(order, SatelliteOf(a.record), SatelliteOf(b.record));
    });
}

void CNavigationTreeModel::SortProviders() {
    if (m_roots.empty()) {
        return;
    }
    const int order = m_options.providerOrder;
    SortChildren(m_roots[kProvidersRoot].get(), [order](const Node& a, const Node& b) {
        if (order == 0) {
            return a.text.toLower() < b.text.toLower();
        }
        return a.tableIndex < b.tableIndex;
    });
}

void CNavigationTreeModel::SortTransponders(const QModelIndex& satellite) {
    Node* node = NodeOf(satellite);
    if (node == nullptr || node->kind != NodeKind::Satellite) {
        return;
    }
    // Free slots have frequency 0 and never move anything behind them.
    SortChildren(node, [](const Node& a, const Node& b) {
        const int fa = static_cast<const CTransponderData*>(a.record)->GetFrequency();
        const int fb = static_cast<const CTransponderData*>(b.record)->GetFrequency();
        return fa != 0 && fa < fb;
    });
}

void CNavigationTreeModel::RelabelSatellites(const CSettingsFile& file) {
    if (m_roots.empty()) {
        return;
    }
    Node* satellites = m_roots[kSatellitesRoot].get();
    for (const auto& node : satellites->children) {
        const auto& s = SatelliteOf(node->record);
        if (file.m_satellites.IndexOf(&s) >= 0) {
            node->text = FromUtf8(s.GetDisplayName(m_options.showNumber));
        }
    }
    if (!satellites->children.empty()) {
        emit dataChanged(IndexOf(satellites->children.front().get()),
                         IndexOf(satellites->children.back().get()), {Qt::DisplayRole});
    }
}

void CNavigationTreeModel::RelabelFavourites(const CSettingsFile& file) {
    if (m_roots.empty()) {
        return;
    }
    Node* root = m_roots[kFavouritesRoot].get();
    const QModelIndex rootIndex = IndexOf(root);
    const int lists = static_cast<int>(file.m_favourites.Size());
    const int nodes = static_cast<int>(root->children.size());
    if (lists < nodes) {
        beginRemoveRows(rootIndex, lists, nodes - 1);
        root->children.resize(static_cast<size_t>(lists));
        endRemoveRows();
    }
    const int common = std::min(lists, nodes);
    for (int i = 0; i < common; ++i) {
        Node& node = *root->children[static_cast<size_t>(i)];
        const CFavoritenInfo* list = file.m_favourites.At(static_cast<size_t>(i));
        node.record = list;
        node.tableIndex = i;
        node.text = FromUtf8(list->GetName(m_options.favCodepage));
    }
    if (common > 0) {
        emit dataChanged(index(0, 0, rootIndex), index(common - 1, 0, rootIndex));
    }
    if (lists > nodes) {
        beginInsertRows(rootIndex, nodes, lists - 1);
        for (int i = nodes; i < lists; ++i) {
            const CFavoritenInfo* list = file.m_favourites.At(static_cast<size_t>(i));
            root->Add(NodeKind::FavouriteList, list, i,
                      FromUtf8(list->GetName(m_options.favCodepage)));
        }
        endInsertRows();
    }
}

void CNavigationTreeModel::RelabelProvider(const CSettingsFile& file, int providerIndex) {
    if (m_roots.empty() || providerIndex < 0 ||
        static_cast<size_t>(providerIndex) >= file.m_providerNames.Size()) {
        return;
    }
    for (const auto& node : m_roots[kProvidersRoot]->children) {
        if (node->tableIndex == providerIndex) {
            node->text = FromUtf8(file.m_providerNames.At(static_cast<size_t>(providerIndex))
                                      ->GetDisplayName(NameMarks::Remove));
            const QModelIndex i = IndexOf(node.get());
            emit dataChanged(i, i, {Qt::DisplayRole});
        }
    }
    for (const auto& satellite : m_roots[kSatellitesRoot]->children) {
        for (const auto& node : satellite->children) {
            const auto* t = static_cast<const CTransponderData*>(node->record);
            if (t->GetProviderIndex() == providerIndex) {
                node->text = TransponderText(file, *t);
                const QModelIndex i = IndexOf(node.get());
                emit dataChanged(i, i, {Qt::DisplayRole});
            }
        }
    }
}

void CNavigationTreeModel::RelabelTransponder(const CSettingsFile& file,
                                              const QModelIndex& transponder) {
    Node* node = NodeOf(transponder);
    if (node == nullptr || node->kind != NodeKind::Transponder) {
        return;
    }
    node->text = TransponderText(file, *static_cast<const CTransponderData*>(node->record));
    emit dataChanged(transponder, transponder, {Qt::DisplayRole});
}

QModelIndex CNavigationTreeModel::RootIndex(NodeKind root) const {
    const size_t position = root == NodeKind::SatellitesRoot   ? kSatellitesRoot
                            : root == NodeKind::ProvidersRoot  ? kProvidersRoot
                            : root == NodeKind::FavouritesRoot ? kFavouritesRoot
                                                               : m_roots.size();
    return position < m_roots.size() ? IndexOf(m_roots[position].get()) : QModelIndex();
}

QModelIndex CNavigationTreeModel::IndexOfRecord(const void* record) const {
    if (record == nullptr) {
        return {};
    }
    std::vector<const Node*> pending;
    for (auto it = m_roots.rbegin(); it != m_roots.rend(); ++it) {
        pending.push_back(it->get());
    }
    while (!pending.empty()) {
        const Node* node = pending.back();
        pending.pop_back();
        if (node->record == record) {
            return IndexOf(node);
        }
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            pending.push_back(it->get());
        }
    }
    return {};
}

QModelIndex CNavigationTreeModel::SatelliteNode(int tableIndex) const {
    if (tableIndex < 0 || static_cast<size_t>(tableIndex) >= m_satelliteByTable.size()) {
        return {};
    }
    return IndexOf(m_satelliteByTable[static_cast<size_t>(tableIndex)]);
}

NodeKind CNavigationTreeModel::KindOf(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    return node ? node->kind : NodeKind::None;
}

int CNavigationTreeModel::TableIndexOf(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    return node && node->parent ? node->tableIndex : -1;
}

const void* CNavigationTreeModel::RecordOf(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    return node ? node->record : nullptr;
}

bool CNavigationTreeModel::IsValidDrop(const QModelIndex& dragged,
                                       const QModelIndex& target) const {
    const Node* from = NodeOf(dragged);
    const Node* to = NodeOf(target);
    if (from == nullptr || to == nullptr || from == to || to->parent != from->parent) {
        return false;
    }
    return from->kind == to->kind &&
           (from->kind == NodeKind::Satellite || from->kind == NodeKind::FavouriteList);
}

QModelIndex CNavigationTreeModel::DraggedNode(const QMimeData* mime) const {
    if (mime == nullptr || !mime->hasFormat(kMimeType)) {
        return {};
    }
    QDataStream stream(mime->data(kMimeType));
    int kind = 0;
    int tableIndex = -1;
    stream >> kind >> tableIndex;
    if (stream.status() != QDataStream::Ok) {
        return {};
    }
    if (kind == static_cast<int>(NodeKind::Satellite)) {
        return SatelliteNode(tableIndex);
    }
    if (kind == static_cast<int>(NodeKind::FavouriteList)) {
        const QModelIndex root = RootIndex(NodeKind::FavouritesRoot);
        return tableIndex >= 0 && tableIndex < rowCount(root) ? index(tableIndex, 0, root)
                                                              : QModelIndex();
    }
    return {};
}

void CNavigationTreeModel::SetMarkedFavourite(int list) {
    m_marked = list;
    if (!m_roots.empty() && !m_roots[kFavouritesRoot]->children.empty()) {
        const QModelIndex root = RootIndex(NodeKind::FavouritesRoot);
        emit dataChanged(index(0, 0, root), index(rowCount(root) - 1, 0, root));
    }
}

void CNavigationTreeModel::SetHighlightedChannel(const CChannelData* channel) {
    m_highlighted = channel;
    if (!m_roots.empty() && !m_roots[kFavouritesRoot]->children.empty()) {
        const QModelIndex root = RootIndex(NodeKind::FavouritesRoot);
        emit dataChanged(index(0, 0, root), index(rowCount(root) - 1, 0, root));
    }
}

bool CNavigationTreeModel::IsMemberOfHighlighted(int list) const {
    return m_highlighted != nullptr && m_highlighted->IsInFavourite(list);
}

CNavigationTreeModel::Node* CNavigationTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() && index.model() == this ? static_cast<Node*>(index.internalPointer())
                                                    : nullptr;
}

QModelIndex CNavigationTreeModel::IndexOf(const Node* node) const {
    return node ? createIndex(node->row, 0, node) : QModelIndex();
}

QModelIndex CNavigationTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) {
        return {};
    }
    if (!parent.isValid()) {
        return static_cast<size_t>(row) < m_roots.size()
                   ? createIndex(row, 0, m_roots[static_cast<size_t>(row)].get())
                   : QModelIndex();
    }
    const Node* node = NodeOf(parent);
    if (node == nullptr || static_cast<size_t>(row) >= node->children.size()) {
        return {};
    }
    return createIndex(row, 0, node->children[static_cast<size_t>(row)].get());
}

QModelIndex CNavigationTreeModel::parent(const QModelIndex& child) const {
    const Node* node = NodeOf(child);
    return node ? IndexOf(node->parent) : QModelIndex();
}

int CNavigationTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) {
        return static_cast<int>(m_roots.size());
    }
    if (parent.column() != 0) {
        return 0;
    }
    const Node* node = NodeOf(parent);
    return node ? static_cast<int>(node->children.size()) : 0;
}

int CNavigationTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant CNavigationTreeModel::data(const QModelIndex& index, int role) const {
    const Node* node = NodeOf(index);
    if (node == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return IsolatedForLayout(node->text);
    case Qt::EditRole:
        return node->text;
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        if (node->kind == NodeKind::FavouriteList) {
            const bool back = role == Qt::BackgroundRole;
            if (IsMemberOfHighlighted(node->tableIndex)) {
                return back ? kHighlightBack : QColor(Qt::black);
            }
            if (node->tableIndex == m_marked) {
                return QColor::fromRgb(back ? m_options.favouriteBackColor
                                            : m_options.favouriteTextColor);
            }
        }
        return {};
    default:
        return {};
    }
}

bool CNavigationTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    Node* node = NodeOf(index);
    if (node == nullptr || role != Qt::EditRole ||
        (node->kind != NodeKind::Provider && node->kind != NodeKind::FavouriteList)) {
        return false;
    }
    const QString text = value.toString().left(kMaxNameLength);
    if (text == node->text) {
        return false;
    }
    // The handler changes the record and relabels the nodes from it.
    if (m_rename) {
        return m_rename(node->kind, node->tableIndex, text);
    }
    node->text = text;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags CNavigationTreeModel::flags(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    if (node == nullptr) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (node->kind) {
    case NodeKind::Provider:
        flags |= Qt::ItemIsEditable;
        break;
    case NodeKind::FavouriteList:
        flags |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
        break;
    case NodeKind::Satellite:
        flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
        break;
    default:
        break;
    }
    return flags;
}

QStringList CNavigationTreeModel::mimeTypes() const {
    return {kMimeType};
}

QMimeData* CNavigationTreeModel::mimeData(const QModelIndexList& indexes) const {
    const Node* node = indexes.isEmpty() ? nullptr : NodeOf(indexes.front());
    if (node == nullptr ||
        (node->kind != NodeKind::Satellite && node->kind != NodeKind::FavouriteList)) {
        return nullptr;
    }
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << static_cast<int>(node->kind) << node->tableIndex;
    auto* mime = new QMimeData;
    mime->setData(kMimeType, bytes);
    mime->setText(node->text);
    return mime;
}

bool CNavigationTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                           const QModelIndex& parent) const {
    // Only onto a node, never between two.
    return row < 0 && IsValidDrop(DraggedNode(data), parent);
}

} // namespace tarnell
