#include "CUserManual.h"

#include "HelpTopic.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

namespace tarnell {

namespace {
const QString kContents = QStringLiteral("index");
}

CUserManual::CUserManual(QStringList folders, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    qApp->installEventFilter(this);
}

QString CUserManual::PagePath(const QString& page) const {
    for (const QString& folder : m_folders) {
        const QDir language(QDir(folder).filePath(QStringLiteral("manual/") + m_language));
        for (const QString& name : {page, kContents}) {
            if (name.isEmpty()) {
                continue;
            }
            const QFileInfo file(language.filePath(name + QStringLiteral(".html")));
            if (file.isFile()) {
                return file.absoluteFilePath();
            }
        }
    }
    return {};
}

bool CUserManual::OpenPage(const QString& page) {
    const QString path = PagePath(page);
    return !path.isEmpty() && m_opener(QUrl::fromLocalFile(path));
}

bool CUserManual::OpenForFocus(const QWidget* focus) {
    if (focus == nullptr) {
        focus = QApplication::focusWidget();
    }
    if (focus == nullptr) {
        focus = QApplication::activeWindow();
    }
    return OpenPage(HelpTopicOf(focus));
}

bool CUserManual::eventFilter(QObject* watched, QEvent* event) {
    // A key reaches here only when no shortcut took it: in the main window F1 is the help
    // command's, so this serves the dialogs in front of it.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            watched->isWidgetType()) {
            if (OpenForFocus(static_cast<QWidget*>(watched))) {
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarnell
