#include "CPrintCommands.h"

#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CDrucken.h"
#include "CLeftView.h"
#include "CMainFrame.h"
#include "CTarnell1018Doc.h"
#include "CTarnell1018View.h"
#include "CommandIcons.h"
#include "CommandIds.h"
#include "HelpTopic.h"
#include "IUserDialogs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace tarnell {

CPrintCommands::CPrintCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_dialogs(dialogs) {
    const std::pair<int, QString> texts[] = {
        {kCmdFilePrint, tr("Print")},
        {kCmdFilePrintDirect, tr("Quick Print")},
        {kCmdFilePrintPreview, tr("Print Preview")},
        {kCmdFilePrintSetup, tr("Print Setup...")},
        {kCmdFileExportPdf, tr("Export as PDF...")},
    };
    for (const auto& [id, text] : texts) {
        m_commands.Add(id, text, CommandIcon(id))->setEnabled(false);
    }
    connect(m_commands.Get(kCmdFilePrint), &QAction::triggered, this, &CPrintCommands::Print);
    connect(m_commands.Get(kCmdFilePrintDirect), &QAction::triggered, this,
            &CPrintCommands::PrintDirect);
    connect(m_commands.Get(kCmdFilePrintPreview), &QAction::triggered, this,
            &CPrintCommands::PrintPreview);
    connect(m_commands.Get(kCmdFilePrintSetup), &QAction::triggered, this,
            &CPrintCommands::PrintSetup);
    connect(m_commands.Get(kCmdFileExportPdf), &QAction::triggered, this,
            &CPrintCommands::ExportPdf);
}

CPrintCommands::~CPrintCommands() = default;

void CPrintCommands::Update() {
    const bool hasDocument = m_frame.ActiveChild() != nullptr;
    for (const int id :
         {kCmdFilePrint, kCmdFilePrintDirect, kCmdFilePrintPreview, kCmdFileExportPdf}) {
        m_commands.Get(id)->setEnabled(hasDocument);
    }
    m_commands.Get(kCmdFilePrintSetup)->setEnabled(true);
}

QPrinter& CPrintCommands::Printer() {
    // Made at first use: asking the print system for its printers can take a moment.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

std::unique_ptr<CDrucken> CPrintCommands::MakeJob(const CChildFrame& child) const {
    ListFill fill = child.List()->CurrentFill();
    fill.tv = child.ShowsTv();
    const QString node = child.Tree()->currentIndex().data().toString();
    QString selection;
    switch (fill.mode) {
    case ListMode::Favourite:
        selection = QStringLiteral("%1: %2").arg(tr("Favourite list"), node);
        break;
    case ListMode::Transponder:
        selection = QStringLiteral("%1: %2").arg(tr("Transponder"), node);
        break;
    case ListMode::Satellite:
        selection = QStringLiteral("%1: %2").arg(tr("Satellite"), node);
        break;
    case ListMode::Provider:
        selection = QStringLiteral("%1: %2").arg(tr("Provider"), node);
        break;
    case ListMode::AllChannels:
        selection = tr("All channels");
        break;
    }
    const CTarnell1018Doc& document = child.Document();
    auto job = std::make_unique<CDrucken>(document.File(), fill, document.GetConfigOptionFlag(),
                                          CDrucken::Headline{selection, child.Title()});
    job->SetFavouriteSequence(child.List()->FavouriteSequenceNumbering());
    return job;
}

void CPrintCommands::PrintOn(QPrinter& printer) {
    const CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    const auto job = MakeJob(*child);
    const bool range = printer.printRange() == QPrinter::PageRange;
    if (!job->Print(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0)) {
        m_dialogs.ShowError(
            &m_frame,
            tr("The channel list could not be printed on %1.").arg(printer.printerName()));
    }
}

void CPrintCommands::Print() {
    const CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    QPrinter& printer = Printer();
    const auto job = MakeJob(*child);
    job->Begin(printer);
    QPrintDialog dialog(&printer, &m_frame);
    dialog.setMinMax(1, job->PageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() == QDialog::Accepted) {
        PrintOn(printer);
    }
}

void CPrintCommands::PrintDirect() {
    QPrinter& printer = Printer();
    if (printer.outputFormat() == QPrinter::NativeFormat &&
        QPrinterInfo::availablePrinterNames().isEmpty()) {
        // Printing to nowhere would look done; say why nothing comes out.
        m_dialogs.ShowError(&m_frame, tr("No printer is set up. Export as PDF or print to a file "
                                         "from the Print dialog instead."));
        return;
    }
    printer.setPrintRange(QPrinter::AllPages);
    PrintOn(printer);
}

void CPrintCommands::PrintPreview() {
    if (!m_frame.ActiveChild()) {
        return;
    }
    QPrinter& printer = Printer();
    printer.setPrintRange(QPrinter::AllPages);
    auto* preview = new QPrintPreviewDialog(&printer, &m_frame);
    SetHelpTopic(preview, "printing");
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        if (const CChildFrame* child = m_frame.ActiveChild()) {
            MakeJob(*child)->Print(*target);
        }
    });
    preview->resize(m_frame.size() * 0.9);
    preview->open();
}

void CPrintCommands::PrintSetup() {
    QPageSetupDialog dialog(&Printer(), &m_frame);
    dialog.exec();
}

void CPrintCommands::ExportPdf() {
    const CChildFrame* child = m_frame.ActiveChild();
    if (!child) {
        return;
    }
    QString path = m_dialogs.AskPdfFileName(
        &m_frame,
        QDir(child->Folder())
            .filePath(QFileInfo(child->Title()).completeBaseName() + QStringLiteral(".pdf")));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    // Written beside the target and renamed at the end: a failure keeps the old file.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setPageLayout(Printer().pageLayout());
        writer.setTitle(child->Title());
        writer.setCreator(QStringLiteral("Tarnell 1018"));
        written = MakeJob(*child)->Print(writer);
    }
    if (!written || !file.commit()) {
        m_dialogs.ShowError(&m_frame, tr("The PDF file %1 could not be written: %2")
                                          .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    m_frame.SetCaptionText(
        tr("The printed pages were saved as %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace tarnell
