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

QString LanguagePackFileName(const LanguageInfo& language) {
    return QStringLiteral("tarnell1018") + QLatin1String(language.suffix) + QStringLiteral(".qm");
}

} // namespace tarnell
