#pragma once

#include "CPropertyGridModel.h"

#include <QWidget>

class QAction;
class QLabel;
class QToolBar;
class QTreeView;

namespace tarnell {

class CPropertyGridDelegate;

// A two-column grid of named values in groups: text, number, choice and check rows, read-only
// or disabled rows, a description line for the current row, a toolbar that sorts by name or
// expands every group. Rows are edited with mouse or keys (Enter or typing opens the editor,
// Enter commits, Escape goes back); each committed value comes out of ValueCommitted, each
// refused one is said in the description line and comes out of ValueRefused.
class CPropertyGrid : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyGrid(QWidget* parent = nullptr);

    CPropertyGridModel& Model() const { return *m_model; }
    QTreeView* View() const { return m_view; }

    void AddGroup(int groupId, const QString& title);
    void AddProperty(int groupId, PropertySpec spec);
    void RemoveProperty(int id) { m_model->RemoveProperty(id); }
    void SetValue(int id, const QVariant& value) { m_model->SetValue(id, value); }
    QVariant Value(int id) const { return m_model->Value(id); }
    void SetOptions(int id, CComboBoxExProp options) {
        m_model->SetOptions(id, std::move(options));
    }
    void SetPropertyEnabled(int id, bool enabled) { m_model->SetPropertyEnabled(id, enabled); }
    void ResetOriginalValues() { m_model->ResetOriginalValues(); }

    // Closes an open editor without taking what was typed.
    void CancelEditing();
    // Says why a value was not taken, in the description line.
    void ShowRefusal(const QString& message);
    QString DescriptionText() const;
    void SetAlphabetical(bool on);
    void ExpandAll();
    QAction* AlphabeticalAction() const { return m_alphabetical; }
    QAction* ExpandAllAction() const { return m_expandAll; }

signals:
    void ValueCommitted(int id, const QVariant& value);
    void ValueRefused(int id, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowDescription(const QModelIndex& current);
    void SpanGroups();

    CPropertyGridModel* m_model = nullptr;
    CPropertyGridDelegate* m_delegate = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_alphabetical = nullptr;
    QAction* m_expandAll = nullptr;
    QTreeView* m_view = nullptr;
    QLabel* m_description = nullptr;
};

} // namespace tarnell
