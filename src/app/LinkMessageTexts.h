#pragma once

#include "LinkMessage.h"

#include <QMessageBox>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tarnell {

class IUserDialogs;

// The message box icon of a receiver-link message.
QMessageBox::Icon ToMessageBoxIcon(MessageIcon icon);

// The link speaks English; these give its captions and texts in the user's language, with the
// arguments filled in and the detail below the text.
QString LinkText(const char* text);
QString LinkMessageCaption(const LinkMessage& message);
QString LinkMessageText(const LinkMessage& message);
QString LinkMessageDetail(const LinkMessage& message);

// What the document's load reports (configuration warnings), one line each, in the user's
// language where the pack knows the text.
QString LoadMessagesText(const std::vector<std::string>& messages);

// Shows the messages in order; alert, when given, takes the texts meant for the desktop alert.
void ShowLinkMessages(QWidget* parent, IUserDialogs& dialogs,
                      const std::vector<LinkMessage>& messages,
                      const std::function<void(const QString&)>& alert = {});

} // namespace tarnell
