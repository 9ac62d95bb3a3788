#pragma once

namespace tarnell {

// Command identifiers shared by the ribbon, the menus and the frames. The numbers are the
// receiver editor's long-standing ones, so that every part of the program names a command the
// same way.
enum CommandId : int {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileClose = 57602,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdFilePrintSetup = 57606,
    kCmdFilePrint = 57607,
    kCmdFilePrintDirect = 57608,
    kCmdFilePrintPreview = 57609,
    // Beside the print commands: the printed pages as a PDF file.
    kCmdFileExportPdf = 32920,
    kCmdEditCopy = 57634,
    kCmdEditCut = 57635,
    kCmdEditPaste = 57637,
    kCmdEditSelectAll = 57642,
    kCmdAppAbout = 57664,
    kCmdAppExit = 57665,
    kCmdHelp = 57667,
    kCmdContextHelp = 57669,
    kCmdEditUndo = 57643,
    kCmdEditRedo = 57644,
    kCmdCommunityPage = 32785,
    // Beside the help commands: the manual's contents page.
    kCmdUserManual = 32790,
    // The tab row's style menu button; its own command does nothing.
    kCmdStyleMenu = 209,

    kCmdSatellitePane = 32995,
    kCmdTransponderPane = 32996,
    kCmdChannelPane = 32997,
    kCmdSearchPane = 32805,
    kCmdTextExport = 32866,
    kCmdSortTemplate = 33039,
    kCmdRemoveUnusedTransponders = 32953,

    kCmdImport = 33029,
    kCmdImportEnigma2 = 33030,
    kCmdImportOctagon918 = 33032,
    kCmdImportOctagonSd = 33033,
    kCmdOptions = 32782,
    kCmdOptionsFavourites = 32772,
    kCmdOptionsNetwork = 33019,

    kCmdViewMenu = 33003,
    kCmdToggleListDetails = 32941,
    kCmdToggleConfigOption = 33031,
    kCmdViewList = 59410,
    kCmdViewDetails = 59411,
    kCmdWindows = 131,
    kCmdShowTv = 32807,
    kCmdShowRadio = 32808,
    kCmdToggleNumbering = 32816,
    kCmdToggleSatelliteOnlyActive = 32815,
    kCmdToggleSatelliteShowNumber = 33043,
    kCmdFavouriteTextColour = 32811,
    kCmdFavouriteBackColour = 32810,
    kCmdReceiverMenu = 33015,
    kCmdSendToReceiver = 33020,
    kCmdFetchList = 33021,
    kCmdFetchListAndConfig = 33036,
    kCmdRenumber = 32860,
    kCmdRepairNames = 32864,
    kCmdTransponderMenu = 32861,
    kCmdStatistics = 32893,
    kCmdTimers = 33042,
    kCmdReceiverConfig = 32894,
    // The timer dialog's list menu.
    kCmdTimerDelete = 33023,
    kCmdTimerDeleteAll = 33024,
    // 32979 to 32987 select the nine interface languages (LanguagePacks.h).

    // Lists set side by side: compare, reference order, duplicates, the receiver's backups.
    kCmdCompareMenu = 33070,
    kCmdCompareWithFile = 33071,
    kCmdCompareWithReceiver = 33072,
    kCmdApplyReferenceOrder = 33073,
    kCmdSelectDuplicates = 33074,
    kCmdRestoreBackup = 33075,

    // The channel list's editing commands.
    kCmdDeleteChannels = 32900,
    kCmdNewChannel = 32901,
    kCmdMoveToPosition = 32902,
    kCmdSelectHd = 32903,
    kCmdSelectPay = 32904,
    kCmdSelectM1 = 32905,
    kCmdSelectM2 = 32906,
    kCmdSetM1 = 32907,
    kCmdClearM1 = 32908,
    kCmdSetT1 = 32909,
    kCmdClearT1 = 32910,
    kCmdSetT2 = 32911,
    kCmdClearT2 = 32912,
    kCmdCopyT1ToT2 = 32913,
    kCmdCopyT2ToT1 = 32914,
    kCmdSortByName = 32915,
    kCmdSortByNumber = 32916,
    kCmdChannelProperties = 32917,
    kCmdMoveUp = 32918,
    kCmdMoveDown = 32919,
    kCmdAdoptListOrder = 32862,
    kCmdRemoveFromAllFavourites = 32939,
    // One per favourite list: 32827 + list index, at most 32.
    kCmdFirstFavouriteList = 32827,
    kCmdLastFavouriteList = 32858,
};

// Docking panes, by the same numbering.
enum PaneId : int {
    kPaneSatellite = 150,
    kPaneTransponder = 32780,
    kPaneChannel = 32778,
    kPaneSearch = 33028,
};

// Status bar panes, by the same numbering.
enum StatusPaneId : int {
    kPaneProgram = 57664,
    kPaneFileInfo = 32868,
    kPaneMisc = 121,
};

} // namespace tarnell
