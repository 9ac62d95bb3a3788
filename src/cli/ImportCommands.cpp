// fdutool import: foreign channel lists merged onto a base settings file.
#include "Commands.h"

namespace tarnell {

void AddImportCommands(CLI::App&, const GlobalOptions&, std::vector<Command>&) {}

} // namespace tarnell
