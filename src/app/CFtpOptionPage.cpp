#include "CFtpOptionPage.h"

#include "CNetworkProfileArray.h"
#include "CommandIcons.h"
#include "HelpTopic.h"
#include "IUserDialogs.h"
#include "LinkMessage.h"
#include "LinkMessageTexts.h"
#include "ReceiverTransfer.h"

#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QFont>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>
#include <memory>

namespace tarnell {

namespace {

constexpr int kMinPort = 1;
constexpr int kMaxPort = 65535;
constexpr qsizetype kMaxErrorText = 1024;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CNetworkProfileListModel::CNetworkProfileListModel(CNetworkProfileArray& profiles, QObject* parent)
    : QAbstractListModel(parent), m_profiles(profiles) {}

int CNetworkProfileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_profiles.Size());
}

QVariant CNetworkProfileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const CNetworkProfileData* profile = m_profiles.At(static_cast<size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return FromUtf8(profile->m_name);
    case Qt::ToolTipRole:
        return QStringLiteral("%1:%2").arg(FromUtf8(profile->ServerText())).arg(profile->m_port);
    case Qt::FontRole:
        if (index.row() == ActiveRow()) {
            QFont font;
            font.setBold(true);
            return font;
        }
        break;
    default:
        break;
    }
    return {};
}

Qt::ItemFlags CNetworkProfileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

bool CNetworkProfileListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) {
        return false;
    }
    const QString name = value.toString().trimmed();
    CNetworkProfileData* profile = m_profiles.At(static_cast<size_t>(index.row()));
    if (name == FromUtf8(profile->m_name)) {
        return true;
    }
    if (name.isEmpty()) {
        emit RenameRefused(tr("A network profile needs a name."));
        return false;
    }
    if (m_profiles.Find(name.toStdString()) >= 0) {
        emit RenameRefused(tr("There is a network profile named \"%1\" already.").arg(name));
        return false;
    }
    profile->m_name = name.toStdString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit ProfilesChanged();
    return true;
}

int CNetworkProfileListModel::ActiveRow() const {
    const int32_t active = m_profiles.GetActiveIndex();
    return active >= 0 && static_cast<size_t>(active) < m_profiles.Size() ? active : -1;
}

void CNetworkProfileListModel::SetActiveRow(int row) {
    if (row < 0 || row >= rowCount() || row == ActiveRow()) {
        return;
    }
    m_profiles.SetActiveIndex(row);
    ActiveMarkChanged();
    emit ProfilesChanged();
}

void CNetworkProfileListModel::ActiveMarkChanged() {
    if (rowCount() > 0) {
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::FontRole});
    }
}

int CNetworkProfileListModel::AppendProfile(const QString& wantedName) {
    QString name = wantedName.trimmed();
    for (int n = 2; name.isEmpty() || m_profiles.Find(name.toStdString()) >= 0; ++n) {
        name = QStringLiteral("%1 %2").arg(wantedName.trimmed()).arg(n);
    }
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_profiles.AddProfile(name.toStdString());
    endInsertRows();
    emit ProfilesChanged();
    return row;
}

bool CNetworkProfileListModel::RemoveProfile(int row) {
    if (row < 0 || row >= rowCount() || rowCount() <= 1) {
        return false;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_profiles.RemoveProfile(static_cast<size_t>(row));
    endRemoveRows();
    ActiveMarkChanged();
    emit ProfilesChanged();
    return true;
}

bool CNetworkProfileListModel::MoveProfile(int row, int newRow) {
    if (row < 0 || row >= rowCount() || newRow < 0 || newRow >= rowCount() || row == newRow) {
        return false;
    }
    const int active = ActiveRow();
    const CNetworkProfileData* activeProfile =
        active >= 0 ? m_profiles.At(static_cast<size_t>(active)) : nullptr;
    // Qt counts the destination before the move, the list after it.
    if (!beginMoveRows(QModelIndex(), row, row, QModelIndex(),
                       newRow > row ? newRow + 1 : newRow)) {
        return false;
    }
    m_profiles.MoveProfile(m_profiles.At(static_cast<size_t>(row)), static_cast<size_t>(newRow));
    if (activeProfile) {
        m_profiles.SetActiveIndex(static_cast<int32_t>(m_profiles.IndexOf(activeProfile)));
    }
    endMoveRows();
    ActiveMarkChanged();
    emit ProfilesChanged();
    return true;
}

CFtpOptionPage::CFtpOptionPage(CNetworkProfileArray& profiles, IUserDialogs& dialogs,
                               QWidget* parent)
    : COptionsPage(parent), m_profiles(profiles), m_dialogs(dialogs) {
    SetHelpTopic(this, "receiver");
    setObjectName(QStringLiteral("ftpOptionPage"));
    m_model = new CNetworkProfileListModel(profiles, this);
    connect(m_model, &CNetworkProfileListModel::ProfilesChanged, this,
            [this] { m_changed = true; });
    // Queued: the refusal comes while the list's editor is closing.
    connect(
        m_model, &CNetworkProfileListModel::RenameRefused, this,
        [this](const QString& reason) { m_dialogs.ShowError(this, reason); }, Qt::QueuedConnection);

    auto* profileBox = new QGroupBox(tr("Profiles"), this);
    auto* profileLayout = new QVBoxLayout(profileBox);
    auto* tools = new QHBoxLayout;
    tools->setSpacing(0);
    auto tool = [&](QToolButton*& button, const char* name, const QString& tip,
                    QStyle::StandardPixmap pixmap, const QString& theme) {
        button = new QToolButton(profileBox);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(tip);
        button->setAutoRaise(true);
        button->setIcon(QIcon::fromTheme(theme, style()->standardIcon(pixmap)));
        tools->addWidget(button);
    };
    tool(m_newButton, "newProfile", tr("New profile"), QStyle::SP_FileIcon,
         QStringLiteral("list-add"));
    tool(m_deleteButton, "deleteProfile", tr("Delete profile"), QStyle::SP_TrashIcon,
         QStringLiteral("list-remove"));
    tool(m_upButton, "moveProfileUp", tr("Move up"), QStyle::SP_ArrowUp, QStringLiteral("go-up"));
    tool(m_downButton, "moveProfileDown", tr("Move down"), QStyle::SP_ArrowDown,
         QStringLiteral("go-down"));
    tools->addStretch(1);
    profileLayout->addLayout(tools);
    m_list = new QListView(profileBox);
    m_list->setObjectName(QStringLiteral("profileList"));
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    profileLayout->addWidget(m_list);

    auto* loginBox = new QGroupBox(tr("Receiver"), this);
    auto* form = new QFormLayout(loginBox);
    m_address = new QLineEdit(loginBox);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setPlaceholderText(QStringLiteral("192.168.0.10"));
    m_address->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.]{0,15}")), m_address));
    m_port = new QLineEdit(loginBox);
    m_port->setObjectName(QStringLiteral("port"));
    m_port->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_port));
    m_port->setMaximumWidth(m_port->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                            16);
    m_user = new QLineEdit(loginBox);
    m_user->setObjectName(QStringLiteral("user"));
    m_password = new QLineEdit(loginBox);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_forcedReboot = new QCheckBox(tr("Restart with \"reboot -f\""), loginBox);
    m_forcedReboot->setObjectName(QStringLiteral("forcedReboot"));
    m_testButton = new QPushButton(tr("Test FTP Login"), loginBox);
    m_testButton->setObjectName(QStringLiteral("ftpTest"));
    form->addRow(tr("Address:"), m_address);
    form->addRow(tr("Port:"), m_port);
    form->addRow(tr("User:"), m_user);
    form->addRow(tr("Password:"), m_password);
    form->addRow(QString(), m_forcedReboot);
    form->addRow(QString(), m_testButton);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(profileBox, 2);
    layout->addWidget(loginBox, 3);

    connect(m_newButton, &QToolButton::clicked, this, &CFtpOptionPage::AddProfile);
    connect(m_deleteButton, &QToolButton::clicked, this, &CFtpOptionPage::RemoveProfile);
    connect(m_upButton, &QToolButton::clicked, this, &CFtpOptionPage::MoveUp);
    connect(m_downButton, &QToolButton::clicked, this, &CFtpOptionPage::MoveDown);
    connect(m_testButton, &QPushButton::clicked, this, &CFtpOptionPage::RunFtpTest);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    m_model->SetActiveRow(current.row());
                    ShowActiveProfile();
                }
            });
    for (QLineEdit* edit : {m_address, m_port, m_user, m_password}) {
        connect(edit, &QLineEdit::textEdited, this, [this] {
            m_fieldsEdited = true;
            WriteFields();
        });
    }
    connect(m_forcedReboot, &QCheckBox::toggled, this, [this] { WriteFields(); });

    SelectActiveRow();
    ShowActiveProfile();
}

void CFtpOptionPage::SelectActiveRow() {
    const int row = m_model->ActiveRow();
    if (row >= 0) {
        m_list->setCurrentIndex(m_model->index(row));
    }
    UpdateButtons();
}

void CFtpOptionPage::UpdateButtons() {
    const int row = m_list->currentIndex().row();
    const int count = m_model->rowCount();
    m_deleteButton->setEnabled(row >= 0 && count > 1);
    m_upButton->setEnabled(row > 0);
    m_downButton->setEnabled(row >= 0 && row + 1 < count);
}

void CFtpOptionPage::ShowActiveProfile() {
    const int row = m_model->ActiveRow();
    const CNetworkProfileData* profile =
        row >= 0 ? m_profiles.At(static_cast<size_t>(row)) : nullptr;
    m_showing = true;
    m_address->setText(profile ? FromUtf8(profile->ServerText()) : QString());
    m_port->setText(profile ? QString::number(profile->m_port) : QString());
    m_user->setText(profile ? FromUtf8(profile->m_user) : QString());
    m_password->setText(profile ? FromUtf8(profile->m_password) : QString());
    m_forcedReboot->setChecked(profile && profile->m_forcedReboot != 0);
    m_showing = false;
    m_fieldsEdited = false;
    UpdateButtons();
}

void CFtpOptionPage::WriteFields() {
    const int row = m_model->ActiveRow();
    if (m_showing || row < 0) {
        return;
    }
    CNetworkProfileData* profile = m_profiles.At(static_cast<size_t>(row));
    const CNetworkProfileData before = *profile;
    if (const auto address = Address()) {
        profile->m_address = *address;
    }
    if (const auto port = Port()) {
        profile->m_port = *port;
    }
    profile->m_user = m_user->text().toStdString();
    profile->m_password = m_password->text().toStdString();
    profile->m_forcedReboot = m_forcedReboot->isChecked() ? 1 : 0;
    if (!(before == *profile)) {
        m_changed = true;
        emit m_model->dataChanged(m_model->index(row), m_model->index(row), {Qt::ToolTipRole});
    }
}

std::optional<uint32_t> CFtpOptionPage::Address() const {
    return ParseIpv4(m_address->text().trimmed().toStdString());
}

std::optional<int> CFtpOptionPage::Port() const {
    bool ok = false;
    const int port = m_port->text().trimmed().toInt(&ok);
    if (!ok || port < kMinPort || port > kMaxPort) {
        return std::nullopt;
    }
    return port;
}

bool CFtpOptionPage::CheckAddress() {
    if (Address()) {
        return true;
    }
    m_dialogs.ShowError(this, tr("The receiver's address must be four numbers from 0 to 255 "
                                 "separated by dots, such as 192.168.0.10."));
    m_address->setFocus();
    m_address->selectAll();
    return false;
}

bool CFtpOptionPage::CheckPort() {
    if (Port()) {
        return true;
    }
    m_dialogs.ShowError(this, tr("The port must be a whole number from %1 to %2; FTP usually "
                                 "uses %3.")
                                  .arg(kMinPort)
                                  .arg(kMaxPort)
                                  .arg(CNetworkProfileData::kDefaultPort));
    m_port->setFocus();
    m_port->selectAll();
    return false;
}

bool CFtpOptionPage::Validate() {
    // What the user has not touched is the profile as stored; OK leaves it so.
    return !m_fieldsEdited || (CheckAddress() && CheckPort());
}

void CFtpOptionPage::OnOk() {
    WriteFields();
}

void CFtpOptionPage::AddProfile() {
    const int row = m_model->AppendProfile(tr("Receiver"));
    m_model->SetActiveRow(row);
    SelectActiveRow();
    ShowActiveProfile();
    // The user names it right away, as in any list with a New button.
    m_list->edit(m_model->index(row));
}

void CFtpOptionPage::RemoveProfile() {
    const int row = m_list->currentIndex().row();
    if (m_model->RemoveProfile(row)) {
        SelectActiveRow();
        ShowActiveProfile();
    }
}

void CFtpOptionPage::MoveUp() {
    const int row = m_list->currentIndex().row();
    if (m_model->MoveProfile(row, row - 1)) {
        SelectActiveRow();
        ShowActiveProfile();
    }
}

void CFtpOptionPage::MoveDown() {
    const int row = m_list->currentIndex().row();
    if (m_model->MoveProfile(row, row + 1)) {
        SelectActiveRow();
        ShowActiveProfile();
    }
}

void CFtpOptionPage::RunFtpTest() {
    if (!CheckAddress() || !CheckPort()) {
        return;
    }
    CNetworkProfileData values;
    if (const int row = m_model->ActiveRow(); row >= 0) {
        values.m_name = m_profiles.At(static_cast<size_t>(row))->m_name;
    }
    values.m_address = *Address();
    values.m_port = *Port();
    values.m_user = m_user->text().toStdString();
    values.m_password = m_password->text().toStdString();

    // An unreachable address takes the whole connect timeout: the login runs on a worker
    // thread behind a busy dialog, so the window keeps painting meanwhile.
    struct Outcome {
        LinkResult result;
        std::string error;
    };
    auto outcome = std::make_shared<Outcome>();
    QThread* worker = QThread::create([outcome, values, options = m_linkOptions] {
        try {
            outcome->result = TestFtpConnection(values, options);
        } catch (const std::exception& error) {
            outcome->error = error.what();
        }
    });
    // On the heap: should the sheet go while the loop runs, it takes the dialog with it.
    auto* progress =
        new QProgressDialog(tr("Logging in to %1:%2 ...").arg(m_address->text()).arg(values.m_port),
                            QString(), 0, 0, this);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowTitle(m_testButton->text());
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setCancelButton(nullptr);
    QEventLoop loop;
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    const QPointer<CFtpOptionPage> self(this);
    worker->start();
    progress->show();
    loop.exec();
    if (!self) {
        return;
    }
    progress->close();
    if (!outcome->error.empty()) {
        m_dialogs.ShowMessage(this, QMessageBox::Critical, LinkText(link_text::kErrorCaption),
                              FromUtf8(outcome->error).left(kMaxErrorText));
        return;
    }
    ShowLinkMessages(this, m_dialogs, outcome->result.messages);
}

QString CFtpOptionPage::Title() const {
    return tr("Network");
}

QString CFtpOptionPage::Description() const {
    return tr("The receivers on your network. Transfers use the profile selected in the list; "
              "changes take effect at once and stay even after Cancel.");
}

QIcon CFtpOptionPage::Icon() const {
    return QIcon::fromTheme(QStringLiteral("network-wired"),
                            BadgeIcon(QStringLiteral("N"), 0x2e7d32));
}

} // namespace tarnell
