#include "CPropertyGridModel.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include <algorithm>

namespace tarnell {

struct CPropertyGridModel::Row {
    explicit Row(PropertySpec s) : spec(std::move(s)) {}
    PropertySpec spec;
    QVariant value;
    QVariant original;
    CComboBoxExProp options;
    bool enabled = true;
};

struct CPropertyGridModel::Group {
    int id = 0;
    QString title;
    std::vector<std::unique_ptr<Row>> rows;
};

CPropertyGridModel::CPropertyGridModel(QObject* parent) : QAbstractItemModel(parent) {}

CPropertyGridModel::~CPropertyGridModel() = default;

// --- rows

void CPropertyGridModel::AddGroup(int groupId, const QString& title) {
    auto group = std::make_unique<Group>();
    group->id = groupId;
    group->title = title;
    if (m_alphabetical) {
        m_groups.push_back(std::move(group));
        return;
    }
    const int row = static_cast<int>(m_groups.size());
    beginInsertRows({}, row, row);
    m_groups.push_back(std::move(group));
    endInsertRows();
}

void CPropertyGridModel::AddProperty(int groupId, PropertySpec spec) {
    const auto found = std::find_if(m_groups.begin(), m_groups.end(),
                                    [groupId](const auto& g) { return g->id == groupId; });
    if (found == m_groups.end() || HasProperty(spec.id)) {
        return;
    }
    auto row = std::make_unique<Row>(std::move(spec));
    Group& group = **found;
    if (m_alphabetical) {
        beginResetModel();
        group.rows.push_back(std::move(row));
        SortByName();
        endResetModel();
        return;
    }
    const int position = static_cast<int>(group.rows.size());
    beginInsertRows(index(static_cast<int>(found - m_groups.begin()), 0), position, position);
    group.rows.push_back(std::move(row));
    SortByName();
    endInsertRows();
}

void CPropertyGridModel::RemoveProperty(int id) {
    int group = 0;
    int row = 0;
    if (!Locate(id, group, row)) {
        return;
    }
    auto& rows = m_groups[static_cast<size_t>(group)]->rows;
    if (m_alphabetical) {
        beginResetModel();
        rows.erase(rows.begin() + row);
        SortByName();
        endResetModel();
        return;
    }
    beginRemoveRows(index(group, 0), row, row);
    rows.erase(rows.begin() + row);
    SortByName();
    endRemoveRows();
}

std::vector<int> CPropertyGridModel::PropertiesOf(int groupId) const {
    std::vector<int> ids;
    for (const auto& group : m_groups) {
        if (group->id == groupId) {
            for (const auto& row : group->rows) {
                ids.push_back(row->spec.id);
            }
        }
    }
    return ids;
}

bool CPropertyGridModel::HasProperty(int id) const {
    return Find(id) != nullptr;
}

const PropertySpec* CPropertyGridModel::Spec(int id) const {
    const Row* row = Find(id);
    return row ? &row->spec : nullptr;
}

CPropertyGridModel::Row* CPropertyGridModel::Find(int id) const {
    for (const auto& group : m_groups) {
        for (const auto& row : group->rows) {
            if (row->spec.id == id) {
                return row.get();
            }
        }
    }
    return nullptr;
}

bool CPropertyGridModel::Locate(int id, int& group, int& row) const {
    for (size_t g = 0; g < m_groups.size(); ++g) {
        const auto& rows = m_groups[g]->rows;
        for (size_t r = 0; r < rows.size(); ++r) {
            if (rows[r]->spec.id == id) {
                group = static_cast<int>(g);
                row = static_cast<int>(r);
                return true;
            }
        }
    }
    return false;
}

void CPropertyGridModel::SortByName() {
    m_byName.clear();
    for (const auto& group : m_groups) {
        for (const auto& row : group->rows) {
            m_byName.push_back(row->spec.id);
        }
    }
    std::stable_sort(m_byName.begin(), m_byName.end(), [this](int a, int b) {
        return QString::localeAwareCompare(Find(a)->spec.name, Find(b)->spec.name) < 0;
    });
}

// --- values

QVariant CPropertyGridModel::Normalised(const Row& row, const QVariant& value) const {
    if (!value.isValid()) {
        return {};
    }
    switch (row.spec.kind) {
    case PropertyKind::Text:
        return value.toString();
    case PropertyKind::Number:
        return value.toString().trimmed().toInt();
    case PropertyKind::Choice:
        return value.toInt();
    case PropertyKind::Check:
        return value.toBool();
    }
    return value;
}

void CPropertyGridModel::SetName(int id, const QString& name) {
    Row* row = Find(id);
    if (!row || row->spec.name == name) {
        return;
    }
    if (m_alphabetical) {
        beginResetModel();
        row->spec.name = name;
        SortByName();
        endResetModel();
        return;
    }
    row->spec.name = name;
    const QModelIndex changed = IndexOf(id, kColName);
    emit dataChanged(changed, changed);
}

void CPropertyGridModel::SetValue(int id, const QVariant& value) {
    Row* row = Find(id);
    if (!row) {
        return;
    }
    const QVariant normalised = Normalised(*row, value);
    if (normalised == row->value && normalised.isValid() == row->value.isValid()) {
        return;
    }
    row->value = normalised;
    const QModelIndex changed = IndexOf(id);
    emit dataChanged(changed, changed);
}

QVariant CPropertyGridModel::Value(int id) const {
    const Row* row = Find(id);
    return row ? row->value : QVariant();
}

QString CPropertyGridModel::DisplayText(int id) const {
    const Row* row = Find(id);
    if (!row || !row->value.isValid()) {
        return {};
    }
    switch (row->spec.kind) {
    case PropertyKind::Text:
        return row->value.toString();
    case PropertyKind::Number:
        return QString::number(row->value.toInt());
    case PropertyKind::Choice: {
        const int value = row->value.toInt();
        // A value none of the options has is still shown, as the number it is.
        if (value >= 0 && !row->options.HasValue(value)) {
            return QString::number(value);
        }
        return row->options.TextOfValue(value);
    }
    case PropertyKind::Check:
        return {};
    }
    return {};
}

void CPropertyGridModel::SetOptions(int id, CComboBoxExProp options) {
    Row* row = Find(id);
    if (!row) {
        return;
    }
    row->options = std::move(options);
    const QModelIndex changed = IndexOf(id);
    emit dataChanged(changed, changed);
}

const CComboBoxExProp& CPropertyGridModel::Options(int id) const {
    static const CComboBoxExProp kNone;
    const Row* row = Find(id);
    return row ? row->options : kNone;
}

void CPropertyGridModel::SetPropertyEnabled(int id, bool enabled) {
    Row* row = Find(id);
    if (!row || row->enabled == enabled) {
        return;
    }
    row->enabled = enabled;
    emit dataChanged(IndexOf(id, kColName), IndexOf(id, kColValue));
}

bool CPropertyGridModel::IsPropertyEnabled(int id) const {
    const Row* row = Find(id);
    return row && row->enabled;
}

bool CPropertyGridModel::IsEditable(int id) const {
    const Row* row = Find(id);
    return row && row->enabled && !row->spec.readOnly;
}

void CPropertyGridModel::ResetOriginalValues() {
    for (const auto& group : m_groups) {
        for (const auto& row : group->rows) {
            row->original = row->value;
        }
    }
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColValue));
        for (int g = 0; g < rowCount(); ++g) {
            const QModelIndex parent = index(g, 0);
            if (rowCount(parent) > 0) {
                emit dataChanged(index(0, 0, parent), index(rowCount(parent) - 1, 1, parent));
            }
        }
    }
}

QString CPropertyGridModel::CheckValue(int id, const QVariant& value) const {
    const Row* row = Find(id);
    if (!row || !IsEditable(id)) {
        return tr("This value cannot be changed here.");
    }
    switch (row->spec.kind) {
    case PropertyKind::Text:
        return row->spec.validator ? row->spec.validator(value.toString()) : QString();
    case PropertyKind::Number: {
        bool ok = false;
        const QString text = value.toString().trimmed();
        const qlonglong number = text.toLongLong(&ok);
        if (!ok || number < row->spec.minimum || number > row->spec.maximum) {
            return tr("%1: enter a whole number from %2 to %3.")
                .arg(row->spec.name)
                .arg(row->spec.minimum)
                .arg(row->spec.maximum);
        }
        return {};
    }
    case PropertyKind::Choice:
        return row->options.HasValue(value.toInt())
                   ? QString()
                   : tr("%1: choose one of the options.").arg(row->spec.name);
    case PropertyKind::Check:
        return {};
    }
    return {};
}

bool CPropertyGridModel::Commit(int id, const QVariant& value) {
    const QString refusal = CheckValue(id, value);
    if (!refusal.isEmpty()) {
        emit ValueRefused(id, refusal);
        return false;
    }
    Row* row = Find(id);
    const QVariant normalised = Normalised(*row, value);
    row->value = normalised;
    const QModelIndex changed = IndexOf(id);
    emit dataChanged(changed, changed);
    emit ValueCommitted(id, normalised);
    return true;
}

// --- the two orders

void CPropertyGridModel::SetAlphabetical(bool on) {
    if (on == m_alphabetical) {
        return;
    }
    beginResetModel();
    m_alphabetical = on;
    SortByName();
    endResetModel();
}

QModelIndex CPropertyGridModel::IndexOf(int id, int column) const {
    if (m_alphabetical) {
        const auto found = std::find(m_byName.begin(), m_byName.end(), id);
        return found == m_byName.end()
                   ? QModelIndex()
                   : createIndex(static_cast<int>(found - m_byName.begin()), column, quintptr(0));
    }
    int group = 0;
    int row = 0;
    if (!Locate(id, group, row)) {
        return {};
    }
    return createIndex(row, column, quintptr(group + 1));
}

int CPropertyGridModel::IdOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) {
        return -1;
    }
    if (m_alphabetical) {
        return m_byName[static_cast<size_t>(index.row())];
    }
    if (index.internalId() == 0) {
        return -1;
    }
    return m_groups[index.internalId() - 1]->rows[static_cast<size_t>(index.row())]->spec.id;
}

bool CPropertyGridModel::IsGroup(const QModelIndex& index) const {
    return index.isValid() && !m_alphabetical && index.internalId() == 0;
}

// --- QAbstractItemModel

QModelIndex CPropertyGridModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= kColumnCount || row >= rowCount(parent)) {
        return {};
    }
    if (!parent.isValid()) {
        return createIndex(row, column, quintptr(0));
    }
    return createIndex(row, column, quintptr(parent.row() + 1));
}

QModelIndex CPropertyGridModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || m_alphabetical || child.internalId() == 0) {
        return {};
    }
    return createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr(0));
}

int CPropertyGridModel::rowCount(const QModelIndex& parent) const {
    if (m_alphabetical) {
        return parent.isValid() ? 0 : static_cast<int>(m_byName.size());
    }
    if (!parent.isValid()) {
        return static_cast<int>(m_groups.size());
    }
    if (parent.internalId() != 0 || parent.column() != 0) {
        return 0;
    }
    return static_cast<int>(m_groups[static_cast<size_t>(parent.row())]->rows.size());
}

int CPropertyGridModel::columnCount(const QModelIndex&) const {
    return kColumnCount;
}

QVariant CPropertyGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (IsGroup(index)) {
        const Group& group = *m_groups[static_cast<size_t>(index.row())];
        if (index.column() == kColName && role == Qt::DisplayRole) {
            return group.title;
        }
        if (role == Qt::FontRole) {
            QFont font = QApplication::font();
            font.setBold(true);
            return font;
        }
        return {};
    }
    const int id = IdOf(index);
    const Row& row = *Find(id);
    switch (role) {
    case kIdRole:
        return id;
    case Qt::ToolTipRole:
        return row.spec.description;
    case Qt::ForegroundRole:
        if (!row.enabled) {
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        }
        return {};
    default:
        break;
    }
    if (index.column() == kColName) {
        return role == Qt::DisplayRole ? QVariant(row.spec.name) : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(id);
    case Qt::EditRole:
        return row.spec.kind == PropertyKind::Text || row.spec.kind == PropertyKind::Number
                   ? QVariant(DisplayText(id))
                   : row.value;
    case Qt::CheckStateRole:
        if (row.spec.kind == PropertyKind::Check && row.value.isValid()) {
            return row.value.toBool() ? Qt::Checked : Qt::Unchecked;
        }
        return {};
    case Qt::FontRole:
        if (row.value != row.original) {
            QFont font = QApplication::font();
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

bool CPropertyGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int id = IdOf(index);
    if (id < 0 || index.column() != kColValue) {
        return false;
    }
    if (role == Qt::CheckStateRole) {
        return Commit(id, value.toInt() == Qt::Checked);
    }
    return role == Qt::EditRole && Commit(id, value);
}

Qt::ItemFlags CPropertyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int id = IdOf(index);
    if (id < 0 || index.column() != kColValue || !IsEditable(id)) {
        return flags;
    }
    // Read-only rows stay selectable so that their text can be copied.
    return Find(id)->spec.kind == PropertyKind::Check ? flags | Qt::ItemIsUserCheckable
                                                      : flags | Qt::ItemIsEditable;
}

QVariant CPropertyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == kColName ? tr("Property") : tr("Value");
}

QModelIndex CPropertyGridModel::buddy(const QModelIndex& index) const {
    // Typing on a name edits its value.
    if (index.isValid() && index.column() == kColName && !IsGroup(index)) {
        return index.siblingAtColumn(kColValue);
    }
    return index;
}

} // namespace tarnell
