#include "CommandDescriptions.h"

#include "CCommandRegistry.h"
#include "CommandIds.h"
#include "LanguagePacks.h"

#include <QCoreApplication>

namespace tarnell {

namespace {

struct Description {
    int id;
    const char* text;
};

constexpr Description kDescriptions[] = {
    {kCmdFileNew, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                    "Start a new service list from the factory list.")},
    {kCmdFileOpen, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                     "Open a settings file (*.fdu, *.sys) from disk.")},
    {kCmdFileSave,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Save the active service list.")},
    {kCmdFileSaveAs, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                       "Save the active service list under a new name.")},
    {kCmdFileClose,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Close the active service list.")},
    {kCmdFilePrint, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Print the channel list.")},
    {kCmdFilePrintDirect,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Print the channel list on the default printer at once.")},
    {kCmdFilePrintPreview,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show the pages as they will be printed.")},
    {kCmdFilePrintSetup,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Choose the printer and the paper.")},
    {kCmdFileExportPdf, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                          "Save the printed pages of the channel list as a PDF "
                                          "file.")},
    {kCmdImport, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                   "Import the channel list of another receiver.")},
    {kCmdImportEnigma2, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                          "Import an Enigma2 list (lamedb and bouquets).")},
    {kCmdImportOctagon918, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                             "Import an Octagon 918/908/818 list (*.udb).")},
    {kCmdImportOctagonSd,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Import an Octagon SD x18 list (*.bin).")},
    {kCmdOptions, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                    "Preferences, colours and network profiles.")},
    {kCmdOptionsFavourites, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                              "How favourite lists and satellites behave.")},
    {kCmdOptionsNetwork, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                           "The receivers on your network and how to reach them.")},
    {kCmdAppExit, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                    "Quit the program; it asks about unsaved changes first.")},
    {kCmdAppAbout, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Version and credits.")},
    {kCmdHelp, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                 "How to work with the program, and its keys.")},
    {kCmdUserManual,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Open the user manual in your browser.")},
    {kCmdContextHelp, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                        "Click on any part of the window to learn what it does.")},
    {kCmdCommunityPage, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                          "Open the receiver maker's web site in your browser.")},
    {kCmdStyleMenu,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Choose the colours of the program.")},
    {kCmdEditUndo, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Undo the last change.")},
    {kCmdEditRedo,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Redo the change you last undid.")},
    {kCmdEditPaste,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Insert the channels from the clipboard.")},
    {kCmdEditCut, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                    "Move the selected channels to the clipboard.")},
    {kCmdEditCopy, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                     "Copy the selected channels to the clipboard.")},
    {kCmdEditSelectAll,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Select every channel of the list.")},
    {kCmdViewMenu, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Put the channels in order.")},
    {kCmdToggleListDetails, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                              "Switch between the detailed and the compact list.")},
    {kCmdViewList,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show the channels in compact columns.")},
    {kCmdViewDetails, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                        "Show the channels with all their columns.")},
    {kCmdToggleConfigOption,
     QT_TRANSLATE_NOOP(
         "tarnell::CommandDescriptions",
         "Show and use the numbers stored with the channels instead of sequential numbers.")},
    {kCmdWindows, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                    "Arrange the open windows, show the panes, or pick a window.")},
    {kCmdShowTv, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show the TV channels.")},
    {kCmdShowRadio, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show the radio channels.")},
    {kCmdToggleNumbering, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                            "Show sequential numbers in the search results.")},
    {kCmdToggleSatelliteOnlyActive,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "List only satellites that are in use.")},
    {kCmdToggleSatelliteShowNumber, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                                      "Show the satellites' numbers in the tree.")},
    {kCmdFavouriteTextColour,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Text colour of the marked favourite list's channels.")},
    {kCmdFavouriteBackColour,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Background colour of the marked favourite list's channels.")},
    {kCmdReceiverMenu, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                         "Fetch the list from the receiver or send it back.")},
    {kCmdFetchList,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Load the service list from the receiver into a new window.")},
    {kCmdFetchListAndConfig,
     QT_TRANSLATE_NOOP(
         "tarnell::CommandDescriptions",
         "Load the service list and the receiver's configuration into a new window.")},
    {kCmdSendToReceiver, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                           "Send the active service list to the receiver.")},
    {kCmdRenumber,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Number the channels again in list order.")},
    {kCmdRepairNames, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                        "Unlink channels from names that do not exist.")},
    {kCmdTextExport,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Write the shown channels to a text file.")},
    {kCmdSortTemplate, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                         "Move the usual Astra 19.2° East channels to the top.")},
    {kCmdTransponderMenu, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                            "Clear out the transponders no channel uses.")},
    {kCmdRemoveUnusedTransponders, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                                     "Delete every transponder no channel uses.")},
    {kCmdCompareMenu,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "See what differs between this list and a file or the receiver's list.")},
    {kCmdCompareWithFile,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Compare this list with a settings file: channels added, removed, "
                       "renamed, moved; favourites, satellites, transponders, timers.")},
    {kCmdCompareWithReceiver,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Fetch the receiver's list and show what a send would change on it.")},
    {kCmdApplyReferenceOrder,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Sort this list like another settings file, an Enigma2 bouquet or a "
                       "text of channel names.")},
    {kCmdSelectDuplicates,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Select the channels that are the same service as an earlier one.")},
    {kCmdRestoreBackup,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Open or send one of the receiver's lists kept before each send.")},
    {kCmdStatistics, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                       "Count channels, transponders and satellites.")},
    {kCmdTimers,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show and edit the receiver's timers.")},
    {kCmdReceiverConfig,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Edit the receiver's configuration.")},
    {kCmdSatellitePane, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                          "Show or hide the satellite and LNB properties.")},
    {kCmdTransponderPane,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show or hide the transponder properties.")},
    {kCmdChannelPane,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show or hide the channel properties.")},
    {kCmdSearchPane,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Show or hide the channel search.")},
    {kCmdDeleteChannels,
     QT_TRANSLATE_NOOP(
         "tarnell::CommandDescriptions",
         "Delete the selected channels, or take them out of the favourite list shown.")},
    {kCmdNewChannel, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                       "Add a new channel behind the selected one.")},
    {kCmdMoveToPosition, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                           "Move the selected channels to a position you enter.")},
    {kCmdMoveUp,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Move the selected channels up by one.")},
    {kCmdMoveDown,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Move the selected channels down by one.")},
    {kCmdAdoptListOrder,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Number the channels in the order the list shows them.")},
    {kCmdRemoveFromAllFavourites,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                       "Take the selected channels out of every favourite list.")},
    {kCmdSelectHd, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Select the HD channels.")},
    {kCmdSelectPay, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Select the pay channels.")},
    {kCmdSelectM1,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Select the channels marked M 1.")},
    {kCmdSelectM2,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Select the channels marked M 2.")},
    {kCmdSetM1,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Mark the selected channels M 1.")},
    {kCmdClearM1, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                    "Clear the mark M 1 of the selected channels.")},
    {kCmdSetT1,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Set T 1 on the selected channels.")},
    {kCmdClearT1,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Clear T 1 on the selected channels.")},
    {kCmdSetT2,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Set T 2 on the selected channels.")},
    {kCmdClearT2,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Clear T 2 on the selected channels.")},
    {kCmdCopyT1ToT2, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                       "Give the selected channels T 2 as their T 1 is.")},
    {kCmdCopyT2ToT1, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                       "Give the selected channels T 1 as their T 2 is.")},
    {kCmdSortByName,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Sort the list by channel name.")},
    {kCmdSortByNumber,
     QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", "Sort the list by channel number.")},
    {kCmdChannelProperties, QT_TRANSLATE_NOOP("tarnell::CommandDescriptions",
                                              "Show the properties of the selected channel.")},
};

// Every favourite list's command says the same.
constexpr const char* kFavouriteListDescription = QT_TRANSLATE_NOOP(
    "tarnell::CommandDescriptions",
    "Add the selected channels to this favourite list; a single member leaves it.");

} // namespace

void ApplyCommandDescriptions(CCommandRegistry& commands) {
    for (const auto& description : kDescriptions) {
        if (QAction* action = commands.Find(description.id)) {
            const QString text =
                QCoreApplication::translate("tarnell::CommandDescriptions", description.text);
            action->setStatusTip(text);
            action->setWhatsThis(text);
        }
    }
    const QString language = QCoreApplication::translate(
        "tarnell::CommandDescriptions", "Use this language from the next start of the program.");
    for (const auto& info : kLanguages) {
        if (QAction* action = commands.Find(info.command)) {
            action->setStatusTip(language);
            action->setWhatsThis(language);
        }
    }
    const QString favourite =
        QCoreApplication::translate("tarnell::CommandDescriptions", kFavouriteListDescription);
    for (int id = kCmdFirstFavouriteList; id <= kCmdLastFavouriteList; ++id) {
        if (QAction* action = commands.Find(id)) {
            action->setStatusTip(favourite);
            action->setWhatsThis(favourite);
        }
    }
}

} // namespace tarnell
