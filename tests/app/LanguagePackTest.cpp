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

// Ribbon texts no language writes the English way, so an untranslated one shows.
constexpr const char* kRibbonTexts[] = {"Clipboard", "Paste",      "Open...",
                                        "Tools",     "Statistics", "Receiver Configuration"};

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

bool English(const LanguageInfo& language) {
    return QLatin1String(language.suffix) == QLatin1String("ENU");
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
    for (const char* text : kRibbonTexts) {
        const QString translated = Translated(pack, kFrameContext, text);
        EXPECT_FALSE(translated.trimmed().isEmpty()) << text;
        if (English(Language())) {
            EXPECT_EQ(translated, QLatin1String(text));
        } else {
            EXPECT_NE(translated, QLatin1String(text)) << text;
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
              Translated(pack, kFrameContext, "Statistics"));
    const auto categories = frame->Ribbon()->Categories();
    ASSERT_GE(categories.size(), 2);
    EXPECT_EQ(categories.front()->Title(), Translated(pack, kFrameContext, "Home"));
    ASSERT_FALSE(categories.front()->Panels().isEmpty());
    EXPECT_EQ(categories.front()->Panels().front()->Title(),
              Translated(pack, kFrameContext, "Clipboard"));
    // The language page is the program's own, the same in every language.
    EXPECT_EQ(categories.back()->Title(), QStringLiteral("Language selection"));

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

INSTANTIATE_TEST_SUITE_P(AllLanguages, LanguagePack, ::testing::Range<size_t>(0, kLanguages.size()),
                         SuffixName);
