#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <vector>

namespace tarnell {

class CChannelData;
class CSettingsFile;

// The search pane's results: the channels of one kind whose name holds the search text, in
// any case. The lowered names are kept between keystrokes and made again when the document
// changes, so typing costs one pass over plain strings.
class CChannelSearchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column : int {
        kColNumber,
        kColName,
        kColKind,
        kColSatellite,
        kColScrambled,
        kColumnCount
    };
    // Which number a row shows: its place in the table, the running number within its kind,
    // or the stored number.
    enum class Numbering { Position, Running, Stored };
    static constexpr int kMinimumText = 2;

    explicit CChannelSearchModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // nullptr forgets the file and empties the results.
    void SetFile(const CSettingsFile* file);
    // The names are read again at the next search (a rename, an undo, a new list).
    void Invalidate() { m_namesValid = false; }
    // Fills the results; fewer than two characters find nothing.
    void Search(const QString& text, bool tv, Numbering numbering);
    // Whether the channel would be a result of the last search, with its current name.
    bool WouldMatch(const CChannelData* channel);
    // Rebuilds one channel's texts after an edit that left every record in place.
    void RefreshChannel(const CChannelData* channel);

    CChannelData* ChannelAt(int row) const;
    int RowOf(const CChannelData* channel) const;
    int NumberAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Column -1 restores the table order. Ties keep their order, so repeated stored numbers
    // sort the same way every time.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct Row {
        CChannelData* channel;
        int number;
        size_t table; // the channel's place in the table
    };
    void BuildNames();
    void SortRows();
    QString SatelliteText(const CChannelData& channel) const;

    const CSettingsFile* m_file = nullptr;
    // By table position: the shown name and its lowered form; no name record leaves both
    // empty and the channel never matches.
    std::vector<QString> m_names;
    std::vector<QString> m_lowered;
    std::vector<char> m_hasName;
    std::vector<QString> m_satellites;
    bool m_namesValid = false;
    QString m_needle;
    bool m_tv = true;
    std::vector<Row> m_rows;
    int m_sortColumn = -1;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};

} // namespace tarnell
