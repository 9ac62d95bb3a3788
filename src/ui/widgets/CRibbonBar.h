#pragma once

#include <QFrame>
#include <QWidget>

class QAction;
class QBoxLayout;
class QCheckBox;
class QHBoxLayout;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;
class QVBoxLayout;

namespace tarnell {

class CCommandRegistry;

// A group of command buttons with its caption underneath. Large buttons take the full height;
// small ones stack three to a column.
class CRibbonPanel : public QFrame {
    Q_OBJECT
public:
    CRibbonPanel(CCommandRegistry& commands, const QString& title, QWidget* parent = nullptr);

    QToolButton* AddLarge(int id, QMenu* menu = nullptr);
    QToolButton* AddSmall(int id, QMenu* menu = nullptr);
    // A check box bound to a checkable command, stacked like the small buttons.
    QCheckBox* AddCheckBox(int id);
    void AddSeparator();
    QString Title() const { return m_title; }

private:
    QToolButton* MakeButton(int id, QMenu* menu);
    void AddToSmallColumn(QWidget* widget);

    CCommandRegistry& m_commands;
    QString m_title;
    QHBoxLayout* m_row = nullptr;
    QVBoxLayout* m_smallColumn = nullptr;
    int m_smallInColumn = 0;
};

// One tab of the ribbon: panels side by side.
class CRibbonCategory : public QWidget {
    Q_OBJECT
public:
    CRibbonCategory(CCommandRegistry& commands, const QString& title, QWidget* parent = nullptr);

    CRibbonPanel* AddPanel(const QString& title);
    QList<CRibbonPanel*> Panels() const { return m_panels; }
    QString Title() const { return m_title; }

private:
    CCommandRegistry& m_commands;
    QString m_title;
    QHBoxLayout* m_row = nullptr;
    QList<CRibbonPanel*> m_panels;
};

// The bar across the top of the main window: the application button with its menu, the
// category tabs, quick-access buttons on the tab row, and the current category's panels.
class CRibbonBar : public QWidget {
    Q_OBJECT
public:
    explicit CRibbonBar(CCommandRegistry& commands, QWidget* parent = nullptr);

    QMenu* ApplicationMenu() const { return m_applicationMenu; }
    QToolButton* ApplicationButton() const { return m_applicationButton; }
    CRibbonCategory* AddCategory(const QString& title);
    QList<CRibbonCategory*> Categories() const { return m_categories; }
    void AddQuickAccess(int id);
    // The tab row's right end: style menu, about and the like.
    QToolButton* AddTabRowButton(int id, QMenu* menu = nullptr);
    void SetCurrentCategory(int index);
    // Tooltips of the ribbon's buttons: none, the command's name, or the name with its
    // description (the action's status tip) underneath.
    void SetToolTips(bool show, bool withDescription);
    // What a button of that command shows on hovering; empty while tooltips are off.
    QString ToolTipText(const QAction* action) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CCommandRegistry& m_commands;
    bool m_showToolTips = true;
    bool m_toolTipDescriptions = true;
    QToolButton* m_applicationButton = nullptr;
    QMenu* m_applicationMenu = nullptr;
    QHBoxLayout* m_quickAccess = nullptr;
    QHBoxLayout* m_tabRowEnd = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    QList<CRibbonCategory*> m_categories;
};

} // namespace tarnell
