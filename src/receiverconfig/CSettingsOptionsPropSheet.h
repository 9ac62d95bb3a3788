#pragma once

#include "CListPropertySheet.h"

namespace tarnell {

class CReceiverConfigPage;
class CTarnell1018Doc;

// The receiver's system settings in ten pages. OK writes what the user changed into the
// document's configuration as one step; Cancel writes nothing.
class CSettingsOptionsPropSheet : public CListPropertySheet {
    Q_OBJECT
public:
    enum PageIndex : int {
        kLanguagePage,
        kRecordingPage,
        kParentalControlPage,
        kDisplayPage,
        kTimePage,
        kAvOutputPage,
        kNetworkPage,
        kServiceListPage,
        kPositionerPage,
        kEpgPage,
    };
    static constexpr int kPageListWidth = 150;

    CSettingsOptionsPropSheet(CTarnell1018Doc& document, int startPage, QWidget* parent = nullptr);

    CReceiverConfigPage* ConfigPage(int index) const;

protected:
    void AfterOk() override;

private:
    CTarnell1018Doc& m_document;
};

} // namespace tarnell
