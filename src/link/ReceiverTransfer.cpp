#include "ReceiverTransfer.h"

#include "CodePage.h"
#include "FileError.h"
#include "FileIo.h"
#include "SectionIds.h"
#include "UserConfigFolder.h"

#include <ctime>
#include <optional>
#include <system_error>

namespace tarnell {

namespace {

using namespace link_text;

// Backups take whatever the receiver holds, within reason.
constexpr size_t kMaxBackupBytes = 16u << 20;

std::string Encoded(const std::string& utf8) {
    const auto bytes = EncodeText(utf8, CodePage::Windows1252);
    return {bytes.begin(), bytes.end()};
}

LinkMessage Stop(const std::string& caption, const std::string& text, std::string detail = {},
                 std::vector<std::string> args = {}) {
    return {caption, text, MessageIcon::Stop, std::move(detail), false, std::move(args)};
}

// A message the document's load gives, shown as it stands.
LinkMessage Plain(const std::string& text) {
    return {"", text, MessageIcon::None, {}, false, {}};
}

// An internet error: its text, at most 1,024 characters.
LinkMessage InternetError(const std::string& text, bool desktopAlert = false) {
    LinkMessage m = Stop(kErrorCaption, text.substr(0, 1024));
    m.desktopAlert = desktopAlert;
    return m;
}

// Reads the whole remote file. One larger than the receiver ever writes is not read at all;
// tooLarge says so, with the path and the limit.
std::optional<std::vector<uint8_t>> ReadLimited(CFtpConnection& ftp, const std::string& path,
                                                size_t maxBytes, const char* tooLarge,
                                                LinkResult& result) {
    try {
        return ftp.Read(path, maxBytes);
    } catch (const FtpError& e) {
        if (e.GetKind() != FtpError::Kind::TooLarge) {
            throw;
        }
        result.Add(Stop(kErrorCaption, tooLarge, {}, {path, std::to_string(maxBytes)}));
        return std::nullopt;
    }
}

bool OpenConnection(CFtpConnection& ftp, const CNetworkProfileData& profile, LinkResult& result) {
    // 0.0.0.0 reaches this very machine on Linux, never a receiver.
    if (profile.m_address == 0) {
        result.Add(Stop(kConnectionErrorCaption, kCannotConnect, kNoAddress, {profile.m_name}));
        return false;
    }
    try {
        ftp.Open();
        return true;
    } catch (const FtpError& e) {
        result.Add(Stop(kConnectionErrorCaption, kCannotConnect, e.what()));
        return false;
    }
}

std::string Timestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof(text), "%Y-%m-%d_%H-%M-%S", &local);
    return text;
}

// Copies the receiver's current files into a new folder named after the time. Throws FileError
// or FtpError; nothing is sent then.
std::filesystem::path KeepReceiverFiles(CFtpConnection& ftp, bool withConfig,
                                        const std::filesystem::path& root,
                                        std::vector<uint8_t>& service) {
    service = ftp.Read(kRemoteServicePath, kMaxBackupBytes);
    std::vector<uint8_t> config;
    if (withConfig) {
        config = ftp.Read(kRemoteConfigPath, kMaxBackupBytes);
    }
    const std::string stamp = Timestamp();
    std::error_code ec;
    std::filesystem::create_directories(root, ec);
    std::filesystem::path folder;
    // Two sends within one second get folders of their own.
    for (int n = 1; n <= 100 && folder.empty(); ++n) {
        auto candidate = root / (n == 1 ? stamp : stamp + "_" + std::to_string(n));
        if (std::filesystem::create_directory(candidate, ec)) {
            folder = candidate;
        }
    }
    if (folder.empty()) {
        throw FileError("Cannot make a backup folder in \"" + root.string() + "\"" +
                        (ec ? ": " + ec.message() : std::string()));
    }
    WriteFileAtomically(folder / "_service.fdu", service);
    if (withConfig) {
        WriteFileAtomically(folder / "_config.fdu", config);
    }
    return folder;
}

struct RemoteReplace {
    bool done = false;
    bool targetTouched = false; // written in place: a failure may have cut the file
    std::string error;
};

// Uploads beside the file and renames it into place, so that a broken transfer leaves the
// receiver's file as it was. Only where the server allows neither is the file written in place.
RemoteReplace ReplaceRemoteFile(CFtpConnection& ftp, const std::string& path,
                                std::span<const uint8_t> bytes) {
    RemoteReplace r;
    const std::string temporary = path + ".new";
    try {
        ftp.Write(temporary, bytes);
        // A server that lost bytes on the way must not get its list replaced by them.
        if (const auto size = ftp.Size(temporary); size && *size != bytes.size()) {
            throw FtpError(FtpError::Kind::Transfer, "the receiver stored " +
                                                         std::to_string(*size) + " of " +
                                                         std::to_string(bytes.size()) + " bytes");
        }
        ftp.Rename(temporary, path);
        r.done = true;
        return r;
    } catch (const FtpError& e) {
        try {
            ftp.Delete(temporary);
        } catch (const FtpError&) {
            // It may never have been created.
        }
        // Refused means no temporary file or no rename here; anything else is a failure.
        if (e.GetKind() != FtpError::Kind::Refused) {
            r.error = e.what();
            return r;
        }
    }
    r.targetTouched = true;
    try {
        ftp.Write(path, bytes);
        r.done = true;
    } catch (const FtpError& e) {
        r.error = e.what();
    }
    return r;
}

LinkMessage ReplaceFailed(const std::string& path, const RemoteReplace& r,
                          const std::filesystem::path& backup, bool serviceSent) {
    const char* text = r.targetTouched ? (serviceSent ? kSentButNotWrittenCut : kNotWrittenCut)
                                       : (serviceSent ? kSentButNotWrittenKept : kNotWrittenKept);
    return Stop(kErrorCaption, text, r.error, {path, backup.string()});
}

// The newest folder of kept receiver files, or nothing.
std::filesystem::path NewestBackup(const std::filesystem::path& root) {
    std::filesystem::path newest;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(root, ec), end; !ec && it != end;
         it.increment(ec)) {
        // The folders are named after the time, so the greatest name is the newest.
        if (std::filesystem::is_regular_file(it->path() / "_service.fdu", ec) &&
            it->path().filename() > newest.filename()) {
            newest = it->path();
        }
    }
    return newest;
}

// A list cut short on the receiver is not opened: saved or sent back it would lose the rest.
LinkMessage DamagedReceiverList(const CTarnell1018Doc& document, const LinkOptions& options) {
    const auto backup =
        NewestBackup(options.backupFolder.empty() ? ReceiverBackupFolder() : options.backupFolder);
    std::string text = std::string("The service list on the receiver is damaged: ") +
                       document.LostSectionsText() + " cannot be read. It was not opened. ";
    text += backup.empty()
                ? "There is no copy of the receiver's files from an earlier send here; send an "
                  "intact list to the receiver to repair it."
                : "The receiver's files as they were before the last send are in \"" +
                      backup.string() + "\"; send that list to the receiver to repair it.";
    return Stop(kErrorCaption, text);
}

} // namespace

LinkMessage NoProfileMessage() {
    return Stop(kConnectionErrorCaption, kNoProfile);
}

FtpEndpoint EndpointOf(const CNetworkProfileData& profile) {
    return {profile.ServerText(), profile.m_port, Encoded(profile.m_user),
            Encoded(profile.m_password)};
}

FetchResult FetchFromReceiver(const CNetworkProfileData& profile, bool withConfiguration,
                              const LinkOptions& options) {
    FetchResult result;
    CFtpConnection ftp(EndpointOf(profile), options.timeouts);
    if (!OpenConnection(ftp, profile, result)) {
        return result;
    }
    try {
        if (!ftp.Exists(kRemoteServicePath)) {
            result.Add(Stop(kNoDataCaption, kNoServiceList, kNoRemoteFile, {kRemoteServicePath}));
            return result;
        }
        const auto read = ReadLimited(ftp, kRemoteServicePath, kMaxServiceFileBytes,
                                      kServiceListTooLarge, result);
        if (!read) {
            return result;
        }
        const auto& bytes = *read;
        if (bytes.empty()) {
            result.Add(
                Stop(kNoDataEmptyCaption, kNoServiceList, kRemoteFileEmpty, {kRemoteServicePath}));
            return result;
        }
        auto document = std::make_unique<CTarnell1018Doc>();
        try {
            for (const auto& message : document->LoadFromBytes(bytes)) {
                result.Add(Plain(message));
            }
        } catch (const FileError& e) {
            result.Add(Stop(kErrorCaption, kFetchedListUnreadable, e.what()));
            return result;
        }
        if (!document->LostSections().empty()) {
            result.Add(DamagedReceiverList(*document, options));
            return result;
        }
        document->SetModifiedFlag(true);
        result.document = std::move(document);
        result.ok = true;
        if (withConfiguration) {
            FetchConfiguration(ftp, *result.document, result);
        }
    } catch (const FtpError& e) {
        result.Add(InternetError(e.what(), true));
    }
    return result;
}

FetchResult FetchFromReceiver(const CNetworkProfileArray& profiles, bool withConfiguration,
                              const LinkOptions& options) {
    return WithActiveProfile<FetchResult>(profiles, [&](const CNetworkProfileData& profile) {
        return FetchFromReceiver(profile, withConfiguration, options);
    });
}

void FetchConfiguration(CFtpConnection& ftp, CTarnell1018Doc& document, LinkResult& result) {
    if (!ftp.Exists(kRemoteConfigPath)) {
        return;
    }
    const auto bytes =
        ReadLimited(ftp, kRemoteConfigPath, kMaxConfigFileBytes, kConfigTooLarge, result);
    if (!bytes) {
        return;
    }
    for (const auto& message : document.LoadConfiguration(*bytes)) {
        result.Add(Plain(message));
    }
}

SendResult SendToReceiver(CTarnell1018Doc& document, const CNetworkProfileData& profile,
                          const LinkOptions& options, const SendPreview& preview) {
    SendResult result;
    std::vector<uint8_t> image;
    try {
        document.SetReceiverLayout(true);
        image = document.StoreToBytes();
    } catch (const FileError& e) {
        result.Add(Stop(kErrorCaption, e.what()));
        return result;
    }
    CFtpConnection ftp(EndpointOf(profile), options.timeouts);
    if (!OpenConnection(ftp, profile, result)) {
        return result;
    }
    try {
        if (!ftp.Exists(kRemoteServicePath)) {
            // Not a receiver we know how to fill; nothing is written.
            result.Add(Stop(kNoDataCaption, kNoServiceList, kNoRemoteFileNothingSent,
                            {kRemoteServicePath}));
            return result;
        }
        const bool receiverHasConfig = ftp.Exists(kRemoteConfigPath);
        std::vector<uint8_t> current;
        try {
            result.backupFolder = KeepReceiverFiles(
                ftp, receiverHasConfig,
                options.backupFolder.empty() ? ReceiverBackupFolder() : options.backupFolder,
                current);
        } catch (const FileError& e) {
            result.Add(Stop(kErrorCaption, kBackupNotKept, e.what()));
            return result;
        } catch (const FtpError& e) {
            result.Add(Stop(kErrorCaption, kBackupNotRead, e.what()));
            return result;
        }
        if (preview && !preview(current)) {
            // A send that did not happen leaves no backup among those of real sends.
            std::error_code ec;
            std::filesystem::remove_all(result.backupFolder, ec);
            result.backupFolder.clear();
            result.declined = true;
            return result;
        }
        const auto service = std::span<const uint8_t>(image).first(kServicePartSize);
        const auto replaced = ReplaceRemoteFile(ftp, kRemoteServicePath, service);
        if (!replaced.done) {
            result.Add(ReplaceFailed(kRemoteServicePath, replaced, result.backupFolder, false));
            return result;
        }
        result.ok = true;
        if (image.size() > kServicePartSize) {
            SendConfiguration(ftp, image, result);
        }
    } catch (const FtpError& e) {
        result.Add(InternetError(e.what()));
    }
    return result;
}

SendResult SendToReceiver(CTarnell1018Doc& document, const CNetworkProfileArray& profiles,
                          const LinkOptions& options) {
    return WithActiveProfile<SendResult>(profiles, [&](const CNetworkProfileData& profile) {
        return SendToReceiver(document, profile, options);
    });
}

void SendConfiguration(CFtpConnection& ftp, std::span<const uint8_t> image, SendResult& result) {
    if (image.size() <= kServicePartSize || !ftp.Exists(kRemoteConfigPath)) {
        return;
    }
    const auto replaced =
        ReplaceRemoteFile(ftp, kRemoteConfigPath, image.subspan(kServicePartSize));
    if (!replaced.done) {
        result.Add(ReplaceFailed(kRemoteConfigPath, replaced, result.backupFolder, true));
        return;
    }
    result.configurationSent = true;
}

LinkResult TestFtpConnection(const CNetworkProfileData& values, const LinkOptions& options) {
    LinkResult result;
    CFtpConnection ftp(EndpointOf(values), options.timeouts);
    if (OpenConnection(ftp, values, result)) {
        result.ok = true;
        result.Add({kFtpTestCaption, kFtpTestPassed, MessageIcon::Information, {}, false, {}});
    }
    return result;
}

} // namespace tarnell
