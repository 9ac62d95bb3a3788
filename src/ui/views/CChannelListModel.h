#pragma once

#include "ChannelListTexts.h"

#include <QAbstractTableModel>
#include <QColor>

#include <cstdint>
#include <vector>

namespace tarnell {

class CChannelData;
class CSettingsFile;

// The rows of the channel list: borrowed channel records with the number each row shows. The
// texts are made when asked for, so that a fill of 10,000 channels only collects pointers. The
// owner refills the model whenever the document replaces or removes records.
class CChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnName = ChannelList::kColName;
    static constexpr int kColumnNumber = ChannelList::kColNumber;
    static constexpr int kColumnCount = ChannelList::kColumnCount;
    // The channel record of a row, as quintptr.
    static constexpr int kChannelRole = Qt::UserRole + 1;

    explicit CChannelListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Replaces every row; the numbers stay 0 until the next Renumber.
    void SetRows(const CSettingsFile* file, std::vector<CChannelData*> channels);
    void Clear() { SetRows(nullptr, {}); }

    CChannelData* ChannelAt(int row) const;
    int NumberAt(int row) const;
    // -1 when the channel has no row.
    int RowOf(const CChannelData* channel) const;
    const std::vector<CChannelData*>& Channels() const { return m_channels; }
    QString Text(int row, int column) const;

    // Column 0 then shows "%4i %s" and sorts by number or name alone.
    bool IsCompact() const { return m_compact; }
    void SetCompact(bool compact);

    // Sets every row's number, then sorts again in ascending order: the compact style by
    // number, the details style by the sort column.
    void Renumber(bool favouriteSequence, uint32_t configOptionFlag);
    // Sorts by the column with the given comparison; ties keep their order.
    void SortRows(int column, ChannelList::Comparison comparison, bool ascending);
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_ascending; }
    // Rebuilds the texts of the channel's row. Its number is taken again from the record
    // unless the row keeps its number (a favourite list numbered in sequence).
    void RelabelChannel(const CChannelData* channel, bool keepNumber, uint32_t configOptionFlag);

    // Forgets the names made for painting and sorting, after the document changed.
    void InvalidateTexts();

    // -1 for none.
    void SetMarkedFavourite(int list);
    int MarkedFavourite() const { return m_markedFavourite; }
    // The other rows take their colours from the view's palette.
    void SetFavouriteColours(const QColor& text, const QColor& back);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A header click's sort: the column's own comparison.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Dragged rows carry the token of their document and the channels' table indices; a drop
    // is taken only from the same document, and only while drops are allowed.
    static QString RowsMimeType();
    // The token of a document's drags: this program's process and that document.
    static QByteArray DragTokenFor(const void* document);
    // The token a drag carries; empty for any other data.
    static QByteArray DragTokenOf(const QMimeData* data);
    void SetDragToken(const QByteArray& token) { m_dragToken = token; }
    void SetDropAllowed(bool allowed) { m_dropAllowed = allowed; }
    // The table indices a drag from this document carries; empty for any other drag.
    std::vector<size_t> DraggedIndices(const QMimeData* data) const;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    // Moves nothing itself: it tells the view where the rows were dropped.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // Rows of this document were dropped in front of `row` (the row count: at the end).
    void RowsDropped(int row);

private:
    // Decoded names by table index, made when first asked for.
    struct NameCache {
        std::vector<QString> texts;
        std::vector<char> known;
        template <class Make> const QString& Get(size_t index, size_t size, Make make) {
            if (texts.size() != size) {
                texts.assign(size, QString());
                known.assign(size, 0);
            }
            if (!known[index]) {
                texts[index] = make();
                known[index] = 1;
            }
            return texts[index];
        }
        void Clear() {
            texts.clear();
            known.clear();
        }
    };

    const QString& Name(int row) const;
    bool IsMarked(const CChannelData& channel) const;
    QString SortKey(int row, int column, ChannelList::Comparison comparison) const;
    void Reorder(const std::vector<int>& order);

    const CSettingsFile* m_file = nullptr;
    std::vector<CChannelData*> m_channels;
    std::vector<int> m_numbers;
    mutable NameCache m_names; // by row
    mutable NameCache m_satelliteNames;
    mutable NameCache m_providerNames;
    bool m_compact = false;
    int m_sortColumn = kColumnNumber;
    bool m_ascending = true;
    int m_markedFavourite = -1;
    QColor m_favouriteText;
    QColor m_favouriteBack;
    QByteArray m_dragToken;
    bool m_dropAllowed = true;
};

} // namespace tarnell
