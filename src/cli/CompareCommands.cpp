// fdutool subcommands that set two lists side by side: diff, apply-order, duplicates.
#include "CTarnell1018Doc.h"
#include "ChannelDuplicates.h"
#include "Commands.h"
#include "EnglishMessages.h"
#include "ListDifference.h"
#include "ReferenceListReader.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace tarnell {

namespace {

using Json = nlohmann::ordered_json;

// The field keys of a difference in words.
std::string FieldName(const std::string& key) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"kind", "kind"},
        {"storedNumber", "stored number"},
        {"pcrPid", "PCR PID"},
        {"videoPid", "video PID"},
        {"audioPid", "audio PID"},
        {"audioBits", "audio bits"},
        {"flags", "flags"},
        {"sound", "sound"},
        {"options", "options"},
        {"videoType", "video type"},
        {"audioType", "audio type"},
        {"otherBytes", "other bytes"},
        {"lnb1", "LNB of input 1"},
        {"lnb2", "LNB of input 2"},
        {"lnbType", "LNB type"},
        {"singleLof", "single LOF"},
        {"lofLow", "low LOF"},
        {"lofHigh", "high LOF"},
        {"diseqc10", "DiSEqC 1.0"},
        {"diseqc11", "DiSEqC 1.1"},
        {"positioner", "positioner"},
        {"userBand", "user band"},
        {"symbolRate", "symbol rate"},
        {"onid", "network ID"},
        {"tsid", "stream ID"},
        {"provider", "provider"},
        {"channel", "channel"},
        {"start", "start"},
        {"settings", "settings"},
        {"text", "text"},
    };
    for (const auto& [k, name] : kNames) {
        if (key == k) {
            return name;
        }
    }
    return key;
}

std::string ItemLine(const DiffItem& item) {
    std::string line = std::string(AreaName(item.area)) + " " + KindName(item.kind) + ": ";
    if (item.area == DiffArea::Channels || item.area == DiffArea::FavouriteMembers) {
        line += item.tv ? "TV " : "radio ";
    }
    line += "\"" + item.name + "\"";
    if (!item.list.empty()) {
        line += " in \"" + item.list + "\"";
    }
    if (!item.identity.empty()) {
        line += " (" + item.identity + ")";
    }
    if (item.kind == DiffKind::Renamed) {
        line += ", was \"" + item.oldName + "\"";
    }
    if (item.kind == DiffKind::Moved) {
        line += ", " + std::to_string(item.oldPosition) + " -> " + std::to_string(item.newPosition);
    } else if (item.kind == DiffKind::Removed && item.oldPosition > 0) {
        line += ", was at " + std::to_string(item.oldPosition);
    } else if (item.kind == DiffKind::Added && item.newPosition > 0) {
        line += ", at " + std::to_string(item.newPosition);
    }
    for (const auto& f : item.fields) {
        line += "; " + FieldName(f.field);
        if (!f.before.empty() || !f.after.empty()) {
            line += " " + f.before + " -> " + f.after;
        }
    }
    return line;
}

Json DifferenceJson(const ListDifference& d) {
    Json summary = Json::object();
    for (size_t area = 0; area < kDiffAreaCount; ++area) {
        Json counts = Json::object();
        for (size_t kind = 0; kind < kDiffKindCount; ++kind) {
            if (d.counts[area][kind] > 0) {
                counts[KindName(static_cast<DiffKind>(kind))] = d.counts[area][kind];
            }
        }
        if (!counts.empty()) {
            summary[AreaName(static_cast<DiffArea>(area))] = counts;
        }
    }
    Json items = Json::array();
    for (const auto& item : d.items) {
        Json j = {
            {"area", AreaName(item.area)}, {"change", KindName(item.kind)}, {"name", item.name}};
        if (item.area == DiffArea::Channels || item.area == DiffArea::FavouriteMembers) {
            j["tv"] = item.tv;
        }
        if (!item.oldName.empty()) {
            j["oldName"] = item.oldName;
        }
        if (!item.list.empty()) {
            j["list"] = item.list;
        }
        if (!item.identity.empty()) {
            j["identity"] = item.identity;
        }
        if (item.oldPosition > 0) {
            j["oldPosition"] = item.oldPosition;
        }
        if (item.newPosition > 0) {
            j["newPosition"] = item.newPosition;
        }
        if (!item.fields.empty()) {
            Json fields = Json::array();
            for (const auto& f : item.fields) {
                fields.push_back({{"field", f.field}, {"before", f.before}, {"after", f.after}});
            }
            j["fields"] = fields;
        }
        items.push_back(std::move(j));
    }
    return {{"equal", d.Empty()}, {"summary", summary}, {"changes", items}};
}

const char* GroupKind(const DuplicateGroup& g) {
    return g.kind == DuplicateGroup::Kind::SameService ? "same service" : "same name";
}

} // namespace

void AddCompareCommands(CLI::App& app, const GlobalOptions& options,
                        std::vector<Command>& commands) {
    struct Args {
        std::string first;
        std::string second;
        std::string out;
        bool json = false;
        bool favourites = false;
        bool unmatchedFirst = false;
    };
    auto args = std::make_shared<Args>();
    const GlobalOptions* global = &options;

    auto* diff = app.add_subcommand(
        "diff", "What changes from settings file A to B (exit 0 equal, 1 different, 2 error)");
    diff->add_option("A", args->first, "Settings file before")->required();
    diff->add_option("B", args->second, "Settings file after")->required();
    diff->add_flag("--json", args->json, "Print the difference as JSON");

    auto* applyOrder = app.add_subcommand(
        "apply-order", "Sort a list like a reference: a settings file, an Enigma2 bouquet or a "
                       "text of channel names");
    applyOrder->add_option("IN", args->first, "Settings file to read")->required();
    applyOrder->add_option("REF", args->second, "Reference list")->required();
    applyOrder->add_option("OUT", args->out, "Settings file to write")->required();
    applyOrder->add_flag("--favourites", args->favourites,
                         "Rebuild the favourite lists the reference has, too");
    applyOrder->add_flag("--unmatched-first", args->unmatchedFirst,
                         "Put the channels the reference lacks first, not last");

    auto* duplicates = app.add_subcommand(
        "duplicates", "Channels that are the same service twice, and names on several "
                      "transponders");
    duplicates->add_option("FILE", args->first, "Settings file")->required();
    duplicates->add_flag("--json", args->json, "Print as JSON");

    commands.push_back({diff, [args, global] {
                            ListDifference d;
                            // diff's own convention: trouble is 2, so 1 can mean "different".
                            try {
                                CTarnell1018Doc a;
                                CTarnell1018Doc b;
                                OpenDocument(a, args->first, *global);
                                OpenDocument(b, args->second, *global);
                                d = CompareLists(a.File(), b.File(), global->favCodepage);
                            } catch (const std::exception& e) {
                                std::cerr << "fdutool: " << InEnglish(e.what()) << "\n";
                                return 2;
                            }
                            if (args->json) {
                                std::cout << DifferenceJson(d).dump(2) << "\n";
                            } else if (!d.Empty()) {
                                std::cout << DifferenceSummary(d) << "\n\n";
                                for (const auto& item : d.items) {
                                    std::cout << ItemLine(item) << "\n";
                                }
                            }
                            return d.Empty() ? 0 : 1;
                        }});
    commands.push_back(
        {applyOrder, [args, global] {
             CTarnell1018Doc doc;
             OpenDocument(doc, args->first, *global);
             const auto reference = ReadReferenceList(args->second, global->favCodepage);
             ReferenceOrderOptions o;
             o.rebuildFavourites = args->favourites;
             o.unmatchedFirst = args->unmatchedFirst;
             o.favCodepage = global->favCodepage;
             const auto report = doc.ApplyReferenceOrder(reference, o);
             std::cout << "Matched " << report.byIdentity + report.byName << " channels ("
                       << report.byIdentity << " by identity, " << report.byName << " by name); "
                       << report.notInReference.size()
                       << " channels of the list are not in the reference and stay "
                       << (o.unmatchedFirst ? "in front" : "behind") << " in their order; "
                       << report.notInList.size() << " reference entries found no channel.\n";
             if (o.rebuildFavourites) {
                 std::cout << "Favourite lists: " << report.favouriteListsRebuilt << " rebuilt, "
                           << report.favouriteListsAdded << " added.\n";
                 for (const auto& name : report.favouriteListsSkipped) {
                     std::cout << "No room for the favourite list \"" << name << "\" (32 lists).\n";
                 }
             }
             doc.Save(args->out);
             return 0;
         }});
    commands.push_back(
        {duplicates, [args, global] {
             CTarnell1018Doc doc;
             OpenDocument(doc, args->first, *global);
             const auto groups = FindDuplicates(doc.File());
             const auto entries = ChannelEntries(doc.File());
             if (args->json) {
                 Json out = Json::array();
                 for (const auto& g : groups) {
                     Json channels = Json::array();
                     for (const size_t i : g.channels) {
                         channels.push_back({{"index", i},
                                             {"position", entries[i].position},
                                             {"name", entries[i].name},
                                             {"identity", DescribeKey(entries[i].key)}});
                     }
                     out.push_back({{"kind", GroupKind(g)},
                                    {"name", g.name},
                                    {"tv", g.tv},
                                    {"channels", channels}});
                 }
                 std::cout << out.dump(2) << "\n";
                 return 0;
             }
             for (const auto& g : groups) {
                 std::cout << GroupKind(g) << ": " << (g.tv ? "TV" : "radio") << " \"" << g.name
                           << "\"\n";
                 for (const size_t i : g.channels) {
                     std::cout << "  " << entries[i].position << "  " << entries[i].name << "  ("
                               << DescribeKey(entries[i].key) << ")\n";
                 }
             }
             if (groups.empty()) {
                 std::cout << "No duplicates.\n";
             }
             return 0;
         }});
}

} // namespace tarnell
