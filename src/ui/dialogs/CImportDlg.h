#pragma once

#include "CE2ImportBouquet.h"
#include "ImportReport.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tarnell {

class CTarnell1018Doc;

// Brings a foreign channel list in: the source file (an Enigma2 lamedb or its folder, an
// Octagon 918 *.udb or an Octagon SD *.bin), the settings file whose satellites and
// configuration are kept, and for Enigma2 the TV and radio bouquets in the order that makes
// them favourite lists. The import builds a new document; the base file is never changed. A
// failure keeps the dialog open so the paths can be corrected.
class CImportDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode : int { kEnigma2 = 0, kUdb = 1, kBin = 2 };

    // What the dialog asks of the program around it.
    struct Services {
        // A file (or, with folder, a folder) to read; empty when cancelled.
        std::function<QString(const QString& caption, const QStringList& filters,
                              const QString& current, bool folder)>
            askPath;
        std::function<void(QMessageBox::Icon icon, const QString& caption, const QString& text)>
            showMessage;
        // Takes the imported document into a window and shows the report.
        std::function<void(std::unique_ptr<CTarnell1018Doc> document, const QString& report)> open;
        int favCodepage = 6;
    };

    // How long typing in the source must pause before its bouquets are read.
    static constexpr int kBouquetReadDelayMs = 400;

    CImportDlg(int mode, Services services, QWidget* parent = nullptr);
    ~CImportDlg() override;

    int Mode() const { return m_mode; }
    QLineEdit* SourceEdit() const { return m_source; }
    QLineEdit* TargetEdit() const { return m_target; }
    QPushButton* StartButton() const { return m_start; }
    QListWidget* BouquetList(bool tv) const { return tv ? m_tvList : m_radioList; }
    // Up, down, remove of one list.
    QPushButton* ListButton(bool tv, int which) const;
    // What the last failed attempt had to say; empty before.
    QPlainTextEdit* Details() const { return m_details; }
    // Reads the bouquets now instead of when typing pauses.
    void ReadBouquetsNow();
    void StartImport();

    // The report of an import for the user, line by line, as fdutool prints it.
    static QString ReportText(const ImportReport& report,
                              const std::vector<std::string>& skippedBouquets);
    static QString ReportCaption() { return tr("Import report"); }
    // A reader's or loader's message in the interface language where it has a translation.
    static QString MessageText(const std::string& message);

private:
    QWidget* MakeList(bool tv);
    void OnSourceChanged();
    void UpdateStart();
    void UpdateListButtons(bool tv);
    void MoveItem(bool tv, int step);
    void RemoveItem(bool tv);
    void FillBouquetLists();
    void BrowseSource(bool folder);
    void BrowseTarget();
    void SetBusy(bool busy, const QString& text = {});
    void ShowDetails(const QString& text);
    bool ValidMode() const { return m_mode >= kEnigma2 && m_mode <= kBin; }
    std::vector<const CE2ImportBouquet*> Chosen(bool tv) const;

    int m_mode;
    Services m_services;
    CE2ImportBouquetArray m_bouquets;
    QLineEdit* m_source = nullptr;
    QLineEdit* m_target = nullptr;
    QPushButton* m_folderButton = nullptr;
    QPushButton* m_start = nullptr;
    QListWidget* m_tvList = nullptr;
    QListWidget* m_radioList = nullptr;
    QPushButton* m_listButtons[2][3] = {};
    QLabel* m_busyLabel = nullptr;
    QProgressBar* m_busyBar = nullptr;
    QPlainTextEdit* m_details = nullptr;
    QTimer* m_readTimer = nullptr;
    bool m_busy = false;
};

} // namespace tarnell
