#include "UndoHistory.h"

namespace tarnell {

void UndoHistory::Push(std::string name, std::vector<uint8_t> before) {
    for (size_t i = m_index; i < m_steps.size(); ++i) {
        m_bytes -= m_steps[i].state.size();
    }
    m_steps.resize(m_index);
    if (m_clean && *m_clean > m_index) {
        m_clean.reset(); // the saved state was on the branch just dropped
    }
    m_bytes += before.size();
    m_steps.push_back({std::move(name), std::move(before)});
    m_index = m_steps.size();
    Trim();
}

std::vector<uint8_t> UndoHistory::Undo(std::vector<uint8_t> current) {
    Step& step = m_steps[--m_index];
    m_bytes = m_bytes - step.state.size() + current.size();
    std::swap(step.state, current);
    return current;
}

std::vector<uint8_t> UndoHistory::Redo(std::vector<uint8_t> current) {
    Step& step = m_steps[m_index++];
    m_bytes = m_bytes - step.state.size() + current.size();
    std::swap(step.state, current);
    return current;
}

void UndoHistory::Clear() {
    m_steps.clear();
    m_index = 0;
    m_clean = 0;
    m_bytes = 0;
}

void UndoHistory::Trim() {
    size_t drop = 0;
    size_t bytes = m_bytes;
    while (m_steps.size() - drop > kMaxSteps ||
           (m_steps.size() - drop > kMinSteps && bytes > kMaxBytes)) {
        bytes -= m_steps[drop].state.size();
        ++drop;
    }
    if (drop == 0) {
        return;
    }
    m_steps.erase(m_steps.begin(), m_steps.begin() + static_cast<std::ptrdiff_t>(drop));
    m_bytes = bytes;
    m_index -= drop;
    if (m_clean) {
        m_clean = *m_clean >= drop ? std::optional<size_t>(*m_clean - drop) : std::nullopt;
    }
}

} // namespace tarnell
