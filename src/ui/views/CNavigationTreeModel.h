#pragma once

#include <QAbstractItemModel>
#include <QColor>

#include <functional>

#include <cstdint>
#include <memory>
#include <vector>

namespace tarnell {

class CChannelData;
class CSatelliteInfo;
class CSettingsFile;
class CTransponderData;

// The preferences the navigation tree reads; colours as 0xRRGGBB.
struct TreeOptions {
    int satelliteOrder = 1;  // 0 by name, 1 by orbital position, 2 stored order
    int providerOrder = 2;   // 0 by name, 2 by number
    int satelliteActive = 1; // what makes a satellite active: 1 it has channels, 0 an LNB
    bool onlyActive = true;  // the window's copy of SatelliteOnlyAcitve
    bool showNumber = false; // satellites named with their sequence number
    bool favSeqNum = true;
    int favCodepage = 6;
    uint32_t treeBackColor = 0xBCC7D8;
    uint32_t treeTextColor = 0x000000;
    uint32_t favouriteBackColor = 0xD7282D;
    uint32_t favouriteTextColor = 0xFFFFF5;
};

enum class NodeKind {
    None,
    SatellitesRoot,
    Satellite,
    Transponder,
    ProvidersRoot,
    Provider,
    FavouritesRoot,
    FavouriteList,
};

// The tree of one settings file: satellites with their transponders, providers, favourite
// lists. Each node borrows its record and remembers the record's table index from the last
// build; the owner rebuilds or relabels whenever the document changes those tables.
class CNavigationTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    static constexpr int kMaxNameLength = 127;
    static const QString kMimeType;
    // Painted behind favourite lists that hold the highlighted channel.
    static const QColor kHighlightBack;

    explicit CNavigationTreeModel(QObject* parent = nullptr);
    ~CNavigationTreeModel() override;

    // nullptr empties the tree.
    void Rebuild(const CSettingsFile* file, const TreeOptions& options);
    void SetOptions(const TreeOptions& options) { m_options = options; }
    const TreeOptions& Options() const { return m_options; }

    void SortSatellites();
    void SortProviders();
    // The transponders of a satellite by frequency, as after an edit of one of them.
    void SortTransponders(const QModelIndex& satellite);
    void RelabelSatellites(const CSettingsFile& file);
    // Nodes in table order again; lists added or removed since the build gain or lose nodes.
    void RelabelFavourites(const CSettingsFile& file);
    // The provider's node and every transponder naming it.
    void RelabelProvider(const CSettingsFile& file, int providerIndex);
    void RelabelTransponder(const CSettingsFile& file, const QModelIndex& transponder);

    QModelIndex RootIndex(NodeKind root) const;
    // Depth-first over the whole tree; invalid when no node shows the record.
    QModelIndex IndexOfRecord(const void* record) const;
    QModelIndex SatelliteNode(int tableIndex) const;
    NodeKind KindOf(const QModelIndex& index) const;
    int TableIndexOf(const QModelIndex& index) const;
    const void* RecordOf(const QModelIndex& index) const;
    // A drag from `dragged` may end on `target`: a sibling of the same kind.
    bool IsValidDrop(const QModelIndex& dragged, const QModelIndex& target) const;
    QModelIndex DraggedNode(const QMimeData* mime) const;

    void SetMarkedFavourite(int list);
    int MarkedFavourite() const { return m_marked; }
    void SetHighlightedChannel(const CChannelData* channel);
    const CChannelData* HighlightedChannel() const { return m_highlighted; }

    // Asked when an in-place edit ends: it renames the record and relabels the tree, or
    // answers false to keep the old name.
    using RenameHandler = std::function<bool(NodeKind, int tableIndex, const QString& text)>;
    void SetRenameHandler(RenameHandler handler) { m_rename = std::move(handler); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Drops are carried out by the view, which knows the document.
    bool dropMimeData(const QMimeData*, Qt::DropAction, int, int, const QModelIndex&) override {
        return false;
    }

private:
    struct Node;
    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(const Node* node) const;
    void SortChildren(Node* parent, const std::function<bool(const Node&, const Node&)>& before);
    QString TransponderText(const CSettingsFile& file, const CTransponderData& t) const;
    bool IsMemberOfHighlighted(int list) const;

    std::vector<std::unique_ptr<Node>> m_roots;
    std::vector<Node*> m_satelliteByTable; // node of each satellite table index, or nullptr
    TreeOptions m_options;
    int m_marked = -1;
    const CChannelData* m_highlighted = nullptr;
    RenameHandler m_rename;
};

} // namespace tarnell
