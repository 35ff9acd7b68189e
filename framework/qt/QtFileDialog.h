#pragma once

#include "WindowSystem.h"

#include <string>

class QWidget;

// Asks for a file with Qt's own dialog (the same on every desktop): titled and filtered as
// the framework says, the filter matching every name, also names without a dot. True with the
// chosen path, false when the user cancelled.
bool RunFileDialog(QWidget* pOwner, const IWindowSystem::FileDialogParams& params, std::string& path);
