// The main frame's commands and the ribbon that shows them.
#include "CMainFrame.h"

#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDockPanes.h"
#include "CDocumentCommands.h"
#include "CDocumentWindows.h"
#include "CFavouriteColours.h"
#include "COptionsPropSheet.h"
#include "CRibbonBar.h"
#include "CTarnell1018App.h"
#include "CUserManual.h"
#include "CVisualStyle.h"
#include "CWindowsDialog.h"
#include "CommandIcons.h"
#include "CommandIds.h"
#include "HelpTopic.h"
#include "IUserDialogs.h"
#include "LanguagePacks.h"

#include <QActionGroup>
#include <QApplication>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QUrl>
#include <QWhatsThis>

namespace tarnell {

namespace {

// Commands whose windows and dialogs come later; they show in the ribbon, disabled.
constexpr int kLaterCommands[] = {
    kCmdEditPaste,         kCmdEditCut,  kCmdEditCopy,    kCmdEditSelectAll,
    kCmdToggleListDetails, kCmdViewList, kCmdViewDetails,
};

} // namespace

void CMainFrame::RegisterCommands() {
    auto add = [this](int id, const QString& text, const QList<QKeySequence>& keys = {}) {
        return m_commands->Add(id, text, CommandIcon(id), keys);
    };
    auto keys = [](QKeyCombination promised, QKeySequence::StandardKey key) {
        return CCommandRegistry::Keys(promised, key);
    };
    add(kCmdFileNew, tr("New"), keys(Qt::CTRL | Qt::Key_N, QKeySequence::New));
    add(kCmdFileOpen, tr("Open..."), keys(Qt::CTRL | Qt::Key_O, QKeySequence::Open));
    add(kCmdFileSave, tr("Save"), keys(Qt::CTRL | Qt::Key_S, QKeySequence::Save));
    add(kCmdFileSaveAs, tr("Save As..."),
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S, QKeySequence::SaveAs));
    add(kCmdImport, tr("Import"));
    add(kCmdImportEnigma2, QStringLiteral("&Enigma2"));
    add(kCmdImportOctagon918, QStringLiteral("&Octagon 918 HD Difference"));
    add(kCmdImportOctagonSd, QStringLiteral("&Octagon SD"));
    add(kCmdFileClose, tr("Close"), keys(Qt::CTRL | Qt::Key_W, QKeySequence::Close));
    add(kCmdOptions, tr("Options"));
    add(kCmdAppExit, tr("Exit"), keys(Qt::CTRL | Qt::Key_Q, QKeySequence::Quit));
    add(kCmdAppAbout, tr("About Tarnell 1018"));

    add(kCmdEditPaste, tr("Paste"), keys(Qt::CTRL | Qt::Key_V, QKeySequence::Paste));
    add(kCmdEditCut, tr("Cut"), keys(Qt::CTRL | Qt::Key_X, QKeySequence::Cut));
    add(kCmdEditCopy, tr("Copy"), keys(Qt::CTRL | Qt::Key_C, QKeySequence::Copy));
    add(kCmdEditSelectAll, tr("Select All"), keys(Qt::CTRL | Qt::Key_A, QKeySequence::SelectAll));
    add(kCmdViewMenu, tr("Sort"));
    add(kCmdToggleListDetails, tr("List Style"));
    add(kCmdViewList, tr("List"));
    add(kCmdViewDetails, tr("Details"));
    add(kCmdWindows, tr("Windows"));
    add(kCmdShowTv, tr("TV"))->setCheckable(true);
    add(kCmdShowRadio, tr("Radio"))->setCheckable(true);
    add(kCmdToggleSatelliteOnlyActive, tr("Active Satellites Only"))->setCheckable(true);
    add(kCmdToggleSatelliteShowNumber, tr("Satellite Numbers"))->setCheckable(true);
    add(kCmdFavouriteTextColour, tr("Favourite Text"));
    add(kCmdFavouriteBackColour, tr("Favourite Background"));
    add(kCmdOptionsFavourites, tr("Favourite Options"));
    add(kCmdOptionsNetwork, tr("Network Profiles"));
    add(kCmdReceiverMenu, tr("Receiver"));
    add(kCmdSendToReceiver, tr("Send to Receiver"));
    add(kCmdFetchList, tr("Fetch Service List"));
    add(kCmdFetchListAndConfig, tr("Fetch Service List and Configuration"));
    add(kCmdTransponderMenu, tr("Transponders"));
    add(kCmdReceiverConfig, tr("Receiver Configuration"));

    RegisterLanguageCommands();

    for (const int id : kLaterCommands) {
        m_commands->Get(id)->setEnabled(false);
    }

    connect(m_commands->Get(kCmdFileNew), &QAction::triggered, this, [this] { NewDocument(); });
    connect(m_commands->Get(kCmdFileOpen), &QAction::triggered, this, &CMainFrame::OpenWithDialog);
    connect(m_commands->Get(kCmdFileSave), &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild()) {
            SaveDocument(*child);
        }
    });
    connect(m_commands->Get(kCmdFileSaveAs), &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild()) {
            SaveDocumentAs(*child);
        }
    });
    connect(m_commands->Get(kCmdFileClose), &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild()) {
            CloseDocument(*child);
        }
    });
    connect(m_commands->Get(kCmdAppExit), &QAction::triggered, this, &QWidget::close);
    // Three ways into the options sheet, each opening on its own page.
    const std::pair<int, int> optionCommands[] = {
        {kCmdOptions, COptionsPropSheet::kInformationPage},
        {kCmdOptionsFavourites, COptionsPropSheet::kFavouritesPage},
        {kCmdOptionsNetwork, COptionsPropSheet::kNetworkPage},
    };
    for (const auto& [command, page] : optionCommands) {
        connect(m_commands->Get(command), &QAction::triggered, this,
                [this, startPage = page] { ShowOptions(startPage); });
    }
    connect(m_commands->Get(kCmdAppAbout), &QAction::triggered, this, &CMainFrame::ShowAbout);
    connect(m_commands->Get(kCmdToggleSatelliteOnlyActive), &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild()) {
            child->ToggleSatelliteOnlyActive();
        }
        UpdateCommands();
    });
    connect(m_commands->Get(kCmdToggleSatelliteShowNumber), &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild()) {
            child->ToggleSatelliteShowNumber();
        }
        UpdateCommands();
    });
    for (const bool tv : {true, false}) {
        connect(m_commands->Get(tv ? kCmdShowTv : kCmdShowRadio), &QAction::triggered, this,
                [this, tv] {
                    if (auto* child = ActiveChild()) {
                        child->SetShowTv(tv);
                    }
                    UpdateCommands();
                });
    }
}

void CMainFrame::RegisterLanguageCommands() {
    for (const int command : kLanguageButtonOrder) {
        const LanguageInfo* language = LanguageForCommand(command);
        QAction* action =
            m_commands->Add(command, QString::fromUtf8(language->buttonLabel),
                            BadgeIcon(QString::fromLatin1(language->qtLocale).toUpper(), 0x2b579a));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, command] { OnLanguageCommand(command); });
    }
}

void CMainFrame::RegisterStyleCommands() {
    m_commands->Add(kCmdStyleMenu, tr("Style"), CommandIcon(kCmdStyleMenu));
    auto* group = new QActionGroup(this);
    for (const auto& look : CVisualStyle::Looks()) {
        QAction* action = m_commands->Add(look.command, CVisualStyle::DisplayName(look));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, command = look.command] {
            ApplyVisualStyle(command);
            OpenAppSettings()->setValue(QStringLiteral("Workspace/ApplicationLook"), command);
        });
    }
}

void CMainFrame::ApplyVisualStyle(int command) {
    const CVisualStyle::Look& look = CVisualStyle::ForCommand(command);
    m_preferences.applicationLook = look.command;
    CVisualStyle::Apply(look, m_ribbon);
    // The empty document area behind the windows, dark in the dark looks.
    m_mdiArea->setBackground(look.dark ? QColor(0x1b, 0x1d, 0x20) : QColor(0xd6, 0xdc, 0xe4));
    m_commands->Get(look.command)->setChecked(true);
    // The lists' selection colours are worked out against the new look.
    for (CChildFrame* child : Children()) {
        child->ApplyColours();
    }
}

void CMainFrame::RegisterHelpCommands() {
    m_manual = new CUserManual(CTarnell1018App::DefaultLanguageFolders(), this);
    QAction* help = m_commands->Add(kCmdHelp, tr("Help"), CommandIcon(kCmdHelp),
                                    CCommandRegistry::Keys(Qt::Key_F1, QKeySequence::HelpContents));
    connect(help, &QAction::triggered, this, [this] {
        // The manual at the page of what has the focus; with the focus on the ribbon or
        // nowhere, the page of the document window in front. A short text without a manual.
        const QWidget* focus = QApplication::focusWidget();
        if (HelpTopicOf(focus).isEmpty() || HelpTopicOf(focus) == HelpTopicOf(this)) {
            if (CChildFrame* child = ActiveChild()) {
                focus = child;
            }
        }
        if (m_manual->OpenForFocus(focus)) {
            return;
        }
        m_dialogs.ShowInformation(
            this,
            tr("Tarnell 1018 edits the service lists and settings of Octagon SF 1018 and SF 1028 "
               "receivers.\n\n"
               "Open a settings file (*.fdu, *.sys) or fetch the list from the receiver, choose a "
               "satellite, transponder, provider or favourite list in the tree on the left and "
               "work on its channels in the list on the right. Save the file or send it back to "
               "the receiver when you are done.\n\n"
               "Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+Z undo, Ctrl+Y redo, Ctrl+A "
               "select all, Ctrl+W close, Shift+F1 what's this."));
    });
    QAction* whatsThis = QWhatsThis::createAction(this);
    QAction* contextHelp =
        m_commands->Add(kCmdContextHelp, whatsThis->text(), whatsThis->icon(),
                        CCommandRegistry::Keys(Qt::SHIFT | Qt::Key_F1, QKeySequence::WhatsThis));
    connect(contextHelp, &QAction::triggered, whatsThis, &QAction::trigger);
    QAction* manual =
        m_commands->Add(kCmdUserManual, tr("User Manual"), CommandIcon(kCmdUserManual));
    connect(manual, &QAction::triggered, this, [this] {
        if (!m_manual->OpenPage(QStringLiteral("index"))) {
            m_dialogs.ShowError(this, tr("The user manual is not installed."));
        }
    });
    QAction* community = m_commands->Add(kCmdCommunityPage, tr("Community Web Page"),
                                         CommandIcon(kCmdCommunityPage));
    connect(community, &QAction::triggered, this, [] {
        QDesktopServices::openUrl(QUrl(QStringLiteral("https://www.octagon-germany.de/")));
    });
}

QMenu* CMainFrame::BuildWindowsMenu() {
    auto* menu = new QMenu(this);
    connect(m_commands->Get(kCmdWindows), &QAction::triggered, this,
            &CMainFrame::ShowWindowsDialog);
    // Rebuilt on every opening, so that it lists the windows open now.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        QAction* tabbed = menu->addAction(tr("Tabbed Windows"));
        tabbed->setCheckable(true);
        tabbed->setChecked(m_mdiArea->viewMode() == QMdiArea::TabbedView);
        connect(tabbed, &QAction::toggled, this, [this](bool on) {
            m_windows->SetViewMode(on ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
        });
        QAction* cascade = menu->addAction(tr("Cascade"), m_mdiArea, [this] {
            m_windows->SetViewMode(QMdiArea::SubWindowView);
            m_mdiArea->cascadeSubWindows();
        });
        QAction* tile = menu->addAction(tr("Tile"), m_mdiArea, [this] {
            m_windows->SetViewMode(QMdiArea::SubWindowView);
            m_mdiArea->tileSubWindows();
        });
        const QList<CChildFrame*> children = Children();
        cascade->setEnabled(!children.isEmpty());
        tile->setEnabled(!children.isEmpty());
        menu->addSeparator();
        m_panes->AddToggles(*menu);
        if (!children.isEmpty()) {
            menu->addSeparator();
        }
        CChildFrame* active = ActiveChild();
        for (int i = 0; i < children.size(); ++i) {
            CChildFrame* child = children[i];
            QAction* item = menu->addAction(
                (i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString()) + child->Title());
            item->setCheckable(true);
            item->setChecked(child == active);
            connect(item, &QAction::triggered, this,
                    [this, window = QPointer<QWidget>(child->parentWidget())] {
                        if (auto* sub = qobject_cast<QMdiSubWindow*>(window.data())) {
                            m_windows->Activate(sub);
                        }
                    });
        }
        menu->addSeparator();
        menu->addAction(m_commands->Get(kCmdWindows));
    });
    return menu;
}

void CMainFrame::ShowWindowsDialog() {
    CWindowsDialog dialog(*this);
    dialog.exec();
}

void CMainFrame::OnLanguageCommand(int command) {
    const LanguageInfo* language = LanguageForCommand(command);
    // The running program keeps its language; the choice counts from the next start.
    if (language && language->id != m_preferences.activeLanguage) {
        m_dialogs.ShowNotice(this, QString::fromUtf8(language->restartNotice));
        m_preferences.activeLanguage = language->id;
        auto settings = OpenAppSettings();
        settings->setValue(QStringLiteral("Language/ActiveLanguage"), language->id);
    }
    UpdateCommands();
}

void CMainFrame::BuildRibbon() {
    m_ribbon = new CRibbonBar(*m_commands, this);
    setMenuWidget(m_ribbon);
    auto cmd = [this](int id) { return m_commands->Get(id); };

    QMenu* menu = m_ribbon->ApplicationMenu();
    menu->addAction(cmd(kCmdFileNew));
    menu->addAction(cmd(kCmdFileOpen));
    menu->addAction(cmd(kCmdFileSave));
    menu->addAction(cmd(kCmdFileSaveAs));
    auto* print = menu->addMenu(cmd(kCmdFilePrint)->icon(), cmd(kCmdFilePrint)->text());
    print->setObjectName(QStringLiteral("printMenu"));
    print->addActions({cmd(kCmdFilePrint), cmd(kCmdFilePrintDirect), cmd(kCmdFilePrintPreview),
                       cmd(kCmdFilePrintSetup), cmd(kCmdFileExportPdf)});
    menu->addSeparator();
    auto* import = menu->addMenu(cmd(kCmdImport)->icon(), cmd(kCmdImport)->text());
    import->addSection(tr("Import of other channel lists"));
    import->addActions(
        {cmd(kCmdImportEnigma2), cmd(kCmdImportOctagon918), cmd(kCmdImportOctagonSd)});
    menu->addSeparator();
    menu->addAction(cmd(kCmdFileClose));
    m_recentMenu = menu->addMenu(tr("Recent Files"));
    m_recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    menu->addSeparator();
    menu->addAction(cmd(kCmdOptions));
    menu->addAction(cmd(kCmdAppExit));

    for (const int id : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdFilePrintDirect, kCmdEditUndo,
                         kCmdEditRedo}) {
        m_ribbon->AddQuickAccess(id);
    }

    CRibbonCategory* home = m_ribbon->AddCategory(tr("Home"));
    CRibbonPanel* clipboard = home->AddPanel(tr("Clipboard"));
    clipboard->AddLarge(kCmdEditPaste);
    clipboard->AddSmall(kCmdEditCut);
    clipboard->AddSmall(kCmdEditCopy);
    clipboard->AddSmall(kCmdEditSelectAll);

    CRibbonPanel* view = home->AddPanel(tr("View"));
    auto* sorting = new QMenu(this);
    sorting->addActions({cmd(kCmdSortTemplate), cmd(kCmdRenumber)});
    sorting->addSeparator();
    sorting->addActions({cmd(kCmdSortByName), cmd(kCmdSortByNumber), cmd(kCmdAdoptListOrder)});
    sorting->addSeparator();
    sorting->addAction(cmd(kCmdApplyReferenceOrder));
    view->AddLarge(kCmdViewMenu, sorting);
    auto* styles = new QMenu(this);
    styles->addActions({cmd(kCmdViewList), cmd(kCmdViewDetails)});
    view->AddLarge(kCmdToggleListDetails, styles);
    view->AddSmall(kCmdToggleConfigOption);
    // Below the numbering, in the column it leaves free, so that the ribbon grows no wider.
    auto* compare = new QMenu(this);
    compare->addActions({cmd(kCmdCompareWithFile), cmd(kCmdCompareWithReceiver)});
    compare->addSeparator();
    compare->addActions({cmd(kCmdApplyReferenceOrder), cmd(kCmdSelectDuplicates)});
    view->AddSmall(kCmdCompareMenu, compare);
    view->AddSmall(kCmdSelectDuplicates);

    CRibbonPanel* windows = home->AddPanel(tr("Windows"));
    windows->AddLarge(kCmdWindows, BuildWindowsMenu());

    CRibbonPanel* tvRadio = home->AddPanel(tr("TV/Radio"));
    tvRadio->AddLarge(kCmdShowTv);
    tvRadio->AddLarge(kCmdShowRadio);

    CRibbonPanel* display = home->AddPanel(tr("Display"));
    display->AddCheckBox(kCmdToggleNumbering);
    display->AddCheckBox(kCmdToggleSatelliteOnlyActive);
    display->AddCheckBox(kCmdToggleSatelliteShowNumber);
    display->AddSeparator();
    for (const int id : {kCmdFavouriteTextColour, kCmdFavouriteBackColour}) {
        display->AddSmall(id, m_favouriteColours->MenuFor(id));
        connect(cmd(id), &QAction::triggered, m_favouriteColours,
                [this, id] { m_favouriteColours->ChooseMore(id); });
    }
    display->AddSmall(kCmdOptionsFavourites);

    CRibbonPanel* receiver = home->AddPanel(tr("Receiver"));
    auto* transfers = new QMenu(this);
    transfers->addActions(
        {cmd(kCmdFetchList), cmd(kCmdFetchListAndConfig), cmd(kCmdSendToReceiver)});
    transfers->addSeparator();
    transfers->addActions({cmd(kCmdCompareWithReceiver), cmd(kCmdRestoreBackup)});
    transfers->addSeparator();
    transfers->addAction(cmd(kCmdOptionsNetwork));
    receiver->AddLarge(kCmdReceiverMenu, transfers);
    receiver->AddSeparator();
    receiver->AddSmall(kCmdRenumber);
    auto* listTools = new QMenu(this);
    listTools->addActions({cmd(kCmdRepairNames), cmd(kCmdTextExport)});
    receiver->AddSmall(kCmdRepairNames, listTools);
    auto* transponderTools = new QMenu(this);
    transponderTools->addAction(cmd(kCmdRemoveUnusedTransponders));
    receiver->AddSmall(kCmdTransponderMenu, transponderTools);

    CRibbonPanel* tools = home->AddPanel(tr("Tools"));
    tools->AddSmall(kCmdStatistics);
    tools->AddSmall(kCmdTimers);
    tools->AddSmall(kCmdReceiverConfig);

    CRibbonCategory* languages = m_ribbon->AddCategory(tr("Language selection"));
    CRibbonPanel* languagePanel = languages->AddPanel(tr("Languages"));
    for (const int command : kLanguageButtonOrder) {
        languagePanel->AddSmall(command);
    }

    auto* looks = new QMenu(this);
    for (const auto& look : CVisualStyle::Looks()) {
        looks->addAction(cmd(look.command));
    }
    m_ribbon->AddTabRowButton(kCmdStyleMenu, looks);
    auto* help = new QMenu(this);
    help->addActions(
        {cmd(kCmdHelp), cmd(kCmdUserManual), cmd(kCmdContextHelp), cmd(kCmdCommunityPage)});
    help->addSeparator();
    help->addAction(cmd(kCmdAppAbout));
    m_ribbon->AddTabRowButton(kCmdHelp, help);
    m_ribbon->AddTabRowButton(kCmdAppAbout);
}

} // namespace tarnell
