#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace tarnell {

// The user manual (HTML, one page per topic, in English and German) and F1: the page of the
// window or pane in front opens in the desktop's browser. Dialogs get F1 too, since the main
// window's shortcut does not reach them.
class CUserManual : public QObject {
    Q_OBJECT
public:
    // Folders that may hold manual/<lang>/<page>.html, searched in order.
    explicit CUserManual(QStringList folders, QObject* parent = nullptr);

    // "de" for the German pack, "en" for all others (the manual exists in these two).
    void SetLanguage(const QString& code) { m_language = code; }
    void SetFolders(QStringList folders) { m_folders = std::move(folders); }
    // Replaces the browser, for tests.
    void SetOpener(std::function<bool(const QUrl&)> opener) { m_opener = std::move(opener); }

    // The page's file, or the contents page when it has none; empty without a manual.
    QString PagePath(const QString& page) const;
    // Opens the page of the widget with the focus (or the given one); false without a manual.
    bool OpenForFocus(const QWidget* focus = nullptr);
    bool OpenPage(const QString& page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStringList m_folders;
    QString m_language = QStringLiteral("en");
    std::function<bool(const QUrl&)> m_opener;
};

} // namespace tarnell
