#pragma once

#include "CNetworkProfileData.h"
#include "LinkMessage.h"
#include "LinkOptions.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QProgressDialog;
class QThread;

namespace tarnell {

class CCommandRegistry;
class CMainFrame;
class CTarnell1018Doc;
class IUserDialogs;

// Fetch from and send to the receiver (commands 33021, 33036, 33020) and the restart after a
// send. Each transfer runs on a worker thread behind a progress dialog, so the window keeps
// painting; one transfer at a time.
class CReceiverCommands : public QObject {
    Q_OBJECT
public:
    enum class Transfer { None, Fetch, Send, Restart };

    CReceiverCommands(CMainFrame& frame, CCommandRegistry& commands, IUserDialogs& dialogs);
    // Waits for a transfer still running; the link's timeouts bound the wait.
    ~CReceiverCommands() override;

    // Opens the receiver's list in a new window; with the configuration for 33036.
    void FetchFromReceiver(bool withConfiguration);
    // Fetches the receiver's list and hands it to `use` instead of opening it.
    void FetchList(std::function<void(std::unique_ptr<CTarnell1018Doc>)> use);
    // Sends the active document, then offers the restart.
    void SendToReceiver();

    bool IsBusy() const { return m_running != Transfer::None; }
    Transfer Running() const { return m_running; }
    // The progress dialog of the running transfer, nullptr when none shows.
    QProgressDialog* Progress() const;
    // Tests point the restart at the simulator's port and shorten the timeouts.
    void SetLinkOptions(const LinkOptions& options) { m_options = options; }
    const LinkOptions& GetLinkOptions() const { return m_options; }

    // Enables the three commands: none while a transfer runs, send only with a document.
    void UpdateCommands();

signals:
    void TransferFinished(Transfer transfer);

private:
    // Runs work on a worker thread; done runs back here afterwards unless the user cancelled.
    void Start(Transfer transfer, const QString& label, bool cancellable,
               std::function<void()> work, std::function<void()> done);
    void OnWorkerFinished();
    void FetchWith(bool withConfiguration,
                   std::function<void(std::unique_ptr<CTarnell1018Doc>)> use);
    void OfferRestart();
    // Shown the difference a send makes on the receiver; true to send.
    bool AskSendPreview(const QString& summary, const QString& details);
    // The active profile, or nullopt after saying that there is none.
    std::optional<CNetworkProfileData> ActiveProfile();
    void ShowMessages(const std::vector<LinkMessage>& messages);

    CMainFrame& m_frame;
    CCommandRegistry& m_commands;
    IUserDialogs& m_dialogs;
    LinkOptions m_options;
    Transfer m_running = Transfer::None;
    QThread* m_worker = nullptr;
    QPointer<QProgressDialog> m_progress;
    std::function<void()> m_done;
    bool m_cancelled = false;
};

} // namespace tarnell
