#include "CChannelEditCommands.h"

#include "CAppPreferences.h"
#include "CChannelClipboard.h"
#include "CChannelListModel.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "ChannelClipboardBlock.h"
#include "CommandIcons.h"
#include "CommandIds.h"
#include "IUserDialogs.h"

#include <QAction>
#include <QKeySequence>

#include <algorithm>

namespace tarnell {

namespace {

using FlagEdit = ChannelEdits::FlagEdit;
using Stop = ChannelEdits::PasteResult::Stop;

const std::pair<int, FlagEdit> kFlagCommands[] = {
    {kCmdSetM1, FlagEdit::SetM1},           {kCmdClearM1, FlagEdit::ClearM1},
    {kCmdSetT1, FlagEdit::SetT1},           {kCmdClearT1, FlagEdit::ClearT1},
    {kCmdSetT2, FlagEdit::SetT2},           {kCmdClearT2, FlagEdit::ClearT2},
    {kCmdCopyT1ToT2, FlagEdit::CopyT1ToT2}, {kCmdCopyT2ToT1, FlagEdit::CopyT2ToT1},
};

const std::pair<int, uint8_t> kSelectCommands[] = {
    {kCmdSelectHd, 0x80},
    {kCmdSelectPay, 0x08},
    {kCmdSelectM1, 0x10},
    {kCmdSelectM2, 0x04},
};

std::vector<const CChannelData*> AsConst(const std::vector<CChannelData*>& channels) {
    return {channels.begin(), channels.end()};
}

// The first transponder in use on the satellite; none when it has none.
uint16_t FirstTransponderOf(const CSettingsFile& file, size_t satellite) {
    const auto& table = file.m_transponders.Items();
    for (size_t t = 0; t < table.size(); ++t) {
        if (!table[t]->IsFree() && table[t]->GetSatelliteIndex() == satellite) {
            return static_cast<uint16_t>(t);
        }
    }
    return CChannelData::kNone;
}

} // namespace

CChannelEditCommands::CChannelEditCommands(CMainFrame& frame, CCommandRegistry& commands,
                                           IUserDialogs& dialogs, CAppPreferences& preferences)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_dialogs(dialogs),
      m_preferences(preferences) {
    m_clipboard = new CChannelClipboard(this);
    connect(m_clipboard, &CChannelClipboard::Changed, this, &CChannelEditCommands::Update);
    Register();
}

void CChannelEditCommands::Register() {
    auto add = [this](int id, const QString& text, auto handler) {
        QAction* action = m_commands.Find(id);
        if (!action) {
            action = m_commands.Add(id, text, CommandIcon(id));
        }
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(kCmdEditCut, tarnell::CTarnell1018View::tr("Cut"), [this] { Cut(); });
    add(kCmdEditCopy, tarnell::CTarnell1018View::tr("Copy"), [this] { Copy(); });
    add(kCmdEditPaste, tarnell::CTarnell1018View::tr("Paste"), [this] { Paste(); });
    add(kCmdDeleteChannels, tarnell::CTarnell1018View::tr("Delete Channels"), [this] { Delete(); });
    add(kCmdRemoveFromAllFavourites,
        tarnell::CTarnell1018View::tr("Remove from All Favourite Lists"),
        [this] { RemoveFromAllFavourites(); });
    for (int list = 0; list < CTarnell1018View::kMaxFavouriteLists; ++list) {
        add(kCmdFirstFavouriteList + list, QStringLiteral(" "), [this, list] {
            FavouriteCommand(list);
        })->setCheckable(true);
    }
    add(kCmdNewChannel, tarnell::CTarnell1018View::tr("New TV Channel"), [this] { NewChannel(); });
    add(kCmdMoveToPosition, tarnell::CTarnell1018View::tr("Move to Position..."), [this] {
        MoveToPosition();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    add(kCmdMoveUp, tr("Move Up"), [this] {
        MoveBy(-1);
    })->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    add(kCmdMoveDown, tr("Move Down"), [this] {
        MoveBy(1);
    })->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    add(kCmdAdoptListOrder, tr("Adopt List Order"), [this] { AdoptListOrder(); });
    const std::pair<int, QString> selectTexts[] = {
        {kCmdSelectHd, tarnell::CTarnell1018View::tr("HD Channels")},
        {kCmdSelectPay, tarnell::CTarnell1018View::tr("Pay Channels")},
        {kCmdSelectM1, tarnell::CTarnell1018View::tr("Channels Marked M 1")},
        {kCmdSelectM2, tarnell::CTarnell1018View::tr("Channels Marked M 2")},
    };
    for (const auto& [id, text] : selectTexts) {
        const auto bit = std::find_if(std::begin(kSelectCommands), std::end(kSelectCommands),
                                      [id = id](const auto& c) { return c.first == id; })
                             ->second;
        add(id, text, [this, bit] {
            if (CChildFrame* child = Active()) {
                child->List()->SelectByFlag(bit);
            }
        });
    }
    const QString markTexts[] = {tarnell::CTarnell1018View::tr("Set M 1"),
                                 tarnell::CTarnell1018View::tr("Clear M 1"),
                                 tarnell::CTarnell1018View::tr("Set T 1"),
                                 tarnell::CTarnell1018View::tr("Clear T 1"),
                                 tarnell::CTarnell1018View::tr("Set T 2"),
                                 tarnell::CTarnell1018View::tr("Clear T 2"),
                                 tarnell::CTarnell1018View::tr("Copy T 1 to T 2"),
                                 tarnell::CTarnell1018View::tr("Copy T 2 to T 1")};
    for (size_t i = 0; i < std::size(kFlagCommands); ++i) {
        const FlagEdit edit = kFlagCommands[i].second;
        add(kFlagCommands[i].first, markTexts[i], [this, edit] { ChangeFlags(edit); });
    }
    add(kCmdSortByName, tarnell::CTarnell1018View::tr("Sort by Name"), [this] {
        if (CChildFrame* child = Active()) {
            child->List()->SortByName();
        }
    });
    add(kCmdSortByNumber, tarnell::CTarnell1018View::tr("Sort by Number"), [this] {
        if (CChildFrame* child = Active()) {
            child->List()->SortByNumber();
        }
    });
    // Shown, disabled, until the channel pane can show a channel.
    add(kCmdChannelProperties, tarnell::CTarnell1018View::tr("Channel Properties"), [this] {
        CChildFrame* child = Active();
        if (child && child->List()->ChannelPaneAvailable()) {
            emit child->List()->ChannelPaneRequested();
        }
    });
    // The main frame binds every command key once all are registered.
}

void CChannelEditCommands::AttachChild(CChildFrame& child) {
    CTarnell1018View* list = child.List();
    list->SetCommands(&m_commands);
    connect(list, &CTarnell1018View::SelectionChanged, this, &CChannelEditCommands::Update);
    connect(list, &CTarnell1018View::DeleteRequested, this, [this, &child] {
        if (Active() == &child) {
            Delete();
        }
    });
    connect(list, &CTarnell1018View::RowsDropped, this,
            [this, &child](int row) { DropRows(child, row); });
    connect(list, &CTarnell1018View::CaptionRequested, &m_frame,
            [this](const QString& text) { m_frame.SetCaptionText(text); });
    connect(child.Tree(), &CLeftView::NewChannelRequested, this, [this, &child] {
        if (Active() == &child) {
            NewChannel();
        }
    });
    connect(child.Tree(), &CLeftView::ChannelsDroppedOnFavourite, this,
            [this, &child](int favourite) { DropOnFavouriteList(child, favourite); });
}

CChildFrame* CChannelEditCommands::Active() const {
    return m_frame.ActiveChild();
}

void CChannelEditCommands::Update() {
    CChildFrame* child = Active();
    CTarnell1018View* list = child ? child->List() : nullptr;
    const bool rows = list && list->Model()->rowCount() > 0;
    const bool selected = rows && !list->SelectedRows().empty();
    const bool favouriteShown = list && list->Mode() == ListMode::Favourite;
    const size_t lists = child ? child->Document().File().m_favourites.Size() : 0;
    auto enable = [this](int id, bool on) { m_commands.Get(id)->setEnabled(on); };
    enable(kCmdEditCopy, selected);
    enable(kCmdEditCut, selected && !favouriteShown);
    enable(kCmdEditPaste, list && m_clipboard->HasChannels() && !favouriteShown);
    for (const int id : {kCmdDeleteChannels, kCmdRemoveFromAllFavourites, kCmdMoveToPosition,
                         kCmdMoveUp, kCmdMoveDown}) {
        enable(id, selected);
    }
    for (int i = 0; i < CTarnell1018View::kMaxFavouriteLists; ++i) {
        enable(kCmdFirstFavouriteList + i, selected && static_cast<size_t>(i) < lists);
    }
    for (const auto& [id, edit] : kFlagCommands) {
        enable(id, selected);
    }
    for (const auto& [id, bit] : kSelectCommands) {
        enable(id, rows);
    }
    for (const int id : {kCmdSortByName, kCmdSortByNumber}) {
        enable(id, rows);
    }
    enable(kCmdNewChannel, child != nullptr);
    enable(kCmdAdoptListOrder, rows);
    enable(kCmdChannelProperties, selected && list->ChannelPaneAvailable());
    m_commands.Get(kCmdDeleteChannels)
        ->setText(favouriteShown ? tarnell::CTarnell1018View::tr("Remove from Favourite List")
                                 : tarnell::CTarnell1018View::tr("Delete Channels"));
    m_commands.Get(kCmdNewChannel)
        ->setText(!child || child->ShowsTv() ? tarnell::CTarnell1018View::tr("New TV Channel")
                                             : tarnell::CTarnell1018View::tr("New Radio Channel"));
}

void CChannelEditCommands::Finish(CChildFrame& child, int row) {
    CTarnell1018View* list = child.List();
    if (row >= 0 && list->Model()->rowCount() > 0) {
        list->SelectRow(row);
    }
    list->ItemView()->setFocus();
    Update();
}

void CChannelEditCommands::Delete() {
    CChildFrame* child = Active();
    if (!child) {
        return;
    }
    CTarnell1018View* list = child->List();
    const auto rows = list->SelectedRows();
    if (rows.empty()) {
        return;
    }
    const auto channels = list->SelectedChannels();
    if (list->Mode() == ListMode::Favourite) {
        child->Document().RemoveFromFavouriteList(channels, list->CurrentFill().index);
    } else {
        child->Document().DeleteChannels(AsConst(channels));
    }
    Finish(*child, rows.back() - static_cast<int>(rows.size()) + 1);
}

void CChannelEditCommands::Copy() {
    CChildFrame* child = Active();
    if (!child || child->List()->SelectedRows().empty()) {
        return;
    }
    CTarnell1018View* list = child->List();
    const auto block = ChannelClipboardBlock::Encode(ChannelClipboardBlock::Collect(
        child->Document().File(), AsConst(list->SelectedChannels())));
    m_clipboard->Put(QByteArray(reinterpret_cast<const char*>(block.data()),
                                static_cast<qsizetype>(block.size())),
                     list->SelectionAsText());
    Update();
}

void CChannelEditCommands::Cut() {
    CChildFrame* child = Active();
    if (!child || child->List()->Mode() == ListMode::Favourite) {
        return;
    }
    const auto rows = child->List()->SelectedRows();
    if (rows.empty()) {
        return;
    }
    Copy();
    child->Document().DeleteChannels(AsConst(child->List()->SelectedChannels()), "Cut");
    Finish(*child, rows.back() - static_cast<int>(rows.size()) + 1);
}

void CChannelEditCommands::Paste() {
    CChildFrame* child = Active();
    if (!child || child->List()->Mode() == ListMode::Favourite) {
        return;
    }
    const auto bytes = m_clipboard->Block();
    const auto decoded =
        bytes ? ChannelClipboardBlock::Decode(std::span<const uint8_t>(
                    reinterpret_cast<const uint8_t*>(bytes->constData()), bytes->size()))
              : std::nullopt;
    if (!decoded) {
        // A foreign or damaged block is no more ours than none at all.
        m_dialogs.ShowMessage(
            &m_frame, QMessageBox::Warning, QStringLiteral("Falsche Daten..."),
            QStringLiteral("Die im Clipboard vorhandenen Daten sind keine Tarnell Informationen."));
        return;
    }
    if (!decoded->usable) {
        m_dialogs.ShowMessage(&m_frame, QMessageBox::Warning,
                              QStringLiteral("No usable information"),
                              tr("The clipboard holds no channels, transponders or satellites."));
        return;
    }
    CTarnell1018View* list = child->List();
    const auto selected = list->SelectedChannels();
    const auto result = child->Document().PasteChannels(
        decoded->channels, child->ShowsTv(), selected.empty() ? nullptr : selected.front(),
        m_preferences.favDelChSelection == 1);
    if (!result.inserted.empty()) {
        list->SelectChannels(result.inserted);
        list->ScrollSelectionToMiddle();
        list->ItemView()->setFocus();
    }
    ShowPasteStop(result.stop);
    Update();
}

void CChannelEditCommands::ShowPasteStop(Stop stop) {
    QString text;
    switch (stop) {
    case Stop::None:
        return;
    case Stop::WrongKind:
        text = tr("A channel on the clipboard is of the other kind (TV or radio) than the list "
                  "shown; the paste stopped there.");
        break;
    case Stop::NoTransponderSlot:
        text = tr("No free transponder is left for a channel on the clipboard; the paste "
                  "stopped there.");
        break;
    case Stop::SatellitesFull:
        text = tr("No satellite can be added for a channel on the clipboard: the list holds "
                  "255 satellites. The paste stopped there.");
        break;
    case Stop::ChannelsFull:
        text = tr("The list holds 10,000 channels, as many as the receiver takes; the paste "
                  "stopped there.");
        break;
    }
    m_dialogs.ShowError(&m_frame, text);
}

void CChannelEditCommands::NewChannel() {
    CChildFrame* child = Active();
    if (!child) {
        return;
    }
    CTarnell1018Doc& document = child->Document();
    const CSettingsFile& file = document.File();
    CTarnell1018View* list = child->List();
    const ListFill& fill = list->CurrentFill();
    uint16_t transponder = CChannelData::kNone;
    if (fill.mode == ListMode::Transponder) {
        transponder = static_cast<uint16_t>(fill.index);
    } else if (fill.mode == ListMode::Satellite) {
        transponder = FirstTransponderOf(file, static_cast<size_t>(fill.index));
    } else if (file.m_satellites.Size() > 0) {
        transponder = FirstTransponderOf(file, 0);
    }
    // Right behind the channel of the row above the first selected one.
    const auto rows = list->SelectedRows();
    const CChannelData* after =
        rows.empty() ? nullptr : list->Model()->ChannelAt(std::max(rows.front() - 1, 0));
    CChannelData* added = document.NewChannel(child->ShowsTv(), transponder, after);
    if (!added) {
        m_dialogs.ShowError(&m_frame, tr("The list holds 10,000 channels, as many as the "
                                         "receiver takes."));
        return;
    }
    list->SelectChannels({added});
    list->ScrollSelectionToMiddle();
    list->ItemView()->setFocus();
    const int number =
        document.GetConfigOptionFlag() == 1 ? added->GetStoredNumber() : added->GetRunningNumber();
    m_frame.SetCaptionText(tr("New channel %1 created.").arg(number));
    Update();
}

void CChannelEditCommands::MoveToPosition() {
    CChildFrame* child = Active();
    if (!child || child->List()->SelectedRows().empty()) {
        return;
    }
    const bool tv = child->ShowsTv();
    const int count = static_cast<int>(child->Document().File().m_channels.CountKind(tv));
    const std::optional<int> position = m_dialogs.AskPosition(&m_frame, count);
    if (!position || *position < 1 || *position > count) {
        return;
    }
    const auto channels = child->List()->SelectedChannels();
    child->Document().MoveChannelsToPosition(channels, tv, *position);
    child->List()->SelectChannels(channels);
    child->List()->ScrollSelectionToMiddle();
    Finish(*child, -1);
}

void CChannelEditCommands::MoveBy(int rows) {
    CChildFrame* child = Active();
    if (!child) {
        return;
    }
    const bool tv = child->ShowsTv();
    const auto channels = child->List()->SelectedChannels();
    if (channels.empty() || channels.front()->IsTv() != tv) {
        return;
    }
    const int count = static_cast<int>(child->Document().File().m_channels.CountKind(tv));
    const int position = std::clamp(channels.front()->GetRunningNumber() + rows, 1, count);
    if (position == channels.front()->GetRunningNumber()) {
        return;
    }
    child->Document().MoveChannelsInTable(channels, tv, position);
    child->List()->SelectChannels(channels);
    child->List()->ScrollSelectionToMiddle();
    Finish(*child, -1);
}

void CChannelEditCommands::AdoptListOrder() {
    CChildFrame* child = Active();
    if (!child) {
        return;
    }
    CTarnell1018View* list = child->List();
    if (list->Mode() != ListMode::AllChannels) {
        m_dialogs.ShowInformation(&m_frame, tr("The list order can only be adopted while the "
                                               "list shows all channels."));
        return;
    }
    if (!m_dialogs.AskYesNo(&m_frame,
                            tr("Should the channels be numbered in the order the list shows "
                               "them now?"),
                            tr("Adopt List Order"))) {
        return;
    }
    const auto rows = list->SelectedRows();
    child->Document().AdoptListOrder(list->Model()->Channels());
    Finish(*child, rows.empty() ? -1 : rows.front());
}

void CChannelEditCommands::FavouriteCommand(int list) {
    if (CChildFrame* child = Active()) {
        AddToFavourites(*child, list, true);
    }
}

void CChannelEditCommands::DropOnFavouriteList(CChildFrame& child, int list) {
    AddToFavourites(child, list, false);
}

void CChannelEditCommands::AddToFavourites(CChildFrame& child, int list, bool fromMenu) {
    CTarnell1018View* view = child.List();
    const auto channels = view->SelectedChannels();
    const auto rows = view->SelectedRows();
    if (channels.empty() || list < 0 ||
        static_cast<size_t>(list) >= child.Document().File().m_favourites.Size()) {
        return;
    }
    const bool leave = fromMenu && channels.size() == 1 && channels.front()->IsInFavourite(list);
    child.Document().SetFavourites(channels, list, !leave);
    if (m_preferences.favHoldSelection == 1) {
        view->SelectChannels(channels);
        Finish(child, -1);
    } else {
        Finish(child, rows.back());
    }
}

void CChannelEditCommands::RemoveFromAllFavourites() {
    CChildFrame* child = Active();
    if (!child) {
        return;
    }
    CTarnell1018View* list = child->List();
    const auto channels = list->SelectedChannels();
    const auto rows = list->SelectedRows();
    if (channels.empty()) {
        return;
    }
    child->Document().RemoveFromAllFavouriteLists(channels);
    if (list->Mode() == ListMode::Favourite) {
        Finish(*child, rows.back() - static_cast<int>(rows.size()) + 1);
    } else {
        list->SelectChannels(channels);
        Finish(*child, -1);
    }
}

void CChannelEditCommands::ChangeFlags(FlagEdit edit) {
    CChildFrame* child = Active();
    if (!child) {
        return;
    }
    const auto channels = child->List()->SelectedChannels();
    child->Document().ChangeChannelFlags(channels, edit);
    child->List()->SelectChannels(channels);
    Finish(*child, -1);
}

void CChannelEditCommands::DropRows(CChildFrame& child, int row) {
    CTarnell1018View* list = child.List();
    CChannelListModel* model = list->Model();
    const auto channels = list->SelectedChannels();
    const bool tv = child.ShowsTv();
    CTarnell1018Doc& document = child.Document();
    const CChannelData* target = model->ChannelAt(row);
    const bool onSelf = std::find(channels.begin(), channels.end(), target) != channels.end();
    if (channels.empty() || list->MixesKinds() || onSelf) {
        m_frame.SetCaptionText(tr("The channels were not moved."));
        return;
    }
    if (document.GetConfigOptionFlag() == 1) {
        // Stored numbers go on from the row above the drop.
        const CChannelData* above = model->ChannelAt(row - 1);
        document.MoveChannelsToPosition(channels, tv, above ? above->GetStoredNumber() + 1 : 1);
    } else {
        const int count = static_cast<int>(document.File().m_channels.CountKind(tv));
        const int position =
            target && target->IsTv() == tv ? target->GetRunningNumber() : count + 1;
        document.MoveChannelsInTable(channels, tv, position);
    }
    list->SelectChannels(channels);
    list->ScrollSelectionToMiddle();
    m_frame.SetCaptionText(tr("%n channel(s) moved.", nullptr, static_cast<int>(channels.size())));
    Finish(child, -1);
}

} // namespace tarnell
