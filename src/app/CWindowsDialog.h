#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tarnell {

class CMainFrame;

// Window, Windows...: every open document window in a list, to bring one to the front, or to
// save or close several at once.
class CWindowsDialog : public QDialog {
    Q_OBJECT
public:
    explicit CWindowsDialog(CMainFrame& frame);

    QListWidget* List() const { return m_list; }
    void ActivateSelected();
    void SaveSelected();
    void CloseSelected();

private:
    void Refill();
    void UpdateButtons();

    CMainFrame& m_frame;
    QListWidget* m_list = nullptr;
    QPushButton* m_activate = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace tarnell
