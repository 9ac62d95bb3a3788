#pragma once

#include <QStyledItemDelegate>

namespace tarnell {

class CPropertyGridModel;

// The editors of the grid's value column: a line edit for text, a digits-only edit for numbers,
// a drop-down list for choices. Enter commits a value the row takes and keeps the editor open on
// one it refuses; Escape and the Undo/Redo keys close it without a change.
class CPropertyGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CPropertyGridDelegate(CPropertyGridModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the editor holds now, as the model takes it.
    QVariant EditorValue(QWidget* editor) const;
    int IdOfEditor(QWidget* editor) const;

    CPropertyGridModel& m_model;
};

} // namespace tarnell
