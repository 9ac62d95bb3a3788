#pragma once

#include <QAction>
#include <QObject>

#include <map>
#include <vector>

namespace tarnell {

// The one place where a command identifier becomes a QAction. Ribbon, menus and shortcuts all
// show the same action, so enabling or checking a command shows everywhere at once.
class CCommandRegistry : public QObject {
    Q_OBJECT
public:
    explicit CCommandRegistry(QObject* parent = nullptr) : QObject(parent) {}

    // Throws std::logic_error when the identifier is already taken: two actions for one
    // command would drift apart.
    QAction* Add(int id, const QString& text, const QIcon& icon = {},
                 const QKeySequence& shortcut = {});
    QAction* Add(int id, const QString& text, const QIcon& icon,
                 const QList<QKeySequence>& shortcuts);
    // nullptr for an identifier nobody registered.
    QAction* Find(int id) const;
    // Like Find, but a missing command is a programming error (std::logic_error).
    QAction* Get(int id) const;
    std::vector<int> Ids() const;

    static int IdOf(const QAction* action);

    // The key the program promises first, then the desktop's own keys for the same command.
    // Some key schemes have none (plain X11 knows no Save As or Close key), and a standard key
    // alone would leave the command without a key there.
    static QList<QKeySequence> Keys(const QKeySequence& promised, QKeySequence::StandardKey key);

private:
    std::map<int, QAction*> m_actions;
};

} // namespace tarnell
