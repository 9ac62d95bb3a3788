#pragma once

#include "UpdateHints.h"

#include <QWidget>

#include <functional>
#include <memory>

class QSplitter;

namespace tarnell {

class CChannelListModel;
class CLeftView;
class CTarnell1018Doc;
class CTarnell1018View;
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
                CAppPreferences& preferences, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CTarnell1018Doc& Document() { return *m_document; }
    const CTarnell1018Doc& Document() const { return *m_document; }
    // The file's name, or the numbered name a new document was given.
    QString Title() const;
    // Where files made from this list are proposed: its file's folder, or home for a new list.
    QString Folder() const;
    void SetCloseGuard(CloseGuard guard) { m_closeGuard = std::move(guard); }
    // After a save, which changes the title and the modified state without a hint.
    void RefreshTitle();

    bool ShowsTv() const { return m_tv; }
    // The window's TV/radio switch; the views refill through the document's hint.
    void SetShowTv(bool tv);
    // The window's numbering switch: its search results show running numbers while it is on.
    bool Numbering() const { return m_numbering; }
    void SetNumbering(bool on) { m_numbering = on; }
    QSplitter* Splitter() const { return m_splitter; }
    CLeftView* Tree() const { return m_tree; }
    // The window's own copy of SatelliteOnlyAcitve; toggling stores it in the preferences too.
    bool SatelliteOnlyActive() const { return m_satelliteOnlyActive; }
    void ToggleSatelliteOnlyActive();
    // Satellites named with their sequence numbers, in every window from now on.
    void ToggleSatelliteShowNumber();
    CTarnell1018View* List() const { return m_list; }
    // Which tuner input the satellite pane shows the LNB settings of: 0 input 1, 1 input 2.
    int TunerInput() const { return m_tunerInput; }
    void SetTunerInput(int input) { m_tunerInput = input == 1 ? 1 : 0; }
    CChannelListModel* ListModel() const;

    void OnDocumentUpdate(CTarnell1018Doc& document, int hint, const void* object) override;
    // Paints the tree and the list in the colours of the preferences, after they changed.
    void ApplyColours();

signals:
    void TitleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The tree reads the preferences through its own options.
    void PassTreeOptions();
    void RefillList();

    std::unique_ptr<CTarnell1018Doc> m_document;
    QString m_untitledName;
    CAppPreferences& m_preferences;
    CloseGuard m_closeGuard;
    bool m_tv = true;
    bool m_numbering = true;
    int m_tunerInput = 0;
    QSplitter* m_splitter = nullptr;
    CLeftView* m_tree = nullptr;
    bool m_satelliteOnlyActive = true;
    CTarnell1018View* m_list = nullptr;
};

} // namespace tarnell
