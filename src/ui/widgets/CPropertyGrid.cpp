#include "CPropertyGrid.h"

#include "CPropertyGridDelegate.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace tarnell {

CPropertyGrid::CPropertyGrid(QWidget* parent) : QWidget(parent) {
    m_model = new CPropertyGridModel(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_toolBar = new QToolBar(this);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_alphabetical = m_toolBar->addAction(tr("Alphabetical"));
    m_alphabetical->setCheckable(true);
    m_alphabetical->setToolTip(tr("Sort the properties by name instead of in groups"));
    connect(m_alphabetical, &QAction::toggled, this, &CPropertyGrid::SetAlphabetical);
    m_expandAll = m_toolBar->addAction(tr("Expand All"));
    m_expandAll->setToolTip(tr("Open every group of properties"));
    connect(m_expandAll, &QAction::triggered, this, &CPropertyGrid::ExpandAll);
    layout->addWidget(m_toolBar);

    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("propertyGrid"));
    m_view->setModel(m_model);
    m_delegate = new CPropertyGridDelegate(*m_model, m_view);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_view->setUniformRowHeights(true);
    // Names and values share the pane's width: a narrow dock scrolls neither sideways.
    m_view->header()->setSectionResizeMode(CPropertyGridModel::kColName, QHeaderView::Interactive);
    m_view->header()->setStretchLastSection(true);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    layout->addWidget(m_view, 1);

    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("propertyDescription"));
    m_description->setWordWrap(true);
    m_description->setTextFormat(Qt::PlainText);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 3);
    m_description->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_description->setFrameShape(QFrame::StyledPanel);
    m_description->setMargin(4);
    layout->addWidget(m_description);

    // One click on a value starts editing it, as in any property grid.
    connect(m_view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == CPropertyGridModel::kColValue &&
            m_model->IsEditable(m_model->IdOf(index)) &&
            m_model->Spec(m_model->IdOf(index))->kind != PropertyKind::Check) {
            m_view->edit(index);
        }
    });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowDescription(current); });
    connect(m_model, &CPropertyGridModel::ValueCommitted, this, [this](int id, const QVariant& v) {
        ShowDescription(m_view->currentIndex());
        emit ValueCommitted(id, v);
    });
    connect(m_model, &CPropertyGridModel::ValueRefused, this,
            [this](int id, const QString& message) {
                ShowRefusal(message);
                emit ValueRefused(id, message);
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, &CPropertyGrid::SpanGroups);
}

void CPropertyGrid::AddGroup(int groupId, const QString& title) {
    m_model->AddGroup(groupId, title);
    SpanGroups();
}

void CPropertyGrid::AddProperty(int groupId, PropertySpec spec) {
    m_model->AddProperty(groupId, std::move(spec));
}

void CPropertyGrid::SpanGroups() {
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        m_view->setFirstColumnSpanned(row, {}, m_model->IsGroup(index));
        if (m_model->IsGroup(index)) {
            m_view->expand(index);
        }
    }
}

void CPropertyGrid::CancelEditing() {
    // Closing through the delegate's own signal drops the typed text.
    if (QWidget* editor = m_view->indexWidget(
            m_view->currentIndex().siblingAtColumn(CPropertyGridModel::kColValue))) {
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
}

void CPropertyGrid::ShowRefusal(const QString& message) {
    QPalette palette = m_description->palette();
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0x10, 0x10));
    m_description->setPalette(palette);
    m_description->setText(message);
}

QString CPropertyGrid::DescriptionText() const {
    return m_description->text();
}

void CPropertyGrid::ShowDescription(const QModelIndex& current) {
    m_description->setPalette(palette());
    const int id = m_model->IdOf(current);
    const PropertySpec* spec = m_model->Spec(id);
    if (!spec) {
        m_description->clear();
        return;
    }
    m_description->setText(spec->description.isEmpty()
                               ? spec->name
                               : spec->name + QLatin1Char('\n') + spec->description);
}

void CPropertyGrid::SetAlphabetical(bool on) {
    CancelEditing();
    m_model->SetAlphabetical(on);
    if (m_alphabetical->isChecked() != on) {
        m_alphabetical->setChecked(on);
    }
}

void CPropertyGrid::ExpandAll() {
    m_view->expandAll();
}

bool CPropertyGrid::eventFilter(QObject* watched, QEvent* event) {
    // Names take 45 % of the width the viewport really has: the pane's own resize comes before
    // the viewport's when the dock is shown for the first time.
    if (watched == m_view->viewport() && event->type() == QEvent::Resize) {
        const int width = static_cast<QResizeEvent*>(event)->size().width();
        m_view->setColumnWidth(CPropertyGridModel::kColName, width * 9 / 20);
    }
    // Keys reach the view itself only while no editor is open.
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex value =
            m_view->currentIndex().siblingAtColumn(CPropertyGridModel::kColValue);
        const int id = m_model->IdOf(value);
        const bool check =
            m_model->IsEditable(id) && m_model->Spec(id)->kind == PropertyKind::Check;
        if (check && key->key() == Qt::Key_Space) {
            m_model->Commit(id, !m_model->Value(id).toBool());
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            m_model->IsEditable(id)) {
            if (check) {
                m_model->Commit(id, !m_model->Value(id).toBool());
            } else {
                m_view->edit(value);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnell
