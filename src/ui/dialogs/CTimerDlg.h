#pragma once

#include <QDate>
#include <QDialog>

#include <functional>
#include <vector>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnell {

class CAlarmData;
class CChannelData;
class CTarnell1018Doc;
class CPropertyGrid;

// The timers of a settings file: when, how often, which channel, the text. A click shows the
// timer's properties and its channel in the channel list; every change is one step of the
// document's history.
class CTimerDlg : public QDialog {
    Q_OBJECT
public:
    enum Column {
        kColRow,
        kColRepetition,
        kColStart,
        kColDate,
        kColDuration,
        kColChannel,
        kColText,
        kColumnCount
    };
    // Selects a channel in the window's channel list; nullptr when the timer names none.
    using ChannelSelector = std::function<void(const CChannelData*)>;

    CTimerDlg(CTarnell1018Doc& document, ChannelSelector selectChannel, QWidget* parent = nullptr);

    // The cell texts of a timer's row (column 0 and the channel are the dialog's).
    static QString RepetitionText(const CAlarmData& timer);
    static QString StartText(const CAlarmData& timer);
    static QString DateText(const CAlarmData& timer);
    static QString DurationText(const CAlarmData& timer);
    // The calendar day of a day number; a null date for day numbers no calendar holds.
    static QDate DateOfDay(int dayNumber);

    QTreeWidget* List() const { return m_list; }
    // The timer's text (201), its character table (202) and two flags (200, 203).
    enum PropertyId { kPropFlag10 = 200, kPropText = 201, kPropCodePage = 202, kPropFlag0C = 203 };
    CPropertyGrid* Properties() const { return m_properties; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* DeleteAllAction() const { return m_deleteAll; }
    // The timer table indices of the selected rows.
    std::vector<size_t> SelectedTimers() const;

    void DeleteSelected();
    void DeleteAll();

private:
    void Fill();
    void FillRow(QTreeWidgetItem& item, size_t index) const;
    void OnCurrentChanged();
    void OnActivated(QTreeWidgetItem* item);
    void OnPropertyCommitted(int id, const QVariant& value);
    void ShowContextMenu(const QPoint& at);
    // The timer of the current row, or -1.
    long CurrentTimer() const;
    void RefreshCurrentRow();

    CTarnell1018Doc& m_document;
    ChannelSelector m_selectChannel;
    QTreeWidget* m_list = nullptr;
    CPropertyGrid* m_properties = nullptr;
    QAction* m_new = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_deleteAll = nullptr;
};

} // namespace tarnell
