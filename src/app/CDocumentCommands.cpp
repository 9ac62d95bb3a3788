#include "CDocumentCommands.h"

#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CommandIcons.h"
#include "CommandIds.h"
#include "FileIo.h"
#include "IUserDialogs.h"
#include "UndoStepNames.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <exception>

namespace tarnell {

namespace {

// "liste.fdu" proposes "liste.txt"; a name without a settings-file ending keeps all of it.
QString ExportFileName(const QString& title) {
    QString base = title;
    for (const auto* ending : {".fdu", ".sys"}) {
        if (base.endsWith(QLatin1String(ending), Qt::CaseInsensitive)) {
            base.chop(4);
            break;
        }
    }
    return base + QStringLiteral(".txt");
}

} // namespace

CDocumentCommands::CDocumentCommands(CMainFrame& frame, CCommandRegistry& commands,
                                     IUserDialogs& dialogs)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_dialogs(dialogs) {
    Register();
}

void CDocumentCommands::Register() {
    auto add = [this](int id, const QString& text, auto handler,
                      const QList<QKeySequence>& shortcut = {}) {
        QAction* action = m_commands.Add(id, text, CommandIcon(id), shortcut);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, handler] {
            if (CChildFrame* child = m_frame.ActiveChild()) {
                handler(*child);
                Update();
            }
        });
        return action;
    };
    add(
        kCmdEditUndo, tr("Undo"), [](CChildFrame& child) { child.Document().Undo(); },
        CCommandRegistry::Keys(Qt::CTRL | Qt::Key_Z, QKeySequence::Undo));
    add(
        kCmdEditRedo, tr("Redo"), [](CChildFrame& child) { child.Document().Redo(); },
        CCommandRegistry::Keys(Qt::CTRL | Qt::Key_Y, QKeySequence::Redo));
    add(kCmdToggleConfigOption, tr("Stored Numbers"), [](CChildFrame& child) {
        child.Document().ToggleConfigOption();
    })->setCheckable(true);
    add(kCmdRenumber, tr("Renumber"), [this](CChildFrame&) { Renumber(); });
    add(kCmdRepairNames, tr("Repair Names"), [this](CChildFrame& child) {
        child.Document().RepairChannelNameReferences();
        m_frame.SetCaptionText(tr("Channel name references repaired."));
    });
    add(kCmdRemoveUnusedTransponders, tr("Remove Unused Transponders"), [this](CChildFrame& child) {
        const int removed = child.Document().RemoveUnreferencedTransponders();
        m_frame.SetCaptionText(tr("%n unused transponder(s) removed.", nullptr, removed));
    });
    add(kCmdTextExport, tr("Export as Text..."), [this](CChildFrame&) { ExportText(); });
    add(kCmdSortTemplate, tr("Sort by Template"), [this](CChildFrame&) { ApplySortTemplate(); });
    add(kCmdToggleNumbering, tr("Sequential Numbers"), [](CChildFrame& child) {
        child.SetNumbering(!child.Numbering());
    })->setCheckable(true);
}

void CDocumentCommands::Update() {
    CChildFrame* child = m_frame.ActiveChild();
    for (const int id :
         {kCmdToggleConfigOption, kCmdRenumber, kCmdRepairNames, kCmdRemoveUnusedTransponders,
          kCmdTextExport, kCmdSortTemplate, kCmdToggleNumbering}) {
        m_commands.Get(id)->setEnabled(child != nullptr);
    }
    QAction* undo = m_commands.Get(kCmdEditUndo);
    QAction* redo = m_commands.Get(kCmdEditRedo);
    undo->setEnabled(child && child->Document().CanUndo());
    redo->setEnabled(child && child->Document().CanRedo());
    // The buttons name the step they take back or bring again.
    undo->setToolTip(undo->isEnabled()
                         ? tr("Undo %1").arg(UndoStepText(child->Document().UndoName()))
                         : tr("Undo"));
    redo->setToolTip(redo->isEnabled()
                         ? tr("Redo %1").arg(UndoStepText(child->Document().RedoName()))
                         : tr("Redo"));
    m_commands.Get(kCmdToggleConfigOption)
        ->setChecked(child && child->Document().GetConfigOptionFlag() != 0);
    m_commands.Get(kCmdToggleNumbering)->setChecked(child && child->Numbering());
}

void CDocumentCommands::Renumber() {
    if (CChildFrame* child = m_frame.ActiveChild()) {
        child->Document().RenumberChannels();
        m_frame.SetCaptionText(tr("The channels have been renumbered."));
    }
}

void CDocumentCommands::ApplySortTemplate() {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    const int placed = child->Document().ApplySortTemplate();
    m_frame.SetCaptionText(
        tr("The channels have been renumbered; %n channel(s) moved to the top by the template.",
           nullptr, placed));
}

void CDocumentCommands::ExportText() {
    CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    const QString folder = child->Folder();
    const bool tv = child->ShowsTv();
    const auto target =
        m_dialogs.AskExportFileName(&m_frame, QDir(folder).filePath(ExportFileName(child->Title())),
                                    !child->Document().ChannelTextFits(tv, CodePage::Windows1252));
    if (!target || target->path.isEmpty()) {
        return;
    }
    QString path = target->path;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".txt");
    }
    try {
        const auto bytes = child->Document().ExportChannelText(
            tv, target->utf8 ? CodePage::Utf8 : CodePage::Windows1252);
        WriteFileAtomically(std::filesystem::path(path.toStdString()), bytes);
    } catch (const std::exception& error) {
        // A silent failure would leave the user with an old or no list and no hint why.
        m_dialogs.ShowError(&m_frame, QString::fromStdString(error.what()));
        return;
    }
    m_frame.SetCaptionText(tr("Channel list exported to %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace tarnell
