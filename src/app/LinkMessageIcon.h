#pragma once

#include "LinkMessage.h"

#include <QMessageBox>

namespace tarnell {

// The message box icon of a receiver-link message.
QMessageBox::Icon ToMessageBoxIcon(MessageIcon icon);

} // namespace tarnell
