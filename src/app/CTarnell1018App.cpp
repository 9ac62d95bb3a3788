#include "CTarnell1018App.h"

#include "CChildFrame.h"
#include "CMainFrame.h"
#include "CUserManual.h"
#include "IUserDialogs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace tarnell {

namespace {

// Error codes shown with a failed language pack, as the Windows ones users report by.
constexpr unsigned kErrorFileNotFound = 2;
constexpr unsigned kErrorBadFormat = 11;

} // namespace

CTarnell1018App::CTarnell1018App(std::shared_ptr<IUserDialogs> dialogs)
    : m_dialogs(dialogs ? std::move(dialogs) : std::make_shared<CUserDialogs>()),
      m_languageFolders(DefaultLanguageFolders()) {}

CTarnell1018App::~CTarnell1018App() {
    // The window goes before the translators its texts came from.
    m_mainFrame.reset();
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
    }
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    }
}

QStringList CTarnell1018App::DefaultLanguageFolders() {
    // Beside the program (a build folder), then where a package puts them relative to it, then
    // where this build would install them.
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(QStringLiteral("../share/tarnell1018")),
            QStringLiteral(TARNELL_DATA_DIR)};
}

bool CTarnell1018App::InitInstance(const QStringList& arguments) {
    QCoreApplication::setOrganizationName(QStringLiteral("Brixholm"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarnell1018"));
    // The drawing first, so that a desktop scaled to 200 % gets it crisp where Qt reads SVG.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tarnell1018.svg"));
    icon.addFile(QStringLiteral(":/icons/tarnell1018.png"));
    QGuiApplication::setWindowIcon(icon);

    auto settings = OpenAppSettings();
    const int stored =
        settings
            ->value(QStringLiteral("Language/ActiveLanguage"), CAppPreferences::kDefaultLanguage)
            .toInt();
    m_language = &LanguageForId(stored);
    if (!LoadLanguagePack()) {
        return false;
    }
    LoadQtTranslations();

    m_preferences.Load(*settings);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarnell 1018"));
    parser.addHelpOption();
    const QCommandLineOption newOption(QStringLiteral("new"),
                                       QStringLiteral("Start with the factory list open."));
    parser.addOption(newOption);
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QStringLiteral("Settings files (*.fdu, *.sys) to open."),
                                 QStringLiteral("[files...]"));
    parser.process(arguments);

    m_mainFrame = std::make_unique<CMainFrame>(m_preferences, *m_dialogs);
    // The manual is written in German and English; the other languages read the English one.
    m_mainFrame->Manual().SetLanguage(QLatin1String(m_language->suffix) == QLatin1String("DEU")
                                          ? QStringLiteral("de")
                                          : QStringLiteral("en"));
    // A plain start opens no document.
    if (parser.isSet(newOption)) {
        m_mainFrame->NewDocument();
    }
    for (const QString& file : parser.positionalArguments()) {
        m_mainFrame->OpenDocument(file);
    }
    m_mainFrame->ShowAsLastTime();
    return true;
}

bool CTarnell1018App::LoadLanguagePack() {
    const QString name = LanguagePackFileName(*m_language);
    QString found;
    for (const QString& folder : m_languageFolders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo::exists(candidate)) {
            found = candidate;
            break;
        }
    }
    // The message names the place beside the program, where the pack belongs.
    const QString expected =
        found.isEmpty() ? QDir(m_languageFolders.value(0)).filePath(name) : found;
    unsigned code = kErrorFileNotFound;
    if (!found.isEmpty()) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(found)) {
            QCoreApplication::installTranslator(translator.get());
            m_translator = std::move(translator);
            m_languagePackPath = found;
            return true;
        }
        code = kErrorBadFormat;
    }
    m_dialogs->ShowError(
        nullptr, QString::asprintf("Failed to load language DLL!\n\nFile: %s\ndoes not exist\n\n"
                                   "Code: %x",
                                   QDir::toNativeSeparators(expected).toUtf8().constData(), code));
    return false;
}

void CTarnell1018App::LoadQtTranslations() {
    // Qt's own buttons and file dialogs in the same language. Qt ships no English pack, and a
    // missing one only leaves those few texts in English, so it does not stop the start.
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_") + QLatin1String(m_language->qtLocale),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        m_qtTranslator = std::move(translator);
    }
}

void CTarnell1018App::ExitInstance() {
    auto settings = OpenAppSettings();
    m_preferences.Save(*settings);
}

} // namespace tarnell
