#pragma once

#include <string>

namespace tarnell::test {

struct CommandRun {
    int status = -1; // the exit status, -1 when the command did not exit normally
    std::string out;
};

// Runs a shell command line and collects what it prints on stdout.
CommandRun RunCommand(const std::string& commandLine);

} // namespace tarnell::test
