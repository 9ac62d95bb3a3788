#pragma once

#include <QObject>

#include <memory>

class QPrinter;

namespace tarnell {

class CChildFrame;
class CCommandRegistry;
class CDrucken;
class CMainFrame;
class IUserDialogs;

// Printing the active window's channel list: with the print dialog, at once on the chosen
// printer, as a preview, the page setup, and the same pages as a PDF file.
class CPrintCommands : public QObject {
    Q_OBJECT
public:
    CPrintCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs);
    ~CPrintCommands() override;

    void Update();
    // The printed list of the window's tree selection and shown kind, not yet laid out.
    std::unique_ptr<CDrucken> MakeJob(const CChildFrame& child) const;
    // The printer the commands share, so that the setup and the print dialog's choices stay.
    QPrinter& Printer();

    void Print();
    void PrintDirect();
    void PrintPreview();
    void PrintSetup();
    void ExportPdf();

private:
    // Prints the job on the printer's page range; says so when it fails.
    void PrintOn(QPrinter& printer);

    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
    IUserDialogs& m_dialogs;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace tarnell
