#include "EnglishMessages.h"

#include <utility>

namespace tarnell {

std::string InEnglish(std::string text) {
    static const std::pair<const char*, const char*> kTexts[] = {
        {"Datenfile nicht gefunden, oder Datenfile in Gebrauch!",
         "The Enigma2 list was not found or cannot be read. Name its lamedb (or lamedb5) file or "
         "the folder that holds it."},
        {"Fehler beim Lesen des Datenfiles!",
         "This is not an Enigma2 service list: its first line is not \"eDVB services /3/\", "
         "\"/4/\" or \"/5/\"."},
        {"Die Systemdaten sind fehlerhaft!",
         "The configuration part is damaged and was left out; the service list is used "
         "without it."},
        {"Please check files", "Nothing was imported; the messages above say why."},
        {"Fehler 1", "The connection for the restart could not be set up"},
        {"Kein Connect", "The receiver's login shell did not answer"},
    };
    for (const auto& [german, english] : kTexts) {
        if (const size_t at = text.find(german); at != std::string::npos) {
            text.replace(at, std::char_traits<char>::length(german), english);
        }
    }
    return text;
}

} // namespace tarnell
