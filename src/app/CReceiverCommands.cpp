#include "CReceiverCommands.h"

#include "CAppPreferences.h"
#include "CChildFrame.h"
#include "CCommandRegistry.h"
#include "CCompareDlg.h"
#include "CMainFrame.h"
#include "CNetworkProfileArray.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "FileError.h"
#include "IUserDialogs.h"
#include "LinkMessageTexts.h"
#include "ListDifference.h"
#include "ReceiverRestart.h"
#include "ReceiverTransfer.h"

#include <QProgressDialog>
#include <QThread>

#include <cstdlib>
#include <exception>

namespace tarnell {

namespace {

using namespace link_text;

// As fdutool does: only a test or a demo against the simulator moves the login shell's port.
LinkOptions DefaultOptions() {
    LinkOptions options;
    if (const char* port = std::getenv("TARNELL_RESTART_PORT"); port != nullptr && *port != 0) {
        char* end = nullptr;
        const long value = std::strtol(port, &end, 10);
        if (*end == '\0' && value >= 1 && value <= 65535) {
            options.restartPort = static_cast<int>(value);
        }
    }
    return options;
}

// Nothing a worker throws may take the program down; it becomes the "Error" box.
template <class Result, class Work> void Guarded(Result& result, Work work) {
    try {
        work();
    } catch (const std::exception& error) {
        result.ok = false;
        result.Add({kErrorCaption,
                    std::string(error.what()).substr(0, 1024),
                    MessageIcon::Stop,
                    {},
                    false,
                    {}});
    }
}

QString Server(const CNetworkProfileData& profile) {
    return QString::fromStdString(profile.ServerText());
}

} // namespace

CReceiverCommands::CReceiverCommands(CMainFrame& frame, CCommandRegistry& commands,
                                     IUserDialogs& dialogs)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_dialogs(dialogs),
      m_options(DefaultOptions()) {
    connect(m_commands.Get(kCmdFetchList), &QAction::triggered, this,
            [this] { FetchFromReceiver(false); });
    connect(m_commands.Get(kCmdFetchListAndConfig), &QAction::triggered, this,
            [this] { FetchFromReceiver(true); });
    connect(m_commands.Get(kCmdSendToReceiver), &QAction::triggered, this,
            &CReceiverCommands::SendToReceiver);
}

CReceiverCommands::~CReceiverCommands() {
    if (m_worker) {
        m_worker->disconnect(this);
        m_worker->wait();
        delete m_worker;
    }
}

QProgressDialog* CReceiverCommands::Progress() const {
    return m_progress;
}

void CReceiverCommands::UpdateCommands() {
    const bool idle = !IsBusy();
    m_commands.Get(kCmdFetchList)->setEnabled(idle);
    m_commands.Get(kCmdFetchListAndConfig)->setEnabled(idle);
    m_commands.Get(kCmdSendToReceiver)->setEnabled(idle && m_frame.ActiveChild() != nullptr);
}

void CReceiverCommands::ShowMessages(const std::vector<LinkMessage>& messages) {
    ShowLinkMessages(&m_frame, m_dialogs, messages,
                     [this](const QString& text) { m_frame.ShowDesktopAlert(text); });
}

void CReceiverCommands::Start(Transfer transfer, const QString& label, bool cancellable,
                              std::function<void()> work, std::function<void()> done) {
    m_running = transfer;
    m_cancelled = false;
    m_done = std::move(done);
    m_worker = QThread::create(std::move(work));
    connect(m_worker, &QThread::finished, this, &CReceiverCommands::OnWorkerFinished);

    // Without a cancel text the dialog has no cancel button.
    auto* progress =
        new QProgressDialog(label, cancellable ? tr("Cancel") : QString(), 0, 0, &m_frame);
    progress->setObjectName(QStringLiteral("receiverProgress"));
    progress->setWindowTitle(tr("Receiver"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    if (cancellable) {
        // The link cannot stop a transfer half-way; the fetched list is simply not opened.
        connect(progress, &QProgressDialog::canceled, this, [this] {
            m_cancelled = true;
            if (m_progress) {
                m_progress->hide();
            }
            m_frame.SetCaptionText(tr("Fetching from the receiver was cancelled."));
        });
    }
    m_progress = progress;
    progress->show();
    m_frame.setCursor(Qt::BusyCursor);
    UpdateCommands();
    m_worker->start();
}

void CReceiverCommands::OnWorkerFinished() {
    m_worker->deleteLater();
    m_worker = nullptr;
    if (m_progress) {
        // Closing the dialog says "canceled" too; that is not the user's doing.
        m_progress->disconnect(this);
        m_progress->close();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    m_frame.unsetCursor();
    const Transfer finished = m_running;
    m_running = Transfer::None;
    auto done = std::move(m_done);
    m_done = nullptr;
    UpdateCommands();
    if (!m_cancelled && done) {
        done();
    }
    emit TransferFinished(finished);
}

std::optional<CNetworkProfileData> CReceiverCommands::ActiveProfile() {
    // A copy: the worker must not see the options page editing the live list.
    const CNetworkProfileData* active = m_frame.NetworkProfiles().GetActiveProfile();
    if (active == nullptr) {
        ShowMessages({NoProfileMessage()});
        return std::nullopt;
    }
    return *active;
}

void CReceiverCommands::FetchFromReceiver(bool withConfiguration) {
    FetchWith(withConfiguration, nullptr);
}

void CReceiverCommands::FetchList(std::function<void(std::unique_ptr<CTarnell1018Doc>)> use) {
    FetchWith(false, std::move(use));
}

void CReceiverCommands::FetchWith(bool withConfiguration,
                                  std::function<void(std::unique_ptr<CTarnell1018Doc>)> use) {
    if (IsBusy()) {
        return;
    }
    const auto active = ActiveProfile();
    if (!active) {
        return;
    }
    const CNetworkProfileData profile = *active;
    const LinkOptions options = m_options;
    auto result = std::make_shared<FetchResult>();
    const QString label =
        withConfiguration
            ? tr("Fetching the service list and the configuration from the receiver at %1...")
            : tr("Fetching the service list from the receiver at %1...");
    Start(
        Transfer::Fetch, label.arg(Server(profile)), true,
        [result, profile, withConfiguration, options] {
            Guarded(*result, [&] {
                *result = tarnell::FetchFromReceiver(profile, withConfiguration, options);
            });
        },
        [this, result, use = std::move(use)] {
            if (result->document) {
                if (use) {
                    use(std::move(result->document));
                } else {
                    m_frame.OpenAsNew(std::move(result->document));
                }
            }
            ShowMessages(result->messages);
        });
}

void CReceiverCommands::SendToReceiver() {
    CChildFrame* child = m_frame.ActiveChild();
    if (IsBusy() || child == nullptr) {
        return;
    }
    const auto active = ActiveProfile();
    if (!active || !m_frame.ConfirmStoreOfDamagedList(*child, true)) {
        return;
    }
    struct SendJob {
        std::vector<uint8_t> image;     // what the receiver is to get
        std::vector<uint8_t> fileImage; // the same document in file layout, for the copy
        SendResult result;
        bool copyDiffers = false;
    };
    auto job = std::make_shared<SendJob>();
    try {
        CTarnell1018Doc& document = child->Document();
        document.SetReceiverLayout(true);
        job->image = document.StoreToBytes();
        job->fileImage = document.StoreToBytes();
    } catch (const std::exception& error) {
        m_dialogs.ShowMessage(&m_frame, QMessageBox::Critical, LinkText(kErrorCaption),
                              QString::fromStdString(error.what()));
        return;
    }
    const CNetworkProfileData profile = *active;
    const LinkOptions options = m_options;
    const bool preview = m_frame.Preferences().sendPreview != 0;
    const int favCodepage = m_frame.Preferences().favCodepage;
    // The worker sends a copy of its own, so the window may repaint, and even be edited or
    // closed, while the transfer runs.
    Start(
        Transfer::Send,
        tr("Sending the service list to the receiver at %1...").arg(Server(profile)), false,
        [this, job, profile, options, preview, favCodepage] {
            Guarded(job->result, [&] {
                CTarnell1018Doc copy;
                copy.LoadFromBytes(job->fileImage);
                copy.SetReceiverLayout(true);
                if (copy.StoreToBytes() != job->image) {
                    job->copyDiffers = true;
                    return;
                }
                SendPreview ask;
                if (preview) {
                    // The difference is worked out here; only the question goes to the window.
                    ask = [this, &copy, favCodepage](std::span<const uint8_t> current) {
                        QString summary;
                        QString details;
                        try {
                            CSettingsFile receiver;
                            receiver.Load(current);
                            const auto difference =
                                CompareLists(receiver, copy.File(), favCodepage);
                            summary = CCompareDlg::SummaryText(difference);
                            details = CCompareDlg::ChangeLines(difference);
                        } catch (const FileError&) {
                            summary = tr("The receiver's current list cannot be read.");
                        }
                        bool send = false;
                        QMetaObject::invokeMethod(
                            this,
                            [this, &send, &summary, &details] {
                                send = AskSendPreview(summary, details);
                            },
                            Qt::BlockingQueuedConnection);
                        return send;
                    };
                }
                job->result = tarnell::SendToReceiver(copy, profile, options, ask);
            });
        },
        [this, job, profile] {
            if (job->copyDiffers) {
                m_dialogs.ShowMessage(&m_frame, QMessageBox::Critical, LinkText(kErrorCaption),
                                      tr("The service list could not be prepared for the "
                                         "receiver; nothing was sent."));
                return;
            }
            ShowMessages(job->result.messages);
            if (job->result.declined) {
                m_frame.SetCaptionText(tr("Nothing was sent; the receiver's list is unchanged."));
                return;
            }
            if (!job->result.ok) {
                return;
            }
            QString text = job->result.configurationSent
                               ? tr("The service list and the configuration were sent to the "
                                    "receiver at %1.")
                               : tr("The service list was sent to the receiver at %1.");
            text = text.arg(Server(profile));
            if (!job->result.backupFolder.empty()) {
                text += QLatin1Char(' ') +
                        tr("Its previous files are kept in \"%1\".")
                            .arg(QString::fromStdString(job->result.backupFolder.string()));
            }
            m_frame.SetCaptionText(text);
            OfferRestart();
        });
}

bool CReceiverCommands::AskSendPreview(const QString& summary, const QString& details) {
    return m_dialogs.AskYesNoWithDetails(
        &m_frame,
        tr("Sending changes the receiver's list:\n\n%1\n\nSend the list to the receiver?")
            .arg(summary),
        tr("Send to Receiver"), details);
}

void CReceiverCommands::OfferRestart() {
    if (!m_dialogs.AskYesNo(&m_frame, LinkText(kRestartQuestion), LinkText(kRestartCaption))) {
        return;
    }
    // The profile as it is now: the restart reads it afresh, as every transfer does.
    const auto active = ActiveProfile();
    if (!active) {
        return;
    }
    const CNetworkProfileData profile = *active;
    const LinkOptions options = m_options;
    auto result = std::make_shared<LinkResult>();
    Start(
        Transfer::Restart, tr("Restarting the receiver at %1...").arg(Server(profile)), false,
        [result, profile, options] {
            Guarded(*result, [&] { *result = RebootReceiver(profile, options); });
        },
        [this, result, profile] {
            ShowMessages(result->messages);
            if (result->ok) {
                m_frame.SetCaptionText(
                    tr("The receiver at %1 was told to restart (%2).")
                        .arg(Server(profile),
                             QString::fromLatin1(profile.m_forcedReboot != 0 ? "reboot -f"
                                                                             : "reboot")));
            }
        });
}

} // namespace tarnell
