// The command registry, the ribbon built over it, the status bar and the channel list model.
#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDesktopAlert.h"
#include "CMainFrame.h"
#include "CRibbonBar.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "LanguagePacks.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

using namespace tarnell;

TEST(CommandRegistry, OneActionPerCommand) {
    CCommandRegistry registry;
    QAction* open = registry.Add(kCmdFileOpen, QStringLiteral("Open"));
    EXPECT_EQ(registry.Find(kCmdFileOpen), open);
    EXPECT_EQ(registry.Get(kCmdFileOpen), open);
    EXPECT_EQ(CCommandRegistry::IdOf(open), kCmdFileOpen);
    EXPECT_THROW(registry.Add(kCmdFileOpen, QStringLiteral("Open again")), std::logic_error);
    EXPECT_EQ(registry.Find(kCmdFileNew), nullptr);
    EXPECT_THROW(registry.Get(kCmdFileNew), std::logic_error);
    EXPECT_EQ(CCommandRegistry::IdOf(nullptr), 0);
}

class MainFrameRibbon : public ::testing::Test {
protected:
    test::Sandbox sandbox;
    test::FakeDialogs dialogs;
    CAppPreferences prefs;
    CMainFrame frame{prefs, dialogs};
};

TEST_F(MainFrameRibbon, ApplicationMenuInItsOrder) {
    QStringList entries;
    for (QAction* action : frame.Ribbon()->ApplicationMenu()->actions()) {
        if (action->isSeparator()) {
            entries.append(QStringLiteral("-"));
        } else if (action->menu()) {
            entries.append(QStringLiteral("menu:") + action->text());
        } else {
            entries.append(QString::number(CCommandRegistry::IdOf(action)));
        }
    }
    const QStringList expected = {
        QStringLiteral("57600"),       QStringLiteral("57601"),
        QStringLiteral("57603"),       QStringLiteral("57604"),
        QStringLiteral("menu:Print"),  QStringLiteral("-"),
        QStringLiteral("menu:Import"), QStringLiteral("-"),
        QStringLiteral("57602"),       QStringLiteral("menu:Recent Files"),
        QStringLiteral("-"),           QStringLiteral("32782"),
        QStringLiteral("57665"),
    };
    EXPECT_EQ(entries, expected);

    QMenu* import = frame.Ribbon()->ApplicationMenu()->actions().at(6)->menu();
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(import->actions().at(0)->text(), QStringLiteral("Import of other channel lists"));
    EXPECT_EQ(CCommandRegistry::IdOf(import->actions().at(1)), kCmdImportEnigma2);
    EXPECT_EQ(import->actions().at(1)->text(), QStringLiteral("&Enigma2"));
    EXPECT_EQ(import->actions().at(2)->text(), QStringLiteral("&Octagon 918 HD Difference"));
    EXPECT_EQ(import->actions().at(3)->text(), QStringLiteral("&Octagon SD"));
}

TEST_F(MainFrameRibbon, FirstCategoryPanelsInOrder) {
    ASSERT_FALSE(frame.Ribbon()->Categories().isEmpty());
    QStringList panels;
    for (CRibbonPanel* panel : frame.Ribbon()->Categories().front()->Panels()) {
        panels.append(panel->Title());
    }
    EXPECT_EQ(panels, (QStringList{QStringLiteral("Clipboard"), QStringLiteral("View"),
                                   QStringLiteral("Windows"), QStringLiteral("TV/Radio"),
                                   QStringLiteral("Display"), QStringLiteral("Receiver"),
                                   QStringLiteral("Tools")}));
}

TEST_F(MainFrameRibbon, ButtonsShowTheRegisteredActions) {
    // Every ribbon button acts through the registry's own action, never a copy.
    int buttons = 0;
    for (QToolButton* button : frame.Ribbon()->findChildren<QToolButton*>()) {
        QAction* action = button->defaultAction();
        if (!action) {
            continue;
        }
        ++buttons;
        EXPECT_EQ(frame.Commands().Find(CCommandRegistry::IdOf(action)), action);
    }
    EXPECT_GT(buttons, 25);
}

TEST_F(MainFrameRibbon, FileCommandsNeedADocumentAndLaterOnesStayOff) {
    const auto needDocument = {kCmdFileSave,      kCmdFileSaveAs,      kCmdFileClose,
                               kCmdFilePrint,     kCmdFilePrintDirect, kCmdFilePrintPreview,
                               kCmdFileExportPdf, kCmdStatistics,      kCmdTimers};
    for (const int id : needDocument) {
        EXPECT_FALSE(frame.Commands().Get(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(frame.Commands().Get(kCmdFileNew)->isEnabled());
    EXPECT_TRUE(frame.Commands().Get(kCmdFileOpen)->isEnabled());

    frame.show();
    frame.Commands().Get(kCmdFileNew)->trigger();
    ASSERT_EQ(frame.Children().size(), 1);
    for (const int id : needDocument) {
        EXPECT_TRUE(frame.Commands().Get(id)->isEnabled()) << id;
    }
    EXPECT_FALSE(frame.Commands().Get(kCmdReceiverConfig)->isEnabled());
    EXPECT_TRUE(frame.Commands().Get(kCmdImportEnigma2)->isEnabled());

    frame.Commands().Get(kCmdFileClose)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.Children().isEmpty());
    EXPECT_FALSE(frame.Commands().Get(kCmdFileSave)->isEnabled());
}

TEST_F(MainFrameRibbon, StatusPanes) {
    EXPECT_EQ(frame.StatusPane(kPaneProgram)->text(), QStringLiteral("Tarnell Octagon 1018"));
    EXPECT_TRUE(frame.StatusPane(kPaneFileInfo)->text().isEmpty());
    ASSERT_NE(frame.StatusPane(kPaneMisc), nullptr);
    EXPECT_EQ(frame.StatusPane(999), nullptr);

    frame.show();
    frame.NewDocument();
    EXPECT_EQ(frame.StatusPane(kPaneFileInfo)->text(),
              QStringLiteral("FDU v1.2 \u2014 128 channel(s)"));
}

TEST_F(MainFrameRibbon, LanguageCategoryWithItsButtonsInOrder) {
    ASSERT_EQ(frame.Ribbon()->Categories().size(), 2);
    CRibbonCategory* languages = frame.Ribbon()->Categories().at(1);
    EXPECT_EQ(languages->Title(), QStringLiteral("Language selection"));
    ASSERT_EQ(languages->Panels().size(), 1);
    EXPECT_EQ(languages->Panels().front()->Title(), QStringLiteral("Languages"));
    QStringList labels;
    for (QToolButton* button : languages->Panels().front()->findChildren<QToolButton*>()) {
        labels.append(button->defaultAction()->text());
    }
    EXPECT_EQ(labels, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("Русский"),
                                   QStringLiteral("Français"), QStringLiteral("Italiano"),
                                   QStringLiteral("English"), QStringLiteral("Español"),
                                   QStringLiteral("Nederlands"), QStringLiteral("فارسی"),
                                   QStringLiteral("العربية")}));
}

TEST_F(MainFrameRibbon, TheCurrentLanguageAgainSaysAndWritesNothing) {
    QAction* german = frame.Commands().Get(32979);
    EXPECT_TRUE(german->isChecked());
    german->trigger();
    EXPECT_TRUE(german->isChecked());
    EXPECT_TRUE(dialogs.notices.isEmpty());
    EXPECT_FALSE(OpenAppSettings()->contains(QStringLiteral("Language/ActiveLanguage")));
}

struct LanguageCase {
    int command;
    int language;
    const char* notice;
};

// Named by command in test listings, rather than by the bytes of the struct.
void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << "command " << c.command;
}

class LanguageCommand : public MainFrameRibbon,
                        public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageCommand, ShowsItsRestartNoticeAndStoresTheLanguage) {
    const LanguageCase& c = GetParam();
    if (c.command == 32979) {
        prefs.activeLanguage = 0x09;
    }
    frame.Commands().Get(c.command)->trigger();
    EXPECT_EQ(dialogs.notices, QStringList{QString::fromUtf8(c.notice)});
    EXPECT_EQ(OpenAppSettings()->value(QStringLiteral("Language/ActiveLanguage")).toInt(),
              c.language);
    EXPECT_EQ(prefs.activeLanguage, c.language);
    for (const int other : kLanguageButtonOrder) {
        EXPECT_EQ(frame.Commands().Get(other)->isChecked(), other == c.command) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, LanguageCommand,
    ::testing::Values(
        LanguageCase{32979, 0x07,
                     "Beenden Sie das Programm und starten Sie es erneut um die neuen "
                     "Spracheinstellungen zu übernehmen."},
        LanguageCase{32980, 0x09, "Restart the program to activate the new language selection."},
        LanguageCase{32981, 0x19,
                     "Перезапустите программу, чтобы активизировать новый языковой выбор."},
        LanguageCase{32982, 0x0C, "Redémarrer le programme pour activer la nouvelle langue."},
        LanguageCase{32983, 0x13,
                     "Start het programma opnieuw, om de nieuwe taalinstellingen door te voeren."},
        LanguageCase{32984, 0x0A, "Reanude el programa para activar la nueva selección de lengua."},
        LanguageCase{32985, 0x10,
                     "Riavviare il programma per attivare la nuova selezione della lingua."},
        LanguageCase{32986, 0x29,
                     "برنامه را ببندید و دوباره اجرا کنید تا زبان تازه به کار گرفته شود."},
        LanguageCase{32987, 0x01, "أعد تشغيل البرنامج لتفعيل اللغة الجديدة."}));

TEST_F(MainFrameRibbon, CaptionBarAndDesktopAlert) {
    frame.show();
    EXPECT_FALSE(frame.CaptionBar()->isVisible());
    frame.SetCaptionText(QStringLiteral("Liste neu nummeriert"));
    EXPECT_TRUE(frame.CaptionBar()->isVisible());
    EXPECT_EQ(frame.CaptionText(), QStringLiteral("Liste neu nummeriert"));
    EXPECT_EQ(frame.DesktopAlert(), nullptr);

    frame.SetCaptionText(QStringLiteral("Gesendet"), true);
    CDesktopAlert* alert = frame.DesktopAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->Title(), QStringLiteral("Tarnell Octagon SF 1018"));
    EXPECT_EQ(alert->Body(), QStringLiteral("Tarnell Octagon SF 1018\n\nGesendet"));
    EXPECT_NEAR(alert->windowOpacity(), 200.0 / 255.0, 0.01);
    EXPECT_TRUE(alert->CloseTimer()->isActive());
    EXPECT_EQ(alert->CloseTimer()->interval(), 5000);

    // A second alert replaces the first instead of piling up.
    frame.ShowDesktopAlert(QStringLiteral("Noch einmal"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(frame.DesktopAlert(), nullptr);
    EXPECT_EQ(frame.findChildren<CDesktopAlert*>().size(), 1);
}
