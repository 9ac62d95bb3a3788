#pragma once

#include <QString>

#include <string>

namespace tarnell {

// The undo history names its steps in English ("Delete 12 channels"); this gives the name in
// the user's language for the Undo and Redo buttons. A name it does not know is shown as is.
QString UndoStepText(const std::string& name);

} // namespace tarnell
