#include "CComboBoxExProp.h"

#include <algorithm>

namespace tarnell {

QString CComboBoxExProp::TextOfValue(int value) const {
    if (m_options.empty()) {
        return {};
    }
    if (value < 0) {
        return m_options.front().text;
    }
    const auto found = std::find_if(m_options.begin(), m_options.end(),
                                    [value](const Option& o) { return o.value == value; });
    return found == m_options.end() ? QString() : found->text;
}

bool CComboBoxExProp::ValueOfText(const QString& text, int& value) const {
    const auto found = std::find_if(m_options.begin(), m_options.end(),
                                    [&text](const Option& o) { return o.text == text; });
    if (found == m_options.end()) {
        return false;
    }
    value = found->value;
    return true;
}

bool CComboBoxExProp::HasValue(int value) const {
    return std::any_of(m_options.begin(), m_options.end(),
                       [value](const Option& o) { return o.value == value; });
}

} // namespace tarnell
