#include "CRibbonBar.h"

#include "CCommandRegistry.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace tarnell {

namespace {

constexpr int kSmallPerColumn = 3;
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kLongLabel = 11;

// Long labels of large buttons go on two lines, as ribbons do, instead of widening the panel.
QString TwoLineLabel(const QString& text) {
    QString label = text;
    label.remove(QLatin1Char('&'));
    if (label.size() <= kLongLabel) {
        return label;
    }
    const int middle = static_cast<int>(label.size() / 2);
    int best = -1;
    for (int i = 0; i < label.size(); ++i) {
        if ((label[i] == QLatin1Char(' ') || label[i] == QLatin1Char('-')) &&
            (best < 0 || qAbs(i - middle) < qAbs(best - middle))) {
            best = i;
        }
    }
    if (best < 0) {
        return label;
    }
    return label[best] == QLatin1Char('-')
               ? label.left(best + 1) + QLatin1Char('\n') + label.mid(best + 1)
               : label.left(best) + QLatin1Char('\n') + label.mid(best + 1);
}

// Kept here rather than in a theme file: the ribbon must look the same on every desktop.
const char kRibbonStyle[] = R"(
tarnell--CRibbonBar { background: #f3f5f8; }
#ribbonTabRow { background: #2b579a; }
#ribbonApplicationButton { background: #1e3f73; color: white; font-weight: bold;
    border: none; padding: 4px 14px; }
#ribbonApplicationButton:hover { background: #18335e; }
#ribbonApplicationButton::menu-indicator { image: none; }
#ribbonTabRow QTabBar::tab { background: transparent; color: white; padding: 4px 14px;
    border: none; }
#ribbonTabRow QTabBar::tab:selected { background: #f3f5f8; color: #1e3f73; }
#ribbonTabRow QTabBar::tab:hover:!selected { background: #3c6bb4; }
#ribbonTabRow QToolButton { color: white; border: none; padding: 2px; }
#ribbonTabRow QToolButton:hover { background: #3c6bb4; }
tarnell--CRibbonPanel { border: none; border-right: 1px solid #d5dbe3; }
tarnell--CRibbonPanel QToolButton { border: 1px solid transparent; border-radius: 2px;
    padding: 1px 3px; }
tarnell--CRibbonPanel QToolButton:hover { background: #dde8f6; border-color: #a9c3e6; }
tarnell--CRibbonPanel QToolButton:checked { background: #c6d9f1; border-color: #7da2ce; }
#ribbonPanelCaption { color: #5b6470; }
)";

// A button keeps its hover look after its menu closed somewhere else, since it never saw the
// mouse leave; forget the hover when the menu goes.
void AttachMenu(QToolButton* button, QMenu* menu) {
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    QObject::connect(menu, &QMenu::aboutToHide, button, [button] {
        button->setAttribute(Qt::WA_UnderMouse, false);
        button->setDown(false);
        button->update();
        // Nor does the status bar hear that the button's tip no longer applies.
        QStatusTipEvent tip{QString()};
        QCoreApplication::sendEvent(button, &tip);
    });
}

} // namespace

CRibbonPanel::CRibbonPanel(CCommandRegistry& commands, const QString& title, QWidget* parent)
    : QFrame(parent), m_commands(commands), m_title(title) {
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 0);
    outer->setSpacing(0);
    m_row = new QHBoxLayout;
    m_row->setSpacing(2);
    outer->addLayout(m_row, 1);
    auto* caption = new QLabel(title, this);
    caption->setObjectName(QStringLiteral("ribbonPanelCaption"));
    caption->setAlignment(Qt::AlignHCenter);
    outer->addWidget(caption);
}

QToolButton* CRibbonPanel::MakeButton(int id, QMenu* menu) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(m_commands.Get(id));
    button->setAutoRaise(true);
    if (menu) {
        AttachMenu(button, menu);
    }
    // Labels are never cut short: a panel is as wide as its buttons need.
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    return button;
}

QToolButton* CRibbonPanel::AddLarge(int id, QMenu* menu) {
    QAction* action = m_commands.Get(id);
    action->setIconText(TwoLineLabel(action->text()));
    auto* button = MakeButton(id, menu);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(kLargeIcon, kLargeIcon));
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    m_row->addWidget(button);
    m_smallColumn = nullptr;
    return button;
}

void CRibbonPanel::AddToSmallColumn(QWidget* widget) {
    if (!m_smallColumn || m_smallInColumn == kSmallPerColumn) {
        m_smallColumn = new QVBoxLayout;
        m_smallColumn->setSpacing(0);
        m_row->addLayout(m_smallColumn);
        m_smallInColumn = 0;
    }
    m_smallColumn->addWidget(widget);
    ++m_smallInColumn;
    if (m_smallInColumn == kSmallPerColumn) {
        m_smallColumn->addStretch();
    }
}

QToolButton* CRibbonPanel::AddSmall(int id, QMenu* menu) {
    auto* button = MakeButton(id, menu);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(kSmallIcon, kSmallIcon));
    AddToSmallColumn(button);
    return button;
}

QCheckBox* CRibbonPanel::AddCheckBox(int id) {
    QAction* action = m_commands.Get(id);
    auto* box = new QCheckBox(action->text(), this);
    box->setObjectName(QStringLiteral("ribbonCheck_%1").arg(id));
    // The box follows the command (whoever changes it) and a click runs the command.
    auto sync = [box, action] {
        const QSignalBlocker blocker(box);
        box->setChecked(action->isChecked());
        box->setEnabled(action->isEnabled());
        box->setText(action->text());
        box->setToolTip(action->toolTip());
    };
    sync();
    connect(action, &QAction::changed, box, sync);
    connect(box, &QCheckBox::clicked, action, [action, sync] {
        action->trigger();
        sync();
    });
    box->setContentsMargins(4, 2, 4, 2);
    AddToSmallColumn(box);
    return box;
}

void CRibbonPanel::AddSeparator() {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    m_row->addWidget(line);
    m_smallColumn = nullptr;
}

CRibbonCategory::CRibbonCategory(CCommandRegistry& commands, const QString& title, QWidget* parent)
    : QWidget(parent), m_commands(commands), m_title(title) {
    m_row = new QHBoxLayout(this);
    m_row->setContentsMargins(2, 2, 2, 2);
    m_row->setSpacing(0);
    m_row->addStretch();
}

CRibbonPanel* CRibbonCategory::AddPanel(const QString& title) {
    auto* panel = new CRibbonPanel(m_commands, title, this);
    // In front of the closing stretch, so that panels pack to the left.
    m_row->insertWidget(m_row->count() - 1, panel);
    m_panels.append(panel);
    return panel;
}

CRibbonBar::CRibbonBar(CCommandRegistry& commands, QWidget* parent)
    : QWidget(parent), m_commands(commands) {
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromUtf8(kRibbonStyle));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* tabRow = new QWidget(this);
    tabRow->setObjectName(QStringLiteral("ribbonTabRow"));
    tabRow->setAttribute(Qt::WA_StyledBackground);
    auto* tabLayout = new QHBoxLayout(tabRow);
    tabLayout->setContentsMargins(0, 0, 4, 0);
    tabLayout->setSpacing(2);

    m_applicationMenu = new QMenu(this);
    m_applicationButton = new QToolButton(tabRow);
    m_applicationButton->setObjectName(QStringLiteral("ribbonApplicationButton"));
    m_applicationButton->setText(tr("File"));
    AttachMenu(m_applicationButton, m_applicationMenu);
    tabLayout->addWidget(m_applicationButton);

    m_quickAccess = new QHBoxLayout;
    m_quickAccess->setSpacing(0);
    tabLayout->addLayout(m_quickAccess);

    m_tabs = new QTabBar(tabRow);
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    tabLayout->addWidget(m_tabs);
    tabLayout->addStretch();
    m_tabRowEnd = new QHBoxLayout;
    m_tabRowEnd->setSpacing(0);
    tabLayout->addLayout(m_tabRowEnd);
    outer->addWidget(tabRow);

    m_pages = new QStackedWidget(this);
    // A window narrower than the panels scrolls them rather than squeezing their labels.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("ribbonPages"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setWidget(m_pages);
    scroller->setFixedHeight(96 + scroller->horizontalScrollBar()->sizeHint().height());
    scroller->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    outer->addWidget(scroller);
    auto* bottomLine = new QFrame(this);
    bottomLine->setFrameShape(QFrame::HLine);
    bottomLine->setStyleSheet(QStringLiteral("color: #c8d0da;"));
    outer->addWidget(bottomLine);

    connect(m_tabs, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
}

CRibbonCategory* CRibbonBar::AddCategory(const QString& title) {
    auto* category = new CRibbonCategory(m_commands, title, m_pages);
    m_pages->addWidget(category);
    m_tabs->addTab(title);
    m_categories.append(category);
    return category;
}

void CRibbonBar::AddQuickAccess(int id) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(m_commands.Get(id));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(kSmallIcon, kSmallIcon));
    button->setAutoRaise(true);
    m_quickAccess->addWidget(button);
}

QToolButton* CRibbonBar::AddTabRowButton(int id, QMenu* menu) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(m_commands.Get(id));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(kSmallIcon, kSmallIcon));
    button->setAutoRaise(true);
    if (menu) {
        AttachMenu(button, menu);
    }
    m_tabRowEnd->addWidget(button);
    return button;
}

void CRibbonBar::SetCurrentCategory(int index) {
    m_tabs->setCurrentIndex(index);
}

void CRibbonBar::SetToolTips(bool show, bool withDescription) {
    m_showToolTips = show;
    m_toolTipDescriptions = withDescription;
    // Installing twice keeps one filter, so buttons added since are simply picked up.
    for (QToolButton* button : findChildren<QToolButton*>()) {
        button->installEventFilter(this);
    }
}

QString CRibbonBar::ToolTipText(const QAction* action) const {
    if (!m_showToolTips || !action) {
        return {};
    }
    const QString name = action->toolTip();
    if (!m_toolTipDescriptions || action->statusTip().isEmpty()) {
        return name;
    }
    return QStringLiteral("<b>%1</b><br>%2")
        .arg(name.toHtmlEscaped(), action->statusTip().toHtmlEscaped());
}

bool CRibbonBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (auto* button = qobject_cast<QToolButton*>(watched); button && button->defaultAction()) {
            const QString text = ToolTipText(button->defaultAction());
            if (text.isEmpty()) {
                QToolTip::hideText();
            } else {
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, button);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarnell
