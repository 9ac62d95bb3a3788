#pragma once

#include "CReceiverConfigPage.h"

namespace tarnell {

// The ten pages, each the fields of one group of the receiver's settings.
#define TARNELL_CONFIG_PAGE(Name, Id)                                                              \
    class Name : public CReceiverConfigPage {                                                      \
    public:                                                                                        \
        explicit Name(const CSettingsFile& file, QWidget* parent = nullptr)                        \
            : CReceiverConfigPage(ReceiverConfig::Page::Id, file, parent) {}                       \
    };

TARNELL_CONFIG_PAGE(CReceiverConfigLanguage, Language)
TARNELL_CONFIG_PAGE(CReceiverConfigRecording, Recording)
TARNELL_CONFIG_PAGE(CReceiverConfigParentControl, ParentalControl)
TARNELL_CONFIG_PAGE(CReceiverConfigDisplaySetting, Display)
TARNELL_CONFIG_PAGE(CReceiverConfigTime, Time)
TARNELL_CONFIG_PAGE(CReceiverConfigAVOutput, AvOutput)
TARNELL_CONFIG_PAGE(CReceiverInstallNetwork, Network)
TARNELL_CONFIG_PAGE(CReceiverServiceListOption, ServiceList)
TARNELL_CONFIG_PAGE(CReceiverInstallPosUniCable, Positioner)
TARNELL_CONFIG_PAGE(CReceiverConfigEpgOption, Epg)

#undef TARNELL_CONFIG_PAGE

} // namespace tarnell
