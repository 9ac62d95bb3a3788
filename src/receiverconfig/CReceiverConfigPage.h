#pragma once

#include "CListPropertySheet.h"
#include "ReceiverConfigFields.h"

#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace tarnell {

class CSettingsFile;

// One page of the receiver configuration: a row for each of its fields, filled from the
// configuration when made. OK gives back only what the user changed, so a value no list offers
// and a slider position the user left stay exactly as stored.
class CReceiverConfigPage : public COptionsPage {
    Q_OBJECT
public:
    CReceiverConfigPage(ReceiverConfig::Page page, const CSettingsFile& file,
                        QWidget* parent = nullptr);

    ReceiverConfig::Page PageId() const { return m_page; }
    QString Title() const override;
    QString Description() const override { return {}; }
    QIcon Icon() const override;
    bool Validate() override;
    // The changes OK writes.
    void CollectChanges(std::vector<ReceiverConfig::Change>& changes) const;

    // The row's editor for a field, by its offset (by its number for the texts).
    QWidget* Editor(size_t offset) const;
    QLabel* Problem() const { return m_problem; }

private:
    struct Row {
        const ReceiverConfig::Field* field = nullptr;
        QWidget* editor = nullptr;
        QComboBox* side = nullptr; // the hemisphere of a site value
        int initialIndex = -1;     // lists, check boxes and sliders as filled
        int initialSide = 0;
    };

    QWidget* MakeEditor(Row& row);
    void FillList(QComboBox* box, std::span<const ReceiverConfig::Option> options,
                  const ReceiverConfig::Field& field, int64_t value);
    void FollowTvSystem();
    void FollowDhcp();
    bool Refuse(QWidget* editor, const QString& message);
    const Row* RowAt(size_t offset) const;

    ReceiverConfig::Page m_page;
    const CSettingsFile& m_file;
    std::vector<Row> m_rows;
    QLabel* m_problem = nullptr;
};

} // namespace tarnell
