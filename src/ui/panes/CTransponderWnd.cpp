#include "CTransponderWnd.h"

#include "CPropertyGrid.h"
#include "CTarnell1018Doc.h"

namespace tarnell {

namespace {

CComboBoxExProp EmptyOptions() {
    return CComboBoxExProp({{QString(), -1}});
}

} // namespace

CTransponderWnd::CTransponderWnd(QWidget* parent) : CPropertyPane(parent) {
    CPropertyGrid& grid = Grid();
    grid.AddGroup(kGroupSatellite, tr("Satellite"));
    grid.AddGroup(kGroupTransponder, tr("Transponder"));
    grid.AddGroup(kGroupProvider, tr("Provider"));
    grid.AddProperty(kGroupSatellite,
                     PropertySpec(kSatellite, tr("Satellite"), PropertyKind::Choice)
                         .Describe(tr("The satellite of the transponder; it is changed by making "
                                      "the transponder anew on another satellite."))
                         .ReadOnly());
    // Frequency 0 marks a free slot: the transponder would vanish with its channels' link.
    grid.AddProperty(kGroupTransponder,
                     PropertySpec(kFrequency, tr("Frequency"), PropertyKind::Number)
                         .Describe(tr("MHz, 1 to 65535"))
                         .Range(1, 65535));
    grid.AddProperty(kGroupTransponder, {kPolarisation, tr("Polarisation"), PropertyKind::Choice});
    grid.AddProperty(kGroupTransponder,
                     PropertySpec(kSymbolRate, tr("Symbol rate"), PropertyKind::Number)
                         .Describe(tr("kS/s, 0 to 65535")));
    grid.AddProperty(kGroupTransponder, PropertySpec(kTransportStreamId, tr("Transport stream ID"),
                                                     PropertyKind::Number)
                                            .Describe(tr("0 to 65535")));
    grid.AddProperty(kGroupTransponder, PropertySpec(kOriginalNetworkId, tr("Original network ID"),
                                                     PropertyKind::Number)
                                            .Describe(tr("0 to 65535")));
    grid.AddProperty(kGroupProvider, {kProvider, tr("Provider"), PropertyKind::Choice});
    Clear();
}

void CTransponderWnd::SetTransponder(CTransponderData* transponder) {
    const bool changed = transponder != m_transponder;
    m_transponder = transponder;
    m_index =
        transponder && Document() ? Document()->File().m_transponders.IndexOf(transponder) : -1;
    ShowRecord(changed);
}

void CTransponderWnd::Clear() {
    m_transponder = nullptr;
    m_index = -1;
    CPropertyGrid& grid = Grid();
    for (const int id : {kSatellite, kPolarisation, kProvider}) {
        grid.SetOptions(id, EmptyOptions());
    }
    for (const int id : {kSatellite, kFrequency, kPolarisation, kSymbolRate, kTransportStreamId,
                         kOriginalNetworkId, kProvider}) {
        grid.SetValue(id, QVariant());
        grid.SetPropertyEnabled(id, false);
    }
    grid.ResetOriginalValues();
}

void CTransponderWnd::Refresh() {
    CTarnell1018Doc* document = Document();
    if (!document || !m_transponder) {
        Clear();
        return;
    }
    const CSettingsFile& file = document->File();
    const CTransponderData& t = *m_transponder;
    CPropertyGrid& grid = Grid();

    CComboBoxExProp satellites = EmptyOptions();
    for (size_t k = 0; k < file.m_satellites.Size(); ++k) {
        satellites.Add(QString::fromStdString(file.m_satellites.At(k)->GetDisplayName()),
                       static_cast<int>(k));
    }
    grid.SetOptions(kSatellite, std::move(satellites));
    grid.SetValue(kSatellite, static_cast<int>(t.GetSatelliteIndex()));

    grid.SetOptions(kPolarisation, CComboBoxExProp({{QStringLiteral("V"), 0},
                                                    {QStringLiteral("H"), 1},
                                                    {QStringLiteral("A"), 2},
                                                    {QStringLiteral("C"), 5}}));
    grid.SetValue(kPolarisation, t.GetPolarisation());
    grid.SetValue(kFrequency, static_cast<int>(t.GetFrequency()));
    grid.SetValue(kSymbolRate, static_cast<int>(t.GetSymbolRate()));
    grid.SetValue(kTransportStreamId, static_cast<int>(t.GetTransportStreamId()));
    grid.SetValue(kOriginalNetworkId, static_cast<int>(t.GetOriginalNetworkId()));

    CComboBoxExProp providers({{QString(), CChannelData::kNone}});
    for (size_t k = 0; k < file.m_providerNames.Size(); ++k) {
        providers.Add(QString::fromStdString(file.m_providerNames.At(k)->GetDisplayName()),
                      static_cast<int>(k));
    }
    grid.SetOptions(kProvider, std::move(providers));
    grid.SetValue(kProvider, static_cast<int>(t.GetProviderIndex()));

    for (const int id : {kSatellite, kFrequency, kPolarisation, kSymbolRate, kTransportStreamId,
                         kOriginalNetworkId, kProvider}) {
        grid.SetPropertyEnabled(id, true);
    }
}

void CTransponderWnd::OnDocumentSwitched() {
    SetTransponder(Document() ? Document()->GetCurrentTransponder() : nullptr);
}

void CTransponderWnd::OnHint(int hint, const void*) {
    CTarnell1018Doc* document = Document();
    const auto& transponders = document->File().m_transponders;
    switch (hint) {
    case kHintClearTransponderPanes:
    case kHintClearSatellitePanes:
        SetTransponder(nullptr);
        return;
    case kHintModelReplaced:
        // Undo and redo make every record anew: the one at the same place is the one shown.
        SetTransponder(m_index >= 0 && static_cast<size_t>(m_index) < transponders.Size() &&
                               !transponders.At(static_cast<size_t>(m_index))->IsFree()
                           ? transponders.At(static_cast<size_t>(m_index))
                           : nullptr);
        return;
    default:
        if (m_transponder && transponders.IndexOf(m_transponder) < 0) {
            SetTransponder(nullptr);
        } else {
            Refresh();
        }
        return;
    }
}

void CTransponderWnd::OnCommitted(int id, const QVariant& value) {
    CTransponderData* t = m_transponder;
    if (!t) {
        return;
    }
    const int v = value.toInt();
    std::function<void(CTransponderData&)> set;
    switch (id) {
    case kFrequency:
        set = [v](CTransponderData& r) { r.SetFrequency(v); };
        break;
    case kPolarisation:
        set = [v](CTransponderData& r) { r.SetPolarisation(v); };
        break;
    case kSymbolRate:
        set = [v](CTransponderData& r) { r.SetSymbolRate(v); };
        break;
    case kTransportStreamId:
        set = [v](CTransponderData& r) { r.SetTransportStreamId(v); };
        break;
    case kOriginalNetworkId:
        set = [v](CTransponderData& r) { r.SetOriginalNetworkId(v); };
        break;
    case kProvider:
        set = [v](CTransponderData& r) { r.SetProviderIndex(static_cast<uint16_t>(v)); };
        break;
    default:
        return;
    }
    Write(
        "Edit transponder", [t, &set](CSettingsFile&) { set(*t); }, kHintTransponderEdited, t);
}

} // namespace tarnell
