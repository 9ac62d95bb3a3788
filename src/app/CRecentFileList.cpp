#include "CRecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace tarnell {

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Normalised(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

void CRecentFileList::Load(const QSettings& settings) {
    m_files.clear();
    for (int i = 1; i <= kMaxFiles; ++i) {
        const QString path = settings.value(kGroup + QStringLiteral("/File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) {
            m_files.append(path);
        }
    }
}

void CRecentFileList::Save(QSettings& settings) const {
    settings.remove(kGroup);
    for (int i = 0; i < m_files.size(); ++i) {
        settings.setValue(kGroup + QStringLiteral("/File%1").arg(i + 1), m_files[i]);
    }
    settings.sync();
}

void CRecentFileList::Add(const QString& path) {
    const QString normalised = Normalised(path);
    Remove(normalised);
    m_files.prepend(normalised);
    while (m_files.size() > kMaxFiles) {
        m_files.removeLast();
    }
}

void CRecentFileList::Remove(const QString& path) {
    const QString normalised = Normalised(path);
    m_files.removeIf([&](const QString& file) { return Normalised(file) == normalised; });
}

} // namespace tarnell
