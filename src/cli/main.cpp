// fdutool: the command-line front end over the settings-file engine and the document.
#include "CTarnell1018Doc.h"
#include "FileError.h"
#include "FileIo.h"
#include "ModelJson.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <sstream>

using namespace tarnell;

namespace {

// Opens a settings file; the load's own messages (a damaged configuration) go to stderr.
void OpenDocument(CTarnell1018Doc& doc, const std::string& path) {
    for (const auto& message : doc.Open(path)) {
        std::cerr << path << ": " << message << "\n";
    }
}

nlohmann::ordered_json StatisticsJson(const DocumentStatistics& s) {
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
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"fdutool - reads and writes the settings files of Octagon SF 1018 / SF 1028 "
                 "receivers"};
    app.require_subcommand(1);
    int favCodepage = 6;
    app.add_option("--fav-codepage", favCodepage,
                   "Code page of favourite-list names (0 ISO 6937, 1-5 ISO 8859-5..9, 6 UTF-8)")
        ->check(CLI::Range(0, 6));

    std::string inPath;
    std::string outPath;
    bool json = false;
    bool receiverLayout = false;
    bool radio = false;
    bool transponders = false;
    bool names = false;

    auto* info = app.add_subcommand("info", "Summary of a settings file");
    info->add_option("FILE", inPath, "Settings file (*.fdu, *.sys)")->required();
    info->add_flag("--json", json, "Print the summary as JSON");

    auto* dump = app.add_subcommand("dump", "The whole model as JSON");
    dump->add_option("FILE", inPath, "Settings file")->required();

    auto* store = app.add_subcommand("store", "Load a settings file and store it again, as the "
                                              "editor saves");
    store->add_option("IN", inPath, "Settings file to read")->required();
    store->add_option("OUT", outPath, "Settings file to write")->required();
    store->add_flag("--receiver-layout", receiverLayout,
                    "Write the configuration as the receiver keeps it");

    auto* create = app.add_subcommand("new", "Write the built-in factory list");
    create->add_option("OUT", outPath, "Settings file to write")->required();

    auto* cleanup = app.add_subcommand("cleanup", "Remove unused transponders, repair name "
                                                  "references (both when neither is named)");
    cleanup->add_option("IN", inPath, "Settings file to read")->required();
    cleanup->add_option("OUT", outPath, "Settings file to write")->required();
    cleanup->add_flag("--transponders", transponders, "Remove transponders no channel uses");
    cleanup->add_flag("--names", names, "Unlink channels from names that do not exist");

    auto* exportText = app.add_subcommand("export-text", "Export the channels as text");
    exportText->add_option("FILE", inPath, "Settings file")->required();
    exportText->add_option("OUT", outPath, "Text file to write")->required();
    exportText->add_flag("--radio", radio, "Export the radio channels instead of TV");

    auto* sortTemplate = app.add_subcommand("sort-template", "Move the usual Astra 19.2E "
                                                             "channels to the top");
    sortTemplate->add_option("IN", inPath, "Settings file to read")->required();
    sortTemplate->add_option("OUT", outPath, "Settings file to write")->required();

    auto* stats = app.add_subcommand("stats", "Channel statistics");
    stats->add_option("FILE", inPath, "Settings file")->required();
    stats->add_flag("--json", json, "Print as JSON");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }

    try {
        CTarnell1018Doc doc;
        if (create->parsed()) {
            doc.OnNewDocument();
            doc.Save(outPath);
            return 0;
        }
        OpenDocument(doc, inPath);
        if (info->parsed()) {
            const auto summary = InfoJson(doc.File(), favCodepage);
            std::cout << (json ? summary.dump(2) + "\n" : InfoText(summary));
        } else if (dump->parsed()) {
            std::cout << DumpJson(doc.File(), favCodepage).dump(2) << "\n";
        } else if (store->parsed()) {
            doc.SetReceiverLayout(receiverLayout);
            WriteFileAtomically(outPath, doc.StoreToBytes());
        } else if (cleanup->parsed()) {
            const bool all = !transponders && !names;
            if (all || transponders) {
                std::cout << "Removed " << doc.RemoveUnreferencedTransponders()
                          << " transponders without channels\n";
            }
            if (all || names) {
                doc.RepairChannelNameReferences();
            }
            doc.Save(outPath);
        } else if (exportText->parsed()) {
            WriteFileAtomically(outPath, doc.ExportChannelText(!radio));
        } else if (sortTemplate->parsed()) {
            std::cout << "Moved " << doc.ApplySortTemplate() << " channels to the top\n";
            doc.Save(outPath);
        } else if (stats->parsed()) {
            const auto s = doc.GetStatistics();
            std::cout << (json ? StatisticsJson(s).dump(2) + "\n" : StatisticsText(s));
        }
    } catch (const std::exception& e) {
        std::cerr << "fdutool: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
