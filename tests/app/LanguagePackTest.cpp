// The language packs: each one is built, loads, carries the ribbon's texts, and starts the
// editor in its own language and reading direction.
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "COptionsPropSheet.h"
#include "CRibbonBar.h"
#include "CTarnell1018App.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "LanguagePacks.h"
#include "LinkMessageTexts.h"
#include "UndoStepNames.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QPixmap>
#include <QSettings>
#include <QSplitter>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

constexpr const char* kFrameContext = "tarnell::CMainFrame";

// Texts whose source is written the way one pack shows them: that pack keeps the text, every
// other one translates it, so that an English user never meets a German error, nor a German
// user an English one.
struct SourceText {
    const char* context;
    const char* source;
    const char* keptBy;
};
constexpr SourceText kSourceTexts[] = {
    {kFrameContext, "Clipboard", "ENU"},
    {kFrameContext, "Open...", "ENU"},
    {kFrameContext, "Receiver Configuration", "ENU"},
    {kFrameContext, "Language selection", "ENU"},
    {"LinkMessage",
     "There is no network profile. Add one for the receiver on the Network page "
     "of the options.",
     "ENU"},
    {"LinkMessage", "No Data", "ENU"},
    {"LinkMessage", "Kein Connect", "DEU"},
    {"tarnell::COptionsPropSheet", "Weitere interessante Informationen", "DEU"},
    {"CUserDialogs", "Vezi Exportliste (*.txt)", "DEU"},
};

QString Translated(const QTranslator& pack, const char* context, const char* text) {
    return pack.translate(context, text);
}

// What Qt asks a pack to learn the reading direction.
QString LayoutDirectionEntry(const QTranslator& pack) {
    return pack.translate(
        "QGuiApplication", "QT_LAYOUT_DIRECTION",
        "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
        "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");
}

bool RightToLeft(const LanguageInfo& language) {
    return QLatin1String(language.suffix) == QLatin1String("FAR") ||
           QLatin1String(language.suffix) == QLatin1String("ARA");
}

QString PackPath(const LanguageInfo& language) {
    return QDir(QStringLiteral(TARNELL_QM_DIR)).filePath(LanguagePackFileName(language));
}

class LanguagePack : public ::testing::TestWithParam<size_t> {
protected:
    const LanguageInfo& Language() const { return kLanguages.at(GetParam()); }

    // Starts the editor as the user who chose this language last time.
    bool Start(QStringList arguments = {}) {
        OpenAppSettings()->setValue(QStringLiteral("Language/ActiveLanguage"), Language().id);
        app = std::make_unique<CTarnell1018App>(dialogs);
        app->SetLanguageFolders({QStringLiteral(TARNELL_QM_DIR)});
        arguments.prepend(QStringLiteral("tarnell1018"));
        return app->InitInstance(arguments);
    }

    // TARNELL_SCREENSHOT_DIR=folder keeps a picture of each language to look at.
    void KeepScreenshot(const QPixmap& shot, const QString& what) const {
        const QString folder = qEnvironmentVariable("TARNELL_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            EXPECT_TRUE(shot.save(QDir(folder).filePath(
                QStringLiteral("%1-%2.png").arg(QLatin1String(Language().suffix), what))));
        }
    }

    test::Sandbox sandbox;
    std::shared_ptr<test::FakeDialogs> dialogs = std::make_shared<test::FakeDialogs>();
    std::unique_ptr<CTarnell1018App> app;
};

std::string SuffixName(const ::testing::TestParamInfo<size_t>& info) {
    return kLanguages.at(info.param).suffix;
}

} // namespace

TEST_P(LanguagePack, IsBuiltAndTranslatesTheRibbon) {
    const QString path = PackPath(Language());
    ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    QTranslator pack;
    ASSERT_TRUE(pack.load(path));
    // The pack is the language it is named after, not a copy of another one.
    EXPECT_TRUE(pack.language().startsWith(QLatin1String(Language().qtLocale)))
        << pack.language().toStdString();
    for (const auto& text : kSourceTexts) {
        const QString translated = Translated(pack, text.context, text.source);
        EXPECT_FALSE(translated.trimmed().isEmpty()) << text.source;
        if (QLatin1String(Language().suffix) == QLatin1String(text.keptBy)) {
            EXPECT_EQ(translated, QString::fromUtf8(text.source));
        } else {
            EXPECT_NE(translated, QString::fromUtf8(text.source)) << text.source;
        }
    }
    // The pack itself says the direction; Qt's own translations may be missing.
    EXPECT_EQ(LayoutDirectionEntry(pack),
              RightToLeft(Language()) ? QStringLiteral("RTL") : QStringLiteral("LTR"));
}

TEST_P(LanguagePack, StartsTheEditorInItsLanguageAndDirection) {
    QTranslator pack;
    ASSERT_TRUE(pack.load(PackPath(Language())));
    ASSERT_TRUE(Start());
    EXPECT_TRUE(dialogs->errors.isEmpty());
    EXPECT_EQ(app->Language().id, Language().id);
    EXPECT_EQ(QFileInfo(app->LanguagePackPath()).fileName(), LanguagePackFileName(Language()));

    CMainFrame* frame = app->MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Commands().Get(kCmdEditPaste)->text(),
              Translated(pack, kFrameContext, "Paste"));
    EXPECT_EQ(frame->Commands().Get(kCmdStatistics)->text(),
              Translated(pack, "tarnell::CToolCommands", "Statistics"));
    const auto categories = frame->Ribbon()->Categories();
    ASSERT_GE(categories.size(), 2);
    EXPECT_EQ(categories.front()->Title(), Translated(pack, kFrameContext, "Home"));
    ASSERT_FALSE(categories.front()->Panels().isEmpty());
    EXPECT_EQ(categories.front()->Panels().front()->Title(),
              Translated(pack, kFrameContext, "Clipboard"));
    EXPECT_EQ(categories.back()->Title(), Translated(pack, kFrameContext, "Language selection"));

    const Qt::LayoutDirection direction =
        RightToLeft(Language()) ? Qt::RightToLeft : Qt::LeftToRight;
    EXPECT_EQ(QGuiApplication::layoutDirection(), direction);
    EXPECT_EQ(frame->layoutDirection(), direction);

    // The next start in another language begins left to right again.
    app.reset();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_P(LanguagePack, LaysTheDocumentWindowOutInReadingOrder) {
    ASSERT_TRUE(Start({QStringLiteral("--new")}));
    CMainFrame* frame = app->MainFrame();
    frame->resize(1100, 700);
    const auto children = frame->Children();
    ASSERT_EQ(children.size(), 1);
    CChildFrame* child = children.front();
    QSplitter* splitter = child->Splitter();
    ASSERT_NE(splitter, nullptr);
    ASSERT_EQ(splitter->count(), 2);
    const QPixmap shot = frame->grab();
    EXPECT_FALSE(shot.isNull());

    // The tree comes first in reading order: on the left, or on the right in Farsi and Arabic.
    const QWidget* tree = splitter->widget(0);
    const QWidget* list = splitter->widget(1);
    EXPECT_EQ(tree, child->Tree());
    if (RightToLeft(Language())) {
        EXPECT_GT(tree->x(), list->x());
    } else {
        EXPECT_LT(tree->x(), list->x());
    }

    KeepScreenshot(shot, QStringLiteral("window"));
    app.reset();
}

TEST_P(LanguagePack, OptionsSheetShowsEveryPageTitleWhole) {
    ASSERT_TRUE(Start());
    COptionsPropSheet sheet(*app->MainFrame(), COptionsPropSheet::kInformationPage);
    sheet.show();
    QListWidget* pages = sheet.PageList();
    for (int row = 0; row < sheet.PageCount(); ++row) {
        sheet.SetCurrentPage(row);
        // The page list is narrow; a title must wrap into its cell, not run out of it.
        const QRect cell = pages->visualItemRect(pages->item(row));
        const QString title = pages->item(row)->text();
        const QRect needed = pages->fontMetrics().boundingRect(
            QRect(0, 0, cell.width(), 1000), Qt::AlignHCenter | Qt::TextWordWrap, title);
        EXPECT_LE(needed.width(), cell.width()) << title.toStdString();
        EXPECT_LE(needed.height() + pages->iconSize().height(), cell.height())
            << title.toStdString();
        KeepScreenshot(sheet.grab(), QStringLiteral("options-%1").arg(row));
    }
}

TEST(LinkMessageTexts, ReachTheUserInThePacksLanguage) {
    // The link speaks English and fills in its arguments; the editor shows its words translated.
    const LinkMessage message{link_text::kNoDataCaption,
                              link_text::kNoConnect,
                              MessageIcon::Stop,
                              link_text::kNoAddress,
                              false,
                              {"Wohnzimmer"}};
    const struct {
        int language;
        const char* caption;
        const char* text;
        const char* detail;
    } cases[] = {
        {0x09, "No Data", "No connection", "the profile \"Wohnzimmer\" has no receiver address"},
        {0x07, "Keine Daten", "Kein Connect",
         "das Profil \"Wohnzimmer\" hat keine Receiver-Adresse"},
    };
    for (const auto& c : cases) {
        QTranslator pack;
        ASSERT_TRUE(pack.load(PackPath(LanguageForId(c.language))));
        QCoreApplication::installTranslator(&pack);
        EXPECT_EQ(LinkMessageCaption(message), QString::fromUtf8(c.caption));
        EXPECT_EQ(LinkMessageText(message), QString::fromUtf8(c.text));
        EXPECT_EQ(LinkMessageDetail(message), QString::fromUtf8(c.detail));
        QCoreApplication::removeTranslator(&pack);
    }
}

TEST(UndoStepNames, ReachTheUserInThePacksLanguage) {
    // The history names steps in English; counts take the pack's plural forms.
    const struct {
        int language;
        const char* name;
        const char* shown;
    } cases[] = {
        {0x09, "Delete 1 channel", "Delete 1 channel"},
        {0x07, "Delete 12 channels", "12 Sender l\u00f6schen"},
        {0x07, "Remove 3 channels from all favourite lists",
         "3 Sender aus allen Favoritenlisten entfernen"},
        {0x07, "Rename channel", "Sender umbenennen"},
        {0x07, "Delete 2 timers", "2 Timer l\u00f6schen"},
        {0x19, "Paste 2 channels",
         "\u0412\u0441\u0442\u0430\u0432\u0438\u0442\u044c 2 "
         "\u043a\u0430\u043d\u0430\u043b\u0430"},
        {0x07, "Paste 12 channels twice", "Paste 12 channels twice"},
    };
    for (const auto& c : cases) {
        QTranslator pack;
        ASSERT_TRUE(pack.load(PackPath(LanguageForId(c.language))));
        QCoreApplication::installTranslator(&pack);
        EXPECT_EQ(UndoStepText(c.name), QString::fromUtf8(c.shown)) << c.name;
        QCoreApplication::removeTranslator(&pack);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguagePack, ::testing::Range<size_t>(0, kLanguages.size()),
                         SuffixName);
