#include "CWindowsDialog.h"

#include "CChildFrame.h"
#include "CDocumentWindows.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarnell {

namespace {

constexpr int kChildRole = Qt::UserRole + 1;

CChildFrame* ChildOf(const QListWidgetItem* item) {
    return item ? qobject_cast<CChildFrame*>(item->data(kChildRole).value<QObject*>()) : nullptr;
}

} // namespace

CWindowsDialog::CWindowsDialog(CMainFrame& frame) : QDialog(&frame), m_frame(frame) {
    setWindowTitle(tr("Windows"));
    auto* layout = new QHBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumWidth(320);
    layout->addWidget(m_list, 1);

    auto* buttons = new QVBoxLayout;
    m_activate = new QPushButton(tr("&Activate"), this);
    m_save = new QPushButton(tr("&Save"), this);
    m_close = new QPushButton(tr("&Close Window"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    m_activate->setDefault(true);
    for (QPushButton* button : {m_activate, m_save, m_close}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    connect(m_activate, &QPushButton::clicked, this, &CWindowsDialog::ActivateSelected);
    connect(m_save, &QPushButton::clicked, this, &CWindowsDialog::SaveSelected);
    connect(m_close, &QPushButton::clicked, this, &CWindowsDialog::CloseSelected);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CWindowsDialog::ActivateSelected);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CWindowsDialog::UpdateButtons);
    Refill();
}

void CWindowsDialog::Refill() {
    m_list->clear();
    CChildFrame* active = m_frame.ActiveChild();
    for (CChildFrame* child : m_frame.Children()) {
        QString text = child->Title();
        if (child->Document().IsModified()) {
            text += QStringLiteral(" *");
        }
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(kChildRole, QVariant::fromValue<QObject*>(child));
        item->setSelected(child == active);
    }
    UpdateButtons();
}

void CWindowsDialog::UpdateButtons() {
    const int selected = static_cast<int>(m_list->selectedItems().size());
    m_activate->setEnabled(selected == 1);
    m_save->setEnabled(selected > 0);
    m_close->setEnabled(selected > 0);
}

void CWindowsDialog::ActivateSelected() {
    const auto items = m_list->selectedItems();
    if (items.size() != 1) {
        return;
    }
    if (CChildFrame* child = ChildOf(items.front())) {
        m_frame.Windows().Activate(*child);
    }
    accept();
}

void CWindowsDialog::SaveSelected() {
    for (QListWidgetItem* item : m_list->selectedItems()) {
        if (CChildFrame* child = ChildOf(item)) {
            if (!m_frame.SaveDocument(*child)) {
                break;
            }
        }
    }
    Refill();
}

void CWindowsDialog::CloseSelected() {
    // Pointers first: each close may ask a question and changes the list behind it.
    QList<QPointer<CChildFrame>> children;
    for (QListWidgetItem* item : m_list->selectedItems()) {
        children.append(ChildOf(item));
    }
    for (const QPointer<CChildFrame>& child : children) {
        if (child && !m_frame.CloseDocument(*child)) {
            break;
        }
    }
    Refill();
}

} // namespace tarnell
