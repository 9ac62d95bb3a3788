#pragma once

#include "ChannelEdits.h"

#include <QObject>

namespace tarnell {

class CChannelClipboard;
class CChildFrame;
class CCommandRegistry;
class CMainFrame;
class IUserDialogs;
struct CAppPreferences;

// The channel list's editing commands on the active document window: delete, the favourite
// lists, marks, selections, sorting, new channel, move to position, adopt the list order,
// cut, copy and paste through the clipboard, and the drops of dragged rows. Each edit is one
// step of the document's history and ends with the row where the user worked selected.
class CChannelEditCommands : public QObject {
    Q_OBJECT
public:
    CChannelEditCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs,
                         CAppPreferences& preferences);

    // Listens to a new window's list and tree.
    void AttachChild(CChildFrame& child);
    // Enabled states and texts for the active window, its selection and the clipboard.
    void Update();
    CChannelClipboard& Clipboard() const { return *m_clipboard; }

    void Delete();
    void Copy();
    void Cut();
    void Paste();
    void NewChannel();
    void MoveToPosition();
    // One row up (-1) or down (1) among the channels of the shown kind.
    void MoveBy(int rows);
    void AdoptListOrder();
    // The menu's command of list `list`: one selected member leaves it, else all join.
    void FavouriteCommand(int list);
    void RemoveFromAllFavourites();
    void ChangeFlags(ChannelEdits::FlagEdit edit);
    // Rows dragged within the list and dropped in front of `row`.
    void DropRows(CChildFrame& child, int row);
    // Rows dragged onto the favourite list node `list` join it.
    void DropOnFavouriteList(CChildFrame& child, int list);

private:
    void Register();
    CChildFrame* Active() const;
    // The row where the edit worked, clamped to the rows there are now.
    void Finish(CChildFrame& child, int row);
    void AddToFavourites(CChildFrame& child, int list, bool fromMenu);
    void ShowPasteStop(ChannelEdits::PasteResult::Stop stop);

    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
    IUserDialogs& m_dialogs;
    CAppPreferences& m_preferences;
    CChannelClipboard* m_clipboard = nullptr;
};

} // namespace tarnell
