// fdutool fetch, send, reboot and profiles: the receiver link.
#include "CNetworkProfileArray.h"
#include "CTarnell1018Doc.h"
#include "Commands.h"
#include "EnglishMessages.h"
#include "FileError.h"
#include "ReceiverRestart.h"
#include "ReceiverTransfer.h"
#include "UserConfigFolder.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>

namespace tarnell {

namespace {

struct Profiles {
    CNetworkProfileArray list;
    std::optional<std::string> damage; // the file could not be read
};

Profiles LoadProfiles() {
    Profiles p;
    p.damage = p.list.Load(NetworkProfilePath());
    if (p.damage) {
        std::cerr << "fdutool: " << *p.damage << "\n";
    }
    return p;
}

// Saves after a change; a damaged file is never overwritten by the default profile.
void SaveProfiles(const Profiles& p) {
    if (p.damage) {
        throw FileError("The network profiles were not changed. Repair or remove \"" +
                        NetworkProfilePath().string() + "\" first.");
    }
    p.list.Save(NetworkProfilePath());
}

size_t IndexOfProfile(const CNetworkProfileArray& list, const std::string& name) {
    const ptrdiff_t i = list.Find(name);
    if (i < 0) {
        throw std::runtime_error("There is no network profile named \"" + name + "\".");
    }
    return static_cast<size_t>(i);
}

// The named profile, else the active one.
const CNetworkProfileData& ChooseProfile(const CNetworkProfileArray& list,
                                         const std::string& name) {
    if (!name.empty()) {
        return *list.At(IndexOfProfile(list, name));
    }
    const auto* active = list.GetActiveProfile();
    if (active == nullptr) {
        throw std::runtime_error(NoProfileMessage().OneLine());
    }
    return *active;
}

LinkOptions Options() {
    LinkOptions options;
    // Only the tests talk to a restart port other than the receiver's.
    if (const char* port = std::getenv("TARNELL_RESTART_PORT"); port != nullptr && *port != 0) {
        char* end = nullptr;
        const long value = std::strtol(port, &end, 10);
        if (*end != '\0' || value < 1 || value > 65535) {
            throw std::runtime_error("TARNELL_RESTART_PORT is not a port number.");
        }
        options.restartPort = static_cast<int>(value);
    }
    return options;
}

// Prints every message; the status the command ends with.
int Report(const LinkResult& result) {
    for (const auto& message : result.messages) {
        auto& out = message.icon == MessageIcon::Information ? std::cout : std::cerr;
        out << (message.icon == MessageIcon::Information ? "" : "fdutool: ")
            << InEnglish(message.OneLine()) << "\n";
    }
    return result.ok && !result.HasError() ? 0 : 1;
}

std::string Where(const CNetworkProfileData& profile) {
    return "\"" + profile.m_name + "\" (" + profile.ServerText() + ")";
}

} // namespace

void AddLinkCommands(CLI::App& app, const GlobalOptions& globalOptions,
                     std::vector<Command>& commands) {
    const GlobalOptions* global = &globalOptions;
    struct Args {
        std::string profile;
        std::string path;
        bool config = false;
        bool reboot = false;
        std::string name;
        std::string address = "0.0.0.0";
        int port = CNetworkProfileData::kDefaultPort;
        std::string user = CNetworkProfileData::kDefaultUser;
        std::string password;
        bool normalReboot = false;
        bool activate = false;
    };
    auto args = std::make_shared<Args>();
    const auto profileOption = [&args](CLI::App* sub) {
        sub->add_option("--profile", args->profile,
                        "Network profile to use instead of the active one");
    };

    auto* fetch = app.add_subcommand("fetch", "Fetch the receiver's service list over FTP");
    fetch->add_flag("--config", args->config, "Fetch the receiver's configuration as well");
    fetch->add_option("-o,--output", args->path, "Settings file to write")->required();
    profileOption(fetch);

    auto* send = app.add_subcommand("send", "Send a settings file to the receiver over FTP");
    send->add_option("FILE", args->path, "Settings file to send")->required();
    send->add_flag("--reboot", args->reboot, "Restart the receiver afterwards");
    profileOption(send);

    auto* reboot = app.add_subcommand("reboot", "Restart the receiver (its login shell, port 23)");
    profileOption(reboot);

    auto* profiles = app.add_subcommand("profiles", "Network profiles of the receivers");
    profiles->require_subcommand(1);
    auto* list = profiles->add_subcommand("list", "List the profiles; * marks the active one");
    auto* add = profiles->add_subcommand("add", "Add a profile");
    add->add_option("NAME", args->name, "Profile name")->required();
    add->add_option("--address", args->address, "Receiver's IPv4 address")
        ->check([](const std::string& text) {
            return ParseIpv4(text) ? std::string() : std::string("not an IPv4 address");
        });
    add->add_option("--port", args->port, "FTP port")->check(CLI::Range(1, 65535));
    add->add_option("--user", args->user, "Login name (FTP and restart)");
    add->add_option("--password", args->password, "Login password (stored in clear text)");
    add->add_flag("--normal-reboot", args->normalReboot,
                  "Restart with \"reboot\", not \"reboot -f\"");
    add->add_flag("--activate", args->activate, "Make it the active profile");
    auto* remove = profiles->add_subcommand("remove", "Remove a profile (never the last one)");
    remove->add_option("NAME", args->name, "Profile name")->required();
    auto* activate = profiles->add_subcommand("activate", "Make a profile the active one");
    activate->add_option("NAME", args->name, "Profile name")->required();
    auto* test = profiles->add_subcommand("test", "Log in to the receiver's FTP server and out");
    test->add_option("NAME", args->name, "Profile name (default: the active one)");

    commands.push_back({fetch, [args] {
                            const auto p = LoadProfiles();
                            const auto& profile = ChooseProfile(p.list, args->profile);
                            auto result = FetchFromReceiver(profile, args->config, Options());
                            if (const int status = Report(result); status != 0) {
                                return status;
                            }
                            if (args->config && !result.document->IsConfigPresent()) {
                                std::cerr
                                    << "fdutool: no configuration came from the receiver (it has "
                                       "none or none that reads); the service list was "
                                       "fetched alone\n";
                            }
                            result.document->Save(args->path);
                            std::cout << "Fetched from " << Where(profile) << " into " << args->path
                                      << "\n";
                            return 0;
                        }});
    commands.push_back({send, [args, global] {
                            const auto p = LoadProfiles();
                            const auto& profile = ChooseProfile(p.list, args->profile);
                            const auto options = Options();
                            CTarnell1018Doc doc;
                            OpenDocument(doc, args->path, *global);
                            const auto result = SendToReceiver(doc, profile, options);
                            const int status = Report(result);
                            if (!result.backupFolder.empty()) {
                                std::cout << "The receiver's previous files are in "
                                          << result.backupFolder.string() << "\n";
                            }
                            if (status != 0) {
                                return status;
                            }
                            std::cout
                                << "Sent " << args->path << " to " << Where(profile)
                                << (result.configurationSent ? " (service list and configuration)\n"
                                                             : " (service list)\n");
                            if (doc.IsConfigPresent() && !result.configurationSent) {
                                std::cerr << "fdutool: the receiver has no configuration file; "
                                             "the configuration was not sent\n";
                            }
                            if (!args->reboot) {
                                return 0;
                            }
                            if (Report(RebootReceiver(profile, options)) != 0) {
                                return 1;
                            }
                            std::cout << "Restart lines sent\n";
                            return 0;
                        }});
    commands.push_back({reboot, [args] {
                            const auto p = LoadProfiles();
                            const auto& profile = ChooseProfile(p.list, args->profile);
                            if (Report(RebootReceiver(profile, Options())) != 0) {
                                return 1;
                            }
                            std::cout << "Restart lines sent to " << Where(profile) << "\n";
                            return 0;
                        }});
    commands.push_back({list, [] {
                            const auto p = LoadProfiles();
                            const auto* active = p.list.GetActiveProfile();
                            for (size_t i = 0; i < p.list.Size(); ++i) {
                                const auto* profile = p.list.At(i);
                                std::cout << (profile == active ? "* " : "  ") << profile->m_name
                                          << "\t" << profile->ServerText() << ":" << profile->m_port
                                          << "\tuser " << profile->m_user << "\t"
                                          << (profile->m_forcedReboot != 0 ? "reboot -f" : "reboot")
                                          << "\n";
                            }
                            return 0;
                        }});
    commands.push_back({add, [args] {
                            auto p = LoadProfiles();
                            if (p.list.Find(args->name) >= 0) {
                                throw std::runtime_error("There is a network profile named \"" +
                                                         args->name + "\" already.");
                            }
                            p.list.AddProfile(args->name, *ParseIpv4(args->address), args->port,
                                              args->user, args->password,
                                              args->normalReboot ? 0 : 1);
                            if (args->activate) {
                                p.list.SetActiveIndex(static_cast<int32_t>(p.list.Size() - 1));
                            }
                            SaveProfiles(p);
                            return 0;
                        }});
    commands.push_back({remove, [args] {
                            auto p = LoadProfiles();
                            if (!p.list.RemoveProfile(IndexOfProfile(p.list, args->name))) {
                                throw std::runtime_error("The last network profile cannot be "
                                                         "removed.");
                            }
                            SaveProfiles(p);
                            return 0;
                        }});
    commands.push_back({activate, [args] {
                            auto p = LoadProfiles();
                            p.list.SetActiveIndex(
                                static_cast<int32_t>(IndexOfProfile(p.list, args->name)));
                            SaveProfiles(p);
                            return 0;
                        }});
    commands.push_back({test, [args] {
                            const auto p = LoadProfiles();
                            return Report(
                                TestFtpConnection(ChooseProfile(p.list, args->name), Options()));
                        }});
}

} // namespace tarnell
