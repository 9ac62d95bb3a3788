// fdutool config: the receiver's system settings, read page by page or set from a script.
#include "CTarnell1018Doc.h"
#include "Commands.h"
#include "FileError.h"
#include "ReceiverConfigFields.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

namespace tarnell {

namespace {

namespace rc = ReceiverConfig;

bool IsTextValue(rc::Kind kind) {
    return kind == rc::Kind::Code || kind == rc::Kind::Text || kind == rc::Kind::Address;
}

nlohmann::ordered_json ConfigJson(const CSettingsFile& file) {
    nlohmann::ordered_json pages = nlohmann::ordered_json::array();
    for (int p = 0; p < rc::kPageCount; ++p) {
        const auto page = static_cast<rc::Page>(p);
        nlohmann::ordered_json fields = nlohmann::ordered_json::array();
        for (const rc::Field& field : rc::Fields()) {
            if (field.page != page || !rc::IsAvailable(file, field)) {
                continue;
            }
            nlohmann::ordered_json entry;
            entry["name"] = field.name;
            entry["offset"] = field.kind == rc::Kind::Text ? nlohmann::ordered_json(nullptr)
                                                           : nlohmann::ordered_json(field.offset);
            if (IsTextValue(field.kind)) {
                entry["value"] = rc::ValueText(file, field);
            } else {
                entry["value"] = rc::ReadNumber(file, field);
            }
            entry["meaning"] = rc::Meaning(file, field);
            fields.push_back(std::move(entry));
        }
        pages.push_back({{"page", rc::PageKey(page)},
                         {"title", rc::PageTitle(page)},
                         {"fields", std::move(fields)}});
    }
    return {{"present", true}, {"length", file.m_configuration.Length()}, {"pages", pages}};
}

void PrintConfig(const CSettingsFile& file) {
    for (int p = 0; p < rc::kPageCount; ++p) {
        const auto page = static_cast<rc::Page>(p);
        std::cout << rc::PageTitle(page) << " (" << rc::PageKey(page) << ")\n";
        for (const rc::Field& field : rc::Fields()) {
            if (field.page != page || !rc::IsAvailable(file, field)) {
                continue;
            }
            std::string name = field.name;
            name.resize(std::max<size_t>(name.size(), 20), ' ');
            const std::string value = rc::ValueText(file, field);
            const std::string meaning = rc::Meaning(file, field);
            std::cout << "  " << name << " " << value;
            if (meaning != value) {
                std::cout << "  (" << meaning << ")";
            }
            std::cout << "\n";
        }
    }
}

std::vector<rc::Change> ParseSettings(const CSettingsFile& file,
                                      const std::vector<std::string>& settings) {
    std::vector<rc::Change> changes;
    for (const auto& setting : settings) {
        const auto equals = setting.find('=');
        if (equals == std::string::npos) {
            throw FileError("--set " + setting + ": write NAME=VALUE");
        }
        const std::string name = setting.substr(0, equals);
        const rc::Field* field = rc::FindField(name);
        if (!field) {
            throw FileError("--set " + setting + ": there is no field named \"" + name +
                            "\" (fdutool config FILE lists them)");
        }
        rc::Change change;
        if (auto refusal = rc::Parse(file, *field, setting.substr(equals + 1), change)) {
            throw FileError("--set " + setting + ": " + name + " " + *refusal);
        }
        changes.push_back(std::move(change));
    }
    return changes;
}

} // namespace

void AddConfigCommands(CLI::App& app, const GlobalOptions& options,
                       std::vector<Command>& commands) {
    struct Args {
        std::string inPath;
        std::string outPath;
        bool json = false;
        std::vector<std::string> settings;
    };
    auto args = std::make_shared<Args>();
    const GlobalOptions* global = &options;
    auto* config = app.add_subcommand(
        "config", "Print the receiver configuration page by page, or change fields with --set");
    config->add_option("FILE", args->inPath, "Settings file with a configuration (*.sys)")
        ->required();
    config->add_option("OUT", args->outPath, "Where the changed file goes (with --set)");
    config->add_flag("--json", args->json, "Print as JSON");
    config
        ->add_option("--set", args->settings,
                     "NAME=VALUE: a field's choice as printed or its stored number, an "
                     "address, four digits, degrees such as 12.5E")
        ->allow_extra_args();

    commands.push_back({config, [args, global] {
                            if (args->settings.empty() != args->outPath.empty()) {
                                std::cerr << "fdutool config: --set and OUT go together\n";
                                return 2;
                            }
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->inPath, *global);
                            if (!doc.IsConfigPresent()) {
                                throw FileError(args->inPath +
                                                " holds no receiver configuration; only *.sys "
                                                "files and fetches with --config carry one");
                            }
                            if (args->settings.empty()) {
                                if (args->json) {
                                    std::cout << ConfigJson(doc.File()).dump(2) << "\n";
                                } else {
                                    PrintConfig(doc.File());
                                }
                                return 0;
                            }
                            doc.ChangeConfiguration(ParseSettings(doc.File(), args->settings));
                            doc.Save(args->outPath);
                            return 0;
                        }});
}

} // namespace tarnell
