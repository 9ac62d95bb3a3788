#pragma once

#include <QObject>

#include <cstdint>

class QMenu;
class QColor;

namespace tarnell {

class CMainFrame;
class IUserDialogs;
struct CAppPreferences;

// The ribbon's two favourite colour buttons: a palette of standard colours and "More Colours".
// A choice is stored at once and every open window repaints its favourite entries with it.
class CFavouriteColours : public QObject {
    Q_OBJECT
public:
    CFavouriteColours(CMainFrame& frame, CAppPreferences& preferences, IUserDialogs& dialogs);

    // The drop-down of command 32811 (text) or 32810 (background).
    QMenu* MenuFor(int command);
    void Choose(int command, const QColor& colour);
    // Opens the colour dialog on the current colour.
    void ChooseMore(int command);

private:
    uint32_t& ValueOf(int command);

    CMainFrame& m_frame;
    CAppPreferences& m_preferences;
    IUserDialogs& m_dialogs;
};

} // namespace tarnell
