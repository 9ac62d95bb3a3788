#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tarnell {

// One interface language: its stored identifier, the suffix of its pack, the command that
// selects it, the name of Qt's own translations for it, and the button label and the restart
// notice, both in that language (UTF-8).
struct LanguageInfo {
    int id;
    const char* suffix;
    int command;
    const char* qtLocale;
    const char* buttonLabel;
    const char* restartNotice;
};

// Table order matters: the first entry is the fallback for identifiers nobody knows.
inline constexpr std::array<LanguageInfo, 9> kLanguages = {{
    {0x09, "ENU", 32980, "en", "English",
     "Restart the program to activate the new language selection."},
    {0x07, "DEU", 32979, "de", "Deutsch",
     "Beenden Sie das Programm und starten Sie es erneut um die neuen Spracheinstellungen zu "
     "übernehmen."},
    {0x10, "ITA", 32985, "it", "Italiano",
     "Riavviare il programma per attivare la nuova selezione della lingua."},
    {0x19, "RUS", 32981, "ru", "Русский",
     "Перезапустите программу, чтобы активизировать новый языковой выбор."},
    {0x0C, "FRA", 32982, "fr", "Français",
     "Redémarrer le programme pour activer la nouvelle langue."},
    {0x0A, "ESP", 32984, "es", "Español",
     "Reanude el programa para activar la nueva selección de lengua."},
    {0x13, "NLD", 32983, "nl", "Nederlands",
     "Start het programma opnieuw, om de nieuwe taalinstellingen door te voeren."},
    {0x29, "FAR", 32986, "fa", "فارسی",
     "برنامه را ببندید و دوباره اجرا کنید تا زبان تازه به کار گرفته شود."},
    {0x01, "ARA", 32987, "ar", "العربية", "أعد تشغيل البرنامج لتفعيل اللغة الجديدة."},
}};

// The language buttons' order in the ribbon.
inline constexpr std::array<int, 9> kLanguageButtonOrder = {32979, 32981, 32982, 32985, 32980,
                                                            32984, 32983, 32986, 32987};

const LanguageInfo& LanguageForId(int id);
// nullptr for a command that selects no language.
const LanguageInfo* LanguageForCommand(int command);

// "tarnell1018DEU.qm": named after the program, as the packs always were.
QString LanguagePackFileName(const LanguageInfo& language);

} // namespace tarnell
