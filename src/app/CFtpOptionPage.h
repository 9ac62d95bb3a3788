#pragma once

#include "COptionsPropSheet.h"
#include "LinkOptions.h"

#include <QAbstractListModel>

#include <cstdint>
#include <optional>

class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;

namespace tarnell {

class CNetworkProfileArray;
class IUserDialogs;

// The network profiles as an editable list: renaming, adding, removing and moving act on the
// live profile list at once. The active profile is shown in bold.
class CNetworkProfileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CNetworkProfileListModel(CNetworkProfileArray& profiles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Refuses an empty name and one another profile has, so that a name picks one profile.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    int ActiveRow() const;
    void SetActiveRow(int row);
    // A profile with the default values under a name no other profile has; returns its row.
    int AppendProfile(const QString& wantedName);
    // The last profile stays.
    bool RemoveProfile(int row);
    // The active profile stays the active one wherever it moves.
    bool MoveProfile(int row, int newRow);

signals:
    void RenameRefused(const QString& reason);
    void ProfilesChanged();

private:
    void ActiveMarkChanged();

    CNetworkProfileArray& m_profiles;
};

// The network profiles and the FTP login test. Every edit goes straight into the active
// profile; a field that does not hold a valid value leaves the profile as it was.
class CFtpOptionPage : public COptionsPage {
    Q_OBJECT
public:
    CFtpOptionPage(CNetworkProfileArray& profiles, IUserDialogs& dialogs,
                   QWidget* parent = nullptr);

    QString Title() const override;
    QString Description() const override;
    QIcon Icon() const override;
    bool Validate() override;
    void OnOk() override;

    // Whether the profile list differs from the one the page found.
    bool ProfilesChanged() const { return m_changed; }
    void ClearProfilesChanged() { m_changed = false; }
    void SetLinkOptions(const LinkOptions& options) { m_linkOptions = options; }

    void AddProfile();
    void RemoveProfile();
    void MoveUp();
    void MoveDown();
    // Logs in with the values on the page, not the stored ones, and says how it went.
    void RunFtpTest();

    CNetworkProfileListModel* Model() const { return m_model; }
    QListView* ProfileList() const { return m_list; }
    QLineEdit* AddressEdit() const { return m_address; }
    QLineEdit* PortEdit() const { return m_port; }
    QLineEdit* UserEdit() const { return m_user; }
    QLineEdit* PasswordEdit() const { return m_password; }
    QCheckBox* ForcedRebootBox() const { return m_forcedReboot; }
    QPushButton* TestButton() const { return m_testButton; }
    QToolButton* NewButton() const { return m_newButton; }
    QToolButton* DeleteButton() const { return m_deleteButton; }
    QToolButton* UpButton() const { return m_upButton; }
    QToolButton* DownButton() const { return m_downButton; }

private:
    void ShowActiveProfile();
    void WriteFields();
    void SelectActiveRow();
    void UpdateButtons();
    std::optional<uint32_t> Address() const;
    std::optional<int> Port() const;
    bool CheckAddress();
    bool CheckPort();

    CNetworkProfileArray& m_profiles;
    IUserDialogs& m_dialogs;
    LinkOptions m_linkOptions;
    CNetworkProfileListModel* m_model = nullptr;
    QListView* m_list = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_forcedReboot = nullptr;
    QPushButton* m_testButton = nullptr;
    QToolButton* m_newButton = nullptr;
    QToolButton* m_deleteButton = nullptr;
    QToolButton* m_upButton = nullptr;
    QToolButton* m_downButton = nullptr;
    bool m_showing = false; // filling the fields, which is no edit
    bool m_fieldsEdited = false;
    bool m_changed = false;
};

} // namespace tarnell
