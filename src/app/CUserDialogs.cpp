#include "IUserDialogs.h"

#include "CVerschiebenAufPosDlg.h"

#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tarnell {

namespace {

QString Caption() {
    return QStringLiteral("Tarnell 1018");
}

} // namespace

QStringList CUserDialogs::SettingsFileFilters() {
    return {tr("Settings files (*.fdu *.sys)"), tr("Service lists (*.fdu)"),
            tr("Service lists with configuration (*.sys)"), tr("All files (*)")};
}

IUserDialogs::SaveChoice CUserDialogs::AskSaveChanges(QWidget* parent,
                                                      const QString& documentTitle) {
    const auto answer = QMessageBox::question(
        parent, Caption(), tr("Save changes to %1?").arg(documentTitle),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

QStringList CUserDialogs::AskOpenFileNames(QWidget* parent) {
    return QFileDialog::getOpenFileNames(parent, tr("Open"), QString(),
                                         SettingsFileFilters().join(QStringLiteral(";;")));
}

std::optional<IUserDialogs::ExportTarget>
CUserDialogs::AskExportFileName(QWidget* parent, const QString& suggestion, bool proposeUtf8) {
    QFileDialog dialog(parent, tr("Export Channel List"), suggestion);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Windows-1252 is what other tools read; UTF-8 keeps every name.
    const QString ansi = tr("Vezi Exportliste (*.txt)");
    const QString utf8 = tr("Vezi export list in UTF-8 (*.txt)");
    dialog.setNameFilters({ansi, utf8});
    dialog.selectNameFilter(proposeUtf8 ? utf8 : ansi);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ExportTarget{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter() == utf8};
}

QString CUserDialogs::AskPdfFileName(QWidget* parent, const QString& suggestion) {
    QFileDialog dialog(parent, tr("Export as PDF"), suggestion);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("PDF documents (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString CUserDialogs::AskSaveFileName(QWidget* parent, const QString& suggestion) {
    QFileDialog dialog(parent, tr("Save As"), suggestion);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(SettingsFileFilters());
    // A name typed without an ending still becomes a settings file.
    dialog.setDefaultSuffix(QStringLiteral("fdu"));
    if (suggestion.endsWith(QStringLiteral(".sys"), Qt::CaseInsensitive)) {
        dialog.selectNameFilter(SettingsFileFilters().at(2));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void CUserDialogs::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Caption(), text);
}

void CUserDialogs::ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Caption(), text);
}

void CUserDialogs::ShowNotice(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Caption(), text, QMessageBox::Ok, parent);
    box.exec();
}

void CUserDialogs::ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                               const QString& text) {
    QMessageBox box(icon, caption.isEmpty() ? Caption() : caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool CUserDialogs::AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool CUserDialogs::AskYesNoWithDetails(QWidget* parent, const QString& text, const QString& caption,
                                       const QString& details) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setDetailedText(details);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QColor> CUserDialogs::AskColour(QWidget* parent, const QColor& current) {
    const QColor colour = QColorDialog::getColor(current, parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

std::optional<int> CUserDialogs::AskPosition(QWidget* parent, int maximum) {
    CVerschiebenAufPosDlg dialog(1, 1, maximum, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Value();
}

QString CUserDialogs::AskFileToRead(QWidget* parent, const QString& caption,
                                    const QStringList& filters, const QString& current,
                                    bool folder) {
    if (folder) {
        return QFileDialog::getExistingDirectory(parent, caption, current);
    }
    QStringList all = filters;
    all << tr("All files (*)");
    return QFileDialog::getOpenFileName(parent, caption, current, all.join(QStringLiteral(";;")));
}

void CUserDialogs::ShowReport(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* copy = box.addButton(tr("Copy"), QMessageBox::ActionRole);
    // The copy button must not close the report.
    copy->disconnect();
    QObject::connect(copy, &QPushButton::clicked, &box,
                     [text] { QGuiApplication::clipboard()->setText(text); });
    box.exec();
}

} // namespace tarnell
