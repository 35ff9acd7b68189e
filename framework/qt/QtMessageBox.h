#pragma once

#include <string>

class QWidget;

// A message box over the owner: the MB_ icon (exclamation, stop, question, information) and
// buttons (OK, OK and Cancel, Yes and No, Yes, No and Cancel); returns IDOK, IDCANCEL, IDYES
// or IDNO.
int RunMessageBox(QWidget* pOwner, const std::string& text, const std::string& caption, unsigned nType);
