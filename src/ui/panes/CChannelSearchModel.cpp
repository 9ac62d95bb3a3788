#include "CChannelSearchModel.h"

#include "CSettingsFile.h"
#include "ChannelListTexts.h"

#include <algorithm>

namespace tarnell {

void CChannelSearchModel::SetFile(const CSettingsFile* file) {
    beginResetModel();
    m_file = file;
    m_rows.clear();
    m_namesValid = false;
    if (!file) {
        m_names.clear();
        m_lowered.clear();
        m_hasName.clear();
        m_satellites.clear();
    }
    endResetModel();
}

void CChannelSearchModel::BuildNames() {
    const auto& channels = m_file->m_channels.Items();
    const auto& names = m_file->m_channelNames;
    m_names.assign(channels.size(), QString());
    m_lowered.assign(channels.size(), QString());
    m_hasName.assign(channels.size(), 0);
    for (size_t i = 0; i < channels.size(); ++i) {
        const size_t index = channels[i]->GetNameIndex();
        if (index < names.Size()) {
            m_names[i] = QString::fromStdString(names.At(index)->GetDisplayName());
            m_lowered[i] = m_names[i].toLower();
            m_hasName[i] = 1;
        }
    }
    m_satellites.clear();
    for (size_t i = 0; i < m_file->m_satellites.Size(); ++i) {
        m_satellites.push_back(
            QString::fromStdString(m_file->m_satellites.At(i)->GetDisplayName()));
    }
    m_namesValid = true;
}

void CChannelSearchModel::Search(const QString& text, bool tv, Numbering numbering) {
    beginResetModel();
    m_rows.clear();
    m_needle = text.toLower();
    m_tv = tv;
    if (m_file && m_needle.size() >= kMinimumText) {
        if (!m_namesValid) {
            BuildNames();
        }
        const auto& channels = m_file->m_channels.Items();
        for (size_t i = 0; i < channels.size(); ++i) {
            CChannelData* channel = channels[i].get();
            if (!m_hasName[i] || channel->IsTv() != tv || !m_lowered[i].contains(m_needle)) {
                continue;
            }
            int number = static_cast<int>(i) + 1;
            if (numbering == Numbering::Running) {
                number = channel->GetRunningNumber();
            } else if (numbering == Numbering::Stored) {
                number = channel->GetStoredNumber();
            }
            m_rows.push_back({channel, number, i});
        }
        SortRows();
    }
    endResetModel();
}

bool CChannelSearchModel::WouldMatch(const CChannelData* channel) {
    if (!m_file || !channel || m_needle.size() < kMinimumText || channel->IsTv() != m_tv) {
        return false;
    }
    const size_t index = channel->GetNameIndex();
    if (index >= m_file->m_channelNames.Size()) {
        return false;
    }
    return QString::fromStdString(m_file->m_channelNames.At(index)->GetDisplayName())
        .toLower()
        .contains(m_needle);
}

void CChannelSearchModel::RefreshChannel(const CChannelData* channel) {
    if (!m_file) {
        return;
    }
    // The name is kept by table position whether or not the channel is a result now.
    const auto& channels = m_file->m_channels.Items();
    for (size_t i = 0; i < channels.size() && i < m_names.size(); ++i) {
        if (channels[i].get() == channel) {
            const size_t index = channel->GetNameIndex();
            m_hasName[i] = index < m_file->m_channelNames.Size();
            m_names[i] =
                m_hasName[i]
                    ? QString::fromStdString(m_file->m_channelNames.At(index)->GetDisplayName())
                    : QString();
            m_lowered[i] = m_names[i].toLower();
            break;
        }
    }
    if (const int row = RowOf(channel); row >= 0) {
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
    }
}

QString CChannelSearchModel::SatelliteText(const CChannelData& channel) const {
    const CTransponderData* transponder = ChannelList::UsableTransponder(*m_file, channel);
    if (!transponder) {
        return {};
    }
    const size_t satellite = transponder->GetSatelliteIndex();
    return satellite < m_satellites.size() ? m_satellites[satellite] : QString();
}

void CChannelSearchModel::sort(int column, Qt::SortOrder order) {
    m_sortColumn = column;
    m_order = order;
    emit layoutAboutToBeChanged();
    SortRows();
    emit layoutChanged();
}

void CChannelSearchModel::SortRows() {
    const bool ascending = m_order == Qt::AscendingOrder;
    if (m_sortColumn < 0 || m_sortColumn >= kColumnCount) {
        std::sort(m_rows.begin(), m_rows.end(),
                  [](const Row& a, const Row& b) { return a.table < b.table; });
        return;
    }
    if (m_sortColumn == kColNumber) {
        // A strict order: equal numbers (repeated stored numbers) stay in table order.
        std::stable_sort(m_rows.begin(), m_rows.end(), [ascending](const Row& a, const Row& b) {
            return ascending ? a.number < b.number : b.number < a.number;
        });
        return;
    }
    std::vector<std::pair<QString, Row>> keyed;
    keyed.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        QString text;
        switch (m_sortColumn) {
        case kColName:
            text = m_names[row.table];
            break;
        case kColKind:
            text = ChannelList::CellText(*m_file, *row.channel, ChannelList::kColKind, 0);
            break;
        case kColSatellite:
            text = SatelliteText(*row.channel);
            break;
        default:
            text = ChannelList::CellText(*m_file, *row.channel, ChannelList::kColScrambled, 0);
            break;
        }
        keyed.emplace_back(text.toUpper(), row);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto& a, const auto& b) {
        return ascending ? a.first < b.first : b.first < a.first;
    });
    for (size_t i = 0; i < keyed.size(); ++i) {
        m_rows[i] = keyed[i].second;
    }
}

CChannelData* CChannelSearchModel::ChannelAt(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<size_t>(row)].channel : nullptr;
}

int CChannelSearchModel::NumberAt(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<size_t>(row)].number : 0;
}

int CChannelSearchModel::RowOf(const CChannelData* channel) const {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].channel == channel) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CChannelSearchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CChannelSearchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CChannelSearchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(index.column() == kColNumber ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case kColNumber:
        return row.number;
    case kColName:
        return m_names[row.table];
    case kColKind:
        return ChannelList::CellText(*m_file, *row.channel, ChannelList::kColKind, 0);
    case kColSatellite:
        return SatelliteText(*row.channel);
    case kColScrambled:
        return ChannelList::CellText(*m_file, *row.channel, ChannelList::kColScrambled, 0);
    default:
        return {};
    }
}

QVariant CChannelSearchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static constexpr int kListColumns[kColumnCount] = {
        ChannelList::kColNumber, ChannelList::kColName, ChannelList::kColKind,
        ChannelList::kColSatellite, ChannelList::kColScrambled};
    return section >= 0 && section < kColumnCount ? ChannelList::Title(kListColumns[section])
                                                  : QVariant();
}

} // namespace tarnell
