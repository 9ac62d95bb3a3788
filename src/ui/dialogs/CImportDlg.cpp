#include "CImportDlg.h"

#include "CEnigma2ImportManager.h"
#include "CTarnell1018Doc.h"
#include "FileError.h"
#include "HelpTopic.h"
#include "ImportMerge.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace tarnell {

namespace {

constexpr int kUp = 0;
constexpr int kDown = 1;
constexpr int kRemove = 2;
constexpr int kBouquetRole = Qt::UserRole + 1;
const char* const kPleaseCheckFiles = "Please check files";

// The readers' own messages, German as the receiver's tools word them.
const char* const kReaderMessages[] = {
    QT_TRANSLATE_NOOP("tarnell::CImportDlg",
                      "Datenfile nicht gefunden, oder Datenfile in Gebrauch!"),
    QT_TRANSLATE_NOOP("tarnell::CImportDlg", "Fehler beim Lesen des Datenfiles!"),
    QT_TRANSLATE_NOOP("tarnell::CImportDlg", "Die Systemdaten sind fehlerhaft!"),
};

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

} // namespace

CImportDlg::CImportDlg(int mode, Services services, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_services(std::move(services)) {
    SetHelpTopic(this, "import");
    setObjectName(QStringLiteral("importDialog"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(220, 230, 244));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    auto* paths = new QGridLayout;
    layout->addLayout(paths);
    auto pathRow = [this, paths](int row, const QString& label, QLineEdit*& edit) {
        auto* caption = new QLabel(label, this);
        edit = new QLineEdit(this);
        edit->setMaxLength(256);
        edit->setMinimumWidth(380);
        caption->setBuddy(edit);
        auto* browse = new QPushButton(tr("Browse..."), this);
        browse->setAutoDefault(false);
        paths->addWidget(caption, row, 0);
        paths->addWidget(edit, row, 1);
        paths->addWidget(browse, row, 2);
        return browse;
    };
    QPushButton* browseSource = pathRow(0, tr("Source:"), m_source);
    m_source->setObjectName(QStringLiteral("importSource"));
    m_folderButton = new QPushButton(tr("Folder..."), this);
    m_folderButton->setAutoDefault(false);
    m_folderButton->setToolTip(tr("Choose the folder that holds lamedb and the bouquet files."));
    paths->addWidget(m_folderButton, 0, 3);
    QPushButton* browseTarget = pathRow(1, tr("Base settings file:"), m_target);
    m_target->setObjectName(QStringLiteral("importTarget"));
    m_target->setToolTip(tr("Its satellites and receiver configuration are kept; the file "
                            "itself is not changed."));

    auto* lists = new QHBoxLayout;
    layout->addLayout(lists, 1);
    lists->addWidget(MakeList(true));
    lists->addWidget(MakeList(false));

    auto* busy = new QHBoxLayout;
    m_busyLabel = new QLabel(this);
    m_busyBar = new QProgressBar(this);
    m_busyBar->setRange(0, 0);
    m_busyBar->setMaximumWidth(160);
    busy->addWidget(m_busyLabel, 1);
    busy->addWidget(m_busyBar);
    layout->addLayout(busy);
    m_busyLabel->hide();
    m_busyBar->hide();

    m_details = new QPlainTextEdit(this);
    m_details->setObjectName(QStringLiteral("importDetails"));
    m_details->setReadOnly(true);
    m_details->setMaximumHeight(110);
    m_details->hide();
    layout->addWidget(m_details);

    auto* buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(tr("Start Import"), QDialogButtonBox::ActionRole);
    m_start->setObjectName(QStringLiteral("importStart"));
    m_start->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);

    m_readTimer = new QTimer(this);
    m_readTimer->setSingleShot(true);
    m_readTimer->setInterval(kBouquetReadDelayMs);
    connect(m_readTimer, &QTimer::timeout, this, &CImportDlg::FillBouquetLists);
    connect(m_source, &QLineEdit::textChanged, this, &CImportDlg::OnSourceChanged);
    connect(m_target, &QLineEdit::textChanged, this, &CImportDlg::UpdateStart);
    connect(browseSource, &QPushButton::clicked, this, [this] { BrowseSource(false); });
    connect(m_folderButton, &QPushButton::clicked, this, [this] { BrowseSource(true); });
    connect(browseTarget, &QPushButton::clicked, this, &CImportDlg::BrowseTarget);
    connect(m_start, &QPushButton::clicked, this, &CImportDlg::StartImport);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    switch (m_mode) {
    case kEnigma2:
        setWindowTitle(QStringLiteral("Enigma2 -> FDU"));
        break;
    case kUdb:
        setWindowTitle(QStringLiteral("Octagon 918 HD Differenze UDB -> FDU"));
        break;
    case kBin:
        setWindowTitle(QStringLiteral("Octagon SD x18 BIN -> FDU"));
        break;
    default:
        m_services.showMessage(QMessageBox::Warning, QString(), tr("kein Source"));
        break;
    }
    const bool enigma2 = m_mode == kEnigma2 || !ValidMode();
    m_tvList->parentWidget()->setEnabled(enigma2);
    m_radioList->parentWidget()->setEnabled(enigma2);
    m_folderButton->setVisible(m_mode == kEnigma2);
    UpdateStart();
}

CImportDlg::~CImportDlg() = default;

QWidget* CImportDlg::MakeList(bool tv) {
    auto* box = new QGroupBox(tv ? tr("Bouquets (TV)") : tr("Bouquets (Radio)"), this);
    auto* layout = new QVBoxLayout(box);
    auto* list = new QListWidget(box);
    list->setObjectName(tv ? QStringLiteral("tvBouquets") : QStringLiteral("radioBouquets"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setDragDropMode(QAbstractItemView::InternalMove);
    list->setDefaultDropAction(Qt::MoveAction);
    layout->addWidget(list, 1);
    auto* row = new QHBoxLayout;
    const QString texts[3] = {tr("Up"), tr("Down"), tr("Remove")};
    const QStyle::StandardPixmap icons[3] = {QStyle::SP_ArrowUp, QStyle::SP_ArrowDown,
                                             QStyle::SP_DialogDiscardButton};
    for (int which = 0; which < 3; ++which) {
        auto* button = new QPushButton(style()->standardIcon(icons[which]), texts[which], box);
        button->setAutoDefault(false);
        row->addWidget(button);
        m_listButtons[tv ? 0 : 1][which] = button;
    }
    row->addStretch(1);
    layout->addLayout(row);
    (tv ? m_tvList : m_radioList) = list;
    connect(list, &QListWidget::itemSelectionChanged, this, [this, tv] { UpdateListButtons(tv); });
    connect(list->model(), &QAbstractItemModel::rowsMoved, this,
            [this, tv] { UpdateListButtons(tv); });
    connect(ListButton(tv, kUp), &QPushButton::clicked, this, [this, tv] { MoveItem(tv, -1); });
    connect(ListButton(tv, kDown), &QPushButton::clicked, this, [this, tv] { MoveItem(tv, 1); });
    connect(ListButton(tv, kRemove), &QPushButton::clicked, this, [this, tv] { RemoveItem(tv); });
    UpdateListButtons(tv);
    return box;
}

QPushButton* CImportDlg::ListButton(bool tv, int which) const {
    return m_listButtons[tv ? 0 : 1][which];
}

void CImportDlg::UpdateListButtons(bool tv) {
    QListWidget* list = BouquetList(tv);
    const int row = list->currentRow();
    const bool selected = row >= 0 && !list->selectedItems().isEmpty();
    ListButton(tv, kUp)->setEnabled(selected && row > 0);
    ListButton(tv, kDown)->setEnabled(selected && row + 1 < list->count());
    ListButton(tv, kRemove)->setEnabled(selected);
}

void CImportDlg::MoveItem(bool tv, int step) {
    QListWidget* list = BouquetList(tv);
    const int row = list->currentRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= list->count()) {
        return;
    }
    QListWidgetItem* item = list->takeItem(row);
    list->insertItem(to, item);
    list->setCurrentRow(to);
    UpdateListButtons(tv);
}

void CImportDlg::RemoveItem(bool tv) {
    QListWidget* list = BouquetList(tv);
    const int row = list->currentRow();
    if (row >= 0) {
        delete list->takeItem(row);
    }
    UpdateListButtons(tv);
}

void CImportDlg::OnSourceChanged() {
    switch (m_mode) {
    case kEnigma2:
        // Every keystroke would read the whole folder of bouquets again.
        m_readTimer->start();
        break;
    case kUdb:
    case kBin:
        break;
    default:
        m_services.showMessage(QMessageBox::Warning, QString(), tr("kein Source"));
        break;
    }
    UpdateStart();
}

void CImportDlg::ReadBouquetsNow() {
    if (m_readTimer->isActive()) {
        m_readTimer->stop();
        FillBouquetLists();
    }
}

void CImportDlg::FillBouquetLists() {
    m_bouquets.RemoveAll();
    m_tvList->clear();
    m_radioList->clear();
    const QString source = m_source->text().trimmed();
    if (!source.isEmpty()) {
        SetBusy(true, tr("Reading the bouquets..."));
        try {
            ReadBouquets(m_bouquets, CEnigma2ImportManager::ResolveDatabase(ToPath(source)));
        } catch (const std::exception&) {
            // A path that leads to no bouquets offers none.
            m_bouquets.RemoveAll();
        }
        SetBusy(false);
    }
    for (const bool tv : {true, false}) {
        QListWidget* list = BouquetList(tv);
        for (const CE2ImportBouquet* bouquet : m_bouquets.Offered(tv)) {
            const QString name = QString::fromStdString(bouquet->name)
                                     .left(static_cast<int>(CE2ImportBouquet::kMaxNameCharacters));
            auto* item = new QListWidgetItem(
                QStringLiteral("%1 (%2)").arg(name).arg(bouquet->entries.size()), list);
            item->setData(kBouquetRole, QVariant::fromValue(reinterpret_cast<quintptr>(bouquet)));
        }
        UpdateListButtons(tv);
    }
}

std::vector<const CE2ImportBouquet*> CImportDlg::Chosen(bool tv) const {
    std::vector<const CE2ImportBouquet*> chosen;
    const QListWidget* list = BouquetList(tv);
    for (int row = 0; row < list->count(); ++row) {
        // An item without a bouquet makes no list and takes no list number.
        if (const auto bouquet = list->item(row)->data(kBouquetRole).value<quintptr>()) {
            chosen.push_back(reinterpret_cast<const CE2ImportBouquet*>(bouquet));
        }
    }
    return chosen;
}

void CImportDlg::UpdateStart() {
    m_start->setEnabled(!m_busy && !m_source->text().trimmed().isEmpty() &&
                        !m_target->text().trimmed().isEmpty());
}

void CImportDlg::BrowseSource(bool folder) {
    QStringList filters;
    switch (m_mode) {
    case kEnigma2:
        filters << QStringLiteral("lamedb (Enigma2) (lamedb lamedb5)");
        break;
    case kUdb:
        filters << QStringLiteral("Octagon 918/908/818/718 (*.udb *.UDB)");
        break;
    case kBin:
        filters << QStringLiteral("Octagon SD x18 / x18+ (*.bin *.binx)");
        break;
    default:
        break;
    }
    const QString path =
        m_services.askPath(tr("Channel list to import"), filters, m_source->text(), folder);
    if (!path.isEmpty()) {
        m_source->setText(path);
        // A chosen path is complete: no pause to wait for.
        ReadBouquetsNow();
    }
}

void CImportDlg::BrowseTarget() {
    const QStringList filters = {QStringLiteral("Octagon 10x8 Settings (*.fdu *.sys)"),
                                 QStringLiteral("fdu Settings (*.fdu)"),
                                 QStringLiteral("sys Settings (*.sys)")};
    const QString path =
        m_services.askPath(tr("Base settings file"), filters, m_target->text(), false);
    if (!path.isEmpty()) {
        m_target->setText(path);
    }
}

void CImportDlg::SetBusy(bool busy, const QString& text) {
    m_busy = busy;
    m_busyLabel->setText(text);
    m_busyLabel->setVisible(busy);
    m_busyBar->setVisible(busy);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The read blocks the window; show what it is doing before it starts.
        m_busyLabel->repaint();
        m_busyBar->repaint();
    } else {
        QApplication::restoreOverrideCursor();
    }
    UpdateStart();
}

void CImportDlg::ShowDetails(const QString& text) {
    m_details->setPlainText(text);
    m_details->setVisible(!text.isEmpty());
}

void CImportDlg::StartImport() {
    if (m_busy || !m_start->isEnabled()) {
        return;
    }
    if (!ValidMode()) {
        m_services.showMessage(QMessageBox::Warning, QString(), tr("kein Source"));
        return;
    }
    ReadBouquetsNow();
    ImportRequest request;
    request.kind = m_mode == kEnigma2 ? ImportKind::Enigma2
                   : m_mode == kUdb   ? ImportKind::Udb
                                      : ImportKind::Bin;
    request.source = ToPath(m_source->text().trimmed());
    request.base = ToPath(m_target->text().trimmed());
    request.favCodepage = m_services.favCodepage;
    if (m_mode == kEnigma2) {
        request.tvBouquets = Chosen(true);
        request.radioBouquets = Chosen(false);
    }
    ImportReport report;
    std::unique_ptr<CTarnell1018Doc> document;
    QString failure;
    SetBusy(true, tr("Importing the channel list..."));
    try {
        document = ImportIntoNewDocument(request, report);
    } catch (const std::exception& error) {
        failure = QString::fromStdString(error.what());
    }
    SetBusy(false);
    if (!document) {
        // No document was made, so there is none to close and nothing to ask about.
        QStringList reasons;
        for (const auto& message : report.messages) {
            reasons << MessageText(message);
        }
        const bool readerFailed = failure == QLatin1String(kPleaseCheckFiles);
        if (!readerFailed) {
            reasons.prepend(failure);
        }
        ShowDetails(reasons.join(QLatin1Char('\n')));
        m_services.showMessage(QMessageBox::Critical, tr("Error"),
                               readerFailed ? tr("Please check files")
                                            : reasons.join(QLatin1Char('\n')));
        return;
    }
    const QString text = ReportText(report, m_bouquets.Skipped());
    accept();
    m_services.open(std::move(document), text);
}

QString CImportDlg::MessageText(const std::string& message) {
    const QString text = QString::fromStdString(message);
    for (const char* known : kReaderMessages) {
        if (message.find(known) != std::string::npos) {
            QString translated = text;
            return translated.replace(QString::fromUtf8(known), tr(known));
        }
    }
    return text;
}

QString CImportDlg::ReportText(const ImportReport& r,
                               const std::vector<std::string>& skippedBouquets) {
    QStringList lines;
    lines << tr("Imported: %1 TV and %2 radio channels, %3 transponders, %4 new satellites, "
                "%5 favourite lists.")
                 .arg(r.tvChannels)
                 .arg(r.radioChannels)
                 .arg(r.transponders)
                 .arg(r.satellitesAdded)
                 .arg(r.favouriteLists);
    const std::pair<int, QString> drops[] = {
        {r.droppedNoFreeSlot, tr("Left out: %1 transponders, no free transponder slot.")},
        {r.droppedBadTransponder,
         tr("Left out: %1 transponders whose frequency or position the receiver cannot store.")},
        {r.droppedSatelliteLimit,
         tr("Left out: %1 satellites beyond 255 (their transponders went to the last one).")},
        {r.droppedChannelLimit,
         tr("Left out: %1 services, the receiver holds at most 10,000 channels.")},
        {r.droppedServiceType, tr("Left out: %1 services of a type the receiver does not list "
                                  "(only 1, 2, 4, 22 and 25).")},
        {r.channelsWithoutTransponder, tr("Note: %1 channels have no transponder.")},
    };
    for (const auto& [count, text] : drops) {
        if (count > 0) {
            lines << text.arg(count);
        }
    }
    for (const auto& skipped : skippedBouquets) {
        lines << QString::fromStdString(skipped);
    }
    for (const auto& message : r.messages) {
        lines << MessageText(message);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace tarnell
