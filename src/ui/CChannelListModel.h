#pragma once

#include <QAbstractTableModel>

#include <vector>

namespace tarnell {

class CChannelData;
class CTarnell1018Doc;

// The channels of one kind (TV or radio) in list order, with their running number and name.
// The model holds borrowed record pointers, so the owner refills it whenever the document
// replaces or reorders its channels.
class CChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kColumnNumber, kColumnName, kColumnCount };

    explicit CChannelListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void Refill(const CTarnell1018Doc* document, bool tv);
    const CChannelData* ChannelAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const CTarnell1018Doc* m_document = nullptr;
    std::vector<const CChannelData*> m_channels;
};

} // namespace tarnell
