// fdutool subcommands that work on settings files on disk.
#include "CTarnell1018Doc.h"
#include "Commands.h"
#include "EnglishMessages.h"
#include "FileError.h"
#include "FileIo.h"
#include "ModelJson.h"
#include "SectionIds.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>

namespace tarnell {

void OpenDocument(CTarnell1018Doc& doc, const std::string& path, const GlobalOptions& options) {
    const auto messages = doc.Open(path);
    // A refusal is the one line it says; the load's own messages would only repeat it.
    if (!doc.LostSections().empty() && !options.salvage) {
        throw FileError(path +
                        " is damaged; these parts of it cannot be read: " + doc.LostSectionsText() +
                        ". Nothing was done. To go on with what can be read, add --salvage "
                        "(whatever is written then lacks those parts).");
    }
    for (const auto& message : messages) {
        std::cerr << path << ": " << InEnglish(message) << "\n";
    }
    if (!doc.LostSections().empty()) {
        std::cerr << "fdutool: " << path << " is damaged; going on with what can be read, without: "
                  << doc.LostSectionsText() << "\n";
    }
}

namespace {

// "_service.fdu" goes with "_config.fdu", as on the receiver; "list.fdu" with "list_config.fdu".
std::filesystem::path CompanionConfigPath(const std::filesystem::path& out) {
    if (out.filename() == "_service.fdu") {
        return out.parent_path() / "_config.fdu";
    }
    auto name = out.stem().string() + "_config" + out.extension().string();
    return out.parent_path() / name;
}

// The pie's slices under the names the editor's legend gives them, with the same shares.
constexpr const char* kSliceNames[DocumentStatistics::kSliceCount] = {
    "TV SD free",      "TV HD free", "TV SD scrambled",
    "TV HD scrambled", "Radio free", "Radio scrambled"};

std::string Percent(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f%%", share);
    return text;
}

nlohmann::ordered_json StatisticsJson(const DocumentStatistics& s) {
    const auto slices = s.PieSlices();
    auto pie = nlohmann::ordered_json::array();
    for (int i = 0; i < DocumentStatistics::kSliceCount; ++i) {
        pie.push_back({{"name", kSliceNames[i]},
                       {"channels", slices[static_cast<size_t>(i)]},
                       {"share", Percent(DocumentStatistics::Share(slices, i))}});
    }
    return {{"tv", s.tv},
            {"radio", s.radio},
            {"channels", s.tv + s.radio},
            {"usedTransponders", s.usedTransponders},
            {"satellites", s.satellites},
            {"timers", s.timers},
            {"hd", s.hd},
            {"hdScrambled", s.hdScrambled},
            {"sdScrambled", s.sdScrambled},
            {"radioScrambled", s.radioScrambled},
            {"slices", pie},
            {"fileInfo", s.text}};
}

std::string StatisticsText(const DocumentStatistics& s) {
    std::ostringstream out;
    out << "TV channels:        " << s.tv << " (" << s.hd << " HD, " << s.hdScrambled
        << " HD scrambled, " << s.sdScrambled << " SD scrambled)\n"
        << "Radio channels:     " << s.radio << " (" << s.radioScrambled << " scrambled)\n"
        << "All channels:       " << s.tv + s.radio << "\n"
        << "Used transponders:  " << s.usedTransponders << "\n"
        << "Satellites:         " << s.satellites << "\n"
        << "Timers:             " << s.timers << "\n"
        << "File information:   " << s.text << "\n";
    const auto slices = s.PieSlices();
    for (int i = 0; i < DocumentStatistics::kSliceCount; ++i) {
        out << "  " << kSliceNames[i] << ": " << slices[static_cast<size_t>(i)] << " ("
            << Percent(DocumentStatistics::Share(slices, i)) << ")\n";
    }
    return out.str();
}

} // namespace

void AddFileCommands(CLI::App& app, const GlobalOptions& options, std::vector<Command>& commands) {
    struct Args {
        std::string inPath;
        std::string outPath;
        bool json = false;
        bool receiverLayout = false;
        bool radio = false;
        bool utf8 = false;
        bool transponders = false;
        bool names = false;
    };
    auto args = std::make_shared<Args>();
    const GlobalOptions* global = &options;

    auto* info = app.add_subcommand("info", "Summary of a settings file");
    info->add_option("FILE", args->inPath, "Settings file (*.fdu, *.sys)")->required();
    info->add_flag("--json", args->json, "Print the summary as JSON");

    auto* dump = app.add_subcommand("dump", "The whole model as JSON");
    dump->add_option("FILE", args->inPath, "Settings file")->required();

    auto* store = app.add_subcommand("store", "Load a settings file and store it again, as the "
                                              "editor saves");
    store->add_option("IN", args->inPath, "Settings file to read")->required();
    store->add_option("OUT", args->outPath, "Settings file to write")->required();
    store->add_flag("--receiver-layout", args->receiverLayout,
                    "Write the files as the receiver keeps them: OUT holds the service list, "
                    "a file beside it (_config.fdu, or NAME_config.fdu) the configuration");

    auto* create = app.add_subcommand("new", "Write the built-in factory list");
    create->add_option("OUT", args->outPath, "Settings file to write")->required();

    auto* cleanup = app.add_subcommand("cleanup", "Remove unused transponders, repair name "
                                                  "references (both when neither is named)");
    cleanup->add_option("IN", args->inPath, "Settings file to read")->required();
    cleanup->add_option("OUT", args->outPath, "Settings file to write")->required();
    cleanup->add_flag("--transponders", args->transponders, "Remove transponders no channel uses");
    cleanup->add_flag("--names", args->names, "Unlink channels from names that do not exist");

    auto* exportText = app.add_subcommand("export-text", "Export the channels as text");
    exportText->add_option("FILE", args->inPath, "Settings file")->required();
    exportText->add_option("OUT", args->outPath, "Text file to write")->required();
    exportText->add_flag("--radio", args->radio, "Export the radio channels instead of TV");
    exportText->add_flag("--utf8", args->utf8,
                         "Write UTF-8 instead of Windows-1252 (names it cannot hold become ?)");

    auto* sortTemplate = app.add_subcommand("sort-template", "Move the usual Astra 19.2E "
                                                             "channels to the top");
    sortTemplate->add_option("IN", args->inPath, "Settings file to read")->required();
    sortTemplate->add_option("OUT", args->outPath, "Settings file to write")->required();

    auto* stats = app.add_subcommand("stats", "Channel statistics");
    stats->add_option("FILE", args->inPath, "Settings file")->required();
    stats->add_flag("--json", args->json, "Print as JSON");

    commands.push_back({info, [args, global] {
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            const auto summary = InfoJson(doc.File(), global->favCodepage);
                            std::cout << (args->json ? summary.dump(2) + "\n" : InfoText(summary));
                            return 0;
                        }});
    commands.push_back({dump, [args, global] {
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            std::cout << DumpJson(doc.File(), global->favCodepage).dump(2) << "\n";
                            return 0;
                        }});
    commands.push_back({store, [args, global] {
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            doc.SetReceiverLayout(args->receiverLayout);
                            const auto image = doc.StoreToBytes();
                            if (!args->receiverLayout || image.size() <= kServicePartSize) {
                                WriteFileAtomically(args->outPath, image);
                                return 0;
                            }
                            // As the receiver keeps them: the service list, and the
                            // configuration in a file of its own beside it.
                            const auto config = CompanionConfigPath(args->outPath);
                            WriteFileAtomically(config, std::span(image).subspan(kServicePartSize));
                            WriteFileAtomically(args->outPath,
                                                std::span(image).first(kServicePartSize));
                            std::cout << "Service list written to " << args->outPath
                                      << ", configuration to " << config.string() << "\n";
                            return 0;
                        }});
    commands.push_back({create, [args] {
                            CTarnell1018Doc doc;
                            doc.OnNewDocument();
                            doc.Save(args->outPath);
                            return 0;
                        }});
    commands.push_back({cleanup, [args, global] {
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            const bool all = !args->transponders && !args->names;
                            if (all || args->transponders) {
                                std::cout << "Removed " << doc.RemoveUnreferencedTransponders()
                                          << " transponders without channels\n";
                            }
                            if (all || args->names) {
                                doc.RepairChannelNameReferences();
                            }
                            doc.Save(args->outPath);
                            return 0;
                        }});
    commands.push_back(
        {exportText, [args, global] {
             CTarnell1018Doc doc;
             OpenDocument(doc, args->inPath, *global);
             const CodePage codePage = args->utf8 ? CodePage::Utf8 : CodePage::Windows1252;
             WriteFileAtomically(args->outPath, doc.ExportChannelText(!args->radio, codePage));
             return 0;
         }});
    commands.push_back({sortTemplate, [args, global] {
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            std::cout << "Moved " << doc.ApplySortTemplate()
                                      << " channels to the top\n";
                            doc.Save(args->outPath);
                            return 0;
                        }});
    commands.push_back({stats, [args, global] {
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            const auto s = doc.GetStatistics();
                            std::cout << (args->json ? StatisticsJson(s).dump(2) + "\n"
                                                     : StatisticsText(s));
                            return 0;
                        }});
}

} // namespace tarnell
