#pragma once

#include "ListDifference.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace tarnell {

// What differs between two lists: the summary on top, below the changes grouped by what they
// are in, filtered by a text and a group. Shows; changes nothing.
class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    // `before` and `now` name the two lists for the heading.
    CCompareDlg(ListDifference difference, const QString& before, const QString& now,
                QWidget* parent = nullptr);

    // "Channels: 12 removed, 340 moved" a line per group; "No differences." when equal.
    static QString SummaryText(const ListDifference& difference);
    // Every change on a line of its own, under its group's title: to read or copy.
    static QString ChangeLines(const ListDifference& difference);
    static QString AreaText(DiffArea area);
    static QString KindText(DiffKind kind);

    QLabel* Summary() const { return m_summary; }
    QLineEdit* Filter() const { return m_filter; }
    QComboBox* Group() const { return m_group; }
    QTreeWidget* Changes() const { return m_tree; }
    // Rows (changes, not groups) a user sees now.
    int VisibleChanges() const;

private:
    void Fill();
    void ApplyFilter();

    ListDifference m_difference;
    QLabel* m_summary = nullptr;
    QLineEdit* m_filter = nullptr;
    QComboBox* m_group = nullptr;
    QTreeWidget* m_tree = nullptr;
};

} // namespace tarnell
