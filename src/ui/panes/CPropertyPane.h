#pragma once

#include "CPropertyGridModel.h"
#include "UpdateHints.h"

#include <QWidget>

#include <functional>
#include <string_view>

namespace tarnell {

class CPropertyGrid;
class CSettingsFile;
class CTarnell1018Doc;

// What the satellite, transponder and channel panes share: a property grid over one record of
// the active document, kept in step with the document's hints. Each committed value is one
// named step of the document's history.
class CPropertyPane : public QWidget, public IDocumentListener {
    Q_OBJECT
public:
    explicit CPropertyPane(QWidget* parent = nullptr);
    ~CPropertyPane() override;

    CPropertyGrid& Grid() const { return *m_grid; }
    CTarnell1018Doc* Document() const { return m_document; }
    // The active window's document (nullptr: none). The pane listens to it from now on.
    void SetDocument(CTarnell1018Doc* document);
    // The document went with its window: forget it without telling it.
    void ForgetDocument();

    void OnDocumentUpdate(CTarnell1018Doc& document, int hint, const void* object) final;

signals:
    // A short notice for the main window's caption bar (a refused value, for instance).
    void MessageRequested(const QString& text);

protected:
    // Row declarations the panes share.
    static PropertySpec NumberRow(int id, const QString& name, int maximum,
                                  const QString& description);
    static PropertySpec ChoiceRow(int id, const QString& name, const QString& description = {});
    static PropertySpec CheckRow(int id, const QString& name, const QString& description = {});
    // Shows the record just set; another record than before drops what was typed and counts
    // as unchanged.
    void ShowRecord(bool changed);
    virtual void Refresh() = 0;
    // The document changed: show what is current in it.
    virtual void OnDocumentSwitched() = 0;
    virtual void OnHint(int hint, const void* object) = 0;
    virtual void OnCommitted(int id, const QVariant& value) = 0;
    // Says why a value was not taken and shows the record's value again.
    void Refuse(const QString& message);
    // One step of the history; without a document nothing happens.
    void Write(std::string_view name, const std::function<void(CSettingsFile&)>& change, int hint,
               const void* object);

private:
    CPropertyGrid* m_grid = nullptr;
    CTarnell1018Doc* m_document = nullptr;
};

} // namespace tarnell
