#pragma once

#include "CE2ImportBouquet.h"
#include "ImportReport.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tarnell {

class CSettingsFile;
class CTarnell1018Doc;

enum class ImportKind { Enigma2, Udb, Bin };

struct ImportRequest {
    ImportKind kind = ImportKind::Enigma2;
    std::filesystem::path source;
    std::filesystem::path base; // the settings file whose satellites and configuration are kept
    // Enigma2 only: the bouquets that become favourite lists, in order, TV ones first.
    std::vector<const CE2ImportBouquet*> tvBouquets;
    std::vector<const CE2ImportBouquet*> radioBouquets;
    int favCodepage = 6;
    bool salvage = false; // take a damaged base file as far as it can be read
};

// Empties the service list: channels, transponders, favourite lists and timers. Satellites and
// the configuration stay.
void EmptyServiceList(CSettingsFile& file);

// Makes the bouquets favourite lists 1, 2, ... (TV first, at most 32) and marks their channels.
void AddBouquetsAsFavourites(CSettingsFile& file, const std::vector<const CE2ImportBouquet*>& tv,
                             const std::vector<const CE2ImportBouquet*>& radio, int favCodepage,
                             ImportReport& report);

// Loads the base file into a new document and fills it from the foreign list. The base file
// on disk is never changed. Throws FileError ("Please check files", with the reasons in the
// report) when the import fails; no document is left then.
std::unique_ptr<CTarnell1018Doc> ImportIntoNewDocument(const ImportRequest& request,
                                                       ImportReport& report);

} // namespace tarnell
