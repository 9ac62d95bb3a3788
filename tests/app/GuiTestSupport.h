#pragma once

#include "IUserDialogs.h"

#include <QStringList>
#include <QTemporaryDir>

#include <deque>

namespace tarnell::test {

// Answers the frames' questions from a script and records every message.
class FakeDialogs : public IUserDialogs {
public:
    std::deque<SaveChoice> saveAnswers;
    std::deque<QStringList> openAnswers;
    std::deque<QString> saveAsAnswers;
    QStringList askedToSave;
    QStringList errors;
    QStringList informations;
    QStringList notices;
    int saveAsAsked = 0;

    SaveChoice AskSaveChanges(QWidget*, const QString& title) override;
    QStringList AskOpenFileNames(QWidget*) override;
    QString AskSaveFileName(QWidget*, const QString&) override;
    void ShowError(QWidget*, const QString& text) override { errors.append(text); }
    void ShowInformation(QWidget*, const QString& text) override { informations.append(text); }
    void ShowNotice(QWidget*, const QString& text) override { notices.append(text); }
};

// A private settings store and scratch folder for one test: the user's real settings are
// never read or written.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    // The factory list saved under that name in the scratch folder.
    QString WriteFactoryList(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace tarnell::test
