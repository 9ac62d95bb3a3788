#pragma once

#include <string>
#include <vector>

namespace tarnell {

enum class MessageIcon { None, Information, Question, Warning, Stop };

// One message box the front end shows after a transfer. The core never shows anything itself.
// Text and detail are English (fdutool prints them so); "%1", "%2" … in them stand for the
// arguments, so that the editor can look the fixed words up in its language pack.
struct LinkMessage {
    std::string caption; // empty: the program's own caption
    std::string text;
    MessageIcon icon = MessageIcon::Stop;
    std::string detail;        // what exactly went wrong, for the curious (may be empty)
    bool desktopAlert = false; // the main frame shows the text in its desktop alert as well
    std::vector<std::string> args;

    std::string Text() const;
    std::string Detail() const;
    // "caption: text (detail)" on one line, as fdutool prints it.
    std::string OneLine() const;
};

// "%1" … "%9" replaced by the arguments; a placeholder without an argument stays as it is.
std::string FillPlaceholders(const std::string& text, const std::vector<std::string>& args);

// Fixed captions and texts of the receiver link. The editor keeps a translated copy of each.
namespace link_text {
inline constexpr const char* kConnectionErrorCaption = "ftp Connection Error";
inline constexpr const char* kNoDataCaption = "No Data";
inline constexpr const char* kNoDataEmptyCaption = "No Data 0";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kFtpTestCaption = "ftp Test";
inline constexpr const char* kRestartCaption = "Restart receiver";
inline constexpr const char* kSocketFailed = "Fehler 1";
inline constexpr const char* kNoConnect = "Kein Connect";
inline constexpr const char* kNoServiceList = "The receiver did not deliver a service list.";
inline constexpr const char* kCannotConnect =
    "No FTP connection to the receiver. Check the address, port, user name and password of "
    "the network profile.";
inline constexpr const char* kRestartQuestion = "Restart the receiver now, so that it reads "
                                                "the new lists?";
inline constexpr const char* kFtpTestPassed = "The receiver accepted the FTP login.";
inline constexpr const char* kNoProfile = "There is no network profile. Add one for the "
                                          "receiver on the Network page of the options.";
inline constexpr const char* kServiceListTooLarge =
    "%1 on the receiver is larger than %2 bytes, so it is not a service list; it was not read.";
inline constexpr const char* kConfigTooLarge =
    "%1 on the receiver is larger than %2 bytes, so it is not a configuration; it was not read.";
inline constexpr const char* kFetchedListUnreadable =
    "The service list fetched from the receiver cannot be opened.";
inline constexpr const char* kBackupNotKept =
    "The receiver's current files could not be kept; nothing was sent.";
inline constexpr const char* kBackupNotRead =
    "The receiver's current files could not be read; nothing was sent.";
inline constexpr const char* kNotWrittenKept =
    "%1 could not be written; the receiver keeps its previous file.";
inline constexpr const char* kNotWrittenCut =
    "%1 could not be written; the receiver's file may be incomplete now. Its previous files "
    "are in \"%2\".";
inline constexpr const char* kSentButNotWrittenKept =
    "The service list was sent, but %1 could not be written; the receiver keeps its previous "
    "file.";
inline constexpr const char* kSentButNotWrittenCut =
    "The service list was sent, but %1 could not be written; the receiver's file may be "
    "incomplete now. Its previous files are in \"%2\".";
// Details.
inline constexpr const char* kNoAddress = "the profile \"%1\" has no receiver address";
inline constexpr const char* kNoRemoteFile = "the receiver has no %1";
inline constexpr const char* kNoRemoteFileNothingSent = "the receiver has no %1; nothing was sent";
inline constexpr const char* kRemoteFileEmpty = "%1 on the receiver is empty";
inline constexpr const char* kConnectionClosed = "the receiver closed the connection: %1";
inline constexpr const char* kClientNotSetUp = "The FTP client could not be set up.";
inline constexpr const char* kNoEndpoint = "No receiver address or port.";
inline constexpr const char* kLineBreakInLogin =
    "The user name or the password contains a line break.";
} // namespace link_text

// What a transfer left behind: success, and the messages to show in order.
struct LinkResult {
    bool ok = false;
    std::vector<LinkMessage> messages;

    bool HasError() const;
    LinkResult& Add(LinkMessage message) {
        messages.push_back(std::move(message));
        return *this;
    }
};

} // namespace tarnell
