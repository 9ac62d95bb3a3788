#pragma once

#include <QStringList>

class QSettings;

namespace tarnell {

// The most recently opened and saved files, newest first, kept in "Recent File List" as
// File1 to File15.
class CRecentFileList {
public:
    static constexpr int kMaxFiles = 15;

    void Load(const QSettings& settings);
    void Save(QSettings& settings) const;

    // Moves the file to the front; the same file under another spelling of its path counts
    // once.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    QStringList m_files;
};

} // namespace tarnell
