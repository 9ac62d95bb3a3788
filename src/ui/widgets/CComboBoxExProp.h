#pragma once

#include <QString>

#include <vector>

namespace tarnell {

// The options of a choice row: texts with the numbers they stand for.
class CComboBoxExProp {
public:
    struct Option {
        QString text;
        int value = 0;
    };

    CComboBoxExProp() = default;
    explicit CComboBoxExProp(std::vector<Option> options) : m_options(std::move(options)) {}

    const std::vector<Option>& Options() const { return m_options; }
    bool Empty() const { return m_options.empty(); }
    void Add(const QString& text, int value) { m_options.push_back({text, value}); }
    // The text of the option with this value; a negative value shows the first option, a value
    // no option has shows nothing.
    QString TextOfValue(int value) const;
    // The value of the option with this text; false when no option has it.
    bool ValueOfText(const QString& text, int& value) const;
    bool HasValue(int value) const;

private:
    std::vector<Option> m_options;
};

} // namespace tarnell
