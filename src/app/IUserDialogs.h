#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace tarnell {

// Every question and message box the frames show goes through here, so that tests can answer
// them without a modal loop.
class IUserDialogs {
public:
    enum class SaveChoice { Save, Discard, Cancel };
    // The text export's file, and whether it is written in UTF-8 rather than Windows-1252.
    struct ExportTarget {
        QString path;
        bool utf8 = false;
    };

    virtual ~IUserDialogs() = default;
    virtual SaveChoice AskSaveChanges(QWidget* parent, const QString& documentTitle) = 0;
    // Empty when the user cancelled.
    virtual QStringList AskOpenFileNames(QWidget* parent) = 0;
    virtual QString AskSaveFileName(QWidget* parent, const QString& suggestion) = 0;
    // The text export's file; a name without an ending gets ".txt". UTF-8 is the type offered
    // first when proposeUtf8. Nothing when cancelled.
    virtual std::optional<ExportTarget>
    AskExportFileName(QWidget* parent, const QString& suggestion, bool proposeUtf8) = 0;
    // The PDF file the printed list goes to; a name without an ending gets ".pdf". Empty when
    // cancelled.
    virtual QString AskPdfFileName(QWidget* parent, const QString& suggestion) = 0;
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual void ShowInformation(QWidget* parent, const QString& text) = 0;
    // A message box without an icon.
    virtual void ShowNotice(QWidget* parent, const QString& text) = 0;
    // A message box with its own caption, for the messages whose caption says what failed.
    virtual void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                             const QString& text) = 0;
    // Nothing when the user cancelled.
    virtual std::optional<QColor> AskColour(QWidget* parent, const QColor& current) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The same with a longer text the user may unfold, read and copy.
    virtual bool AskYesNoWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                     const QString& details) = 0;
    // The move-to-position dialog: a position from 1 to maximum; nothing when cancelled.
    virtual std::optional<int> AskPosition(QWidget* parent, int maximum) = 0;
    // A file to read (or, with folder, a folder), starting at current; empty when cancelled.
    virtual QString AskFileToRead(QWidget* parent, const QString& caption,
                                  const QStringList& filters, const QString& current,
                                  bool folder) = 0;
    // A longer text the user may read and copy, such as an import's report.
    virtual void ShowReport(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The real dialogs.
class CUserDialogs : public IUserDialogs {
    Q_DECLARE_TR_FUNCTIONS(CUserDialogs)
public:
    SaveChoice AskSaveChanges(QWidget* parent, const QString& documentTitle) override;
    QStringList AskOpenFileNames(QWidget* parent) override;
    QString AskSaveFileName(QWidget* parent, const QString& suggestion) override;
    std::optional<ExportTarget> AskExportFileName(QWidget* parent, const QString& suggestion,
                                                  bool proposeUtf8) override;
    QString AskPdfFileName(QWidget* parent, const QString& suggestion) override;
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowInformation(QWidget* parent, const QString& text) override;
    void ShowNotice(QWidget* parent, const QString& text) override;
    void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                     const QString& text) override;
    std::optional<QColor> AskColour(QWidget* parent, const QColor& current) override;
    bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    bool AskYesNoWithDetails(QWidget* parent, const QString& text, const QString& caption,
                             const QString& details) override;
    std::optional<int> AskPosition(QWidget* parent, int maximum) override;
    QString AskFileToRead(QWidget* parent, const QString& caption, const QStringList& filters,
                          const QString& current, bool folder) override;
    void ShowReport(QWidget* parent, const QString& caption, const QString& text) override;

    // "Settings files (*.fdu *.sys)" and its companions, for both file dialogs.
    static QStringList SettingsFileFilters();
};

} // namespace tarnell
