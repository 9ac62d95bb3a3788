#include "CSettingsOptionsPropSheet.h"

#include "CTarnell1018Doc.h"
#include "HelpTopic.h"
#include "ReceiverConfigPages.h"

namespace tarnell {

CSettingsOptionsPropSheet::CSettingsOptionsPropSheet(CTarnell1018Doc& document, int startPage,
                                                     QWidget* parent)
    : CListPropertySheet(kPageListWidth, parent, 58), m_document(document) {
    SetHelpTopic(this, "configuration");
    setWindowTitle(tr("Receiver Configuration"));
    const CSettingsFile& file = document.File();
    AddPage(new CReceiverConfigLanguage(file, this));
    AddPage(new CReceiverConfigRecording(file, this));
    AddPage(new CReceiverConfigParentControl(file, this));
    AddPage(new CReceiverConfigDisplaySetting(file, this));
    AddPage(new CReceiverConfigTime(file, this));
    AddPage(new CReceiverConfigAVOutput(file, this));
    AddPage(new CReceiverInstallNetwork(file, this));
    AddPage(new CReceiverServiceListOption(file, this));
    AddPage(new CReceiverInstallPosUniCable(file, this));
    AddPage(new CReceiverConfigEpgOption(file, this));
    FinishPages();
    SetCurrentPage(startPage);
    resize(780, 680);
}

CReceiverConfigPage* CSettingsOptionsPropSheet::ConfigPage(int index) const {
    return qobject_cast<CReceiverConfigPage*>(Page(index));
}

void CSettingsOptionsPropSheet::AfterOk() {
    std::vector<ReceiverConfig::Change> changes;
    for (int i = 0; i < PageCount(); ++i) {
        ConfigPage(i)->CollectChanges(changes);
    }
    m_document.ChangeConfiguration(changes);
}

} // namespace tarnell
