#include "CChannelClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tarnell {

QString CChannelClipboard::MimeType() {
    return QStringLiteral("application/x-tarnell-clipfdu");
}

CChannelClipboard::CChannelClipboard(QObject* parent) : QObject(parent) {
    // Queued: reading the clipboard inside its own change signal is not safe on X11.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CChannelClipboard::Update, Qt::QueuedConnection);
    Update();
}

void CChannelClipboard::Put(const QByteArray& block, const QString& text) {
    auto* data = new QMimeData;
    data->setData(MimeType(), block);
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
    Update();
}

std::optional<QByteArray> CChannelClipboard::Block() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(MimeType())) {
        return std::nullopt;
    }
    return data->data(MimeType());
}

void CChannelClipboard::Update() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    m_hasChannels = data && data->hasFormat(MimeType());
    emit Changed();
}

} // namespace tarnell
