#include "CChannelListModel.h"

#include "CSettingsFile.h"

#include <algorithm>
#include <numeric>

namespace tarnell {

using ChannelList::Comparison;

void CChannelListModel::SetRows(const CSettingsFile* file, std::vector<CChannelData*> channels) {
    beginResetModel();
    m_file = file;
    m_channels = file ? std::move(channels) : std::vector<CChannelData*>{};
    m_numbers.assign(m_channels.size(), 0);
    endResetModel();
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
    if (m_compact && column == kColumnName) {
        return ChannelList::CompactText(m_numbers[row],
                                        ChannelList::ChannelName(*m_file, *channel));
    }
    return ChannelList::CellText(*m_file, *channel, column, m_numbers[row]);
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
    const CChannelData& channel = *m_channels[row];
    if (m_compact && column == kColumnName) {
        // The number prefix is not part of the name.
        return ChannelList::TextKey(ChannelList::ChannelName(*m_file, channel));
    }
    const QString text = ChannelList::CellText(*m_file, channel, column, m_numbers[row]);
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
    std::vector<int> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    if (m_sortColumn == kColumnNumber && comparison == Comparison::Padded) {
        // Non-negative numbers padded with zeros compare as their values.
        const auto& numbers = m_numbers;
        std::stable_sort(order.begin(), order.end(), [&numbers, ascending](int a, int b) {
            return ascending ? numbers[a] < numbers[b] : numbers[b] < numbers[a];
        });
    } else {
        std::vector<QString> keys(static_cast<size_t>(rows));
        for (int row = 0; row < rows; ++row) {
            keys[row] = SortKey(row, column, comparison);
        }
        std::stable_sort(order.begin(), order.end(), [&keys, ascending](int a, int b) {
            const int c = QString::compare(keys[a], keys[b], Qt::CaseSensitive);
            return ascending ? c < 0 : c > 0;
        });
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
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void CChannelListModel::SetMarkedFavourite(int list) {
    m_markedFavourite = list;
    if (!m_channels.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                         {Qt::ForegroundRole, Qt::BackgroundRole});
    }
}

void CChannelListModel::SetColours(const QColor& text, const QColor& favouriteText,
                                   const QColor& favouriteBack) {
    m_textColour = text;
    m_favouriteText = favouriteText;
    m_favouriteBack = favouriteBack;
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
        return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return m_compact && index.column() == kColumnName
                   ? QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant::fromValue(ChannelList::Info(index.column()).alignment);
    case Qt::ForegroundRole:
        if (IsMarked(channel)) {
            return m_favouriteText;
        }
        return m_textColour.isValid() ? QVariant(m_textColour) : QVariant();
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

} // namespace tarnell
