#include "CCommandRegistry.h"

#include <stdexcept>
#include <string>

namespace tarnell {

QAction* CCommandRegistry::Add(int id, const QString& text, const QIcon& icon,
                               const QKeySequence& shortcut) {
    return Add(id, text, icon,
               shortcut.isEmpty() ? QList<QKeySequence>() : QList<QKeySequence>{shortcut});
}

QAction* CCommandRegistry::Add(int id, const QString& text, const QIcon& icon,
                               const QList<QKeySequence>& shortcuts) {
    if (m_actions.count(id) != 0) {
        throw std::logic_error("command " + std::to_string(id) + " registered twice");
    }
    auto* action = new QAction(icon, text, this);
    action->setData(id);
    action->setObjectName(QStringLiteral("command_%1").arg(id));
    // Fixed here: the ribbon may break the icon text, which tooltips would otherwise show.
    action->setToolTip(QString(text).remove(QLatin1Char('&')));
    if (!shortcuts.isEmpty()) {
        action->setShortcuts(shortcuts);
    }
    m_actions.emplace(id, action);
    return action;
}

QAction* CCommandRegistry::Find(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction* CCommandRegistry::Get(int id) const {
    if (QAction* action = Find(id)) {
        return action;
    }
    throw std::logic_error("command " + std::to_string(id) + " is not registered");
}

std::vector<int> CCommandRegistry::Ids() const {
    std::vector<int> ids;
    ids.reserve(m_actions.size());
    for (const auto& entry : m_actions) {
        ids.push_back(entry.first);
    }
    return ids;
}

QList<QKeySequence> CCommandRegistry::Keys(const QKeySequence& promised,
                                           QKeySequence::StandardKey key) {
    QList<QKeySequence> keys{promised};
    for (const QKeySequence& standard : QKeySequence::keyBindings(key)) {
        if (!keys.contains(standard)) {
            keys.append(standard);
        }
    }
    return keys;
}

int CCommandRegistry::IdOf(const QAction* action) {
    bool ok = false;
    const int id = action ? action->data().toInt(&ok) : 0;
    return ok ? id : 0;
}

} // namespace tarnell
