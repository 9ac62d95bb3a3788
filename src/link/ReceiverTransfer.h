#pragma once

#include "CFtpConnection.h"
#include "CNetworkProfileArray.h"
#include "CNetworkProfileData.h"
#include "CTarnell1018Doc.h"
#include "LinkMessage.h"
#include "LinkOptions.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <span>

namespace tarnell {

inline constexpr const char* kRemoteServicePath = "/var/etc/_service.fdu";
inline constexpr const char* kRemoteConfigPath = "/var/etc/_config.fdu";
// Larger files are not the receiver's lists; nothing is read from them.
inline constexpr size_t kMaxServiceFileBytes = 200000;
inline constexpr size_t kMaxConfigFileBytes = 2048;

struct FetchResult : LinkResult {
    std::unique_ptr<CTarnell1018Doc> document; // a new, modified document; null on failure
};

struct SendResult : LinkResult {
    bool configurationSent = false;
    // The receiver's files as they were before the send; empty when nothing was kept.
    std::filesystem::path backupFolder;
    // The preview said no: nothing was written and no backup kept.
    bool declined = false;
};

// Shown the receiver's current service file before anything is written; false stops the send.
// Runs on the thread of the send.
using SendPreview = std::function<bool(std::span<const uint8_t> receiverServiceFile)>;

// Fetches "/var/etc/_service.fdu" (and "/var/etc/_config.fdu" when asked) into a new document.
FetchResult FetchFromReceiver(const CNetworkProfileData& profile, bool withConfiguration,
                              const LinkOptions& options = {});
FetchResult FetchFromReceiver(const CNetworkProfileArray& profiles, bool withConfiguration,
                              const LinkOptions& options = {});
// Reads the receiver's configuration into the document; nothing when the receiver has none.
// Throws FtpError when the connection fails.
void FetchConfiguration(CFtpConnection& ftp, CTarnell1018Doc& document, LinkResult& result);

// Sends the document in the receiver's layout: the service part to "/var/etc/_service.fdu" and
// the configuration to "/var/etc/_config.fdu" where the receiver has one. The receiver's
// previous files are kept in a local folder first. The document keeps its modified flag.
SendResult SendToReceiver(CTarnell1018Doc& document, const CNetworkProfileData& profile,
                          const LinkOptions& options = {}, const SendPreview& preview = {});
SendResult SendToReceiver(CTarnell1018Doc& document, const CNetworkProfileArray& profiles,
                          const LinkOptions& options = {});
// Writes the configuration part of an image (from byte 196,608 on) where the receiver has a
// configuration file. Throws FtpError when the connection fails.
void SendConfiguration(CFtpConnection& ftp, std::span<const uint8_t> image, SendResult& result);

// Logs in with the given values and out again; nothing is transferred.
LinkResult TestFtpConnection(const CNetworkProfileData& values, const LinkOptions& options = {});

// The message for a list without any profile.
LinkMessage NoProfileMessage();

// Runs the transfer with the active profile, or says that there is none.
template <class Result, class Transfer>
Result WithActiveProfile(const CNetworkProfileArray& profiles, Transfer transfer) {
    if (const auto* profile = profiles.GetActiveProfile()) {
        return transfer(*profile);
    }
    Result result;
    result.Add(NoProfileMessage());
    return result;
}
// The profile's login as the receiver takes it (the ANSI code page).
FtpEndpoint EndpointOf(const CNetworkProfileData& profile);

} // namespace tarnell
