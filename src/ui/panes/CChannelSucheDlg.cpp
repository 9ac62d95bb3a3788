#include "CChannelSucheDlg.h"

#include "CTarnell1018Doc.h"
#include "HelpTopic.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

CChannelSucheDlg::CChannelSucheDlg(QWidget* parent) : QWidget(parent) {
    SetHelpTopic(this, "search");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("searchText"));
    m_edit->setPlaceholderText(tr("Part of a channel name"));
    m_edit->setClearButtonEnabled(true);
    layout->addWidget(m_edit);

    m_model = new CChannelSearchModel(this);
    m_results = new QTableView(this);
    m_results->setObjectName(QStringLiteral("searchResults"));
    m_results->setModel(m_model);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setShowGrid(true);
    m_results->setWordWrap(false);
    m_results->verticalHeader()->hide();
    m_results->verticalHeader()->setDefaultSectionSize(m_results->fontMetrics().height() + 4);
    m_results->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_results->horizontalHeader()->setSortIndicatorShown(true);
    m_results->setSortingEnabled(true);
    const int widths[CChannelSearchModel::kColumnCount] = {40, 90, 40, 90, 30};
    QHeaderView* header = m_results->horizontalHeader();
    // Never narrower than the column's title with room for the sort arrow: some languages'
    // titles are longer than the usual widths.
    const int titleRoom = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) +
                          header->style()->pixelMetric(QStyle::PM_HeaderMarkSize);
    for (int column = 0; column < CChannelSearchModel::kColumnCount; ++column) {
        const QString title = m_model->headerData(column, Qt::Horizontal).toString();
        m_results->setColumnWidth(
            column, std::max(widths[column] * logicalDpiX() / 96,
                             header->fontMetrics().horizontalAdvance(title) + titleRoom));
    }
    layout->addWidget(m_results, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("searchStatus"));
    m_status->setStyleSheet(QStringLiteral("color: #ff0000; background: transparent;"));
    layout->addWidget(m_status);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textChanged, this, [this] { RunSearch(false); });
    connect(m_results, &QAbstractItemView::clicked, this, &CChannelSucheDlg::Choose);
    connect(m_results, &QAbstractItemView::activated, this, &CChannelSucheDlg::Choose);
    m_edit->installEventFilter(this);
    Clear();
}

CChannelSucheDlg::~CChannelSucheDlg() {
    Detach();
}

void CChannelSucheDlg::Detach() {
    if (m_document && m_owner) {
        m_document->RemoveListener(this);
    }
    disconnect(m_ownerGone);
    m_document = nullptr;
    m_owner = nullptr;
    m_view = nullptr;
}

void CChannelSucheDlg::SetSource(CTarnell1018Doc& document, QObject* owner, ViewSource view) {
    if (m_owner && m_document == &document) {
        m_view = std::move(view);
        RunSearch(true);
        return;
    }
    Detach();
    m_document = &document;
    m_owner = owner;
    m_view = std::move(view);
    document.AddListener(this);
    // The window takes its document with it; by then there is nobody to unregister from.
    m_ownerGone = connect(owner, &QObject::destroyed, this, [this] {
        m_document = nullptr;
        m_view = nullptr;
        m_model->SetFile(nullptr);
    });
    m_model->SetFile(&document.File());
    RunSearch(false);
}

void CChannelSucheDlg::Clear() {
    Detach();
    m_model->SetFile(nullptr);
    {
        const QSignalBlocker block(m_edit);
        m_edit->clear();
    }
    m_status->setText(tr("No service list is open."));
}

void CChannelSucheDlg::Search() {
    RunSearch(true);
}

void CChannelSucheDlg::RunSearch(bool keepChoice) {
    if (!Document()) {
        m_model->SetFile(nullptr);
        return;
    }
    const CChannelData* chosen = nullptr;
    if (keepChoice && m_results->currentIndex().isValid()) {
        chosen = m_model->ChannelAt(m_results->currentIndex().row());
    }
    const View view = m_view ? m_view() : View{};
    auto numbering = view.runningNumbers ? CChannelSearchModel::Numbering::Running
                                         : CChannelSearchModel::Numbering::Position;
    if (m_document->GetConfigOptionFlag() == 1) {
        numbering = CChannelSearchModel::Numbering::Stored;
    }
    m_model->Search(m_edit->text(), view.tv, numbering);
    m_status->setText(tr("%n channel(s) found", nullptr, m_model->rowCount()));
    if (chosen) {
        const int row = m_model->RowOf(chosen);
        if (row >= 0) {
            m_results->setCurrentIndex(m_model->index(row, 0));
        }
    }
}

void CChannelSucheDlg::OnDocumentUpdate(CTarnell1018Doc&, int hint, const void* object) {
    if (hint == kHintChannelChanged) {
        // One channel changed in place (or was just selected): every row still holds a live
        // record; only a changed name may move it in or out of the results.
        const auto* channel = static_cast<const CChannelData*>(object);
        if (!channel) {
            return;
        }
        if (m_model->WouldMatch(channel) != (m_model->RowOf(channel) >= 0)) {
            m_model->Invalidate();
            RunSearch(true);
        } else {
            m_model->RefreshChannel(channel);
        }
        return;
    }
    // Anything else may have removed, replaced or renamed records: search again, so that no
    // row keeps a record that is gone.
    m_model->Invalidate();
    RunSearch(hint != kHintModelReplaced);
}

void CChannelSucheDlg::Choose(const QModelIndex& index) {
    if (CChannelData* channel = m_model->ChannelAt(index.row()); channel && Document()) {
        emit ChannelChosen(channel);
    }
}

bool CChannelSucheDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !m_edit->text().isEmpty()) {
            m_edit->clear();
            return true;
        }
        if (key->key() == Qt::Key_Down && m_model->rowCount() > 0) {
            if (!m_results->currentIndex().isValid()) {
                m_results->setCurrentIndex(m_model->index(0, 0));
            }
            m_results->setFocus();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            m_model->rowCount() > 0) {
            const QModelIndex current = m_results->currentIndex();
            Choose(current.isValid() ? current : m_model->index(0, 0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnell
