#pragma once

#include "CPropertyPane.h"

#include <cstddef>
#include <cstdint>

class QPushButton;

namespace tarnell {

class CSatelliteData;
class CSatelliteInfo;

// The satellite pane: the satellite chosen in the tree or the list, the LNB settings it uses on
// the window's tuner input, the receiver's tuner and positioner settings (files with a
// configuration only) and the single-cable settings. LNB records are shared between satellites:
// an edit of a shared one gives the satellite a record of its own first.
class CSatelliteWnd : public CPropertyPane {
    Q_OBJECT
public:
    enum Property {
        kLofHigh = 101,
        kLofLow = 102,
        kPosition = 103,
        kSide = 104,
        kOption = 105,
        kSingleLof = 106,
        kLnbType = 107,
        kDiseqc10 = 108,
        kDiseqc11 = 109,
        kVoltage = 111,
        kTone = 112,
        kPositionerMode = 113,
        kLongitude = 114,
        kLatitude = 115,
        kUserBand = 116,
        kUserBandFrequency = 117,
        kUserBandPosition = 118,
        kTunerInput = 119,
        kTunerMode = 120,
        kPositionerIndex = 121,
        kName = 100,
    };
    enum Group {
        kGroupSatellite = 106,
        kGroupTuner = 334,
        kGroupLnb = 333,
        kGroupPositioner = 330,
        kGroupUnicable = 331,
    };
    enum LnbType { kSingle = 0, kUniversal = 1, kUnicable = 2 };
    static constexpr int kMaxUserBandFrequency = 2150;
    static constexpr int kUsals = 2;
    // Where the configuration keeps the tuner mode and the site's longitude and latitude.
    static constexpr size_t kTunerModeOffset = 576;
    static constexpr size_t kLongitudeOffset = 424;
    static constexpr size_t kLatitudeOffset = 428;

    explicit CSatelliteWnd(QWidget* parent = nullptr);

    // nullptr empties the pane.
    void SetSatellite(CSatelliteInfo* satellite);
    CSatelliteInfo* Satellite() const { return m_satellite; }
    QPushButton* SiteButton() const { return m_siteButton; }
    // The window's tuner input: 0 input 1, 1 input 2.
    void SetTunerInput(int input);
    int TunerInput() const { return m_input; }
    void Refresh() override;

signals:
    // The user chose the other input, or the tuner mode allows only the first.
    void TunerInputChosen(int input);
    // The user wants to set the site's longitude and latitude, which the receiver
    // configuration keeps.
    void SiteSettingsRequested();

protected:
    void OnDocumentSwitched() override;
    void OnHint(int hint, const void* object) override;
    void OnCommitted(int id, const QVariant& value) override;

private:
    void Clear();
    CSatelliteData* Lnb() const;
    void ShowTuner();
    void ShowLnb();
    void ShowPositioner();
    void ShowUnicable();
    void EnableByType();
    bool IsLnbProperty(int id) const;
    void WriteLnb(int id, int value);
    QString SiteText(size_t offset, bool latitude) const;

    QPushButton* m_siteButton = nullptr;
    CSatelliteInfo* m_satellite = nullptr;
    std::ptrdiff_t m_index = -1;
    int m_input = 0;
};

} // namespace tarnell
