#pragma once

#include <QKeySequence>

#include <functional>

class QWidget;
struct AccelEntry;
struct AcceleratorTable;

// The key that an accelerator entry stands for: a virtual key with its Shift, Ctrl and Alt
// flags, or a character. An empty sequence for a key Qt has no name for.
QKeySequence KeySequenceFor(const AccelEntry& entry);

// Makes each entry of the table a shortcut of the window that gives its command to
// onCommand. When two entries name the same key, the first one wins.
void InstallAccelerators(QWidget& window, const AcceleratorTable& table,
                         const std::function<void(unsigned)>& onCommand);
