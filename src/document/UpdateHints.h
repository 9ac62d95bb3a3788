#pragma once

namespace tarnell {

// What a document tells its views after a change.
enum UpdateHint : int {
    kHintRefillAllChannels = 1500,
    kHintClearChannelPane = 1501,
    kHintClearTransponderPanes = 1502,
    kHintClearSatellitePanes = 1503,
    kHintSatelliteEdited = 1504,
    kHintRebuildTree = 1505,
    kHintResortSatellites = 1506,
    kHintRefillFromTree = 1507,
    kHintRenumberChannels = 1508,
    kHintChannelChanged = 1509,
    kHintTranspondersRemoved = 1510,
    kHintSelectSatellitesNode = 1511,
    kHintRelabelFavourites = 1512,
    kHintFavouriteNumbering = 1518,
    kHintModelReplaced = 1519,
    // A transponder's fields were edited; the object is the record.
    kHintTransponderEdited = 1520,
};

class CTarnell1018Doc;

// Views register with a document to hear about its changes.
class IDocumentListener {
public:
    virtual ~IDocumentListener() = default;
    virtual void OnDocumentUpdate(CTarnell1018Doc& document, int hint, const void* object) = 0;
};

} // namespace tarnell
