#pragma once

#include <QString>
#include <QWidget>

namespace tarnell {

// The manual page (a name from docs/manual/pages.txt) that F1 opens while the focus is in this
// widget or one of its children.
inline void SetHelpTopic(QWidget* widget, const char* page) {
    widget->setProperty("tarnellHelpTopic", QString::fromLatin1(page));
}

// The topic of the nearest widget up the parent chain that has one; empty for none.
inline QString HelpTopicOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant topic = widget->property("tarnellHelpTopic");
        if (topic.isValid()) {
            return topic.toString();
        }
    }
    return {};
}

} // namespace tarnell
