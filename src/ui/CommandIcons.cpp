#include "CommandIcons.h"

#include "CommandIds.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace tarnell {

namespace {

struct IconSource {
    int id;
    const char* themeName;
    QStyle::StandardPixmap fallback;
    // Drawn when neither the theme nor the style has a picture: a badge letter and colour.
    char badge;
    QRgb colour;
};

constexpr QStyle::StandardPixmap kNoPixmap = QStyle::SP_CustomBase;

constexpr IconSource kSources[] = {
    {kCmdFileNew, "document-new", QStyle::SP_FileIcon, 0, 0},
    {kCmdFileOpen, "document-open", QStyle::SP_DialogOpenButton, 0, 0},
    {kCmdFileSave, "document-save", QStyle::SP_DialogSaveButton, 0, 0},
    {kCmdFileSaveAs, "document-save-as", QStyle::SP_DriveFDIcon, 0, 0},
    {kCmdFilePrint, "document-print", kNoPixmap, 'P', 0x5b6470},
    {kCmdFilePrintDirect, "document-print", kNoPixmap, 'P', 0x5b6470},
    {kCmdFilePrintPreview, "document-print-preview", kNoPixmap, 'V', 0x5b6470},
    {kCmdFilePrintSetup, "document-page-setup", kNoPixmap, 'S', 0x5b6470},
    {kCmdFileExportPdf, "application-pdf", kNoPixmap, 'F', 0x5b6470},
    {kCmdFileClose, "document-close", QStyle::SP_DialogCloseButton, 0, 0},
    {kCmdAppExit, "application-exit", QStyle::SP_TitleBarCloseButton, 0, 0},
    {kCmdAppAbout, "help-about", QStyle::SP_MessageBoxInformation, 0, 0},
    {kCmdImport, "document-import", kNoPixmap, 'I', 0x2b579a},
    {kCmdOptions, "preferences-system", kNoPixmap, 'O', 0x5b6470},
    {kCmdOptionsFavourites, "preferences-other", kNoPixmap, 'O', 0x5b6470},
    {kCmdEditPaste, "edit-paste", kNoPixmap, 'E', 0x8a6d3b},
    {kCmdEditCut, "edit-cut", kNoPixmap, 'X', 0x8a6d3b},
    {kCmdEditCopy, "edit-copy", kNoPixmap, 'C', 0x8a6d3b},
    {kCmdEditSelectAll, "edit-select-all", kNoPixmap, 'A', 0x8a6d3b},
    {kCmdViewMenu, "view-list-details", QStyle::SP_FileDialogDetailedView, 0, 0},
    {kCmdToggleListDetails, "view-list-icons", QStyle::SP_FileDialogListView, 0, 0},
    {kCmdToggleConfigOption, "view-sort-ascending", kNoPixmap, '#', 0x2b579a},
    {kCmdWindows, "window-new", kNoPixmap, 'W', 0x5b6470},
    {kCmdShowTv, "video-display", QStyle::SP_ComputerIcon, 0, 0},
    {kCmdShowRadio, "audio-card", QStyle::SP_MediaVolume, 0, 0},
    {kCmdFavouriteTextColour, "format-text-color", kNoPixmap, 'T', 0xd7282d},
    {kCmdFavouriteBackColour, "format-fill-color", kNoPixmap, 'B', 0xd7282d},
    {kCmdReceiverMenu, "network-transmit-receive", QStyle::SP_DriveNetIcon, 0, 0},
    {kCmdRenumber, "format-list-ordered", kNoPixmap, '1', 0x2b579a},
    {kCmdRepairNames, "tools-check-spelling", kNoPixmap, 'R', 0x2e7d32},
    {kCmdTransponderMenu, "network-wireless", kNoPixmap, 'T', 0x2e7d32},
    {kCmdStatistics, "x-office-spreadsheet", kNoPixmap, 'S', 0x6a3d9a},
    {kCmdTimers, "appointment-new", kNoPixmap, 'Z', 0x6a3d9a},
    {kCmdReceiverConfig, "preferences-desktop", kNoPixmap, 'K', 0x6a3d9a},
    {kCmdEditUndo, "edit-undo", QStyle::SP_ArrowBack, 0, 0},
    {kCmdEditRedo, "edit-redo", QStyle::SP_ArrowForward, 0, 0},
    {kCmdHelp, "help-contents", QStyle::SP_DialogHelpButton, 0, 0},
    {kCmdUserManual, "help-browser", kNoPixmap, '?', 0x2b579a},
    {kCmdContextHelp, "help-whatsthis", QStyle::SP_TitleBarContextHelpButton, 0, 0},
    {kCmdCommunityPage, "internet-web-browser", kNoPixmap, 'W', 0x2b579a},
    {kCmdStyleMenu, "preferences-desktop-theme", kNoPixmap, 'S', 0x2b579a},
    {kCmdSatellitePane, "preferences-other", kNoPixmap, 'S', 0x2e7d32},
    {kCmdTransponderPane, "network-wireless", kNoPixmap, 'T', 0x2e7d32},
    {kCmdChannelPane, "video-display", kNoPixmap, 'C', 0x2e7d32},
    {kCmdSearchPane, "edit-find", kNoPixmap, 'F', 0x2e7d32},
    {kCmdTextExport, "document-export", kNoPixmap, 'E', 0x5b6470},
    {kCmdSortTemplate, "view-sort-ascending", kNoPixmap, 'V', 0x2b579a},
    {kCmdRemoveUnusedTransponders, "edit-clear", kNoPixmap, 'T', 0xd7282d},
    {kCmdCompareMenu, "document-compare", kNoPixmap, '=', 0x6a3d9a},
    {kCmdCompareWithFile, "document-compare", kNoPixmap, '=', 0x6a3d9a},
    {kCmdCompareWithReceiver, "network-transmit-receive", kNoPixmap, '=', 0x6a3d9a},
    {kCmdApplyReferenceOrder, "view-sort-ascending", kNoPixmap, 'R', 0x2b579a},
    {kCmdSelectDuplicates, "edit-select", kNoPixmap, 'D', 0x6a3d9a},
    {kCmdRestoreBackup, "document-revert", kNoPixmap, 'B', 0x2b579a},
};

} // namespace

QIcon BadgeIcon(const QString& text, QRgb colour) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        const qreal inset = size / 16.0;
        path.addRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size / 5.0,
                            size / 5.0);
        painter.fillPath(path, QColor::fromRgb(colour));
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(text.size() > 1 ? size * 8 / 16 : size * 11 / 16);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon CommandIcon(int id) {
    for (const auto& source : kSources) {
        if (source.id != id) {
            continue;
        }
        const QString name = QLatin1String(source.themeName);
        if (QIcon::hasThemeIcon(name)) {
            return QIcon::fromTheme(name);
        }
        if (source.fallback != kNoPixmap) {
            return QApplication::style()->standardIcon(source.fallback);
        }
        return BadgeIcon(QString(QLatin1Char(source.badge)), source.colour);
    }
    return {};
}

} // namespace tarnell
