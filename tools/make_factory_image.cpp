// Builds the factory service list from the tables in data/factory and writes its image.
#include "CSettingsFile.h"
#include "FactoryListBuilder.h"
#include "FileError.h"
#include "FileIo.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_factory_image TABLES_FOLDER OUT\n";
        return 2;
    }
    try {
        auto file = tarnell::BuildFactoryList(argv[1]);
        tarnell::WriteFileAtomically(argv[2], file->Store());
    } catch (const tarnell::FileError& e) {
        std::cerr << "make_factory_image: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
