#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace tarnell {

// The receiver's lists kept before each send, newest first: when, how many channels, and how
// they differ from the open list. The user opens one as a new document or sends it.
class CBackupDlg : public QDialog {
    Q_OBJECT
public:
    struct Row {
        QString folder;
        QString date;
        int channels = -1; // -1: the file cannot be read
        QString difference;
    };
    enum Result { kOpen = 2, kSend = 3 };

    explicit CBackupDlg(const std::vector<Row>& rows, bool canSend, QWidget* parent = nullptr);

    // The folder of the chosen backup; empty when none is selected.
    QString SelectedFolder() const;
    QTreeWidget* Backups() const { return m_list; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* SendButton() const { return m_send; }

private:
    void UpdateButtons();

    QTreeWidget* m_list = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_send = nullptr;
    bool m_canSend = false;
};

} // namespace tarnell
