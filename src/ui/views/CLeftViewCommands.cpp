// The commands of the tree's context menus.
#include "CLeftView.h"

#include "CTarnell1018Doc.h"
#include "FlagGuard.h"
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

void CLeftView::SetMarked(int list) {
    m_model->SetMarkedFavourite(list);
    Action(Command::ClearFavouriteMark)->setEnabled(list >= 0);
    emit MarkedFavouriteChanged(list);
}

void CLeftView::OnSatelliteProperties() {
    const QModelIndex node = CommandTarget();
    const int table = m_model->TableIndexOf(node);
    if (m_model->KindOf(node) != NodeKind::Satellite ||
        static_cast<size_t>(table) >= m_document.File().m_satellites.Size()) {
        return;
    }
    CSatelliteInfo* satellite = m_document.File().m_satellites.At(static_cast<size_t>(table));
    m_lastSatellite = node;
    m_document.SetCurrentSatellite(satellite);
    emit SatellitePaneRequested(satellite);
    emit SatellitePropertiesRequested();
}

void CLeftView::OnTransponderProperties() {
    const QModelIndex node = CommandTarget();
    const int table = m_model->TableIndexOf(node);
    CSettingsFile& file = m_document.File();
    if (m_model->KindOf(node) != NodeKind::Transponder ||
        static_cast<size_t>(table) >= file.m_transponders.Size()) {
        return;
    }
    CTransponderData* transponder = file.m_transponders.At(static_cast<size_t>(table));
    m_lastTransponder = node;
    m_document.SetCurrentTransponder(transponder);
    if (transponder->GetSatelliteIndex() < file.m_satellites.Size()) {
        m_document.SetCurrentSatellite(file.m_satellites.At(transponder->GetSatelliteIndex()));
    }
    emit TransponderPaneRequested(transponder);
    if (transponder->GetSatelliteIndex() < file.m_satellites.Size()) {
        emit SatellitePaneRequested(file.m_satellites.At(transponder->GetSatelliteIndex()));
    }
    emit TransponderPropertiesRequested();
}

void CLeftView::OnRename() {
    const QModelIndex node = CommandTarget();
    // Only providers and favourite lists take a new name; edit() refuses every other node.
    if (m_model->flags(node) & Qt::ItemIsEditable) {
        setCurrentIndex(node);
        edit(node);
    }
}

void CLeftView::OnMarkFavourite() {
    const QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) == NodeKind::FavouriteList) {
        SetMarked(m_model->TableIndexOf(node));
    }
}

void CLeftView::OnClearFavouriteMark() {
    SetMarked(-1);
}

void CLeftView::OnFavouriteSequenceNumbers() {
    ChangeOption([](TreeOptions& o) { o.favSeqNum = !o.favSeqNum; });
    emit FavouriteSequenceNumberingChanged(m_options.favSeqNum);
}

void CLeftView::OnFavouriteCodepage(int codepage) {
    ChangeOption([codepage](TreeOptions& o) { o.favCodepage = codepage; });
    FlagGuard quiet(m_quiet);
    m_model->RelabelFavourites(m_document.File());
}

void CLeftView::OnDeleteFavouriteList() {
    const QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) != NodeKind::FavouriteList) {
        return;
    }
    const int list = m_model->TableIndexOf(node);
    const int marked = m_model->MarkedFavourite();
    if (marked == list) {
        SetMarked(-1);
    } else if (marked > list) {
        SetMarked(marked - 1);
    }
    m_document.DeleteFavouriteList(static_cast<size_t>(list));
    emit FavouriteListsChanged();
}

void CLeftView::OnNewFavouriteList() {
    if (m_document.AddFavouriteList("New", m_options.favCodepage)) {
        emit FavouriteListsChanged();
    }
}

void CLeftView::OnFavouriteListFromProvider() {
    const QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) != NodeKind::Provider) {
        return;
    }
    if (m_document.AddFavouriteListFromProvider(static_cast<size_t>(m_model->TableIndexOf(node)),
                                                m_options.favCodepage) >= 0) {
        emit FavouriteListsChanged();
    }
}

void CLeftView::OnNewSatellite() {
    CSatelliteInfo* satellite = m_document.NewSatellite();
    if (satellite == nullptr) {
        ShowMessage(tr("The list holds 255 satellites, as many as the receiver takes."));
        return;
    }
    const QModelIndex node = m_model->IndexOfRecord(satellite);
    if (node.isValid()) {
        SelectNode(node);
        return;
    }
    // Not shown (only active satellites are), yet the pane takes it.
    m_document.SetCurrentSatellite(satellite);
    emit SatellitePaneRequested(satellite);
}

void CLeftView::OnNewTransponder() {
    QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) == NodeKind::Transponder) {
        node = node.parent();
    }
    if (m_model->KindOf(node) != NodeKind::Satellite) {
        return;
    }
    const auto* record = static_cast<const CSatelliteInfo*>(m_model->RecordOf(node));
    const ptrdiff_t satellite = m_document.File().m_satellites.IndexOf(record);
    if (satellite < 0) {
        ShowMessage(tr("Kein SatArrayPos"));
        return;
    }
    CTransponderData* transponder = m_document.NewTransponder(static_cast<size_t>(satellite));
    if (transponder == nullptr) {
        ShowMessage(tr("Es konnte kein neuer Transponder erzeugt werden."));
        return;
    }
    const QModelIndex added = m_model->IndexOfRecord(transponder);
    expand(added.parent());
    SelectNode(added);
}

void CLeftView::OnDeleteTransponderChannels() {
    const QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) == NodeKind::Transponder) {
        m_document.DeleteTransponderChannels(
            static_cast<const CTransponderData*>(m_model->RecordOf(node)));
    }
}

void CLeftView::OnDeleteTransponder() {
    const QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) != NodeKind::Transponder) {
        return;
    }
    // What to select afterwards, by record: the rebuild makes new nodes.
    const void* previous = m_model->RecordOf(node.siblingAtRow(node.row() - 1));
    const void* next = m_model->RecordOf(node.siblingAtRow(node.row() + 1));
    const void* satellite = m_model->RecordOf(node.parent());
    m_document.DeleteTransponders({static_cast<const CTransponderData*>(m_model->RecordOf(node))});
    m_document.SetCurrentTransponder(nullptr);
    const void* follow = previous ? previous : next ? next : satellite;
    const QModelIndex select = m_model->IndexOfRecord(follow);
    if (select.isValid()) {
        SelectNode(select);
    }
}

void CLeftView::OnDeleteSatelliteTransponders() {
    const QModelIndex node = CommandTarget();
    if (m_model->KindOf(node) != NodeKind::Satellite) {
        return;
    }
    const CSettingsFile& file = m_document.File();
    const ptrdiff_t satellite =
        file.m_satellites.IndexOf(static_cast<const CSatelliteInfo*>(m_model->RecordOf(node)));
    if (satellite < 0) {
        return;
    }
    std::vector<const CTransponderData*> doomed;
    for (const auto& t : file.m_transponders.Items()) {
        if (!t->IsFree() && t->GetSatelliteIndex() == satellite) {
            doomed.push_back(t.get());
        }
    }
    if (doomed.empty()) {
        return;
    }
    m_document.DeleteTransponders(doomed);
    RefillFromSelection();
}

void CLeftView::OnNewChannel() {
    // The node decides the new channel's transponder, so it is selected first.
    if (m_target.isValid() && m_model->KindOf(m_target) != NodeKind::None) {
        SelectNode(m_target);
    }
    emit NewChannelRequested();
}

} // namespace tarnell
