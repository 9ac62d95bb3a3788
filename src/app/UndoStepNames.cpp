#include "UndoStepNames.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tarnell {

namespace {

constexpr const char* kContext = "UndoStep";

// The steps that name no count of channels.
constexpr const char* kFixedNames[] = {
    QT_TRANSLATE_NOOP("UndoStep", "Repair channel names"),
    QT_TRANSLATE_NOOP("UndoStep", "New favourite list"),
    QT_TRANSLATE_NOOP("UndoStep", "Remove unused transponders"),
    QT_TRANSLATE_NOOP("UndoStep", "Channel numbering"),
    QT_TRANSLATE_NOOP("UndoStep", "Receiver configuration"),
    QT_TRANSLATE_NOOP("UndoStep", "Sort by template"),
    QT_TRANSLATE_NOOP("UndoStep", "Apply a reference order"),
    QT_TRANSLATE_NOOP("UndoStep", "Move channel"),
    QT_TRANSLATE_NOOP("UndoStep", "Rename channel"),
    QT_TRANSLATE_NOOP("UndoStep", "Add to favourites"),
    QT_TRANSLATE_NOOP("UndoStep", "Remove from favourites"),
    QT_TRANSLATE_NOOP("UndoStep", "Adopt the list order"),
    QT_TRANSLATE_NOOP("UndoStep", "New TV channel"),
    QT_TRANSLATE_NOOP("UndoStep", "New radio channel"),
    QT_TRANSLATE_NOOP("UndoStep", "New satellite"),
    QT_TRANSLATE_NOOP("UndoStep", "New transponder"),
    QT_TRANSLATE_NOOP("UndoStep", "Delete channels"),
    QT_TRANSLATE_NOOP("UndoStep", "Delete transponders"),
    QT_TRANSLATE_NOOP("UndoStep", "Rename provider"),
    QT_TRANSLATE_NOOP("UndoStep", "Rename favourite list"),
    QT_TRANSLATE_NOOP("UndoStep", "Delete favourite list"),
    QT_TRANSLATE_NOOP("UndoStep", "Favourite list from provider"),
    QT_TRANSLATE_NOOP("UndoStep", "Move favourite list"),
    QT_TRANSLATE_NOOP("UndoStep", "Move satellite"),
    QT_TRANSLATE_NOOP("UndoStep", "Delete all timers"),
    QT_TRANSLATE_NOOP("UndoStep", "Change timer"),
    QT_TRANSLATE_NOOP("UndoStep", "Change timer text"),
    QT_TRANSLATE_NOOP("UndoStep", "Edit satellite"),
    QT_TRANSLATE_NOOP("UndoStep", "Edit LNB settings"),
    QT_TRANSLATE_NOOP("UndoStep", "Change tuner mode"),
    QT_TRANSLATE_NOOP("UndoStep", "Edit transponder"),
    QT_TRANSLATE_NOOP("UndoStep", "Edit channel"),
};

// "<verb> <n> channel(s)|timer(s)[ <tail>]" as the history writes it, with "%n channel(s)" or
// "%n timer(s)" for the count.
constexpr const char* kCountedNames[] = {
    QT_TRANSLATE_N_NOOP("UndoStep", "Delete %n channel(s)"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Cut %n channel(s)"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Paste %n channel(s)"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Mark %n channel(s)"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Number %n channel(s)"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Move %n channel(s)"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Add %n channel(s) to a favourite list"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Remove %n channel(s) from a favourite list"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Remove %n channel(s) from the favourite list"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Remove %n channel(s) from all favourite lists"),
    QT_TRANSLATE_N_NOOP("UndoStep", "Delete %n timer(s)"),
};

} // namespace

QString UndoStepText(const std::string& name) {
    for (const char* fixed : kFixedNames) {
        if (name == fixed) {
            return QCoreApplication::translate(kContext, fixed);
        }
    }
    static const QRegularExpression countedName(
        QStringLiteral("^(\\S+) (\\d{1,9}) (channel|timer)s?((?: .+)?)$"));
    const QString text = QString::fromStdString(name);
    const QRegularExpressionMatch match = countedName.match(text);
    if (match.hasMatch()) {
        const QString key = match.captured(1) + QStringLiteral(" %n ") + match.captured(3) +
                            QStringLiteral("(s)") + match.captured(4);
        for (const char* counted : kCountedNames) {
            if (key == QLatin1String(counted)) {
                const QString shown = QCoreApplication::translate(kContext, counted, nullptr,
                                                                  match.captured(2).toInt());
                // Without a language pack the history's own English reads better.
                return shown == QString(key).replace(QStringLiteral("%n"), match.captured(2))
                           ? text
                           : shown;
            }
        }
    }
    return text;
}

} // namespace tarnell
