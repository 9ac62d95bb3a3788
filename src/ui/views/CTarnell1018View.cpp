#include "CTarnell1018View.h"

#include "SelectionColours.h"

#include "CChannelListModel.h"
#include "CTarnell1018Doc.h"
#include "UpdateHints.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_set>

namespace tarnell {

namespace {

using ChannelList::Comparison;

const QString kWidthKey = QStringLiteral("Header/Width/Column%1");
const QString kOrderKey = QStringLiteral("Header/Order/Column%1");

QString ColumnKey(const QString& pattern, int n) {
    return pattern.arg(n, 2, 10, QLatin1Char('0'));
}

QColor ToColor(uint32_t rrggbb) {
    return QColor::fromRgb(rrggbb & 0xFFFFFFu);
}

// The wait cursor for as long as a fill takes.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

CTarnell1018View::CTarnell1018View(CTarnell1018Doc& document, OptionsSource options,
                                   SettingsOpener openSettings, QWidget* parent)
    : QWidget(parent), m_document(document), m_options(std::move(options)),
      m_openSettings(std::move(openSettings)) {
    setObjectName(QStringLiteral("channelListView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    layout->addWidget(m_stack);
    m_model = new CChannelListModel(this);
    m_favSeqNum = m_options().favSeqNum;

    SetUpTable();
    SetUpCompactList();
    m_stack->addWidget(m_table);
    m_stack->addWidget(m_compact);
    setFocusProxy(m_table);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CTarnell1018View::OnSelectionChanged);
    // The token tells drops of this document's rows from any other's, in this program or not.
    m_model->SetDragToken(CChannelListModel::DragTokenFor(&m_document));
    // Queued: the move refills the rows, which the view's own drop handling still looks at.
    connect(m_model, &CChannelListModel::RowsDropped, this, &CTarnell1018View::RowsDropped,
            Qt::QueuedConnection);
    SetUpDragAndDrop(m_table);
    SetUpDragAndDrop(m_compact);
    RestoreColumns();
    ApplyColours();
}

CTarnell1018View::~CTarnell1018View() = default;

void CTarnell1018View::SetUpTable() {
    m_table = new QTableView(m_stack);
    m_table->setObjectName(QStringLiteral("channelList"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setCornerButtonEnabled(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    QHeaderView* rows = m_table->verticalHeader();
    rows->hide();
    // Fixed row heights keep a fill of thousands of rows from measuring each of them.
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(header, &QHeaderView::sectionClicked, this, &CTarnell1018View::ClickHeader);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int width) { SaveColumnWidth(column, width); });
    connect(header, &QHeaderView::sectionMoved, this, [this] { SaveColumnOrder(); });
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_channelPaneAvailable) {
            emit ChannelPaneRequested();
        }
    });
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_table->viewport()->mapToGlobal(pos)); });
    m_table->installEventFilter(this);
}

void CTarnell1018View::SetUpCompactList() {
    m_compact = new QListView(m_stack);
    m_compact->setObjectName(QStringLiteral("channelListCompact"));
    m_compact->setModel(m_model);
    m_compact->setSelectionModel(m_table->selectionModel());
    m_compact->setModelColumn(ChannelList::kColName);
    m_compact->setViewMode(QListView::ListMode);
    m_compact->setFlow(QListView::TopToBottom);
    m_compact->setWrapping(true);
    m_compact->setResizeMode(QListView::Adjust);
    m_compact->setUniformItemSizes(true);
    m_compact->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_compact->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_compact->setTextElideMode(Qt::ElideRight);
    m_compact->setContextMenuPolicy(Qt::CustomContextMenu);
    SetCompactColumnWidth(m_options().listWidth);
    connect(m_compact, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_channelPaneAvailable) {
            emit ChannelPaneRequested();
        }
    });
    connect(m_compact, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        ShowContextMenu(m_compact->viewport()->mapToGlobal(pos));
    });
    m_compact->installEventFilter(this);
}

QAbstractItemView* CTarnell1018View::ItemView() const {
    return IsCompact() ? static_cast<QAbstractItemView*>(m_compact) : m_table;
}

int CTarnell1018View::MarkedFavourite() const {
    return m_model->MarkedFavourite();
}

// --- columns

void CTarnell1018View::RestoreColumns() {
    m_restoringColumns = true;
    auto settings = m_openSettings();
    QHeaderView* header = m_table->horizontalHeader();
    for (int column = 0; column < ChannelList::kColumnCount; ++column) {
        bool ok = false;
        int width = settings->value(ColumnKey(kWidthKey, column)).toInt(&ok);
        if (!ok || width < 0) {
            width = ChannelList::Info(column).defaultWidth;
        }
        header->resizeSection(column, width);
    }
    // Positions are read from the last to the first; what is missing or repeated falls back
    // to the default order, which has the number left of the name.
    std::vector<int> stored(ChannelList::kColumnCount, -1);
    for (int position = ChannelList::kColumnCount - 1; position >= 0; --position) {
        bool ok = false;
        const int column = settings->value(ColumnKey(kOrderKey, position), -1).toInt(&ok);
        stored[position] = ok ? column : -1;
    }
    std::vector<int> order;
    std::vector<bool> placed(ChannelList::kColumnCount, false);
    for (const int column : stored) {
        if (column >= 0 && column < ChannelList::kColumnCount && !placed[column]) {
            order.push_back(column);
            placed[column] = true;
        }
    }
    std::vector<int> fallback{ChannelList::kColNumber, ChannelList::kColName};
    for (int column = ChannelList::kColKind; column < ChannelList::kColumnCount; ++column) {
        fallback.push_back(column);
    }
    for (const int column : fallback) {
        if (!placed[column]) {
            order.push_back(column);
        }
    }
    for (int position = 0; position < static_cast<int>(order.size()); ++position) {
        header->moveSection(header->visualIndex(order[position]), position);
    }
    m_restoringColumns = false;
}

void CTarnell1018View::SaveColumnWidth(int column, int width) {
    if (m_restoringColumns || width <= 0) {
        return;
    }
    m_openSettings()->setValue(ColumnKey(kWidthKey, column), width);
}

void CTarnell1018View::SaveColumnOrder() {
    if (m_restoringColumns) {
        return;
    }
    auto settings = m_openSettings();
    const QHeaderView* header = m_table->horizontalHeader();
    int position = 0;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!header->isSectionHidden(column)) {
            settings->setValue(ColumnKey(kOrderKey, position++), column);
        }
    }
}

// --- styles

bool CTarnell1018View::IsCompact() const {
    return m_model->IsCompact();
}

void CTarnell1018View::SetCompact(bool compact) {
    if (compact == IsCompact()) {
        return;
    }
    const bool focused = ItemView()->hasFocus();
    m_model->SetCompact(compact);
    if (compact) {
        SetCompactColumnWidth(m_options().listWidth);
    }
    m_stack->setCurrentWidget(ItemView());
    setFocusProxy(ItemView());
    Renumber();
    if (focused) {
        ItemView()->setFocus();
    }
    ScrollSelectionToMiddle();
    emit StyleChanged(compact);
}

void CTarnell1018View::SetCompactColumnWidth(int width) {
    const int height = m_compact->fontMetrics().height() + 4;
    m_compact->setGridSize(QSize(std::max(width, 1), height));
}

int CTarnell1018View::CompactColumnWidth() const {
    return m_compact->gridSize().width();
}

void CTarnell1018View::ApplyColours() {
    const ChannelListOptions options = m_options();
    // Both styles take the colours from here.
    // From the look's palette, not the view's, which holds the last look's selection.
    QPalette colours = QApplication::palette(this);
    colours.setColor(QPalette::Base, ToColor(options.channelBackColor));
    colours.setColor(QPalette::Text, ToColor(options.channelTextColor));
    ApplySelectionColours(colours, ToColor(options.channelBackColor));
    setPalette(colours);
    m_model->SetFavouriteColours(ToColor(options.favouriteTextColor),
                                 ToColor(options.favouriteBackColor));
}

// --- filling, numbering, sorting

void CTarnell1018View::Fill(const ListFill& fill) {
    WaitCursor wait;
    m_filling = true;
    setUpdatesEnabled(false);
    m_fill = fill;
    const ChannelListOptions options = m_options();
    bool badKind = false;
    auto channels = ChannelList::SelectChannels(m_document.File(), fill,
                                                options.satelliteRestrictShow, &badKind);
    m_model->SetRows(&m_document.File(), std::move(channels));
    m_model->SetDropAllowed(!MixesKinds());
    Renumber();
    m_filling = false;
    if (fill.mode == ListMode::AllChannels) {
        // The channel that was current stays selected when it is listed.
        const int row = m_model->RowOf(m_document.GetCurrentChannel());
        if (row >= 0) {
            SelectRow(row);
        }
    }
    setUpdatesEnabled(true);
    if (badKind) {
        emit MessageRequested(tr("Hier sollten Sie eigentlich nie hinkommen..."));
    }
    AnnounceStatus();
    emit SelectionChanged();
}

bool CTarnell1018View::MixesKinds() const {
    return (m_fill.mode == ListMode::Satellite || m_fill.mode == ListMode::Transponder) &&
           !m_options().satelliteRestrictShow;
}

void CTarnell1018View::Renumber() {
    m_model->Renumber(m_fill.mode == ListMode::Favourite && m_favSeqNum,
                      m_document.GetConfigOptionFlag());
    ShowSortMark();
}

void CTarnell1018View::ShowSortMark() {
    m_table->horizontalHeader()->setSortIndicator(
        m_model->SortColumn(), m_model->SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CTarnell1018View::ClickHeader(int column) {
    if (column < 0 || column >= ChannelList::kColumnCount) {
        return;
    }
    const bool ascending = column == m_model->SortColumn() ? !m_model->SortAscending() : true;
    m_model->SortRows(column, ChannelList::Info(column).comparison, ascending);
    ShowSortMark();
    ScrollSelectionToMiddle();
}

void CTarnell1018View::SetMarkedFavourite(int list) {
    m_model->SetMarkedFavourite(list < 0 ? -1 : list);
    ItemView()->viewport()->update();
}

void CTarnell1018View::SetFavouriteSequenceNumbering(bool on) {
    m_favSeqNum = on;
    if (m_fill.mode == ListMode::Favourite) {
        Renumber();
    }
}

void CTarnell1018View::AnnounceStatus() {
    emit StatusTextChanged(StatusText());
}

QString CTarnell1018View::StatusText() const {
    const int rows = m_model->rowCount();
    // " %i %s": the count, then the word in the plural form each language needs.
    return QLatin1Char(' ') + tr("%n channel(s)", nullptr, rows);
}

void CTarnell1018View::DropStaleRows(bool modelReplaced) {
    bool stale = modelReplaced;
    if (!stale && m_model->rowCount() > 0) {
        std::unordered_set<const CChannelData*> live;
        const auto& channels = m_document.File().m_channels.Items();
        live.reserve(channels.size());
        for (const auto& channel : channels) {
            live.insert(channel.get());
        }
        const auto& rows = m_model->Channels();
        stale = std::any_of(rows.begin(), rows.end(),
                            [&live](const CChannelData* c) { return !live.count(c); });
    }
    if (stale) {
        Fill(m_fill);
    }
}

void CTarnell1018View::OnUpdate(int hint, const void* object) {
    // Any hint may follow a renamed channel, satellite or provider.
    m_model->InvalidateTexts();
    switch (hint) {
    case kHintRefillAllChannels:
        Fill({ListMode::AllChannels, m_tv ? 0 : 1, m_tv});
        emit CurrentChannelChanged(m_document.GetCurrentChannel());
        return;
    case kHintClearChannelPane:
    case kHintClearTransponderPanes:
    case kHintClearSatellitePanes:
        emit PanesClearRequested(hint);
        return;
    case kHintRenumberChannels:
        Renumber();
        ScrollSelectionToMiddle();
        return;
    case kHintFavouriteNumbering:
        if (m_fill.mode == ListMode::Favourite) {
            SetFavouriteSequenceNumbering(m_options().favSeqNum);
        }
        return;
    case kHintChannelChanged: {
        const auto* channel = static_cast<const CChannelData*>(object);
        const int row = m_model->RowOf(channel);
        // A favourite list shows its members only: a change of membership refills it.
        if (channel && m_fill.mode == ListMode::Favourite &&
            channel->IsInFavourite(m_fill.index) != (row >= 0) && channel->IsTv() == m_fill.tv) {
            Fill(m_fill);
        } else if (row >= 0) {
            m_model->RelabelChannel(channel, m_fill.mode == ListMode::Favourite && m_favSeqNum,
                                    m_document.GetConfigOptionFlag());
        }
        return;
    }
    default:
        // Any other change may have removed records the rows point at.
        DropStaleRows(hint == kHintModelReplaced);
        return;
    }
}

// --- selection

std::vector<int> CTarnell1018View::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<CChannelData*> CTarnell1018View::SelectedChannels() const {
    std::vector<CChannelData*> channels;
    for (const int row : SelectedRows()) {
        channels.push_back(m_model->ChannelAt(row));
    }
    return channels;
}

void CTarnell1018View::SelectRow(int row) {
    const QModelIndex index = m_model->index(std::min(row, m_model->rowCount() - 1), 0);
    if (!index.isValid()) {
        return;
    }
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    ItemView()->scrollTo(index);
}

void CTarnell1018View::SelectAll() {
    ItemView()->selectAll();
    ItemView()->setFocus();
}

void CTarnell1018View::ScrollSelectionToMiddle() {
    const std::vector<int> rows = SelectedRows();
    if (!rows.empty()) {
        ItemView()->scrollTo(m_model->index(rows.front(), 0), QAbstractItemView::PositionAtCenter);
    }
}

void CTarnell1018View::OnSelectionChanged() {
    if (m_filling) {
        return;
    }
    const std::vector<int> rows = SelectedRows();
    MakeCurrent(rows.empty() ? nullptr : m_model->ChannelAt(rows.front()));
    emit SelectionChanged();
}

void CTarnell1018View::MakeCurrent(CChannelData* channel) {
    m_document.SetCurrentChannel(channel);
    if (channel) {
        const CSettingsFile& file = m_document.File();
        CTransponderData* transponder = nullptr;
        if (channel->GetTransponderIndex() < file.m_transponders.Size()) {
            transponder = file.m_transponders.At(channel->GetTransponderIndex());
        }
        m_document.SetCurrentTransponder(transponder);
        if (transponder && transponder->GetSatelliteIndex() < file.m_satellites.Size()) {
            m_document.SetCurrentSatellite(file.m_satellites.At(transponder->GetSatelliteIndex()));
        }
    }
    emit CurrentChannelChanged(channel);
    if (channel) {
        m_document.UpdateAllViews(kHintChannelChanged, channel);
    }
}

// --- keys and the context menu

bool CTarnell1018View::eventFilter(QObject* watched, QEvent* event) {
    if (RefuseDrag(watched, event)) {
        return true;
    }
    if ((watched == m_table || watched == m_compact) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            m_channelPaneAvailable) {
            emit ChannelPaneRequested();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            emit DeleteRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnell
