#pragma once

#include "COptionsPropSheet.h"

class QComboBox;

namespace tarnell {

struct CAppPreferences;

// Favourite list, satellite and send behaviour: eight choices, each a drop-down list whose entry
// number is the stored value.
class COptionsConcretePage : public COptionsPage {
    Q_OBJECT
public:
    enum Choice : int {
        kFavHoldSelection,
        kFavCodepage,
        kSatelliteActive,
        kSatelliteRestrictShow,
        kSatelliteOrder,
        kFavSeqNum,
        kFavDelChSelection,
        kSendPreview,
        kChoiceCount,
    };

    explicit COptionsConcretePage(CAppPreferences& preferences, QWidget* parent = nullptr);

    QString Title() const override;
    QString Description() const override;
    QIcon Icon() const override;
    void OnOk() override;

    QComboBox* Box(Choice choice) const { return m_boxes[choice]; }

private:
    QComboBox* MakeBox(Choice choice, const QStringList& entries);
    int& Value(Choice choice) const;

    CAppPreferences& m_preferences;
    QComboBox* m_boxes[kChoiceCount] = {};
};

} // namespace tarnell
