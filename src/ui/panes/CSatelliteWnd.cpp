#include "CSatelliteWnd.h"

#include "CPropertyGrid.h"
#include "CTarnell1018Doc.h"
#include "PropertyEdits.h"

#include <QLayout>
#include <QPushButton>
#include <QTreeView>

namespace tarnell {

namespace {

constexpr uint8_t kOptionBit = 0x01;
constexpr uint8_t kVoltageBit = 0x02;
constexpr uint8_t kToneBit = 0x04;
constexpr int kPositionerShift = 3;
constexpr uint8_t kPositionerMask = 0x18;

QString Degrees(uint16_t tenths) {
    return QString::number(tenths / 10.0, 'f', 1);
}

const int kLnbProperties[] = {
    CSatelliteWnd::kLofHigh,         CSatelliteWnd::kLofLow,          CSatelliteWnd::kOption,
    CSatelliteWnd::kSingleLof,       CSatelliteWnd::kLnbType,         CSatelliteWnd::kDiseqc10,
    CSatelliteWnd::kDiseqc11,        CSatelliteWnd::kVoltage,         CSatelliteWnd::kTone,
    CSatelliteWnd::kPositionerMode,  CSatelliteWnd::kPositionerIndex, CSatelliteWnd::kUserBand,
    CSatelliteWnd::kUserBandPosition};

} // namespace

CSatelliteWnd::CSatelliteWnd(QWidget* parent) : CPropertyPane(parent) {
    CPropertyGrid& grid = Grid();
    grid.AddGroup(kGroupSatellite, tr("Satellite"));
    grid.AddGroup(kGroupTuner, tr("Tuner"));
    grid.AddGroup(kGroupLnb, tr("LNB"));
    grid.AddGroup(kGroupPositioner, tr("Positioner"));
    grid.AddGroup(kGroupUnicable, tr("Unicable"));

    const QString onlySys = tr("These data are contained only in a *.sys file.");

    grid.AddProperty(
        kGroupSatellite, PropertySpec(kName, tr("Name")).Validate([](const QString& text) {
            // A satellite without a name drops out of the tree.
            return text.trimmed().isEmpty() ? tr("A satellite needs a name.") : QString();
        }));
    grid.AddProperty(kGroupSatellite,
                     PropertySpec(kPosition, tr("Position"))
                         .Describe(QStringLiteral("0 ~ 180.0"))
                         .Validate([](const QString& text) {
                             return PropertyEdits::ParseDegrees(text.toStdString())
                                        ? QString()
                                        : tr("The position must lie from 0 to 180.0 degrees, "
                                             "with at most one decimal.");
                         }));
    grid.AddProperty(kGroupSatellite, ChoiceRow(kSide, tr("East / West")));
    grid.AddProperty(kGroupTuner, ChoiceRow(kTunerMode, tr("Tuner mode"), onlySys));
    grid.AddProperty(kGroupTuner, ChoiceRow(kTunerInput, tr("Tuner input")));
    grid.AddProperty(kGroupLnb, ChoiceRow(kLnbType, tr("LNB type")));
    grid.AddProperty(kGroupLnb,
                     NumberRow(kSingleLof, QStringLiteral("Single LOF"), 65535, tr("MHz")));
    grid.AddProperty(kGroupLnb, NumberRow(kLofHigh, QStringLiteral("LOF high"), 65535, tr("MHz")));
    grid.AddProperty(kGroupLnb, NumberRow(kLofLow, QStringLiteral("LOF low"), 65535, tr("MHz")));
    grid.AddProperty(kGroupLnb, ChoiceRow(kDiseqc10, QStringLiteral("DiSEqC 1.0")));
    grid.AddProperty(kGroupLnb, ChoiceRow(kDiseqc11, QStringLiteral("DiSEqC 1.1")));
    grid.AddProperty(kGroupLnb, ChoiceRow(kVoltage, QStringLiteral("0/12 Volt")));
    grid.AddProperty(kGroupLnb, ChoiceRow(kTone, QStringLiteral("LNB 22kHz")));
    grid.AddProperty(kGroupLnb, {kOption, tr("LNB option (bit 0)"), PropertyKind::Check});
    grid.AddProperty(kGroupPositioner, ChoiceRow(kPositionerMode, tr("Positioner")));
    grid.AddProperty(kGroupPositioner, NumberRow(kPositionerIndex, QStringLiteral("Positioner Idx"),
                                                 255, QStringLiteral("0 ~ 255")));
    grid.AddProperty(kGroupPositioner,
                     PropertySpec(kLongitude, tr("Site longitude"))
                         .Describe(QStringLiteral("Only in *.sys Files supported."))
                         .ReadOnly());
    grid.AddProperty(kGroupPositioner,
                     PropertySpec(kLatitude, tr("Site latitude"))
                         .Describe(QStringLiteral("0 ~ 180.0\nOnly in *.sys Files supported."))
                         .ReadOnly());
    grid.AddProperty(kGroupUnicable, ChoiceRow(kUserBand, tr("User band")));
    grid.AddProperty(kGroupUnicable,
                     NumberRow(kUserBandFrequency, tr("User band frequency"), 9999,
                               tr("MHz; at most %1 is stored.").arg(kMaxUserBandFrequency)));
    grid.AddProperty(kGroupUnicable, ChoiceRow(kUserBandPosition, tr("Position A/B")));

    grid.SetOptions(kSide, CComboBoxExProp({{tr("East"), 0}, {tr("West"), 1}}));
    grid.SetOptions(kTunerMode, CComboBoxExProp({{tr("Two inputs"), 0}, {tr("Loop-through"), 1}}));
    grid.SetOptions(kTunerInput, CComboBoxExProp({{tr("Tuner input") + QStringLiteral(" 1"), 0},
                                                  {tr("Tuner input") + QStringLiteral(" 2"), 1}}));
    grid.SetOptions(kLnbType, CComboBoxExProp({{QStringLiteral("Single"), 0},
                                               {QStringLiteral("Universal"), 1},
                                               {QStringLiteral("UNICABLE"), 2},
                                               {QStringLiteral("MDU 1"), 3},
                                               {QStringLiteral("MDU 2"), 4},
                                               {QStringLiteral("MDU 3"), 5},
                                               {QStringLiteral("MDU 4"), 6}}));
    CComboBoxExProp diseqc10({{tr("None"), 0}});
    for (int port = 1; port <= 4; ++port) {
        diseqc10.Add(QString::number(port), port);
    }
    diseqc10.Add(QStringLiteral("Tone A"), 5);
    diseqc10.Add(QStringLiteral("Tone B"), 6);
    grid.SetOptions(kDiseqc10, diseqc10);
    CComboBoxExProp diseqc11({{tr("None"), 0}});
    for (int port = 1; port <= 16; ++port) {
        diseqc11.Add(QString::number(port), port);
    }
    grid.SetOptions(kDiseqc11, diseqc11);
    grid.SetOptions(
        kVoltage, CComboBoxExProp({{QStringLiteral("0 Volt"), 0}, {QStringLiteral("12 Volt"), 1}}));
    grid.SetOptions(kTone,
                    CComboBoxExProp({{QStringLiteral("0 kHz"), 0}, {QStringLiteral("22 kHz"), 1}}));
    grid.SetOptions(kPositionerMode, CComboBoxExProp({{tr("None"), 0},
                                                      {QStringLiteral("DiSEqC 1.2"), 1},
                                                      {QStringLiteral("USALS"), kUsals}}));
    grid.SetOptions(kUserBandPosition,
                    CComboBoxExProp({{QStringLiteral("A"), 0}, {QStringLiteral("B"), 1}}));

    // The site lives in the receiver configuration; its page edits it with the hemispheres.
    m_siteButton = new QPushButton(tr("Site Longitude and Latitude..."), this);
    m_siteButton->setObjectName(QStringLiteral("siteButton"));
    m_siteButton->setEnabled(false);
    layout()->addWidget(m_siteButton);
    connect(m_siteButton, &QPushButton::clicked, this, &CSatelliteWnd::SiteSettingsRequested);
    connect(grid.View(), &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int id = Grid().Model().IdOf(index);
        if ((id == kLongitude || id == kLatitude) && m_siteButton->isEnabled()) {
            emit SiteSettingsRequested();
        }
    });
    Clear();
}

void CSatelliteWnd::SetSatellite(CSatelliteInfo* satellite) {
    const bool changed = satellite != m_satellite;
    m_satellite = satellite;
    m_index = satellite && Document() ? Document()->File().m_satellites.IndexOf(satellite) : -1;
    ShowRecord(changed);
}

void CSatelliteWnd::SetTunerInput(int input) {
    if (input == m_input) {
        return;
    }
    m_input = input == 1 ? 1 : 0;
    Refresh();
}

void CSatelliteWnd::Clear() {
    m_satellite = nullptr;
    m_index = -1;
    CPropertyGrid& grid = Grid();
    for (const int group :
         {kGroupSatellite, kGroupTuner, kGroupLnb, kGroupPositioner, kGroupUnicable}) {
        for (const int id : grid.Model().PropertiesOf(group)) {
            grid.SetValue(id, QVariant());
            grid.SetPropertyEnabled(id, false);
        }
    }
    grid.ResetOriginalValues();
}

CSatelliteData* CSatelliteWnd::Lnb() const {
    if (!m_satellite || !Document()) {
        return nullptr;
    }
    const auto& lnbs = Document()->File().m_lnbs;
    const int index = m_satellite->ResolveLnb(m_input, lnbs.Size());
    return index < 0 ? nullptr : lnbs.At(static_cast<size_t>(index));
}

void CSatelliteWnd::Refresh() {
    m_siteButton->setEnabled(Document() && Document()->IsConfigPresent());
    if (!Document() || !m_satellite) {
        Clear();
        return;
    }
    CPropertyGrid& grid = Grid();
    for (const int id : {kName, kPosition, kSide}) {
        grid.SetPropertyEnabled(id, true);
    }
    grid.SetValue(kName, QString::fromStdString(m_satellite->GetDisplayName()));
    grid.SetValue(kPosition, Degrees(PropertyEdits::Magnitude(m_satellite->GetPosition())));
    grid.SetValue(kSide, m_satellite->IsWest() ? 1 : 0);
    ShowTuner();
    ShowLnb();
}

void CSatelliteWnd::ShowTuner() {
    CPropertyGrid& grid = Grid();
    const CTarnell1018Doc& document = *Document();
    const bool config = document.IsConfigPresent();
    grid.SetPropertyEnabled(kTunerMode, config);
    if (!config) {
        grid.SetValue(kTunerMode, QVariant());
        grid.SetPropertyEnabled(kTunerInput, true);
    } else {
        const uint32_t mode = document.File().m_configuration.GetWord(kTunerModeOffset);
        grid.SetValue(kTunerMode, static_cast<int>(mode));
        grid.SetPropertyEnabled(kTunerInput, mode == 0);
        // Loop-through feeds both tuners from the first input.
        if (mode == 1 && m_input != 0) {
            m_input = 0;
            emit TunerInputChosen(0);
        }
    }
    grid.SetValue(kTunerInput, m_input);
}

void CSatelliteWnd::ShowLnb() {
    CPropertyGrid& grid = Grid();
    const CSatelliteData* lnb = Lnb();
    for (const int id : kLnbProperties) {
        grid.SetPropertyEnabled(id, lnb != nullptr || id == kLnbType);
    }
    // A satellite without a record on this input gets one with its first edit.
    grid.SetPropertyEnabled(kLnbType, true);
    if (!lnb) {
        for (const int id : kLnbProperties) {
            grid.SetValue(id, QVariant());
        }
    } else {
        grid.SetValue(kLofHigh, int(lnb->GetLofHigh()));
        grid.SetValue(kLofLow, int(lnb->GetLofLow()));
        grid.SetValue(kSingleLof, int(lnb->GetSingleLof()));
        grid.SetValue(kLnbType, int(lnb->GetLnbType()));
        grid.SetValue(kDiseqc10, int(lnb->GetDiseqc10()));
        grid.SetValue(kDiseqc11, int(lnb->GetDiseqc11()));
        grid.SetValue(kVoltage, lnb->Get12Volt() ? 1 : 0);
        grid.SetValue(kTone, lnb->Get22kHz() ? 1 : 0);
        grid.SetValue(kOption, lnb->GetOption());
        grid.SetValue(kPositionerMode, lnb->GetPositionerMode());
        grid.SetValue(kPositionerIndex, int(lnb->GetPositionerIndex()));
    }
    ShowPositioner();
    ShowUnicable();
    EnableByType();
}

QString CSatelliteWnd::SiteText(size_t offset, bool latitude) const {
    const uint32_t value = Document()->File().m_configuration.GetWord(offset);
    const bool other = value > 180000;
    const uint32_t shown = other ? 360000 - std::min<uint32_t>(value, 360000) : value;
    const QString side = latitude ? (other ? tr("S") : tr("N")) : (other ? tr("W") : tr("E"));
    return QStringLiteral("%1\u00B0 %2").arg(shown / 1000.0, 0, 'f', 3).arg(side);
}

void CSatelliteWnd::ShowPositioner() {
    CPropertyGrid& grid = Grid();
    const CSatelliteData* lnb = Lnb();
    const bool usals = Document()->IsConfigPresent() && lnb && lnb->GetPositionerMode() == kUsals;
    grid.SetPropertyEnabled(kLongitude, usals);
    grid.SetPropertyEnabled(kLatitude, usals);
    grid.SetValue(kLongitude, usals ? SiteText(kLongitudeOffset, false) : QString());
    grid.SetValue(kLatitude, usals ? SiteText(kLatitudeOffset, true) : QString());
}

void CSatelliteWnd::ShowUnicable() {
    CPropertyGrid& grid = Grid();
    const CSatelliteData* lnb = Lnb();
    const auto& bands = Document()->File().m_saTCR;
    auto frequency = [&bands](size_t band) {
        return band < bands.Size() ? static_cast<int>(bands.At(band)->frequency) : 0;
    };
    CComboBoxExProp options;
    for (int band = 0; band < 8; ++band) {
        options.Add(QStringLiteral("CH %1 ( %2 )").arg(band + 1).arg(frequency(band)), band);
    }
    grid.SetOptions(kUserBand, options);
    const bool unicable = lnb && lnb->GetLnbType() == kUnicable;
    for (const int id : {kUserBand, kUserBandFrequency, kUserBandPosition}) {
        grid.SetPropertyEnabled(id, unicable);
    }
    const bool hasBand = unicable && lnb->GetUserBand() < bands.Size();
    grid.SetValue(kUserBand, unicable ? QVariant(int(lnb->GetUserBand())) : QVariant());
    grid.SetValue(kUserBandFrequency,
                  hasBand ? QVariant(frequency(lnb->GetUserBand())) : QVariant());
    grid.SetPropertyEnabled(kUserBandFrequency, hasBand);
    grid.SetValue(kUserBandPosition,
                  unicable ? QVariant(int(lnb->GetUserBandPosition())) : QVariant());
}

void CSatelliteWnd::EnableByType() {
    const CSatelliteData* lnb = Lnb();
    if (!lnb) {
        return;
    }
    CPropertyGrid& grid = Grid();
    const int type = lnb->GetLnbType();
    grid.SetPropertyEnabled(kSingleLof, type == kSingle);
    grid.SetPropertyEnabled(kLofHigh, type == kUniversal || type == kUnicable);
    grid.SetPropertyEnabled(kLofLow, type == kUniversal || type == kUnicable);
    grid.SetPropertyEnabled(kDiseqc10, type != kUnicable);
    grid.SetPropertyEnabled(kDiseqc11, type != kUnicable);
    grid.SetPropertyEnabled(kTone, type != kUniversal && type != kUnicable);
}

void CSatelliteWnd::OnDocumentSwitched() {
    SetSatellite(Document() ? Document()->GetCurrentSatellite() : nullptr);
}

void CSatelliteWnd::OnHint(int hint, const void*) {
    const auto& satellites = Document()->File().m_satellites;
    switch (hint) {
    case kHintClearSatellitePanes:
        SetSatellite(nullptr);
        return;
    case kHintModelReplaced:
        // Undo and redo make every record anew: the one at the same place is the one shown.
        SetSatellite(m_index >= 0 && static_cast<size_t>(m_index) < satellites.Size()
                         ? satellites.At(static_cast<size_t>(m_index))
                         : nullptr);
        return;
    default:
        if (m_satellite && satellites.IndexOf(m_satellite) < 0) {
            SetSatellite(nullptr);
        } else {
            Refresh();
        }
        return;
    }
}

bool CSatelliteWnd::IsLnbProperty(int id) const {
    return std::find(std::begin(kLnbProperties), std::end(kLnbProperties), id) !=
           std::end(kLnbProperties);
}

void CSatelliteWnd::OnCommitted(int id, const QVariant& value) {
    CSatelliteInfo* satellite = m_satellite;
    if (!satellite || !Document()) {
        return;
    }
    const int v = value.toInt();
    switch (id) {
    case kName: {
        const std::string name = value.toString().toStdString();
        Write(
            "Edit satellite", [satellite, name](CSettingsFile&) { satellite->SetName(name); },
            kHintSatelliteEdited, satellite);
        return;
    }
    case kPosition: {
        const auto tenths = PropertyEdits::ParseDegrees(value.toString().toStdString());
        if (!tenths) {
            return;
        }
        const uint16_t stored = PropertyEdits::StoredPosition(*tenths, satellite->IsWest());
        Write(
            "Edit satellite",
            [satellite, stored](CSettingsFile&) { satellite->SetPosition(stored); },
            kHintSatelliteEdited, satellite);
        return;
    }
    case kSide: {
        const uint16_t stored = PropertyEdits::StoredPosition(
            PropertyEdits::Magnitude(satellite->GetPosition()), v == 1);
        Write(
            "Edit satellite",
            [satellite, stored](CSettingsFile&) { satellite->SetPosition(stored); },
            kHintSatelliteEdited, satellite);
        return;
    }
    case kTunerInput:
        m_input = v == 1 ? 1 : 0;
        emit TunerInputChosen(m_input);
        Refresh();
        return;
    case kTunerMode:
        Write(
            "Change tuner mode",
            [v](CSettingsFile& f) {
                f.m_configuration.SetWord(kTunerModeOffset, static_cast<uint32_t>(v));
            },
            kHintSatelliteEdited, satellite);
        return;
    case kUserBandFrequency: {
        const CSatelliteData* lnb = Lnb();
        if (!lnb) {
            return;
        }
        const size_t band = lnb->GetUserBand();
        const uint32_t frequency = static_cast<uint32_t>(std::min(v, kMaxUserBandFrequency));
        Write(
            "Edit LNB settings",
            [band, frequency](CSettingsFile& f) {
                if (band < f.m_saTCR.Size()) {
                    f.m_saTCR.At(band)->frequency = frequency;
                }
            },
            kHintSatelliteEdited, satellite);
        return;
    }
    default:
        if (IsLnbProperty(id)) {
            WriteLnb(id, v);
        }
        return;
    }
}

void CSatelliteWnd::WriteLnb(int id, int v) {
    CSatelliteInfo* satellite = m_satellite;
    const int input = m_input;
    if (!PropertyEdits::CanTakeLnbForEdit(Document()->File(), *satellite, input)) {
        Refuse(tr("Other satellites use this LNB record too, and the list holds no room for "
                  "another: the change was not made."));
        Refresh();
        return;
    }
    std::function<void(CSatelliteData&)> set;
    auto setFlag = [](uint8_t bit, bool on) {
        return [bit, on](CSatelliteData& r) {
            r.SetFlags(static_cast<uint8_t>(on ? r.GetFlags() | bit : r.GetFlags() & ~bit));
        };
    };
    switch (id) {
    case kLofHigh:
        set = [v](CSatelliteData& r) { r.SetLofHigh(static_cast<uint16_t>(v)); };
        break;
    case kLofLow:
        set = [v](CSatelliteData& r) { r.SetLofLow(static_cast<uint16_t>(v)); };
        break;
    case kSingleLof:
        set = [v](CSatelliteData& r) { r.SetSingleLof(static_cast<uint16_t>(v)); };
        break;
    case kOption:
        set = setFlag(kOptionBit, v != 0);
        break;
    case kLnbType:
        set = [v](CSatelliteData& r) { r.SetLnbType(static_cast<uint8_t>(v)); };
        break;
    case kDiseqc10:
        set = [v](CSatelliteData& r) { r.SetDiseqc10(static_cast<uint8_t>(v)); };
        break;
    case kDiseqc11:
        set = [v](CSatelliteData& r) { r.SetDiseqc11(static_cast<uint8_t>(v)); };
        break;
    case kVoltage:
        set = setFlag(kVoltageBit, v != 0);
        break;
    case kTone:
        set = setFlag(kToneBit, v != 0);
        break;
    case kPositionerMode:
        set = [v](CSatelliteData& r) {
            r.SetFlags(static_cast<uint8_t>((r.GetFlags() & ~kPositionerMask) |
                                            ((v << kPositionerShift) & kPositionerMask)));
        };
        break;
    case kPositionerIndex:
        set = [v](CSatelliteData& r) { r.SetPositionerIndex(static_cast<uint8_t>(v)); };
        break;
    case kUserBand:
        set = [v](CSatelliteData& r) { r.SetUserBand(static_cast<uint8_t>(v)); };
        break;
    case kUserBandPosition:
        set = [v](CSatelliteData& r) { r.SetUserBandPosition(static_cast<uint8_t>(v)); };
        break;
    default:
        return;
    }
    Write(
        "Edit LNB settings",
        [satellite, input, &set](CSettingsFile& f) {
            if (CSatelliteData* record =
                    PropertyEdits::TakeLnbForEdit(f, *satellite, input).record) {
                set(*record);
            }
        },
        kHintSatelliteEdited, satellite);
}

} // namespace tarnell
