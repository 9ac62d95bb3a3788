#pragma once

#include "UpdateHints.h"

#include <QWidget>

#include <functional>
#include <memory>

class QSplitter;
class QTableView;
class QTreeWidget;

namespace tarnell {

class CChannelListModel;
class CTarnell1018Doc;
struct CAppPreferences;

// One document window: the navigation tree on the left, the channel list on the right. The
// frame owns its document, so closing the window is closing the document.
class CChildFrame : public QWidget, public IDocumentListener {
    Q_OBJECT
public:
    static constexpr int kTreeWidth = 270;

    // Asked before the window closes; false keeps it open (the user cancelled, or the save
    // failed).
    using CloseGuard = std::function<bool(CChildFrame&)>;

    CChildFrame(std::unique_ptr<CTarnell1018Doc> document, const QString& untitledName,
                const CAppPreferences& preferences, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CTarnell1018Doc& Document() { return *m_document; }
    const CTarnell1018Doc& Document() const { return *m_document; }
    // The file's name, or the numbered name a new document was given.
    QString Title() const;
    void SetCloseGuard(CloseGuard guard) { m_closeGuard = std::move(guard); }
    // After a save, which changes the title and the modified state without a hint.
    void RefreshTitle();

    bool ShowsTv() const { return m_tv; }
    // The window's TV/radio switch; the views refill through the document's hint.
    void SetShowTv(bool tv);
    QSplitter* Splitter() const { return m_splitter; }
    QTreeWidget* Tree() const { return m_tree; }
    QTableView* List() const { return m_list; }
    CChannelListModel* ListModel() const { return m_listModel; }

    void OnDocumentUpdate(CTarnell1018Doc& document, int hint, const void* object) override;

signals:
    void TitleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyColours();
    void RebuildTree();
    void RefillList();

    std::unique_ptr<CTarnell1018Doc> m_document;
    QString m_untitledName;
    const CAppPreferences& m_preferences;
    CloseGuard m_closeGuard;
    bool m_tv = true;
    QSplitter* m_splitter = nullptr;
    QTreeWidget* m_tree = nullptr;
    QTableView* m_list = nullptr;
    CChannelListModel* m_listModel = nullptr;
};

} // namespace tarnell
