#include "LanguagePacks.h"

#include <QCoreApplication>

namespace tarnell {

namespace {

// Qt lays the windows out right to left when the pack translates this entry to "RTL"; marked
// here so that every pack carries it.
[[maybe_unused]] constexpr const char* kLayoutDirection[2] = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

} // namespace

const LanguageInfo& LanguageForId(int id) {
    for (const auto& language : kLanguages) {
        if (language.id == id) {
            return language;
        }
    }
    return kLanguages.front();
}

const LanguageInfo* LanguageForCommand(int command) {
    for (const auto& language : kLanguages) {
        if (language.command == command) {
            return &language;
        }
    }
    return nullptr;
}

QString LanguagePackFileName(const LanguageInfo& language) {
    return QStringLiteral("tarnell1018") + QLatin1String(language.suffix) + QStringLiteral(".qm");
}

} // namespace tarnell
