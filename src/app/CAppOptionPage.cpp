#include "CAppOptionPage.h"

#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CMainFrame.h"
#include "CommandIcons.h"
#include "IUserDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnell {

namespace {

QIcon Swatch(uint32_t rrggbb) {
    QPixmap pixmap(20, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x70, 0x70, 0x70));
    painter.setBrush(CAppPreferences::ToColor(rrggbb));
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

uint32_t ToRrggbb(const QColor& colour) {
    return static_cast<uint32_t>(colour.rgb()) & 0xFFFFFFu;
}

} // namespace

CAppOptionPage::CAppOptionPage(CMainFrame& frame, QWidget* parent)
    : COptionsPage(parent), m_frame(frame), m_preferences(frame.Preferences()) {
    setObjectName(QStringLiteral("appOptionPage"));
    for (int i = 0; i < kColourCount; ++i) {
        m_opened[i] = Value(static_cast<Colour>(i));
    }

    auto* toolTips = new QGroupBox(tr("Tooltips"), this);
    auto* toolTipLayout = new QVBoxLayout(toolTips);
    m_toolTips = new QCheckBox(tr("Show tooltips on the ribbon"), toolTips);
    m_toolTips->setObjectName(QStringLiteral("ShowToolTips"));
    m_toolTips->setChecked(m_preferences.showToolTips != 0);
    m_descriptions = new QCheckBox(tr("Show the description in the tooltips"), toolTips);
    m_descriptions->setObjectName(QStringLiteral("ShowToolTipDescr"));
    m_descriptions->setChecked(m_preferences.showToolTipDescr != 0);
    m_descriptions->setEnabled(m_toolTips->isChecked());
    connect(m_toolTips, &QCheckBox::toggled, m_descriptions, &QWidget::setEnabled);
    toolTipLayout->addWidget(m_toolTips);
    toolTipLayout->addWidget(m_descriptions);

    auto* bars = new QGroupBox(tr("Main window"), this);
    auto* barLayout = new QHBoxLayout(bars);
    m_statusBarButton = new QPushButton(tr("Status Bar On/Off"), bars);
    m_statusBarButton->setObjectName(QStringLiteral("toggleStatusBar"));
    m_captionBarButton = new QPushButton(tr("Message Bar On/Off"), bars);
    m_captionBarButton->setObjectName(QStringLiteral("toggleCaptionBar"));
    connect(m_statusBarButton, &QPushButton::clicked, this, [this] { m_frame.ToggleStatusBar(); });
    connect(m_captionBarButton, &QPushButton::clicked, this,
            [this] { m_frame.ToggleCaptionBar(); });
    barLayout->addWidget(m_statusBarButton);
    barLayout->addWidget(m_captionBarButton);
    barLayout->addStretch(1);

    auto* colours = new QGroupBox(tr("Colours"), this);
    auto* colourLayout = new QGridLayout(colours);
    colourLayout->addWidget(MakeColourButton(kChannelBack, tr("Channel list background")), 0, 0);
    colourLayout->addWidget(MakeColourButton(kChannelText, tr("Channel list text")), 1, 0);
    colourLayout->addWidget(MakeColourButton(kTreeBack, tr("Tree background")), 0, 1);
    colourLayout->addWidget(MakeColourButton(kTreeText, tr("Tree text")), 1, 1);
    colourLayout->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolTips);
    layout->addWidget(bars);
    layout->addWidget(colours);
    layout->addStretch(1);
}

QToolButton* CAppOptionPage::MakeColourButton(Colour colour, const QString& text) {
    static constexpr const char* kNames[kColourCount] = {"ChannelBackColor", "ChannelTextColor",
                                                         "TreeBackColor", "TreeTextColor"};
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(kNames[colour]));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(20, 14));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* menu = new QMenu(button);
    QAction* automatic = menu->addAction(Swatch(AutomaticColour(colour)), tr("Automatic"));
    QAction* other = menu->addAction(tr("More Colours..."));
    connect(automatic, &QAction::triggered, this, [this, colour] { ChooseAutomatic(colour); });
    connect(other, &QAction::triggered, this, [this, colour] { ChooseOther(colour); });
    button->setMenu(menu);
    m_colourButtons[colour] = button;
    ShowSwatch(colour);
    return button;
}

uint32_t CAppOptionPage::AutomaticColour(Colour colour) {
    const CAppPreferences defaults;
    switch (colour) {
    case kChannelBack:
        return defaults.channelBackColor;
    case kChannelText:
        return defaults.channelTextColor;
    case kTreeBack:
        return defaults.treeBackColor;
    case kTreeText:
    case kColourCount:
        break;
    }
    return defaults.treeTextColor;
}

uint32_t& CAppOptionPage::Value(Colour colour) const {
    switch (colour) {
    case kChannelBack:
        return m_preferences.channelBackColor;
    case kChannelText:
        return m_preferences.channelTextColor;
    case kTreeBack:
        return m_preferences.treeBackColor;
    case kTreeText:
    case kColourCount:
        break;
    }
    return m_preferences.treeTextColor;
}

void CAppOptionPage::ChooseAutomatic(Colour colour) {
    SetColour(colour, AutomaticColour(colour));
}

void CAppOptionPage::ChooseOther(Colour colour) {
    if (const auto chosen =
            m_frame.Dialogs().AskColour(this, CAppPreferences::ToColor(Value(colour)))) {
        SetColour(colour, ToRrggbb(*chosen));
    }
}

void CAppOptionPage::SetColour(Colour colour, uint32_t rrggbb) {
    Value(colour) = rrggbb;
    ShowSwatch(colour);
    RepaintWindows();
}

void CAppOptionPage::ShowSwatch(Colour colour) {
    m_colourButtons[colour]->setIcon(Swatch(Value(colour)));
}

void CAppOptionPage::RepaintWindows() {
    for (CChildFrame* child : m_frame.Children()) {
        child->ApplyColours();
    }
}

void CAppOptionPage::OnOk() {
    m_preferences.showToolTips = m_toolTips->isChecked() ? 1 : 0;
    m_preferences.showToolTipDescr = m_descriptions->isChecked() ? 1 : 0;
}

void CAppOptionPage::OnCancel() {
    bool changed = false;
    for (int i = 0; i < kColourCount; ++i) {
        const auto colour = static_cast<Colour>(i);
        changed = changed || Value(colour) != m_opened[i];
        Value(colour) = m_opened[i];
        ShowSwatch(colour);
    }
    if (changed) {
        RepaintWindows();
    }
}

QString CAppOptionPage::Title() const {
    return tr("Program");
}

QString CAppOptionPage::Description() const {
    return tr("Tooltips, the bars of the main window and the colours of the tree and the channel "
              "list. Bars and colours change at once.");
}

QIcon CAppOptionPage::Icon() const {
    return QIcon::fromTheme(QStringLiteral("preferences-desktop"),
                            BadgeIcon(QStringLiteral("P"), 0x6a3d9a));
}

} // namespace tarnell
