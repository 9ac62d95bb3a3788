// fdutool import: foreign channel lists merged onto a base settings file.
#include "CEnigma2ImportManager.h"
#include "CTarnell1018Doc.h"
#include "Commands.h"
#include "EnglishMessages.h"
#include "FileError.h"
#include "ImportMerge.h"

#include <iostream>
#include <memory>

namespace tarnell {

namespace {

void PrintReport(const ImportReport& r, std::ostream& out) {
    out << "Imported: " << r.tvChannels << " TV and " << r.radioChannels << " radio channels, "
        << r.transponders << " transponders, " << r.satellitesAdded << " new satellites, "
        << r.favouriteLists << " favourite lists\n";
    auto drop = [&out](int n, const char* why) {
        if (n > 0) {
            out << "Dropped:  " << n << " " << why << "\n";
        }
    };
    drop(r.droppedNoFreeSlot, "transponders: no free transponder slot");
    drop(r.droppedBadTransponder, "transponders: frequency or position the receiver cannot store");
    drop(r.droppedSatelliteLimit,
         "satellites beyond 255 (their transponders went to the last one)");
    drop(r.droppedChannelLimit, "services: the receiver holds at most 10,000 channels");
    drop(r.droppedServiceType,
         "services of a type the receiver does not list (only 1, 2, 4, 22, 25)");
    if (r.channelsWithoutTransponder > 0) {
        out << "Note:     " << r.channelsWithoutTransponder << " channels have no transponder\n";
    }
}

} // namespace

void AddImportCommands(CLI::App& app, const GlobalOptions& options,
                       std::vector<Command>& commands) {
    struct Args {
        std::string kind;
        std::string source;
        std::string base;
        std::string out;
        std::vector<std::string> bouquets{"all"};
    };
    auto args = std::make_shared<Args>();
    auto* import =
        app.add_subcommand("import", "Import a foreign channel list onto a base settings file");
    import->add_option("KIND", args->kind, "enigma2, udb or bin")
        ->required()
        ->check(CLI::IsMember({"enigma2", "udb", "bin"}));
    import
        ->add_option("SOURCE", args->source, "lamedb or lamedb5 (or their folder), *.udb, or *.bin")
        ->required();
    import
        ->add_option("--base", args->base,
                     "Settings file whose satellites and configuration are kept")
        ->required();
    import->add_option("-o,--output", args->out, "Settings file to write")->required();
    import
        ->add_option("--bouquets", args->bouquets,
                     "Enigma2 bouquets that become favourite lists: all, none, or their names")
        ->expected(1, -1);
    const GlobalOptions* global = &options;

    commands.push_back(
        {import, [args, global] {
             ImportRequest request;
             request.kind = args->kind == "enigma2" ? ImportKind::Enigma2
                            : args->kind == "udb"   ? ImportKind::Udb
                                                    : ImportKind::Bin;
             request.source = args->source;
             request.base = args->base;
             request.favCodepage = global->favCodepage;
             request.salvage = global->salvage;
             CE2ImportBouquetArray bouquets;
             const bool all = args->bouquets.size() == 1 && args->bouquets[0] == "all";
             const bool none = args->bouquets.size() == 1 && args->bouquets[0] == "none";
             // With no bouquets wanted, no bouquet file is read.
             if (request.kind == ImportKind::Enigma2 && !none) {
                 ReadBouquets(bouquets, CEnigma2ImportManager::ResolveDatabase(request.source));
                 for (const auto& skipped : bouquets.Skipped()) {
                     std::cerr << "fdutool: " << skipped << "\n";
                 }
                 for (const bool tv : {true, false}) {
                     for (const auto* b : bouquets.Offered(tv)) {
                         const bool named = std::find(args->bouquets.begin(), args->bouquets.end(),
                                                      b->name) != args->bouquets.end();
                         if (all || named) {
                             (tv ? request.tvBouquets : request.radioBouquets).push_back(b);
                         }
                     }
                 }
             }
             ImportReport report;
             std::unique_ptr<CTarnell1018Doc> doc;
             try {
                 doc = ImportIntoNewDocument(request, report);
             } catch (const FileError& e) {
                 for (const auto& m : report.messages) {
                     std::cerr << "fdutool: " << InEnglish(m) << "\n";
                 }
                 throw;
             }
             for (const auto& m : report.messages) {
                 std::cerr << args->base << ": " << InEnglish(m) << "\n";
             }
             doc->Save(args->out);
             PrintReport(report, std::cout);
             return 0;
         }});
}

} // namespace tarnell
