#pragma once

#include "COptionsPropSheet.h"

#include <QUrl>

class QCommandLinkButton;

namespace tarnell {

// The first page: what the program is, who helped, and the way to the receiver maker's site.
class CResourcePage : public COptionsPage {
    Q_OBJECT
public:
    static const QUrl kMakerSite;

    explicit CResourcePage(QWidget* parent = nullptr);

    QString Title() const override;
    QString Description() const override;
    QIcon Icon() const override;
    QCommandLinkButton* SiteButton() const { return m_siteButton; }

private:
    QCommandLinkButton* m_siteButton = nullptr;
};

} // namespace tarnell
