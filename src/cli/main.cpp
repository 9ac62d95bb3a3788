// fdutool: the command-line front end over the settings-file engine and the document.
#include "Commands.h"
#include "EnglishMessages.h"

#include <iostream>

using namespace tarnell;

int main(int argc, char** argv) {
    CLI::App app{"fdutool - reads and writes the settings files of Octagon SF 1018 / SF 1028 "
                 "receivers"};
    app.set_version_flag("--version", std::string("fdutool ") + TARNELL_VERSION);
    app.require_subcommand(1);
    // Options of the tool itself are taken before or after the command's name.
    app.fallthrough();
    GlobalOptions options;
    app.add_option("--fav-codepage", options.favCodepage,
                   "Code page of favourite-list names (0 ISO 6937, 1-5 ISO 8859-5..9, 6 UTF-8)")
        ->check(CLI::Range(0, 6));
    app.add_flag("--salvage", options.salvage,
                 "Go on with a damaged settings file, without the parts that could not be read");

    std::vector<Command> commands;
    AddFileCommands(app, options, commands);
    AddImportCommands(app, options, commands);
    AddCompareCommands(app, options, commands);
    AddLinkCommands(app, options, commands);
    AddConfigCommands(app, options, commands);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }
    try {
        for (const auto& command : commands) {
            if (command.app->parsed()) {
                return command.run();
            }
        }
    } catch (const std::exception& e) {
        std::cerr << "fdutool: " << InEnglish(e.what()) << "\n";
        return 1;
    }
    return 0;
}
