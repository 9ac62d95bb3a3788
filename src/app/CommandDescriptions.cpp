#include "CommandDescriptions.h"

#include "CCommandRegistry.h"
#include "CommandIds.h"

#include <QCoreApplication>

namespace tarnell {

namespace {

#define DESCRIBE(text) QT_TRANSLATE_NOOP("tarnell::CommandDescriptions", text)

struct Description {
    int id;
    const char* text;
};

constexpr Description kDescriptions[] = {
    {kCmdFileNew, DESCRIBE("Start a new service list from the factory list.")},
    {kCmdFileOpen, DESCRIBE("Open a settings file (*.fdu, *.sys) from disk.")},
    {kCmdFileSave, DESCRIBE("Save the active service list.")},
    {kCmdFileSaveAs, DESCRIBE("Save the active service list under a new name.")},
    {kCmdFileClose, DESCRIBE("Close the active service list.")},
    {kCmdFilePrint, DESCRIBE("Print the channel list.")},
    {kCmdFilePrintDirect, DESCRIBE("Print the channel list on the default printer at once.")},
    {kCmdFilePrintPreview, DESCRIBE("Show the pages as they will be printed.")},
    {kCmdFilePrintSetup, DESCRIBE("Choose the printer and the paper.")},
    {kCmdImport, DESCRIBE("Take over the channel list of another receiver.")},
    {kCmdImportEnigma2, DESCRIBE("Import an Enigma2 list (lamedb and bouquets).")},
    {kCmdImportOctagon918, DESCRIBE("Import an Octagon 918/908/818 list (*.udb).")},
    {kCmdImportOctagonSd, DESCRIBE("Import an Octagon SD x18 list (*.bin).")},
    {kCmdOptions, DESCRIBE("Preferences, colours and network profiles.")},
    {kCmdOptionsFavourites, DESCRIBE("How favourite lists and satellites behave.")},
    {kCmdOptionsNetwork, DESCRIBE("The receivers on your network and how to reach them.")},
    {kCmdAppExit, DESCRIBE("Quit the program; it asks about unsaved changes first.")},
    {kCmdAppAbout, DESCRIBE("Version and credits.")},
    {kCmdHelp, DESCRIBE("How to work with the program, and its keys.")},
    {kCmdContextHelp, DESCRIBE("Click on any part of the window to learn what it does.")},
    {kCmdCommunityPage, DESCRIBE("Open the receiver maker's web site in your browser.")},
    {kCmdStyleMenu, DESCRIBE("Choose the colours of the program.")},
    {kCmdEditUndo, DESCRIBE("Take back the last change.")},
    {kCmdEditRedo, DESCRIBE("Make the change taken back again.")},
    {kCmdEditPaste, DESCRIBE("Insert the channels from the clipboard.")},
    {kCmdEditCut, DESCRIBE("Move the selected channels to the clipboard.")},
    {kCmdEditCopy, DESCRIBE("Copy the selected channels to the clipboard.")},
    {kCmdEditSelectAll, DESCRIBE("Select every channel of the list.")},
    {kCmdViewMenu, DESCRIBE("Put the channels in order.")},
    {kCmdToggleListDetails, DESCRIBE("Switch between the detailed and the compact list.")},
    {kCmdViewList, DESCRIBE("Show the channels in compact columns.")},
    {kCmdViewDetails, DESCRIBE("Show the channels with all their columns.")},
    {kCmdToggleConfigOption,
     DESCRIBE("Show and use the numbers stored with the channels instead of running numbers.")},
    {kCmdWindows, DESCRIBE("Arrange the open windows, show the panes, or pick a window.")},
    {kCmdShowTv, DESCRIBE("Show the TV channels.")},
    {kCmdShowRadio, DESCRIBE("Show the radio channels.")},
    {kCmdToggleNumbering, DESCRIBE("Show running numbers in the search results.")},
    {kCmdToggleSatelliteOnlyActive, DESCRIBE("List only satellites that are in use.")},
    {kCmdToggleSatelliteShowNumber, DESCRIBE("Show the satellites' numbers in the tree.")},
    {kCmdFavouriteTextColour, DESCRIBE("Text colour of the marked favourite list's channels.")},
    {kCmdFavouriteBackColour,
     DESCRIBE("Background colour of the marked favourite list's channels.")},
    {kCmdReceiverMenu, DESCRIBE("Fetch the list from the receiver or send it back.")},
    {kCmdFetchList, DESCRIBE("Load the service list from the receiver into a new window.")},
    {kCmdFetchListAndConfig,
     DESCRIBE("Load the service list and the receiver's configuration into a new window.")},
    {kCmdSendToReceiver, DESCRIBE("Send the active service list to the receiver.")},
    {kCmdRenumber, DESCRIBE("Number the channels again in list order.")},
    {kCmdRepairNames, DESCRIBE("Unlink channels from names that do not exist.")},
    {kCmdTextExport, DESCRIBE("Write the shown channels to a text file.")},
    {kCmdSortTemplate, DESCRIBE("Move the usual Astra 19.2° East channels to the top.")},
    {kCmdTransponderMenu, DESCRIBE("Tidy up the transponders.")},
    {kCmdRemoveUnusedTransponders, DESCRIBE("Delete every transponder no channel uses.")},
    {kCmdStatistics, DESCRIBE("Count channels, transponders and satellites.")},
    {kCmdTimers, DESCRIBE("Show and edit the receiver's timers.")},
    {kCmdReceiverConfig, DESCRIBE("Edit the receiver's configuration.")},
    {kCmdSatellitePane, DESCRIBE("Show or hide the satellite and LNB properties.")},
    {kCmdTransponderPane, DESCRIBE("Show or hide the transponder properties.")},
    {kCmdChannelPane, DESCRIBE("Show or hide the channel properties.")},
    {kCmdSearchPane, DESCRIBE("Show or hide the channel search.")},
};

#undef DESCRIBE

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
}

} // namespace tarnell
