// The channel list's part in the editing commands: the context menu, selections made by
// command, the text form of the selection, and dragging rows.
#include "CTarnell1018View.h"

#include "CChannelListModel.h"
#include "CCommandRegistry.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "UpdateHints.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>
#include <unordered_set>

namespace tarnell {

using ChannelList::Comparison;

void CTarnell1018View::ShowContextMenu(const QPoint& globalPos) {
    const std::vector<CChannelData*> selected = SelectedChannels();
    m_document.UpdateAllViews(kHintChannelChanged, selected.empty() ? nullptr : selected.front());
    QMenu* menu = BuildContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

QMenu* CTarnell1018View::BuildContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("channelListMenu"));
    const std::vector<CChannelData*> selected = SelectedChannels();
    const bool favouriteShown = m_fill.mode == ListMode::Favourite;
    // The registry's commands; a list on its own (in tests) shows them disabled.
    auto add = [this](QMenu* to, int id, const QString& text) {
        QAction* action = m_commands ? m_commands->Find(id) : nullptr;
        if (action) {
            to->addAction(action);
            return action;
        }
        action = to->addAction(text);
        action->setData(id);
        action->setEnabled(false);
        return action;
    };
    add(menu, kCmdEditCut, tr("Cut"));
    add(menu, kCmdEditCopy, tr("Copy"));
    add(menu, kCmdDeleteChannels,
        favouriteShown ? tr("Remove from Favourite List") : tr("Delete Channels"));
    add(menu, kCmdEditPaste, tr("Paste"));
    menu->addSeparator();

    QMenu* favourites = menu->addMenu(tr("Favourite Lists"));
    favourites->setObjectName(QStringLiteral("favouritesMenu"));
    add(favourites, kCmdRemoveFromAllFavourites, tr("Remove from All Favourite Lists"));
    favourites->addSeparator();
    const auto& lists = m_document.File().m_favourites;
    const int favCodepage = m_options().favCodepage;
    const size_t count = std::min<size_t>(lists.Size(), kMaxFavouriteLists);
    for (size_t i = 0; i < count; ++i) {
        const QString name = QString::fromStdString(lists.At(i)->GetName(favCodepage));
        QAction* list = add(favourites, kCmdFirstFavouriteList + static_cast<int>(i), name);
        list->setText(name.isEmpty() ? QStringLiteral(" ") : name);
        list->setData(kCmdFirstFavouriteList + static_cast<int>(i));
        list->setCheckable(true);
        list->setChecked(selected.size() == 1 &&
                         selected.front()->IsInFavourite(static_cast<int>(i)));
    }
    menu->addSeparator();
    add(menu, kCmdNewChannel, m_tv ? tr("New TV Channel") : tr("New Radio Channel"));
    add(menu, kCmdMoveToPosition, tr("Move to Position..."));
    menu->addSeparator();

    add(menu, kCmdEditSelectAll, tr("Select All"));
    QMenu* selectBy = menu->addMenu(tr("Select"));
    add(selectBy, kCmdSelectHd, tr("HD Channels"));
    add(selectBy, kCmdSelectPay, tr("Pay Channels"));
    add(selectBy, kCmdSelectM1, tr("Channels Marked M 1"));
    add(selectBy, kCmdSelectM2, tr("Channels Marked M 2"));
    QMenu* marks = menu->addMenu(tr("Marks"));
    const std::pair<int, QString> markCommands[] = {
        {kCmdSetM1, tr("Set M 1")},
        {kCmdClearM1, tr("Clear M 1")},
        {kCmdSetT1, tr("Set T 1")},
        {kCmdClearT1, tr("Clear T 1")},
        {kCmdSetT2, tr("Set T 2")},
        {kCmdClearT2, tr("Clear T 2")},
        {kCmdCopyT1ToT2, tr("Copy T 1 to T 2")},
        {kCmdCopyT2ToT1, tr("Copy T 2 to T 1")},
    };
    for (const auto& [id, text] : markCommands) {
        add(marks, id, text);
    }
    menu->addSeparator();
    add(menu, kCmdSortByName, tr("Sort by Name"));
    add(menu, kCmdSortByNumber, tr("Sort by Number"));
    menu->addSeparator();
    add(menu, kCmdChannelProperties, tr("Channel Properties"));
    return menu;
}

void CTarnell1018View::SetUpDragAndDrop(QAbstractItemView* view) {
    view->setDragEnabled(true);
    view->setAcceptDrops(true);
    view->setDropIndicatorShown(true);
    view->setDragDropMode(QAbstractItemView::DragDrop);
    // A copy on the source side: the document moves the channels, the view removes nothing.
    view->setDefaultDropAction(Qt::CopyAction);
    view->setAutoScroll(true);
    view->viewport()->installEventFilter(this);
}

void CTarnell1018View::SelectChannels(const std::vector<CChannelData*>& channels) {
    std::unordered_set<const CChannelData*> wanted(channels.begin(), channels.end());
    QItemSelection selection;
    int first = -1;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (wanted.count(m_model->ChannelAt(row))) {
            selection.select(m_model->index(row, 0),
                             m_model->index(row, ChannelList::kColumnCount - 1));
            first = first < 0 ? row : first;
        }
    }
    QItemSelectionModel* model = m_table->selectionModel();
    if (first >= 0) {
        model->setCurrentIndex(m_model->index(first, 0), QItemSelectionModel::NoUpdate);
    }
    model->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CTarnell1018View::SelectByFlag(uint8_t bit) {
    QItemSelection selection;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->ChannelAt(row)->GetFlagByte() & bit) {
            selection.select(m_model->index(row, 0),
                             m_model->index(row, ChannelList::kColumnCount - 1));
        }
    }
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    ItemView()->setFocus();
}

void CTarnell1018View::SortByName() {
    m_model->SortRows(ChannelList::kColName, Comparison::Text, true);
    ShowSortMark();
    ScrollSelectionToMiddle();
}

void CTarnell1018View::SortByNumber() {
    const int column = IsCompact() ? ChannelList::kColName : ChannelList::kColNumber;
    m_model->SortRows(column, Comparison::Padded, true);
    ShowSortMark();
    ScrollSelectionToMiddle();
}

QString CTarnell1018View::SelectionAsText() const {
    const QHeaderView* header = m_table->horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column)) {
            columns.push_back(column);
        }
    }
    // Tabs and line breaks inside a cell would shift the spreadsheet's columns.
    auto clean = [](QString text) {
        text.replace(QLatin1Char('\t'), QLatin1Char(' '));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return text.trimmed();
    };
    QStringList lines;
    QStringList titles;
    for (const int column : columns) {
        titles.append(clean(m_model->headerData(column, Qt::Horizontal).toString()));
    }
    lines.append(titles.join(QLatin1Char('\t')));
    for (const int row : SelectedRows()) {
        QStringList cells;
        for (const int column : columns) {
            cells.append(clean(m_model->Text(row, column)));
        }
        lines.append(cells.join(QLatin1Char('\t')));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool CTarnell1018View::RefuseDrag(QObject* watched, QEvent* event) {
    if (watched != m_table->viewport() && watched != m_compact->viewport()) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressPoint = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_dragRefused = false;
        return false;
    }
    if (event->type() != QEvent::MouseMove || !MixesKinds()) {
        return false;
    }
    const auto* move = static_cast<QMouseEvent*>(event);
    if (!(move->buttons() & Qt::LeftButton) || move->modifiers() != Qt::NoModifier) {
        return false;
    }
    const QPoint travel = move->position().toPoint() - m_pressPoint;
    if (travel.manhattanLength() < QApplication::startDragDistance()) {
        return false;
    }
    // Only a press on a selected row starts a drag; anything else extends the selection.
    const QModelIndex pressed = ItemView()->indexAt(m_pressPoint);
    if (!pressed.isValid() || !m_table->selectionModel()->isRowSelected(pressed.row())) {
        return false;
    }
    if (!m_dragRefused) {
        m_dragRefused = true;
        emit CaptionRequested(
            tr("This list shows TV and radio channels together: move channels in the list of "
               "all channels, or show one kind only (Options)."));
    }
    return true;
}

} // namespace tarnell
