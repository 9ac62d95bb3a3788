#include "CFavouriteColours.h"

#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CMainFrame.h"
#include "CommandIds.h"
#include "IUserDialogs.h"

#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QToolButton>
#include <QWidgetAction>

namespace tarnell {

namespace {

// Ten hues in four shades, as colour pickers of office programs offer them.
constexpr uint32_t kStandardColours[] = {
    0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2,
    0x4BACC6, 0xF79646, 0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC6D9F0, 0xDBE5F1, 0xF2DCDB,
    0xEBF1DD, 0xE5E0EC, 0xDBEEF3, 0xFDEADA, 0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2,
    0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8, 0xFBD5B5, 0xFFFFF5, 0x3F3F3F,
    0x938953, 0x548DD4, 0x95B3D7, 0xD7282D, 0xC3D69B, 0xB2A2C7, 0x92CDDC, 0xFAC08F,
};
constexpr int kColumns = 10;

QIcon Swatch(const QColor& colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, 13, 13);
    return QIcon(pixmap);
}

} // namespace

CFavouriteColours::CFavouriteColours(CMainFrame& frame, CAppPreferences& preferences,
                                     IUserDialogs& dialogs)
    : QObject(&frame), m_frame(frame), m_preferences(preferences), m_dialogs(dialogs) {}

uint32_t& CFavouriteColours::ValueOf(int command) {
    return command == kCmdFavouriteTextColour ? m_preferences.favouriteTextColor
                                              : m_preferences.favouriteBackColor;
}

QMenu* CFavouriteColours::MenuFor(int command) {
    auto* menu = new QMenu(&m_frame);
    auto* grid = new QWidget(menu);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(2);
    int index = 0;
    for (const uint32_t rgb : kStandardColours) {
        const QColor colour = CAppPreferences::ToColor(rgb);
        auto* button = new QToolButton(grid);
        button->setIcon(Swatch(colour));
        button->setAutoRaise(true);
        button->setToolTip(colour.name().toUpper());
        connect(button, &QToolButton::clicked, this, [this, menu, command, colour] {
            menu->close();
            Choose(command, colour);
        });
        layout->addWidget(button, index / kColumns, index % kColumns);
        ++index;
    }
    auto* palette = new QWidgetAction(menu);
    palette->setDefaultWidget(grid);
    menu->addAction(palette);
    menu->addSeparator();
    menu->addAction(tr("More Colours..."), this, [this, command] { ChooseMore(command); });
    return menu;
}

void CFavouriteColours::ChooseMore(int command) {
    if (const auto colour =
            m_dialogs.AskColour(&m_frame, CAppPreferences::ToColor(ValueOf(command)))) {
        Choose(command, *colour);
    }
}

void CFavouriteColours::Choose(int command, const QColor& colour) {
    const uint32_t rgb = colour.rgb() & 0xFFFFFFu;
    ValueOf(command) = rgb;
    OpenAppSettings()->setValue(command == kCmdFavouriteTextColour
                                    ? QStringLiteral("Einstellungen/FavoritenTextFarbe")
                                    : QStringLiteral("Einstellungen/FavoritenBackFarbe"),
                                static_cast<int>(rgb));
    // Every window, not just the active one: a window left in the old colours would look like
    // a different list marking.
    for (CChildFrame* child : m_frame.Children()) {
        child->ApplyColours();
    }
}

} // namespace tarnell
