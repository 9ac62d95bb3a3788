#include "CTarnell1018View.h"

#include "CChannelListModel.h"
#include "CTarnell1018Doc.h"

#include <QHeaderView>
#include <QListView>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace tarnell {

CTarnell1018View::CTarnell1018View(CTarnell1018Doc& document, SettingsOpener openSettings,
                                   QWidget* parent)
    : QWidget(parent), m_document(document), m_openSettings(std::move(openSettings)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    layout->addWidget(m_stack);
    m_model = new CChannelListModel(this);
    m_table = new QTableView(m_stack);
    m_table->setObjectName(QStringLiteral("channelList"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_compact = new QListView(m_stack);
    m_compact->setModel(m_model);
    m_compact->setSelectionModel(m_table->selectionModel());
    m_stack->addWidget(m_table);
    m_stack->addWidget(m_compact);
}

CTarnell1018View::~CTarnell1018View() = default;

void CTarnell1018View::SetOptions(const ChannelListOptions& options) {
    m_options = options;
}

bool CTarnell1018View::IsCompact() const {
    return m_stack->currentWidget() == m_compact;
}

void CTarnell1018View::SetCompact(bool compact) {
    m_stack->setCurrentWidget(compact ? static_cast<QWidget*>(m_compact) : m_table);
}

void CTarnell1018View::OnUpdate(int, const void*) {
    Fill(m_fill);
}

void CTarnell1018View::Fill(const ListFill& fill) {
    m_fill = fill;
    m_model->Refill(&m_document, fill.mode == ListMode::AllChannels ? fill.index == 0 : fill.tv);
    emit StatusTextChanged(QStringLiteral(" %1").arg(m_model->rowCount()));
}

void CTarnell1018View::SetMarkedFavourite(int) {}

void CTarnell1018View::SetFavouriteSequenceNumbering(bool on) {
    m_options.favSeqNum = on;
}

} // namespace tarnell
