#pragma once

#include "CChannelSearchModel.h"
#include "UpdateHints.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QTableView;

namespace tarnell {

class CChannelData;
class CTarnell1018Doc;

// The channel search pane: lists the channels of the active document whose name holds the
// typed text (two characters at least, any case) among the kind its window shows. A click on
// a result asks for that channel in the window's list.
class CChannelSucheDlg : public QWidget, public IDocumentListener {
    Q_OBJECT
public:
    // What the document's window shows: the kind searched and whether it numbers its rows.
    struct View {
        bool tv = true;
        bool runningNumbers = true;
    };
    using ViewSource = std::function<View()>;

    explicit CChannelSucheDlg(QWidget* parent = nullptr);
    ~CChannelSucheDlg() override;

    // Searches this document from now on; `owner` (its window) is destroyed with it, and
    // the view is asked at every search.
    void SetSource(CTarnell1018Doc& document, QObject* owner, ViewSource view);
    // No document: the text, the results and the source are forgotten.
    void Clear();
    // Runs the search again, keeping the chosen row where it is still a result.
    void Search();
    CTarnell1018Doc* Document() const { return m_owner ? m_document : nullptr; }

    QLineEdit* SearchEdit() const { return m_edit; }
    QTableView* Results() const { return m_results; }
    QLabel* Status() const { return m_status; }
    CChannelSearchModel* Model() const { return m_model; }

    void OnDocumentUpdate(CTarnell1018Doc& document, int hint, const void* object) override;

signals:
    // The user chose a result (click, Enter).
    void ChannelChosen(tarnell::CChannelData* channel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RunSearch(bool keepChoice);
    void Choose(const QModelIndex& index);
    void Detach();

    CTarnell1018Doc* m_document = nullptr;
    QPointer<QObject> m_owner;
    QMetaObject::Connection m_ownerGone;
    ViewSource m_view;
    QLineEdit* m_edit = nullptr;
    QTableView* m_results = nullptr;
    QLabel* m_status = nullptr;
    CChannelSearchModel* m_model = nullptr;
};

} // namespace tarnell
