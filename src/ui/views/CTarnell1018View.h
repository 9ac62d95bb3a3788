#pragma once

#include "ListFill.h"

#include <QSettings>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QAbstractItemView;
class QItemSelection;
class QListView;
class QMenu;
class QStackedWidget;
class QTableView;

namespace tarnell {

class CChannelData;
class CChannelListModel;
class CCommandRegistry;
class CTarnell1018Doc;

// The preferences the channel list reads; colours as 0xRRGGBB.
struct ChannelListOptions {
    bool favSeqNum = true;
    bool satelliteRestrictShow = true;
    int listWidth = 100;
    int favCodepage = 6;
    uint32_t channelBackColor = 0x35496A;
    uint32_t channelTextColor = 0xFFFFFF;
    uint32_t favouriteBackColor = 0xD7282D;
    uint32_t favouriteTextColor = 0xFFFFF5;
};

// The channel list of a document window: one row per channel of what the tree selected, in a
// details table of 19 columns or in the compact list style, which flows "%4i %s" entries in
// columns of the ListWidth. Both styles show the same model and share one selection.
class CTarnell1018View : public QWidget {
    Q_OBJECT
public:
    using OptionsSource = std::function<ChannelListOptions()>;
    using SettingsOpener = std::function<std::unique_ptr<QSettings>()>;

    static constexpr int kMaxFavouriteLists = 32;

    // The options are asked for at every fill and colour change; column widths and order are
    // kept in the settings the opener gives.
    CTarnell1018View(CTarnell1018Doc& document, OptionsSource options, SettingsOpener openSettings,
                     QWidget* parent = nullptr);
    ~CTarnell1018View() override;

    CChannelListModel* Model() const { return m_model; }
    QTableView* Table() const { return m_table; }
    QListView* CompactList() const { return m_compact; }
    // The one of the two styles on show.
    QAbstractItemView* ItemView() const;

    ListMode Mode() const { return m_fill.mode; }
    const ListFill& CurrentFill() const { return m_fill; }
    // The window's TV/radio switch: a refill with all channels shows this kind.
    void SetShowTv(bool tv) { m_tv = tv; }
    int MarkedFavourite() const;
    bool FavouriteSequenceNumbering() const { return m_favSeqNum; }

    bool IsCompact() const;
    // The details table or the compact list; renumbers and sorts by number again.
    void SetCompact(bool compact);
    // The column width of the compact style, in pixels.
    void SetCompactColumnWidth(int width);
    int CompactColumnWidth() const;

    // The document's hints; the child frame passes on every one.
    void OnUpdate(int hint, const void* object);
    // Takes the list colours from the options again.
    void ApplyColours();

    // Numbers every row and sorts again, ascending.
    void Renumber();
    // A click on a column header: the same column again turns the direction round.
    void ClickHeader(int column);
    // Scrolls the first selected row into the middle of the page.
    void ScrollSelectionToMiddle();
    void SelectAll();
    // Rows by position, first to last.
    std::vector<int> SelectedRows() const;
    std::vector<CChannelData*> SelectedChannels() const;
    // Selects the row (clamped to the last one), makes it current and scrolls to it.
    void SelectRow(int row);
    // Selects the rows of these channels; the first becomes the current row.
    void SelectChannels(const std::vector<CChannelData*>& channels);
    // Selects the rows whose channel has the bit of the flag byte set, and takes the focus.
    void SelectByFlag(uint8_t bit);
    void SortByName();
    void SortByNumber();
    // The selected rows as tab-separated text: a line of column titles, then one line a row,
    // the columns in the order and visibility the table shows.
    QString SelectionAsText() const;
    // A satellite or transponder list of TV and radio channels together: rows cannot be
    // moved by dragging then.
    bool MixesKinds() const;
    QString StatusText() const;

    // The editing commands the context menu shows; without them it shows them disabled.
    void SetCommands(const CCommandRegistry* commands) { m_commands = commands; }
    // Until the channel pane exists Enter, double click and its menu entry do nothing.
    void SetChannelPaneAvailable(bool available) { m_channelPaneAvailable = available; }
    bool ChannelPaneAvailable() const { return m_channelPaneAvailable; }
    // The context menu as it would open now.
    QMenu* BuildContextMenu(QWidget* parent);

signals:
    void StatusTextChanged(const QString& text);
    // A new current channel (nullptr: none); the panes follow it.
    void CurrentChannelChanged(tarnell::CChannelData* channel);
    // Double click or Enter: the channel pane should show the current channel.
    void ChannelPaneRequested();
    // The Delete key.
    void DeleteRequested();
    // Hints 1501 to 1503: the panes named by the hint are to be emptied.
    void PanesClearRequested(int hint);
    void StyleChanged(bool compact);
    // A message for the user that the list cannot show itself.
    void MessageRequested(const QString& text);
    // A short notice for the main frame's caption bar.
    void CaptionRequested(const QString& text);
    void SelectionChanged();
    // Rows of this list were dragged and dropped in front of `row`.
    void RowsDropped(int row);

public slots:
    void Fill(const tarnell::ListFill& fill);
    // The favourite list painted in the favourite colours; -1 for none.
    void SetMarkedFavourite(int list);
    void SetFavouriteSequenceNumbering(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpTable();
    void SetUpCompactList();
    void RestoreColumns();
    void SaveColumnWidth(int column, int width);
    void SaveColumnOrder();
    void ShowSortMark();
    void OnSelectionChanged();
    void MakeCurrent(CChannelData* channel);
    void SetUpDragAndDrop(QAbstractItemView* view);
    // True when it refused a drag the press on `viewport` begins.
    bool RefuseDrag(QObject* viewport, QEvent* event);
    void ShowContextMenu(const QPoint& globalPos);
    // Fills again when a hint left rows whose records are gone.
    void DropStaleRows(bool modelReplaced);
    void AnnounceStatus();

    CTarnell1018Doc& m_document;
    OptionsSource m_options;
    SettingsOpener m_openSettings;
    ListFill m_fill;
    bool m_tv = true;
    bool m_favSeqNum = true;
    bool m_restoringColumns = false;
    bool m_filling = false;
    bool m_channelPaneAvailable = false;
    bool m_dragRefused = false;
    QPoint m_pressPoint;
    const CCommandRegistry* m_commands = nullptr;
    CChannelListModel* m_model = nullptr;
    QStackedWidget* m_stack = nullptr;
    QTableView* m_table = nullptr;
    QListView* m_compact = nullptr;
};

} // namespace tarnell
