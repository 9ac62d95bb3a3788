#include "CPropertyPane.h"

#include "CPropertyGrid.h"
#include "CTarnell1018Doc.h"
#include "HelpTopic.h"

#include <QTreeView>
#include <QVBoxLayout>

namespace tarnell {

CPropertyPane::CPropertyPane(QWidget* parent) : QWidget(parent) {
    SetHelpTopic(this, "properties");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_grid = new CPropertyGrid(this);
    layout->addWidget(m_grid);
    // The pane's focus is the grid's.
    setFocusProxy(m_grid->View());
    connect(m_grid, &CPropertyGrid::ValueCommitted, this,
            [this](int id, const QVariant& value) { OnCommitted(id, value); });
    connect(m_grid, &CPropertyGrid::ValueRefused, this,
            [this](int, const QString& message) { emit MessageRequested(message); });
}

CPropertyPane::~CPropertyPane() {
    if (m_document) {
        m_document->RemoveListener(this);
    }
}

void CPropertyPane::SetDocument(CTarnell1018Doc* document) {
    if (document == m_document) {
        return;
    }
    m_grid->CancelEditing();
    if (m_document) {
        m_document->RemoveListener(this);
    }
    m_document = document;
    if (m_document) {
        m_document->AddListener(this);
    }
    OnDocumentSwitched();
}

void CPropertyPane::ForgetDocument() {
    m_grid->CancelEditing();
    m_document = nullptr;
    OnDocumentSwitched();
}

void CPropertyPane::OnDocumentUpdate(CTarnell1018Doc& document, int hint, const void* object) {
    if (&document != m_document) {
        return;
    }
    if (hint == kHintModelReplaced) {
        // Undo, redo or a load: what was typed belongs to records that are gone.
        m_grid->CancelEditing();
    }
    OnHint(hint, object);
}

PropertySpec CPropertyPane::NumberRow(int id, const QString& name, int maximum,
                                      const QString& description) {
    return PropertySpec(id, name, PropertyKind::Number).Describe(description).Range(0, maximum);
}

PropertySpec CPropertyPane::ChoiceRow(int id, const QString& name, const QString& description) {
    return PropertySpec(id, name, PropertyKind::Choice).Describe(description);
}

PropertySpec CPropertyPane::CheckRow(int id, const QString& name, const QString& description) {
    return PropertySpec(id, name, PropertyKind::Check).Describe(description);
}

void CPropertyPane::ShowRecord(bool changed) {
    if (changed) {
        m_grid->CancelEditing();
    }
    Refresh();
    if (changed) {
        m_grid->ResetOriginalValues();
    }
}

void CPropertyPane::Refuse(const QString& message) {
    m_grid->ShowRefusal(message);
    emit MessageRequested(message);
}

void CPropertyPane::Write(std::string_view name, const std::function<void(CSettingsFile&)>& change,
                          int hint, const void* object) {
    if (m_document) {
        m_document->Edit(name, change, hint, object);
    }
}

} // namespace tarnell
