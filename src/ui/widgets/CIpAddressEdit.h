#pragma once

#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace tarnell {

// An IPv4 address typed as four dotted numbers; only digits and dots go in, and the address
// counts only when all four parts are 0 to 255.
class CIpAddressEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CIpAddressEdit(QWidget* parent = nullptr);

    void SetAddress(uint32_t address);
    // Nothing while the text is no whole address.
    std::optional<uint32_t> Address() const;
    bool IsComplete() const { return Address().has_value(); }

private:
    void ShowValidity();
};

} // namespace tarnell
