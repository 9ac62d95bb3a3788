#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace tarnell {

// One fdutool subcommand: what CLI11 parsed, and what runs it. `run` returns the exit status
// and may throw; main turns exceptions into one line on stderr and status 1.
struct Command {
    CLI::App* app = nullptr;
    std::function<int()> run;
};

// Options every command may read.
struct GlobalOptions {
    int favCodepage = 6;
    bool salvage = false; // go on with a damaged file, without what could not be read
};

class CTarnell1018Doc;
// Opens a settings file; its messages go to stderr. A damaged file is refused (FileError)
// unless salvaging, which goes on with what could be read and says so.
void OpenDocument(CTarnell1018Doc& doc, const std::string& path, const GlobalOptions& options);

// Each family adds its subcommands to `app`.
void AddFileCommands(CLI::App& app, const GlobalOptions& options, std::vector<Command>& commands);
void AddImportCommands(CLI::App& app, const GlobalOptions& options, std::vector<Command>& commands);
void AddCompareCommands(CLI::App& app, const GlobalOptions& options,
                        std::vector<Command>& commands);
void AddLinkCommands(CLI::App& app, const GlobalOptions& options, std::vector<Command>& commands);
void AddConfigCommands(CLI::App& app, const GlobalOptions& options, std::vector<Command>& commands);

} // namespace tarnell
