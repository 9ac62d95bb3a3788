#pragma once

#include <string>
#include <vector>

namespace tarnell {

// What an import brought in, and what it had to leave out and why.
struct ImportReport {
    int satellitesAdded = 0;
    int transponders = 0;
    int tvChannels = 0;
    int radioChannels = 0;
    int favouriteLists = 0;

    int droppedNoFreeSlot = 0;     // transponders: the table was full
    int droppedBadTransponder = 0; // transponders whose frequency cannot be stored
    int droppedChannelLimit = 0;   // services beyond 10,000 channels
    int droppedServiceType = 0;    // services of a type the receiver does not list
    int droppedSatelliteLimit = 0; // transponders filed under the last satellite at 255
    int channelsWithoutTransponder = 0;

    std::vector<std::string> messages; // for the user, in the order they arose
};

} // namespace tarnell
