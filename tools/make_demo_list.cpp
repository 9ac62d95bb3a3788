// Writes a small but complete settings file for trying fdutool.
#include "FileError.h"
#include "FileIo.h"
#include "SettingsFileBuilder.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_demo_list OUT\n";
        return 2;
    }
    try {
        tarnell::test::SampleOptions options;
        options.timers = 6;
        options.configLength = 900;
        auto file = tarnell::test::MakeSample(options);
        tarnell::WriteFileAtomically(argv[1], file->Store());
    } catch (const tarnell::FileError& e) {
        std::cerr << "make_demo_list: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
