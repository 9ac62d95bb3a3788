#pragma once

#include "ListFill.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QListView;
class QSettings;
class QStackedWidget;
class QTableView;

namespace tarnell {

class CChannelData;
class CChannelListModel;
class CSatelliteInfo;
class CTarnell1018Doc;
class CTransponderData;

// The preferences the channel list reads; colours as 0xRRGGBB.
struct ChannelListOptions {
    bool favSeqNum = true;
    bool satelliteRestrictShow = true;
    int listWidth = 100;
    uint32_t channelBackColor = 0x35496A;
    uint32_t channelTextColor = 0xFFFFFF;
    uint32_t favouriteBackColor = 0xD7282D;
    uint32_t favouriteTextColor = 0xFFFFF5;
};

// The channel list of a document window: one row per channel of what the tree selected, in a
// details table with 19 columns or in the compact list style.
class CTarnell1018View : public QWidget {
    Q_OBJECT
public:
    using SettingsOpener = std::function<std::unique_ptr<QSettings>()>;

    CTarnell1018View(CTarnell1018Doc& document, SettingsOpener openSettings,
                     QWidget* parent = nullptr);
    ~CTarnell1018View() override;

    CChannelListModel* Model() const { return m_model; }
    QTableView* Table() const { return m_table; }
    QListView* CompactList() const { return m_compact; }

    // Fill the view and keep it from now on; the options are read again at every fill.
    void SetOptions(const ChannelListOptions& options);
    const ChannelListOptions& Options() const { return m_options; }
    // The window's TV/radio switch: a refill with all channels shows this kind.
    void SetShowTv(bool tv) { m_tv = tv; }

    ListMode Mode() const { return m_fill.mode; }
    const ListFill& CurrentFill() const { return m_fill; }
    bool IsCompact() const;
    void SetCompact(bool compact);

    // The document's hints; the child frame passes on every one.
    void OnUpdate(int hint, const void* object);

signals:
    void StatusTextChanged(const QString& text);

public slots:
    void Fill(const tarnell::ListFill& fill);
    // The favourite list painted in the favourite colours; -1 for none.
    void SetMarkedFavourite(int list);
    void SetFavouriteSequenceNumbering(bool on);

private:
    CTarnell1018Doc& m_document;
    SettingsOpener m_openSettings;
    ChannelListOptions m_options;
    ListFill m_fill;
    bool m_tv = true;
    CChannelListModel* m_model = nullptr;
    QStackedWidget* m_stack = nullptr;
    QTableView* m_table = nullptr;
    QListView* m_compact = nullptr;
};

} // namespace tarnell
