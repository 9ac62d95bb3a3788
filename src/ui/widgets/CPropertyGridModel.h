#pragma once

#include "CComboBoxExProp.h"

#include <QAbstractItemModel>

#include <functional>
#include <memory>
#include <vector>

namespace tarnell {

enum class PropertyKind {
    Text,   // free text, checked by the row's validator
    Number, // whole number typed in digits, within the row's range
    Choice, // one of the row's options
    Check,  // on or off
};

// What a row of the grid is: its name, kind, description and how typed values are checked.
//   PropertySpec(kFrequency, tr("Frequency"), PropertyKind::Number).Range(1, 65535)
struct PropertySpec {
    PropertySpec(int id_, QString name_, PropertyKind kind_ = PropertyKind::Text)
        : id(id_), name(std::move(name_)), kind(kind_) {}
    PropertySpec& Describe(QString text) {
        description = std::move(text);
        return *this;
    }
    // Number rows: the values taken; the edit takes no more digits than the maximum has.
    PropertySpec& Range(int low, int high) {
        minimum = low;
        maximum = high;
        return *this;
    }
    // Text rows: `check` gives the message that refuses a text, or an empty string.
    PropertySpec& Validate(std::function<QString(const QString&)> check) {
        validator = std::move(check);
        return *this;
    }
    // Shown and selectable, never edited.
    PropertySpec& ReadOnly() {
        readOnly = true;
        return *this;
    }

    int id = 0;
    QString name;
    PropertyKind kind = PropertyKind::Text;
    QString description;
    int minimum = 0;
    int maximum = 65535;
    std::function<QString(const QString&)> validator;
    bool readOnly = false;
};

// The rows of a property grid in their groups, or by name without groups. Values: a QString for
// text rows, an int for number and choice rows, a bool for check rows; an invalid QVariant
// shows an empty row. A value the user commits is checked first; a refused one changes nothing.
class CPropertyGridModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { kColName, kColValue, kColumnCount };
    static constexpr int kIdRole = Qt::UserRole + 1;

    explicit CPropertyGridModel(QObject* parent = nullptr);
    ~CPropertyGridModel() override;

    void AddGroup(int groupId, const QString& title);
    void AddProperty(int groupId, PropertySpec spec);
    void RemoveProperty(int id);
    // The ids of a group's rows, in order.
    std::vector<int> PropertiesOf(int groupId) const;
    bool HasProperty(int id) const;
    const PropertySpec* Spec(int id) const;

    void SetName(int id, const QString& name);
    void SetValue(int id, const QVariant& value);
    QVariant Value(int id) const;
    // What the value column shows.
    QString DisplayText(int id) const;
    void SetOptions(int id, CComboBoxExProp options);
    const CComboBoxExProp& Options(int id) const;
    void SetPropertyEnabled(int id, bool enabled);
    bool IsPropertyEnabled(int id) const;
    bool IsEditable(int id) const;
    // The values shown now count as unchanged; changed ones show in bold.
    void ResetOriginalValues();

    // The message that refuses this value for the row, or an empty string when it is taken.
    // Number rows take their typed text or an int.
    QString CheckValue(int id, const QVariant& value) const;
    // Checks and stores a value the user gave: ValueCommitted, or ValueRefused with the reason.
    bool Commit(int id, const QVariant& value);

    bool Alphabetical() const { return m_alphabetical; }
    void SetAlphabetical(bool on);

    QModelIndex IndexOf(int id, int column = kColValue) const;
    // -1 for a group row or an invalid index.
    int IdOf(const QModelIndex& index) const;
    bool IsGroup(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QModelIndex buddy(const QModelIndex& index) const override;

signals:
    void ValueCommitted(int id, const QVariant& value);
    void ValueRefused(int id, const QString& message);

private:
    struct Row;
    struct Group;
    Row* Find(int id) const;
    // Group position and row position of a property in the grouped order.
    bool Locate(int id, int& group, int& row) const;
    void SortByName();
    QVariant Normalised(const Row& row, const QVariant& value) const;

    std::vector<std::unique_ptr<Group>> m_groups;
    std::vector<int> m_byName;
    bool m_alphabetical = false;
};

} // namespace tarnell
