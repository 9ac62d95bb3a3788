#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnell {

// Named states before and after edits, as opaque compressed blobs. Bounded in steps and bytes.
class UndoHistory {
public:
    static constexpr size_t kMinSteps = 100;
    static constexpr size_t kMaxSteps = 500;
    static constexpr size_t kMaxBytes = 64u << 20;

    // Records an edit: `before` is the state the edit started from. Drops any redo steps.
    void Push(std::string name, std::vector<uint8_t> before);

    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return m_index < m_steps.size(); }
    std::string UndoName() const { return CanUndo() ? m_steps[m_index - 1].name : std::string(); }
    std::string RedoName() const { return CanRedo() ? m_steps[m_index].name : std::string(); }

    // Swaps the state of the step to undo with `current`, which becomes its redo state.
    std::vector<uint8_t> Undo(std::vector<uint8_t> current);
    std::vector<uint8_t> Redo(std::vector<uint8_t> current);

    // The position that matches the file on disk; nullopt when no position does any more.
    void MarkClean() { m_clean = m_index; }
    bool IsClean() const { return m_clean == m_index; }
    void Clear();

    size_t Steps() const { return m_steps.size(); }
    size_t Bytes() const { return m_bytes; }

private:
    struct Step {
        std::string name;
        std::vector<uint8_t> state; // before the edit while undoable, after it while redoable
    };
    void Trim();

    std::vector<Step> m_steps;
    size_t m_index = 0; // steps below it can be undone
    std::optional<size_t> m_clean = 0;
    size_t m_bytes = 0;
};

} // namespace tarnell
