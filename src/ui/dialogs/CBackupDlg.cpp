#include "CBackupDlg.h"

#include "HelpTopic.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tarnell {

CBackupDlg::CBackupDlg(const std::vector<Row>& rows, bool canSend, QWidget* parent)
    : QDialog(parent), m_canSend(canSend) {
    setObjectName(QStringLiteral("backupDialog"));
    SetHelpTopic(this, "receiver");
    setWindowTitle(tr("Restore a Backup"));
    auto* text = new QLabel(tr("Before each send the receiver's list is kept here. Open one to "
                               "look at it, or send it back to the receiver."),
                            this);
    text->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Kept on"), tr("Channels"), tr("Compared with the open list")});
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(
            m_list,
            {row.date, row.channels < 0 ? tr("cannot be read") : QString::number(row.channels),
             row.difference});
        item->setData(0, Qt::UserRole, row.folder);
        item->setToolTip(0, row.folder);
        item->setDisabled(row.channels < 0);
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_open = buttons->addButton(tr("Open as New Document"), QDialogButtonBox::ActionRole);
    m_send = buttons->addButton(tr("Send to Receiver"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_open, &QPushButton::clicked, this, [this] { done(kOpen); });
    connect(m_send, &QPushButton::clicked, this, [this] { done(kSend); });
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CBackupDlg::UpdateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { done(kOpen); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    if (rows.empty()) {
        layout->addWidget(new QLabel(tr("No backups have been kept yet."), this));
    }
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    if (m_list->topLevelItemCount() > 0 && !m_list->topLevelItem(0)->isDisabled()) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    UpdateButtons();
    resize(720, 380);
}

QString CBackupDlg::SelectedFolder() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    return item != nullptr && item->isSelected() && !item->isDisabled()
               ? item->data(0, Qt::UserRole).toString()
               : QString();
}

void CBackupDlg::UpdateButtons() {
    const bool chosen = !SelectedFolder().isEmpty();
    m_open->setEnabled(chosen);
    m_send->setEnabled(chosen && m_canSend);
}

} // namespace tarnell
