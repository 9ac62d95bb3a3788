// The tree as a drag source and drop target: satellites and favourite lists reorder, channel
// rows join favourite lists.
#include "CChannelListModel.h"
#include "CLeftView.h"
#include "CTarnell1018Doc.h"
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <memory>

namespace tarnell {

void CLeftView::startDrag(Qt::DropActions) {
    const QModelIndex index = currentIndex();
    if (!(m_model->flags(index) & Qt::ItemIsDragEnabled)) {
        return;
    }
    QMimeData* mime = m_model->mimeData({index});
    if (mime == nullptr) {
        return;
    }
    const QString text = index.data().toString();
    const QFontMetrics metrics(font());
    const QSize size(metrics.horizontalAdvance(text) + 8, metrics.height() + 4);
    const qreal ratio = devicePixelRatioF();
    QPixmap image(size * ratio);
    if (image.isNull()) {
        delete mime; // no picture, no drag
        return;
    }
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Highlight));
    {
        QPainter painter(&image);
        painter.setPen(palette().color(QPalette::HighlightedText));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(image);
    // The picture trails the cursor instead of hiding the node under it.
    drag->setHotSpot(QPoint(-kDragImageOffset, -kDragImageOffset));
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void CLeftView::dragEnterEvent(QDragEnterEvent* event) {
    // The drag starts over the dragged node, where it may not drop: entering is always fine.
    if (event->source() == this && event->mimeData()->hasFormat(CNavigationTreeModel::kMimeType)) {
        setState(QAbstractItemView::DraggingState);
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else if (CChannelListModel::DragTokenOf(event->mimeData()) ==
               CChannelListModel::DragTokenFor(&m_document)) {
        // Channel rows of this window, for its favourite lists.
        setState(QAbstractItemView::DraggingState);
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CLeftView::dragMoveEvent(QDragMoveEvent* event) {
    QTreeView::dragMoveEvent(event);
    const QModelIndex target = indexAt(event->position().toPoint());
    const QModelIndex dragged = m_model->DraggedNode(event->mimeData());
    if (event->source() == this && m_model->IsValidDrop(dragged, target)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else if (ChannelDropList(event->mimeData(), target) >= 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

int CLeftView::ChannelDropList(const QMimeData* mime, const QModelIndex& target) const {
    if (m_model->KindOf(target) != NodeKind::FavouriteList ||
        CChannelListModel::DragTokenOf(mime) != CChannelListModel::DragTokenFor(&m_document)) {
        return -1;
    }
    return m_model->TableIndexOf(target);
}

void CLeftView::dropEvent(QDropEvent* event) {
    const QModelIndex target = indexAt(event->position().toPoint());
    const QModelIndex dragged = m_model->DraggedNode(event->mimeData());
    stopAutoScroll();
    setState(QAbstractItemView::NoState);
    viewport()->update();
    if (const int list = ChannelDropList(event->mimeData(), target); list >= 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
        emit ChannelsDroppedOnFavourite(list);
        return;
    }
    if (event->source() != this || !DropOn(dragged, target)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

bool CLeftView::DropOn(const QModelIndex& dragged, const QModelIndex& target) {
    if (!m_model->IsValidDrop(dragged, target)) {
        return false;
    }
    const NodeKind kind = m_model->KindOf(dragged);
    const auto from = static_cast<size_t>(m_model->TableIndexOf(dragged));
    const auto to = static_cast<size_t>(m_model->TableIndexOf(target));
    if (kind == NodeKind::FavouriteList) {
        // The mark stays with its list.
        const int marked = m_model->MarkedFavourite();
        if (marked >= 0) {
            SetMarked(static_cast<int>(
                CSettingsFile::MovedPosition(static_cast<size_t>(marked), from, to)));
        }
        m_document.MoveFavouriteList(from, to);
        const QModelIndex root = m_model->RootIndex(NodeKind::FavouritesRoot);
        SelectQuietly(m_model->index(static_cast<int>(to), 0, root));
        RefillFromSelection();
        emit FavouriteListsChanged();
        return true;
    }
    const void* satellite = m_model->RecordOf(dragged);
    m_document.MoveSatellite(from, to);
    const QModelIndex moved = m_model->IndexOfRecord(satellite);
    SelectQuietly(moved);
    m_lastSatellite = moved;
    // The list keeps showing the satellite, under its new table index.
    RefillFromSelection();
    return true;
}

// --- commands

} // namespace tarnell
