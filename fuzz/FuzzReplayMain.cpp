// Runs a fuzz target over saved inputs, for compilers without libFuzzer, so that CTest keeps
// every seed and every past crash passing. Each input runs in a child process: a trap in one
// still lets the others run, and the summary names every input that fails.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;

[[noreturn]] void RunInChild(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << "\n";
        std::_Exit(2);
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    std::_Exit(0);
}

// True when the input ran through without a crash.
bool Replay(const fs::path& path) {
    std::cout << "replay " << path.string() << std::endl;
    const pid_t child = fork();
    if (child < 0) {
        std::cerr << "fork failed: " << std::strerror(errno) << "\n";
        std::exit(2);
    }
    if (child == 0) {
        RunInChild(path);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            std::cerr << "waitpid failed: " << std::strerror(errno) << "\n";
            std::exit(2);
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return true;
    }
    std::cout << "FAILED " << path.string() << ": "
              << (WIFSIGNALED(status) ? strsignal(WTERMSIG(status)) : "exit status")
              << (WIFEXITED(status) ? " " + std::to_string(WEXITSTATUS(status)) : "") << std::endl;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " FILE_OR_FOLDER...\n";
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        if (!fs::is_directory(arg)) {
            inputs.push_back(arg);
            continue;
        }
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(arg)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        // Sorted, so that every run goes through the inputs in the same order.
        std::sort(files.begin(), files.end());
        inputs.insert(inputs.end(), files.begin(), files.end());
    }
    if (inputs.empty()) {
        std::cerr << "no inputs found\n";
        return 1; // an empty corpus would pass without testing anything
    }
    std::vector<fs::path> failed;
    for (const auto& input : inputs) {
        if (!Replay(input)) {
            failed.push_back(input);
        }
    }
    std::cout << inputs.size() << " inputs replayed, " << failed.size() << " failed\n";
    for (const auto& path : failed) {
        std::cout << "  " << path.filename().string() << "\n";
    }
    return failed.empty() ? 0 : 1;
}
