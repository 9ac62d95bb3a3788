// fdutool: the command-line front end over the settings-file engine.
#include "CSettingsFile.h"
#include "FileError.h"
#include "FileIo.h"
#include "ModelJson.h"

#include <CLI/CLI.hpp>

#include <iostream>

using namespace tarnell;

namespace {

// Loads a settings file; the load's own messages (a damaged configuration) go to stderr.
void LoadFile(CSettingsFile& file, const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    for (const auto& message : file.Load(bytes)) {
        std::cerr << path << ": " << message << "\n";
    }
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

    auto* info = app.add_subcommand("info", "Summary of a settings file");
    info->add_option("FILE", inPath, "Settings file (*.fdu, *.sys)")->required();
    info->add_flag("--json", json, "Print the summary as JSON");

    auto* dump = app.add_subcommand("dump", "The whole model as JSON");
    dump->add_option("FILE", inPath, "Settings file")->required();

    auto* store = app.add_subcommand("store", "Load a settings file and store it again");
    store->add_option("IN", inPath, "Settings file to read")->required();
    store->add_option("OUT", outPath, "Settings file to write")->required();
    store->add_flag("--receiver-layout", receiverLayout,
                    "Write the configuration as the receiver keeps it");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }

    try {
        CSettingsFile file;
        LoadFile(file, inPath);
        if (info->parsed()) {
            const auto summary = InfoJson(file, favCodepage);
            std::cout << (json ? summary.dump(2) + "\n" : InfoText(summary));
        } else if (dump->parsed()) {
            std::cout << DumpJson(file, favCodepage).dump(2) << "\n";
        } else if (store->parsed()) {
            const auto image =
                file.Store(receiverLayout ? ConfigLayout::Receiver : ConfigLayout::File);
            WriteFileAtomically(outPath, image);
        }
    } catch (const FileError& e) {
        std::cerr << "fdutool: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "fdutool: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
