#include "CCompareCommands.h"

#include "CAppPreferences.h"
#include "CBackupDlg.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CCompareDlg.h"
#include "CMainFrame.h"
#include "CReceiverCommands.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "ChannelDuplicates.h"
#include "CommandIcons.h"
#include "CommandIds.h"
#include "FileError.h"
#include "FileIo.h"
#include "IUserDialogs.h"
#include "ListDifference.h"
#include "ReferenceListReader.h"
#include "ReferenceOrder.h"
#include "UserConfigFolder.h"

#include <QAction>
#include <QDir>
#include <QPointer>

#include <algorithm>

namespace tarnell {

namespace {

// At most this many names of a report's lists; the rest is a count.
constexpr size_t kNamesShown = 30;

QString NameList(const std::vector<std::string>& names) {
    QStringList shown;
    for (size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
        shown << QStringLiteral("  ") + QString::fromStdString(names[i]);
    }
    if (names.size() > kNamesShown) {
        shown << CCompareCommands::tr("  ... and %1 more").arg(names.size() - kNamesShown);
    }
    return shown.join(QLatin1Char('\n'));
}

void ShowDifference(CMainFrame& frame, const CSettingsFile& before, const QString& beforeName,
                    CChildFrame& child) {
    auto* dialog = new CCompareDlg(
        CompareLists(before, child.Document().File(), frame.Preferences().favCodepage), beforeName,
        child.Title(), &frame);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace

CCompareCommands::CCompareCommands(CMainFrame& frame, CCommandRegistry& commands,
                                   IUserDialogs& dialogs)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_dialogs(dialogs) {
    const auto add = [this](int id, const QString& text, void (CCompareCommands::*slot)()) {
        QAction* action = m_commands.Add(id, text, CommandIcon(id));
        if (slot != nullptr) {
            connect(action, &QAction::triggered, this, slot);
        }
        action->setEnabled(false);
    };
    add(kCmdCompareMenu, tr("Compare"), nullptr);
    add(kCmdCompareWithFile, tr("Compare with a File..."), &CCompareCommands::CompareWithFile);
    add(kCmdCompareWithReceiver, tr("Compare with the Receiver's List..."),
        &CCompareCommands::CompareWithReceiver);
    add(kCmdApplyReferenceOrder, tr("Apply a Reference Order..."),
        &CCompareCommands::ApplyReferenceOrder);
    add(kCmdSelectDuplicates, tr("Select Duplicates"), &CCompareCommands::SelectDuplicates);
    add(kCmdRestoreBackup, tr("Restore a Backup..."), &CCompareCommands::RestoreBackup);
    // The menu button opens its menu; clicked itself it compares with a file.
    connect(m_commands.Get(kCmdCompareMenu), &QAction::triggered, this,
            &CCompareCommands::CompareWithFile);
}

void CCompareCommands::Update() {
    const bool hasDocument = m_frame.ActiveChild() != nullptr;
    const bool idle = !m_frame.ReceiverCommands().IsBusy();
    for (const int id :
         {kCmdCompareMenu, kCmdCompareWithFile, kCmdApplyReferenceOrder, kCmdSelectDuplicates}) {
        m_commands.Get(id)->setEnabled(hasDocument);
    }
    m_commands.Get(kCmdCompareWithReceiver)->setEnabled(hasDocument && idle);
    m_commands.Get(kCmdRestoreBackup)->setEnabled(idle);
}

void CCompareCommands::CompareWithFile() {
    CChildFrame* child = m_frame.ActiveChild();
    if (child == nullptr) {
        return;
    }
    const QString path = m_dialogs.AskFileToRead(
        &m_frame, tr("Compare with"), {tr("Settings files (*.fdu *.sys)"), tr("All files (*)")},
        QString::fromStdString(child->Document().GetPathName().parent_path().string()), false);
    if (path.isEmpty()) {
        return;
    }
    CTarnell1018Doc other;
    try {
        other.Open(path.toStdString());
    } catch (const std::exception& error) {
        m_dialogs.ShowError(&m_frame, QString::fromStdString(error.what()));
        return;
    }
    ShowDifference(m_frame, other.File(), QDir::toNativeSeparators(path), *child);
}

void CCompareCommands::CompareWithReceiver() {
    if (m_frame.ActiveChild() == nullptr) {
        return;
    }
    const QPointer<CChildFrame> window(m_frame.ActiveChild());
    m_frame.ReceiverCommands().FetchList([this, window](std::unique_ptr<CTarnell1018Doc> receiver) {
        if (window) {
            ShowDifference(m_frame, receiver->File(), tr("the receiver's list"), *window);
        }
    });
}

void CCompareCommands::ApplyReferenceOrder() {
    CChildFrame* child = m_frame.ActiveChild();
    if (child == nullptr) {
        return;
    }
    const QString path = m_dialogs.AskFileToRead(
        &m_frame, tr("Reference list"),
        {tr("Reference lists (*.fdu *.sys *.tv *.radio *.txt)"), tr("Settings files (*.fdu *.sys)"),
         tr("Enigma2 bouquets (*.tv *.radio)"), tr("Channel names, one a line (*.txt)"),
         tr("All files (*)")},
        QString::fromStdString(child->Document().GetPathName().parent_path().string()), false);
    if (path.isEmpty()) {
        return;
    }
    const int favCodepage = m_frame.Preferences().favCodepage;
    try {
        const auto reference = ReadReferenceList(path.toStdString(), favCodepage);
        ReferenceOrderOptions options;
        options.favCodepage = favCodepage;
        if (!reference.favourites.empty()) {
            options.rebuildFavourites = m_dialogs.AskYesNo(
                &m_frame,
                tr("The reference has favourite lists (%1). Rebuild the favourite lists of the "
                   "same names from it too?")
                    .arg(reference.favourites.size()),
                tr("Apply a Reference Order"));
        }
        auto plan = PlanReferenceOrder(child->Document().File(), reference, options);
        // Where the channels the reference lacks go is asked only when there are some.
        const size_t unmatched = plan.report.notInReference.size();
        if (unmatched > 0 &&
            m_dialogs.AskYesNo(
                &m_frame,
                tr("%1 channels of the list are not in the reference. Put them before the "
                   "channels the reference orders? (No puts them after.)")
                    .arg(unmatched),
                tr("Apply a Reference Order"))) {
            PutUnmatchedFirst(plan);
        }
        const bool unmatchedFirst = plan.options.unmatchedFirst;
        const auto report = child->Document().ApplyReferenceOrder(std::move(plan));
        QString text = tr("%1 channels took the reference's order: %2 by satellite, transponder "
                          "and service, %3 by name.")
                           .arg(report.byIdentity + report.byName)
                           .arg(report.byIdentity)
                           .arg(report.byName);
        if (options.rebuildFavourites) {
            text += QLatin1Char('\n') + tr("Favourite lists: %1 rebuilt, %2 added.")
                                            .arg(report.favouriteListsRebuilt)
                                            .arg(report.favouriteListsAdded);
        }
        if (!report.notInReference.empty()) {
            text += QStringLiteral("\n\n") +
                    (unmatchedFirst
                         ? tr("%1 channels are not in the reference; they come first, in their "
                              "order:")
                         : tr("%1 channels are not in the reference; they follow in their order:"))
                        .arg(report.notInReference.size()) +
                    QLatin1Char('\n') + NameList(report.notInReference);
        }
        if (!report.notInList.empty()) {
            text +=
                QStringLiteral("\n\n") +
                tr("%1 entries of the reference found no channel:").arg(report.notInList.size()) +
                QLatin1Char('\n') + NameList(report.notInList);
        }
        m_dialogs.ShowReport(&m_frame, tr("Apply a Reference Order"), text);
    } catch (const std::exception& error) {
        m_dialogs.ShowError(&m_frame, QString::fromStdString(error.what()));
    }
}

void CCompareCommands::SelectDuplicates() {
    CChildFrame* child = m_frame.ActiveChild();
    if (child == nullptr) {
        return;
    }
    const CSettingsFile& file = child->Document().File();
    const auto groups = FindDuplicates(file);
    const bool tv = child->ShowsTv();
    std::vector<CChannelData*> surplus;
    for (const size_t i : SurplusChannels(groups)) {
        if (file.m_channels.At(i)->IsTv() == tv) {
            surplus.push_back(file.m_channels.At(i));
        }
    }
    size_t sameName = 0;
    std::vector<CChannelData*> named;
    for (const auto& g : groups) {
        if (g.kind == DuplicateGroup::Kind::SameName && g.tv == tv) {
            ++sameName;
            for (const size_t i : g.channels) {
                named.push_back(file.m_channels.At(i));
            }
        }
    }
    if (surplus.empty() && named.empty()) {
        m_dialogs.ShowInformation(&m_frame, tv ? tr("No TV channel is there twice.")
                                               : tr("No radio channel is there twice."));
        return;
    }
    // Among all channels of the kind, so that every duplicate is in the list to be selected.
    CTarnell1018View* list = child->List();
    list->Fill({ListMode::AllChannels, tv ? 0 : 1, tv});
    list->SelectChannels(surplus.empty() ? named : surplus);
    list->ScrollSelectionToMiddle();
    m_frame.SetCaptionText(
        surplus.empty()
            ? tr("%1 names stand on more than one transponder; their channels are selected.")
                  .arg(sameName)
            : tr("%1 channels are the same service as an earlier one and are selected; %2 names "
                 "stand on more than one transponder.")
                  .arg(surplus.size())
                  .arg(sameName));
}

void CCompareCommands::RestoreBackup() {
    const auto& configured = m_frame.ReceiverCommands().GetLinkOptions().backupFolder;
    const auto root = configured.empty() ? ReceiverBackupFolder() : configured;
    std::vector<std::filesystem::path> folders;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(root, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (std::filesystem::is_regular_file(it->path() / "_service.fdu", ec)) {
            folders.push_back(it->path());
        }
    }
    // Named after the time they were kept: the greatest name is the newest.
    std::sort(folders.rbegin(), folders.rend());
    CChildFrame* child = m_frame.ActiveChild();
    const int favCodepage = m_frame.Preferences().favCodepage;
    std::vector<CBackupDlg::Row> rows;
    for (const auto& folder : folders) {
        CBackupDlg::Row row;
        row.folder = QString::fromStdString(folder.string());
        QString date = QString::fromStdString(folder.filename().string());
        // "2026-12-06_20-15-03" reads as "2026-12-06 20:15:03".
        if (date.size() >= 19 && date[10] == QLatin1Char('_')) {
            date[10] = QLatin1Char(' ');
            date[13] = QLatin1Char(':');
            date[16] = QLatin1Char(':');
        }
        row.date = date;
        try {
            CSettingsFile kept;
            kept.Load(ReadWholeFile(folder / "_service.fdu"));
            row.channels = static_cast<int>(kept.m_channels.Size());
            if (child != nullptr) {
                row.difference = CCompareDlg::SummaryText(
                                     CompareLists(child->Document().File(), kept, favCodepage))
                                     .replace(QLatin1Char('\n'), QStringLiteral("; "));
            }
        } catch (const std::exception&) {
            row.channels = -1;
        }
        rows.push_back(std::move(row));
    }
    CBackupDlg dialog(rows, !m_frame.ReceiverCommands().IsBusy(), &m_frame);
    const int choice = dialog.exec();
    const QString folder = dialog.SelectedFolder();
    if ((choice != CBackupDlg::kOpen && choice != CBackupDlg::kSend) || folder.isEmpty()) {
        return;
    }
    auto document = std::make_unique<CTarnell1018Doc>();
    try {
        const std::filesystem::path path(folder.toStdString());
        document->LoadFromBytes(ReadWholeFile(path / "_service.fdu"));
        if (std::filesystem::is_regular_file(path / "_config.fdu", ec)) {
            document->LoadConfiguration(ReadWholeFile(path / "_config.fdu"));
        }
    } catch (const std::exception& error) {
        m_dialogs.ShowError(&m_frame, QString::fromStdString(error.what()));
        return;
    }
    // A restored list is new to this session: saving asks for a name.
    document->SetModifiedFlag(true);
    m_frame.OpenAsNew(std::move(document));
    if (choice == CBackupDlg::kSend) {
        m_frame.ReceiverCommands().SendToReceiver();
    }
}

} // namespace tarnell
