#pragma once

#include <string>
#include <vector>

namespace tarnell {

enum class MessageIcon { None, Information, Question, Warning, Stop };

// One message box the front end shows after a transfer. The core never shows anything itself.
struct LinkMessage {
    std::string caption; // empty: the program's own caption
    std::string text;
    MessageIcon icon = MessageIcon::Stop;
    std::string detail;        // what exactly went wrong, for the curious (may be empty)
    bool desktopAlert = false; // the main frame shows the text in its desktop alert as well

    // "caption: text (detail)" on one line, as fdutool prints it.
    std::string OneLine() const;
};

// Fixed captions and texts of the receiver link.
namespace link_text {
inline constexpr const char* kConnectionErrorCaption = "ftp Connection Error";
inline constexpr const char* kNoDataCaption = "No Data";
inline constexpr const char* kNoDataEmptyCaption = "No Data 0";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kFtpTestCaption = "ftp Test";
inline constexpr const char* kSocketFailed = "Fehler 1";
inline constexpr const char* kNoConnect = "Kein Connect";
// The texts the language packs may translate later.
inline constexpr const char* kNoServiceList = "The receiver did not deliver a service list.";
inline constexpr const char* kCannotConnect =
    "No FTP connection to the receiver. Check the address, port, user name and password of "
    "the network profile.";
inline constexpr const char* kRestartQuestion = "Restart the receiver now, so that it reads "
                                                "the new lists?";
inline constexpr const char* kRestartCaption = "Restart receiver";
inline constexpr const char* kFtpTestPassed = "The receiver accepted the FTP login.";
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
