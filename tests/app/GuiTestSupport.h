#pragma once

#include "IUserDialogs.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>
#include <vector>

namespace tarnell::test {

// Answers the frames' questions from a script and records every message.
class FakeDialogs : public IUserDialogs {
public:
    struct Message {
        QMessageBox::Icon icon;
        QString caption;
        QString text;
    };
    std::deque<SaveChoice> saveAnswers;
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAsAnswers;
    // A file for the text export, in the encoding given or else the one the dialog proposed.
    struct ExportAnswer {
        QString path;
        std::optional<bool> utf8;
    };
    std::deque<ExportAnswer> exportAnswers;
    struct ExportQuestion {
        QString suggestion;
        bool proposeUtf8;
    };
    std::vector<ExportQuestion> exportAsked;
    QStringList askedToSave;
    QStringList errors;
    QStringList informations;
    QStringList notices;
    std::vector<Message> messages;
    // A colour to pick, or nothing for Cancel; no answer left is Cancel too.
    std::deque<std::optional<QColor>> colourAnswers;
    int coloursAsked = 0;
    int saveAsAsked = 0;
    std::deque<bool> yesNoAnswers;
    QStringList yesNoAsked; // "caption: text" of every Yes/No question

    SaveChoice AskSaveChanges(QWidget*, const QString& title) override;
    QStringList AskOpenFileNames(QWidget*) override;
    QString AskSaveFileName(QWidget*, const QString&) override;
    std::optional<ExportTarget> AskExportFileName(QWidget*, const QString& suggestion,
                                                  bool proposeUtf8) override;
    // Answers from pdfAnswers (none left: Cancel) and records each suggestion.
    std::deque<QString> pdfAnswers;
    QStringList pdfSuggestions;
    QString AskPdfFileName(QWidget*, const QString& suggestion) override {
        pdfSuggestions.append(suggestion);
        if (pdfAnswers.empty()) {
            return {};
        }
        QString answer = pdfAnswers.front();
        pdfAnswers.pop_front();
        return answer;
    }
    void ShowError(QWidget*, const QString& text) override { errors.append(text); }
    void ShowInformation(QWidget*, const QString& text) override { informations.append(text); }
    void ShowNotice(QWidget*, const QString& text) override { notices.append(text); }
    void ShowMessage(QWidget*, QMessageBox::Icon icon, const QString& caption,
                     const QString& text) override {
        messages.push_back({icon, caption, text});
    }
    std::optional<QColor> AskColour(QWidget*, const QColor&) override;
    // Answers from yesNoAnswers; a question nobody expected fails the test and says No.
    bool AskYesNo(QWidget*, const QString& text, const QString& caption) override;
    // Recorded in yesNoDetails, answered as AskYesNo.
    QStringList yesNoDetails;
    bool AskYesNoWithDetails(QWidget* parent, const QString& text, const QString& caption,
                             const QString& details) override {
        yesNoDetails.append(details);
        return AskYesNo(parent, text, caption);
    }
    // Answers from positionAnswers (nothing: Cancel) and records each maximum asked with.
    std::deque<std::optional<int>> positionAnswers;
    std::vector<int> positionMaximums;
    std::optional<int> AskPosition(QWidget*, int maximum) override {
        positionMaximums.push_back(maximum);
        if (positionAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = positionAnswers.front();
        positionAnswers.pop_front();
        return answer;
    }
    // Answers from pathAnswers (none left: Cancel) and records whether a folder was asked for.
    std::deque<QString> pathAnswers;
    std::vector<bool> pathFolderAsked;
    QString AskFileToRead(QWidget*, const QString&, const QStringList&, const QString&,
                          bool folder) override {
        pathFolderAsked.push_back(folder);
        if (pathAnswers.empty()) {
            return {};
        }
        QString answer = pathAnswers.front();
        pathAnswers.pop_front();
        return answer;
    }
    QStringList reports;
    void ShowReport(QWidget*, const QString&, const QString& text) override {
        reports.append(text);
    }
};

// A private settings store and scratch folder for one test: the user's real settings are
// never read or written.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    // Where the program keeps its own files during the test (TARNELL_CONFIG_DIR).
    QString ConfigFolder() const { return m_dir.filePath(QStringLiteral("config")); }
    // The factory list saved under that name in the scratch folder.
    QString WriteFactoryList(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfigDir;
    bool m_hadConfigDir = false;
};

} // namespace tarnell::test
