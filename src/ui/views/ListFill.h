#pragma once

namespace tarnell {

// What the channel list shows. The navigation tree decides it from the selected node; the
// channel list fills itself from it. The numbers are the list's stored mode values.
enum class ListMode : int {
    Favourite = 1,
    AllChannels = 2,
    Satellite = 3,
    Transponder = 4,
    Provider = 5,
};

struct ListFill {
    ListMode mode = ListMode::AllChannels;
    // Table index of the satellite, transponder, provider name or favourite list; for
    // AllChannels the service kind (0 TV, 1 radio).
    int index = 0;
    // The window's TV/radio switch (true shows TV), used by every mode but AllChannels.
    bool tv = true;

    friend bool operator==(const ListFill&, const ListFill&) = default;
};

} // namespace tarnell
