#include "GuiTestSupport.h"

#include "CTarnell1018Doc.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>

#include <gtest/gtest.h>

namespace tarnell::test {

IUserDialogs::SaveChoice FakeDialogs::AskSaveChanges(QWidget*, const QString& title) {
    askedToSave.append(title);
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "unexpected save-changes question for " << title.toStdString();
        return SaveChoice::Cancel;
    }
    const SaveChoice answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QStringList FakeDialogs::AskOpenFileNames(QWidget*) {
    if (openAnswers.empty()) {
        return {};
    }
    QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<IUserDialogs::ExportTarget>
FakeDialogs::AskExportFileName(QWidget*, const QString& suggestion, bool proposeUtf8) {
    exportAsked.push_back({suggestion, proposeUtf8});
    if (exportAnswers.empty()) {
        return std::nullopt;
    }
    const ExportAnswer answer = exportAnswers.front();
    exportAnswers.pop_front();
    return ExportTarget{answer.path, answer.utf8.value_or(proposeUtf8)};
}

std::optional<QColor> FakeDialogs::AskColour(QWidget*, const QColor&) {
    ++coloursAsked;
    if (colourAnswers.empty()) {
        return std::nullopt;
    }
    const auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}

bool FakeDialogs::AskYesNo(QWidget*, const QString& text, const QString& caption) {
    yesNoAsked.append(caption + QStringLiteral(": ") + text);
    if (yesNoAnswers.empty()) {
        ADD_FAILURE() << "unexpected question " << text.toStdString();
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString FakeDialogs::AskSaveFileName(QWidget*, const QString&) {
    ++saveAsAsked;
    if (saveAsAnswers.empty()) {
        return {};
    }
    QString answer = saveAsAnswers.front();
    saveAsAnswers.pop_front();
    return answer;
}

Sandbox::Sandbox() {
    EXPECT_TRUE(m_dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_dir.filePath(QStringLiteral("settings")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       m_dir.filePath(QStringLiteral("settings")));
    // The network profiles too live in the scratch folder.
    m_oldConfigDir = qgetenv("TARNELL_CONFIG_DIR");
    m_hadConfigDir = qEnvironmentVariableIsSet("TARNELL_CONFIG_DIR");
    qputenv("TARNELL_CONFIG_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    // Channels copied by an earlier test would enable Paste in the next one.
    QGuiApplication::clipboard()->clear();
}

Sandbox::~Sandbox() {
    // Point the store somewhere that does not exist any more rather than at the real one.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_dir.filePath(QStringLiteral("gone")));
    if (m_hadConfigDir) {
        qputenv("TARNELL_CONFIG_DIR", m_oldConfigDir);
    } else {
        qunsetenv("TARNELL_CONFIG_DIR");
    }
}

QString Sandbox::WriteFactoryList(const QString& name) const {
    CTarnell1018Doc document;
    document.OnNewDocument();
    const QString path = Path(name);
    document.Save(path.toStdString());
    return path;
}

} // namespace tarnell::test
