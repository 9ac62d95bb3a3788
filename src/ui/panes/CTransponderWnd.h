#pragma once

#include "CPropertyPane.h"

#include <cstddef>

namespace tarnell {

class CTransponderData;

// The transponder pane: the transponder chosen in the tree or the list, its frequency,
// polarisation, symbol rate, stream and network IDs and provider. The tree relabels and sorts
// the transponder after each edit.
class CTransponderWnd : public CPropertyPane {
    Q_OBJECT
public:
    enum Property {
        kSatellite = 14,
        kFrequency = 15,
        kPolarisation = 16,
        kSymbolRate = 17,
        kTransportStreamId = 18,
        kOriginalNetworkId = 24,
        kProvider = 26,
    };
    enum Group { kGroupSatellite = 106, kGroupTransponder = 121, kGroupProvider = 335 };

    explicit CTransponderWnd(QWidget* parent = nullptr);

    // nullptr empties the pane.
    void SetTransponder(CTransponderData* transponder);
    CTransponderData* Transponder() const { return m_transponder; }
    void Refresh() override;

protected:
    void OnDocumentSwitched() override;
    void OnHint(int hint, const void* object) override;
    void OnCommitted(int id, const QVariant& value) override;

private:
    void Clear();

    CTransponderData* m_transponder = nullptr;
    // Where the record stood, to find it again after undo and redo made new records.
    std::ptrdiff_t m_index = -1;
};

} // namespace tarnell
