#include "LanguagePacks.h"

namespace tarnell {

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
        if (command != 0 && language.command == command) {
            return &language;
        }
    }
    return nullptr;
}

QString LanguagePackFileName(const LanguageInfo& language) {
    return QStringLiteral("tarnell1018") + QLatin1String(language.suffix) + QStringLiteral(".qm");
}

} // namespace tarnell
