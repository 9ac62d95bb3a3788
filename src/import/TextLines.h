#pragma once

#include <string_view>

namespace tarnell {

// Walks the lines of a text whatever its line ends (LF or CR LF), without copying.
class TextLines {
public:
    explicit TextLines(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line) {
        if (m_pos >= m_text.size()) {
            return false;
        }
        const size_t end = m_text.find('\n', m_pos);
        const size_t stop = end == std::string_view::npos ? m_text.size() : end;
        line = m_text.substr(m_pos, stop - m_pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_pos = stop + 1;
        return true;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

} // namespace tarnell
