#include "CPropertyPanes.h"

#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CDockPanes.h"
#include "CDocumentWindows.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CPropertiesWnd.h"
#include "CSatelliteWnd.h"
#include "CSettingsOptionsPropSheet.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CToolCommands.h"
#include "CTransponderWnd.h"
#include "CommandIds.h"

#include <QDockWidget>

namespace tarnell {

namespace {

const char* const kAttached = "tarnellPropertyPanes";

template <class Pane> Pane* Install(CDockPanes& panes, int paneId) {
    QDockWidget* dock = panes.Pane(paneId);
    auto* pane = new Pane(dock);
    delete dock->widget();
    dock->setWidget(pane);
    return pane;
}

} // namespace

CPropertyPanes::CPropertyPanes(CMainFrame& frame) : QObject(&frame), m_frame(frame) {
    m_satellite = Install<CSatelliteWnd>(frame.Panes(), kPaneSatellite);
    m_transponder = Install<CTransponderWnd>(frame.Panes(), kPaneTransponder);
    m_channel = Install<CPropertiesWnd>(frame.Panes(), kPaneChannel);
    CAppPreferences& preferences = frame.Preferences();
    m_channel->SetFavouriteCodepageSource([&preferences] { return preferences.favCodepage; });
    for (CPropertyPane* pane :
         std::initializer_list<CPropertyPane*>{m_satellite, m_transponder, m_channel}) {
        connect(pane, &CPropertyPane::MessageRequested, this,
                [this](const QString& text) { m_frame.SetCaptionText(text); });
    }
    connect(m_satellite, &CSatelliteWnd::TunerInputChosen, this, [this](int input) {
        if (m_active) {
            m_active->SetTunerInput(input);
        }
    });
    // The pane's site button opens the configuration on the positioner page.
    connect(m_satellite, &CSatelliteWnd::SiteSettingsRequested, this, [this] {
        m_frame.ToolCommands().ShowReceiverConfig(CSettingsOptionsPropSheet::kPositionerPage);
    });
    connect(&frame.Windows(), &CDocumentWindows::ActiveChanged, this,
            &CPropertyPanes::OnActiveChanged);
    OnActiveChanged();
}

bool CPropertyPanes::IsActive(const CChildFrame* child) const {
    return child && child == m_active.data();
}

void CPropertyPanes::OnActiveChanged() {
    CChildFrame* child = m_frame.ActiveChild();
    if (child && !child->property(kAttached).toBool()) {
        Attach(*child);
    }
    if (child == m_active.data() && child) {
        return;
    }
    m_active = child;
    if (!m_satellite || !m_transponder || !m_channel) {
        return;
    }
    CTarnell1018Doc* document = child ? &child->Document() : nullptr;
    if (child) {
        m_satellite->SetTunerInput(child->TunerInput());
    }
    m_satellite->SetDocument(document);
    m_transponder->SetDocument(document);
    m_channel->SetDocument(document);
}

void CPropertyPanes::Attach(CChildFrame& child) {
    child.setProperty(kAttached, true);
    CChildFrame* frame = &child;
    // The document goes with its window; the panes must not call it any more.
    const CTarnell1018Doc* document = &child.Document();
    connect(&child, &QObject::destroyed, this, [this, document] {
        for (CPropertyPane* pane : std::initializer_list<CPropertyPane*>{
                 m_satellite.data(), m_transponder.data(), m_channel.data()}) {
            if (pane && pane->Document() == document) {
                pane->ForgetDocument();
            }
        }
    });
    CLeftView* tree = child.Tree();
    connect(tree, &CLeftView::SatellitePaneRequested, m_satellite,
            [this, frame](CSatelliteInfo* satellite) {
                if (IsActive(frame)) {
                    m_satellite->SetSatellite(satellite);
                }
            });
    connect(tree, &CLeftView::TransponderPaneRequested, m_transponder,
            [this, frame](CTransponderData* transponder) {
                if (IsActive(frame)) {
                    m_transponder->SetTransponder(transponder);
                }
            });
    connect(tree, &CLeftView::ChannelPaneCleared, m_channel, [this, frame] {
        if (IsActive(frame)) {
            m_channel->SetChannel(nullptr);
        }
    });
    connect(tree, &CLeftView::SatellitePropertiesRequested, this,
            [this] { ShowPane(kPaneSatellite); });
    connect(tree, &CLeftView::TransponderPropertiesRequested, this,
            [this] { ShowPane(kPaneTransponder); });

    CTarnell1018View* list = child.List();
    connect(list, &CTarnell1018View::CurrentChannelChanged, m_channel,
            [this, frame](CChannelData* channel) {
                if (!IsActive(frame)) {
                    return;
                }
                m_channel->SetChannel(channel);
                if (channel) {
                    m_transponder->SetTransponder(frame->Document().GetCurrentTransponder());
                    m_satellite->SetSatellite(frame->Document().GetCurrentSatellite());
                }
            });
    connect(list, &CTarnell1018View::ChannelPaneRequested, this, [this, frame] {
        if (IsActive(frame)) {
            m_channel->SetChannel(frame->Document().GetCurrentChannel());
            ShowPane(kPaneChannel);
        }
    });
    list->SetChannelPaneAvailable(true);
}

void CPropertyPanes::ShowPane(int paneId) {
    if (QDockWidget* dock = m_frame.Panes().Pane(paneId)) {
        dock->show();
        dock->raise();
    }
}

} // namespace tarnell
