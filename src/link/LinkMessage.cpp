#include "LinkMessage.h"

#include <algorithm>

namespace tarnell {

std::string LinkMessage::OneLine() const {
    std::string line = caption.empty() ? text : caption + ": " + text;
    if (!detail.empty()) {
        line += " (" + detail + ")";
    }
    // Message boxes take several lines; a terminal line does not.
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

bool LinkResult::HasError() const {
    return std::any_of(messages.begin(), messages.end(),
                       [](const LinkMessage& m) { return m.icon == MessageIcon::Stop; });
}

} // namespace tarnell
