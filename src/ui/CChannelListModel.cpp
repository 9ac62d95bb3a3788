#include "CChannelListModel.h"

#include "CTarnell1018Doc.h"

namespace tarnell {

void CChannelListModel::Refill(const CTarnell1018Doc* document, bool tv) {
    beginResetModel();
    m_document = document;
    m_channels.clear();
    if (document) {
        const auto& channels = document->File().m_channels;
        for (size_t i = 0; i < channels.Size(); ++i) {
            if (channels.At(i)->IsTv() == tv) {
                m_channels.push_back(channels.At(i));
            }
        }
    }
    endResetModel();
}

const CChannelData* CChannelListModel::ChannelAt(int row) const {
    return row >= 0 && static_cast<size_t>(row) < m_channels.size() ? m_channels[row] : nullptr;
}

int CChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_channels.size());
}

int CChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CChannelListModel::data(const QModelIndex& index, int role) const {
    const CChannelData* channel = ChannelAt(index.row());
    if (!channel || !index.isValid()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole && index.column() == kColumnNumber) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (index.column() == kColumnNumber) {
        return channel->GetRunningNumber();
    }
    // A name index past the name list is damage the repair command fixes; show it blank.
    const auto& names = m_document->File().m_channelNames;
    const size_t nameIndex = channel->GetNameIndex();
    if (nameIndex >= names.Size()) {
        return QString();
    }
    return QString::fromStdString(names.At(nameIndex)->GetDisplayName());
}

QVariant CChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case kColumnNumber:
        return tr("No.");
    case kColumnName:
        return tr("Name");
    default:
        return {};
    }
}

} // namespace tarnell
