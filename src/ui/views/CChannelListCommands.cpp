#include "CChannelListCommands.h"

#include "CCommandRegistry.h"
#include "CTarnell1018View.h"
#include "CommandIds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace tarnell {

namespace {

constexpr int kZoomStep = 10;

} // namespace

CChannelListCommands::CChannelListCommands(CCommandRegistry& commands, QStatusBar& statusBar,
                                           int& listWidth, ActiveView activeView,
                                           StatusSink showStatus, QObject* parent)
    : QObject(parent), m_commands(commands), m_statusBar(statusBar), m_listWidth(listWidth),
      m_activeView(std::move(activeView)), m_showStatus(std::move(showStatus)) {
    for (const int id : {kCmdViewList, kCmdViewDetails}) {
        if (QAction* action = m_commands.Find(id)) {
            action->setCheckable(true);
            connect(action, &QAction::triggered, this,
                    [this, id] { SetStyle(id == kCmdViewList); });
        }
    }
    if (QAction* toggle = m_commands.Find(kCmdToggleListDetails)) {
        connect(toggle, &QAction::triggered, this, [this] {
            if (CTarnell1018View* view = m_activeView()) {
                SetStyle(!view->IsCompact());
            }
        });
    }
    if (QAction* selectAll = m_commands.Find(kCmdEditSelectAll)) {
        connect(selectAll, &QAction::triggered, this, [this] {
            if (CTarnell1018View* view = m_activeView()) {
                view->SelectAll();
            }
        });
    }

    m_sliderBox = new QWidget(&m_statusBar);
    m_sliderBox->setObjectName(QStringLiteral("listWidthBox"));
    auto* layout = new QHBoxLayout(m_sliderBox);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_pane = new QLabel(m_sliderBox);
    m_pane->setObjectName(QStringLiteral("pane_%1").arg(kPaneWidth));
    m_pane->setMinimumWidth(m_pane->fontMetrics().horizontalAdvance(QStringLiteral("250%")) + 8);
    m_pane->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slider = new QSlider(Qt::Horizontal, m_sliderBox);
    m_slider->setObjectName(QStringLiteral("listWidthSlider"));
    m_slider->setRange(kMinWidth, kMaxWidth);
    m_slider->setFixedWidth(100);
    m_slider->setToolTip(tr("Column width of the list style"));
    auto zoom = [this](const QString& text, int step) {
        auto* button = new QToolButton(m_sliderBox);
        button->setText(text);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this,
                [this, step] { m_slider->setValue(m_slider->value() + step); });
        return button;
    };
    layout->addWidget(m_pane);
    layout->addWidget(zoom(QStringLiteral("\u2212"), -kZoomStep));
    layout->addWidget(m_slider);
    layout->addWidget(zoom(QStringLiteral("+"), kZoomStep));
    m_slider->setValue(std::clamp(m_listWidth, kMinWidth, kMaxWidth));
    m_pane->setText(QStringLiteral("%1%").arg(m_slider->value()));
    connect(m_slider, &QSlider::valueChanged, this, &CChannelListCommands::OnWidthChanged);
    m_sliderBox->hide();
}

void CChannelListCommands::SetStyle(bool compact) {
    if (CTarnell1018View* view = m_activeView()) {
        view->SetCompact(compact);
    }
    UpdateCommands();
}

bool CChannelListCommands::OnActiveViewChanged() {
    CTarnell1018View* view = m_activeView();
    const bool changed = view != m_connectedView;
    if (changed) {
        disconnect(m_statusConnection);
        disconnect(m_styleConnection);
        m_connectedView = view;
        if (view) {
            m_statusConnection = connect(view, &CTarnell1018View::StatusTextChanged, this,
                                         [this](const QString& text) { m_showStatus(text); });
            m_styleConnection = connect(view, &CTarnell1018View::StyleChanged, this,
                                        [this] { OnActiveViewChanged(); });
        }
    }
    ShowWidthSlider(view && view->IsCompact());
    UpdateCommands();
    return changed;
}

void CChannelListCommands::UpdateCommands() {
    const CTarnell1018View* view = m_activeView();
    for (const int id : {kCmdViewList, kCmdViewDetails, kCmdToggleListDetails, kCmdEditSelectAll}) {
        if (QAction* action = m_commands.Find(id)) {
            action->setEnabled(view != nullptr);
        }
    }
    if (QAction* list = m_commands.Find(kCmdViewList)) {
        list->setChecked(view && view->IsCompact());
    }
    if (QAction* details = m_commands.Find(kCmdViewDetails)) {
        details->setChecked(view && !view->IsCompact());
    }
}

void CChannelListCommands::ShowWidthSlider(bool show) {
    if (show == m_sliderShown) {
        return;
    }
    m_sliderShown = show;
    if (show) {
        m_slider->setValue(std::clamp(m_listWidth, kMinWidth, kMaxWidth));
        m_statusBar.addPermanentWidget(m_sliderBox);
        m_sliderBox->show();
    } else {
        m_listWidth = m_slider->value();
        m_statusBar.removeWidget(m_sliderBox);
    }
}

void CChannelListCommands::OnWidthChanged(int width) {
    m_pane->setText(QStringLiteral("%1%").arg(width));
    m_listWidth = width;
    CTarnell1018View* view = m_activeView();
    if (view && view->IsCompact()) {
        view->SetCompactColumnWidth(width);
    }
}

} // namespace tarnell
