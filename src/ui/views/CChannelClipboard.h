#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

namespace tarnell {

// The system clipboard as the channel lists use it: channels travel as the "TarnellClipFDU"
// block under a MIME type of our own, between windows and between running editors, with the
// rows as tab-separated text beside it for spreadsheets and mail. Owned by the main frame.
class CChannelClipboard : public QObject {
    Q_OBJECT
public:
    static QString MimeType();

    explicit CChannelClipboard(QObject* parent = nullptr);

    void Put(const QByteArray& block, const QString& text);
    // Whether the clipboard holds our block, as of its last change.
    bool HasChannels() const { return m_hasChannels; }
    // nullopt when the clipboard holds no data of our type.
    std::optional<QByteArray> Block() const;

signals:
    void Changed();

private:
    void Update();

    bool m_hasChannels = false;
};

} // namespace tarnell
