#include "CChannelListModel.h"

#include "BidiText.h"
#include "CSettingsFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>
#include <unordered_map>

namespace tarnell {

using ChannelList::Comparison;

void CChannelListModel::SetRows(const CSettingsFile* file, std::vector<CChannelData*> channels) {
    beginResetModel();
    m_file = file;
    m_channels = file ? std::move(channels) : std::vector<CChannelData*>{};
    m_numbers.assign(m_channels.size(), 0);
    InvalidateTexts();
    endResetModel();
}

void CChannelListModel::InvalidateTexts() {
    m_names.Clear();
    m_satelliteNames.Clear();
    m_providerNames.Clear();
}

const QString& CChannelListModel::Name(int row) const {
    return m_names.Get(static_cast<size_t>(row), m_channels.size(),
                       [this, row] { return ChannelList::ChannelName(*m_file, *m_channels[row]); });
}

CChannelData* CChannelListModel::ChannelAt(int row) const {
    return row >= 0 && static_cast<size_t>(row) < m_channels.size() ? m_channels[row] : nullptr;
}

int CChannelListModel::NumberAt(int row) const {
    return row >= 0 && static_cast<size_t>(row) < m_numbers.size() ? m_numbers[row] : 0;
}

int CChannelListModel::RowOf(const CChannelData* channel) const {
    const auto it = std::find(m_channels.begin(), m_channels.end(), channel);
    return it == m_channels.end() ? -1 : static_cast<int>(it - m_channels.begin());
}

QString CChannelListModel::Text(int row, int column) const {
    const CChannelData* channel = ChannelAt(row);
    if (!channel || column < 0 || column >= kColumnCount) {
        return {};
    }
    // Names are decoded once; the other columns are cheap to make again.
    switch (column) {
    case kColumnName:
        return m_compact ? ChannelList::CompactText(m_numbers[row], Name(row)) : Name(row);
    case ChannelList::kColSatellite:
    case ChannelList::kColProvider: {
        const CTransponderData* transponder = ChannelList::UsableTransponder(*m_file, *channel);
        if (!transponder) {
            return {};
        }
        if (column == ChannelList::kColSatellite) {
            const size_t index = transponder->GetSatelliteIndex();
            return index < m_file->m_satellites.Size()
                       ? m_satelliteNames.Get(
                             index, m_file->m_satellites.Size(),
                             [&] { return ChannelList::SatelliteName(*m_file, *transponder); })
                       : QString();
        }
        const size_t index = transponder->GetProviderIndex();
        return index < m_file->m_providerNames.Size()
                   ? m_providerNames.Get(
                         index, m_file->m_providerNames.Size(),
                         [&] { return ChannelList::ProviderName(*m_file, *transponder); })
                   : QString();
    }
    default:
        return ChannelList::CellText(*m_file, *channel, column, m_numbers[row]);
    }
}

void CChannelListModel::SetCompact(bool compact) {
    if (compact == m_compact) {
        return;
    }
    m_compact = compact;
    if (!m_channels.empty()) {
        emit dataChanged(index(0, kColumnName), index(rowCount() - 1, kColumnName));
    }
}

void CChannelListModel::Renumber(bool favouriteSequence, uint32_t configOptionFlag) {
    for (size_t row = 0; row < m_channels.size(); ++row) {
        m_numbers[row] = ChannelList::ChannelNumber(*m_channels[row], static_cast<int>(row),
                                                    favouriteSequence, configOptionFlag);
    }
    if (!m_channels.empty()) {
        const int column = m_compact ? kColumnName : kColumnNumber;
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
    }
    if (m_compact) {
        SortRows(kColumnName, Comparison::Padded, true);
    } else {
        SortRows(m_sortColumn, ChannelList::Info(m_sortColumn).comparison, true);
    }
}

QString CChannelListModel::SortKey(int row, int column, Comparison comparison) const {
    if (m_compact && column == kColumnName) {
        // The number prefix is not part of the name.
        return ChannelList::TextKey(Name(row));
    }
    const QString text = Text(row, column);
    return comparison == Comparison::Text ? ChannelList::TextKey(text)
                                          : ChannelList::PaddedKey(text);
}

void CChannelListModel::SortRows(int column, Comparison comparison, bool ascending) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    // Column 0 of the compact style holds number and name; its sorts are by one of them.
    if (m_compact && column == kColumnName) {
        m_sortColumn = comparison == Comparison::Padded ? kColumnNumber : kColumnName;
    } else {
        m_sortColumn = column;
    }
    m_ascending = ascending;
    const int rows = rowCount();
    if (rows < 2) {
        return;
    }
    // Keys beside their rows keep the sort within a few cache lines.
    auto sortBy = [ascending, rows](auto keyOf) {
        using Key = decltype(keyOf(0));
        std::vector<std::pair<Key, int>> keys;
        keys.reserve(static_cast<size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            keys.emplace_back(keyOf(row), row);
        }
        const auto before = [ascending](const auto& a, const auto& b) {
            return ascending ? a.first < b.first : b.first < a.first;
        };
        // A renumbered list is mostly in order already.
        if (!std::is_sorted(keys.begin(), keys.end(), before)) {
            std::stable_sort(keys.begin(), keys.end(), before);
        }
        std::vector<int> order;
        order.reserve(keys.size());
        for (const auto& key : keys) {
            order.push_back(key.second);
        }
        return order;
    };
    std::vector<int> order;
    const bool numeric =
        comparison == Comparison::Padded &&
        (m_sortColumn == kColumnNumber ||
         (!m_compact && ChannelList::NumericKey(*m_file, *m_channels[0], column, 0) >= 0));
    if (numeric) {
        // Non-negative numbers padded with zeros compare as their values.
        order = sortBy([this, column](int row) -> int64_t {
            return m_sortColumn == kColumnNumber
                       ? m_numbers[row]
                       : ChannelList::NumericKey(*m_file, *m_channels[row], column, 0);
        });
    } else {
        order = sortBy(
            [this, column, comparison](int row) { return SortKey(row, column, comparison); });
    }
    Reorder(order);
}

void CChannelListModel::Reorder(const std::vector<int>& order) {
    if (std::is_sorted(order.begin(), order.end())) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    std::vector<CChannelData*> channels(order.size());
    std::vector<int> numbers(order.size());
    for (size_t row = 0; row < order.size(); ++row) {
        newRowOf[order[row]] = static_cast<int>(row);
        channels[row] = m_channels[order[row]];
        numbers[row] = m_numbers[order[row]];
    }
    m_channels = std::move(channels);
    m_numbers = std::move(numbers);
    if (m_names.texts.size() == order.size()) {
        NameCache names;
        names.texts.resize(order.size());
        names.known.resize(order.size());
        for (size_t row = 0; row < order.size(); ++row) {
            names.texts[row] = std::move(m_names.texts[order[row]]);
            names.known[row] = m_names.known[order[row]];
        }
        m_names = std::move(names);
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        after.append(index(newRowOf[old.row()], old.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CChannelListModel::RelabelChannel(const CChannelData* channel, bool keepNumber,
                                       uint32_t configOptionFlag) {
    const int row = RowOf(channel);
    if (row < 0) {
        return;
    }
    if (!keepNumber) {
        m_numbers[row] = ChannelList::ChannelNumber(*channel, row, false, configOptionFlag);
    }
    InvalidateTexts();
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void CChannelListModel::SetMarkedFavourite(int list) {
    m_markedFavourite = list;
    if (!m_channels.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                         {Qt::ForegroundRole, Qt::BackgroundRole});
    }
}

void CChannelListModel::SetFavouriteColours(const QColor& text, const QColor& back) {
    m_favouriteText = text;
    m_favouriteBack = back;
    if (!m_channels.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                         {Qt::ForegroundRole, Qt::BackgroundRole});
    }
}

bool CChannelListModel::IsMarked(const CChannelData& channel) const {
    return m_markedFavourite >= 0 && channel.IsInFavourite(m_markedFavourite);
}

int CChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_channels.size());
}

int CChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CChannelListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const CChannelData& channel = *m_channels[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return IsolatedForLayout(Text(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return m_compact && index.column() == kColumnName
                   ? QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant::fromValue(ChannelList::Info(index.column()).alignment);
    case Qt::ForegroundRole:
        return IsMarked(channel) ? QVariant(m_favouriteText) : QVariant();
    case Qt::BackgroundRole:
        return IsMarked(channel) ? QVariant(m_favouriteBack) : QVariant();
    case kChannelRole:
        return QVariant::fromValue(reinterpret_cast<quintptr>(&channel));
    default:
        return {};
    }
}

QVariant CChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return ChannelList::Title(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(ChannelList::Info(section).alignment);
    }
    return {};
}

void CChannelListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumnCount) {
        return;
    }
    SortRows(column, ChannelList::Info(column).comparison, order == Qt::AscendingOrder);
}

QString CChannelListModel::RowsMimeType() {
    return QStringLiteral("application/x-tarnell-channel-rows");
}

QByteArray CChannelListModel::DragTokenFor(const void* document) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(document));
}

QByteArray CChannelListModel::DragTokenOf(const QMimeData* data) {
    if (!data || !data->hasFormat(RowsMimeType())) {
        return {};
    }
    QDataStream in(data->data(RowsMimeType()));
    QByteArray token;
    in >> token;
    return in.status() == QDataStream::Ok ? token : QByteArray();
}

Qt::ItemFlags CChannelListModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled
                           : base | Qt::ItemIsDropEnabled;
}

QStringList CChannelListModel::mimeTypes() const {
    return {RowsMimeType()};
}

QMimeData* CChannelListModel::mimeData(const QModelIndexList& indexes) const {
    if (!m_file || m_dragToken.isEmpty()) {
        return nullptr;
    }
    std::unordered_map<const CChannelData*, size_t> tableIndex;
    const auto& items = m_file->m_channels.Items();
    for (size_t i = 0; i < items.size(); ++i) {
        tableIndex.emplace(items[i].get(), i);
    }
    // One entry per row, although every column of a row comes as an index of its own.
    std::vector<int> rows;
    for (const QModelIndex& index : indexes) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << m_dragToken << static_cast<quint32>(rows.size());
    for (const int row : rows) {
        const auto it = tableIndex.find(ChannelAt(row));
        out << static_cast<quint32>(it == tableIndex.end() ? 0xFFFFFFFFu : it->second);
    }
    auto* data = new QMimeData;
    data->setData(RowsMimeType(), payload);
    return data;
}

std::vector<size_t> CChannelListModel::DraggedIndices(const QMimeData* data) const {
    std::vector<size_t> indices;
    if (!data || !m_file || !data->hasFormat(RowsMimeType())) {
        return indices;
    }
    QDataStream in(data->data(RowsMimeType()));
    QByteArray token;
    quint32 count = 0;
    in >> token >> count;
    if (in.status() != QDataStream::Ok || token != m_dragToken || m_dragToken.isEmpty()) {
        return indices;
    }
    const size_t size = m_file->m_channels.Size();
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        quint32 index = 0;
        in >> index;
        if (in.status() == QDataStream::Ok && index < size) {
            indices.push_back(index);
        }
    }
    return indices;
}

bool CChannelListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                        const QModelIndex&) const {
    return m_dropAllowed && !DraggedIndices(data).empty();
}

bool CChannelListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                     int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) {
        return false;
    }
    // On a row the drop goes in front of it; between rows the view gives the row behind.
    const int target = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    emit RowsDropped(target);
    // Nothing was inserted here: the document's edit refills the rows.
    return false;
}

} // namespace tarnell
