#include "CResourcePage.h"

#include "CommandIcons.h"

#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QLabel>
#include <QVBoxLayout>

namespace tarnell {

const QUrl CResourcePage::kMakerSite(QStringLiteral("https://www.octagon-germany.de/"));

namespace {

QLabel* BoldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

CResourcePage::CResourcePage(QWidget* parent) : COptionsPage(parent) {
    setObjectName(QStringLiteral("resourcePage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BoldLabel(tr("Tarnell 1018"), this));
    layout->addWidget(PlainLabel(
        tr("Edits the service lists and settings of Octagon SF 1018 and SF 1028 receivers: "
           "channels, favourite lists, satellites, transponders, timers and the receiver's "
           "configuration."),
        this));
    layout->addSpacing(8);
    layout->addWidget(BoldLabel(tr("Thanks"), this));
    layout->addWidget(PlainLabel(tr("To every receiver owner who shared a service list and "
                                    "tried the transfers on a real receiver."),
                                 this));
    layout->addWidget(PlainLabel(tr("To the people behind Qt, zlib and libcurl, on whose work "
                                    "this program stands."),
                                 this));
    layout->addSpacing(8);
    layout->addWidget(BoldLabel(tr("The receiver maker"), this));
    m_siteButton = new QCommandLinkButton(tr("Octagon on the web"), kMakerSite.toString(), this);
    m_siteButton->setObjectName(QStringLiteral("makerSiteButton"));
    connect(m_siteButton, &QCommandLinkButton::clicked, this,
            [] { QDesktopServices::openUrl(kMakerSite); });
    layout->addWidget(m_siteButton);
    layout->addStretch(1);
}

QString CResourcePage::Title() const {
    return tr("Information");
}

QString CResourcePage::Description() const {
    return tr("About this program, the people who helped to make it, and where to find the "
              "receiver maker.");
}

QIcon CResourcePage::Icon() const {
    return QIcon::fromTheme(QStringLiteral("help-about"), BadgeIcon(QStringLiteral("i"), 0x2b579a));
}

} // namespace tarnell
