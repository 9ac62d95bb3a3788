#include "LinkMessageTexts.h"

#include "IUserDialogs.h"

#include <QCoreApplication>

#include <string_view>

namespace tarnell {

namespace {

using namespace link_text;

constexpr const char* kContext = "LinkMessage";

// Each fixed text of the link beside the same words marked for the language packs; the check
// below keeps the two in step when either changes.
struct KnownText {
    const char* link;
    const char* marked;
};

constexpr KnownText kKnownTexts[] = {
    {kConnectionErrorCaption, QT_TRANSLATE_NOOP("LinkMessage", "ftp Connection Error")},
    {kNoDataCaption, QT_TRANSLATE_NOOP("LinkMessage", "No Data")},
    {kNoDataEmptyCaption, QT_TRANSLATE_NOOP("LinkMessage", "No Data 0")},
    {kErrorCaption, QT_TRANSLATE_NOOP("LinkMessage", "Error")},
    {kFtpTestCaption, QT_TRANSLATE_NOOP("LinkMessage", "ftp Test")},
    {kRestartCaption, QT_TRANSLATE_NOOP("LinkMessage", "Restart receiver")},
    {kSocketFailed, QT_TRANSLATE_NOOP("LinkMessage", "Fehler 1")},
    {kNoConnect, QT_TRANSLATE_NOOP("LinkMessage", "Kein Connect")},
    {kNoServiceList,
     QT_TRANSLATE_NOOP("LinkMessage", "The receiver did not deliver a service list.")},
    {kCannotConnect,
     QT_TRANSLATE_NOOP("LinkMessage", "No FTP connection to the receiver. Check the address, "
                                      "port, user name and password of the network profile.")},
    {kRestartQuestion, QT_TRANSLATE_NOOP("LinkMessage", "Restart the receiver now, so that it "
                                                        "reads the new lists?")},
    {kFtpTestPassed, QT_TRANSLATE_NOOP("LinkMessage", "The receiver accepted the FTP login.")},
    {kNoProfile, QT_TRANSLATE_NOOP("LinkMessage", "There is no network profile. Add one for the "
                                                  "receiver on the Network page of the options.")},
    {kServiceListTooLarge,
     QT_TRANSLATE_NOOP("LinkMessage", "%1 on the receiver is larger than %2 bytes, so it is not "
                                      "a service list; it was not read.")},
    {kConfigTooLarge,
     QT_TRANSLATE_NOOP("LinkMessage", "%1 on the receiver is larger than %2 bytes, so it is not "
                                      "a configuration; it was not read.")},
    {kFetchedListUnreadable,
     QT_TRANSLATE_NOOP("LinkMessage",
                       "The service list fetched from the receiver cannot be opened.")},
    {kBackupNotKept, QT_TRANSLATE_NOOP("LinkMessage", "The receiver's current files could not "
                                                      "be kept; nothing was sent.")},
    {kBackupNotRead, QT_TRANSLATE_NOOP("LinkMessage", "The receiver's current files could not "
                                                      "be read; nothing was sent.")},
    {kNotWrittenKept, QT_TRANSLATE_NOOP("LinkMessage", "%1 could not be written; the receiver "
                                                       "keeps its previous file.")},
    {kNotWrittenCut,
     QT_TRANSLATE_NOOP("LinkMessage", "%1 could not be written; the receiver's file may be "
                                      "incomplete now. Its previous files are in \"%2\".")},
    {kSentButNotWrittenKept,
     QT_TRANSLATE_NOOP("LinkMessage", "The service list was sent, but %1 could not be written; "
                                      "the receiver keeps its previous file.")},
    {kSentButNotWrittenCut,
     QT_TRANSLATE_NOOP("LinkMessage",
                       "The service list was sent, but %1 could not be written; the receiver's "
                       "file may be incomplete now. Its previous files are in \"%2\".")},
    {kNoAddress, QT_TRANSLATE_NOOP("LinkMessage", "the profile \"%1\" has no receiver address")},
    {kNoRemoteFile, QT_TRANSLATE_NOOP("LinkMessage", "the receiver has no %1")},
    {kNoRemoteFileNothingSent,
     QT_TRANSLATE_NOOP("LinkMessage", "the receiver has no %1; nothing was sent")},
    {kRemoteFileEmpty, QT_TRANSLATE_NOOP("LinkMessage", "%1 on the receiver is empty")},
    {kConnectionClosed, QT_TRANSLATE_NOOP("LinkMessage", "the receiver closed the connection: %1")},
    {kClientNotSetUp, QT_TRANSLATE_NOOP("LinkMessage", "The FTP client could not be set up.")},
    {kNoEndpoint, QT_TRANSLATE_NOOP("LinkMessage", "No receiver address or port.")},
    {kLineBreakInLogin,
     QT_TRANSLATE_NOOP("LinkMessage", "The user name or the password contains a line break.")},
};

constexpr bool InStep() {
    for (const KnownText& known : kKnownTexts) {
        if (std::string_view(known.link) != std::string_view(known.marked)) {
            return false;
        }
    }
    return true;
}
static_assert(InStep(), "a link text and its marked copy differ");

// The configuration reader's one warning in the program's own words.
[[maybe_unused]] constexpr const char* kLoadTexts[] = {
    QT_TRANSLATE_NOOP("LinkMessage", "Die Systemdaten sind fehlerhaft!"),
};

// Unknown texts (the FTP library's own, say) come back as they are.
QString Translated(const std::string& text) {
    return QCoreApplication::translate(kContext, text.c_str());
}

// One pass, as the link fills its English text: an argument holding "%2" stays as it is.
QString Filled(const QString& text, const std::vector<std::string>& args) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('%') && i + 1 < text.size()) {
            const int n = text[i + 1].digitValue();
            if (n >= 1 && static_cast<size_t>(n) <= args.size()) {
                out += QString::fromStdString(args[static_cast<size_t>(n) - 1]);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

QMessageBox::Icon ToMessageBoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString LinkText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

QString LinkMessageCaption(const LinkMessage& message) {
    return message.caption.empty() ? QString() : Translated(message.caption);
}

QString LinkMessageText(const LinkMessage& message) {
    return Filled(Translated(message.text), message.args);
}

QString LinkMessageDetail(const LinkMessage& message) {
    return message.detail.empty() ? QString() : Filled(Translated(message.detail), message.args);
}

QString LoadMessagesText(const std::vector<std::string>& messages) {
    QStringList lines;
    for (const auto& message : messages) {
        lines.append(Translated(message));
    }
    return lines.join(QLatin1Char('\n'));
}

void ShowLinkMessages(QWidget* parent, IUserDialogs& dialogs,
                      const std::vector<LinkMessage>& messages,
                      const std::function<void(const QString&)>& alert) {
    for (const auto& message : messages) {
        const QString text = LinkMessageText(message);
        if (message.desktopAlert && alert) {
            alert(text);
        }
        // The exact cause goes below the text, for whoever has to find it.
        const QString detail = LinkMessageDetail(message);
        dialogs.ShowMessage(parent, ToMessageBoxIcon(message.icon), LinkMessageCaption(message),
                            detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail);
    }
}

} // namespace tarnell
