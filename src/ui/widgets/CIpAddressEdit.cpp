#include "CIpAddressEdit.h"

#include "ReceiverConfigFields.h"

#include <QRegularExpressionValidator>

namespace tarnell {

CIpAddressEdit::CIpAddressEdit(QWidget* parent) : QLineEdit(parent) {
    // Up to four parts of up to three digits; whether each is at most 255 is said by the colour.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("(\\d{1,3}\\.){0,3}\\d{0,3}")), this));
    setMaxLength(15);
    connect(this, &QLineEdit::textChanged, this, &CIpAddressEdit::ShowValidity);
}

void CIpAddressEdit::SetAddress(uint32_t address) {
    setText(QString::fromStdString(ReceiverConfig::AddressText(address)));
}

std::optional<uint32_t> CIpAddressEdit::Address() const {
    return ReceiverConfig::ParseAddress(text().toStdString());
}

void CIpAddressEdit::ShowValidity() {
    setStyleSheet(IsComplete() || !isEnabled() ? QString()
                                               : QStringLiteral("QLineEdit { color: #b00020; }"));
}

} // namespace tarnell
