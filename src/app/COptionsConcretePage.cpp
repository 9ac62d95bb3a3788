#include "COptionsConcretePage.h"

#include "CAppPreferences.h"
#include "CommandIcons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace tarnell {

namespace {

// The names the values are stored under; the boxes are named after them too.
constexpr const char* kValueNames[COptionsConcretePage::kChoiceCount] = {
    "FavHoldSelection", "FavCodepage", "SatelliteActive",   "SatelliteRestrictShow",
    "SatelliteOrder",   "FavSeqNum",   "FavDelChSelection", "SendPreview"};

// Every code page value past the list means UTF-8 to the favourite lists.
constexpr int kUtf8Codepage = 6;

} // namespace

COptionsConcretePage::COptionsConcretePage(CAppPreferences& preferences, QWidget* parent)
    : COptionsPage(parent), m_preferences(preferences) {
    setObjectName(QStringLiteral("concretePage"));

    auto* favourites = new QGroupBox(tr("Favourite lists"), this);
    auto* favouriteForm = new QFormLayout(favourites);
    favouriteForm->addRow(tr("Selection after a favourite command:"),
                          MakeBox(kFavHoldSelection, {tr("Cleared"), tr("Kept as it was")}));
    favouriteForm->addRow(
        tr("Numbers in a favourite list:"),
        MakeBox(kFavSeqNum, {tr("Stored numbers"), tr("Sequential: 1, 2, 3 ...")}));
    favouriteForm->addRow(
        tr("Pasted channels:"),
        MakeBox(kFavDelChSelection,
                {tr("Keep their favourite lists"), tr("Take them out of every favourite list")}));
    favouriteForm->addRow(
        tr("Code page of the list names:"),
        MakeBox(kFavCodepage, {tr("ISO 6937 (20269)"), tr("Cyrillic, ISO 8859-5 (28595)"),
                               tr("Arabic, ISO 8859-6 (28596)"), tr("Greek, ISO 8859-7 (28597)"),
                               tr("Hebrew, ISO 8859-8 (28598)"), tr("Turkish, ISO 8859-9 (28599)"),
                               tr("Unicode, UTF-8 (65001)")}));

    auto* satellites = new QGroupBox(tr("Satellites"), this);
    auto* satelliteForm = new QFormLayout(satellites);
    satelliteForm->addRow(tr("A satellite is active when:"),
                          MakeBox(kSatelliteActive, {tr("Its antenna settings are in use"),
                                                     tr("Channels are stored on it")}));
    satelliteForm->addRow(
        tr("Satellite, transponder and provider lists show:"),
        MakeBox(kSatelliteRestrictShow,
                {tr("TV and radio channels"), tr("Only the channels of the TV/radio switch")}));
    satelliteForm->addRow(tr("Order of the satellites in the tree:"),
                          MakeBox(kSatelliteOrder, {tr("By name"), tr("By orbital position"),
                                                    tr("As stored in the receiver")}));

    auto* receiver = new QGroupBox(tr("Receiver"), this);
    auto* receiverForm = new QFormLayout(receiver);
    receiverForm->addRow(
        tr("Before a send:"),
        MakeBox(kSendPreview, {tr("Send at once"), tr("Show what will change on the receiver")}));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(favourites);
    layout->addWidget(satellites);
    layout->addWidget(receiver);
    layout->addStretch(1);
}

QComboBox* COptionsConcretePage::MakeBox(Choice choice, const QStringList& entries) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(kValueNames[choice]));
    box->addItems(entries);
    int value = Value(choice);
    if (choice == kFavCodepage && (value < 0 || value >= box->count())) {
        value = kUtf8Codepage;
    }
    // Any other value we have no entry for shows nothing and stays as it is on OK.
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : -1);
    m_boxes[choice] = box;
    return box;
}

int& COptionsConcretePage::Value(Choice choice) const {
    switch (choice) {
    case kFavHoldSelection:
        return m_preferences.favHoldSelection;
    case kFavCodepage:
        return m_preferences.favCodepage;
    case kSatelliteActive:
        return m_preferences.satelliteActive;
    case kSatelliteRestrictShow:
        return m_preferences.satelliteRestrictShow;
    case kSatelliteOrder:
        return m_preferences.satelliteOrder;
    case kFavSeqNum:
        return m_preferences.favSeqNum;
    case kSendPreview:
        return m_preferences.sendPreview;
    case kFavDelChSelection:
    case kChoiceCount:
        break;
    }
    return m_preferences.favDelChSelection;
}

void COptionsConcretePage::OnOk() {
    for (int i = 0; i < kChoiceCount; ++i) {
        const auto choice = static_cast<Choice>(i);
        if (const int index = m_boxes[choice]->currentIndex(); index >= 0) {
            Value(choice) = index;
        }
    }
}

QString COptionsConcretePage::Title() const {
    return tr("Favourites and Satellites");
}

QString COptionsConcretePage::Description() const {
    return tr("How favourite lists are numbered, named and kept, and which satellites the tree "
              "shows in which order.");
}

QIcon COptionsConcretePage::Icon() const {
    return QIcon::fromTheme(QStringLiteral("emblem-favorite"),
                            BadgeIcon(QStringLiteral("F"), 0xd7282d));
}

} // namespace tarnell
