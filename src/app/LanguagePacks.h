#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tarnell {

// One interface language: its stored identifier, the suffix of its pack, the command that
// selects it (0: none) and the name of Qt's own translations for it.
struct LanguageInfo {
    int id;
    const char* suffix;
    int command;
    const char* qtLocale;
};

// Table order matters: the first entry is the fallback for identifiers nobody knows.
inline constexpr std::array<LanguageInfo, 9> kLanguages = {{
    {0x09, "ENU", 32980, "en"},
    {0x07, "DEU", 32979, "de"},
    {0x10, "ITA", 32985, "it"},
    {0x19, "RUS", 32981, "ru"},
    {0x0C, "FRA", 32982, "fr"},
    {0x0A, "ESP", 32984, "es"},
    {0x13, "NLD", 32983, "nl"},
    {0x29, "FAR", 0, "fa"},
    {0x01, "ARA", 0, "ar"},
}};

const LanguageInfo& LanguageForId(int id);

// "tarnell1018DEU.qm": named after the program, as the packs always were.
QString LanguagePackFileName(const LanguageInfo& language);

} // namespace tarnell
