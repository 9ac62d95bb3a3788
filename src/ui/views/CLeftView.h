#pragma once

#include "CNavigationTreeModel.h"
#include "ListFill.h"

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeView>

#include <functional>
#include <map>

class QAction;
class QMenu;

namespace tarnell {

class CChannelData;
class CSatelliteInfo;
class CTarnell1018Doc;
class CTransponderData;

// The navigation tree of a document window: satellites with their transponders, providers and
// favourite lists. The selected node decides what the channel list shows; the context menus
// carry the structural edits.
class CLeftView : public QTreeView {
    Q_OBJECT
public:
    enum class Command {
        SatelliteProperties,
        TransponderProperties,
        Rename,
        MarkFavourite,
        ClearFavouriteMark,
        FavouriteSequenceNumbers,
        DeleteFavouriteList,
        NewFavouriteList,
        NewTransponder,
        NewChannel,
        DeleteTransponderChannels,
        DeleteTransponder,
        DeleteSatelliteTransponders,
        NewSatellite,
        FavouriteListFromProvider,
        SatelliteOrderName,
        SatelliteOrderPosition,
        SatelliteOrderStored,
        ProviderOrderName,
        ProviderOrderNumber,
        FilterByChannels,
        FilterByLnb,
        FavouriteCodepage0,
        FavouriteCodepage1,
        FavouriteCodepage2,
        FavouriteCodepage3,
        FavouriteCodepage4,
        FavouriteCodepage5,
        FavouriteCodepage6,
    };
    static constexpr int kDragImageOffset = 15;

    explicit CLeftView(CTarnell1018Doc& document, QWidget* parent = nullptr);
    ~CLeftView() override;

    CNavigationTreeModel* Model() const { return m_model; }
    void SetOptions(const TreeOptions& options);
    const TreeOptions& Options() const { return m_options; }
    // The window's TV/radio switch, passed on with every fill.
    void SetShowTv(bool tv) { m_tv = tv; }
    bool ShowsTv() const { return m_tv; }
    // The tree colours of the options again.
    void ApplyColours();
    // Messages for the user; a plain message box unless replaced.
    void SetMessageSink(std::function<void(const QString&)> sink) { m_message = std::move(sink); }

    // The document's hints; the child frame passes on every one. 0 is the initial update.
    void OnUpdate(int hint, const void* object);
    // A transponder or satellite edited in its pane: relabelled, sorted, the list refilled.
    void OnTransponderChanged(const CTransponderData* transponder);
    void OnSatelliteChanged(const CSatelliteInfo* satellite);

    // The node the commands act on: the one under the last right click.
    void SetCommandTarget(const QModelIndex& index);
    QModelIndex CommandTarget() const { return m_target; }
    QAction* Action(Command command) const { return m_actions.at(command); }
    // The menu for the node's kind, with enable and check states updated; nullptr for none.
    QMenu* BuildContextMenu(const QModelIndex& index, QWidget* parent);
    void UpdateActions();

    // Selects as the user would: the document's current records, the panes and the list follow.
    void SelectNode(const QModelIndex& index);
    // Tells the channel list what the selected node (else the node under the last click) holds.
    void RefillFromSelection();
    ListFill FillFor(const QModelIndex& index) const;
    // The drop of a dragged node: reorders satellites or favourite lists; false when the target
    // takes no drop from it.
    bool DropOn(const QModelIndex& dragged, const QModelIndex& target);
    // The favourite list whose node takes channel rows of this document dropped on `target`;
    // -1 when it takes none.
    int ChannelDropList(const QMimeData* mime, const QModelIndex& target) const;
    int MarkedFavourite() const { return m_model->MarkedFavourite(); }

signals:
    void FillRequested(const tarnell::ListFill& fill);
    void MarkedFavouriteChanged(int list);
    void FavouriteSequenceNumberingChanged(bool on);
    // A command changed one of the options; the frame stores it in the preferences.
    void OptionsChanged(const tarnell::TreeOptions& options);
    // Where the satellite and transponder panes should show a record; nullptr empties them.
    void SatellitePaneRequested(tarnell::CSatelliteInfo* satellite);
    void TransponderPaneRequested(tarnell::CTransponderData* transponder);
    void ChannelPaneCleared();
    // The node's "Satellite Properties" / "Transponder Properties": the pane is to be shown.
    void SatellitePropertiesRequested();
    void TransponderPropertiesRequested();
    // The favourite lists were added, removed, renamed or reordered.
    void FavouriteListsChanged();
    // The node's "New Channel": the node is selected, the channel list makes the channel.
    void NewChannelRequested();
    // Channel rows of this document were dropped on the node of favourite list `list`.
    void ChannelsDroppedOnFavourite(int list);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    QAction* AddAction(Command command, const QString& text, void (CLeftView::*slot)());
    void Rebuild(bool keepState);
    void ApplySelection(const QModelIndex& index);
    // Selection by the program: nothing follows it.
    void SelectQuietly(const QModelIndex& index);
    void ShowMessage(const QString& text);
    void ChangeOption(const std::function<void(TreeOptions&)>& change);
    void SetMarked(int list);

    void OnSatelliteProperties();
    void OnTransponderProperties();
    void OnRename();
    void OnMarkFavourite();
    void OnClearFavouriteMark();
    void OnFavouriteSequenceNumbers();
    void OnDeleteFavouriteList();
    void OnNewFavouriteList();
    void OnNewTransponder();
    void OnDeleteTransponderChannels();
    void OnDeleteTransponder();
    void OnDeleteSatelliteTransponders();
    void OnNewSatellite();
    void OnNewChannel();
    void OnFavouriteListFromProvider();
    void OnFavouriteCodepage(int codepage);

    CTarnell1018Doc& m_document;
    CNavigationTreeModel* m_model = nullptr;
    TreeOptions m_options;
    bool m_tv = true;
    bool m_quiet = false; // selection changes made by the program
    QPoint m_lastPoint;
    QPersistentModelIndex m_target;
    QPersistentModelIndex m_lastSatellite;
    QPersistentModelIndex m_lastTransponder;
    std::map<Command, QAction*> m_actions;
    std::function<void(const QString&)> m_message;
};

} // namespace tarnell
