// fdutool fetch, send, reboot and profiles: the receiver link.
#include "Commands.h"

namespace tarnell {

void AddLinkCommands(CLI::App&, const GlobalOptions&, std::vector<Command>&) {}

} // namespace tarnell
