#pragma once

#include "CAppPreferences.h"
#include "LanguagePacks.h"

#include <QStringList>

#include <memory>

class QTranslator;

namespace tarnell {

class CMainFrame;
class IUserDialogs;

// The application: reads the preferences, loads the language pack, makes the main window and
// opens what the command line names. The QApplication itself belongs to main() (or a test).
class CTarnell1018App {
public:
    // dialogs: where messages go; the real message boxes when null.
    explicit CTarnell1018App(std::shared_ptr<IUserDialogs> dialogs = nullptr);
    ~CTarnell1018App();
    CTarnell1018App(const CTarnell1018App&) = delete;
    CTarnell1018App& operator=(const CTarnell1018App&) = delete;

    // Folders searched for the language pack, in order. By default the program's own folder,
    // then the installed data folder.
    void SetLanguageFolders(const QStringList& folders) { m_languageFolders = folders; }
    static QStringList DefaultLanguageFolders();

    // false when start-up ended (the message has been shown); the program then exits.
    // arguments: as QCoreApplication::arguments(), the program first.
    bool InitInstance(const QStringList& arguments);
    // Writes back the preferences shut-down keeps.
    void ExitInstance();

    CAppPreferences& Preferences() { return m_preferences; }
    const LanguageInfo& Language() const { return *m_language; }
    QString LanguagePackPath() const { return m_languagePackPath; }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

private:
    bool LoadLanguagePack();
    void LoadQtTranslations();

    std::shared_ptr<IUserDialogs> m_dialogs;
    QStringList m_languageFolders;
    CAppPreferences m_preferences;
    const LanguageInfo* m_language = &kLanguages.front();
    QString m_languagePackPath;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

} // namespace tarnell
