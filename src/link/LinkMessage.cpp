#include "LinkMessage.h"

#include <algorithm>

namespace tarnell {

std::string FillPlaceholders(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string LinkMessage::Text() const {
    return FillPlaceholders(text, args);
}

std::string LinkMessage::Detail() const {
    return FillPlaceholders(detail, args);
}

std::string LinkMessage::OneLine() const {
    const std::string filled = Text();
    std::string line = caption.empty() ? filled : caption + ": " + filled;
    if (!detail.empty()) {
        line += " (" + Detail() + ")";
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
