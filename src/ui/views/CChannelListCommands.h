#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>

class QLabel;
class QSlider;
class QStatusBar;
class QWidget;

namespace tarnell {

class CCommandRegistry;
class CTarnell1018View;

// The main window's commands that act on the active window's channel list: the list and
// details styles, select all, and the width slider of the compact style in the status bar.
class CChannelListCommands : public QObject {
    Q_OBJECT
public:
    static constexpr int kCmdWidthSlider = 32961;
    static constexpr int kPaneWidth = 32963;
    static constexpr int kMinWidth = 50;
    static constexpr int kMaxWidth = 250;

    using ActiveView = std::function<CTarnell1018View*()>;
    using StatusSink = std::function<void(const QString&)>;

    // listWidth is the preference the slider starts at and writes back.
    CChannelListCommands(CCommandRegistry& commands, QStatusBar& statusBar, int& listWidth,
                         ActiveView activeView, StatusSink showStatus, QObject* parent = nullptr);

    // Another window became active, or the active one changed its style. True when the
    // active list is another one than before.
    bool OnActiveViewChanged();
    // Enables and checks the commands for the active window.
    void UpdateCommands();

    bool WidthSliderShown() const { return m_sliderShown; }
    QSlider* WidthSlider() const { return m_slider; }
    QLabel* WidthPane() const { return m_pane; }

private:
    void SetStyle(bool compact);
    void ShowWidthSlider(bool show);
    void OnWidthChanged(int width);

    CCommandRegistry& m_commands;
    QStatusBar& m_statusBar;
    int& m_listWidth;
    ActiveView m_activeView;
    StatusSink m_showStatus;
    QPointer<CTarnell1018View> m_connectedView;
    QMetaObject::Connection m_statusConnection;
    QMetaObject::Connection m_styleConnection;
    QWidget* m_sliderBox = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_pane = nullptr;
    bool m_sliderShown = false;
};

} // namespace tarnell
