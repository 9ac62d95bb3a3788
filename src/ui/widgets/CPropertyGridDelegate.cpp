#include "CPropertyGridDelegate.h"

#include "CPropertyGridModel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace tarnell {

namespace {

const char* const kIdProperty = "propertyId";

int DigitsOf(int maximum) {
    return static_cast<int>(QString::number(maximum).size());
}

} // namespace

CPropertyGridDelegate::CPropertyGridDelegate(CPropertyGridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model) {}

QWidget* CPropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex& index) const {
    const int id = m_model.IdOf(index);
    const PropertySpec* spec = m_model.Spec(id);
    if (!spec || !m_model.IsEditable(id)) {
        return nullptr;
    }
    QWidget* editor = nullptr;
    switch (spec->kind) {
    case PropertyKind::Text:
        editor = new QLineEdit(parent);
        break;
    case PropertyKind::Number: {
        auto* edit = new QLineEdit(parent);
        // Digits only, no more than the largest value has; the range is checked on commit so
        // that a value out of it gets a message instead of a silent block.
        const int digits = DigitsOf(spec->maximum);
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), edit));
        edit->setPlaceholderText(QString(digits, QLatin1Char('_')));
        editor = edit;
        break;
    }
    case PropertyKind::Choice: {
        auto* combo = new QComboBox(parent);
        for (const auto& option : m_model.Options(id).Options()) {
            combo->addItem(option.text, option.value);
        }
        // A choice is made by picking it: no second key needed.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            auto* self = const_cast<CPropertyGridDelegate*>(this);
            emit self->commitData(combo);
            emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        editor = combo;
        break;
    }
    case PropertyKind::Check:
        return nullptr;
    }
    editor->setProperty(kIdProperty, id);
    editor->setFocusPolicy(Qt::StrongFocus);
    return editor;
}

void CPropertyGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const int id = m_model.IdOf(index);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(combo->findData(m_model.Value(id)));
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        // Comparing first keeps the cursor where the user is typing.
        const QString text = m_model.DisplayText(id);
        if (edit->text() != text) {
            edit->setText(text);
        }
    }
}

QVariant CPropertyGridDelegate::EditorValue(QWidget* editor) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        return combo->currentData();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        return edit->text();
    }
    return {};
}

int CPropertyGridDelegate::IdOfEditor(QWidget* editor) const {
    const QVariant id = editor->property(kIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

void CPropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                         const QModelIndex& index) const {
    const int id = m_model.IdOf(index);
    const QVariant value = EditorValue(editor);
    if (id < 0 || !value.isValid()) {
        return;
    }
    // Leaving a field untouched is no edit.
    const bool textual = qobject_cast<QLineEdit*>(editor) != nullptr;
    if (textual ? value.toString() == m_model.DisplayText(id)
                : m_model.Value(id).isValid() && value.toInt() == m_model.Value(id).toInt()) {
        return;
    }
    m_model.Commit(id, value);
}

bool CPropertyGridDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor) {
        return QStyledItemDelegate::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            // The document's undo wins over the editor's own; the typed text goes.
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            qobject_cast<QLineEdit*>(editor)) {
            const int id = IdOfEditor(editor);
            const QString text = EditorValue(editor).toString();
            if (id >= 0 && text != m_model.DisplayText(id)) {
                const QString refusal = m_model.CheckValue(id, text);
                if (!refusal.isEmpty()) {
                    emit m_model.ValueRefused(id, refusal);
                    static_cast<QLineEdit*>(editor)->selectAll();
                    return true;
                }
            }
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace tarnell
